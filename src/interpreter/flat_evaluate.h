#pragma once

#include "interpreter/flat_operations.h"
#include "interpreter/flat_program.h"
#include "interpreter/function_formulas.h"

#include <cerrno>
#include <cmath>

// The one-point evaluation, defined in a header so that every caller inlines it: an
// extended argument and result passed through a call cost about as much as a short program.
// The accumulator stays in a register of the floating-point unit from one operation to
// the next; the registers live in memory and are touched only by spills, fills and the
// R forms, which keeps the chain of dependent operations out of memory.
inline long double FlatProgram::evaluate(long double x, int& status) const {
    long double r[MaxRegisters];
    long double a = 0;
    const long double* const k = constants;
    const double* const c = numbers;
    int& error = errno;
    int divisionSkipped = 0;
    error = 0;
    for (const Op *o = ops, *end = ops + count; o != end; ++o) {
        switch (o->kind) {
        case LoadConst:
            a = k[o->src];
            continue;
        case LoadX:
            a = x;
            continue;
        case LoadNegX:
            a = -x;
            continue;
        case AddR:
            a += r[o->src];
            continue;
        case AddC:
            a += c[o->src];
            continue;
        case AddX:
            a += x;
            continue;
        case SubR:
            a -= r[o->src];
            continue;
        case SubC:
            a -= c[o->src];
            continue;
        case SubX:
            a -= x;
            continue;
        case MulR:
            a *= r[o->src];
            continue;
        case MulC:
            a *= c[o->src];
            continue;
        case MulX:
            a *= x;
            continue;
        case DivR:
            divisionSkipped |= flat_operations::divide(a, r[o->src]);
            continue;
        case DivC:
            divisionSkipped |= flat_operations::divide(a, c[o->src]);
            continue;
        case DivX:
            divisionSkipped |= flat_operations::divide(a, x);
            continue;
        case SubRev:
            a = r[o->src] - a;
            continue;
        case DivRev:
            divisionSkipped |= flat_operations::divideInto(r[o->src], a);
            continue;
        case Fill:
            a = r[o->src];
            continue;
        case SubRevC:
            a = c[o->src] - a;
            continue;
        case DivRevC:
            divisionSkipped |= flat_operations::divideInto(c[o->src], a);
            continue;
        case XAddC:
            a = x + c[o->src];
            continue;
        case XSubC:
            a = x - c[o->src];
            continue;
        case XMulC:
            a = x * c[o->src];
            continue;
        case XDivC:
            a = x;
            divisionSkipped |= flat_operations::divide(a, c[o->src]);
            continue;
        case CDivX:
            a = c[o->src];
            divisionSkipped |= flat_operations::divide(a, x);
            continue;
        case SubRevX:
            a = x - a;
            continue;
        case DivRevX:
            divisionSkipped |= flat_operations::divideInto(x, a);
            continue;
        case Spill:
            r[o->dst] = a;
            continue;
        case PowR:
            a = flat_operations::power(a, r[o->src]);
            break;
        case PowC:
            a = flat_operations::power(a, c[o->src]);
            break;
        case PowX:
            a = flat_operations::power(a, x);
            break;
        case PowInt:
            if (flat_operations::integerPower(a, static_cast<int8_t>(o->code))) {
                continue;
            }
            break;
        case XPowInt:
            a = x;
            if (flat_operations::integerPower(a, static_cast<int8_t>(o->code))) {
                continue;
            }
            break;
        case PowRev:
            a = flat_operations::power(r[o->src], a);
            break;
        case XFunction:
            a = x;
            [[fallthrough]];
        case Function:
            a = applyFunction(o->code, a);
            break;
        case PowRevC:
            a = flat_operations::power(c[o->src], a);
            break;
        case PowRevX:
            a = flat_operations::power(x, a);
            break;
        default:
            __builtin_unreachable(); // the recorder writes only the kinds above
        }
        if (error != 0) {
            status = error;
            return 0;
        }
    }
    status = divisionSkipped ? 255 : 0;
    return a;
}
