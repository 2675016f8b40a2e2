#include "interpreter/dual_arithmetic.h"
#include "interpreter/flat_apply.h"
#include "interpreter/flat_program.h"
#include "interpreter/interval_arithmetic.h"

#include <cmath>

namespace {

using flat::Kind;
using flat::Op;
using flat::Source;

// What the operations of one enclosure read besides the accumulator; the arithmetic A turns a
// constant and the range of x into its values.
template <class A> struct RangeOperands {
    typename A::Value* r;
    const long double* constants;
    const double* numbers;
    typename A::Value x;
};

template <Source S, class A>
[[gnu::always_inline]] inline typename A::Value operand(const RangeOperands<A>& p,
                                                        const typename A::Value& a, const Op& o) {
    if constexpr (S == Source::Accumulator) {
        return a;
    } else if constexpr (S == Source::Register) {
        return p.r[o.src];
    } else if constexpr (S == Source::Constant) {
        return A::constant(p.constants[o.src]);
    } else if constexpr (S == Source::Number) {
        return A::constant(p.numbers[o.src]);
    } else if constexpr (S == Source::X) {
        return p.x;
    } else {
        return A::constant(0);
    }
}

template <Kind K, class A>
[[gnu::always_inline]] inline void rangeStep(A& arithmetic, typename A::Value& a,
                                             const RangeOperands<A>& p, const Op& o) {
    constexpr flat::Operation op = flat::operations[K];
    if constexpr (op.rule == flat::Rule::Spill) {
        p.r[o.dst] = a;
    } else {
        a = flat::apply<op.rule>(arithmetic, operand<op.left>(p, a, o), operand<op.right>(p, a, o),
                                 o);
    }
}

// The program run once over a range, each operation of the table applied to the ranges of its
// operands in the same order as the evaluation at a point. False once every point fails.
template <class A>
bool overRange(const flat::Op* ops, int count, const long double* constants, const double* numbers,
               const typename A::Value& x, A& arithmetic, typename A::Value& a) {
    typename A::Value r[FlatProgram::MaxRegisters];
    const RangeOperands<A> operands{r, constants, numbers, x};
    for (const Op *o = ops, *end = ops + count; o != end; ++o) {
        switch (o->kind) {
#define QUINT_RANGE_CASE(name, rule, left, right)                                                  \
    case flat::name:                                                                               \
        rangeStep<flat::name>(arithmetic, a, operands, *o);                                        \
        break;
            QUINT_FLAT_OPERATIONS(QUINT_RANGE_CASE)
#undef QUINT_RANGE_CASE
        default:
            __builtin_unreachable(); // every kind comes from the table
        }
        if (arithmetic.alwaysFails) {
            return false;
        }
    }
    return true;
}

} // namespace

FlatProgram::Enclosure FlatProgram::enclose(const Interval& x) const {
    flat::IntervalArithmetic arithmetic;
    Interval a = Interval::point(0);
    if (!overRange(ops, count, constants, numbers, x, arithmetic, a)) {
        return {Interval::unknown(), false, true};
    }
    return {a, !arithmetic.mayFail && !arithmetic.maySkip, false};
}

FlatProgram::ExactEnclosure FlatProgram::encloseExactly(const Interval& x) const {
    flat::DualArithmetic arithmetic;
    flat::Dual a = flat::DualArithmetic::constant(0);
    if (!overRange(ops, count, constants, numbers, flat::DualArithmetic::variable(x), arithmetic,
                   a)) {
        return {Interval::unknown(), Interval::unknown(), false, true};
    }
    // The slope holds the derivative for either reading of a constant, as written or as
    // stored rounded to double: a relative 2^-40 covers them.
    constexpr long double Share = 0x1p-40L;
    // A relative widening keeps the sign of each end.
    const Interval slope = a.d.known()
                               ? Interval{a.d.lo - std::fabs(a.d.lo) * Share,
                                          a.d.hi + std::fabs(a.d.hi) * Share, a.d.zeroExcluded}
                               : a.d;
    return {a.v, slope, !arithmetic.mayFail && !arithmetic.maySkip, false};
}
