#pragma once

#include "solver/bracket_scan.h"
#include "solver/finding.h"
#include "solver/progress_reporter.h"
#include "solver/scan_grid.h"
#include "solver/side_difference.h"

#include <vector>

// Everything the root search of one request found, and what it does not cover.
struct SearchOutcome {
    // In increasing x; a root with lower < upper is a sign change still to be refined.
    std::vector<Finding> findings;
    bool cancelled = false;     // the user stopped the request
    bool scanCancelled = false; // ... while the grid was scanned: the findings are its brackets
    long double lastX = 0;      // the last grid point the scan reached
    long double reached = 0;    // cancelled: the findings cover the interval up to here
    // The list holds the first MaxBrackets roots and covers the interval up to listedUpTo.
    bool capReached = false;
    long double listedUpTo = 0;
    // Every part of the interval was decided by proof, and none holds a root.
    bool provenNoRoot = false;
};

// The scan of the grid, then the search inside its steps, both on every core: every grid step
// the scan cannot pass over as empty is classified, down to the resolution the sides see, and
// what was found there is one list of findings. Runs of exact zeros at three or more grid points
// are told apart: an identity where no enclosure shows the sides to differ, a plateau of the
// precision where one does. With more than ProgressThreshold steps and a progress display, both
// phases report to it as one, and a cancel stops either.
SearchOutcome searchEquation(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress, const ParallelScanOptions& options = {});
