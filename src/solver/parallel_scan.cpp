#include "solver/bracket_scan.h"

#include "interpreter/formelinterpreter.h"
#include "solver/root_search_state.h"
#include "solver/scan_grid.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Workers look for a stop request this often, in grid points.
constexpr int64_t StopCheckInterval = 4096;
// The waiting thread wakes this often to report progress and ask for a cancel.
constexpr std::chrono::milliseconds PollInterval(20);

struct Point {
    long double x = 0;
    SideDifference value{};
};

// What one chunk of the grid found. The sign change from the last valid point before the
// chunk to its first valid point is decided when the chunks are joined in order.
struct ChunkResult {
    bool done = false;
    bool hasValid = false;
    Point first;
    Point last;
    std::vector<std::pair<long double, long double>> brackets;
};

// The scan state carried from chunk to chunk while they are joined in the order of x.
class Joiner {
public:
    Joiner(const FlatDifference& sides, Point first) : sides_(sides) {
        if (!first.value.failed) {
            previous_ = first;
            hasPrevious_ = true;
            if (isExactZero(first.value)) {
                store_.store(first.x, first.x);
            }
        }
    }

    void join(ChunkResult& chunk) {
        if (!chunk.hasValid) {
            return;
        }
        long double lower = 0;
        long double upper = 0;
        if (hasPrevious_ && !store_.full() &&
            closesSignChange(previous_.x, previous_.value, chunk.first.x, chunk.first.value, sides_,
                             lower, upper)) {
            store_.store(lower, upper);
        }
        for (const auto& [from, to] : chunk.brackets) {
            store_.store(from, to);
        }
        std::vector<std::pair<long double, long double>>().swap(chunk.brackets);
        previous_ = chunk.last;
        hasPrevious_ = true;
    }

    bool full() const { return store_.full(); }
    int count() const { return store_.count(); }

private:
    const FlatDifference& sides_;
    BracketStore store_;
    Point previous_;
    bool hasPrevious_ = false;
};

class ParallelScan {
public:
    ParallelScan(const FlatDifference& sides, long double start, long double s, int64_t n,
                 int64_t chunkSize)
        : sides_(sides), start_(start), s_(s), n_(n), chunkSize_(std::max<int64_t>(1, chunkSize)),
          chunks_(static_cast<size_t>((n + chunkSize_ - 1) / chunkSize_)) {}

    size_t chunkCount() const { return chunks_.size(); }

    // Takes chunks in order until none is left or a stop is requested.
    void work() {
        for (;;) {
            const size_t k = next_.fetch_add(1);
            if (k >= chunks_.size() || stop_.load(std::memory_order_relaxed)) {
                return;
            }
            const int64_t from = 1 + static_cast<int64_t>(k) * chunkSize_;
            const int64_t to = std::min(n_, from + chunkSize_ - 1);
            const bool completed = scanChunk(from, to, chunks_[k]);
            {
                const std::lock_guard lock(mutex_);
                chunks_[k].done = completed;
                if (completed) {
                    pointsDone_ += to - from + 1;
                }
            }
            changed_.notify_one();
            if (!completed) {
                return;
            }
        }
    }

    // Joins the finished chunks that follow the joined ones; false once all are joined.
    bool joinFinished(Joiner& joiner) {
        for (;;) {
            {
                const std::lock_guard lock(mutex_);
                if (joined_ == chunks_.size() || !chunks_[joined_].done) {
                    return joined_ < chunks_.size();
                }
            }
            joiner.join(chunks_[joined_]);
            ++joined_;
        }
    }

    // Waits until a chunk finishes or the poll interval passes.
    void wait() {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, PollInterval,
                          [this] { return joined_ == chunks_.size() || chunks_[joined_].done; });
    }

    int64_t pointsDone() {
        const std::lock_guard lock(mutex_);
        return pointsDone_;
    }

    // Grid index of the last point of the joined chunks.
    int64_t joinedUpTo() const { return std::min(n_, static_cast<int64_t>(joined_) * chunkSize_); }

    void stop() { stop_.store(true); }

