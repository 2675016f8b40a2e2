#pragma once

#include "interpreter/flat_operations.h"

#include <cstdint>

namespace flat {

// The one computation of each rule, for an arithmetic A over its values, points or
// intervals alike. A gives Value with +, - and * and unary -, and divide, power,
// integerPower and function as the evaluator defines them.
template <Rule R, class A>
[[gnu::always_inline]] inline typename A::Value apply(A& arithmetic, const typename A::Value& l,
                                                      const typename A::Value& r, const Op& op) {
    if constexpr (R == Rule::Copy) {
        return l;
    } else if constexpr (R == Rule::Negate) {
        return -l;
    } else if constexpr (R == Rule::Add) {
        return l + r;
    } else if constexpr (R == Rule::Subtract) {
        return l - r;
    } else if constexpr (R == Rule::Multiply) {
        return l * r;
    } else if constexpr (R == Rule::Divide) {
        return arithmetic.divide(l, r);
    } else if constexpr (R == Rule::Power) {
        return arithmetic.power(l, r);
    } else if constexpr (R == Rule::IntegerPower) {
        return arithmetic.integerPower(l, static_cast<int8_t>(op.code));
    } else {
        static_assert(R == Rule::Function, "a spill computes no value");
        return arithmetic.function(op.code, l);
    }
}

} // namespace flat
