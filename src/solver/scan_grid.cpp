#include "solver/scan_grid.h"

#include "solver/root_search_state.h"
#include "solver/steep_bracket.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// A sign change is a bracket when |d| at its newer point is below this bound; above it,
// the steep test decides.
constexpr long double SignChangeBound = 3;

} // namespace

int stepCount(int a, int b) {
    const long double steps = (static_cast<long double>(b) - a) * Schrittweite;
    if (!(steps > 0)) {
        return 0;
    }
    if (steps >= static_cast<long double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(steps);
}

int progressInterval(int n) {
    const long double s = Schrittweite;
    const int whole = s >= static_cast<long double>(INT_MAX) ? INT_MAX
                      : s >= 1                               ? static_cast<int>(s)
                                                             : 1;
    return std::max(1, n / whole);
}

bool closesSignChange(long double previousX, const SideDifference& previous, long double x,
                      const SideDifference& current, const DifferenceSource& sides,
                      long double& lower, long double& upper) {
    if (current.d == 0 || !(previous.d * current.d < 0)) {
        return false;
    }
    lower = previousX;
    upper = x;
    if (std::fabs(current.d) < SignChangeBound) {
        return true;
    }
    return narrowSteepBracket(lower, upper, previous, current, sides);
}
