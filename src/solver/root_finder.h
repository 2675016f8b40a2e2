#pragma once

#include "solver/bracket_scan.h"

#include <vector>

struct FoundRoot {
    long double x;
    BracketKind kind; // how it was found; SignChange for a refined sign change
};

// Every root of d on the grid, in increasing order: the scan's settled roots as they
// stand, its sign changes refined, those that hold no root left out.
std::vector<FoundRoot> findRoots(const DifferenceSource& sides, const ScanGrid& grid,
                                 ProgressReporter* progress = nullptr);
