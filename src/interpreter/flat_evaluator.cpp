#include "interpreter/flat_program.h"

#include "interpreter/konstanten.h"

#include <cerrno>
#include <cmath>

namespace {

inline long double lib(double (*fn)(double), long double v) {
    return fn(static_cast<double>(v));
}

// The function routines' formulas, applied to an evaluated argument.
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

} // namespace

namespace {

inline void divide(long double& value, long double divisor, int& status) {
    if (divisor == 0) {
        status = 255;
    } else {
        value /= divisor;
    }
}

inline long double power(long double base, long double exponent) {
    return std::pow(static_cast<double>(base), static_cast<double>(exponent));
}

} // namespace

long double FlatProgram::evaluate(long double x, int& status) const {
    long double r[MaxRegisters];
    const long double* c = constants;
    int& error = errno;
    status = 0;
    error = 0;
    for (const Op* o = ops; o != ops + count; ++o) {
        long double& d = r[o->dst];
        switch (o->kind) {
        case LoadConst:
            d = c[o->src];
            continue;
        case LoadX:
            d = x;
            continue;
        case LoadNegX:
            d = -x;
            continue;
        case AddR:
            d += r[o->src];
            continue;
        case AddC:
            d += c[o->src];
            continue;
        case AddX:
            d += x;
            continue;
        case SubR:
            d -= r[o->src];
            continue;
        case SubC:
            d -= c[o->src];
            continue;
        case SubX:
            d -= x;
            continue;
        case MulR:
            d *= r[o->src];
            continue;
        case MulC:
            d *= c[o->src];
            continue;
        case MulX:
            d *= x;
            continue;
        case DivR:
            divide(d, r[o->src], status);
            continue;
        case DivC:
            divide(d, c[o->src], status);
            continue;
        case DivX:
            divide(d, x, status);
            continue;
        case PowR:
            d = power(d, r[o->src]);
            break;
        case PowC:
            d = power(d, c[o->src]);
            break;
        case PowX:
            d = power(d, x);
            break;
        case Function:
            d = applyFunction(o->code, d);
            break;
        }
        if (error != 0) {
            status = error;
            return 0;
        }
    }
    return r[0];
}
