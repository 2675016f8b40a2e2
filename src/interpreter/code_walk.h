#pragma once

#include "interpreter/code_classes.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <cstdint>

// The one walk over a compiled program: which codes are consumed, how levels nest and
// return, and where operands are loaded and combined. A policy gives the steps their
// meaning: the reference evaluator computes values, the flat path's recorder writes down
// the operations instead. A Policy provides:
//   using Value;                                      a level's running value or operand
//   const Formelinterpreter& program() const;         the compiled codes and literals
//   int16_t& pointer(); int32_t& depth(); int32_t* stack();   the walk's position
//   Value newOperand(); void endLevel();              a level's Zahl, made and released
//   void loadConstant(Value&, long double); void loadX(Value&); void loadNegX(Value&);
//   void nested(Value&);                  a nested level starting from, and giving, the value
//   void function(unsigned char code, Value&);        a function applied to its argument
//   void combine(unsigned char op, Value& Wert, Value& Zahl);
//   void errorTest();                                 may abandon the walk
namespace code_walk {

using F = Formelinterpreter;

template <class P> bool mustReturn(P& p) {
    const int32_t depth = p.depth();
    const int top = depth > 0 ? p.stack()[depth] : 0;
    return code_classes::levelEndsBefore(depth, top, p.program().codeAt(p.pointer() + 1));
}

// Depth may fall below zero after an unmatched ")"; such levels are never stored or read.
template <class P> void push(P& p, int level) {
    int32_t& depth = p.depth();
    ++depth;
    if (depth > 0 && depth < F::StackSize) {
        p.stack()[depth] = level;
    }
}

template <class P> void pop(P& p) {
    --p.depth();
}

// <group> = "(" "-" number ")" | "(" "-" "x" ")" | "(" <level> ")", the "(" consumed.
template <class P> void group(P& p, typename P::Value& target) {
    const F& f = p.program();
    int16_t& pointer = p.pointer();
    const unsigned char sign = f.codeAt(pointer + 1);
    const unsigned char value = f.codeAt(pointer + 2);
    const unsigned char close = f.codeAt(pointer + 3);
    if (sign == F::Minus && close == F::CloseParen && value == F::Number) {
        p.loadConstant(target, -f.Zahlenwerte[pointer + 2]);
        pointer += 3;
        return;
    }
    if (sign == F::Minus && close == F::CloseParen && value == F::VarX) {
        p.loadNegX(target);
        pointer += 3;
        return;
    }
    push(p, F::LevelGroup);
    p.loadConstant(target, 0);
    p.nested(target);
}

// A function's argument: the code after the function word opens its group.
template <class P> void functionArgument(P& p, typename P::Value& target) {
    ++p.pointer();
    group(p, target);
}

template <class P> void operand(P& p, unsigned char code, typename P::Value& target) {
    switch (code) {
    case F::Number:
        p.loadConstant(target, p.program().Zahlenwerte[p.pointer()]);
        return;
    case F::ConstPi:
        p.loadConstant(target, PI);
        return;
    case F::ConstE:
        p.loadConstant(target, e);
        return;
    case F::VarX:
        p.loadX(target);
        return;
    case F::OpenParen:
        group(p, target);
        return;
    default:
        p.function(code, target);
        return;
    }
}

// <level> = [<element>] { <element> }, where an element is an operand, an operator or ")".
// An operator followed by a higher-precedence operator hands its right operand to a
// nested level (2 for * / : after + -, 3 for ^); ")" closes the level.
template <class P> typename P::Value level(P& p, typename P::Value Wert) {
    using namespace code_classes;
    typename P::Value Zahl = p.newOperand();
    bool ZahlDa = false;
    unsigned char Operator = 0;
    const F& f = p.program();
    int16_t& pointer = p.pointer();

    if (mustReturn(p)) {
        p.endLevel();
        return Wert;
    }
    ++pointer;
    unsigned char code = f.codeAt(pointer);
    if (isOperand(code)) {
        operand(p, code, Wert);
    } else if (isOperator(code)) {
        Operator = code;
    } else if (code == F::CloseParen) {
        pop(p);
        p.endLevel();
        return Wert;
    }
    p.errorTest();

    while (pointer < f.AnzahlToken) {
        if (mustReturn(p)) {
            break;
        }
        ++pointer;
        code = f.codeAt(pointer);
        if (isOperand(code)) {
            operand(p, code, Zahl);
            ZahlDa = true;
        } else if (isOperator(code)) {
            Operator = code;
        } else if (code == F::CloseParen) {
            pop(p);
            break;
        }
        p.errorTest();

        for (;;) {
            const unsigned char next = f.codeAt(pointer + 1);
            if ((isAdditive(Operator) || isMultiplicative(Operator)) && next == F::Pow) {
                push(p, F::LevelPower);
            } else if (isAdditive(Operator) && isMultiplicative(next)) {
                push(p, F::LevelTerm);
            } else {
                break;
            }
            p.nested(Zahl);
            pop(p);
            ZahlDa = true;
        }

        if (ZahlDa && Operator != 0) {
            p.combine(Operator, Wert, Zahl);
            ZahlDa = false;
            Operator = 0;
        }
        p.errorTest();
    }
    p.endLevel();
    return Wert;
}

} // namespace code_walk