private:
    // The inner loop carries only x and d from point to point; the full values of both
    // sides, needed at a sign change and at the chunk's ends, are evaluated again there,
    // which gives them bit for bit.
    bool scanChunk(int64_t from, int64_t to, ChunkResult& result) const {
        long double previousX = 0;
        long double previousD = 0;
        bool hasPrevious = false;
        for (int64_t j = from; j <= to; ++j) {
            if (j % StopCheckInterval == 0 && stop_.load(std::memory_order_relaxed)) {
                return false;
            }
            const long double x = gridPoint(start_, s_, j);
            const SideDifference current = sides_.at(x);
            if (current.failed) {
                continue;
            }
            if (current.d == 0 && !current.skippedDivision) {
                keep(result, x, x);
            } else if (hasPrevious && previousD * current.d < 0) {
                long double lower = 0;
                long double upper = 0;
                if (closesSignChange(previousX, sides_.at(previousX), x, sides_.at(x), sides_,
                                     lower, upper)) {
                    keep(result, lower, upper);
                }
            }
            if (!hasPrevious) {
                result.first = {x, sides_.at(x)};
                hasPrevious = true;
            }
            previousX = x;
            previousD = current.d;
        }
        result.hasValid = hasPrevious;
        if (hasPrevious) {
            result.last = {previousX, sides_.at(previousX)};
        }
        return true;
    }

    static void keep(ChunkResult& result, long double lower, long double upper) {
        if (result.brackets.size() < static_cast<size_t>(MaxBrackets)) {
            result.brackets.emplace_back(lower, upper);
        }
    }

    const FlatDifference& sides_;
    const long double start_;
    const long double s_;
    const int64_t n_;
    const int64_t chunkSize_;
    std::vector<ChunkResult> chunks_;
    std::atomic<size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    int64_t pointsDone_ = 0;
    size_t joined_ = 0;
};

// Reports every multiple of the interval up to the points done, as the point-by-point scan
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

int workerCount(const ParallelScanOptions& options) {
    if (options.threads > 0) {
        return options.threads;
    }
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

} // namespace

int scanBrackets(int a, int b, ProgressReporter* progress) {
    return scanBrackets(a, b, progress, ParallelScanOptions{});
}

int scanBrackets(int a, int b, ProgressReporter* progress, const ParallelScanOptions& options) {
    static FlatDifference sides;
    sides.compile(links, rechts);

    const int n = stepCount(a, b);
    const bool useProgress = progress != nullptr && n > ProgressThreshold;
    if (useProgress) {
        progress->setTotalSteps(n);
        progress->setProgress(0);
    }

    const long double s = Schrittweite;
    const long double start = static_cast<long double>(a) * s;
    const long double firstX = gridPoint(start, s, 0);
    const Point first{firstX, sides.at(firstX)};
    links.X = rechts.X = firstX;
    if (n <= 0) {
        return 0;
    }

    Joiner joiner(sides, first);
    ParallelScan scan(sides, start, s, n, options.chunkSize);
    const int workers = workerCount(options);
    bool cancelled = false;

    if (!useProgress && (workers == 1 || scan.chunkCount() == 1)) {
        scan.work();
        scan.joinFinished(joiner);
    } else {
        std::vector<std::thread> threads;
        threads.reserve(static_cast<size_t>(workers));
        for (int i = 0; i < workers; ++i) {
            threads.emplace_back([&scan] { scan.work(); });
        }
        NoProgress none;
        ProgressSteps steps(useProgress ? *progress : none, useProgress ? progressInterval(n) : 1);
        while (scan.joinFinished(joiner) && !joiner.full()) {
            if (useProgress) {
                steps.advanceTo(scan.pointsDone());
                if (steps.cancelledWhileWaiting()) {
                    cancelled = true;
                    break;
                }
            }
            scan.wait();
        }
        scan.stop();
        for (std::thread& thread : threads) {
            thread.join();
        }
        if (useProgress && !cancelled) {
            steps.advanceTo(n);
        }
    }

    if (cancelled) {
        work = false;
    }
    links.X = rechts.X = gridPoint(start, s, cancelled ? scan.joinedUpTo() : n);
    if (useProgress) {
        progress->setProgress(n);
        progress->reset();
    }
    return joiner.count();
}
