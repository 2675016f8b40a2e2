#include "solver/zero_runs.h"

namespace {

// Halvings of a run of exact zeros searched for a piece where the sides provably differ.
constexpr int RunHalvings = 6;

// Whether a piece of [lo, hi] where the exact function or its derivative keeps away from 0 is
// found within the given number of halvings.
bool sidesDifferSomewhere(const DifferenceSource& sides, long double lo, long double hi,
                          int halvings, long double& where) {
    const ExactDifference e = sides.encloseExactly(lo, hi);
    if (e.cannotFail && (e.value.excludesZero() || e.slope.excludesZero())) {
        where = lo + (hi - lo) / 2;
        return true;
    }
    if (halvings == 0) {
        return false;
    }
    const long double middle = lo + (hi - lo) / 2;
    return sidesDifferSomewhere(sides, lo, middle, halvings - 1, where) ||
           sidesDifferSomewhere(sides, middle, hi, halvings - 1, where);
}

} // namespace

std::optional<FindingKind> zeroRunKind(const DifferenceSource& sides, long double lower,
                                       long double upper) {
    long double where = 0;
    if (!sidesDifferSomewhere(sides, lower, upper, RunHalvings, where)) {
        return FindingKind::Identity;
    }
    const SideDifference v = sides.at(where);
    if (!v.failed && !v.skippedDivision && v.d == 0) {
        return FindingKind::Plateau;
    }
    return std::nullopt;
}
