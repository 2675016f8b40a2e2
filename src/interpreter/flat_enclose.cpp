#include "interpreter/flat_apply.h"
#include "interpreter/flat_program.h"
#include "interpreter/interval_arithmetic.h"

namespace {

using flat::Kind;
using flat::Op;
using flat::Source;

// What the operations of one enclosure read besides the accumulator.
struct IntervalOperands {
    Interval* r;
    const long double* constants;
    const double* numbers;
    Interval x;
};

template <Source S>
[[gnu::always_inline]] inline Interval operand(const IntervalOperands& p, const Interval& a,
                                               const Op& o) {
    if constexpr (S == Source::Accumulator) {
        return a;
    } else if constexpr (S == Source::Register) {
        return p.r[o.src];
    } else if constexpr (S == Source::Constant) {
        return Interval::point(p.constants[o.src]);
    } else if constexpr (S == Source::Number) {
        return Interval::point(p.numbers[o.src]);
    } else if constexpr (S == Source::X) {
        return p.x;
    } else {
        return Interval::point(0);
    }
}

template <Kind K>
[[gnu::always_inline]] inline void intervalStep(flat::IntervalArithmetic& arithmetic, Interval& a,
                                                const IntervalOperands& p, const Op& o) {
    constexpr flat::Operation op = flat::operations[K];
    if constexpr (op.rule == flat::Rule::Spill) {
        p.r[o.dst] = a;
    } else {
        a = flat::apply<op.rule>(arithmetic, operand<op.left>(p, a, o), operand<op.right>(p, a, o),
                                 o);
    }
}

} // namespace

// The program run once over intervals: each operation of the table applied to the ranges of
// its operands, in the same order as the evaluation at a point.
FlatProgram::Enclosure FlatProgram::enclose(const Interval& x) const {
    Interval r[MaxRegisters];
    Interval a = Interval::point(0);
    const IntervalOperands operands{r, constants, numbers, x};
    flat::IntervalArithmetic arithmetic;
    for (const Op *o = ops, *end = ops + count; o != end; ++o) {
        switch (o->kind) {
#define QUINT_INTERVAL_CASE(name, rule, left, right)                                               \
    case flat::name:                                                                               \
        intervalStep<flat::name>(arithmetic, a, operands, *o);                                     \
        break;
            QUINT_FLAT_OPERATIONS(QUINT_INTERVAL_CASE)
#undef QUINT_INTERVAL_CASE
        default:
            __builtin_unreachable(); // every kind comes from the table
        }
        if (arithmetic.alwaysFails) {
            return {Interval::unknown(), false, true};
        }
    }
    return {a, !arithmetic.mayFail && !arithmetic.maySkip, false};
}
