#include "solver/residual_acceptance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ResidualCase {
    const char* name;
    long double left;
    long double right;
    bool failed;
    bool skippedDivision;
    bool accepted;
};

class ResidualAcceptanceTest : public testing::TestWithParam<ResidualCase> {};

TEST_P(ResidualAcceptanceTest, AcceptsOnlyResidualsWithinTheBound) {
    const ResidualCase& c = GetParam();
    const SideDifference value{c.left, c.right, c.left - c.right, c.failed, c.skippedDivision};
    EXPECT_EQ(isAcceptedResidual(value), c.accepted);
}

constexpr long double inf = std::numeric_limits<long double>::infinity();
// Spacing of doubles in [2^14, 2^15), which holds 20000, and in [2^21, 2^22) (3,000,000).
const long double ulpAt20000 = std::ldexp(1.0L, 14 - 52);
const long double ulpAt3e6 = std::ldexp(1.0L, 21 - 52);

const ResidualCase residualCases[] = {
    {"ExactZero", 0, 0, false, false, true},
    {"AtTolerance", 1e-12, 0, false, false, true},
    {"AboveToleranceWithSmallSides", 1, 1 - 2e-12L, false, false, false},
    {"FourUlpAtTwentyThousand", 20000, 20000 + 4 * ulpAt20000, false, false, true},
    {"FiveUlpAtTwentyThousand", 20000, 20000 + 5 * ulpAt20000, false, false, false},
    {"LargerSideSetsTheScale", 3000000 - 3 * ulpAt3e6, 3000000, false, false, true},
    {"NegativeSidesCountByMagnitude", -3000000, -3000000 + 4 * ulpAt3e6, false, false, true},
    {"PoleSideFarAboveTheOther", 1e15L, 0.5L, false, false, false},
    {"OppositeHugeSides", 1e300L, -1e300L, false, false, false},
    {"FailedEvaluation", 0, 0, true, false, false},
    {"SkippedDivisionByZero", 0, 0, false, true, false},
    {"InfiniteSides", inf, inf, false, false, false},
    {"OneInfiniteSide", inf, 1, false, false, false},
};

INSTANTIATE_TEST_SUITE_P(Residual, ResidualAcceptanceTest, testing::ValuesIn(residualCases),
                         [](const testing::TestParamInfo<ResidualCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
