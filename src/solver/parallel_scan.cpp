#include "solver/bracket_scan.h"

#include "solver/event_analysis.h"
#include "solver/part_pool.h"
#include "solver/sign_change_tracker.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

// A chunk keeps its first grid point and its first two valid points for the join.
constexpr int HeadSize = 3;

struct GridSample {
    int64_t j = 0;
    PointDifference value{};
};

// What one chunk of the grid found on its own. The places that involve points before the
// chunk are found when the chunks are joined in order, from the chunk's first points.
struct ChunkResult {
    GridSample head[HeadSize];
    int headCount = 0;
    SignChangeTracker tracker;
    BracketList brackets{MaxBrackets};
    std::vector<PassedRun> passed;
};

// The scan state carried from chunk to chunk while they are joined in the order of x.
class Joiner {
public:
    Joiner(const DifferenceSource& sides, const ScanGrid& grid, BracketList& store,
           const GridSample& first)
        : analysis_(sides, grid, store), store_(store) {
        tracker_.feed(first.j, first.value, analysis_);
    }

    void join(ChunkResult& chunk, int64_t start) {
        EarlierPlaces earlier(analysis_, start);
        for (int i = 0; i < chunk.headCount; ++i) {
            const GridSample& s = chunk.head[i];
            tracker_.feed(s.j, s.value, earlier);
        }
        tracker_.continueWith(chunk.tracker);
        for (const RootBracket& bracket : chunk.brackets.brackets()) {
            store_.add(bracket);
        }
        if (!store_.full()) {
            passed_.insert(passed_.end(), chunk.passed.begin(), chunk.passed.end());
        }
        chunk = ChunkResult{};
    }

    std::vector<PassedRun> takePassed() { return std::move(passed_); }

    bool full() const { return store_.full(); }

private:
    SignChangeTracker tracker_;
    EventAnalysis analysis_;
    BracketList& store_;
    std::vector<PassedRun> passed_;
};

// Scans one chunk: feeds its points to a tracker of its own and keeps the first ones for the
// join. Where an enclosure of the sides over a stretch proves that its places hold nothing,
// only the points the tracker and the join need are evaluated: the first two, and the last,
// whose state the tracker takes as if it had been fed the points between.
class ChunkScanner {
public:
    ChunkScanner(const DifferenceSource& sides, const ScanGrid& grid, ChunkResult& result,
                 const std::atomic<bool>& stop)
        : sides_(sides), grid_(grid), result_(result), stop_(stop),
          analysis_(sides, grid, result.brackets) {}

    // Evaluates the points from `from` to `to` a block at a time; the tracker then takes them
    // one by one, exactly as if each had been evaluated alone. False when stopped.
    bool evaluate(int64_t from, int64_t to) {
        long double x[DifferenceSource::BlockSize];
        DifferenceBlock::Storage storage;
        for (int64_t first = from; first <= to; first += DifferenceSource::BlockSize) {
            if (stop_.load(std::memory_order_relaxed)) [[unlikely]] {
                return false;
            }
            const int count =
                static_cast<int>(std::min<int64_t>(DifferenceSource::BlockSize, to - first + 1));
            for (int k = 0; k < count; ++k) {
                x[k] = grid_.at(first + k);
            }
            const DifferenceBlock block = sides_.atBlock(x, count, storage);
            for (int k = 0; k < count; ++k) {
                feed(first + k, block.at(k));
            }
        }
        return true;
    }

    // Scans the chunk, passing over the stretches that enclosures prove empty or entirely
    // failing. False when stopped.
    bool pruned(int64_t from, int64_t to) {
        pending_ = from;
        return prune(from, to, 0) && evaluate(pending_, to);
    }

