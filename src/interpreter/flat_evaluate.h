#pragma once

#include "interpreter/flat_apply.h"
#include "interpreter/flat_program.h"
#include "interpreter/point_arithmetic.h"

#include <cerrno>

namespace flat {

// What the operations of one evaluation at a point read besides the accumulator.
struct PointOperands {
    long double* r;
    const long double* constants;
    const double* numbers;
    long double x;
};

template <Source S>
[[gnu::always_inline]] inline long double operand(const PointOperands& p, long double a,
                                                  const Op& o) {
    if constexpr (S == Source::Accumulator) {
        return a;
    } else if constexpr (S == Source::Register) {
        return p.r[o.src];
    } else if constexpr (S == Source::Constant) {
        return p.constants[o.src];
    } else if constexpr (S == Source::Number) {
        return p.numbers[o.src];
    } else if constexpr (S == Source::X) {
        return p.x;
    } else {
        return 0;
    }
}

// One operation at a point; true when it called the library, so that errno must be read.
template <Kind K>
[[gnu::always_inline]] inline bool pointStep(PointArithmetic& arithmetic, long double& a,
                                             const PointOperands& p, const Op& o) {
    constexpr Operation op = operations[K];
    if constexpr (op.rule == Rule::Spill) {
        p.r[o.dst] = a;
        return false;
    } else {
        a = apply<op.rule>(arithmetic, operand<op.left>(p, a, o), operand<op.right>(p, a, o), o);
        if constexpr (op.rule == Rule::IntegerPower) {
            return !arithmetic.guarded;
        }
        return callsLibrary(op.rule);
    }
}

} // namespace flat

// The one-point evaluation, defined in a header so that every caller inlines it: an
// extended argument and result passed through a call cost about as much as a short program.
// The accumulator stays in a register of the floating-point unit from one operation to
// the next; the registers live in memory and are touched only by spills, fills and the
// operations that read them, which keeps the chain of dependent operations out of memory.
inline long double FlatProgram::evaluate(long double x, int& status) const {
    long double r[MaxRegisters];
    long double a = 0;
    const flat::PointOperands operands{r, constants, numbers, x};
    flat::PointArithmetic arithmetic;
    int& error = errno;
    error = 0;
    for (const Op *o = ops, *end = ops + count; o != end; ++o) {
        switch (o->kind) {
#define QUINT_POINT_CASE(name, rule, left, right)                                                  \
    case flat::name:                                                                               \
        if (!flat::pointStep<flat::name>(arithmetic, a, operands, *o)) {                           \
            continue;                                                                              \
        }                                                                                          \
        break;
            QUINT_FLAT_OPERATIONS(QUINT_POINT_CASE)
#undef QUINT_POINT_CASE
        default:
            __builtin_unreachable(); // every kind comes from the table
        }
        if (error != 0) {
            status = error;
            return 0;
        }
    }
    status = arithmetic.skipped ? SkippedDivisionStatus : 0;
    return a;
}
