#pragma once

#include "interpreter/integer_power.h"

#include <cmath>

// The arithmetic of the flat path's operations, shared by its one-point and block
// evaluators.
namespace flat_operations {

// Divides unless the divisor is 0; says whether it skipped.
inline int divide(long double& value, long double divisor) {
    if (divisor == 0) {
        return 1;
    }
    value /= divisor;
    return 0;
}

// value = dividend / value, unless value is 0, which leaves the dividend; says whether it
// skipped.
inline int divideInto(long double dividend, long double& value) {
    const int skipped = divide(dividend, value);
    value = dividend;
    return skipped;
}

inline long double power(long double base, long double exponent) {
    return std::pow(static_cast<double>(base), static_cast<double>(exponent));
}

// a = pow(a, n); says whether the guarded path gave it, so that errno needs no test.
inline bool integerPower(long double& a, int n) {
    const double b = static_cast<double>(a);
    double d;
    if (integer_power::fastPower(b, n, d)) {
        a = d;
        return true;
    }
    a = std::pow(b, static_cast<double>(n));
    return false;
}

} // namespace flat_operations
