#include "interpreter/interval.h"

Interval negatedExcludingZero(const Interval& a) {
    return withSign(Interval::of(-a.hi, -a.lo), -signOf(a));
}

// A sum of values above 0 and values at least 0 is above 0, though its end may have rounded
// to 0; likewise below.
Interval sumExcludingZero(const Interval& a, const Interval& b) {
    Interval plain = a;
    Interval other = b;
    plain.zeroExcluded = false;
    other.zeroExcluded = false;
    const bool aboveZero = (a.positive() && b.lo >= 0) || (a.lo >= 0 && b.positive());
    const bool belowZero = (a.negative() && b.hi <= 0) || (a.hi <= 0 && b.negative());
    return withSign(plain + other, aboveZero ? 1 : belowZero ? -1 : 0);
}
