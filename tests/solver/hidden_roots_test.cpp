#include "root_search_fixture.h"

#include "random_formulas.h"
#include "solver/root_refinement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

const long double pi = std::numbers::pi_v<long double>;

// What the block says besides the roots.
enum class Cover {
    Complete,   // every stretch decided, no claim that there is no root
    ProvenNone, // every stretch decided, no root: the "no root" line
    Undecided,  // some stretch left undecided
};

struct HiddenCase {
    const char* name;
    const char* left;
    const char* right;
    int centre;
    int halfWidth;
    int steps;
    std::function<std::vector<long double>()> truth; // the roots in increasing order
    Cover cover;
    friend void PrintTo(const HiddenCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<long double> none() {
    return {};
}

std::vector<long double> roots(std::initializer_list<long double> xs) {
    return xs;
}

// The two roots of exp(-(x - c)^2 s) = h.
std::vector<long double> needle(long double c, long double s, long double h) {
    const long double w = std::sqrt(-std::log(h) / s);
    return {c - w, c + w};
}

// The roots of sin(k x) = h in [a, b].
std::vector<long double> sineLevel(long double k, long double h, long double a, long double b) {
    std::vector<long double> xs = periodic(std::asin(h) / k, 2 * pi / k, a, b);
    const std::vector<long double> other = periodic((pi - std::asin(h)) / k, 2 * pi / k, a, b);
    xs.insert(xs.end(), other.begin(), other.end());
    std::sort(xs.begin(), xs.end());
    return xs;
}

// The two roots of 1/(x - a) + 1/(x - b) + 1/(x - c) = 0, both between the poles.
std::vector<long double> betweenThreePoles(long double a, long double b, long double c) {
    const long double p = 2 * (a + b + c) / 3;
    const long double q = (a * b + a * c + b * c) / 3;
    const long double w = std::sqrt(p * p / 4 - q);
    return {p / 2 - w, p / 2 + w};
}

class HiddenRootTest : public RootSearchTest, public testing::WithParamInterface<HiddenCase> {};

// Every root printed as the equation page prints it, against the true root printed alike, and
// the coverage the block states.
TEST_P(HiddenRootTest, PrintsEveryTrueRootOnceAndSaysWhatItCovers) {
    const HiddenCase& c = GetParam();
    setEquation(c.left, c.right);
    const std::vector<long double> found =
        solveWith(c.centre - c.halfWidth, c.centre + c.halfWidth, c.steps);
    std::vector<std::string> printed;
    for (long double root : found) {
        printed.push_back(printedRoot(root));
    }
    std::vector<std::string> expected;
    for (long double root : c.truth()) {
        expected.push_back(printedRoot(root));
    }
    EXPECT_EQ(printed, expected);
    const SearchOutcome& outcome = lastSearch();
    EXPECT_FALSE(outcome.capReached);
    EXPECT_EQ(findingsOf(FindingKind::Undecided).empty(), c.cover != Cover::Undecided);
    EXPECT_EQ(outcome.provenNoRoot, c.cover == Cover::ProvenNone);
}

const HiddenCase hiddenCases[] = {
    // Several roots inside one step of 0.01, 1e-3, 1e-5 and 1e-7 of a step apart.
    {"ThreeInOneStep", "(x-1.001)*(x-1.004)*(x-1.007)", "0", 0, 1000, 100,
     [] {
         return roots({1.001L, 1.004L, 1.007L});
     },
     Cover::Complete},
    {"ClusterAtAThousandthOfAStep", "(x-0.5)*(x-0.50001)*(x-0.50002)", "0", 0, 1000, 100,
     [] {
         return roots({0.5L, 0.50001L, 0.50002L});
     },
     Cover::Complete},
    {"ClusterAtAHundredThousandthOfAStep", "(x-0.5)*(x-0.5000001)*(x-0.5000002)", "0", 0, 1000, 100,
     [] {
         return roots({0.5L, 0.5000001L, 0.5000002L});
     },
     Cover::Complete},
    {"ClusterAtATenMillionthOfAStep", "(x-0.5)*(x-0.500000001)*(x-0.500000002)", "0", 0, 1000, 100,
     [] {
         return roots({0.5L, 0.500000001L, 0.500000002L});
     },
     Cover::Complete},
    // Touching pairs inside one step.
    {"TouchingPair", "(x-2)^2*(x-2.003)^2", "0", 0, 1000, 100,
     [] {
         return roots({2, 2.003L});
     },
     Cover::Complete},
    {"TouchingPairAtAThousandth", "(x-0.5)^2*(x-0.50001)^2", "0", 0, 1000, 100,
     [] {
         return roots({0.5L, 0.50001L});
     },
     Cover::Complete},
    {"TouchingPairAtATenMillionth", "(x-0.5)^2*(x-0.500000001)^2", "0", 0, 1000, 100,
     [] {
         return roots({0.5L, 0.500000001L});
     },
     Cover::Complete},
    {"TouchingPairOffTheGrid", "(x-0.5033)^2*(x-0.5034)^2", "0", 0, 1000, 100,
     [] {
         return roots({0.5033L, 0.5034L});
     },
     Cover::Complete},
    // Needles between two grid points.
    {"Needle", "expn(0-(x-1.237)^2*10^8)", "0.5", 0, 1000, 100,
     [] { return needle(1.237L, 1e8L, 0.5L); }, Cover::Complete},
    {"WideNeedle", "expn(0-(x-0.3)^2*10^6)", "0.5", 0, 1000, 100,
     [] { return needle(0.3L, 1e6L, 0.5L); }, Cover::Complete},
    {"ThinNeedle", "expn(0-(x-0.3)^2*10^12)", "0.5", 0, 1000, 100,
     [] { return needle(0.3L, 1e12L, 0.5L); }, Cover::Complete},
    {"ThinnestNeedle", "expn(0-(x-0.3)^2*10^14)", "0.25", 0, 1000, 100,
     [] { return needle(0.3L, 1e14L, 0.25L); }, Cover::Complete},
    // Roots between poles inside one step.
    {"RootBetweenTwoPoles", "1/(x-1.202)+1/(x-1.206)", "0", 0, 1000, 100,
     [] { return roots({1.204L}); }, Cover::Complete},
    {"RootsBetweenThreePoles", "1/(x-0.3001)+1/(x-0.3002)+1/(x-0.3003)", "0", 0, 1000, 100,
     [] { return betweenThreePoles(0.3001L, 0.3002L, 0.3003L); }, Cover::Complete},
    // Fast oscillation: about 0.3, 2, 5 and 50 roots per step.
    {"SineAtFiveHundred", "sin(500*x)", "0.3", 0, 2, 100,
     [] { return sineLevel(500, 0.3L, -2, 2); }, Cover::Complete},
    {"TwoRootsPerStep", "sin(628*x)", "0.3", 0, 1, 100, [] { return sineLevel(628, 0.3L, -1, 1); },
     Cover::Complete},
    {"FiveRootsPerStep", "sin(1571*x)", "0.3", 0, 1, 100,
     [] { return sineLevel(1571, 0.3L, -1, 1); }, Cover::Complete},
    {"FiftyRootsPerStep", "sin(15708*x)", "0.3", 0, 1, 100,
     [] { return sineLevel(15708, 0.3L, -1, 1); }, Cover::Complete},
    // Touches far from 0, where the sides see x rounded to double.
    {"TouchesAtAThousand", "cos(x)^2", "0", 1000, 10, 100,
     [] { return periodic(pi / 2, pi, 990, 1010); }, Cover::Complete},
    {"TouchesAtAHundredThousand", "cos(x)^2", "0", 100000, 10, 100,
     [] { return periodic(pi / 2, pi, 99990, 100010); }, Cover::Complete},
    {"TouchesAtAMillion", "cos(x)^2", "0", 1000000, 10, 100,
     [] { return periodic(pi / 2, pi, 999990, 1000010); }, Cover::Complete},
    // Near misses and near hits, where d stays measurably away from 0 or reaches it.
    {"SquarePlusTenToTheThirty", "x^2+10^(-30)", "0", 0, 1000, 100, none, Cover::ProvenNone},
    {"SquareMissesBelowZero", "(x-1.5)^2", "0-10^(-24)", 0, 1000, 100, none, Cover::ProvenNone},
    {"MissByTenToTheTwenty", "(x-1.5)^2+10^(-20)", "0", 0, 1000, 100, none, Cover::ProvenNone},
    {"MissByTenToTheTwentyFive", "(x-1.5)^2+10^(-25)", "0", 0, 1000, 100, none, Cover::ProvenNone},
    {"MissByTenToTheThirty", "(x-1.5)^2+10^(-30)", "0", 0, 1000, 100, none, Cover::ProvenNone},
    // Two roots 2e-10 apart, which print alike: one line.
    {"HitByTenToTheTwenty", "(x-1.5)^2", "10^(-20)", 0, 1000, 100, [] { return roots({1.5L}); },
     Cover::Complete},
    {"HitOffTheGridByTenToTheSixteen", "(x-0.2345)^2", "10^(-16)", 0, 1000, 100,
     [] {
         return roots({0.2345L - 1e-8L, 0.2345L + 1e-8L});
     },
     Cover::Complete},
    // Underflow is a value too small to hold, not a border.
    {"ExponentialUnderflows", "expn(0-x^2)", "0", 0, 100, 100, none, Cover::ProvenNone},
    {"PowerUnderflows", "x^(0-400)", "0", 0, 100, 100, none, Cover::ProvenNone},
    {"NestedUnderflow", "expn(0-expn(x/10))", "0", 0, 80, 100, none, Cover::ProvenNone},
    {"UnderflowBesideARoot", "expn(0-x^2)*(x-30.5)", "0", 0, 100, 100,
     [] { return roots({30.5L}); }, Cover::Complete},
    // Below the smallest long double, exp is still above 0.
    {"ExponentialBelowEveryValue", "expn(0-x^2)", "0", 0, 1000, 100, none, Cover::ProvenNone},
    // The roots of a catalogue example stay, its pole and its border are no roots.
    {"PolesOfTheCatalogue", "4/(X-5)-2/(X+4)+5/(X+1)", "0", 0, 1000, 100,
     // Over the common denominator: 7x^2 + 23x - 74 = 0.
     [] {
         return roots({-37.0L / 7, 2});
     },
     Cover::Complete},
    {"BorderOfACubeRoot", "(x+4)^(1/3)", "5", 0, 100, 100, none, Cover::ProvenNone},
    // Domain islands between two failing grid points.
    {"IslandInsideAStep", "sqrt(1/10^10-(x-0.005)^2)", "0.000001", 0, 1, 100,
     [] {
         const long double w = std::sqrt(1e-10L - 1e-12L);
         return roots({0.005L - w, 0.005L + w});
     },
     Cover::Complete},
    // The power of a negative base near its whole exponents, and x^x near 0: x^x is at least
    // e^(-1/e) > 0.69 for x > 0, and -1, 1/4, -1/27 ... at the negative whole numbers.
    {"PowerOfItselfNearZero", "x^x", "0.5", 0, 10, 100, none, Cover::Complete},
};

INSTANTIATE_TEST_SUITE_P(Hidden, HiddenRootTest, testing::ValuesIn(hiddenCases),
                         [](const testing::TestParamInfo<HiddenCase>& info) {
                             return std::string(info.param.name);
                         });

struct RunCase {
    const char* name;
    const char* left;
    const char* right;
    FindingKind kind;
    long double from; // where the run begins and ends, to within a grid step
    long double to;
    // From the interval's start up to the run nothing can be told.
    bool undecidedBefore = false;
    friend void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }
};

class ZeroRunTest : public RootSearchTest, public testing::WithParamInterface<RunCase> {};

// A run of exact zeros is one entry: an identity, or a plateau of the precision.
TEST_P(ZeroRunTest, IsOneEntry) {
    const RunCase& c = GetParam();
    setEquation(c.left, c.right);
    EXPECT_TRUE(solveWith(-1000, 1000, 100).empty());
    const std::vector<Finding> runs = findingsOf(c.kind);
    ASSERT_EQ(runs.size(), 1U);
    const Finding& run = runs.front();
    EXPECT_NEAR(static_cast<double>(run.lower), static_cast<double>(c.from), 0.01);
    EXPECT_NEAR(static_cast<double>(run.upper), static_cast<double>(c.to), 0.01);
    const std::vector<Finding> undecided = findingsOf(FindingKind::Undecided);
    if (c.undecidedBefore) {
        ASSERT_EQ(undecided.size(), 1U);
        EXPECT_EQ(undecided.front().lower, -1000);
        EXPECT_LE(undecided.front().upper, run.lower);
    } else {
        EXPECT_TRUE(undecided.empty());
    }
    EXPECT_EQ(lastFindings().size(), 1U + undecided.size());
    EXPECT_FALSE(lastSearch().provenNoRoot);
}

const RunCase runCases[] = {
    {"Difference", "x-x", "0", FindingKind::Identity, -1000, 1000},
    {"DoubleAndSum", "2*x", "x+x", FindingKind::Identity, -1000, 1000},
    {"EmptySides", "", "", FindingKind::Identity, -1000, 1000},
    // e^(e^x) rounds to 1 in double where e^x < 2^-53, and e^x rounds to 0 below half the
    // smallest subnormal double, where the evaluator fails; there the exact reading of
    // e^(e^x) - 1, about e^x, lies within its own rounding of 1.
    {"ExponentialOfExponential", "expn(expn(x))", "1", FindingKind::Plateau,
     std::log(4.9406564584124654e-324L / 2), -53 * std::log(2.0L), true},
    // 1 + 1e-30 x^2 rounds to 1 for |x| < 1000; the exact difference is 0 at x = 0 only.
    {"TinySquareOnOne", "1+10^(-30)*x^2", "1", FindingKind::Plateau, -1000, 1000},
};

INSTANTIATE_TEST_SUITE_P(Runs, ZeroRunTest, testing::ValuesIn(runCases),
                         [](const testing::TestParamInfo<RunCase>& info) {
                             return std::string(info.param.name);
                         });

using HiddenSearchTest = RootSearchTest;

// sin(1/x) = 0 has the roots 1/(k pi): every one farther than 0.01 from 0 is found, every
// line printed is one of them, and what is left undecided lies near 0.
TEST_F(HiddenSearchTest, OscillationNearZeroIsUndecidedThere) {
    setEquation("sin(1/x)", "0");
    const std::vector<long double> found = solveWith(-1, 1, 100);
    std::vector<std::string> printed;
    for (long double root : found) {
        const long double k = std::round(1 / (root * pi));
        ASSERT_NE(k, 0);
        EXPECT_EQ(printedRoot(root), printedRoot(1 / (k * pi))) << printedRoot(root);
        printed.push_back(printedRoot(root));
    }
    for (long double k = 1; 1 / (k * pi) > 0.01L; ++k) {
        for (const long double root : {-1 / (k * pi), 1 / (k * pi)}) {
            EXPECT_EQ(std::count(printed.begin(), printed.end(), printedRoot(root)), 1)
                << printedRoot(root);
        }
    }
    const std::vector<Finding> undecided = findingsOf(FindingKind::Undecided);
    ASSERT_FALSE(undecided.empty());
    EXPECT_GE(undecided.front().lower, -0.01L);
    EXPECT_LE(undecided.back().upper, 0.01L);
    EXPECT_FALSE(lastSearch().provenNoRoot);
}

// A decimal with at most nine places in [0.1, 10): its text is the root's printed line.
std::string decimal(std::mt19937& random, long double lo, long double hi) {
    const long double v = std::uniform_real_distribution<long double>(lo, hi)(random);
    char text[32];
    std::snprintf(text, sizeof text, "%.9Lf", v);
    return text;
}

// Random products c (x - r1)^m1 ... with roots clustered inside one grid step, down to 1e-7
// of it: every root is found once and printed right, nothing else, and nothing undecided.
TEST_F(HiddenSearchTest, RandomClusteredProductsYieldEveryRoot) {
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 150; ++trial) {
        const int count = std::uniform_int_distribution<int>(2, 4)(random);
        const std::string first = decimal(random, 0.2L, 1.8L);
        std::vector<long double> truth{std::strtold(first.c_str(), nullptr)};
        std::string product = "(x-" + first + ")";
        while (static_cast<int>(truth.size()) < count) {
            // 1e-3 to 1e-7 of the step 0.01 beyond a root already there.
            const long double gap =
                0.01L * std::pow(10.0L, -std::uniform_int_distribution<int>(3, 7)(random));
            char text[32];
            std::snprintf(text, sizeof text, "%.9Lf", truth.back() + gap);
            const long double r = std::strtold(text, nullptr);
            if (r <= truth.back()) {
                continue;
            }
            truth.push_back(r);
            const int multiplicity = std::uniform_int_distribution<int>(1, 2)(random);
            product += "*(x-" + std::string(text) + ")" + (multiplicity == 2 ? "^2" : "");
        }
        const std::string left = decimal(random, 0.5L, 5) + "*" + product;
        setEquation(left, "0");
        const std::vector<long double> found = solveWith(-10, 10, 100);
        std::vector<std::string> printed;
        for (long double root : found) {
            printed.push_back(printedRoot(root));
        }
        std::vector<std::string> expected;
        for (long double root : truth) {
            expected.push_back(printedRoot(root));
        }
        EXPECT_EQ(printed, expected) << left;
        EXPECT_TRUE(findingsOf(FindingKind::Undecided).empty()) << left;
    }
}

