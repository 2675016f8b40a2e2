#include "solver/hidden_roots.h"

#include "solver/ordered_values.h"
#include "solver/sign_change_narrowing.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <iterator>
#include <limits>
#include <mutex>
#include <thread>
#include <utility>

namespace {

constexpr long double GoldenShare = 0.38196601125010515180L; // 2 - golden ratio
// Where |d| is smallest inside a piece is searched for until it is known to within this share
// of the piece: the next split then cuts the piece that holds it this much smaller.
constexpr long double MinimumShare = 1.0L / 64;
// The grid steps of one part of the search, searched by one thread within its own budget:
// parts of a fixed size keep the findings the same whatever the number of threads.
constexpr int64_t PartSteps = int64_t{1} << 21;
// Stretches of at most this many steps where nothing is known of d are split where their grid
// points change sign.
constexpr int64_t SignChangeSplitSteps = 4096;
// The waiting thread wakes this often to report progress and ask for a cancel.
constexpr std::chrono::milliseconds PollInterval(20);
// A touch needs an enclosure of d on the finest piece within this share of the step's outer
// |d|: a coarser one says no more than that the sides' precision is spent.
constexpr long double TouchShare = 0x1p-16L;
// Two findings this many resolution steps apart or closer are one: sign changes in the noise
// of d about a root, where exact readings stand in for failed evaluations, lie within a few
// hundred steps; distinct roots this close would print alike anyway.
constexpr long double SameFinding = 65536;

// d stays below the smallest normal long double: its precision is gone, and halving cannot
// tell more.
bool belowEveryValue(const ExactDifference& e) {
    return e.cannotFail && e.value.known() &&
           e.value.magnitude() <= std::numeric_limits<long double>::min();
}

// a < b lie on one side of 0, within a factor of two of each other.
bool withinOneBinade(long double a, long double b) {
    return (a > 0 && b <= 2 * a) || (b < 0 && a >= 2 * b);
}

bool usable(const Sample& s) {
    return !s.value.failed && !s.value.skippedDivision && !std::isnan(s.value.d);
}

bool searchable(const Sample& s) {
    return !s.value.failed && !std::isnan(s.value.d);
}

bool signChange(const Sample& p, const Sample& q) {
    return usable(p) && usable(q) && p.value.d * q.value.d < 0;
}

long double finiteSize(const Sample& s) {
    const long double m = std::fabs(s.value.d);
    return usable(s) && std::isfinite(m) ? m : 0;
}

// |d| where d is usable, infinite ones too: what tells a pole.
long double sizeOf(const Sample& s) {
    return usable(s) ? std::fabs(s.value.d) : 0;
}

// The sides with an underflow taken as the value it is: where the evaluator fails, the exact
// function's value stands in when the exact function cannot fail there and a normal long
// double holds its enclosure. Counts the exact readings it makes.
class UnderflowAsValue final : public DifferenceSource {
public:
    explicit UnderflowAsValue(const DifferenceSource& sides) : sides_(sides) {}

    SideDifference at(long double x) const override {
        SideDifference v = sides_.at(x);
        if (v.failed) {
            ++exactReadings_;
            const ExactDifference e = sides_.encloseExactly(x, x);
            if (e.cannotFail && e.value.known() &&
                e.value.magnitude() > std::numeric_limits<long double>::min()) {
                v.failed = false;
                v.d = e.value.lo + (e.value.hi - e.value.lo) / 2;
            }
        }
        return v;
    }
    ExactDifference encloseExactly(long double lo, long double hi) const override {
        return sides_.encloseExactly(lo, hi);
    }
    bool seesXAsDouble() const override { return sides_.seesXAsDouble(); }

    // Whether the exact function is defined at x, however small its value.
    bool definedAt(long double x) const {
        ++exactReadings_;
        return sides_.encloseExactly(x, x).cannotFail;
    }

