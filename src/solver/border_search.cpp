#include "solver/border_search.h"

#include "solver/ordered_values.h"

#include <cmath>

namespace {

bool unusable(const SideDifference& v) {
    return v.failed || std::isnan(v.d);
}

} // namespace

BorderFinding searchBorder(const DifferenceSource& sides, const Sample& valid, long double failedX,
                           bool throughZeros) {
    BorderFinding finding{false, valid.x, failedX, false, valid, valid, 0};
    if (unusable(valid.value) || (!throughZeros && isExactZero(valid.value))) {
        return finding;
    }
    Sample v = valid;
    long double f = failedX;
    // |d| of the valid points met, by the halving that found them.
    long double sizeAt[MaxBorderEvaluations + 1];
    sizeAt[0] = std::fabs(valid.value.d);
    int lastValidHalving[MaxBorderEvaluations + 1];
    lastValidHalving[0] = 0;
    int halving = 0;

    while (halving < MaxBorderEvaluations && !adjacentValues(v.x, f)) {
        const long double m = splitPoint(v.x, f);
        const Sample s = sampleAt(sides, m);
        ++halving;
        lastValidHalving[halving] = lastValidHalving[halving - 1];
        if (unusable(s.value)) {
            f = m;
            continue;
        }
        if (!throughZeros && isExactZero(s.value)) {
            finding.root = true;
            finding.rootX = m;
            finding.evaluations = halving;
            return finding;
        }
        if (!finding.crossing && s.value.d * v.value.d < 0) {
            finding.crossing = true;
            finding.crossLo = v.x < m ? v : s;
            finding.crossHi = v.x < m ? s : v;
        }
        v = s;
        sizeAt[halving] = std::fabs(s.value.d);
        lastValidHalving[halving] = halving;
    }
    finding.evaluations = halving;
    finding.rootX = v.x;
    finding.failedX = f;
    const long double last = std::fabs(v.value.d);
    const int earlier = lastValidHalving[halving > TrendHalvings ? halving - TrendHalvings : 0];
    finding.root = adjacentValues(v.x, f) && last <= sizeAt[0] * BorderFall &&
                   last <= sizeAt[earlier] * BorderTrendFall;
    return finding;
}
