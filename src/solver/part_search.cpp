#include "solver/part_search.h"

#include "solver/border_search.h"
#include "solver/event_analysis.h"
#include "solver/ordered_values.h"
#include "solver/printed_places.h"
#include "solver/resolved_values.h"
#include "solver/root_refinement.h"
#include "solver/sign_change_narrowing.h"
#include "solver/underflow_as_value.h"
#include "solver/zero_runs.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <variant>

namespace {

constexpr long double GoldenShare = 0.38196601125010515180L; // 2 - golden ratio
// Where |d| is smallest inside a piece is searched for until it is known to within this share
// of the piece: the next split then cuts the piece that holds it this much smaller.
constexpr long double MinimumShare = 1.0L / 64;
// A part is first halved this many times, each half decided whole where one exact enclosure can.
constexpr int CertifyLevels = 8;
// Pieces of at most this many steps where nothing is known of d are cut at the step where their
// grid points change sign, which holds the pole, instead of being halved down to it.
constexpr int64_t SignChangeSplitSteps = 4096;
// At the resolution, d that cannot be told from 0 is flat there only when its enclosure is this
// share of the step's outer |d| or less: a coarser one says no more than that nothing is known.
constexpr long double TouchShare = 0x1p-16L;
// A pole is where |d| beside it has grown beyond this many times the outer |d| of its grid step: a
// bounded function that only swings wider than its step's ends stays far below it.
constexpr long double PoleGrowth = 0x1p20L;
// Where the sides see x as double far from 0, a pole just beside a grid point cannot grow that
// much before the doubles end: there half an order's growth over the distances is asked for,
// and at least this much.
constexpr long double MinPoleGrowth = 16;
// An enclosure that only this many pieces or more could keep away from 0 comes from x entering the
// sides more than once (tan(x)/x near 0), and halving it would exhaust the step's budget: the
// piece's values decide instead.
constexpr long double StallPieces = 64;
constexpr size_t StallSamples = 15;
// What telling a run of exact zeros may cost, in exact enclosures: its halvings' count.
constexpr int ZeroRunCost = 127;

bool usable(const Sample& s) {
    return !s.value.failed && !s.value.skippedDivision && !std::isnan(s.value.d);
}

bool signChange(const Sample& p, const Sample& q) {
    return usable(p) && usable(q) && p.value.d * q.value.d < 0;
}

bool exactZero(const Sample& s) {
    return usable(s) && s.value.d == 0;
}

// |d| where d is usable, infinite ones too.
long double sizeOf(const Sample& s) {
    return usable(s) ? std::fabs(s.value.d) : 0;
}

long double finiteSize(const Sample& s) {
    const long double m = sizeOf(s);
    return std::isfinite(m) ? m : 0;
}

// |d| this share of the sides' sizes or more is clear of their rounding: its sign is d's own.
// A guess, which the exact values at the ends replace where it does not hold.
constexpr long double NoiseShare = 0x1p-40L;

bool clearOfNoise(const Sample& s) {
    return usable(s) &&
           std::fabs(s.value.d) > (std::fabs(s.value.left) + std::fabs(s.value.right)) * NoiseShare;
}

// An enclosure that says how large d is: known and finite; otherwise a pole or a failure may lie
// inside.
bool bounded(const ExactDifference& e) {
    return e.value.known() && !e.value.mayBeInfinite();
}

bool monotone(const ExactDifference& e) {
    return e.cannotFail && e.slope.excludesZero();
}

// A stretch of the part to classify: whole grid steps first ... last - 1, or a piece inside one
// step (first == -1), with d at its ends and, once read, the exact d there.
struct Piece {
    Sample lo;
    Sample hi;
    long double scale; // the outer |d| of the grid step it lies in
    int64_t first = -1;
    int64_t last = -1;
    // The scan tried the computed enclosure over the whole piece already.
    bool scanTried = false;
    // A pole lies at the lower end (-1) or the upper end (+1).
    int poleSide = 0;
    // A root found already lies at the lower end (-1) or the upper end (+1).
    int rootSide = 0;
    std::optional<ExactDifference> exactLo = std::nullopt;
    std::optional<ExactDifference> exactHi = std::nullopt;

    bool wholeSteps() const { return first >= 0; }
};

using Task = std::variant<Piece, Mark>;

class PartSearch {
public:
    PartSearch(const DifferenceSource& sides, const ScanGrid& grid, const PartWork& work,
               const std::atomic<bool>& stop, std::atomic<int64_t>& stepsDone)
        : sides_(sides), values_(sides), narrowingValues_(sides, true), grid_(grid), work_(work),
          stop_(stop), stepsDone_(stepsDone), seesDouble_(sides.seesXAsDouble()),
          exactCost_(sides.exactEnclosureCost()) {}

    PartOutcome run() {
        std::vector<std::pair<int64_t, int64_t>> open;
        certify(work_.from, work_.to, 0, open);
        for (const auto& [from, to] : open) {
            if (!out_.stopped) {
                search(from, to);
            }
        }
        if (!out_.stopped) {
            // The last grid point of the interval belongs to the last part.
            if (work_.to == grid_.n && !open.empty() && open.back().second == work_.to) {
                size_t zero = firstBracketFrom(work_.to);
                emitGridZeros(zero, work_.to + 1);
            }
            out_.reached = grid_.at(work_.to);
        }
        return std::move(out_);
    }

private:
    // Steps from ... to - 1 decided whole by one exact enclosure, or halved CertifyLevels times;
    // what stays open is searched step by step. Stretches with exact zeros at grid points, which
    // the search reports, stay open.
    void certify(int64_t from, int64_t to, int level,
                 std::vector<std::pair<int64_t, int64_t>>& open) {
        if (from >= to) {
            return;
        }
        if (!hasZeros(from, to) && spend(exactCost_)) {
            const ExactDifference e = sides_.encloseExactly(grid_.at(from), grid_.at(to));
            if (e.alwaysFails || e.value.excludesZero()) {
                stepsDone_.fetch_add(to - from, std::memory_order_relaxed);
                return;
            }
        }
        if (level == CertifyLevels || to - from < 2) {
            if (!open.empty() && open.back().second == from) {
                open.back().second = to;
            } else {
                open.emplace_back(from, to);
            }
            return;
        }
        const int64_t middle = from + (to - from) / 2;
        certify(from, middle, level + 1, open);
        certify(middle, to, level + 1, open);
    }

    // Whether exact zeros or a settled run lie at grid points from ... to.
    bool hasZeros(int64_t from, int64_t to) const {
        for (const SettledRun& run : work_.settled) {
            if (run.first <= to && run.last >= from) {
                return true;
            }
        }
        for (size_t k = firstBracketFrom(from);
             k < work_.brackets.size() && work_.brackets[k].lower <= grid_.at(to); ++k) {
            if (work_.brackets[k].kind == BracketKind::ExactZero) {
                return true;
            }
        }
        return false;
    }

