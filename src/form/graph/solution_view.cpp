#include "form/graph/solution_view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Margin = 10;
constexpr long double BaseZoom = 100;
constexpr int MinZoomExponent = -37;
constexpr int MaxZoomExponent = 24;
constexpr long double PanLimit = 200000;

} // namespace

IntervalView solutionIntervalView(int width, long double from, long double to) {
    const long double usable = std::max(width - 2 * Margin, 1);
    const long double span = std::max(to - from, 0.0L);
    int k = MaxZoomExponent;
    while (k > MinZoomExponent && span * std::ldexp(BaseZoom, k) > usable) {
        --k;
    }
    const long double groesse = std::ldexp(BaseZoom, k);
    const long double middle = from + span / 2;
    const long double xOffset = std::clamp(-std::round(middle * groesse), -PanLimit, PanLimit);
    return {groesse, xOffset};
}
