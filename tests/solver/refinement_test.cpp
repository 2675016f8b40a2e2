#include "root_search_fixture.h"

#include "solver/root_refinement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

namespace {

struct RefineCase {
    const char* name;
    const char* left;
    const char* right;
    long double lower;
    long double upper;
    bool root;
    long double expected; // the root, when there is one
    long double tolerance;
    friend void PrintTo(const RefineCase& c, std::ostream* os) { *os << c.name; }
};

class RefineBracketTest : public RootSearchTest, public testing::WithParamInterface<RefineCase> {};

TEST_P(RefineBracketTest, NarrowsToTheRootOrReportsNone) {
    const RefineCase& c = GetParam();
    setEquation(c.left, c.right);
    bool fehler = c.root;
    const long double root = refineBracket(sides(), c.lower, c.upper, fehler);
    EXPECT_EQ(fehler, !c.root);
    if (c.root) {
        EXPECT_NEAR(root, c.expected, c.tolerance);
    }
}

const long double pi = std::numbers::pi_v<long double>;

const RefineCase refineCases[] = {
    // x^2 goes through the double-precision pow: the root is good to a unit of a double.
    {"SquareRootOfTwo", "X^2", "2", 1.41L, 1.42L, true, std::numbers::sqrt2_v<long double>, 3e-16L},
    {"NegativeSquareRootOfTwo", "X^2", "2", -1.42L, -1.41L, true,
     -std::numbers::sqrt2_v<long double>, 3e-16L},
    {"FourthPowerOfLargeSides", "x^4", "20000", 11.89L, 11.9L, true, std::pow(20000.0L, 0.25L),
     1e-15L},
    {"CubeOfLargeSides", "x^3", "3000000", 144.22L, 144.23L, true, std::cbrt(3000000.0L), 1e-13L},
    // The one-sided iteration cycles between these two roots; narrowing keeps the sign change.
    {"CloseRootsInOneStep", "(x-3.0004)*(x-3.0016)", "0", 3.0L, 3.001L, true, 3.0004L, 1e-15L},
    // Far from 0 the sides see x as a double: |d| never gets below about 1e-11.
    {"SineFarFromZero", "sin(x)", "0", 100000.03L, 100000.04L, true, 31831 * pi, 2e-11L},
    {"SteepBesideAPole", "tan(x)", "300", 1.56L, 1.57L, true, std::atan(300.0L), 1e-15L},
    {"SmallSlope", "x^2", "0.000004", 0.0L, 0.01L, true, 0.002L, 1e-18L},
    {"TripleRoot", "(x-0.7071)^3", "0", 0.7L, 0.71L, true, 0.7071L, 1e-15L},
    // 1/0 at x = 0 is skipped, so d(0) = 0.75 stands beside the pole.
    {"PoleAtASkippedDivision", "1/x", "0.25", -0.01L, 0.0L, false, 0, 0},
    {"PoleBetweenTheEnds", "1/(x-0.005)", "0", 0.0L, 0.01L, false, 0, 0},
    {"TangentPole", "tan(x)", "0", 1.57L, 1.58L, false, 0, 0},
    // At x = 0.0033 the jump is 0/0, which the evaluator gives as 0 with the division skipped.
    {"Jump", "(x-0.0033)/sqrt((x-0.0033)^2)", "0", 0.0L, 0.01L, false, 0, 0},
    {"FailedEnd", "sqrt(x)", "0.05", -0.01L, 0.01L, false, 0, 0},
    {"NoSignChange", "X^2", "2", 1.0L, 1.2L, false, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Refine, RefineBracketTest, testing::ValuesIn(refineCases),
                         [](const testing::TestParamInfo<RefineCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