    // Steps from ... to - 1: settled runs reported, passed runs skipped, the rest searched, the
    // exact zeros at grid points from ... to - 1 marked.
    void search(int64_t from, int64_t to) {
        size_t zero = firstBracketFrom(from);
        for (int64_t j = from; j < to && !out_.stopped;) {
            emitGridZeros(zero, j + 1);
            const int64_t end = std::min(to, segmentEnd(j));
            const PassedRun* passed = passedAt(j);
            if (const SettledRun* run = settledAt(j)) {
                // A run is reported by the part where it starts.
                if (run->first == j) {
                    out_.marks.push_back(runMark(*run));
                }
            } else if (passed == nullptr || passed->kind != PassedRun::Empty) {
                searchStretch(j, end, zero);
            }
            if (!out_.stopped) {
                stepsDone_.fetch_add(end - j, std::memory_order_relaxed);
            }
            j = end;
        }
    }

    // ---- the part's steps ----

    // Where the segment that starts at step j ends: the end of the settled or passed run there,
    // else the start of the next one, or the part's end.
    int64_t segmentEnd(int64_t j) const {
        if (const SettledRun* run = settledAt(j)) {
            return std::min(run->last, work_.to);
        }
        if (const PassedRun* passed = passedAt(j)) {
            return std::min(passed->last, work_.to);
        }
        int64_t end = work_.to;
        for (const SettledRun& run : work_.settled) {
            if (run.first > j) {
                end = std::min(end, run.first);
            }
        }
        const auto next =
            std::upper_bound(work_.passed.begin(), work_.passed.end(), j,
                             [](int64_t index, const PassedRun& run) { return index < run.first; });
        if (next != work_.passed.end()) {
            end = std::min(end, next->first);
        }
        return end;
    }

    const SettledRun* settledAt(int64_t j) const {
        for (const SettledRun& run : work_.settled) {
            if (run.first <= j && j < run.last) {
                return &run;
            }
        }
        return nullptr;
    }

    const PassedRun* passedAt(int64_t j) const {
        const auto after =
            std::upper_bound(work_.passed.begin(), work_.passed.end(), j,
                             [](int64_t index, const PassedRun& run) { return index < run.first; });
        if (after == work_.passed.begin()) {
            return nullptr;
        }
        const PassedRun& run = *std::prev(after);
        return j < run.last ? &run : nullptr;
    }

    Mark runMark(const SettledRun& run) const {
        const long double lower = grid_.at(run.first);
        const long double upper = grid_.at(run.last);
        Mark m{lower, upper, lower, 0, Mark::Run, Certainty::Proven};
        m.runKind = run.kind;
        return m;
    }

    size_t firstBracketFrom(int64_t j) const {
        const long double x = grid_.at(j);
        return static_cast<size_t>(
            std::lower_bound(work_.brackets.begin(), work_.brackets.end(), x,
                             [](const RootBracket& b, long double v) { return b.lower < v; }) -
            work_.brackets.begin());
    }

    // Exact zeros at grid points before `end`, from bracket index `next` on.
    void emitGridZeros(size_t& next, int64_t end) {
        const long double limit = grid_.at(end);
        for (; next < work_.brackets.size() && work_.brackets[next].lower < limit; ++next) {
            const RootBracket& b = work_.brackets[next];
            if (b.kind == BracketKind::ExactZero) {
                out_.marks.push_back(
                    {b.lower, b.upper, b.lower, 0, Mark::Root, Certainty::Evaluated});
            }
        }
    }

    // Steps from ... to - 1, cut at the exact zeros at their grid points, which are marked; the
    // stretches between them are classified.
    void searchStretch(int64_t from, int64_t to, size_t& zero) {
        for (int64_t start = from; start < to && !out_.stopped;) {
            int64_t cut = to;
            for (size_t k = zero;
                 k < work_.brackets.size() && work_.brackets[k].lower < grid_.at(to); ++k) {
                if (work_.brackets[k].kind == BracketKind::ExactZero) {
                    cut = work_.brackets[k].first;
                    break;
                }
            }
            Piece piece = stepsPiece(start, cut);
            piece.scanTried = true;
            if (start == from && exactZero(piece.lo) && sides_.at(piece.lo.x).failed) {
                out_.marks.push_back(
                    {piece.lo.x, piece.lo.x, piece.lo.x, 0, Mark::Root, Certainty::Proven});
            }
            drain(std::move(piece));
            if (cut < to) {
                emitGridZeros(zero, cut + 1);
            }
            start = cut;
        }
    }

    Piece stepsPiece(int64_t first, int64_t last) {
        Piece p{sample(grid_.at(first)), sample(grid_.at(last)), 0, first, last};
        p.scale = stepScale(p.lo, p.hi);
        return p;
    }

    static long double stepScale(const Sample& lo, const Sample& hi) {
        const long double scale = std::max(finiteSize(lo), finiteSize(hi));
        return scale > 0 ? scale : std::numeric_limits<long double>::infinity();
    }

    // Classifies the piece and all it is split into, in increasing x.
    void drain(Piece piece) {
        // The whole steps of one stretch share a step's budget; each single step has its own.
        stepBudget_ = StepBudget;
        todo_.clear();
        todo_.emplace_back(std::move(piece));
        while (!todo_.empty()) {
            Task task = std::move(todo_.back());
            todo_.pop_back();
            if (Mark* mark = std::get_if<Mark>(&task)) {
                out_.marks.push_back(*mark);
                continue;
            }
            Piece& p = std::get<Piece>(task);
            const long double stepStart = grid_.at(grid_.stepOf(p.lo.x));
            if (stopped()) {
                stopAt(stepStart);
                return;
            }
            const size_t marked = out_.marks.size();
            if (p.wholeSteps()) {
                classifySteps(p);
            } else {
                classifyInside(p);
            }
            if (stopped()) {
                // A stop inside the classification may have cut its budget short: what it
                // found there is dropped, and the piece counts as not searched.
                out_.marks.resize(marked);
                stopAt(stepStart);
                return;
            }
        }
    }

    // Searched up to the grid point where the stopped piece's step starts: a piece inside a step
    // may end a hair below a root it has not reported yet. What was found beyond that point,
    // inside the same step, is left out with the rest, so the marks hold exactly what lies up to
    // the reach.
    void stopAt(long double stepStart) {
        out_.stopped = true;
        out_.complete = false;
        out_.reached = stepStart;
        todo_.clear();
        std::erase_if(out_.marks, [stepStart](const Mark& m) { return m.upper > stepStart; });
    }

    // Pieces are pushed in reverse, so that the leftmost is classified first.
    void push(Piece p) { todo_.emplace_back(std::move(p)); }
    void pushMark(const Mark& m) { todo_.emplace_back(m); }

    // ---- whole grid steps ----

