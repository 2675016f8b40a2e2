#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

// A closed range [lo, hi] of extended values, infinities included, or unknown: any value,
// NaN included (then lo and hi are NaN). The ends are computed in the evaluator's own
// rounding to nearest: an operation that is monotone in each operand, rounded by a monotone
// rounding, takes its extreme rounded results at the ends, so the rounded results at the ends
// bound the rounded result of every point between them. No directed rounding is needed to
// enclose what the evaluator computes.
//
// An exact value may be too small for extended precision: then an end that bounds it is 0,
// and zeroExcluded keeps what the formula guarantees, that no value is 0 (every value of
// [0, hi] is above 0, every value of [lo, 0] below). Only exact readings set it; the
// evaluator's own values are bounded by their ends alone. Trivial, so that arrays of
// intervals cost nothing until they are written; {lo, hi} leaves zeroExcluded false.
struct Interval {
    long double lo;
    long double hi;
    bool zeroExcluded;

    Interval() = default;
    constexpr Interval(long double lo, long double hi, bool zeroExcluded = false)
        : lo(lo), hi(hi), zeroExcluded(zeroExcluded) {}

    static Interval unknown() {
        return {std::numeric_limits<long double>::quiet_NaN(),
                std::numeric_limits<long double>::quiet_NaN()};
    }
    static Interval point(long double v) { return {v, v}; }
    // [lo, hi], or unknown when either end is NaN.
    static Interval of(long double lo, long double hi) {
        return lo <= hi ? Interval{lo, hi} : unknown();
    }

    bool known() const { return lo <= hi; }
    // True when the interval is known and every value of it is other than 0.
    bool excludesZero() const { return known() && (lo > 0 || hi < 0 || zeroExcluded); }
    // True when some value of the interval may be 0 (always for an unknown one).
    bool mayBeZero() const { return !excludesZero(); }
    // Every value is above 0, or below it.
    bool positive() const { return lo > 0 || (zeroExcluded && lo >= 0); }
    bool negative() const { return hi < 0 || (zeroExcluded && hi <= 0); }
    bool mayBeInfinite() const { return !(std::isfinite(lo) && std::isfinite(hi)); }
    // The largest magnitude of a known interval.
    long double magnitude() const { return std::max(std::fabs(lo), std::fabs(hi)); }
};

// 1 when every value is above 0, -1 when every value is below it, else 0.
inline int signOf(const Interval& a) {
    return a.positive() ? 1 : a.negative() ? -1 : 0;
}

// The interval with the sign the formula guarantees (1 above 0, -1 below it, 0 none): an end
// that rounding took across 0 is brought back to it, and 0 is excluded.
inline Interval withSign(Interval a, int sign) {
    if (!a.known() || sign == 0) {
        return a;
    }
    if (sign > 0) {
        a.lo = std::max(a.lo, 0.0L);
    } else {
        a.hi = std::min(a.hi, 0.0L);
    }
    a.zeroExcluded = true;
    return a;
}

// The operations on intervals that exclude 0 for want of precision, out of line: only exact
// readings make them.
Interval negatedExcludingZero(const Interval& a);
Interval sumExcludingZero(const Interval& a, const Interval& b);

inline Interval operator-(const Interval& a) {
    if (a.zeroExcluded) [[unlikely]] {
        return negatedExcludingZero(a);
    }
    return Interval::of(-a.hi, -a.lo);
}

// Infinities of opposite signs add to NaN, at points the ends do not show.
inline Interval operator+(const Interval& a, const Interval& b) {
    if (a.zeroExcluded || b.zeroExcluded) [[unlikely]] {
        return sumExcludingZero(a, b);
    }
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    if ((a.hi == inf && b.lo == -inf) || (a.lo == -inf && b.hi == inf)) {
        return Interval::unknown();
    }
    return Interval::of(a.lo + b.lo, a.hi + b.hi);
}

inline Interval operator-(const Interval& a, const Interval& b) {
    return a + -b;
}

// The smallest and largest of four ends; unknown when any is NaN.
inline Interval hullOf(long double a, long double b, long double c, long double d) {
    if (std::isnan(a) || std::isnan(b) || std::isnan(c) || std::isnan(d)) {
        return Interval::unknown();
    }
    return {std::min(std::min(a, b), std::min(c, d)), std::max(std::max(a, b), std::max(c, d))};
}

// 0 times infinity is NaN at a point between the corners, which the corners do not show. A
// rounded product of values other than 0 may be 0: only the ends tell.
inline Interval operator*(const Interval& a, const Interval& b) {
    if (!a.known() || !b.known() || (a.mayBeZero() && b.mayBeInfinite()) ||
        (b.mayBeZero() && a.mayBeInfinite())) {
        return Interval::unknown();
    }
    return hullOf(a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi);
}

// a / b for a divisor that cannot be 0. A divisor whose end is 0 only for want of precision
// makes the quotient unbounded there, toward the infinity of the divisor's sign.
inline Interval quotient(const Interval& a, const Interval& b) {
    if (!a.known() || !b.known() || b.mayBeZero() || (a.mayBeInfinite() && b.mayBeInfinite())) {
        return Interval::unknown();
    }
    if (b.zeroExcluded) [[unlikely]] {
        const long double sign = b.lo >= 0 ? 1 : -1;
        const long double lo = b.lo == 0 ? std::copysign(0.0L, sign) : b.lo;
        const long double hi = b.hi == 0 ? std::copysign(0.0L, sign) : b.hi;
        return hullOf(a.lo / lo, a.lo / hi, a.hi / lo, a.hi / hi);
    }
    return hullOf(a.lo / b.lo, a.lo / b.hi, a.hi / b.lo, a.hi / b.hi);
}

// The ends rounded to double, as the evaluator rounds an argument of the library.
inline Interval roundedToDouble(const Interval& a) {
    return Interval::of(static_cast<double>(a.lo), static_cast<double>(a.hi));
}

// The interval moved out by at least one unit of the 64-bit last place at each end: enough to
// hold the exact result of an operation whose ends were rounded to nearest once. Rounding
// keeps the sign, so an end above 0 bounds exact results above 0: the end stops at 0 then.
inline Interval widened(const Interval& a) {
    const auto down = [](long double y) {
        return std::isfinite(y) ? y - std::fabs(y) * 0x1p-63L - 0x1p-16445L : y;
    };
    const auto up = [](long double y) {
        return std::isfinite(y) ? y + std::fabs(y) * 0x1p-63L + 0x1p-16445L : y;
    };
    if (!a.known()) {
        return a;
    }
    return withSign({down(a.lo), up(a.hi)}, signOf(a));
}

// The exact product and quotient of exact values: the rounded ends widened, and 0 excluded
// where both operands exclude it, as no exact product or quotient of such values is 0.
inline Interval exactProduct(const Interval& a, const Interval& b) {
    return withSign(widened(a * b), signOf(a) * signOf(b));
}
inline Interval exactQuotient(const Interval& a, const Interval& b) {
    return withSign(widened(quotient(a, b)), signOf(a) * signOf(b));
}
