#pragma once

#include "interpreter/formelinterpreter.h"

#include <array>

// Classes of program codes, shared by the evaluator and by the recorder of the flat path,
// which must walk a program exactly alike.
namespace code_classes {

inline bool isAdditive(unsigned char c) {
    return c == '+' || c == '-';
}
inline bool isMultiplicative(unsigned char c) {
    return c == '*' || c == '/' || c == ':';
}
inline bool isOperator(unsigned char c) {
    return isAdditive(c) || isMultiplicative(c) || c == '^';
}
// The function codes, marked from the table of functions: one load to test a code.
inline constexpr std::array<bool, 256> functionCodes = [] {
    std::array<bool, 256> codes{};
#define QUINT_FUNCTION_CODE(name, ...) codes[Formelinterpreter::name] = true;
    QUINT_FUNCTIONS(QUINT_FUNCTION_CODE)
#undef QUINT_FUNCTION_CODE
    return codes;
}();
inline bool isFunction(unsigned char c) {
    return functionCodes[c];
}
// Codes that give a value: numbers, constants, x, groups and functions.
inline bool isOperand(unsigned char c) {
    return c == '(' || c == Formelinterpreter::Number || c == Formelinterpreter::ConstPi ||
           c == Formelinterpreter::ConstE || c == Formelinterpreter::VarX || isFunction(c);
}

// A level returns without consuming the look-ahead when it belongs to an enclosing level:
// + - ) end a term or power level, * / : end a power level. depth is the level stack's
// depth and top its top entry, read only while depth > 0.
inline bool levelEndsBefore(int depth, int top, unsigned char next) {
    if (depth <= 0) {
        return false;
    }
    if ((top == Formelinterpreter::LevelTerm || top == Formelinterpreter::LevelPower) &&
        (isAdditive(next) || next == ')')) {
        return true;
    }
    return top == Formelinterpreter::LevelPower && isMultiplicative(next);
}

} // namespace code_classes
