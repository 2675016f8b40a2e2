#include "solver/part_pool.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// The waiting thread wakes this often to report progress and ask for a cancel.
constexpr std::chrono::milliseconds PollInterval(20);

class PartRun {
public:
    PartRun(std::size_t count, const PartTask& task) : task_(task), done_(count, false) {}

    void work() {
        for (std::size_t k = next_.fetch_add(1); k < done_.size(); k = next_.fetch_add(1)) {
            if (stop_.load(std::memory_order_relaxed)) {
                return;
            }
            const bool completed = task_(k, stop_);
            {
                const std::lock_guard lock(mutex_);
                done_[k] = completed;
                ++events_;
            }
            changed_.notify_one();
            if (!completed) {
                return;
            }
        }
    }

    // Waits until a part finishes, a worker ends or the poll interval passes; true once every
    // worker has ended.
    bool waitAWhile(std::size_t workers) {
        std::unique_lock lock(mutex_);
        const std::size_t seen = events_;
        changed_.wait_for(lock, PollInterval, [this, seen] { return events_ != seen; });
        return ended_ == workers;
    }

    void workerEnded() {
        {
            const std::lock_guard lock(mutex_);
            ++ended_;
            ++events_;
        }
        changed_.notify_one();
    }

    std::size_t doneInOrder() {
        const std::lock_guard lock(mutex_);
        return static_cast<std::size_t>(std::find(done_.begin(), done_.end(), false) -
                                        done_.begin());
    }

    void stop() { stop_.store(true); }

private:
    const PartTask& task_;
    std::vector<bool> done_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t events_ = 0;
    std::size_t ended_ = 0;
};

} // namespace

std::size_t runParts(std::size_t count, int threads, const PartTask& task, const PartPoll& poll) {
    PartRun run(count, task);
    const std::size_t cores = threads > 0 ? static_cast<std::size_t>(threads)
                                          : std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::max<std::size_t>(1, std::min(count, cores));
    std::vector<std::thread> pool;
    pool.reserve(workers);
    for (std::size_t i = 0; i < workers; ++i) {
        pool.emplace_back([&run] {
            run.work();
            run.workerEnded();
        });
    }
    bool polling = true;
    for (;;) {
        const bool over = run.waitAWhile(workers);
        if (polling && !poll(run.doneInOrder())) {
            polling = false;
            run.stop();
        }
        if (over) {
            break;
        }
    }
    for (std::thread& thread : pool) {
        thread.join();
    }
    return run.doneInOrder();
}
