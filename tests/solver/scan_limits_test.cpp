#include "root_search_fixture.h"

#include "solver/bracket_scan.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ScanLimitsTest = RootSearchTest;

// cos(100 pi x) is +1 and -1 in turn on the grid of step 0.01, so d changes sign at every
// one of the 100,000 steps of [0, 1000]; only the first 99,999 fit.
TEST_F(ScanLimitsTest, FullStoreKeepsTheSmallestX) {
    setEquation("cos(x*100*pi)", "0");
    const std::vector<Bracket> found = scanWith(0, 1000, 100);
    ASSERT_EQ(found.size(), 99999u);
    EXPECT_EQ(found.front().lower, 0.0L);
    EXPECT_EQ(found.front().upper, 1.0L / 100);
    EXPECT_EQ(found.back().lower, 99998.0L / 100);
    EXPECT_EQ(found.back().upper, 99999.0L / 100);
}

struct GridCase {
    const char* name;
    const char* root; // right side of x = root, between two grid points
    int a;
    int b;
    int steps;
    long long lowerIndex; // the lower bracket end is lowerIndex / steps
};

class GridPointTest : public RootSearchTest, public testing::WithParamInterface<GridCase> {};

// Far from 0 a grid built by adding the step drifts; the counter gives (a*S + j) / S.
TEST_P(GridPointTest, GridPointsComeFromTheCounter) {
    const GridCase& c = GetParam();
    setEquation("x", c.root);
    const std::vector<Bracket> found = scanWith(c.a, c.b, c.steps);
    ASSERT_EQ(found.size(), 1u);
    const long double s = c.steps;
    EXPECT_EQ(found[0].lower, static_cast<long double>(c.lowerIndex) / s);
    EXPECT_EQ(found[0].upper, static_cast<long double>(c.lowerIndex + 1) / s);
}

const GridCase gridCases[] = {
    {"Hundredths", "999123.455", 999000, 999200, 100, 99912345LL},
    {"Thousandths", "-999995.4325", -1000000, -999990, 1000, -999995433LL},
};

INSTANTIATE_TEST_SUITE_P(Scan, GridPointTest, testing::ValuesIn(gridCases),
                         [](const testing::TestParamInfo<GridCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ScanLimitsTest, LastGridPointStaysInBothRecords) {
    // The last step is a pole between 0.99 and 1, which the steep test evaluates inside.
    setEquation("1/(x-0.995)", "0");
    EXPECT_TRUE(scanWith(0, 1, 100).empty());
    EXPECT_EQ(lastScan().lastX, 1.0L);
}

TEST_F(ScanLimitsTest, BadIntervalStillEvaluatesTheFirstPoint) {
    setEquation("x", "0");
    EXPECT_TRUE(scanWith(7, 3, 100).empty());
    EXPECT_EQ(lastScan().lastX, 7.0L);
}

} // namespace
