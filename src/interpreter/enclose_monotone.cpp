#include "interpreter/enclosure_padding.h"
#include "interpreter/library_families.h"

#include <cmath>

// The families whose functions are monotone on their domain, or on either side of 0.
namespace families {

Interval monotone(const Library& f, double a, double b) {
    return padding::padded(f.call(a), f.call(b), f.errorUlps);
}

Interval exponentialOrHyperbolic(const Library& f, double a, double b) {
    Interval value = padding::padded(f.call(a), f.call(b), f.errorUlps);
    if (f.minimumAtZero && a <= 0 && b >= 0) {
        value.lo = f.call(0); // cosh(0) is 1 exactly
    }
    return value;
}

Interval extendedMonotone(const Library& f, long double a, long double b) {
    constexpr long double Slack = 0x1p-58L; // far above the 1 ulp of expl and logl, 2^-63
    // Beyond the relative slack, the smallest extended subnormal, which an exact value below
    // the range of extended precision rounds to.
    constexpr long double Tiny = 0x1p-16445L;
    const long double fa = f.extended(a);
    const long double fb = f.extended(b);
    if (std::isnan(fa) || std::isnan(fb)) {
        return Interval::unknown();
    }
    const long double lo = std::min(fa, fb);
    const long double hi = std::max(fa, fb);
    return {std::isinf(lo) ? lo : lo - std::fabs(lo) * Slack - Tiny,
            std::isinf(hi) ? hi : hi + std::fabs(hi) * Slack + Tiny};
}

} // namespace families
