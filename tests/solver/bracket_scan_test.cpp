#include "root_search_fixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Brackets are given by grid indices k, the bracket end being k / steps.
struct ScanCase {
    const char* name;
    const char* left;
    const char* right;
    int a;
    int b;
    int steps;
    std::vector<std::pair<long long, long long>> brackets;
};

class BracketScanTest : public RootSearchTest, public testing::WithParamInterface<ScanCase> {};

TEST_P(BracketScanTest, StoresExactlyTheExpectedBrackets) {
    const ScanCase& c = GetParam();
    setEquation(c.left, c.right);
    const std::vector<Bracket> found = scanWith(c.a, c.b, c.steps);
    ASSERT_EQ(found.size(), c.brackets.size());
    const long double s = c.steps;
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].lower, static_cast<long double>(c.brackets[i].first) / s) << i;
        EXPECT_EQ(found[i].upper, static_cast<long double>(c.brackets[i].second) / s) << i;
    }
}

const ScanCase scanCases[] = {
    {"SquareIsTwo", "X^2", "2", -1000, 1000, 100, {{-142, -141}, {141, 142}}},
    {"ExactZerosStoredOnce", "X^2", "X+2", -1000, 1000, 100, {{-100, -100}, {200, 200}}},
    {"FailedPointsSkipped", "sqrt(x)", "0", -1000, 1000, 100, {{0, 0}}},
    {"FirstPointExactZero", "x", "-5", -5, 15, 100, {{-500, -500}}},
    {"LastPointExactZero", "x", "15", -5, 15, 100, {{1500, 1500}}},
    // ln(x+5) fails at x = -5; its garbage difference 4 must not pair with d(-4.99) < 0.
    {"FailedFirstPointNotPrevious", "ln(x+5)", "-4", -5, 5, 100, {{-499, -498}}},
    // 1/0 is skipped, so d(0) = 1 - 0.25 is a small value of the other sign.
    {"ReciprocalAtGridPole", "1/x", "0.25", -1000, 1000, 100, {{-1, 0}, {400, 400}}},
    {"PoleBetweenGridPoints", "1/(x-0.005)", "0", -1, 1, 100, {}},
    {"JumpBetweenGridPoints", "5*(x-0.0033)/sqrt((x-0.0033)^2)", "0", -1, 1, 100, {}},
    // cot(0) is infinite, so d(0) is NaN and neither neighbour pairs with it.
    {"NaNNeverPairs", "cot(x)-cot(x)+x", "0", -1, 1, 100, {}},
    {"StepThousandth", "X^2", "2", 1, 2, 1000, {{1414, 1415}}},
    {"EmptyInterval", "x", "5", 5, 5, 100, {}},
    {"ReversedInterval", "x", "0", 5, -5, 100, {}},
};

INSTANTIATE_TEST_SUITE_P(Scan, BracketScanTest, testing::ValuesIn(scanCases),
                         [](const testing::TestParamInfo<ScanCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