// Random sums of narrow, well apart bumps exp(-(x - c)^2 s) = h: two roots per bump.
TEST_F(HiddenSearchTest, RandomNarrowBumpsYieldEveryRoot) {
    std::mt19937 random(7122026);
    for (int trial = 0; trial < 100; ++trial) {
        const int count = std::uniform_int_distribution<int>(1, 4)(random);
        const long double h = std::uniform_real_distribution<long double>(0.1L, 0.9L)(random);
        char level[32];
        std::snprintf(level, sizeof level, "%.6Lf", h);
        std::string sum;
        std::vector<long double> truth;
        for (int i = 0; i < count; ++i) {
            // Centres 0.05 apart or more, widths from 1e-3 to 1e-7.
            const std::string centre = decimal(random, -1 + 0.5L * i, -0.55L + 0.5L * i);
            const int exponent = std::uniform_int_distribution<int>(6, 14)(random);
            const std::string shift = centre[0] == '-' ? "+" + centre.substr(1) : "-" + centre;
            sum += (sum.empty() ? "" : "+") + std::string("expn(0-(x") + shift + ")^2*10^" +
                   std::to_string(exponent) + ")";
            const std::vector<long double> two =
                needle(std::strtold(centre.c_str(), nullptr), std::pow(10.0L, exponent),
                       std::strtold(level, nullptr));
            truth.insert(truth.end(), two.begin(), two.end());
        }
        setEquation(sum, level);
        const std::vector<long double> found = solveWith(-2, 2, 100);
        std::vector<std::string> printed;
        for (long double root : found) {
            printed.push_back(printedRoot(root));
        }
        std::vector<std::string> expected;
        for (long double root : truth) {
            expected.push_back(printedRoot(root));
        }
        EXPECT_EQ(printed, expected) << sum << " = " << level;
        EXPECT_TRUE(findingsOf(FindingKind::Undecided).empty()) << sum << " = " << level;
    }
}

