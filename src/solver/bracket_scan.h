#pragma once

#include "solver/progress_reporter.h"
#include "solver/root_bracket.h"
#include "solver/scan_grid.h"
#include "solver/side_difference.h"

#include <cstdint>
#include <vector>

// How the parallel scan divides its work; the result never depends on it.
struct ParallelScanOptions {
    int64_t chunkSize = 1 << 18; // grid points per unit of work
    int threads = 0;             // worker threads; 0 means one per core
    // Stretches of the grid where enclosures of the sides prove that nothing can be found are
    // not evaluated point by point; the brackets are the same either way.
    bool prune = true;
};

// Grid points first ... last, and the steps between them, that the scan passed over: proven to
// hold no point where d is 0 or changes sign and none that fails (Empty), or to fail at every
// point (Failing).
struct PassedRun {
    enum Kind : uint8_t { Empty, Failing };
    int64_t first;
    int64_t last;
    Kind kind;
};

struct ScanOutcome {
    std::vector<RootBracket> brackets; // increasing in x, at most MaxBrackets
    bool cancelled;                    // the user stopped the scan
    long double lastX;                 // the last grid point the scan reached
    // Increasing in x, up to where the brackets go once the store is full.
    std::vector<PassedRun> passed = {};
};

// Walks the grid for places where d = left - right is exactly 0 or changes sign, and
// examines the places the tracker points out (steep sign changes, local minima of |d|,
// borders of the domain). With more than ProgressThreshold steps and a progress display,
// reports progress and stops when the user cancels. Runs on every core: sides must be safe
// to evaluate on several threads at once.
ScanOutcome scanGridForRoots(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress, const ParallelScanOptions& options = {});
