#include "interpreter/flat_operations.h"
#include "interpreter/flat_program.h"
#include "interpreter/function_formulas.h"

#include <cerrno>

using namespace flat_operations;

namespace {

// The state of a block's points: the accumulators are the outcome's values, so that
// nothing is copied at the end; errno stops a point, a skipped division marks it.
struct Lanes {
    long double* a;
    int* error;
    int skipped[FlatProgram::BlockSize] = {};
    int count;
};

// Applies a library call to every point that has not failed; the first errno a point
// meets ends it, as it ends the one-point evaluation.
template <class Call> inline void libraryCall(Lanes& l, Call call) {
    int& error = errno;
    for (int k = 0; k < l.count; ++k) {
        if (l.error[k] == 0) {
            error = 0;
            call(k);
            l.error[k] = error;
        }
    }
}

} // namespace

// One dispatch per operation for the whole block: the loops over the points are tight,
// and each point's value goes through exactly the operations of evaluate().
void FlatProgram::evaluateBlock(const long double* x, int n, BlockOutcome& out) const {
    long double r[MaxRegisters][BlockSize];
    Lanes l{out.value, out.error, {}, n};
    long double* const a = l.a;
    for (int i = 0; i < n; ++i) {
        l.error[i] = 0;
    }
    const long double* const k = constants;
    const double* const c = numbers;
    for (const Op *o = ops, *end = ops + count; o != end; ++o) {
        const long double* const reg = r[o->src];
        switch (o->kind) {
        case LoadConst:
            for (int i = 0; i < n; ++i)
                a[i] = k[o->src];
            break;
        case LoadX:
            for (int i = 0; i < n; ++i)
                a[i] = x[i];
            break;
        case LoadNegX:
            for (int i = 0; i < n; ++i)
                a[i] = -x[i];
            break;
        case AddR:
            for (int i = 0; i < n; ++i)
                a[i] += reg[i];
            break;
        case AddC:
            for (int i = 0; i < n; ++i)
                a[i] += c[o->src];
            break;
        case AddX:
            for (int i = 0; i < n; ++i)
                a[i] += x[i];
            break;
        case SubR:
            for (int i = 0; i < n; ++i)
                a[i] -= reg[i];
            break;
        case SubC:
            for (int i = 0; i < n; ++i)
                a[i] -= c[o->src];
            break;
        case SubX:
            for (int i = 0; i < n; ++i)
                a[i] -= x[i];
            break;
        case MulR:
            for (int i = 0; i < n; ++i)
                a[i] *= reg[i];
            break;
        case MulC:
            for (int i = 0; i < n; ++i)
                a[i] *= c[o->src];
            break;
        case MulX:
            for (int i = 0; i < n; ++i)
                a[i] *= x[i];
            break;
        case DivR:
            for (int i = 0; i < n; ++i)
                l.skipped[i] |= divide(a[i], reg[i]);
            break;
        case DivC:
            for (int i = 0; i < n; ++i)
                l.skipped[i] |= divide(a[i], c[o->src]);
            break;
        case DivX:
            for (int i = 0; i < n; ++i)
                l.skipped[i] |= divide(a[i], x[i]);
            break;
        case SubRev:
            for (int i = 0; i < n; ++i)
                a[i] = reg[i] - a[i];
            break;
        case DivRev:
            for (int i = 0; i < n; ++i)
                l.skipped[i] |= divideInto(reg[i], a[i]);
            break;
        case Fill:
            for (int i = 0; i < n; ++i)
                a[i] = reg[i];
            break;
        case SubRevC:
            for (int i = 0; i < n; ++i)
                a[i] = c[o->src] - a[i];
            break;
        case DivRevC:
            for (int i = 0; i < n; ++i)
                l.skipped[i] |= divideInto(c[o->src], a[i]);
            break;
        case XAddC:
            for (int i = 0; i < n; ++i)
                a[i] = x[i] + c[o->src];
            break;
        case XSubC:
            for (int i = 0; i < n; ++i)
                a[i] = x[i] - c[o->src];
            break;
        case XMulC:
            for (int i = 0; i < n; ++i)
                a[i] = x[i] * c[o->src];
            break;
        case XDivC:
            for (int i = 0; i < n; ++i) {
                a[i] = x[i];
                l.skipped[i] |= divide(a[i], c[o->src]);
            }
            break;
        case CDivX:
            for (int i = 0; i < n; ++i) {
                a[i] = c[o->src];
                l.skipped[i] |= divide(a[i], x[i]);
            }
            break;
        case SubRevX:
            for (int i = 0; i < n; ++i)
                a[i] = x[i] - a[i];
            break;
        case DivRevX:
            for (int i = 0; i < n; ++i)
                l.skipped[i] |= divideInto(x[i], a[i]);
            break;
        case Spill:
            for (int i = 0; i < n; ++i)
                r[o->dst][i] = a[i];
            break;
        case PowR:
            libraryCall(l, [&](int i) { a[i] = power(a[i], reg[i]); });
            break;
        case PowC:
            libraryCall(l, [&](int i) { a[i] = power(a[i], c[o->src]); });
            break;
        case PowX:
            libraryCall(l, [&](int i) { a[i] = power(a[i], x[i]); });
            break;
        case PowInt:
            libraryCall(l, [&](int i) { integerPower(a[i], static_cast<int8_t>(o->code)); });
            break;
        case XPowInt:
            libraryCall(l, [&](int i) {
                a[i] = x[i];
                integerPower(a[i], static_cast<int8_t>(o->code));
            });
            break;
        case PowRev:
            libraryCall(l, [&](int i) { a[i] = power(reg[i], a[i]); });
            break;
        case XFunction:
            libraryCall(l, [&](int i) { a[i] = applyFunction(o->code, x[i]); });
            break;
        case Function:
            libraryCall(l, [&](int i) { a[i] = applyFunction(o->code, a[i]); });
            break;
        case PowRevC:
            libraryCall(l, [&](int i) { a[i] = power(c[o->src], a[i]); });
            break;
        case PowRevX:
            libraryCall(l, [&](int i) { a[i] = power(x[i], a[i]); });
            break;
        default:
            __builtin_unreachable(); // the recorder writes only the kinds above
        }
    }
    for (int i = 0; i < n; ++i) {
        const int error = l.error[i];
        out.status[i] = error != 0 ? error : l.skipped[i] ? 255 : 0;
        if (error != 0) [[unlikely]] {
            a[i] = 0;
        }
    }
}
