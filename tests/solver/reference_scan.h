#pragma once

#include "solver/bracket_scan.h"

// The scan point by point on the calling thread, asking for a cancel at every step, with
// the same tracker and the same examination of its places as the parallel scan.
ScanOutcome scanSequentially(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress);
