#pragma once

#include "solver/bracket_scan.h"
#include "solver/hidden_roots.h"

#include <vector>

// Everything the root search of one request found, and what it does not cover.
struct SearchOutcome {
    // In increasing x: settled roots (lower == upper), sign changes still to be refined, and
    // runs of exact zeros (Identity or Plateau, from lower to upper).
    std::vector<RootBracket> brackets;
    bool cancelled;    // the user stopped the scan
    long double lastX; // the last grid point the scan reached
    // The bracket store filled up: the list goes up to listedUpTo and no further.
    bool capReached;
    long double listedUpTo;
    // Stretches the search could not decide, merged, in increasing x.
    std::vector<Stretch> undecided;
    // Every part of the interval was decided, and none holds a root.
    bool provenNoRoot;
};

// The scan of the grid, then the search inside its steps for what the grid cannot see. Runs
// of exact zeros are told apart: an identity where no enclosure shows the sides to differ, a
// plateau of the precision where one does. A border of the domain that is only an underflow,
// where the exact function stays away from 0, is no root.
SearchOutcome searchEquation(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress, const ParallelScanOptions& options = {});
