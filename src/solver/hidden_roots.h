#pragma once

#include "solver/progress_reporter.h"
#include "solver/root_bracket.h"
#include "solver/scan_grid.h"
#include "solver/side_difference.h"

#include <cstdint>
#include <vector>

// A range of x the search could not decide.
struct Stretch {
    long double lower;
    long double upper;
};

// Budgets of the search inside the grid steps, in evaluations at one point, enclosures
// counted at their cost. Each part of a request (some two million steps, searched by one
// thread) may spend RequestBudgetPerPoint of them per grid step, two to three times what the
// scan spends, which evaluates in blocks; and at least SmallRequestBudget (0.1 to 0.2 s). A grid
// step may spend StepBudget, about fifty times what the scan may spend on one place: where every
// point needs an exact reading, some hundreds of points.
inline constexpr int64_t RequestBudgetPerPoint = 1;
inline constexpr int64_t SmallRequestBudget = 2000000;
inline constexpr int64_t StepBudget = 16000;

// Grid points first ... last, and the steps between them, already decided as a whole.
struct SettledRun {
    int64_t first;
    int64_t last;
};

struct HiddenFindings {
    // Roots inside grid steps, settled: simple roots (SteepRoot) and touches (Touch).
    std::vector<RootBracket> roots;
    // The steps, by the index of their lower grid point, whose inside the search decided
    // itself: what the scan found inside them gives way to the roots above.
    std::vector<int64_t> ownedSteps;
    // Merged and in increasing x.
    std::vector<Stretch> undecided;
    // Every step was decided within the budgets, and the search was not stopped.
    bool complete = true;
    // The user cancelled while the search ran.
    bool stopped = false;
};

// Searches the grid steps of [grid.at(0), grid.at(upTo)] for the roots the grid cannot see:
// several in one step, needles, roots between poles, fast oscillation and touches. Where an
// exact enclosure of d and of its derivative proves a stretch of steps empty or monotone, the
// grid's sign changes are all there is; elsewhere each step whose ends do not fail is split
// at the places narrowing and a minimum search point out, down to the resolution the sides
// see. The steps of the settled runs, sorted by first, are left out; the open stretches, which
// the scan could not decide, are searched as a whole each. Asks progress, when given, whether
// the user cancelled, and lets it serve its events meanwhile. The parts of the interval are
// searched on `threads` threads (0: one per core), with the same findings for any number.
HiddenFindings searchHiddenRoots(const DifferenceSource& sides, const ScanGrid& grid, int64_t upTo,
                                 const std::vector<SettledRun>& settled = {},
                                 const std::vector<Stretch>& open = {},
                                 ProgressReporter* progress = nullptr, int threads = 0);