    void classifySteps(Piece& p) {
        if (p.last - p.first == 1) {
            stepBudget_ = StepBudget;
            p.first = -1;
            classifyInside(p);
            return;
        }
        const std::vector<size_t> inside = bracketsInside(p.first, p.last, 2);
        if (inside.size() >= 2) {
            // Sign changes in the noise of d about 0 over many steps: one flat stretch.
            if (!clearOfNoise(p.lo) && !clearOfNoise(p.hi) && flatThroughout(p)) {
                return;
            }
            cutAtStep(p, stepOfBracket(inside.front()));
            return;
        }
        if (!p.scanTried) {
            if (!spend(ComputedEnclosureCost)) {
                undecided(p);
                return;
            }
            const DifferenceEnclosure c = sides_.enclose(p.lo.x, p.hi.x);
            if (c.cannotFail && c.d.excludesZero()) {
                return;
            }
        }
        if (!spend(exactCost_)) {
            undecided(p);
            return;
        }
        const ExactDifference e = sides_.encloseExactly(p.lo.x, p.hi.x);
        if (e.alwaysFails || e.value.excludesZero()) {
            return;
        }
        if (beyondPrecision(p, e)) {
            undecided(p);
            return;
        }
        if (monotone(e) && usable(p.lo) && usable(p.hi)) {
            if (inside.size() == 1) {
                const RootBracket& b = work_.brackets[inside.front()];
                if (b.kind == BracketKind::SteepRoot ||
                    (b.kind == BracketKind::SignChange && clearOfNoise(sample(b.lower)) &&
                     clearOfNoise(sample(b.upper)))) {
                    Mark root{b.lower, b.upper, b.lower, 0, Mark::Root, Certainty::Proven};
                    root.bracket = b.lower < b.upper;
                    out_.marks.push_back(root);
                    return;
                }
            } else if (!signChange(p.lo, p.hi) && monotoneWithoutRoot(p)) {
                return;
            }
        }
        if (inside.size() == 1) {
            cutAtStep(p, stepOfBracket(inside.front()));
            return;
        }
        const int64_t k = !bounded(e) && p.last - p.first <= SignChangeSplitSteps
                              ? signChangeStep(p.first, p.last)
                              : -1;
        if (k >= 0) {
            cutAtStep(p, k);
            return;
        }
        const int64_t middle = p.first + (p.last - p.first) / 2;
        const Sample m = sample(grid_.at(middle));
        Piece right{m, p.hi, p.scale, middle, p.last};
        Piece left{p.lo, m, p.scale, p.first, middle};
        push(std::move(right));
        markUnderflowZero(m);
        push(std::move(left));
    }

    // The scan's brackets of sign changes, steep roots, borders and undecided places inside
    // steps first ... last - 1, at most `most` of them.
    std::vector<size_t> bracketsInside(int64_t first, int64_t last, size_t most) const {
        std::vector<size_t> found;
        const long double lo = grid_.at(first);
        const long double hi = grid_.at(last);
        for (size_t k = firstBracketFrom(first);
             k < work_.brackets.size() && work_.brackets[k].lower < hi && found.size() < most;
             ++k) {
            const RootBracket& b = work_.brackets[k];
            if (b.kind != BracketKind::ExactZero && b.lower >= lo && b.upper <= hi) {
                found.push_back(k);
            }
        }
        return found;
    }

    int64_t stepOfBracket(size_t k) const { return grid_.stepOf(work_.brackets[k].lower); }

    // Cuts whole steps at step k: the steps before it, step k alone, the steps after it.
    void cutAtStep(const Piece& p, int64_t k) {
        k = std::clamp(k, p.first, p.last - 1);
        const Sample a = k == p.first ? p.lo : sample(grid_.at(k));
        const Sample b = k + 1 == p.last ? p.hi : sample(grid_.at(k + 1));
        if (k + 1 < p.last) {
            push(Piece{b, p.hi, p.scale, k + 1, p.last});
            markUnderflowZero(b);
        }
        push(Piece{a, b, stepScale(a, b), k, k + 1});
        if (k > p.first) {
            markUnderflowZero(a);
            push(Piece{p.lo, a, p.scale, p.first, k});
        }
    }

    // A grid point where the evaluator fails only by underflow and the exact function is 0: a
    // root the scan could not see, marked between the pieces it ends and starts.
    void markUnderflowZero(const Sample& s) {
        if (exactZero(s) && sides_.at(s.x).failed) {
            pushMark({s.x, s.x, s.x, 0, Mark::Root, Certainty::Proven});
        }
    }

    // A step of first ... last - 1 whose grid points change sign, by halving between the ends
    // when they do; -1 when they do not.
    int64_t signChangeStep(int64_t i, int64_t j) {
        Sample lo = sample(grid_.at(i));
        if (!signChange(lo, sample(grid_.at(j)))) {
            return -1;
        }
        while (j - i > 1) {
            const int64_t m = i + (j - i) / 2;
            const Sample s = sample(grid_.at(m));
            if (!usable(s) || s.value.d == 0) {
                return -1;
            }
            if ((s.value.d < 0) == (lo.value.d < 0)) {
                i = m;
                lo = s;
            } else {
                j = m;
            }
        }
        return i;
    }

    // ---- inside one step ----

    void classifyInside(Piece& p) {
        if (!spend(exactCost_)) {
            undecided(p);
            return;
        }
        if (exactZero(p.lo) && exactZero(p.hi) && zeroRun(p)) {
            return;
        }
        if (p.rootSide == 0) {
            p.rootSide = rootAt(p.hi) ? 1 : (rootAt(p.lo) ? -1 : 0);
        }
        const ExactDifference e = sides_.encloseExactly(p.lo.x, p.hi.x);
        if (e.alwaysFails || e.value.excludesZero()) {
            return;
        }
        if (beyondPrecision(p, e) && !printedAlike(p.lo.x, p.hi.x)) {
            undecided(p);
            return;
        }
        if (!usable(p.lo) || !usable(p.hi)) {
            atFailingEnd(p);
            return;
        }
        if (p.poleSide != 0 && !bounded(e) && besidePoleWithoutRoot(p)) {
            return;
        }
        if (monotone(e)) {
            if (signChange(p.lo, p.hi)) {
                oneRoot(p);
            } else if (!besideRootAndClear(p) && !monotoneWithoutRoot(p)) {
                towardNoise(p);
            }
            return;
        }
        if (printedAlike(p.lo.x, p.hi.x) && decidedAtPrintedPlaces(p, e)) {
            return;
        }
        // An enclosure without bounds over values that round to neighbouring doubles comes from
        // a library function that sees only those doubles: halving cannot bound it.
        if (atResolution(p.lo.x, p.hi.x, seesDouble_ || !bounded(e))) {
            decideAtResolution(p, e);
            return;
        }
        if (signChange(p.lo, p.hi)) {
            narrow(p);
            return;
        }
        if (bounded(e) && e.cannotFail && stalled(p, e) &&
            (clearBySlope(p, e) || decidedBySamples(p))) {
            return;
        }
        // A pole or failure inside is cornered by halving; a minimum of |d| by a search for it,
        // unless it is the root at an end.
        const Sample s = bounded(e) && p.rootSide == 0 ? minimumOf(p) : sample(middleOf(p));
        if (!(s.x > p.lo.x && s.x < p.hi.x)) {
            undecided(p);
            return;
        }
        split(p, s);
    }

