#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

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
//   error of b^m is at most about (m-1)u, so p lies within 16u of the exact power z,
//   that is within 1/128 of a double ulp.
// - Accepted, |p - d| <= 7/16 ulp puts p at least 1/16 ulp from the midpoint between two
//   doubles, so z is 7/128 > 0.054 ulp from it: d = double(p) is z correctly rounded,
//   |z - d| <= 0.446 ulp, and every other double is 0.554 ulp or more from z. pow,
//   within 0.54 ulp of z, must return d. A power of two d is left to pow, because the
//   ulps on its two sides differ.
// - A normal, finite d means no overflow or underflow, where alone pow sets errno for an
//   integer exponent; zeros, infinities, NaNs and tiny or subnormal results go to pow.
// True when d is pow(b, n) for 1 <= |n| <= MaxExponent; false when pow must be called.
inline bool guardedPower(double b, int n, double& d) {
    unsigned m = n < 0 ? static_cast<unsigned>(-n) : static_cast<unsigned>(n);
    long double p = b;
    for (; (m & 1) == 0; m >>= 1) {
        p *= p;
    }
    long double square = p;
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
    // |d| in [2^-968, 2^1024): p - d, a multiple of p's last bit below half an ulp of d,
    // has at most 11 significant bits and is a double exactly.
    if (exponentField - 55 >= 0x7FF - 55 || (bits << 12) == 0) {
        return false;
    }
    const uint64_t error = std::bit_cast<uint64_t>(static_cast<double>(p - d)) << 1 >> 1;
    // 7/16 ulp of d, 1.75 * 2^(field - 1077): for positive doubles the bits order as the
    // values do.
    const uint64_t limit = ((exponentField - 54) << 52) | (uint64_t{3} << 50);
    return error <= limit;
}

// The square alone, exactly: the 106-bit product of b's significand with itself gives the
// exact square's distance from the midpoint; at 1/16 ulp or more, as above, pow returns
// the correctly rounded square, which is the double product b * b.
inline bool guardedSquare(double b, double& d) {
    d = b * b;
    const uint64_t bits = std::bit_cast<uint64_t>(d);
    const uint64_t exponentField = (bits >> 52) & 0x7FF;
    if (exponentField - 1 >= 0x7FE || (bits << 12) == 0) {
        return false; // also every b that is zero, subnormal, infinite or NaN
    }
    __extension__ typedef unsigned __int128 Wide;
    constexpr uint64_t hidden = uint64_t{1} << 52;
    const uint64_t m = (std::bit_cast<uint64_t>(b) & (hidden - 1)) | hidden;
    const Wide square = static_cast<Wide>(m) * m;
    const int dropped = (square >> 105) != 0 ? 53 : 52; // bits below the double's last
    const uint64_t rest = static_cast<uint64_t>(square) & ((uint64_t{1} << dropped) - 1);
    const uint64_t half = uint64_t{1} << (dropped - 1);
    const uint64_t distance = rest > half ? rest - half : half - rest;
    return distance >= half / 8;
}

// pow(b, n) for 1 <= |n| <= MaxExponent by the cheapest guarded path.
inline bool fastPower(double b, int n, double& d) {
    return n == 2 ? guardedSquare(b, d) : guardedPower(b, n, d);
}

} // namespace integer_power
