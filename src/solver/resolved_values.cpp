#include "solver/resolved_values.h"

#include "solver/ordered_values.h"

#include <cmath>

long double nextResolved(long double x, long double toward, bool seesDouble) {
    return seesDouble ? static_cast<long double>(
                            std::nextafter(static_cast<double>(x), static_cast<double>(toward)))
                      : std::nextafter(x, toward);
}

long double resolutionAt(long double x, bool seesDouble) {
    return std::fabs(nextResolved(x, INFINITY, seesDouble) - x);
}

bool atResolution(long double a, long double b, bool seesDouble) {
    if (adjacentValues(a, b)) {
        return true;
    }
    if (!seesDouble) {
        return false;
    }
    const double da = static_cast<double>(a);
    const double db = static_cast<double>(b);
    return da == db || std::nextafter(da, static_cast<double>(b)) == db;
}

long double resolvedSplit(long double a, long double b, bool seesDouble) {
    if (atResolution(a, b, seesDouble)) {
        return a;
    }
    const long double middle = splitPoint(a, b);
    if (!seesDouble) {
        return middle;
    }
    // The double nearest the middle, or the next one inward where that rounds onto an end (a
    // middle that underflows to 0 at an end), or else the first double above a: one lies
    // inside, since the ends' doubles are more than one apart.
    const double rounded = static_cast<double>(middle);
    if (rounded > a && rounded < b) {
        return rounded;
    }
    const double inward = std::nextafter(rounded, rounded >= b ? -INFINITY : INFINITY);
    if (inward > a && inward < b) {
        return inward;
    }
    const double nearA = static_cast<double>(a);
    return nearA > a ? nearA : std::nextafter(nearA, static_cast<double>(INFINITY));
}
