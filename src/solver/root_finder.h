#pragma once

#include "solver/bracket_scan.h"

#include <vector>

struct FoundRoot {
    long double x;
    BracketKind kind; // how it was found; SignChange for a refined sign change
};

// Every root of d the search finds on the grid, in increasing order: settled roots as they
// stand, sign changes refined, those that hold no root left out; runs of exact zeros are not
// roots and are left out too.
std::vector<FoundRoot> findRoots(const DifferenceSource& sides, const ScanGrid& grid,
                                 ProgressReporter* progress = nullptr);