    void finish() { result_.tracker = tracker_; }

private:
    // Halves the stretch until an enclosure proves it empty or entirely failing, or it is too
    // short for an enclosure to pay. The points left to evaluate gather into one run from
    // pending_, so that a stretch with nothing proved is evaluated as one.
    bool prune(int64_t from, int64_t to, int level) {
        const int64_t n = to - from + 1;
        if (n < SmallestStretch) {
            return true;
        }
        if (worthTrying(level)) {
            ++tries_[level];
            const DifferenceEnclosure e = sides_.enclose(grid_.at(from), grid_.at(to));
            if (e.alwaysFails) {
                saved_[level] += n - 1;
                if (!evaluate(pending_, from)) {
                    return false;
                }
                tracker_.skipFailedRun(to);
                pass({from, to, PassedRun::Failing});
                pending_ = to + 1;
                return true;
            }
            if (e.cannotFail && e.d.excludesZero()) {
                if (!evaluate(pending_, from + 1)) {
                    return false;
                }
                pending_ = from + 2;
                // The end, evaluated anyway, must bear the enclosure out: of its sign and that of
                // the points before, not 0 and valid. Otherwise the rest is scanned in full.
                const PointDifference end = pointOf(sides_.at(grid_.at(to)));
                if (signOf(e.d) * end.d > 0 && tracker_.skipValidRun(to - 1, to, end)) {
                    saved_[level] += n - 4;
                    pass({from, to, PassedRun::Empty});
                    pending_ = to + 1;
                }
                return true;
            }
        }
        // The halves share their middle point, so that the step beside it lies in one of them
        // and the search finds no gap between two stretches passed over.
        const int64_t middle = from + n / 2;
        return prune(from, middle, level + 1) && prune(middle, to, level + 1);
    }

    // Runs of one kind that meet are kept as one.
    void pass(const PassedRun& run) {
        std::vector<PassedRun>& passed = result_.passed;
        if (!passed.empty() && passed.back().last == run.first && passed.back().kind == run.kind) {
            passed.back().last = run.last;
        } else {
            passed.push_back(run);
        }
    }

    // Stretches shorter than this are evaluated point by point: an enclosure of them would
    // spare fewer points than it costs unless nearly every one succeeded.
    static constexpr int64_t SmallestStretch = 4 * ComputedEnclosureCost;
    // Halvings of a chunk; each keeps its own account of what its enclosures spared.
    static constexpr int Levels = 64;
    // Enclosures tried at a level before its account decides.
    static constexpr int Trial = 4;

    // Enclosures at this level are tried while, on average, each has spared more points than
    // it cost.
    bool worthTrying(int level) const {
        return tries_[level] < Trial || saved_[level] > ComputedEnclosureCost * tries_[level];
    }

    [[gnu::always_inline]] void feed(int64_t j, const PointDifference& value) {
        if (headValid_ < 2 && (result_.headCount == 0 || !value.failed)) [[unlikely]] {
            result_.head[result_.headCount++] = {j, value};
            headValid_ += value.failed ? 0 : 1;
        }
        tracker_.feed(j, value, analysis_);
    }

    const DifferenceSource& sides_;
    const ScanGrid& grid_;
    ChunkResult& result_;
    const std::atomic<bool>& stop_;
    EventAnalysis analysis_;
    SignChangeTracker tracker_;
    int headValid_ = 0;
    int64_t pending_ = 0; // the first point not yet evaluated nor passed over
    int64_t tries_[Levels] = {};
    int64_t saved_[Levels] = {};
};

// The chunks of the grid, scanned on the workers of a part pool.
class ParallelScan {
public:
    ParallelScan(const DifferenceSource& sides, const ScanGrid& grid,
                 const ParallelScanOptions& options)
        : sides_(sides), grid_(grid), chunkSize_(std::max<int64_t>(1, options.chunkSize)),
          prune_(options.prune),
          chunks_(static_cast<size_t>((grid.n + chunkSize_ - 1) / chunkSize_)) {}

    size_t chunkCount() const { return chunks_.size(); }