    int64_t takeExactReadings() const { return std::exchange(exactReadings_, 0); }

private:
    const DifferenceSource& sides_;
    mutable int64_t exactReadings_ = 0;
};

// The value next to x towards `toward` that the sides tell apart from x: the next double
// when they see x only as a double, else the next long double.
long double nextResolved(long double x, long double toward, bool seesDouble) {
    return seesDouble ? static_cast<long double>(
                            std::nextafter(static_cast<double>(x), static_cast<double>(toward)))
                      : std::nextafter(x, toward);
}

// The spacing of what the sides resolve at x.
long double resolutionAt(long double x, bool seesDouble) {
    return std::fabs(nextResolved(x, INFINITY, seesDouble) - x);
}

// Steps from ... to - 1 and the open stretches that start among them.
struct Part {
    int64_t from;
    int64_t to;
    std::vector<Stretch> open;
};

class HiddenSearch {
public:
    HiddenSearch(const DifferenceSource& sides, const ScanGrid& grid,
                 const std::vector<SettledRun>& settled, const std::atomic<bool>& stop,
                 int64_t steps)
        : sides_(sides), grid_(grid), settled_(settled), stop_(stop),
          seesDouble_(sides.seesXAsDouble()), exactCost_(sides.exactEnclosureCost()),
          requestBudget_(std::max(RequestBudgetPerPoint * (steps + 1), SmallRequestBudget)) {}

    HiddenFindings run(const Part& part) {
        if (part.to > part.from) {
            certify(part.from, part.to);
        }
        for (const Stretch& s : part.open) {
            searchStretch(sample(s.lower), sample(s.upper));
        }
        found_.complete = found_.complete && !stopped_;
        found_.stopped = stopped_;
        return std::move(found_);
    }

private:
    // Steps i ... j - 1: decided by one enclosure of d and its derivative, or halved.
    void certify(int64_t i, int64_t j) {
        if (insideSettledRun(i, j)) {
            return;
        }
        if (stopped_ || !spend(exactCost_)) {
            undecided(grid_.at(i), grid_.at(j));
            return;
        }
        const ExactDifference e = sides_.encloseExactly(grid_.at(i), grid_.at(j));
        if (e.alwaysFails || e.value.excludesZero()) {
            return;
        }
        if (e.cannotFail && e.slope.excludesZero() && monotoneDecided(i, j)) {
            return;
        }
        if (belowEveryValue(e)) {
            undecided(grid_.at(i), grid_.at(j));
            return;
        }
        if (j - i == 1) {
            examineStep(i);
            return;
        }
        // A pole the grid sees, where nothing is known of d, is cut out as a step of its own,
        // so that the pieces beside it are decided whole instead of halved down to it.
        const bool pole = !e.value.known() && j - i <= SignChangeSplitSteps;
        const int64_t k = pole ? signChangeStep(i, j) : -1;
        if (k < 0) {
            const int64_t middle = i + (j - i) / 2;
            certify(i, middle);
            certify(middle, j);
            return;
        }
        if (k > i) {
            certify(i, k);
        }
        certify(k, k + 1);
        if (k + 1 < j) {
            certify(k + 1, j);
        }
    }

    // A step of i ... j - 1 whose grid points change sign, found by halving between the ends
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

    // Steps i ... j - 1 where d is monotone. Where the evaluator fails at no grid point, the
    // scan has the one sign change there may be; elsewhere the exact values at the ends tell:
    // one strict sign at both, no root; both within the reading's noise about 0, nothing can
    // be told anywhere between.
    bool monotoneDecided(int64_t i, int64_t j) {
        if (spend(ComputedEnclosureCost) && sides_.enclose(grid_.at(i), grid_.at(j)).cannotFail) {
            return true;
        }
        spend(2 * exactCost_);
        const Interval a = sides_.encloseExactly(grid_.at(i), grid_.at(i)).value;
        const Interval b = sides_.encloseExactly(grid_.at(j), grid_.at(j)).value;
        if (a.excludesZero() && b.excludesZero() && (a.lo > 0) == (b.lo > 0)) {
            return true;
        }
        if (a.known() && b.known() && a.mayBeZero() && b.mayBeZero() && !meetsSettledRun(i, j)) {
            undecided(grid_.at(i), grid_.at(j));
            return true;
        }
        return false;
    }

    // Whether a settled run shares a step with steps i ... j - 1.
    bool meetsSettledRun(int64_t i, int64_t j) const {
        return std::any_of(settled_.begin(), settled_.end(),
                           [i, j](const SettledRun& run) { return run.first < j && run.last > i; });
    }

    // A step whose ends do not fail is searched inside; a failing end is the scan's border, but
    // one that fails only by underflow is not. An end that skipped a division is a pole there,
    // and the step is searched beside it. A step between two failing ends is searched for
    // stretches where the sides do not fail.
    void examineStep(int64_t j) {
        const Sample p = sample(grid_.at(j));
        const Sample q = sample(grid_.at(j + 1));
        if (searchable(p) != searchable(q)) {
            const bool defined = values_.definedAt(searchable(p) ? q.x : p.x);
            spendEvaluations(0);
            if (!defined) {
                return;
            }
        }
        found_.ownedSteps.push_back(j);
        searchStretch(p, q);
    }

