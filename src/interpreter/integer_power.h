#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

// pow(b, n) of a double b and a small integer n, the same bits and errno as the library
// call, without the call wherever that is provably safe.
namespace integer_power {

// Largest |n| taken by the guarded path; its rounding-error bound below depends on it.
constexpr int MaxExponent = 16;

// The integer n of a literal exponent that the guarded path takes; false for others.
inline bool smallInteger(long double exponent, int& n) {
    if (!(exponent >= -MaxExponent && exponent <= MaxExponent) || exponent == 0 ||
        exponent != static_cast<int>(exponent)) {
        return false;
    }
    n = static_cast<int>(exponent);
    return true;
}

// Why the fast result equals glibc's pow(b, n), errno included:
// - glibc's pow (sysdeps/ieee754/dbl-64/e_pow.c) states "Worst-case error: 0.54 ULP".
// - p below is b^|n| by binary powering in x87 extended precision (64-bit significand,
//   unit roundoff u = 2^-64), then its reciprocal for n < 0. By induction the relative
//   error of b^m is at most (m-1)u, so p lies within 16u of the exact power z, that is
//   within 16 units of p's last bit, 1/128 of a double ulp.
// - Its 11 bits below double precision place p at least 1/16 ulp from the midpoint
//   between two doubles, so z is 7/128 > 0.054 ulp from it: d = double(p) is z correctly
//   rounded, |z - d| <= 0.446 ulp, and every other double is 0.554 ulp or more from z.
//   pow, within 0.54 ulp of z, must return d. A power of two d is left to pow, because
//   there the ulp on the two sides of d differ.
// - A normal, finite d means no overflow or underflow, where alone pow sets errno for an
//   integer exponent; zeros, infinities, NaNs and subnormals all go to pow.
// True when d is pow(b, n) for 1 <= |n| <= MaxExponent; false when pow must be called.
inline bool guardedPower(double b, int n, double& d) {
    unsigned m = n < 0 ? static_cast<unsigned>(-n) : static_cast<unsigned>(n);
    long double square = b;
    long double p = (m & 1) != 0 ? square : 1.0L;
    for (m >>= 1; m != 0; m >>= 1) {
        square *= square;
        if ((m & 1) != 0) {
            p *= square;
        }
    }
    if (n < 0) {
        p = 1 / p;
    }
    d = static_cast<double>(p);
    const uint64_t bits = std::bit_cast<uint64_t>(d);
    const uint64_t exponentField = (bits >> 52) & 0x7FF;
    if (exponentField - 1 >= 0x7FE || (bits << 12) == 0) {
        return false;
    }
    uint64_t significand; // bytes 0 to 7 of the x87 format, integer bit included
    std::memcpy(&significand, &p, sizeof significand);
    const uint64_t belowDouble = significand & 0x7FF;
    return belowDouble - (0x400 - 128) > 256;
}

} // namespace integer_power