    // Scans chunk k; false when stopped.
    bool scan(size_t k, const std::atomic<bool>& stop) {
        const int64_t from = chunkStart(k);
        const int64_t to = std::min(grid_.n, from + chunkSize_ - 1);
        ChunkResult& result = chunks_[k];
        ChunkScanner scanner(sides_, grid_, result, stop);
        const bool completed = prune_ ? scanner.pruned(from, to) : scanner.evaluate(from, to);
        scanner.finish();
        if (completed) {
            pointsDone_.fetch_add(to - from + 1, std::memory_order_relaxed);
        }
        return completed;
    }

    // Joins the chunks up to `upTo` (exclusive) that follow the joined ones.
    void joinUpTo(size_t upTo, Joiner& joiner) {
        for (; joined_ < upTo; ++joined_) {
            joiner.join(chunks_[joined_], chunkStart(joined_));
        }
    }

    int64_t pointsDone() const { return pointsDone_.load(std::memory_order_relaxed); }

    // Grid index of the last point of the joined chunks.
    int64_t joinedUpTo() const {
        return std::min(grid_.n, static_cast<int64_t>(joined_) * chunkSize_);
    }

private:
    int64_t chunkStart(size_t k) const { return 1 + static_cast<int64_t>(k) * chunkSize_; }

    const DifferenceSource& sides_;
    const ScanGrid grid_;
    const int64_t chunkSize_;
    const bool prune_;
    std::vector<ChunkResult> chunks_;
    std::atomic<int64_t> pointsDone_{0};
    size_t joined_ = 0;
};

// Reports every multiple of the interval up to the points done, as a point-by-point scan
// would have on its way there.
class ProgressSteps {
public:
    ProgressSteps(ProgressReporter& progress, int interval)
        : progress_(progress), interval_(interval) {}

    void advanceTo(int64_t done) {
        while (reported_ + interval_ <= done) {
            reported_ += interval_;
            progress_.setProgress(static_cast<int>(reported_));
        }
    }

    // Between the updates the display serves its events; true when the user cancelled.
    bool cancelledWhileWaiting() {
        progress_.whileWaiting();
        return progress_.wasCancelled();
    }

private:
    ProgressReporter& progress_;
    const int64_t interval_;
    int64_t reported_ = 0;
};

// Stands in for a missing progress display.
class NoProgress final : public ProgressReporter {
public:
    void setTotalSteps(int) override {}
    void setProgress(int) override {}
    bool wasCancelled() override { return false; }
    void reset() override {}
};

} // namespace

ScanOutcome scanGridForRoots(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress, const ParallelScanOptions& options) {
    const int n = static_cast<int>(grid.n);
    const bool useProgress = progress != nullptr && n > ProgressThreshold;
    if (useProgress) {
        progress->setTotalSteps(n);
        progress->setProgress(0);
    }
    const GridSample first{0, pointOf(sides.at(grid.at(0)))};
    if (n <= 0) {
        return {{}, false, grid.at(0)};
    }

    BracketList store(MaxBrackets);
    Joiner joiner(sides, grid, store, first);
    ParallelScan scan(sides, grid, options);
    NoProgress none;
    const int interval = useProgress ? progressInterval(n, grid.stepsPerUnit) : 1;
    ProgressSteps steps(useProgress ? *progress : none, interval);
    bool cancelled = false;
    // The display is asked at least once, however soon the workers finish.
    runParts(
        scan.chunkCount(), options.threads,
        [&scan](size_t k, const std::atomic<bool>& stop) { return scan.scan(k, stop); },
        [&](size_t doneInOrder) {
            scan.joinUpTo(doneInOrder, joiner);
            if (useProgress) {
                steps.advanceTo(scan.pointsDone());
                if (steps.cancelledWhileWaiting()) {
                    cancelled = true;
                    return false;
                }
            }
            return !joiner.full();
        });
    if (useProgress && !cancelled) {
        steps.advanceTo(n);
    }

    if (useProgress) {
        progress->setProgress(n);
        progress->reset();
    }
    return {store.brackets(), cancelled, grid.at(cancelled ? scan.joinedUpTo() : n),
            joiner.takePassed()};
}