    // Everything between p and q, its findings merged as one step's.
    void searchStretch(const Sample& p, const Sample& q) {
        stepLower_ = p.x;
        stepUpper_ = q.x;
        stepBudget_ = StepBudget;
        stepRoots_.clear();
        stepZeros_.clear();
        stepTouches_.clear();
        gridZeros_.clear();
        // The evaluator's own zeros at the ends, which the scan reports.
        for (const Sample* end : {&p, &q}) {
            if (usable(*end) && end->value.d == 0 && isExactZero(sides_.at(end->x))) {
                gridZeros_.push_back(end->x);
            }
        }
        // Between failing ends there are no outer values to weigh a sign change against.
        const long double scale = std::max(finiteSize(p), finiteSize(q));
        examine(p, q, scale > 0 ? scale : std::numeric_limits<long double>::infinity());
        keepStepFindings();
    }

    // One piece of a step: proved empty or monotone, decided at the resolution the sides see,
    // or split where narrowing or a minimum search points.
    void examine(const Sample& p, const Sample& q, long double scale) {
        if (stopped_ || stepBudget_ <= 0 || !spend(exactCost_)) {
            undecided(p.x, q.x);
            return;
        }
        stepBudget_ -= exactCost_;
        const ExactDifference e = sides_.encloseExactly(p.x, q.x);
        if (e.alwaysFails || e.value.excludesZero()) {
            return;
        }
        if (belowEveryValue(e)) {
            undecided(p.x, q.x);
            return;
        }
        if (e.cannotFail && e.slope.excludesZero() && usable(p) && usable(q)) {
            if (signChange(p, q)) {
                narrow(p, q, scale, true);
            }
            return;
        }
        if (atResolution(p.x, q.x)) {
            decide(p, q, e, scale);
            return;
        }
        if (signChange(p, q)) {
            narrow(p, q, scale, false);
            return;
        }
        // A pole or failure inside is cornered by halving; a minimum of |d| by a search for it.
        const Sample s = e.value.known() ? splitPoint(p, q) : sample(::splitPoint(p.x, q.x));
        if (!(s.x > p.x && s.x < q.x)) {
            undecided(p.x, q.x);
            return;
        }
        if (usable(s) && s.value.d == 0) {
            stepZeros_.push_back(s.x);
        }
        examine(p, s, scale);
        examine(s, q, scale);
    }

    // A sign change narrowed to neighbouring values: a root or not, and the rest of the piece
    // on either side searched on unless the piece is known to be monotone.
    void narrow(const Sample& p, const Sample& q, long double scale, bool monotone) {
        const NarrowedSignChange n = narrowSignChange(values_, p, q);
        spendEvaluations(n.evaluations);
        if (n.kind == SignChangeKind::Undecided) {
            // Searched on from the bracket the narrowing reached, or from the halves when it
            // reached nothing.
            if (n.lo.x == p.x && n.hi.x == q.x) {
                const Sample s = sample(::splitPoint(p.x, q.x));
                examine(p, s, scale);
                examine(s, q, scale);
                return;
            }
            if (!monotone && n.lo.x > p.x) {
                examine(p, n.lo, scale);
            }
            examine(n.lo, n.hi, scale);
            if (!monotone && n.hi.x < q.x) {
                examine(n.hi, q, scale);
            }
            return;
        }
        const bool root =
            n.kind == SignChangeKind::Root &&
            (n.lo.x == n.hi.x || classifySignChange(scale, std::max(sizeOf(n.lo), sizeOf(n.hi))) ==
                                     SignChangeKind::Root);
        if (root) {
            this->root(n.root);
        }
        if (monotone) {
            return;
        }
        if (n.kind != SignChangeKind::Pole) {
            if (n.lo.x > p.x) {
                examine(p, n.lo, scale);
            }
            if (n.hi.x < q.x) {
                examine(n.hi, q, scale);
            }
            return;
        }
        // A pole, as the narrowing reads it, is closed in on by halving, its sign change kept,
        // and told from a root at the resolution; the pieces beside it stop
        // one resolution step short of it, where an enclosure no longer takes it in, and the
        // step itself holds only its two ends' values.
        Sample left = n.lo;
        Sample right = n.hi;
        while (!atResolution(left.x, right.x)) {
            const Sample m = sample(::splitPoint(left.x, right.x));
            if (!usable(m) || stopped_) {
                break;
            }
            ((m.value.d < 0) == (left.value.d < 0) ? left : right) = m;
        }
        if (atResolution(left.x, right.x)) {
            settleSignChange(left, right, scale);
        } else {
            examine(left, right, scale);
        }
        const Sample lo = besidePole(left, p);
        const Sample hi = besidePole(right, q);
        using Piece = std::pair<const Sample*, const Sample*>;
        for (const auto& [a, b] :
             {Piece{&p, &lo}, Piece{&lo, &left}, Piece{&right, &hi}, Piece{&hi, &q}}) {
            const bool sliver = a == &lo || b == &hi;
            if (a->x < b->x && (!sliver || signChange(*a, *b))) {
                examine(*a, *b, scale);
            }
        }
    }

