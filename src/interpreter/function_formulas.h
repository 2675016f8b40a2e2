#pragma once

#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <cmath>

// The standard function of a function code applied to an evaluated argument: the formula
// of its routine (SINUS ... EXP_N), one definition for both evaluation paths. Always
// inline: an extended argument passed through memory costs more than most functions.
// Powers and the standard functions take the argument rounded to double; reciprocals and
// the degree conversions are in extended precision, without a test for zero.

namespace function_formulas {

[[gnu::always_inline]] inline long double lib(double (*fn)(double), long double v) {
    return fn(static_cast<double>(v));
}

} // namespace function_formulas

[[gnu::always_inline]] inline long double applyFunction(unsigned char code, long double v) {
    using function_formulas::lib;
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
