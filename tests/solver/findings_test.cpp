// What the search names besides roots, and that it names each place once: multiple roots of
// every order, poles of order one and two on and off the grid, gaps in the domain, borders and
// root-dense requests, each against its closed form.
#include "root_search_fixture.h"

#include "random_formulas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

const long double pi = std::numbers::pi_v<long double>;

struct KindCase {
    const char* name;
    const char* left;
    const char* right;
    int centre;
    int halfWidth;
    int steps;
    std::vector<long double> roots; // in increasing order
    std::vector<long double> poles;
    std::vector<long double> holes;
    friend void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<std::string> printedAll(const std::vector<long double>& xs) {
    std::vector<std::string> printed;
    for (const long double x : xs) {
        printed.push_back(printedRoot(x));
    }
    return printed;
}

std::vector<long double> lowerEnds(const std::vector<Finding>& findings) {
    std::vector<long double> xs;
    for (const Finding& f : findings) {
        xs.push_back(f.lower);
    }
    return xs;
}

class FindingKindTest : public RootSearchTest, public testing::WithParamInterface<KindCase> {};

// Every root once, every pole and gap named once where it lies, nothing left undecided.
TEST_P(FindingKindTest, NamesEachPlaceOnce) {
    const KindCase& c = GetParam();
    setEquation(c.left, c.right);
    const std::vector<long double> roots =
        solveWith(c.centre - c.halfWidth, c.centre + c.halfWidth, c.steps);
    EXPECT_EQ(printedAll(roots), printedAll(c.roots));
    EXPECT_EQ(printedAll(lowerEnds(findingsOf(FindingKind::Pole))), printedAll(c.poles));
    EXPECT_EQ(printedAll(lowerEnds(findingsOf(FindingKind::Hole))), printedAll(c.holes));
    EXPECT_TRUE(findingsOf(FindingKind::Undecided).empty());
}

// The poles of tan(x) - c at (k + 1/2) pi inside [a, b].
std::vector<long double> tangentPoles(long double a, long double b) {
    return periodic(pi / 2, pi, a, b);
}

const KindCase kindCases[] = {
    // Multiple roots of orders 2 to 7, at a grid point and off it.
    {"OrderTwoAtZero", "x^2", "0", 0, 10, 100, {0}, {}, {}},
    {"OrderThreeAtZero", "x^3", "0", 0, 10, 100, {0}, {}, {}},
    {"OrderFourAtZero", "x^4", "0", 0, 10, 100, {0}, {}, {}},
    {"OrderSevenAtZero", "x^7", "0", 0, 10, 100, {0}, {}, {}},
    {"OrderTwoOffTheGrid", "(x-0.7071)^2", "0", 0, 10, 100, {0.7071L}, {}, {}},
    {"OrderFiveOffTheGrid", "(x-0.7071)^5", "0", 0, 10, 100, {0.7071L}, {}, {}},
    {"OrderSixOffTheGrid", "(x-0.7071)^6", "0", 0, 10, 100, {0.7071L}, {}, {}},
    {"TwoInOneStep", "(x-0.7071)^3*(x-0.7076)^2", "0", 0, 10, 100, {0.7071L, 0.7076L}, {}, {}},
    {"TwoEvenInOneStep", "(x-0.7071)^4*(x-0.7076)^6", "0", 0, 10, 100, {0.7071L, 0.7076L}, {}, {}},
    // exp(x) - 1 - x: a double root at 0, whose computed values are noise about it.
    {"DoubleRootInNoise", "expn(x)", "1+x", 0, 5, 100, {0}, {}, {}},
    // tan(x) - x: a triple root at 0 between poles.
    {"TripleRootBetweenPoles",
     "tan(x)",
     "x",
     0,
     10,
     100,
     {-7.725251836937707L, -4.493409457909064L, 0, 4.493409457909064L, 7.725251836937707L},
     tangentPoles(-10, 10),
     {}},
    // Poles of order one and two, on a grid point and between two.
    {"PoleOnTheGrid", "1/(x-1)", "0", 0, 10, 100, {}, {1}, {}},
    {"PoleOffTheGrid", "1/(x-1.005)", "0", 0, 10, 100, {}, {1.005L}, {}},
    {"DoublePoleOnTheGrid", "1/(x-1)^2", "0", 0, 10, 100, {}, {1}, {}},
    {"DoublePoleOffTheGrid", "1/(x-1.005)^2", "0", 0, 10, 100, {}, {1.005L}, {}},
    {"RootsBesidePoles",
     "tan(x)",
     "0.5",
     0,
     10,
     100,
     periodic(std::atan(0.5L), pi, -10, 10),
     tangentPoles(-10, 10),
     {}},
    // Far out, where the sides see x as double: the grid point -99982.757 lies 3.2e-6 beside
    // a pole, too close for the doubles there to let |d| grow a millionfold.
    {"PoleJustBesideAGridPointFarOut",
     "tan(x)",
     "0.5",
     -99982,
     1,
     1000,
     periodic(std::atan(0.5L), pi, -99983, -99981),
     tangentPoles(-99983, -99981),
     {}},
    {"CotangentPoleAtZero", "cot(x)", "0", 0, 4, 100, {-pi / 2, pi / 2}, {-pi, 0, pi}, {}},
    // Gaps in the domain: 0/0 at an isolated point.
    {"HoleOfAQuotient", "sin(x)/x", "2", 0, 10, 100, {}, {}, {0}},
    {"HoleBesideARoot", "(x^2-1)/(x-1)", "5", 0, 10, 100, {4}, {}, {1}},
    {"HoleInsideAPlateau", "tan(x)/x", "1", 0, 1, 100, {}, {}, {0}},
    // An identity, or the noise of one, on both sides of a gap: the gap, neither roots nor a pole.
    {"IdentityBesideAGap", "x/x", "1", 0, 10, 100, {}, {}, {0}},
    {"NoisyIdentityBesideAGap", "(x^2-1)/(x-1)", "x+1", 0, 10, 100, {}, {}, {1}},
    // Borders of the domain.
    {"BorderRoots", "sqrt(1-x^2)", "0", 0, 10, 100, {-1, 1}, {}, {}},
    {"RootNearTheBorder", "ln(x)", "-5", 0, 10, 100, {std::exp(-5.0L)}, {}, {}},
    // Root-dense: about 45 roots per unit at step 0.001.
    {"RootDense",
     "sin(700*x)",
     "0.2",
     0,
     1,
     1000,
     [] {
         std::vector<long double> xs = periodic(std::asin(0.2L) / 700, 2 * pi / 700, -1, 1);
         const std::vector<long double> other =
             periodic((pi - std::asin(0.2L)) / 700, 2 * pi / 700, -1, 1);
         xs.insert(xs.end(), other.begin(), other.end());
         std::sort(xs.begin(), xs.end());
         return xs;
     }(),
     {},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Kinds, FindingKindTest, testing::ValuesIn(kindCases),
                         [](const testing::TestParamInfo<KindCase>& info) {
                             return std::string(info.param.name);
                         });

bool sameFindings(const std::vector<Finding>& a, const std::vector<Finding>& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](const Finding& p, const Finding& q) {
               return std::memcmp(&p.lower, &q.lower, 10) == 0 &&
                      std::memcmp(&p.upper, &q.upper, 10) == 0 && p.kind == q.kind &&
                      p.certainty == q.certainty;
           });
}

