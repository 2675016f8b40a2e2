#pragma once

#include "solver/bracket_scan.h"
#include "solver/finding.h"
#include "solver/scan_grid.h"
#include "solver/side_difference.h"

#include <atomic>
#include <cstdint>
#include <vector>

// Grid points first ... last, and the steps between them, decided as a whole: a run of exact
// zeros that is an identity or a plateau of the precision.
struct SettledRun {
    int64_t first;
    int64_t last;
    FindingKind kind;
};

// One part of a request: the grid steps from ... to - 1 with what the scan found there.
struct PartWork {
    int64_t from;
    int64_t to;
    // The scan's brackets that start in the part, runs of exact zeros expanded to their points.
    std::vector<RootBracket> brackets;
    // The runs the scan passed over that meet the part.
    std::vector<PassedRun> passed;
    // The settled runs that meet the part; a run is reported by the part where it starts.
    std::vector<SettledRun> settled;
};

// What the search saw at one place, before marks that meet are joined into findings.
struct Mark {
    enum Kind : uint8_t {
        Root,      // a sign change narrowed from lower to upper, or an exact zero; x the root
        Flat,      // d cannot be told from 0 from lower to upper; x where |d| is smallest
        Pole,      // a pole between lower and upper
        EdgeAbove, // the sides fail at lower == upper and are defined just above it
        EdgeBelow, // the sides fail at lower == upper and are defined just below it
        Run,       // a settled run of exact zeros, its kind in runKind
        Undecided, // nothing decided from lower to upper
    };
    long double lower;
    long double upper;
    long double x;
    long double size; // |d| at x; for an edge, |d| at the defined value beside it
    Kind kind;
    Certainty certainty;
    // A root still to be refined from lower to upper: a sign change across a grid step.
    bool bracket = false;
    // Flat by the exact values, which tell more finely than the computed ones where d is 0.
    bool byExactValues = false;
    // An edge where d tends to 0 toward the failing value: a root at a border of the domain.
    bool tendsToZero = false;
    // An edge where |d| beside the failing value has grown far beyond the outer |d| of its grid
    // step, or fallen far below it, and the sign of d there.
    bool beyondScale = false;
    bool fallen = false;
    bool negative = false;
    FindingKind runKind = FindingKind::Identity;
};

// Evaluations, enclosures counted at their cost, that one part may spend on the search inside
// its steps: three times what an unpruned scan of a whole part of PartSteps steps costs, for
// every part, however short. One grid step may spend StepBudget of it.
inline constexpr int64_t PartSteps = int64_t{1} << 21;
inline constexpr int64_t PartBudget = 3 * PartSteps;
inline constexpr int64_t StepBudget = 65536;

struct PartOutcome {
    std::vector<Mark> marks; // in increasing x
    bool complete = true;    // every piece decided within the budgets
    bool proven = true;      // every piece decided by enclosures or at the resolution
    bool stopped = false;    // stopped on request: the marks reach up to `reached`
    long double reached = 0;
};

// Decides every grid step of the part that the scan did not pass over as empty: each piece, the
// steps first, is classified once as holding no root, one root, a pole, a failing edge, a stretch
// where d cannot be told from 0, or as undecided when the budgets run out; a piece that is none
// of them is split, and its parts classified in turn. Adds the steps it finished to stepsDone.
PartOutcome searchPart(const DifferenceSource& sides, const ScanGrid& grid, const PartWork& work,
                       const std::atomic<bool>& stop, std::atomic<int64_t>& stepsDone);
