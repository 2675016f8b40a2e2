#include "interpreter/code_classes.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <cmath>

// Each routine evaluates the parenthesised argument that follows its code. Powers and the
// standard functions take the argument rounded to double; reciprocals and the degree
// conversions are in extended precision, without a test for zero.

namespace {

inline long double lib(double (*fn)(double), long double v) {
    return fn(static_cast<double>(v));
}

} // namespace

long double applyFunction(unsigned char code, long double v) {
    switch (code) {
    case Formelinterpreter::Sin:
        return lib(std::sin, v);
    case Formelinterpreter::Cos:
        return lib(std::cos, v);
    case Formelinterpreter::Tan:
        return lib(std::tan, v);
    case Formelinterpreter::Cot:
        return 1 / lib(std::tan, v);
    case Formelinterpreter::ASin:
        return lib(std::asin, v);
    case Formelinterpreter::ACos:
        return lib(std::acos, v);
    case Formelinterpreter::ATan:
        return lib(std::atan, v);
    case Formelinterpreter::ACot:
        return lib(std::atan, 1 / v);
    case Formelinterpreter::SinD:
        return lib(std::sin, v * DegToRad);
    case Formelinterpreter::CosD:
        return lib(std::cos, v * DegToRad);
    case Formelinterpreter::TanD:
        return lib(std::tan, v * DegToRad);
    case Formelinterpreter::CotD:
        return 1 / lib(std::tan, v * DegToRad);
    case Formelinterpreter::ASinD:
        return lib(std::asin, v) * RadToDeg;
    case Formelinterpreter::ACosD:
        return lib(std::acos, v) * RadToDeg;
    case Formelinterpreter::ATanD:
        return lib(std::atan, v) * RadToDeg;
    case Formelinterpreter::ACotD:
        return lib(std::atan, 1 / v) * RadToDeg;
    case Formelinterpreter::SinH:
        return lib(std::sinh, v);
    case Formelinterpreter::CosH:
        return lib(std::cosh, v);
    case Formelinterpreter::TanH:
        return lib(std::tanh, v);
    case Formelinterpreter::Sqrt:
        return lib(std::sqrt, v);
    case Formelinterpreter::Log:
        return lib(std::log10, v);
    case Formelinterpreter::Ln:
        return lib(std::log, v);
    case Formelinterpreter::ExpZ:
        return std::pow(10.0, static_cast<double>(v));
    default:
        return lib(std::exp, v);
    }
}

long double Formelinterpreter::SINUS() {
    return applyFunction(Sin, functionArgument());
}
long double Formelinterpreter::COSINUS() {
    return applyFunction(Cos, functionArgument());
}
long double Formelinterpreter::TANGENS() {
    return applyFunction(Tan, functionArgument());
}
long double Formelinterpreter::COTANGENS() {
    return applyFunction(Cot, functionArgument());
}
long double Formelinterpreter::ASINUS() {
    return applyFunction(ASin, functionArgument());
}
long double Formelinterpreter::ACOSINUS() {
    return applyFunction(ACos, functionArgument());
}
long double Formelinterpreter::ATANGENS() {
    return applyFunction(ATan, functionArgument());
}
long double Formelinterpreter::ACOTANGENS() {
    return applyFunction(ACot, functionArgument());
}
long double Formelinterpreter::SINUS_DEG() {
    return applyFunction(SinD, functionArgument());
}
long double Formelinterpreter::COSINUS_DEG() {
    return applyFunction(CosD, functionArgument());
}
long double Formelinterpreter::TANGENS_DEG() {
    return applyFunction(TanD, functionArgument());
}
long double Formelinterpreter::COTANGENS_DEG() {
    return applyFunction(CotD, functionArgument());
}
long double Formelinterpreter::ASINUS_DEG() {
    return applyFunction(ASinD, functionArgument());
}
long double Formelinterpreter::ACOSINUS_DEG() {
    return applyFunction(ACosD, functionArgument());
}
long double Formelinterpreter::ATANGENS_DEG() {
    return applyFunction(ATanD, functionArgument());
}
long double Formelinterpreter::ACOTANGENS_DEG() {
    return applyFunction(ACotD, functionArgument());
}
long double Formelinterpreter::SINUSH() {
    return applyFunction(SinH, functionArgument());
}
long double Formelinterpreter::COSINUSH() {
    return applyFunction(CosH, functionArgument());
}
long double Formelinterpreter::TANGENSH() {
    return applyFunction(TanH, functionArgument());
}
long double Formelinterpreter::QWURZEL() {
    return applyFunction(Sqrt, functionArgument());
}
long double Formelinterpreter::LOG() {
    return applyFunction(Log, functionArgument());
}
long double Formelinterpreter::LN() {
    return applyFunction(Ln, functionArgument());
}
long double Formelinterpreter::EXP_Z() {
    return applyFunction(ExpZ, functionArgument());
}
long double Formelinterpreter::EXP_N() {
    return applyFunction(ExpN, functionArgument());
}