using FindingPropertyTest = RootSearchTest;

// Over random equations: findings in increasing order, no root printed twice, no undecided
// stretch that holds a root listed.
TEST_F(FindingPropertyTest, RandomEquationsNameEachPlaceOnce) {
    std::mt19937 random(20261208);
    FormulaMaker maker(random);
    for (int trial = 0; trial < 300; ++trial) {
        const std::string left = maker.make(3);
        const std::string right = maker.make(1);
        setEquation(left, right);
        const std::vector<long double> roots = solveWith(-3, 3, 100);
        const std::vector<std::string> printed = printedAll(roots);
        EXPECT_EQ(std::adjacent_find(printed.begin(), printed.end()), printed.end())
            << left << " = " << right;
        // In increasing x, a plateau following the root it surrounds.
        std::vector<Finding> placed;
        for (const Finding& f : lastFindings()) {
            if (f.kind != FindingKind::Plateau) {
                placed.push_back(f);
            }
        }
        for (size_t i = 1; i < placed.size(); ++i) {
            EXPECT_LE(placed[i - 1].lower, placed[i].lower) << left << " = " << right;
        }
        for (const Finding& u : findingsOf(FindingKind::Undecided)) {
            for (const long double root : roots) {
                EXPECT_FALSE(root > u.lower && root < u.upper) << left << " = " << right;
            }
        }
    }
}