// The "no root" outcome is a proof: random equations that get it show no exact zero and no
// sign change that refines to a root on a grid a hundred times finer, evaluated point by
// point; and none of them has an undecided stretch.
TEST_F(HiddenSearchTest, NoRootOnlyWhenProven) {
    std::mt19937 random(1207);
    FormulaMaker maker(random);
    int proven = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const std::string left = maker.make(3);
        const std::string right = maker.make(1);
        setEquation(left, right);
        solveWith(-2, 2, 100);
        const SearchOutcome& outcome = lastSearch();
        if (!outcome.provenNoRoot) {
            continue;
        }
        ++proven;
        EXPECT_TRUE(findingsOf(FindingKind::Undecided).empty());
        bool previousValid = false;
        Sample previous{};
        for (int i = -20000; i <= 20000; ++i) {
            const long double x = i / 10000.0L;
            const Sample s = sampleAt(reference(), x);
            if (s.value.failed || s.value.skippedDivision || std::isnan(s.value.d)) {
                previousValid = false;
                continue;
            }
            ASSERT_NE(s.value.d, 0) << left << " = " << right << " at " << printedRoot(x);
            if (previousValid && (previous.value.d < 0) != (s.value.d < 0)) {
                bool fehler = false;
                refineBracket(sides(), previous.x, x, fehler);
                EXPECT_TRUE(fehler) << left << " = " << right << " near " << printedRoot(x);
            }
            previous = s;
            previousValid = true;
        }
    }
    EXPECT_GT(proven, 100) << proven;
}