    // A piece with exact zeros at both ends, in a step beside an identity the scan found, where
    // no exact enclosure shows the sides to differ: part of that identity, as where it meets a
    // gap in the domain. Zeros in the noise about a root are left to the search.
    bool zeroRun(const Piece& p) {
        const int64_t step = grid_.stepOf(p.lo.x);
        const bool besideIdentity =
            std::any_of(work_.settled.begin(), work_.settled.end(), [step](const SettledRun& r) {
                return r.kind == FindingKind::Identity && (r.last == step || r.first == step + 1);
            });
        if (!besideIdentity || !spend(exactCost_ * ZeroRunCost) ||
            zeroRunKind(sides_, p.lo.x, p.hi.x) != FindingKind::Identity) {
            return false;
        }
        Mark m{p.lo.x, p.hi.x, p.lo.x, 0, Mark::Run, Certainty::Proven};
        m.runKind = FindingKind::Identity;
        pushMark(m);
        return true;
    }

    // Beside a root found already, a monotone piece whose other end is clear of the noise about 0
    // holds no other root, nor any stretch where d cannot be told from 0.
    static bool besideRootAndClear(const Piece& p) {
        return p.rootSide != 0 && clearOfNoise(p.rootSide > 0 ? p.lo : p.hi);
    }

    // Where the exact function is defined throughout but the evaluator fails at both ends and the
    // exact values there hold no sign, nothing finer will tell more: the precision ends.
    static bool beyondPrecision(const Piece& p, const ExactDifference& e) {
        return !usable(p.lo) && !usable(p.hi) && e.cannotFail && e.value.mayBeZero();
    }

    // Beside a pole, where enclosures take the pole in: d keeps its sign, beyond the step's outer
    // |d| at both ends, and grows toward the pole.
    static bool besidePoleWithoutRoot(const Piece& p) {
        const Sample& atPole = p.poleSide > 0 ? p.hi : p.lo;
        const Sample& away = p.poleSide > 0 ? p.lo : p.hi;
        return !signChange(p.lo, p.hi) && sizeOf(away) > p.scale && sizeOf(atPole) >= sizeOf(away);
    }

    // The enclosure is far wider than d at the ends: where x enters the sides more than once, it
    // narrows only in proportion to the piece, and it would take more than StallPieces pieces to
    // keep it away from 0.
    static bool stalled(const Piece& p, const ExactDifference& e) {
        const long double ends = std::max(finiteSize(p.lo), finiteSize(p.hi));
        return ends > 0 && e.value.hi - e.value.lo > 2 * StallPieces * ends;
    }

    // No root by the mean value theorem: the exact d at both ends of one strict sign, and together
    // larger than the slope's bound times the piece's width, so that d cannot reach 0 between.
    bool clearBySlope(Piece& p, const ExactDifference& e) {
        if (!e.cannotFail || !e.slope.known() || e.slope.mayBeInfinite()) {
            return false;
        }
        const Interval a = exactAt(p.lo, p.exactLo);
        const Interval b = exactAt(p.hi, p.exactHi);
        if (!a.excludesZero() || !b.excludesZero() || (a.lo >= 0) != (b.lo >= 0)) {
            return false;
        }
        const auto least = [](const Interval& v) { return v.lo >= 0 ? v.lo : -v.hi; };
        const long double reach = e.slope.magnitude() * (p.hi.x - p.lo.x) * (1 + 0x1p-50L);
        return least(a) + least(b) > reach;
    }

    // Whether whole steps are flat: the exact d cannot be told from 0 at either end, nor the
    // computed one anywhere between, as far as points spread over them show; marked so.
    bool flatThroughout(Piece& p) {
        // Defined throughout: a grid point where the sides fail is a gap, not part of the flat.
        if (!spend(exactCost_) || !sides_.encloseExactly(p.lo.x, p.hi.x).cannotFail) {
            return false;
        }
        const Interval a = exactAt(p.lo, p.exactLo);
        const Interval b = exactAt(p.hi, p.exactHi);
        if (!a.known() || !b.known() || a.excludesZero() || b.excludesZero()) {
            return false;
        }
        const long double noiseSize = 4 * std::max(a.magnitude(), b.magnitude());
        for (const long double x : samplePoints(p, true)) {
            const Sample s = sample(x);
            if (!usable(s) || std::fabs(s.value.d) > noiseSize) {
                return false;
            }
        }
        out_.proven = false;
        flat(p);
        return true;
    }

    // A stalled piece decided by its values. No root where the exact d at both ends holds one
    // strict sign, the exact slopes there show no turn, and |d| at points spread over the piece's
    // values and closing in on its smaller end falls toward that end, within the ends' noise;
    // flat where the exact d at both ends cannot be told from 0 and no point leaves that noise.
    // Such a decision is no proof.
    bool decidedBySamples(Piece& p) {
        const ExactDifference& ra = readingAt(p.lo, p.exactLo);
        const ExactDifference& rb = readingAt(p.hi, p.exactHi);
        const Interval a = ra.value;
        const Interval b = rb.value;
        const bool away = a.excludesZero() && b.excludesZero() && (a.lo > 0) == (b.lo > 0);
        const bool noise = a.known() && b.known() && a.mayBeZero() && b.mayBeZero();
        if (!away && !noise) {
            return splitAtNoise(p, a, b);
        }
        const bool turns = ra.slope.excludesZero() && rb.slope.excludesZero() &&
                           (ra.slope.lo >= 0) != (rb.slope.lo >= 0);
        if (away && turns) {
            return false;
        }
        const long double tolerance = 2 * std::max(a.hi - a.lo, b.hi - b.lo);
        const long double noiseSize = 4 * std::max(a.magnitude(), b.magnitude());
        const long double sign = a.lo >= 0 ? 1 : -1;
        const bool smallerAbove = sizeOf(p.hi) <= sizeOf(p.lo);
        std::vector<long double> xs = samplePoints(p, smallerAbove);
        // From the larger end toward the smaller one, |d| must not grow beyond the noise.
        long double previous = sizeOf(smallerAbove ? p.lo : p.hi);
        for (const long double x : xs) {
            const Sample s = sample(x);
            const bool keeps =
                away ? usable(s) && sign * s.value.d > 0 && sizeOf(s) <= previous + tolerance
                     : usable(s) && std::fabs(s.value.d) <= noiseSize;
            if (!keeps) {
                return false;
            }
            previous = std::min(previous, sizeOf(s));
        }
        out_.proven = false;
        if (noise) {
            flat(p);
        }
        return true;
    }

    // Points inside the piece, from its larger end toward the smaller: StallSamples spread over
    // its values, then as many closing in on the smaller end, each half as far from it.
    std::vector<long double> samplePoints(const Piece& p, bool smallerAbove) const {
        std::vector<long double> xs{p.lo.x, p.hi.x};
        while (xs.size() < StallSamples + 2) {
            std::vector<long double> finer{xs.front()};
            for (size_t i = 1; i < xs.size(); ++i) {
                const long double m = splitPoint(xs[i - 1], xs[i]);
                if (m > xs[i - 1] && m < xs[i]) {
                    finer.push_back(m);
                }
                finer.push_back(xs[i]);
            }
            if (finer.size() == xs.size()) {
                break;
            }
            xs = std::move(finer);
        }
        xs.erase(xs.begin());
        xs.pop_back();
        const long double end = smallerAbove ? p.hi.x : p.lo.x;
        long double gap = (p.hi.x - p.lo.x) / (StallSamples + 1);
        for (size_t i = 0; i < StallSamples; ++i) {
            gap /= 2;
            const long double x = smallerAbove ? end - gap : end + gap;
            if (x > p.lo.x && x < p.hi.x) {
                xs.push_back(x);
            }
        }
        std::sort(xs.begin(), xs.end());
        if (!smallerAbove) {
            std::reverse(xs.begin(), xs.end());
        }
        return xs;
    }