    // The point one resolution step from the side of a pole towards the end of the piece, or
    // the side itself when no such point lies between.
    Sample besidePole(const Sample& side, const Sample& end) {
        const long double x = nextResolved(side.x, end.x, seesDouble_);
        const bool between = end.x < side.x ? (x > end.x && x < side.x) : (x < end.x && x > side.x);
        return between ? sample(x) : side;
    }

    // Nothing finer can be told apart, and nothing the sides compute lies between the ends: a
    // sign change is a root, a pole or a jump as the narrowing reads it; without one, d that
    // cannot be separated from 0 touches it, or meets it at the border of a failing stretch,
    // unless the enclosure is too coarse to say so.
    void decide(const Sample& p, const Sample& q, const ExactDifference& e, long double scale) {
        if (signChange(p, q)) {
            settleSignChange(p, q, scale);
            return;
        }
        if ((!usable(p) && !usable(q)) || !e.value.known() || !e.value.mayBeZero()) {
            return;
        }
        if (e.value.magnitude() > scale * TouchShare) {
            undecided(p.x, q.x); // the enclosure is too coarse to tell a touch
        } else if (usable(p) && usable(q)) {
            stepTouches_.push_back(finiteSize(p) <= finiteSize(q) ? p : q);
        } else {
            root(usable(p) ? p.x : q.x);
        }
    }

    // A sign change between neighbours at the resolution: a root, or a pole or jump.
    void settleSignChange(const Sample& p, const Sample& q, long double scale) {
        const long double largest = std::max(sizeOf(p), sizeOf(q));
        if (classifySignChange(scale, largest) == SignChangeKind::Root) {
            root(sizeOf(p) <= sizeOf(q) ? p.x : q.x);
        }
    }

