#include "interpreter/code_classes.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <cerrno>
#include <cmath>
#include <csetjmp>

// Target to which a failing evaluation is abandoned; evaluations never nest.
std::jmp_buf jmppuffer;

using namespace code_classes;

long double Formelinterpreter::Formel_Berechnen() {
    ProgrammZeiger = 0;
    StapelTiefe = 0;
    errno = 0;
    Fehlercode = 0;
    const int abandoned = setjmp(jmppuffer);
    if (abandoned != 0) {
        Fehlercode = abandoned;
        return 0;
    }
    return Rechnen(0);
}

bool Formelinterpreter::mustReturn() const {
    const int top = StapelTiefe > 0 ? Stapel[StapelTiefe] : 0;
    return levelEndsBefore(StapelTiefe, top, codeAt(ProgrammZeiger + 1));
}

// Depth may fall below zero after an unmatched ")"; such levels are never stored or read.
void Formelinterpreter::push(int level) {
    ++StapelTiefe;
    if (StapelTiefe > 0 && StapelTiefe < StackSize) {
        Stapel[StapelTiefe] = level;
    }
}

void Formelinterpreter::pop() {
    --StapelTiefe;
}

void Formelinterpreter::errorTest() const {
    if (errno != 0) {
        std::longjmp(jmppuffer, errno);
    }
}

// <group> = "(" "-" number ")" | "(" "-" "x" ")" | "(" <level> ")", the "(" consumed.
long double Formelinterpreter::group() {
    const unsigned char sign = codeAt(ProgrammZeiger + 1);
    const unsigned char value = codeAt(ProgrammZeiger + 2);
    const unsigned char close = codeAt(ProgrammZeiger + 3);
    if (sign == Minus && close == CloseParen && (value == Number || value == VarX)) {
        const long double operand = value == Number ? Zahlenwerte[ProgrammZeiger + 2] : X;
        ProgrammZeiger += 3;
        return -operand;
    }
    push(LevelGroup);
    return Rechnen(0);
}

// A function's argument: the code after the function word opens its group.
long double Formelinterpreter::functionArgument() {
    ++ProgrammZeiger;
    return group();
}

long double Formelinterpreter::operand(unsigned char code) {
    switch (code) {
    case Number:
        return Zahlenwerte[ProgrammZeiger];
    case ConstPi:
        return PI;
    case ConstE:
        return e;
    case VarX:
        return X;
    case OpenParen:
        return group();
    case Sin:
        return SINUS();
    case Cos:
        return COSINUS();
    case Tan:
        return TANGENS();
    case Cot:
        return COTANGENS();
    case ASin:
        return ASINUS();
    case ACos:
        return ACOSINUS();
    case ATan:
        return ATANGENS();
    case ACot:
        return ACOTANGENS();
    case SinD:
        return SINUS_DEG();
    case CosD:
        return COSINUS_DEG();
    case TanD:
        return TANGENS_DEG();
    case CotD:
        return COTANGENS_DEG();
    case ASinD:
        return ASINUS_DEG();
    case ACosD:
        return ACOSINUS_DEG();
    case ATanD:
        return ATANGENS_DEG();
    case ACotD:
        return ACOTANGENS_DEG();
    case SinH:
        return SINUSH();
    case CosH:
        return COSINUSH();
    case TanH:
        return TANGENSH();
    case Sqrt:
        return QWURZEL();
    case Log:
        return LOG();
    case Ln:
        return LN();
    case ExpZ:
        return EXP_Z();
    default:
        return EXP_N();
    }
}

// <level> = [<element>] { <element> }, where an element is an operand, an operator or ")".
// An operator followed by a higher-precedence operator hands its right operand to a
// nested level (2 for * / : after + -, 3 for ^); ")" closes the level.
long double Formelinterpreter::Rechnen(long double Wert) {
    long double Zahl = 0;
    bool ZahlDa = false;
    unsigned char Operator = 0;

    if (mustReturn()) {
        return Wert;
    }
    ++ProgrammZeiger;
    unsigned char code = codeAt(ProgrammZeiger);
    if (isOperand(code)) {
        Wert = operand(code);
    } else if (isOperator(code)) {
        Operator = code;
    } else if (code == CloseParen) {
        pop();
        return Wert;
    }
    errorTest();

    while (ProgrammZeiger < AnzahlToken) {
        if (mustReturn()) {
            return Wert;
        }
        ++ProgrammZeiger;
        code = codeAt(ProgrammZeiger);
        if (isOperand(code)) {
            Zahl = operand(code);
            ZahlDa = true;
        } else if (isOperator(code)) {
            Operator = code;
        } else if (code == CloseParen) {
            pop();
            return Wert;
        }
        errorTest();

        for (;;) {
            const unsigned char next = codeAt(ProgrammZeiger + 1);
            if ((isAdditive(Operator) || isMultiplicative(Operator)) && next == Pow) {
                push(LevelPower);
            } else if (isAdditive(Operator) && isMultiplicative(next)) {
                push(LevelTerm);
            } else {
                break;
            }
            Zahl = Rechnen(Zahl);
            pop();
            ZahlDa = true;
        }

        if (ZahlDa && Operator != 0) {
            switch (Operator) {
            case Plus:
                Wert = Wert + Zahl;
                break;
            case Minus:
                Wert = Wert - Zahl;
                break;
            case Mul:
                Wert = Wert * Zahl;
                break;
            case Pow:
                Wert = std::pow(static_cast<double>(Wert), static_cast<double>(Zahl));
                break;
            default:
                if (Zahl == 0) {
                    Fehlercode = 255;
                } else {
                    Wert = Wert / Zahl;
                }
                break;
            }
            ZahlDa = false;
            Operator = 0;
        }
        errorTest();
    }
    return Wert;
}