    // A stalled piece with one end where the exact d keeps away from 0 and one where it cannot be
    // told from 0 is cut where that changes, found by halving with exact readings to the printed
    // places; both parts are decided by their values in turn.
    bool splitAtNoise(Piece& p, const Interval& a, const Interval& b) {
        const bool awayBelow = a.excludesZero() && b.known() && b.mayBeZero();
        const bool awayAbove = b.excludesZero() && a.known() && a.mayBeZero();
        if (!awayBelow && !awayAbove) {
            return false;
        }
        long double away = awayBelow ? p.lo.x : p.hi.x;
        long double noise = awayBelow ? p.hi.x : p.lo.x;
        ExactDifference awayReading = awayBelow ? *p.exactLo : *p.exactHi;
        ExactDifference noiseReading = awayBelow ? *p.exactHi : *p.exactLo;
        while (!printedAlike(away, noise) && !atResolution(away, noise, seesDouble_)) {
            const long double m = splitPoint(away, noise);
            if (!spend(exactCost_)) {
                return false;
            }
            const ExactDifference r = sides_.encloseExactly(m, m);
            if (r.value.excludesZero()) {
                if ((r.value.lo >= 0) != (awayReading.value.lo >= 0)) {
                    // The exact d changes sign on the way: there is a root to search for.
                    return false;
                }
                away = m;
                awayReading = r;
            } else {
                noise = m;
                noiseReading = r;
            }
        }
        const Sample cut = sample(away);
        Piece right{cut, p.hi, p.scale};
        Piece left{p.lo, cut, p.scale};
        left.exactLo = p.exactLo;
        left.exactHi = awayReading;
        right.exactLo = awayReading;
        right.exactHi = p.exactHi;
        if (!(cut.x > p.lo.x && cut.x < p.hi.x)) {
            return false;
        }
        push(std::move(right));
        push(std::move(left));
        return true;
    }

    long double middleOf(const Piece& p) const {
        return resolvedSplit(p.lo.x, p.hi.x, seesDouble_);
    }

    // Cuts the piece at s, an exact zero there marked as a root.
    void split(const Piece& p, const Sample& s) {
        const bool root = exactZero(s) && !noiseZero(s);
        Piece right{s, p.hi, p.scale};
        right.exactHi = p.exactHi;
        right.poleSide = p.poleSide > 0 ? 1 : 0;
        right.rootSide = root ? -1 : (p.rootSide > 0 ? 1 : 0);
        Piece left{p.lo, s, p.scale};
        left.exactLo = p.exactLo;
        left.poleSide = p.poleSide < 0 ? -1 : 0;
        left.rootSide = root ? 1 : (p.rootSide < 0 ? -1 : 0);
        push(std::move(right));
        if (root) {
            pushMark({s.x, s.x, s.x, 0, Mark::Root, Certainty::Evaluated});
        }
        push(std::move(left));
    }

    // A monotone piece whose ends do not change sign: no root when the exact values at both
    // ends hold one strict sign, or when one end is a root, an exact zero the exact value bears
    // out, and the other is away from 0. A zero of the computed d that is noise is no root: the
    // exact values at the ends decide.
    bool monotoneWithoutRoot(Piece& p) {
        const Interval a = exactAt(p.lo, p.exactLo);
        const Interval b = exactAt(p.hi, p.exactHi);
        if ((rootAt(p.lo) && b.excludesZero()) || (rootAt(p.hi) && a.excludesZero())) {
            return true;
        }
        return a.excludesZero() && b.excludesZero() && (a.lo > 0) == (b.lo > 0);
    }

    // A monotone piece without a sign change where an end cannot be told from 0: flat where both
    // ends cannot, else halved toward the end that cannot.
    void towardNoise(Piece& p) {
        const Interval a = exactAt(p.lo, p.exactLo);
        const Interval b = exactAt(p.hi, p.exactHi);
        if (a.known() && b.known() && a.mayBeZero() && b.mayBeZero()) {
            flat(p);
            return;
        }
        const Sample s = sample(middleOf(p));
        const bool finest = atResolution(p.lo.x, p.hi.x, seesDouble_) ||
                            printedAlike(p.lo.x, p.hi.x) || !(s.x > p.lo.x && s.x < p.hi.x);
        if (finest) {
            // Nothing finer to tell: d is flat at the end that cannot be told from 0 alone.
            const Sample& noise = a.mayBeZero() ? p.lo : p.hi;
            flat(Piece{noise, noise, p.scale});
            return;
        }
        split(p, s);
    }

    Interval exactAt(const Sample& end, std::optional<ExactDifference>& cached) {
        return readingAt(end, cached).value;
    }

    // The exact d and its slope at the end of a piece, read once.
    const ExactDifference& readingAt(const Sample& end, std::optional<ExactDifference>& cached) {
        if (!cached) {
            spendEvaluations(exactCost_);
            cached = sides_.encloseExactly(end.x, end.x);
        }
        return *cached;
    }

    // A sign change of the computed d between a and b that the exact values there, of one strict
    // sign, show to be the noise of d about 0 and no root.
    bool noiseBetween(const Sample& a, const Sample& b) {
        if (clearOfNoise(a) && clearOfNoise(b)) {
            return false;
        }
        std::optional<ExactDifference> none;
        const Interval ea = exactAt(a, none);
        none.reset();
        const Interval eb = exactAt(b, none);
        return ea.excludesZero() && eb.excludesZero() && (ea.lo >= 0) == (eb.lo >= 0);
    }

    // An exact zero of the computed d where the exact value is away from 0 is noise.
    // A grid point or cut where d is exactly 0 and the exact d cannot be told from it.
    bool rootAt(const Sample& s) { return exactZero(s) && !noiseZero(s); }

    bool noiseZero(const Sample& s) {
        std::optional<ExactDifference> none;
        return exactAt(s, none).excludesZero();
    }

    // A proven single root: a gentle sign change across a whole grid step stays a bracket for
    // the refinement, as the scan's are; any other is narrowed here.
    void oneRoot(Piece& p) {
        if (!clearOfNoise(p.lo) || !clearOfNoise(p.hi)) {
            // The sign change may be the noise of d about 0: the exact values at the ends decide.
            const Interval a = exactAt(p.lo, p.exactLo);
            const Interval b = exactAt(p.hi, p.exactHi);
            if (a.excludesZero() && b.excludesZero() && (a.lo >= 0) == (b.lo >= 0)) {
                return;
            }
            if (!a.excludesZero() || !b.excludesZero()) {
                towardNoise(p);
                return;
            }
        }
        Mark root{p.lo.x, p.hi.x, p.lo.x, 0, Mark::Root, Certainty::Proven};
        root.bracket = true;
        if (scanSignChange(p)) {
            out_.marks.push_back(root);
            return;
        }
        const NarrowedSignChange n = narrowSignChange(narrowingValues_, p.lo, p.hi);
        narrowingValues_.takeExactReadings();
        if (n.kind == SignChangeKind::Undecided) {
            out_.marks.push_back(root);
            return;
        }
        out_.marks.push_back({n.lo.x, n.hi.x, n.root, 0, Mark::Root, Certainty::Proven});
    }

