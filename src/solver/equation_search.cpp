#include "solver/equation_search.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace {

// Halvings of a run of exact zeros searched for a piece where the sides provably differ.
constexpr int RunHalvings = 6;

// The grid step that holds x: the index of its lower grid point.
int64_t stepOf(const ScanGrid& grid, long double x) {
    int64_t j = static_cast<int64_t>(std::floor(x * grid.stepsPerUnit - grid.start));
    j = std::clamp<int64_t>(j, 0, std::max<int64_t>(0, grid.n - 1));
    while (j > 0 && grid.at(j) > x) {
        --j;
    }
    while (j + 1 < grid.n && grid.at(j + 1) <= x) {
        ++j;
    }
    return j;
}

// What the scan found inside a step the search inside the steps decided itself gives way.
bool insideOwnedStep(const ScanGrid& grid, const std::vector<int64_t>& owned,
                     const RootBracket& b) {
    if (b.first >= 0) {
        return false; // zeros at grid points stand
    }
    const int64_t j = stepOf(grid, b.lower);
    return std::binary_search(owned.begin(), owned.end(), j) && b.upper <= grid.at(j + 1);
}

// A piece of [lo, hi] where the exact function or its derivative keeps away from 0, found
// within the given number of halvings.
std::optional<Stretch> pieceWhereSidesDiffer(const DifferenceSource& sides, long double lo,
                                             long double hi, int halvings) {
    const ExactDifference e = sides.encloseExactly(lo, hi);
    if (e.cannotFail && (e.value.excludesZero() || e.slope.excludesZero())) {
        return Stretch{lo, hi};
    }
    if (halvings == 0) {
        return std::nullopt;
    }
    const long double middle = lo + (hi - lo) / 2;
    if (auto piece = pieceWhereSidesDiffer(sides, lo, middle, halvings - 1)) {
        return piece;
    }
    return pieceWhereSidesDiffer(sides, middle, hi, halvings - 1);
}

// A run of exact zeros is an identity where no enclosure shows the sides to differ, and a
// plateau of the precision where one does but d is computed 0 there all the same. Where d is
// computed other than 0 inside, the zeros are roots of their own that meet the grid points.
BracketKind runKind(const DifferenceSource& sides, const RootBracket& run) {
    const std::optional<Stretch> piece =
        pieceWhereSidesDiffer(sides, run.lower, run.upper, RunHalvings);
    if (!piece) {
        return BracketKind::Identity;
    }
    const Sample s = sampleAt(sides, piece->lower + (piece->upper - piece->lower) / 2);
    const bool zeroInside = !s.value.failed && !s.value.skippedDivision && s.value.d == 0;
    return zeroInside ? BracketKind::Plateau : BracketKind::ZeroRun;
}

// A border where the evaluator fails only by underflow is no root: on the step from the valid
// point to the failing one, the exact function neither fails nor reaches 0.
bool underflowOnly(const DifferenceSource& sides, const ScanGrid& grid, const RootBracket& b) {
    const int64_t j = stepOf(grid, b.lower);
    if (j + 1 > grid.n) {
        return false;
    }
    const ExactDifference e = sides.encloseExactly(grid.at(j), grid.at(j + 1));
    return e.cannotFail && e.value.excludesZero();
}

// A run of exact zeros not told apart as a whole is its single roots, up to the store's size.
std::vector<RootBracket> withShortRunsExpanded(const std::vector<RootBracket>& brackets,
                                               const ScanGrid& grid) {
    std::vector<RootBracket> out;
    for (const RootBracket& b : brackets) {
        if (b.kind != BracketKind::ZeroRun) {
            out.push_back(b);
            continue;
        }
        for (int64_t j = b.first; j <= b.last && static_cast<int>(out.size()) < MaxBrackets; ++j) {
            out.push_back({grid.at(j), grid.at(j), BracketKind::ExactZero, j, j});
        }
    }
    if (static_cast<int>(out.size()) > MaxBrackets) {
        out.resize(MaxBrackets);
    }
    return out;
}

std::vector<Stretch> merged(std::vector<Stretch> stretches) {
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch& a, const Stretch& b) { return a.lower < b.lower; });
    std::vector<Stretch> out;
    for (const Stretch& s : stretches) {
        if (!out.empty() && out.back().upper >= s.lower) {
            out.back().upper = std::max(out.back().upper, s.upper);
        } else {
            out.push_back(s);
        }
    }
    return out;
}

} // namespace

SearchOutcome searchEquation(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress, const ParallelScanOptions& options) {
    const ScanOutcome scan = scanGridForRoots(sides, grid, progress, options);
    SearchOutcome out{{}, scan.cancelled, scan.lastX, false, 0, {}, false};
    if (scan.cancelled) {
        std::vector<RootBracket> found;
        std::copy_if(scan.brackets.begin(), scan.brackets.end(), std::back_inserter(found),
                     [](const RootBracket& b) { return b.kind != BracketKind::Undecided; });
        out.brackets = withShortRunsExpanded(found, grid);
        return out;
    }
    out.capReached = static_cast<int>(scan.brackets.size()) >= MaxBrackets;
    int64_t upTo = grid.n;
    if (out.capReached) {
        out.listedUpTo = scan.brackets.back().upper;
        upTo = std::min(grid.n, stepOf(grid, out.listedUpTo) + 1);
    }

    std::vector<RootBracket> scanned = scan.brackets;
    std::vector<SettledRun> settled;
    std::vector<Stretch> open;
    for (RootBracket& b : scanned) {
        if (b.kind == BracketKind::ZeroRun && b.last - b.first + 1 >= ShortestZeroRun) {
            b.kind = runKind(sides, b);
            if (b.kind != BracketKind::ZeroRun) {
                settled.push_back({b.first, b.last});
            }
        } else if (b.kind == BracketKind::Undecided) {
            open.push_back({b.lower, b.upper});
        }
    }

    const HiddenFindings hidden =
        searchHiddenRoots(sides, grid, upTo, settled, open, progress, options.threads);
    out.cancelled = hidden.stopped;
    std::vector<RootBracket> found;
    for (const RootBracket& b : scanned) {
        const bool dropped = b.kind == BracketKind::Undecided ||
                             (b.kind == BracketKind::Border && underflowOnly(sides, grid, b)) ||
                             insideOwnedStep(grid, hidden.ownedSteps, b);
        if (!dropped) {
            found.push_back(b);
        }
    }
    for (const RootBracket& b : hidden.roots) {
        if (!out.capReached || b.lower <= out.listedUpTo) {
            found.push_back(b);
        }
    }
    // In order, each is added at the list's end.
    std::stable_sort(found.begin(), found.end(), [](const RootBracket& a, const RootBracket& b) {
        return a.lower < b.lower || (a.lower == b.lower && a.upper < b.upper);
    });
    BracketList list(MaxBrackets);
    for (const RootBracket& b : found) {
        list.add(b);
    }
    out.brackets = withShortRunsExpanded(list.brackets(), grid);
    out.undecided = merged(hidden.undecided);
    out.provenNoRoot =
        hidden.complete && out.undecided.empty() && out.brackets.empty() && !out.capReached;
    return out;
}
