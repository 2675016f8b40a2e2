#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <cmath>

// Each routine evaluates the parenthesised argument that follows its code. Powers and the
// standard functions take the argument rounded to double; reciprocals and the degree
// conversions are in extended precision, without a test for zero.

namespace {
long double lib(double (*f)(double), long double v) {
    return f(static_cast<double>(v));
}
} // namespace

long double Formelinterpreter::SINUS() {
    return lib(std::sin, functionArgument());
}
long double Formelinterpreter::COSINUS() {
    return lib(std::cos, functionArgument());
}
long double Formelinterpreter::TANGENS() {
    return lib(std::tan, functionArgument());
}
long double Formelinterpreter::COTANGENS() {
    return 1 / lib(std::tan, functionArgument());
}
long double Formelinterpreter::ASINUS() {
    return lib(std::asin, functionArgument());
}
long double Formelinterpreter::ACOSINUS() {
    return lib(std::acos, functionArgument());
}
long double Formelinterpreter::ATANGENS() {
    return lib(std::atan, functionArgument());
}
long double Formelinterpreter::ACOTANGENS() {
    return lib(std::atan, 1 / functionArgument());
}

long double Formelinterpreter::SINUS_DEG() {
    return lib(std::sin, functionArgument() * DegToRad);
}
long double Formelinterpreter::COSINUS_DEG() {
    return lib(std::cos, functionArgument() * DegToRad);
}
long double Formelinterpreter::TANGENS_DEG() {
    return lib(std::tan, functionArgument() * DegToRad);
}
long double Formelinterpreter::COTANGENS_DEG() {
    return 1 / lib(std::tan, functionArgument() * DegToRad);
}
long double Formelinterpreter::ASINUS_DEG() {
    return lib(std::asin, functionArgument()) * RadToDeg;
}
long double Formelinterpreter::ACOSINUS_DEG() {
    return lib(std::acos, functionArgument()) * RadToDeg;
}
long double Formelinterpreter::ATANGENS_DEG() {
    return lib(std::atan, functionArgument()) * RadToDeg;
}
long double Formelinterpreter::ACOTANGENS_DEG() {
    return lib(std::atan, 1 / functionArgument()) * RadToDeg;
}

long double Formelinterpreter::SINUSH() {
    return lib(std::sinh, functionArgument());
}
long double Formelinterpreter::COSINUSH() {
    return lib(std::cosh, functionArgument());
}
long double Formelinterpreter::TANGENSH() {
    return lib(std::tanh, functionArgument());
}
long double Formelinterpreter::QWURZEL() {
    return lib(std::sqrt, functionArgument());
}
long double Formelinterpreter::LOG() {
    return lib(std::log10, functionArgument());
}
long double Formelinterpreter::LN() {
    return lib(std::log, functionArgument());
}
long double Formelinterpreter::EXP_Z() {
    return std::pow(10.0, static_cast<double>(functionArgument()));
}
long double Formelinterpreter::EXP_N() {
    return lib(std::exp, functionArgument());
}