    // Whether the piece is a sign change the scan recorded as it stands, from grid point to grid
    // point: the refinement settles it, on the evaluator's own values as the scan saw them.
    bool scanSignChange(const Piece& p) const {
        for (size_t k = firstBracketFrom(grid_.stepOf(p.lo.x));
             k < work_.brackets.size() && work_.brackets[k].lower <= p.lo.x; ++k) {
            const RootBracket& b = work_.brackets[k];
            if (b.kind == BracketKind::SignChange && b.lower == p.lo.x && b.upper == p.hi.x) {
                return true;
            }
        }
        return false;
    }

    // A sign change in a piece that may hold more: narrowed to a root, a pole or a jump, and
    // the rest of the piece on either side classified in turn.
    void narrow(const Piece& p) {
        const NarrowedSignChange n = narrowSignChange(narrowingValues_, p.lo, p.hi);
        spendEvaluations(n.evaluations + exactCost_ * narrowingValues_.takeExactReadings());
        switch (n.kind) {
        case SignChangeKind::Undecided:
            if (n.lo.x == p.lo.x && n.hi.x == p.hi.x) {
                const Sample s = sample(middleOf(p));
                if (!(s.x > p.lo.x && s.x < p.hi.x)) {
                    undecided(p);
                    return;
                }
                split(p, s);
                return;
            }
            beside(p, n.lo, n.hi, std::nullopt, true);
            return;
        case SignChangeKind::Root:
            if (n.lo.x == n.hi.x) {
                beside(p, n.lo, n.hi,
                       noiseZero(n.lo)
                           ? std::nullopt
                           : std::optional<Mark>(
                                 Mark{n.root, n.root, n.root, 0, Mark::Root, Certainty::Evaluated}),
                       false);
                return;
            }
            beside(p, n.lo, n.hi,
                   classifySignChange(p.scale, std::max(sizeOf(n.lo), sizeOf(n.hi))) ==
                               SignChangeKind::Root &&
                           !(clearOfNoise(p.lo) && clearOfNoise(p.hi) ? false
                                                                      : noiseBetween(n.lo, n.hi))
                       ? std::optional<Mark>(
                             Mark{n.lo.x, n.hi.x, n.root, 0, Mark::Root, Certainty::Evaluated})
                       : std::nullopt,
                   false);
            return;
        case SignChangeKind::Jump:
            beside(p, n.lo, n.hi, std::nullopt, false);
            return;
        case SignChangeKind::Pole:
            if (std::min(sizeOf(n.lo), sizeOf(n.hi)) > p.scale) {
                closeInOnPole(p, n.lo, n.hi);
                return;
            }
            // Grown only beside the narrowing's own ends, not beyond the step's: a sign change in
            // the noise of d about 0 is a root, searched on beside.
            beside(p, n.lo, n.hi, std::nullopt, true);
            return;
        }
    }

    // The pieces of p on either side of [a, b], and what lies between them: a mark, or, when
    // `searchBetween`, the piece [a, b] itself.
    void beside(const Piece& p, const Sample& a, const Sample& b, const std::optional<Mark>& mark,
                bool searchBetween) {
        const bool pole = mark && mark->kind == Mark::Pole;
        const bool root = mark && mark->kind == Mark::Root;
        if (b.x < p.hi.x) {
            Piece right{b, p.hi, p.scale};
            right.exactHi = p.exactHi;
            right.poleSide = pole ? -1 : (p.poleSide > 0 ? 1 : 0);
            right.rootSide = root ? -1 : (p.rootSide > 0 ? 1 : 0);
            push(std::move(right));
        }
        if (searchBetween && a.x < b.x) {
            push(Piece{a, b, p.scale});
        } else if (mark) {
            pushMark(*mark);
        }
        if (p.lo.x < a.x) {
            Piece left{p.lo, a, p.scale};
            left.exactLo = p.exactLo;
            left.poleSide = pole ? 1 : (p.poleSide < 0 ? -1 : 0);
            left.rootSide = root ? 1 : (p.rootSide < 0 ? -1 : 0);
            push(std::move(left));
        }
    }

    // A pole, as the narrowing reads it, closed in on by halving to the resolution, its sign
    // change kept; the pieces beside it are classified in turn.
    void closeInOnPole(const Piece& p, Sample left, Sample right) {
        while (!atResolution(left.x, right.x, seesDouble_)) {
            const long double x = middleOf(Piece{left, right, p.scale});
            const Sample m = sample(x);
            if (!usable(m) || !(x > left.x && x < right.x) || stopped()) {
                // A failing point inside: the piece between is searched as any other.
                beside(p, left, right, std::nullopt, true);
                return;
            }
            ((m.value.d < 0) == (left.value.d < 0) ? left : right) = m;
        }
        if (seesDouble_) {
            // The sides see the doubles these round to, so that the pieces beside end there.
            left.x = std::max(p.lo.x, static_cast<long double>(static_cast<double>(left.x)));
            right.x = std::min(p.hi.x, static_cast<long double>(static_cast<double>(right.x)));
        }
        if (left.x == p.lo.x && right.x == p.hi.x) {
            undecided(p);
            return;
        }
        // At the resolution the sign change is a pole only where |d| grew beyond the step's
        // outer |d| on both sides; else it closed in on a root, or is a jump.
        std::optional<Mark> mark;
        const long double smaller = std::min(sizeOf(left), sizeOf(right));
        const long double larger = std::max(sizeOf(left), sizeOf(right));
        if (grewToPole(smaller, p.scale, left.x, right.x)) {
            mark = Mark{left.x,  right.x,    left.x + (right.x - left.x) / 2,
                        smaller, Mark::Pole, Certainty::Evaluated};
        } else if (classifySignChange(p.scale, larger) == SignChangeKind::Root) {
            const Sample& root = sizeOf(left) <= sizeOf(right) ? left : right;
            mark = Mark{left.x, right.x, root.x, sizeOf(root), Mark::Root, Certainty::Evaluated};
        }
        beside(p, left, right, mark, false);
    }

    // Whether |d| grown to `size` on both sides of lower ... upper, at the resolution, is a pole.
    // A pole of order n grows by (D / w)^n from the nearer grid point of its step, at distance D,
    // to the width w; half an order of that is asked for, between MinPoleGrowth and PoleGrowth.
    bool grewToPole(long double size, long double scale, long double lower,
                    long double upper) const {
        const int64_t k = grid_.stepOf(lower);
        const long double middle = lower + (upper - lower) / 2;
        const long double near = std::min(middle - grid_.at(k), grid_.at(k + 1) - middle);
        const long double width = std::max(upper - lower, std::numeric_limits<long double>::min());
        const long double growth =
            std::clamp(std::sqrt(std::max(near, 0.0L) / width), MinPoleGrowth, PoleGrowth);
        return size > scale * growth;
    }

