#pragma once

#include "interpreter/function_table.h"
#include "interpreter/integer_power.h"

#include <cmath>

namespace flat {

// The arithmetic of one point as the evaluator computes it: extended precision, powers
// and functions through the double-precision library, a zero divisor skipped and
// remembered. Always inline: an extended argument passed through memory costs more than
// most operations.
struct PointArithmetic {
    using Value = long double;

    int skipped = 0;      // a division by zero was skipped
    bool guarded = false; // the last integer power came from the guarded path: no errno

    [[gnu::always_inline]] Value divide(Value l, Value r) {
        if (r == 0) {
            skipped = 1;
            return l;
        }
        return l / r;
    }
    [[gnu::always_inline]] static Value power(Value l, Value r) {
        return std::pow(static_cast<double>(l), static_cast<double>(r));
    }
    [[gnu::always_inline]] Value integerPower(Value l, int n) {
        const double b = static_cast<double>(l);
        double d;
        guarded = integer_power::fastPower(b, n, d);
        return guarded ? d : std::pow(b, static_cast<double>(n));
    }
    [[gnu::always_inline]] static Value function(unsigned char code, Value v) {
        return applyFunction(code, v);
    }
};

} // namespace flat