// The roots of f in [from, to] where it changes sign between grid points 1/stepsPerUnit apart,
// bisected by hand in extended precision and printed as the list prints them.
std::vector<std::string> bisectedRoots(long double (*f)(long double), int from, int to,
                                       int stepsPerUnit) {
    std::vector<std::string> printed;
    for (int k = from * stepsPerUnit; k < to * stepsPerUnit; ++k) {
        long double a = static_cast<long double>(k) / stepsPerUnit;
        long double b = static_cast<long double>(k + 1) / stepsPerUnit;
        if ((f(a) < 0) == (f(b) < 0)) {
            continue;
        }
        for (int i = 0; i < 100; ++i) {
            const long double m = (a + b) / 2;
            ((f(m) < 0) == (f(a) < 0) ? a : b) = m;
        }
        printed.push_back(printedRoot(a));
    }
    return printed;
}

std::vector<std::string> printedBetween(const std::vector<long double>& roots, long double from,
                                        long double to) {
    std::vector<std::string> printed;
    for (const long double root : roots) {
        if (root >= from && root <= to) {
            printed.push_back(printedRoot(root));
        }
    }
    return printed;
}

// Where the search's budget runs out, on the negative axis where the sides are defined at
// scattered points only, the sign changes the evaluator shows further on are still roots.
TEST_F(FindingPropertyTest, SignChangesOutliveTheBudget) {
    setEquation("(x)^(((1,5)^(x))^(sin(x)))", "2");
    const std::vector<long double> roots = solveWith(-1000, 1000, 100);
    EXPECT_FALSE(findingsOf(FindingKind::Undecided).empty());
    const std::vector<std::string> expected = bisectedRoots(
        [](long double x) { return std::pow(x, std::pow(std::pow(1.5L, x), std::sin(x))) - 2; }, 0,
        20, 100);
    ASSERT_GE(expected.size(), 5u);
    EXPECT_EQ(printedBetween(roots, 0, 20), expected);
}

// A zero of the computed difference that the exact one does not bear out is no root by itself,
// and does not hide the root beside it: (x/e)^x / 100 = x just right of the domain's border at 0.
TEST_F(FindingPropertyTest, ANoiseZeroHidesNoRoot) {
    setEquation("(((x/e))^(x)/100)", "x");
    const std::vector<long double> roots = solveWith(-1, 10, 100);
    const std::vector<std::string> expected = bisectedRoots(
        [](long double x) { return std::pow(x / std::numbers::e_v<long double>, x) / 100 - x; }, 0,
        10, 100);
    ASSERT_EQ(expected.size(), 2u);
    EXPECT_EQ(printedBetween(roots, -1, 10), expected);
}

// The parts of a request are searched alike on any number of threads.
TEST_F(FindingPropertyTest, FindingsAreTheSameOnOneTwoAndFourThreads) {
    std::mt19937 random(81226);
    FormulaMaker maker(random);
    for (int trial = 0; trial < 6; ++trial) {
        const std::string left = maker.make(2);
        setEquation(left, "0.5");
        std::vector<std::vector<Finding>> runs;
        for (const int threads : {1, 2, 4}) {
            ParallelScanOptions options;
            options.threads = threads;
            // 4.4 million steps: three parts.
            solveWith(-2200, 2200, 1000, options);
            runs.push_back(lastFindings());
        }
        EXPECT_TRUE(sameFindings(runs[0], runs[1])) << left;
        EXPECT_TRUE(sameFindings(runs[0], runs[2])) << left;
    }
}

} // namespace
