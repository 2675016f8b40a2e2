#include "interpreter/enclosure_padding.h"
#include "interpreter/konstanten.h"
#include "interpreter/library_families.h"

#include <cmath>

namespace families {

namespace {

// Beyond this |x| the extrema and poles are not located: the full range is taken instead.
constexpr long double LocatedRange = 0x1p40L;

// pi as the library reduces its arguments by it, to within an extended unit: PI, the double
// value of pi, plus sin(PI), which is the distance from PI to pi to far below that unit.
long double libraryPi() {
    static const long double pi = PI + std::sin(static_cast<double>(PI));
    return pi;
}

// True when some point k * pi + offset, for an integer k, may lie in [a, b]; *parity says
// whether only even k, only odd k or both may (bit 0: an even k, bit 1: an odd k).
bool multipleInside(long double a, long double b, long double pi, long double offset, int* parity) {
    const long double qa = (a - offset) / pi;
    const long double qb = (b - offset) / pi;
    // The quotients' errors: pi's rounding, about 2^-64 of each multiple, and two roundings of
    // 2^-64; a sixteenfold margin over their sum.
    const long double slack = (std::fabs(qa) + std::fabs(qb) + 1) * 0x1p-60L;
    // rint in the default rounding mode is one instruction; ceil and floor switch modes.
    const long double below = std::rint(qa - slack);
    const long double above = std::rint(qb + slack);
    const long double first = below < qa - slack ? below + 1 : below;
    const long double last = above > qb + slack ? above - 1 : above;
    if (first > last) {
        return false;
    }
    if (parity != nullptr) {
        const bool firstEven = std::fmod(first, 2.0L) == 0;
        *parity = last > first ? 3 : (firstEven ? 1 : 2);
    }
    return true;
}

// Where the extrema or poles of f lie, beside the multiples of pi.
long double offsetOf(const Library& f, long double pi) {
    return f.quarterTurns == 0 ? 0 : f.quarterTurns * (pi / 2);
}

} // namespace

Interval sineLike(const Library& f, double a, double b) {
    const Interval full{-1 - 0x1p-52L, 1 + 0x1p-52L};
    const long double pi = libraryPi();
    if (std::max(std::fabs(a), std::fabs(b)) > LocatedRange || b - a > 2 * pi) {
        return full;
    }
    Interval value = padding::padded(f.call(a), f.call(b), f.errorUlps);
    int parity = 0;
    if (multipleInside(a, b, pi, offsetOf(f, pi), &parity)) {
        if ((parity & 1) != 0) {
            value.hi = full.hi;
        }
        if ((parity & 2) != 0) {
            value.lo = full.lo;
        }
    }
    return value;
}

Interval tangentBetweenPoles(const Library& f, double a, double b) {
    const long double pi = libraryPi();
    if (std::max(std::fabs(a), std::fabs(b)) > LocatedRange || b - a > pi ||
        multipleInside(a, b, pi, offsetOf(f, pi), nullptr)) {
        return Interval::unknown();
    }
    return padding::padded(f.call(a), f.call(b), f.errorUlps);
}

} // namespace families
