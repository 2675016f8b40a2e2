#include "solver/scan_grid.h"

#include <algorithm>
#include <climits>
#include <cmath>

int stepCount(int a, int b, long double stepsPerUnit) {
    const long double steps = (static_cast<long double>(b) - a) * stepsPerUnit;
    if (!(steps > 0)) {
        return 0;
    }
    if (steps >= static_cast<long double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(steps);
}

int progressInterval(int n, long double stepsPerUnit) {
    const long double s = stepsPerUnit;
    const int whole = s >= static_cast<long double>(INT_MAX) ? INT_MAX
                      : s >= 1                               ? static_cast<int>(s)
                                                             : 1;
    return std::max(1, n / whole);
}

ScanGrid makeGrid(int a, int b, long double stepsPerUnit) {
    return {static_cast<long double>(a) * stepsPerUnit, stepsPerUnit,
            stepCount(a, b, stepsPerUnit)};
}

int64_t ScanGrid::stepOf(long double x) const {
    // Rounded in the current mode, which needs no switch of the x87 control word as floor does;
    // the loops below settle the step either way.
    const long double guess =
        std::clamp<long double>(x * stepsPerUnit - start, 0, std::max<int64_t>(0, n - 1));
    int64_t j = std::isnan(guess) ? 0 : std::llrint(guess);
    while (j > 0 && at(j) > x) {
        --j;
    }
    while (j + 1 < n && at(j + 1) <= x) {
        ++j;
    }
    return j;
}
