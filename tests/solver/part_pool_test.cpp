// The pool that runs the parts of a request: every part once, the pool reused from run to run,
// runs started from inside a run or from two threads at once, and a stop from the poll.
#include "solver/part_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace {

// Runs `count` parts on `threads` workers and checks that each ran exactly once.
void expectEveryPartOnce(std::size_t count, int threads) {
    std::vector<std::atomic<int>> runs(count);
    const std::size_t done = runParts(
        count, threads,
        [&](std::size_t k, const std::atomic<bool>&) {
            runs[k].fetch_add(1);
            return true;
        },
        [](std::size_t) { return true; });
    EXPECT_EQ(done, count) << count << " parts on " << threads << " threads";
    for (std::size_t k = 0; k < count; ++k) {
        EXPECT_EQ(runs[k].load(), 1) << "part " << k << " of " << count;
    }
}

TEST(PartPoolTest, RunsEveryPartOnce) {
    for (const std::size_t count : {0, 1, 2, 3, 31, 200}) {
        for (const int threads : {0, 1, 2, 4}) {
            expectEveryPartOnce(count, threads);
        }
    }
}

TEST(PartPoolTest, RunsBackToBack) {
    for (int run = 0; run < 300; ++run) {
        expectEveryPartOnce(static_cast<std::size_t>(run % 5 + 1), 0);
    }
}

// A run started from a task of another finds the pool busy and still completes.
TEST(PartPoolTest, RunInsideARunCompletes) {
    std::atomic<int> inner{0};
    const std::size_t done = runParts(
        4, 2,
        [&](std::size_t, const std::atomic<bool>&) {
            inner += static_cast<int>(runParts(
                3, 2, [](std::size_t, const std::atomic<bool>&) { return true; },
                [](std::size_t) { return true; }));
            return true;
        },
        [](std::size_t) { return true; });
    EXPECT_EQ(done, 4u);
    EXPECT_EQ(inner.load(), 12);
}

TEST(PartPoolTest, RunsFromTwoThreadsAtOnceComplete) {
    std::vector<std::thread> callers;
    for (int c = 0; c < 2; ++c) {
        callers.emplace_back([] {
            for (int run = 0; run < 100; ++run) {
                expectEveryPartOnce(7, 2);
            }
        });
    }
    for (std::thread& caller : callers) {
        caller.join();
    }
}

// A poll that says no leaves the parts not started out; what was completed from part 0 on in a
// row is what the run returns.
TEST(PartPoolTest, StopFromThePollLeavesTheRestOut) {
    std::atomic<int> started{0};
    const std::size_t done = runParts(
        1000, 1,
        [&](std::size_t, const std::atomic<bool>& stop) {
            started.fetch_add(1);
            while (!stop.load()) {
                std::this_thread::yield();
            }
            return false;
        },
        [](std::size_t) { return false; });
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(started.load(), 1);
}

} // namespace
