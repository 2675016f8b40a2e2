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

// Divides unless the divisor is 0; says whether it skipped.
inline int divide(long double& value, long double divisor) {
    if (divisor == 0) {
        return 1;
    }
    value /= divisor;
    return 0;
}

inline long double power(long double base, long double exponent) {
    return std::pow(static_cast<double>(base), static_cast<double>(exponent));
}

} // namespace

bool FlatProgram::readsX() const {
    for (int i = 0; i < count; ++i) {
        switch (ops[i].kind) {
        case LoadX:
        case LoadNegX:
        case AddX:
        case SubX:
        case MulX:
        case DivX:
        case PowX:
            return true;
        default:
            break;
        }
    }
    return false;
}

// Threaded dispatch: each op jumps straight to the next op's handler through a table of
// label addresses (a GCC extension), which predicts far better than one shared switch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"

long double FlatProgram::evaluate(long double x, int& status) const {
    static void* const handlers[] = {
        &&loadConst, &&loadX, &&loadNegX, &&addR, &&addC,     &&addX, &&subR,
        &&subC,      &&subX,  &&mulR,     &&mulC, &&mulX,     &&divR, &&divC,
        &&divX,      &&powR,  &&powC,     &&powX, &&function,
    };
    long double r[MaxRegisters];
    const long double* const c = constants;
    int& error = errno;
    int divisionSkipped = 0;
    const Op* o = ops;
    const Op* const end = ops + count;
    error = 0;

#define NEXT()                                                                                     \
    do {                                                                                           \
        if (++o == end)                                                                            \
            goto done;                                                                             \
        goto* handlers[o->kind];                                                                   \
    } while (0)
#define CHECK_ERRNO_THEN_NEXT()                                                                    \
    do {                                                                                           \
        if (error != 0)                                                                            \
            goto failed;                                                                           \
        NEXT();                                                                                    \
    } while (0)

    if (o == end) {
        goto done;
    }
    goto* handlers[o->kind];

loadConst:
    r[o->dst] = c[o->src];
    NEXT();
loadX:
    r[o->dst] = x;
    NEXT();
loadNegX:
    r[o->dst] = -x;
    NEXT();
addR:
    r[o->dst] += r[o->src];
    NEXT();
addC:
    r[o->dst] += c[o->src];
    NEXT();
addX:
    r[o->dst] += x;
    NEXT();
subR:
    r[o->dst] -= r[o->src];
    NEXT();
subC:
    r[o->dst] -= c[o->src];
    NEXT();
subX:
    r[o->dst] -= x;
    NEXT();
mulR:
    r[o->dst] *= r[o->src];
    NEXT();
mulC:
    r[o->dst] *= c[o->src];
    NEXT();
mulX:
    r[o->dst] *= x;
    NEXT();
divR:
    divisionSkipped |= divide(r[o->dst], r[o->src]);
    NEXT();
divC:
    divisionSkipped |= divide(r[o->dst], c[o->src]);
    NEXT();
divX:
    divisionSkipped |= divide(r[o->dst], x);
    NEXT();
powR:
    r[o->dst] = power(r[o->dst], r[o->src]);
    CHECK_ERRNO_THEN_NEXT();
powC:
    r[o->dst] = power(r[o->dst], c[o->src]);
    CHECK_ERRNO_THEN_NEXT();
powX:
    r[o->dst] = power(r[o->dst], x);
    CHECK_ERRNO_THEN_NEXT();
function:
    r[o->dst] = applyFunction(o->code, r[o->dst]);
    CHECK_ERRNO_THEN_NEXT();

#undef CHECK_ERRNO_THEN_NEXT
#undef NEXT

done:
    status = divisionSkipped ? 255 : 0;
    return r[0];
failed:
    status = error;
    return 0;
}

#pragma GCC diagnostic pop
