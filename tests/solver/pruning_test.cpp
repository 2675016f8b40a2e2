// The scan that passes over the stretches its enclosures prove empty or entirely failing must
// store exactly the brackets of the scan that evaluates every grid point: the same count,
// order and kinds, every end the same to the last bit.
#include "examples/equation_texts.h"
#include "random_formulas.h"
#include "root_search_fixture.h"
#include "solver/bracket_scan.h"
#include "solver/equation_sides.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <string_view>

namespace {

ScanOutcome scan(const DifferenceSource& sides, const ScanGrid& grid, bool prune,
                 int64_t chunkSize = 1 << 18) {
    ParallelScanOptions options;
    options.prune = prune;
    options.chunkSize = chunkSize;
    return scanGridForRoots(sides, grid, nullptr, options);
}

TEST(PrunedScan, CatalogueAtBothSteps) {
    EquationSides sides;
    for (const char* text : BeispielTexte) {
        const std::string_view equation(text);
        const size_t equals = equation.find('=');
        sides.compile(equation.substr(0, equals), equation.substr(equals + 1));
        for (const long double steps : {100.0L, 1000.0L}) {
            const ScanGrid grid = makeGrid(-1000, 1000, steps);
            EXPECT_TRUE(sameOutcome(scan(sides, grid, true), scan(sides, grid, false)))
                << text << " at " << static_cast<double>(steps) << " steps per unit";
        }
    }
}

// Random formulas on both sides over random intervals, steps and chunks: the edges of
// stretches and of chunks fall anywhere, next to roots, poles, touches and failing runs.
TEST(PrunedScan, RandomEquations) {
    std::mt19937 random(1907);
    FormulaMaker maker(random);
    const long double steps[] = {100, 1000, 7, 250, 3};
    const int64_t chunks[] = {1 << 18, 1000, 333, 64};
    EquationSides sides;
    for (int round = 0; round < 10000; ++round) {
        const std::string left = maker.make(3);
        const std::string right = round % 3 == 0 ? "0" : maker.make(2);
        sides.compile(left, right);
        const long double s = steps[round % std::size(steps)];
        const int halfWidth = std::uniform_int_distribution<int>(1, s < 1000 ? 40 : 4)(random);
        const int centre =
            std::uniform_int_distribution<int>(-200, 200)(random) * (round % 7 == 0 ? 500 : 1);
        const ScanGrid grid = makeGrid(centre - halfWidth, centre + halfWidth, s);
        const int64_t chunk = chunks[(round / 5) % std::size(chunks)];
        ASSERT_TRUE(sameOutcome(scan(sides, grid, true, chunk), scan(sides, grid, false, chunk)))
            << left << " = " << right << " on [" << centre - halfWidth << ", " << centre + halfWidth
            << "] at " << static_cast<double>(s) << " steps per unit";
    }
}

// Counts the points evaluated one by one or in blocks, and passes enclosures through.
class CountingSides final : public DifferenceSource {
public:
    explicit CountingSides(const EquationSides& sides) : sides_(sides) {}

    SideDifference at(long double x) const override {
        ++points_;
        return sides_.at(x);
    }
    DifferenceBlock atBlock(const long double* x, int count,
                            DifferenceBlock::Storage& storage) const override {
        points_ += count;
        return sides_.atBlock(x, count, storage);
    }
    DifferenceEnclosure enclose(long double lo, long double hi) const override {
        return sides_.enclose(lo, hi);
    }
    long long points() const { return points_; }

private:
    const EquationSides& sides_;
    mutable std::atomic<long long> points_{0};
};

TEST(PrunedScan, PassesOverTheInteriorOfStretches) {
    EquationSides sides;
    sides.compile("X^2", "2");
    const ScanGrid grid = makeGrid(-1000, 1000, 1000);
    const CountingSides pruned(sides);
    const ScanOutcome outcome = scan(pruned, grid, true);
    ASSERT_EQ(outcome.brackets.size(), 2u);
    // The 2,000,001 grid points: a few per stretch and those around the two roots.
    EXPECT_LT(pruned.points(), 2000);
    const CountingSides full(sides);
    scan(full, grid, false);
    EXPECT_GE(full.points(), grid.n + 1);
}

// An enclosure that is wrong wherever d changes sign inside a stretch: it claims that no point
// fails and that d keeps, over the whole stretch, the sign it has at the stretch's start.
class UnsoundSides final : public DifferenceSource {
public:
    explicit UnsoundSides(const EquationSides& sides) : sides_(sides) {}

    SideDifference at(long double x) const override { return sides_.at(x); }
    DifferenceBlock atBlock(const long double* x, int count,
                            DifferenceBlock::Storage& storage) const override {
        return sides_.atBlock(x, count, storage);
    }
    DifferenceEnclosure enclose(long double lo, long double) const override {
        const long double sign = sides_.at(lo).d < 0 ? -1 : 1;
        const Interval d = Interval::point(sign);
        return {d, Interval::point(0), d, true, false};
    }

private:
    const EquationSides& sides_;
};

struct OneSignChange {
    const char* left;
    const char* right;
};

// Each has one place where d changes sign or is 0 in [-1000, 1000]; at 100 steps per unit
// the first halving of the grid ends at x = 0, where x^3 = 0 is exactly 0.
const OneSignChange oneSignChange[] = {
    {"x^3", "2"},     {"x", "0.5"}, {"expn(x)", "3"}, {"x^3", "0"},
    {"sqrt(x)", "1"}, {"1/x", "0"}, {"x^3", "(-7)"},
};

// Where a stretch ends, its evaluated end must bear the enclosure out; otherwise the stretch
// is scanned in full, so that a wrong enclosure loses no sign change, zero or border.
TEST(PrunedScan, WrongEnclosuresAreCaughtAtTheStretchEnds) {
    EquationSides sides;
    for (const OneSignChange& c : oneSignChange) {
        sides.compile(c.left, c.right);
        const UnsoundSides unsound(sides);
        for (const long double steps : {100.0L, 1000.0L}) {
            const ScanGrid grid = makeGrid(-1000, 1000, steps);
            const ScanOutcome full = scan(sides, grid, false);
            EXPECT_FALSE(full.brackets.empty()) << c.left << " = " << c.right;
            EXPECT_TRUE(sameOutcome(scan(unsound, grid, true), full))
                << c.left << " = " << c.right << " at " << static_cast<double>(steps)
                << " steps per unit";
            EXPECT_TRUE(sameOutcome(scan(unsound, grid, true, 1000), full))
                << c.left << " = " << c.right << " in chunks of 1000";
        }
    }
}

} // namespace
