#include "root_search_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

struct SolveCase {
    const char* name;
    const char* left;
    const char* right;
    int a;
    int b;
    int steps;
    std::vector<long double> roots; // in increasing order
    long double tolerance;
};

class SolveTest : public RootSearchTest, public testing::WithParamInterface<SolveCase> {};

TEST_P(SolveTest, FindsExactlyTheRoots) {
    const SolveCase& c = GetParam();
    setEquation(c.left, c.right);
    const std::vector<long double> found = solveWith(c.a, c.b, c.steps);
    ASSERT_EQ(found.size(), c.roots.size());
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(found[i], c.roots[i], c.tolerance) << i;
    }
}

const long double sqrt2 = std::numbers::sqrt2_v<long double>;
const long double fourthRootOf20000 = std::pow(20000.0L, 0.25L);

const SolveCase solveCases[] = {
    {"SquareIsTwo", "X^2", "2", -1000, 1000, 100, {-sqrt2, sqrt2}, 1e-12L},
    {"ExactZeros", "X^2", "X+2", -1000, 1000, 100, {-1, 2}, 0},
    // The bracket [-0.01, 0] around the pole of 1/x fails its refinement.
    {"ReciprocalKeepsOnlyItsRoot", "1/x", "0.25", -1000, 1000, 100, {4}, 0},
    {"ReciprocalHasNoRoot", "1/x", "0", -1000, 1000, 100, {}, 0},
    // d climbs from -7 to 13 within the step [0, 0.01].
    {"SteepLinearRoot", "2000*x", "7", -1000, 1000, 100, {0.0035L}, 1e-15L},
    {"SteepFourthPower",
     "x^4",
     "20000",
     -1000,
     1000,
     100,
     {-fourthRootOf20000, fourthRootOf20000},
     1e-12L},
    {"SteepCube", "x^3", "3000000", -1000, 1000, 100, {std::cbrt(3000000.0L)}, 1e-11L},
    {"PoleBetweenGridPoints", "1/(x-0.005)", "0", -1, 1, 100, {}, 0},
    {"JumpBetweenGridPoints", "5*(x-0.0033)/sqrt((x-0.0033)^2)", "0", -1, 1, 100, {}, 0},
    {"CloseRoots", "(x-3.0004)*(x-3.0016)", "0", 0, 10, 1000, {3.0004L, 3.0016L}, 1e-9L},
    {"RootAtFirstPoint", "x", "-5", -5, 15, 100, {-5}, 0},
    {"LogarithmNearFailedFirstPoint", "ln(x+5)", "-4", -5, 5, 100, {std::exp(-4.0L) - 5}, 1e-12L},
    {"ZeroOverZeroIsNoRoot", "x/x", "0", -10, 10, 100, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Solve, SolveTest, testing::ValuesIn(solveCases),
                         [](const testing::TestParamInfo<SolveCase>& info) {
                             return std::string(info.param.name);
                         });

using TangentTest = RootSearchTest;

// tan(x) = 0.5 on [-1000, 1000]: the roots atan(0.5) + k pi for k = -318 ... 318, and a
// sign change at each pole of tan that must give nothing.
TEST_F(TangentTest, AllRootsAndNothingAtThePoles) {
    const long double pi = std::numbers::pi_v<long double>;
    std::vector<long double> expected;
    for (int k = -318; k <= 318; ++k) {
        expected.push_back(std::atan(0.5L) + k * pi);
    }
    ASSERT_EQ(expected.size(), 637u);

    setEquation("tan(x)", "0.5");
    const std::vector<Bracket> brackets = scanWith(-1000, 1000, 100);
    ASSERT_EQ(brackets.size(), expected.size());
    for (size_t i = 0; i < brackets.size(); ++i) {
        EXPECT_LT(brackets[i].lower, expected[i]) << i;
        EXPECT_GT(brackets[i].upper, expected[i]) << i;
    }

    const std::vector<long double> roots = solveWith(-1000, 1000, 100);
    ASSERT_EQ(roots.size(), expected.size());
    for (size_t i = 0; i < roots.size(); ++i) {
        EXPECT_NEAR(roots[i], expected[i], 1e-11L) << i;
    }
}

} // namespace