    // Where to split a piece without a sign change: the smallest |d| a golden-section search
    // finds, or the first point of the other sign or that fails; the middle when the search
    // closes in on an end. A piece across many binades is halved by its count of values,
    // which reaches a place near 0 in a few dozen halvings where the search would crawl.
    Sample splitPoint(const Sample& p, const Sample& q) {
        if (!usable(p) || !usable(q) || !withinOneBinade(p.x, q.x)) {
            return sample(::splitPoint(p.x, q.x));
        }
        const long double sign = p.value.d < 0 ? -1 : 1;
        const long double nearEnd = (q.x - p.x) / 8;
        const long double known = (q.x - p.x) * MinimumShare;
        Sample a = p;
        Sample c = q;
        const Sample middle = sample(a.x + (c.x - a.x) / 2);
        Sample b = middle;
        while (c.x - a.x > known && usable(b) && sign * b.value.d > 0) {
            if (c.x - a.x < nearEnd && (a.x == p.x || c.x == q.x)) {
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

    bool insideSettledRun(int64_t i, int64_t j) const {
        const auto after = std::upper_bound(
            settled_.begin(), settled_.end(), i,
            [](int64_t index, const SettledRun& run) { return index < run.first; });
        return after != settled_.begin() && j <= std::prev(after)->last;
    }

    bool atResolution(long double a, long double b) const {
        if (adjacentValues(a, b)) {
            return true;
        }
        if (!seesDouble_) {
            return false;
        }
        const double da = static_cast<double>(a);
        const double db = static_cast<double>(b);
        return da == db || std::nextafter(da, static_cast<double>(INFINITY)) == db;
    }

    long double resolution(long double x) const { return resolutionAt(x, seesDouble_); }

    void root(long double x) { stepRoots_.push_back(x); }

    // What one step holds, each finding once: a root where d changes sign, else the middle of
    // a run of exact zeros, else the touching piece where |d| is smallest; none beside an
    // exact zero at the step's ends, which the scan reports.
    void keepStepFindings() {
        struct Finding {
            long double lower;
            long double upper;
            int rank; // 0: a root, 1: exact zeros, 2: a touch
            long double x;
            long double size;
        };
        std::vector<Finding> findings;
        for (const long double x : stepRoots_) {
            findings.push_back({x, x, 0, x, 0});
        }
        for (const long double x : stepZeros_) {
            if (std::any_of(findings.begin(), findings.end(), [x](const Finding& f) {
                    return f.rank == 1 && f.lower <= x && x <= f.upper;
                })) {
                continue;
            }
            const long double from = plateauEnd(x, stepLower_);
            const long double to = plateauEnd(x, stepUpper_);
            findings.push_back({from, to, 1, from + (to - from) / 2, 0});
        }
        for (const Sample& s : stepTouches_) {
            findings.push_back({s.x, s.x, 2, s.x, finiteSize(s)});
        }
        std::sort(findings.begin(), findings.end(),
                  [](const Finding& a, const Finding& b) { return a.lower < b.lower; });
        for (size_t i = 0; i < findings.size();) {
            Finding best = findings[i];
            long double upper = best.upper;
            size_t end = i + 1;
            while (end < findings.size() &&
                   findings[end].lower - upper <= SameFinding * resolution(findings[end].lower)) {
                const Finding& f = findings[end];
                if (f.rank < best.rank || (f.rank == best.rank && f.size < best.size)) {
                    best = f;
                }
                upper = std::max(upper, f.upper);
                ++end;
            }
            if (!near(gridZeros_, findings[i].lower) && !near(gridZeros_, upper)) {
                const BracketKind kind =
                    best.rank == 0 ? BracketKind::SteepRoot : BracketKind::Touch;
                found_.roots.push_back({best.x, best.x, kind});
            }
            i = end;
        }
    }

    long double plateauEnd(long double zero, long double other) {
        for (int i = 0; i < 80 && !adjacentValues(zero, other); ++i) {
            const long double m = ::splitPoint(zero, other);
            const Sample s = sample(m);
            if (usable(s) && s.value.d == 0) {
                zero = m;
            } else {
                other = m;
            }
        }
        return zero;
    }

    bool near(const std::vector<long double>& xs, long double x) const {
        const long double within = SameFinding * resolution(x);
        return std::any_of(xs.begin(), xs.end(),
                           [&](long double y) { return std::fabs(y - x) <= within; });
    }

    // d at x; where the evaluator fails only because a value underflows, the exact function's
    // value stands for it, when a long double can hold it.
    Sample sample(long double x) {
        const Sample s = sampleAt(values_, x);
        spendEvaluations(1);
        return s;
    }

    // Evaluations and the exact readings the values made on the way.
    void spendEvaluations(int evaluations) {
        const int64_t cost = evaluations + exactCost_ * values_.takeExactReadings();
        spend(cost);
        stepBudget_ -= cost;
    }

    bool spend(int64_t cost) {
        requestBudget_ -= cost;
        if (stop_.load(std::memory_order_relaxed)) {
            stopped_ = true;
        }
        return requestBudget_ >= 0;
    }

    void undecided(long double lower, long double upper) {
        found_.complete = false;
        std::vector<Stretch>& u = found_.undecided;
        if (!u.empty() && u.back().upper >= lower) {
            u.back().upper = std::max(u.back().upper, upper);
            return;
        }
        u.push_back({lower, upper});
    }

    const DifferenceSource& sides_;
    const UnderflowAsValue values_{sides_};
    const ScanGrid& grid_;
    const std::vector<SettledRun>& settled_;
    const std::atomic<bool>& stop_;
    const bool seesDouble_;
    const int64_t exactCost_;
    int64_t requestBudget_;
    int64_t stepBudget_ = 0;
    long double stepLower_ = 0;
    long double stepUpper_ = 0;
    bool stopped_ = false;
    std::vector<long double> stepRoots_;
    std::vector<long double> stepZeros_;
    std::vector<Sample> stepTouches_;
    std::vector<long double> gridZeros_;
    HiddenFindings found_;
};

// The steps up to upTo in parts of PartSteps, each open stretch with the part its start lies in.
std::vector<Part> partsOf(const ScanGrid& grid, int64_t upTo, const std::vector<Stretch>& open) {
    std::vector<Part> parts;
    for (int64_t from = 0; from < upTo || parts.empty(); from += PartSteps) {
        parts.push_back({from, std::min(upTo, from + PartSteps), {}});
    }
    for (const Stretch& s : open) {
        const auto after = std::upper_bound(
            parts.begin() + 1, parts.end(), s.lower,
            [&grid](long double x, const Part& part) { return x < grid.at(part.from); });
        std::prev(after)->open.push_back(s);
    }
    return parts;
}

// The parts' findings as one search's, in increasing x.
HiddenFindings combined(const std::vector<HiddenFindings>& parts, bool seesDouble) {
    HiddenFindings all;
    for (const HiddenFindings& part : parts) {
        all.roots.insert(all.roots.end(), part.roots.begin(), part.roots.end());
        all.ownedSteps.insert(all.ownedSteps.end(), part.ownedSteps.begin(), part.ownedSteps.end());
        all.undecided.insert(all.undecided.end(), part.undecided.begin(), part.undecided.end());
        all.complete = all.complete && part.complete;
        all.stopped = all.stopped || part.stopped;
    }
    std::vector<RootBracket>& roots = all.roots;
    std::sort(roots.begin(), roots.end(),
              [](const RootBracket& a, const RootBracket& b) { return a.lower < b.lower; });
    // A root at a step's end is found from both steps beside it.
    roots.erase(std::unique(roots.begin(), roots.end(),
                            [seesDouble](const RootBracket& a, const RootBracket& b) {
                                return b.lower - a.lower <=
                                       SameFinding * resolutionAt(b.lower, seesDouble);
                            }),
                roots.end());
    std::sort(all.undecided.begin(), all.undecided.end(),
              [](const Stretch& a, const Stretch& b) { return a.lower < b.lower; });
    return all;
}

// Parts handed out to the threads that ask for one; the waiting thread may stop them.
class PartQueue {
public:
    PartQueue(const DifferenceSource& sides, const ScanGrid& grid,
              const std::vector<SettledRun>& settled, std::vector<Part> parts)
        : sides_(sides), grid_(grid), settled_(settled), parts_(std::move(parts)),
          findings_(parts_.size()) {}

    void work() {
        for (size_t k = next_.fetch_add(1); k < parts_.size(); k = next_.fetch_add(1)) {
            const Part& part = parts_[k];
            findings_[k] =
                HiddenSearch(sides_, grid_, settled_, stop_, part.to - part.from).run(part);
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                ++partsDone_;
            }
            changed_.notify_one();
        }
    }

    // Waits until all parts are done or the interval has passed; true when all are done.
    bool waitAWhile() {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, PollInterval,
                                 [this] { return partsDone_ == parts_.size(); });
    }

    void stop() { stop_.store(true); }
    size_t partCount() const { return parts_.size(); }
    const std::vector<HiddenFindings>& findings() const { return findings_; }

private:
    const DifferenceSource& sides_;
    const ScanGrid& grid_;
    const std::vector<SettledRun>& settled_;
    const std::vector<Part> parts_;
    std::vector<HiddenFindings> findings_;
    std::atomic<size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t partsDone_ = 0;
};

} // namespace

HiddenFindings searchHiddenRoots(const DifferenceSource& sides, const ScanGrid& grid, int64_t upTo,
                                 const std::vector<SettledRun>& settled,
                                 const std::vector<Stretch>& open, ProgressReporter* progress,
                                 int threads) {
    upTo = std::clamp<int64_t>(upTo, 0, grid.n);
    // Like the scan, only a search of many steps lets the display serve its events.
    ProgressReporter* const display = upTo > ProgressThreshold ? progress : nullptr;
    PartQueue queue(sides, grid, settled, partsOf(grid, upTo, open));
    const size_t cores = threads > 0 ? static_cast<size_t>(threads)
                                     : std::max(1u, std::thread::hardware_concurrency());
    const size_t workers = std::min(queue.partCount(), cores);
    if (display == nullptr && workers == 1) {
        queue.work();
        return combined(queue.findings(), sides.seesXAsDouble());
    }
    std::vector<std::thread> pool;
    pool.reserve(workers);
    for (size_t i = 0; i < workers; ++i) {
        pool.emplace_back([&queue] { queue.work(); });
    }
    while (!queue.waitAWhile()) {
        if (display != nullptr) {
            display->whileWaiting();
            if (display->wasCancelled()) {
                queue.stop();
            }
        }
    }
    for (std::thread& thread : pool) {
        thread.join();
    }
    return combined(queue.findings(), sides.seesXAsDouble());
}
