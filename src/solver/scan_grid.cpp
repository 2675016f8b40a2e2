#include "solver/scan_grid.h"

#include <algorithm>
#include <climits>

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
