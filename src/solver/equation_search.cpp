#include "solver/equation_search.h"

#include "solver/finding_groups.h"
#include "solver/part_pool.h"
#include "solver/part_search.h"
#include "solver/zero_runs.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// The scan's brackets with the runs of exact zeros decided: whole, or as their single zeros.
struct DecidedRuns {
    std::vector<RootBracket> brackets;
    std::vector<SettledRun> settled;
};

DecidedRuns decideRuns(const DifferenceSource& sides, const ScanGrid& grid,
                       const std::vector<RootBracket>& scanned) {
    DecidedRuns out;
    for (const RootBracket& b : scanned) {
        if (b.kind != BracketKind::ZeroRun) {
            out.brackets.push_back(b);
            continue;
        }
        const std::optional<FindingKind> kind = b.last - b.first + 1 >= ShortestZeroRun
                                                    ? zeroRunKind(sides, b.lower, b.upper)
                                                    : std::nullopt;
        if (kind) {
            out.settled.push_back({b.first, b.last, *kind});
            continue;
        }
        for (int64_t j = b.first; j <= b.last; ++j) {
            out.brackets.push_back({grid.at(j), grid.at(j), BracketKind::ExactZero, j, j});
        }
    }
    return out;
}

// The steps up to upTo in parts of PartSteps, each with what the scan found there.
std::vector<PartWork> partsOf(const ScanGrid& grid, int64_t upTo, const DecidedRuns& runs,
                              const std::vector<PassedRun>& passed) {
    std::vector<PartWork> parts;
    size_t b = 0;
    size_t p = 0;
    for (int64_t from = 0; from < upTo || parts.empty(); from += PartSteps) {
        PartWork part{from, std::min(upTo, from + PartSteps), {}, {}, {}};
        const long double end = part.to == grid.n ? INFINITY : grid.at(part.to);
        for (; b < runs.brackets.size() && runs.brackets[b].lower < end; ++b) {
            part.brackets.push_back(runs.brackets[b]);
        }
        while (p < passed.size() && passed[p].last <= part.from) {
            ++p;
        }
        for (size_t q = p; q < passed.size() && passed[q].first < part.to; ++q) {
            part.passed.push_back(passed[q]);
        }
        for (const SettledRun& run : runs.settled) {
            if (run.first < part.to && run.last > part.from) {
                part.settled.push_back(run);
            }
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

// The request's progress over its two phases as one run of the display: the scan's grid points
// first, then the steps searched. The display counts both, in units of two steps where their
// sum exceeds an int.
class RequestProgress final : public ProgressReporter {
public:
    RequestProgress(ProgressReporter& display, int64_t steps)
        : display_(display), steps_(steps), shift_(2 * steps > INT_MAX ? 1 : 0) {
        display_.setTotalSteps(units(2 * steps_));
        display_.setProgress(0);
    }

    void setTotalSteps(int) override {}
    void setProgress(int done) override { display_.setProgress(units(done)); }
    bool wasCancelled() override { return display_.wasCancelled(); }
    void reset() override {}
    void whileWaiting() override { display_.whileWaiting(); }

    void searched(int64_t steps) { display_.setProgress(units(steps_ + steps)); }
    void end() {
        display_.setProgress(units(2 * steps_));
        display_.reset();
    }

private:
    int units(int64_t steps) const { return static_cast<int>(steps >> shift_); }

    ProgressReporter& display_;
    const int64_t steps_;
    const int shift_;
};

bool isRootLike(const Finding& f) {
    return f.kind == FindingKind::Root || f.kind == FindingKind::Identity ||
           f.kind == FindingKind::Plateau || f.kind == FindingKind::Undecided;
}

} // namespace

SearchOutcome searchEquation(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress, const ParallelScanOptions& options) {
    const bool display = progress != nullptr && grid.n > ProgressThreshold;
    std::optional<RequestProgress> phases;
    if (display) {
        phases.emplace(*progress, grid.n);
    }
    const ScanOutcome scan = scanGridForRoots(sides, grid, phases ? &*phases : nullptr, options);
    SearchOutcome out;
    out.lastX = scan.lastX;
    if (scan.cancelled) {
        // The scan's sign changes and zeros so far, to be refined as they stand.
        for (const RootBracket& b : scan.brackets) {
            if (b.kind == BracketKind::SignChange || b.kind == BracketKind::ExactZero ||
                b.kind == BracketKind::SteepRoot || b.kind == BracketKind::Border) {
                out.findings.push_back({b.lower, b.upper, FindingKind::Root, Certainty::Evaluated});
            }
        }
        out.cancelled = true;
        out.scanCancelled = true;
        out.reached = scan.lastX;
        if (phases) {
            phases->end();
        }
        return out;
    }
    int64_t upTo = grid.n;
    if (static_cast<int>(scan.brackets.size()) >= MaxBrackets) {
        out.capReached = true;
        out.listedUpTo = scan.brackets.back().upper;
        upTo = std::min(grid.n, grid.stepOf(out.listedUpTo) + 1);
    }

    const DecidedRuns runs = decideRuns(sides, grid, scan.brackets);
    const std::vector<PartWork> parts = partsOf(grid, upTo, runs, scan.passed);
    std::vector<std::optional<PartOutcome>> outcomes(parts.size());
    std::atomic<int64_t> stepsDone{0};
    const size_t done = runParts(
        parts.size(), options.threads,
        [&](size_t k, const std::atomic<bool>& stop) {
            outcomes[k] = searchPart(sides, grid, parts[k], stop, stepsDone);
            return !outcomes[k]->stopped;
        },
        [&](size_t) {
            if (!phases) {
                return true;
            }
            phases->searched(stepsDone.load(std::memory_order_relaxed));
            phases->whileWaiting();
            if (phases->wasCancelled()) {
                out.cancelled = true;
                return false;
            }
            return true;
        });

    std::vector<Mark> marks;
    size_t markCount = 0;
    for (const std::optional<PartOutcome>& outcome : outcomes) {
        markCount += outcome ? outcome->marks.size() : 0;
    }
    marks.reserve(markCount);
    bool complete = true;
    for (size_t k = 0; k < done; ++k) {
        marks.insert(marks.end(), outcomes[k]->marks.begin(), outcomes[k]->marks.end());
        complete = complete && outcomes[k]->complete && outcomes[k]->proven;
    }
    if (done < parts.size()) {
        // The part the cancel stopped counts up to where it came.
        out.cancelled = true;
        out.reached = grid.at(parts[done].from);
        if (const std::optional<PartOutcome>& stopped = outcomes[done]) {
            marks.insert(marks.end(), stopped->marks.begin(), stopped->marks.end());
            out.reached = stopped->reached;
        }
    }
    out.findings = findingsOf(marks, sides);

    // The list ends after its MaxBrackets-th root.
    int roots = 0;
    for (size_t i = 0; i < out.findings.size(); ++i) {
        if (out.findings[i].kind == FindingKind::Root && ++roots == MaxBrackets) {
            const bool more =
                std::any_of(out.findings.begin() + static_cast<long>(i) + 1, out.findings.end(),
                            [](const Finding& f) { return f.kind == FindingKind::Root; });
            if (more) {
                out.capReached = true;
                out.listedUpTo = out.findings[i].upper;
                out.findings.resize(i + 1);
            }
            break;
        }
    }
    out.provenNoRoot = !out.cancelled && !out.capReached && complete &&
                       std::none_of(out.findings.begin(), out.findings.end(), isRootLike);
    if (phases) {
        phases->end();
    }
    return out;
}
