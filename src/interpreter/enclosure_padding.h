#pragma once

#include "interpreter/interval.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

// How far the enclosures move a result of the maths library out, and how they round real
// ranges out to doubles.
namespace padding {

// The smallest positive double: no double lies between it and 0.
inline constexpr long double SmallestDouble = 0x1p-1074L;

// The spacing of the doubles at |y| rounded to double: 2^(e - 52) in the binade [2^e, 2^(e+1))
// of the normal doubles, 2^-1074 among the subnormals. Beyond y's binade when y rounds up to
// the next one, which only widens; 0 for an infinite y, which stays where it is.
inline long double doubleSpacing(long double y) {
    const uint64_t field = (std::bit_cast<uint64_t>(static_cast<double>(y)) >> 52) & 0x7FF;
    if (field == 0x7FF) {
        return 0;
    }
    if (field > 53) {
        return std::bit_cast<double>((field - 52) << 52);
    }
    // A normal double of binade field - 1023 has a spacing of 2^(field - 1075), which is the
    // subnormal of that one bit; the subnormals themselves are spaced 2^-1074 apart.
    return std::bit_cast<double>(uint64_t{1} << (field == 0 ? 0 : field - 1));
}

// The ends moved out by a number of double spacings, each by the spacing at itself.
inline Interval movedOut(long double lo, long double hi, int spacings) {
    if (std::isnan(lo) || std::isnan(hi)) {
        return Interval::unknown();
    }
    return {lo - spacings * doubleSpacing(lo), hi + spacings * doubleSpacing(hi)};
}

// Library results at the two ends of a stretch where the function is monotone, in either
// order, moved out so that they hold the library's result at every double between them and
// the exact function at every real between them, for a function within `ulps` units of the
// exact result: by its error at this end and its error at a point inside, each doubled for
// a change of binade between them. A correctly rounded function (ulps 0) needs nothing for
// its own results; the exact ones lie within half a unit beyond: exactBesideRounded.
inline Interval padded(long double fa, long double fb, int ulps) {
    return movedOut(std::min(fa, fb), std::max(fa, fb), 4 * ulps);
}

// The exact values where a correctly rounded function gave the ends.
inline Interval exactBesideRounded(const Interval& v) {
    return movedOut(v.lo, v.hi, 1);
}

// The largest double at or below y, and the smallest at or above it; beyond the doubles,
// the largest finite one (or an infinity), so that a monotone function there is bounded by
// its value at the edge or unknown.
inline long double doubleBelow(long double y) {
    const double d = static_cast<double>(y);
    return d <= y ? d : std::nextafter(d, -static_cast<double>(INFINITY));
}
inline long double doubleAbove(long double y) {
    const double d = static_cast<double>(y);
    return d >= y ? d : std::nextafter(d, static_cast<double>(INFINITY));
}

// A range of reals rounded out to the doubles that hold it: the double arguments between which
// the library is consulted for the exact function.
inline Interval outwardToDoubles(const Interval& v) {
    return Interval::of(doubleBelow(v.lo), doubleAbove(v.hi));
}

// A value that may be a constant stored either way, as written in extended precision or
// rounded to double: the values within a double spacing of it, which hold both (the largest
// double beyond the doubles). Rounding keeps the sign, so an end at 0 stays there.
inline Interval storedEitherWay(const Interval& v) {
    constexpr long double Max = DBL_MAX;
    Interval w = Interval::of(std::min(v.lo - doubleSpacing(v.lo), Max),
                              std::max(v.hi + doubleSpacing(v.hi), -Max));
    if (v.lo >= 0) {
        w.lo = std::max(w.lo, 0.0L);
    }
    if (v.hi <= 0) {
        w.hi = std::min(w.hi, 0.0L);
    }
    return w;
}

} // namespace padding
