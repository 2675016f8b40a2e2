#include "solver/minimum_search.h"

#include "solver/ordered_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr long double GoldenShare = 0.38196601125010515180L; // 2 - golden ratio

// Spacing of doubles at magnitude m, continued below the range of double with 53 bits.
long double doubleUlp(long double m) {
    constexpr int mantissaBits = std::numeric_limits<double>::digits - 1;
    const int exponent = std::max(std::ilogb(m), std::numeric_limits<double>::min_exponent - 1);
    return std::ldexp(1.0L, exponent - mantissaBits);
}

// The last exact zero before a non-zero point, moving from the zero at `zero` toward
// `other` by halving the values between them.
long double plateauEnd(const DifferenceSource& sides, long double zero, long double other,
                       int& evaluations) {
    for (int i = 0; i < MaxPlateauEvaluations && !adjacentValues(zero, other); ++i) {
        const long double m = splitPoint(zero, other);
        ++evaluations;
        if (isExactZero(sides.at(m))) {
            zero = m;
        } else {
            other = m;
        }
    }
    return zero;
}

} // namespace

bool touches(const SideDifference& v, long double outerScale) {
    const long double size = std::fabs(v.d);
    const long double magnitude = std::max(std::fabs(v.left), std::fabs(v.right));
    if (size <= outerScale * TouchShare) {
        return true;
    }
    return std::isfinite(magnitude) && magnitude > 0 && size <= TouchUlps * doubleUlp(magnitude);
}

// The outer scale is at most the largest |d|, and doubleUlp grows with the magnitude.
bool cannotTouch(const Interval& left, const Interval& right, const Interval& d) {
    if (!left.known() || !right.known() || !d.known() || d.mayBeZero()) {
        return false;
    }
    const long double smallest = std::min(std::fabs(d.lo), std::fabs(d.hi));
    const long double largest = d.magnitude();
    const long double magnitude = std::max(left.magnitude(), right.magnitude());
    return std::isfinite(largest) && std::isfinite(magnitude) && smallest > largest * TouchShare &&
           smallest > TouchUlps * doubleUlp(magnitude);
}

MinimumFinding searchMinimum(const DifferenceSource& sides, const Sample& left,
                             const Sample& middle, const Sample& right) {
    // g = |d| with the sign of the grid points: below 0 means d changed sign.
    const long double sign = middle.value.d < 0 ? -1 : 1;
    const long double outerScale = std::min(std::fabs(left.value.d), std::fabs(right.value.d));
    Sample a = left;
    Sample b = middle;
    Sample c = right;
    long double gb = sign * b.value.d;
    long double stallMark = gb;
    bool touched = touches(b.value, outerScale);
    int evaluations = 0;

    // Once d touches 0, the search goes on to pin down where.
    while (evaluations < MaxMinimumEvaluations) {
        const bool rightIsWider = c.x - b.x > b.x - a.x;
        const long double x =
            rightIsWider ? b.x + GoldenShare * (c.x - b.x) : b.x - GoldenShare * (b.x - a.x);
        if (!(x > a.x && x < c.x) || x == b.x) {
            break;
        }
        const Sample s{x, sides.at(x)};
        ++evaluations;
        if (s.value.failed || std::isnan(s.value.d)) {
            break;
        }
        if (isExactZero(s.value)) {
            const long double from = plateauEnd(sides, x, a.x, evaluations);
            const long double to = plateauEnd(sides, x, c.x, evaluations);
            return {MinimumFinding::Touch, from + (to - from) / 2, s, evaluations};
        }
        const long double gs = sign * s.value.d;
        if (gs < 0) {
            return {MinimumFinding::Crossing, x, s, evaluations};
        }
        if (gs < gb) {
            (x > b.x ? a : c) = b;
            b = s;
            gb = gs;
            touched = touched || touches(b.value, outerScale);
        } else {
            (x > b.x ? c : a) = s;
        }
        if (!touched && evaluations % StallWindow == 0) {
            if (!(gb <= stallMark / 2)) {
                break;
            }
            stallMark = gb;
        }
    }
    return {touched ? MinimumFinding::Touch : MinimumFinding::Nothing, b.x, b, evaluations};
}
