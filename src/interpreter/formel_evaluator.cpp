#include "interpreter/code_walk.h"
#include "interpreter/formelinterpreter.h"

#include <cerrno>
#include <cmath>
#include <csetjmp>

// Target to which a failing evaluation is abandoned; evaluations never nest.
std::jmp_buf jmppuffer;

namespace {

// The walk's policy that computes: each level is one call of Rechnen, each value a
// long double, and an errno from the library abandons the evaluation through jmppuffer.
struct Evaluation {
    using Value = long double;

    Formelinterpreter& f;

    const Formelinterpreter& program() const { return f; }
    int16_t& pointer() { return f.ProgrammZeiger; }
    int32_t& depth() { return f.StapelTiefe; }
    int32_t* stack() { return f.Stapel; }

    Value newOperand() { return 0; }
    void endLevel() {}

    void loadConstant(Value& target, long double value) { target = value; }
    void loadX(Value& target) { target = f.X; }
    void loadNegX(Value& target) { target = -f.X; }
    void nested(Value& value) { value = f.Rechnen(value); }
    void function(unsigned char code, Value& target);

    void combine(unsigned char op, Value& Wert, Value Zahl) {
        switch (op) {
        case Formelinterpreter::Plus:
            Wert = Wert + Zahl;
            break;
        case Formelinterpreter::Minus:
            Wert = Wert - Zahl;
            break;
        case Formelinterpreter::Mul:
            Wert = Wert * Zahl;
            break;
        case Formelinterpreter::Pow:
            Wert = std::pow(static_cast<double>(Wert), static_cast<double>(Zahl));
            break;
        default:
            if (Zahl == 0) {
                f.Fehlercode = SkippedDivisionStatus;
            } else {
                Wert = Wert / Zahl;
            }
            break;
        }
    }

    void errorTest() const {
        if (errno != 0) {
            std::longjmp(jmppuffer, errno);
        }
    }
};

void Evaluation::function(unsigned char code, Value& target) {
    switch (code) {
#define QUINT_FUNCTION_CASE(name, number, word, routine, ...)                                      \
    case Formelinterpreter::name:                                                                  \
        target = f.routine();                                                                      \
        break;
        QUINT_FUNCTIONS(QUINT_FUNCTION_CASE)
#undef QUINT_FUNCTION_CASE
    default:
        break; // only function codes come here
    }
}

} // namespace

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

long double Formelinterpreter::Rechnen(long double Wert) {
    Evaluation walk{*this};
    return code_walk::level(walk, Wert);
}

long double Formelinterpreter::functionArgument() {
    Evaluation walk{*this};
    long double argument = 0;
    code_walk::functionArgument(walk, argument);
    return argument;
}
