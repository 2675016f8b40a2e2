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
struct Interval {
    long double lo;
    long double hi;

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
    // True when some value of the interval may be 0 (always for an unknown one).
    bool mayBeZero() const { return !(lo > 0 || hi < 0); }
    // True when the interval is known and every value of it is other than 0.
    bool excludesZero() const { return known() && !mayBeZero(); }
    bool mayBeInfinite() const { return !(std::isfinite(lo) && std::isfinite(hi)); }
    // The largest magnitude of a known interval.
    long double magnitude() const { return std::max(std::fabs(lo), std::fabs(hi)); }
};

inline Interval operator-(const Interval& a) {
    return Interval::of(-a.hi, -a.lo);
}

// Infinities of opposite signs add to NaN, at points the ends do not show.
inline Interval operator+(const Interval& a, const Interval& b) {
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

// 0 times infinity is NaN at a point between the corners, which the corners do not show.
inline Interval operator*(const Interval& a, const Interval& b) {
    if (!a.known() || !b.known() || (a.mayBeZero() && b.mayBeInfinite()) ||
        (b.mayBeZero() && a.mayBeInfinite())) {
        return Interval::unknown();
    }
    return hullOf(a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi);
}

// a / b for a divisor that cannot be 0.
inline Interval quotient(const Interval& a, const Interval& b) {
    if (!a.known() || !b.known() || b.mayBeZero() || (a.mayBeInfinite() && b.mayBeInfinite())) {
        return Interval::unknown();
    }
    return hullOf(a.lo / b.lo, a.lo / b.hi, a.hi / b.lo, a.hi / b.hi);
}

// The ends rounded to double, as the evaluator rounds an argument of the library.
inline Interval roundedToDouble(const Interval& a) {
    return Interval::of(static_cast<double>(a.lo), static_cast<double>(a.hi));
}

// The interval moved out by at least one unit of the 64-bit last place at each end: enough to
// hold the exact result of an operation whose ends were rounded to nearest once.
inline Interval widened(const Interval& a) {
    const auto down = [](long double y) {
        return std::isfinite(y) ? y - std::fabs(y) * 0x1p-63L - 0x1p-16445L : y;
    };
    const auto up = [](long double y) {
        return std::isfinite(y) ? y + std::fabs(y) * 0x1p-63L + 0x1p-16445L : y;
    };
    return a.known() ? Interval{down(a.lo), up(a.hi)} : a;
}
