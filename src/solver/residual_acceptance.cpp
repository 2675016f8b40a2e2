#include "solver/residual_acceptance.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Spacing of doubles at magnitude m (m finite and positive), continued beyond the range
// of double with the same 53-bit precision.
long double doubleUlp(long double m) {
    constexpr int mantissaBits = std::numeric_limits<double>::digits - 1;
    const int exponent = std::max(std::ilogb(m), std::numeric_limits<double>::min_exponent - 1);
    return std::ldexp(1.0L, exponent - mantissaBits);
}

} // namespace

bool isAcceptedResidual(const SideDifference& value) {
    if (value.failed || value.skippedDivision || !std::isfinite(value.d)) {
        return false;
    }
    const long double residual = std::fabs(value.d);
    if (residual <= Toleranz) {
        return true;
    }
    const long double magnitude = std::max(std::fabs(value.left), std::fabs(value.right));
    if (!std::isfinite(magnitude)) {
        return false;
    }
    return residual <= UlpBound * doubleUlp(magnitude);
}
