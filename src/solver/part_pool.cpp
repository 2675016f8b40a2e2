#include "solver/part_pool.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
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
    // worker has ended, without waiting when they ended before the call.
    bool waitAWhile(std::size_t workers) {
        std::unique_lock lock(mutex_);
        const std::size_t seen = events_;
        changed_.wait_for(lock, PollInterval,
                          [this, seen, workers] { return events_ != seen || ended_ == workers; });
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

// Worker threads kept from one run to the next: starting threads for every phase of every
// request costs more than a small request's whole search. One run uses the pool at a time; a
// run that finds it busy, as one started from inside another would, starts threads of its own.
class WorkerPool {
public:
    static WorkerPool& instance() {
        static WorkerPool pool;
        return pool;
    }

    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    ~WorkerPool() {
        {
            const std::lock_guard lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    // Runs body once on each of `count` pool threads; false, running nothing, when the pool is
    // in use.
    bool start(std::size_t count, const std::function<void()>& body) {
        {
            const std::lock_guard lock(mutex_);
            if (busy_) {
                return false;
            }
            busy_ = true;
            body_ = &body;
            wanted_ = count;
            taken_ = 0;
            returned_ = 0;
            ++generation_;
            while (threads_.size() < count) {
                threads_.emplace_back([this] { serve(); });
            }
        }
        wake_.notify_all();
        return true;
    }

    // Waits until every body started has returned; the pool is free again then.
    void finish() {
        std::unique_lock lock(mutex_);
        allReturned_.wait(lock, [this] { return returned_ == wanted_; });
        busy_ = false;
        body_ = nullptr;
    }

private:
    WorkerPool() = default;

    void serve() {
        std::uint64_t served = 0;
        std::unique_lock lock(mutex_);
        for (;;) {
            wake_.wait(lock, [&] { return quit_ || (generation_ != served && taken_ < wanted_); });
            if (quit_) {
                return;
            }
            // One share of a run per thread.
            served = generation_;
            ++taken_;
            const std::function<void()>* body = body_;
            lock.unlock();
            (*body)();
            lock.lock();
            if (++returned_ == wanted_) {
                allReturned_.notify_all();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable allReturned_;
    std::vector<std::thread> threads_;
    const std::function<void()>* body_ = nullptr;
    std::uint64_t generation_ = 0;
    std::size_t wanted_ = 0;
    std::size_t taken_ = 0;
    std::size_t returned_ = 0;
    bool busy_ = false;
    bool quit_ = false;
};

} // namespace

std::size_t runParts(std::size_t count, int threads, const PartTask& task, const PartPoll& poll) {
    PartRun run(count, task);
    const std::size_t cores = threads > 0 ? static_cast<std::size_t>(threads)
                                          : std::max(1u, std::thread::hardware_concurrency());
    const std::size_t workers = std::max<std::size_t>(1, std::min(count, cores));
    const std::function<void()> body = [&run] {
        run.work();
        run.workerEnded();
    };
    WorkerPool& pool = WorkerPool::instance();
    const bool pooled = pool.start(workers, body);
    std::vector<std::thread> own;
    if (!pooled) {
        own.reserve(workers);
        for (std::size_t i = 0; i < workers; ++i) {
            own.emplace_back(body);
        }
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
    // The workers touch the run until their bodies return.
    if (pooled) {
        pool.finish();
    }
    for (std::thread& thread : own) {
        thread.join();
    }
    return run.doneInOrder();
}