// Two clusters of roots inside single steps, in different parts of a search of four million
// steps: found alike on one thread, two and four, each root printed right.
TEST_F(HiddenSearchTest, PartsFindTheSameOnAnyNumberOfThreads) {
    setEquation("(x-1000.0003)*(x-1000.0006)*(x-3000.0002)*(x-3000.0005)", "0");
    std::vector<std::vector<std::string>> printed;
    for (const int threads : {1, 2, 4}) {
        ParallelScanOptions options;
        options.threads = threads;
        std::vector<std::string> lines;
        for (const long double root : solveWith(0, 4000, 1000, options)) {
            lines.push_back(printedRoot(root));
        }
        EXPECT_TRUE(findingsOf(FindingKind::Undecided).empty());
        printed.push_back(lines);
    }
    const std::vector<std::string> expected{printedRoot(1000.0003L), printedRoot(1000.0006L),
                                            printedRoot(3000.0002L), printedRoot(3000.0005L)};
    EXPECT_EQ(printed[0], expected);
    EXPECT_EQ(printed[1], expected);
    EXPECT_EQ(printed[2], expected);
}

// Says that the user cancelled once the progress passed a mark, and counts how often the search
// let it serve its events.
class CancellingDisplay : public ProgressReporter {
public:
    explicit CancellingDisplay(int64_t mark) : mark_(mark) {}
    int served = 0;
    void setTotalSteps(int) override {}
    void setProgress(int done) override { passed_ = passed_ || done > mark_; }
    bool wasCancelled() override { return passed_; }
    void reset() override {}
    void whileWaiting() override { ++served; }

private:
    int64_t mark_;
    bool passed_ = false;
};

// A cancel in the search inside the steps, which the display's progress shows past the scan's
// share, stops it: the findings cover only what was searched, and the rest is not decided.
TEST_F(HiddenSearchTest, CancelInTheSearchKeepsWhatWasFound) {
    setEquation("1/sin(x)", "0.5");
    const ScanGrid grid = makeGrid(-100000, 100000, 1000);
    CancellingDisplay display(grid.n);
    const SearchOutcome found = searchEquation(sides(), grid, &display);
    ASSERT_TRUE(found.cancelled);
    EXPECT_FALSE(found.scanCancelled);
    EXPECT_FALSE(found.provenNoRoot);
    EXPECT_LT(found.reached, grid.at(grid.n));
    ASSERT_FALSE(found.findings.empty());
    for (const Finding& f : found.findings) {
        EXPECT_LE(f.upper, found.reached);
    }
    EXPECT_GE(display.served, 1);
}

} // namespace
