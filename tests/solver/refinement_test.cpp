#include "root_search_fixture.h"

#include "solver/regula_falsi.h"
#include "solver/sign_keeping_refinement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

struct IterateCase {
    const char* name;
    int cap;
    long double expected; // the iterate after `cap` iterations on [1.41, 1.42] of x^2 = 2
    long double tolerance;
    bool converged;
};

class OneSidedIterateTest : public RootSearchTest,
                            public testing::WithParamInterface<IterateCase> {};

TEST_P(OneSidedIterateTest, IteratesOfSquareRootOfTwo) {
    const IterateCase& c = GetParam();
    setEquation("X^2", "2");
    const OneSidedOutcome outcome = regulaFalsiOneSided(1.41L, 1.42L, c.cap);
    EXPECT_NEAR(outcome.x, c.expected, c.tolerance);
    EXPECT_EQ(outcome.iterations, c.cap);
    EXPECT_EQ(outcome.converged, c.converged);
    EXPECT_FALSE(outcome.evaluationFailed);
}

// x1 = 1.41 + 0.01 * 0.0119 / 0.0283; the fourth iterate has |d| of about 2e-13.
const IterateCase iterateCases[] = {
    {"First", 1, 1.4142049470L, 1e-10L, false},
    {"Second", 2, 1.4142135448L, 1e-10L, false},
    {"Third", 3, 1.4142135623372L, 1e-13L, false},
    {"FourthMeetsTolerance", 4, 1.4142135623730L, 1e-13L, true},
};

INSTANTIATE_TEST_SUITE_P(RegulaFalsi, OneSidedIterateTest, testing::ValuesIn(iterateCases),
                         [](const testing::TestParamInfo<IterateCase>& info) {
                             return std::string(info.param.name);
                         });

using RefinementTest = RootSearchTest;

TEST_F(RefinementTest, SquareRootOfTwoAfterFourIterations) {
    setEquation("X^2", "2");
    const OneSidedOutcome outcome = regulaFalsiOneSided(1.41L, 1.42L, MaxIterations);
    EXPECT_TRUE(outcome.converged);
    EXPECT_EQ(outcome.iterations, 4);

    bool fehler = true;
    EXPECT_EQ(refineBracket(1.41L, 1.42L, fehler), outcome.x);
    EXPECT_FALSE(fehler);
    EXPECT_NEAR(refineBracket(-1.42L, -1.41L, fehler), -std::numbers::sqrt2_v<long double>, 1e-12L);
    EXPECT_FALSE(fehler);
}

TEST_F(RefinementTest, NonFiniteIterateIsAFailure) {
    // d(0) = 0.75 since 1/0 is skipped: the iterates run into the pole of 1/x.
    setEquation("1/x", "0.25");
    const OneSidedOutcome outcome = regulaFalsiOneSided(-0.01L, 0.0L, MaxIterations);
    EXPECT_FALSE(outcome.converged);
    bool fehler = false;
    refineBracket(-0.01L, 0.0L, fehler);
    EXPECT_TRUE(fehler);
}

TEST_F(RefinementTest, PoleAndJumpAreNoRoots) {
    bool fehler = false;
    setEquation("1/(x-0.005)", "0");
    refineBracket(0.0L, 0.01L, fehler);
    EXPECT_TRUE(fehler);
    // At x = 0.0033 the jump is 0/0, which the evaluator gives as 0 with the division skipped.
    setEquation("(x-0.0033)/sqrt((x-0.0033)^2)", "0");
    refineBracket(0.0L, 0.01L, fehler);
    EXPECT_TRUE(fehler);
}

TEST_F(RefinementTest, FailedEvaluationAtAnEndIsAFailure) {
    setEquation("sqrt(x)", "0.05");
    const OneSidedOutcome outcome = regulaFalsiOneSided(-0.01L, 0.01L, MaxIterations);
    EXPECT_TRUE(outcome.evaluationFailed);
    bool fehler = false;
    refineBracket(-0.01L, 0.01L, fehler);
    EXPECT_TRUE(fehler);
}

TEST_F(RefinementTest, LargeSidesAcceptedWithinUlps) {
    setEquation("x^4", "20000");
    bool fehler = true;
    EXPECT_NEAR(refineBracket(11.89L, 11.9L, fehler), std::pow(20000.0L, 0.25L), 1e-12L);
    EXPECT_FALSE(fehler);
    setEquation("x^3", "3000000");
    EXPECT_NEAR(refineBracket(144.22L, 144.23L, fehler), std::cbrt(3000000.0L), 1e-11L);
    EXPECT_FALSE(fehler);
}

TEST_F(RefinementTest, CyclingIterationIsRefinedAgainKeepingTheSignChange) {
    setEquation("(x-3.0004)*(x-3.0016)", "0");
    const OneSidedOutcome outcome = regulaFalsiOneSided(3.0L, 3.001L, MaxIterations);
    EXPECT_FALSE(outcome.converged);

    bool fehler = true;
    // |d| <= 1e-12 with slope 0.0012 at the root puts x within 1e-9 of it.
    EXPECT_NEAR(refineBracket(3.0L, 3.001L, fehler), 3.0004L, 1e-9L);
    EXPECT_FALSE(fehler);
}

TEST_F(RefinementTest, SignKeepingRefinementFindsTheRootInside) {
    setEquation("sin(x)", "0");
    long double root = 0;
    ASSERT_TRUE(refineKeepingSignChange(3.0L, 3.2L, root));
    EXPECT_NEAR(root, std::numbers::pi_v<long double>, 1e-12L);
}

TEST_F(RefinementTest, SignKeepingRefinementNeedsASignChange) {
    setEquation("X^2", "2");
    long double root = 0;
    EXPECT_FALSE(refineKeepingSignChange(1.0L, 1.2L, root));
}

} // namespace