    // Nothing the sides tell apart lies between the ends: a sign change is a root, a pole or a
    // jump as the narrowing reads it; without one, d that cannot be told from 0 is flat there,
    // and growth without bound on both sides is a pole.
    void decideAtResolution(Piece& p, const ExactDifference& e) {
        const Sample& smaller = sizeOf(p.lo) <= sizeOf(p.hi) ? p.lo : p.hi;
        if (signChange(p.lo, p.hi)) {
            const long double larger = std::max(sizeOf(p.lo), sizeOf(p.hi));
            if (classifySignChange(p.scale, larger) == SignChangeKind::Root) {
                if (!noiseBetween(p.lo, p.hi)) {
                    out_.marks.push_back({p.lo.x, p.hi.x, smaller.x, sizeOf(smaller), Mark::Root,
                                          Certainty::Evaluated});
                }
            } else if (grewToPole(sizeOf(smaller), p.scale, p.lo.x, p.hi.x)) {
                // Grown beyond the step's outer |d| on both sides: a pole, not a jump.
                out_.marks.push_back({p.lo.x, p.hi.x, p.lo.x + (p.hi.x - p.lo.x) / 2,
                                      sizeOf(smaller), Mark::Pole, Certainty::Evaluated});
            }
            return;
        }
        if (!bounded(e)) {
            if (grewToPole(sizeOf(smaller), p.scale, p.lo.x, p.hi.x)) {
                out_.marks.push_back({p.lo.x, p.hi.x, p.lo.x + (p.hi.x - p.lo.x) / 2,
                                      sizeOf(smaller), Mark::Pole, Certainty::Evaluated});
            }
            return;
        }
        if (!e.value.mayBeZero()) {
            return;
        }
        // The exact values at the ends tell a touch between them from a near miss.
        const ExactDifference& a = readingAt(p.lo, p.exactLo);
        const ExactDifference& b = readingAt(p.hi, p.exactHi);
        if (!a.value.known() || !b.value.known()) {
            if (e.value.magnitude() <= p.scale * TouchShare) {
                flat(p, false);
            } else {
                undecided(p);
            }
            return;
        }
        if (a.value.mayBeZero() || b.value.mayBeZero()) {
            if (std::min(sizeOf(p.lo), sizeOf(p.hi)) <= p.scale * TouchShare) {
                flat(p);
            }
            return;
        }
        if ((a.value.lo > 0) != (b.value.lo > 0)) {
            out_.marks.push_back({p.lo.x, p.hi.x, p.lo.x, 0, Mark::Root, Certainty::Resolution});
            return;
        }
        const bool turns = a.slope.excludesZero() && b.slope.excludesZero() &&
                           (a.slope.lo >= 0) != (b.slope.lo >= 0);
        if (turns && e.value.magnitude() <= p.scale * TouchShare) {
            flat(p);
        }
    }

    // Nothing finer can be told apart in print: a sign change is a root, a pole or a jump. Without
    // one, d that cannot be told from 0 at an end is flat there; the exact values of opposite
    // signs at the ends are a root; of one sign, with slopes that do not turn, no root. Where the
    // slopes turn, d may touch 0 inside, and the piece is searched on: false.
    bool decidedAtPrintedPlaces(Piece& p, const ExactDifference& e) {
        if (signChange(p.lo, p.hi)) {
            decideAtResolution(p, e);
            return true;
        }
        const ExactDifference& a = readingAt(p.lo, p.exactLo);
        const ExactDifference& b = readingAt(p.hi, p.exactHi);
        if (!a.value.known() || !b.value.known()) {
            return false;
        }
        if (a.value.mayBeZero() || b.value.mayBeZero()) {
            // Flat over the piece where neither end can be told from 0, else at the end that
            // cannot. An exact value that cannot be told from 0 beside a large computed one says
            // only that the reading is coarse.
            if (std::min(sizeOf(p.lo), sizeOf(p.hi)) > p.scale * TouchShare) {
                out_.proven = false;
            } else if (a.value.mayBeZero() && b.value.mayBeZero()) {
                flat(p);
            } else {
                const Sample& noise = a.value.mayBeZero() ? p.lo : p.hi;
                flat(Piece{noise, noise, p.scale});
            }
            return true;
        }
        if ((a.value.lo > 0) != (b.value.lo > 0)) {
            out_.marks.push_back({p.lo.x, p.hi.x, p.lo.x, 0, Mark::Root, Certainty::Resolution});
            return true;
        }
        if (clearBySlope(p, e)) {
            return true;
        }
        const bool turns = a.slope.excludesZero() && b.slope.excludesZero() &&
                           (a.slope.lo >= 0) != (b.slope.lo >= 0);
        if (turns) {
            return false;
        }
        if (bounded(e) && e.value.mayBeZero() && e.value.magnitude() <= p.scale * TouchShare) {
            flat(p, false);
        } else {
            out_.proven = false;
        }
        return true;
    }

    // d cannot be told from 0 over the piece: by the exact values at its ends (byExactValues), or
    // only by the computed ones and a coarse enclosure.
    void flat(const Piece& p, bool byExactValues = true) {
        const Sample& smaller = sizeOf(p.lo) <= sizeOf(p.hi) ? p.lo : p.hi;
        Mark m{p.lo.x, p.hi.x, smaller.x, sizeOf(smaller), Mark::Flat, Certainty::Resolution};
        m.byExactValues = byExactValues;
        out_.marks.push_back(m);
    }

    // A piece with an end where the sides fail: between two failing ends it is halved; beside a
    // defined end the border is searched for, and marked as an edge where d may tend to 0.
    void atFailingEnd(const Piece& p) {
        const bool finest =
            atResolution(p.lo.x, p.hi.x, seesDouble_) || printedAlike(p.lo.x, p.hi.x);
        if (!usable(p.lo) && !usable(p.hi)) {
            if (finest) {
                return;
            }
            const Sample s = sample(middleOf(p));
            if (!(s.x > p.lo.x && s.x < p.hi.x)) {
                return;
            }
            split(p, s);
            return;
        }
        const bool failingBelow = !usable(p.lo);
        const Sample& valid = failingBelow ? p.hi : p.lo;
        const Sample& failing = failingBelow ? p.lo : p.hi;
        if (finest) {
            out_.marks.push_back(edge(failing.x, valid, false, p.scale, failingBelow));
            return;
        }
        // The border to the last value, and whether d tends to 0 there; the edge reaches as far
        // from the failing value as the printed places tell, and |d| there says whether it is a
        // pole, however the last values beside it read.
        const BorderFinding border = searchBorder(values_, valid, failing.x, true);
        spendEvaluations(border.evaluations);
        long double near = printedNeighbour(border.failedX, valid.x);
        if (failingBelow ? near < border.rootX : near > border.rootX) {
            near = border.rootX;
        }
        const Sample nearSample = sample(near);
        const Sample gone = sample(border.failedX);
        // An exact zero at the valid end is a root of its own, reported where it lies.
        Mark edgeMark = edge(border.failedX, nearSample, border.root && !exactZero(valid), p.scale,
                             failingBelow);
        edgeMark.x = border.rootX;
        if (!usable(nearSample)) {
            edgeMark.size = 0;
            edgeMark.beyondScale = false;
        } else if (edgeMark.beyondScale) {
            // Rounding that grows toward a gap, as in (x^2-1)/(x-1) beside 1, is no pole: beside
            // a pole the exact d is as large as the computed one.
            edgeMark.beyondScale = exactlyBeyond(nearSample, p.scale * PoleGrowth);
        }
        if (failingBelow) {
            if (nearSample.x < p.hi.x) {
                push(Piece{nearSample, p.hi, p.scale});
            }
            pushMark(edgeMark);
            if (p.lo.x < gone.x) {
                push(Piece{p.lo, gone, p.scale});
            }
        } else {
            if (gone.x < p.hi.x) {
                push(Piece{gone, p.hi, p.scale});
            }
            pushMark(edgeMark);
            if (p.lo.x < nearSample.x) {
                push(Piece{p.lo, nearSample, p.scale});
            }
        }
    }

