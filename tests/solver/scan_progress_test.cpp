#include "root_search_fixture.h"

#include "solver/progress_reporter.h"

#include "solver/bracket_scan.h"

#include <gtest/gtest.h>

#include <chrono>
#include <utility>
#include <vector>

namespace {

enum class Call { TotalSteps, Progress, Reset };

// Records every call but the cancel checks, which it counts; reports a cancel at the
// check numbered cancelAtCheck (from 1), never when it is 0.
class FakeProgress : public ProgressReporter {
public:
    explicit FakeProgress(long long cancelAtCheck = 0) : cancelAtCheck_(cancelAtCheck) {}

    void setTotalSteps(int total) override { calls.emplace_back(Call::TotalSteps, total); }
    void setProgress(int done) override { calls.emplace_back(Call::Progress, done); }
    bool wasCancelled() override { return ++checks == cancelAtCheck_; }
    void reset() override { calls.emplace_back(Call::Reset, 0); }

    std::vector<std::pair<Call, int>> calls;
    long long checks = 0;

private:
    long long cancelAtCheck_;
};

using ScanProgressTest = RootSearchTest;

TEST_F(ScanProgressTest, ScanOf999999StepsNeverTouchesTheProgress) {
    setEquation("x", "0.5");
    FakeProgress progress;
    // 999,999 steps per unit on [0, 1].
    const std::vector<Bracket> found = scanWith(0, 1, 999999, &progress);
    EXPECT_EQ(found.size(), 1u);
    EXPECT_TRUE(progress.calls.empty());
    EXPECT_EQ(progress.checks, 0);
    EXPECT_FALSE(lastScan().cancelled);
}

// Both scans report the same progress; the reference asks for a cancel at every step,
// the scan on every core while it waits for its workers.
TEST_F(ScanProgressTest, ScanOfAMillionStepsReportsOnMultiplesOfTheInterval) {
    std::vector<std::pair<Call, int>> expected{{Call::TotalSteps, 1000000}};
    for (int k = 0; k <= 100; ++k) {
        expected.emplace_back(Call::Progress, k * 10000);
    }
    expected.emplace_back(Call::Progress, 1000000);
    expected.emplace_back(Call::Reset, 0);

    for (const ScanPath path : {ScanPath::Sequential, ScanPath::Parallel}) {
        setEquation("x", "0.5");
        FakeProgress progress;
        // N = 10000 * 100 = 1,000,000 steps; interval 1,000,000 / 100 = 10,000.
        const std::vector<Bracket> found = scanWith(0, 10000, 100, &progress, path);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].lower, 0.5L);
        EXPECT_EQ(progress.calls, expected);
        if (path == ScanPath::Sequential) {
            EXPECT_EQ(progress.checks, 1000000);
        } else {
            EXPECT_GE(progress.checks, 1);
        }
        EXPECT_FALSE(lastScan().cancelled);
    }
}

TEST_F(ScanProgressTest, CancelStopsAtOnceAndKeepsTheBracketsSoFar) {
    // A sign change at every step: the k-th step stores the k-th bracket before its check.
    setEquation("cos(x*100*pi)", "0");
    FakeProgress progress(25000);
    const std::vector<Bracket> found = scanWith(0, 10000, 100, &progress, ScanPath::Sequential);
    EXPECT_TRUE(lastScan().cancelled);
    EXPECT_EQ(progress.checks, 25000);
    ASSERT_EQ(found.size(), 25000u);
    EXPECT_EQ(found.back().upper, 25000.0L / 100);
    const std::vector<std::pair<Call, int>> expected{
        {Call::TotalSteps, 1000000}, {Call::Progress, 0},       {Call::Progress, 10000},
        {Call::Progress, 20000},     {Call::Progress, 1000000}, {Call::Reset, 0}};
    EXPECT_EQ(progress.calls, expected);
}

TEST_F(ScanProgressTest, ParallelScanStopsOnCancel) {
    // About 2e9 evaluations if it ran to the end, none of which an enclosure can spare: the
    // sine turns every six grid points. The cancel at the first check ends it.
    setEquation("sin(x*1000)", "0.5");
    FakeProgress progress(1);
    const auto begin = std::chrono::steady_clock::now();
    scanWith(-1000000, 1000000, 1000, &progress);
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    EXPECT_TRUE(lastScan().cancelled);
    EXPECT_LT(elapsed, std::chrono::seconds(2));
    ASSERT_GE(progress.calls.size(), 3u);
    EXPECT_EQ(progress.calls.front(), std::make_pair(Call::TotalSteps, 2000000000));
    EXPECT_EQ(progress.calls[progress.calls.size() - 2],
              std::make_pair(Call::Progress, 2000000000));
    EXPECT_EQ(progress.calls.back(), std::make_pair(Call::Reset, 0));
}

TEST_F(ScanProgressTest, IntervalIsAtLeastOneStep) {
    setEquation("x", "0.5");
    FakeProgress progress;
    // 1,000,001 steps per unit: N / 1,000,001 is 0, so every step reports.
    const std::vector<Bracket> found = scanWith(0, 1, 1000001, &progress);
    EXPECT_EQ(found.size(), 1u);
    ASSERT_EQ(progress.calls.size(), 1000005u);
    EXPECT_EQ(progress.calls[1], std::make_pair(Call::Progress, 0));
    EXPECT_EQ(progress.calls[2], std::make_pair(Call::Progress, 1));
    EXPECT_EQ(progress.calls[1000002], std::make_pair(Call::Progress, 1000001));
}

TEST_F(ScanProgressTest, NoProgressDisplayMeansNoCancel) {
    setEquation("x", "0.5");
    const std::vector<Bracket> found = scanWith(0, 10000, 100, nullptr);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_FALSE(lastScan().cancelled);
}

} // namespace
