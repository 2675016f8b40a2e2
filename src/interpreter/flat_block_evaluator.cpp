#include "interpreter/flat_apply.h"
#include "interpreter/flat_program.h"
#include "interpreter/point_arithmetic.h"

#include <cerrno>

namespace {

using flat::Kind;
using flat::Op;
using flat::Source;
constexpr int BlockSize = FlatProgram::BlockSize;

// The state of a block's points: the accumulators are the outcome's values, so that
// nothing is copied at the end; errno stops a point, a skipped division marks it.
struct Lanes {
    long double* a;
    int* error;
    int skipped[BlockSize] = {};
    int count;
    long double (*r)[BlockSize];
    const long double* constants;
    const double* numbers;
    const long double* x;
};

// An operand of one operation, located once before the loop over the points.
template <Source S> struct Operand {
    const long double* values; // the accumulators, a register or x: one value per point

    Operand(const Lanes& l, const Op& o) {
        if constexpr (S == Source::Accumulator) {
            values = l.a;
        } else if constexpr (S == Source::Register) {
            values = l.r[o.src];
        } else {
            values = l.x;
        }
    }
    long double operator[](int i) const { return values[i]; }
};
template <> struct Operand<Source::Constant> {
    long double value;
    Operand(const Lanes& l, const Op& o) : value(l.constants[o.src]) {}
    long double operator[](int) const { return value; }
};
template <> struct Operand<Source::Number> {
    double value;
    Operand(const Lanes& l, const Op& o) : value(l.numbers[o.src]) {}
    long double operator[](int) const { return value; }
};
template <> struct Operand<Source::None> {
    Operand(const Lanes&, const Op&) {}
    long double operator[](int) const { return 0; }
};

// One operation on every point of the block in turn. A library call is made only for the
// points that have not failed, and the first errno a point meets ends it, as it ends the
// one-point evaluation; a skipped division marks the point.
template <Kind K> [[gnu::always_inline]] inline void blockStep(Lanes& l, const Op& o) {
    constexpr flat::Operation op = flat::operations[K];
    const int n = l.count;
    if constexpr (op.rule == flat::Rule::Spill) {
        long double* const target = l.r[o.dst];
        for (int i = 0; i < n; ++i) {
            target[i] = l.a[i];
        }
    } else {
        const Operand<op.left> left(l, o);
        const Operand<op.right> right(l, o);
        long double* const a = l.a;
        if constexpr (flat::callsLibrary(op.rule)) {
            int& error = errno;
            for (int i = 0; i < n; ++i) {
                if (l.error[i] == 0) {
                    flat::PointArithmetic arithmetic;
                    error = 0;
                    a[i] = flat::apply<op.rule>(arithmetic, left[i], right[i], o);
                    l.error[i] = error;
                }
            }
        } else {
            for (int i = 0; i < n; ++i) {
                flat::PointArithmetic arithmetic;
                a[i] = flat::apply<op.rule>(arithmetic, left[i], right[i], o);
                if constexpr (op.rule == flat::Rule::Divide) {
                    l.skipped[i] |= arithmetic.skipped;
                }
            }
        }
    }
}

} // namespace

// One dispatch per operation for the whole block: the loops over the points are tight,
// and each point's value goes through exactly the operations of evaluate().
void FlatProgram::evaluateBlock(const long double* x, int n, BlockOutcome& out) const {
    long double r[MaxRegisters][BlockSize];
    Lanes l{out.value, out.error, {}, n, r, constants, numbers, x};
    for (int i = 0; i < n; ++i) {
        l.error[i] = 0;
    }
    for (const Op *o = ops, *end = ops + count; o != end; ++o) {
        switch (o->kind) {
#define QUINT_BLOCK_CASE(name, rule, left, right)                                                  \
    case flat::name:                                                                               \
        blockStep<flat::name>(l, *o);                                                              \
        break;
            QUINT_FLAT_OPERATIONS(QUINT_BLOCK_CASE)
#undef QUINT_BLOCK_CASE
        default:
            __builtin_unreachable(); // every kind comes from the table
        }
    }
    for (int i = 0; i < n; ++i) {
        const int error = l.error[i];
        out.status[i] = error != 0 ? error : l.skipped[i] ? SkippedDivisionStatus : 0;
        if (error != 0) [[unlikely]] {
            l.a[i] = 0;
        }
    }
}