    // Whether |d| at s is exactly beyond bound, where the exact reading there tells.
    bool exactlyBeyond(const Sample& s, long double bound) {
        if (!spend(exactCost_)) {
            return true;
        }
        const Interval e = sides_.encloseExactly(s.x, s.x).value;
        if (!e.known()) {
            return true;
        }
        return e.lo > bound || e.hi < -bound;
    }

    static Mark edge(long double failingX, const Sample& valid, bool tendsToZero, long double scale,
                     bool failingBelow) {
        Mark m{failingBelow ? failingX : valid.x,
               failingBelow ? valid.x : failingX,
               valid.x,
               sizeOf(valid),
               failingBelow ? Mark::EdgeAbove : Mark::EdgeBelow,
               Certainty::Evaluated};
        m.tendsToZero = tendsToZero;
        m.beyondScale = sizeOf(valid) > scale * PoleGrowth;
        m.fallen = sizeOf(valid) <= scale * RootFall;
        m.negative = usable(valid) && valid.value.d < 0;
        return m;
    }

    // Where to split a piece without a sign change: the smallest |d| a golden-section search
    // finds, or the first point of the other sign or that fails; the middle when the search
    // closes in on an end. A piece across many binades is halved by its count of values, which
    // reaches a place near 0 in a few dozen halvings where the search would crawl.
    Sample minimumOf(const Piece& p) {
        const bool oneBinade =
            (p.lo.x > 0 && p.hi.x <= 2 * p.lo.x) || (p.hi.x < 0 && p.lo.x >= 2 * p.hi.x);
        if (!oneBinade) {
            return sample(middleOf(p));
        }
        const long double sign = p.lo.value.d < 0 ? -1 : 1;
        const long double nearEnd = (p.hi.x - p.lo.x) / 8;
        const long double known = (p.hi.x - p.lo.x) * MinimumShare;
        Sample a = p.lo;
        Sample c = p.hi;
        const Sample middle = sample(middleOf(p));
        Sample b = middle;
        while (c.x - a.x > known && usable(b) && sign * b.value.d > 0) {
            if (c.x - a.x < nearEnd && (a.x == p.lo.x || c.x == p.hi.x)) {
                return middle;
            }
            const bool rightIsWider = c.x - b.x > b.x - a.x;
            const long double x =
                rightIsWider ? b.x + GoldenShare * (c.x - b.x) : b.x - GoldenShare * (b.x - a.x);
            if (!(x > a.x && x < c.x) || x == b.x) {
                break;
            }
            const Sample s = sample(x);
            if (!usable(s) || sign * s.value.d <= 0) {
                return s;
            }
            if (std::fabs(s.value.d) < std::fabs(b.value.d)) {
                (x > b.x ? a : c) = b;
                b = s;
            } else {
                (x > b.x ? c : a) = s;
            }
        }
        return b;
    }

    // ---- budgets and marks ----

    Sample sample(long double x) {
        const Sample s = sampleAt(values_, x);
        spendEvaluations(1 + exactCost_ * values_.takeExactReadings());
        return s;
    }

    void spendEvaluations(int64_t cost) {
        partBudget_ -= cost;
        stepBudget_ -= cost;
    }

    // Spends cost when both budgets can afford it.
    bool spend(int64_t cost) {
        if (partBudget_ < cost || stepBudget_ < cost || stopped()) {
            return false;
        }
        spendEvaluations(cost);
        return true;
    }

    bool stopped() const { return stop_.load(std::memory_order_relaxed); }

    // A piece left undecided keeps the sign changes of d the evaluator shows in it: each is
    // refined as the list's roots are, and kept where it settles on a root; only the rest of the
    // piece stays undecided.
    void undecided(const Piece& p) {
        out_.complete = false;
        long double from = p.lo.x;
        if (!p.wholeSteps()) {
            if (signChange(p.lo, p.hi) && evaluatedRoot(p.lo.x, p.hi.x)) {
                return;
            }
        } else {
            for (size_t k = firstBracketFrom(p.first);
                 k < work_.brackets.size() && work_.brackets[k].lower < p.hi.x; ++k) {
                const RootBracket& b = work_.brackets[k];
                if (b.upper > p.hi.x || !scanRoot(b.kind)) {
                    continue;
                }
                undecidedMark(from, b.lower);
                if (b.kind != BracketKind::SignChange) {
                    Mark root{b.lower, b.upper, b.lower, 0, Mark::Root, Certainty::Evaluated};
                    root.bracket = b.lower < b.upper;
                    out_.marks.push_back(root);
                } else if (!evaluatedRoot(b.lower, b.upper)) {
                    undecidedMark(b.lower, b.upper);
                }
                from = b.upper;
            }
        }
        undecidedMark(from, p.hi.x);
    }

    static bool scanRoot(BracketKind kind) {
        return kind == BracketKind::SignChange || kind == BracketKind::SteepRoot ||
               kind == BracketKind::Touch || kind == BracketKind::Border;
    }

    bool evaluatedRoot(long double lower, long double upper) {
        const NarrowedSignChange n = refineSignChange(sides_, lower, upper);
        if (n.kind != SignChangeKind::Root) {
            return false;
        }
        out_.marks.push_back({n.lo.x, n.hi.x, n.root, 0, Mark::Root, Certainty::Evaluated});
        return true;
    }

    void undecidedMark(long double lower, long double upper) {
        if (lower < upper) {
            out_.marks.push_back({lower, upper, lower, 0, Mark::Undecided, Certainty::Resolution});
        }
    }

    const DifferenceSource& sides_;
    const UnderflowAsValue values_;
    const UnderflowAsValue narrowingValues_;
    const ScanGrid& grid_;
    const PartWork& work_;
    const std::atomic<bool>& stop_;
    std::atomic<int64_t>& stepsDone_;
    const bool seesDouble_;
    const int64_t exactCost_;
    int64_t partBudget_ = PartBudget;
    int64_t stepBudget_ = StepBudget;
    std::vector<Task> todo_;
    PartOutcome out_;
};

} // namespace

PartOutcome searchPart(const DifferenceSource& sides, const ScanGrid& grid, const PartWork& work,
                       const std::atomic<bool>& stop, std::atomic<int64_t>& stepsDone) {
    return PartSearch(sides, grid, work, stop, stepsDone).run();
}
