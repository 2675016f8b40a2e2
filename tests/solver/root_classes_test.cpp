#include "root_search_fixture.h"

#include "interpreter/formelinterpreter.h"
#include "reference_scan.h"
#include "solver/event_analysis.h"
#include "solver/root_refinement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

const long double pi = std::numbers::pi_v<long double>;

struct ClassCase {
    const char* name;
    const char* left;
    const char* right;
    int centre;
    int halfWidth;
    int steps;
    std::function<std::vector<long double>()> truth; // the roots in increasing order
    friend void PrintTo(const ClassCase& c, std::ostream* os) { *os << c.name; }
};

class RootClassTest : public RootSearchTest, public testing::WithParamInterface<ClassCase> {};

// Each root printed as the equation page prints it, against the true root printed alike.
TEST_P(RootClassTest, PrintsEveryTrueRootOnce) {
    const ClassCase& c = GetParam();
    setEquation(c.left, c.right);
    const std::vector<long double> found =
        solveWith(c.centre - c.halfWidth, c.centre + c.halfWidth, c.steps);
    const std::vector<long double> truth = c.truth();
    std::vector<std::string> printed;
    for (long double root : found) {
        printed.push_back(printedRoot(root));
    }
    std::vector<std::string> expected;
    for (long double root : truth) {
        expected.push_back(printedRoot(root));
    }
    EXPECT_EQ(printed, expected);
}

std::vector<long double> none() {
    return {};
}

const ClassCase classCases[] = {
    // Far from 0 the sides see x rounded to double.
    {"SineAtTenThousand", "sin(x)", "0", 10000, 10, 100,
     [] { return periodic(0, pi, 9990, 10010); }},
    {"SineAtHundredThousand", "sin(x)", "0", 100000, 10, 100,
     [] { return periodic(0, pi, 99990, 100010); }},
    {"SineAtHundredThousandFine", "sin(x)", "0", 30000, 10, 1000,
     [] { return periodic(0, pi, 29990, 30010); }},
    {"SineAtAMillion", "sin(x)", "0", 1000000, 10, 100,
     [] { return periodic(0, pi, 999990, 1000010); }},
    {"SineWideFarFromZero", "sin(x)", "0", 100000, 1000, 100,
     [] { return periodic(0, pi, 99000, 101000); }},
    {"CosineAtHundredThousand", "cos(x)", "0", 100000, 10, 100,
     [] { return periodic(pi / 2, pi, 99990, 100010); }},
    {"CosineAtAMillion", "cos(x)", "0", 1000000, 10, 100,
     [] { return periodic(pi / 2, pi, 999990, 1000010); }},
    {"TangentAtTenThousand", "tan(x)", "0", 10000, 10, 100,
     [] { return periodic(0, pi, 9990, 10010); }},
    {"TangentAtAMillion", "tan(x)", "1", 1000000, 10, 100,
     [] { return periodic(pi / 4, pi, 999990, 1000010); }},
    {"ExponentialAtTenThousand", "expn(x-10000)", "2", 10000, 10, 100,
     [] { return std::vector<long double>{10000 + std::log(2.0L)}; }},
    {"ExponentialAtAMillion", "expn(x-1000000)", "2", 1000000, 10, 1000,
     [] { return std::vector<long double>{1000000 + std::log(2.0L)}; }},
    // Steep roots beside poles.
    {"SteepBesideReciprocalPole", "1/(x-0.25)", "5000", 0, 5, 100,
     [] { return std::vector<long double>{0.25L + 1 / 5000.0L}; }},
    {"SteepBesideTangentPoles", "tan(x)", "300", 0, 5, 100,
     [] { return periodic(std::atan(300.0L), pi, -5, 5); }},
    // Small slopes and odd multiplicities.
    {"SmallSlope", "x^2", "0.000004", 0, 1000, 100,
     [] {
         return std::vector<long double>{-0.002L, 0.002L};
     }},
    {"CubeOfSmallRoot", "x^3", "0.000000001", 0, 1000, 100,
     [] { return std::vector<long double>{0.001L}; }},
    {"TripleRoot", "(x-0.7071)^3", "0", 0, 1000, 100,
     [] { return std::vector<long double>{0.7071}; }},
    // Touching roots and two roots inside one step.
    {"SineTouchesMinusOne", "sin(x)", "-1", 0, 10, 100,
     [] { return periodic(-pi / 2, 2 * pi, -10, 10); }},
    {"SquareTouches", "(x-0.3)^2", "0", 0, 1000, 100, [] { return std::vector<long double>{0.3}; }},
    {"SquareOfQuadraticTouchesTwice", "(x^2-5)^2", "0", 0, 1000, 100,
     [] {
         return std::vector<long double>{-std::sqrt(5.0L), std::sqrt(5.0L)};
     }},
    {"TwoRootsInOneStep", "(x-0.5003)*(x-0.5007)", "0", 0, 1000, 100,
     [] {
         return std::vector<long double>{0.5003, 0.5007};
     }},
    // Roots at borders of the domain.
    {"BordersOfASemicircle", "sqrt(3-x^2)", "0", 0, 1000, 100,
     [] {
         return std::vector<long double>{-std::sqrt(3.0L), std::sqrt(3.0L)};
     }},
    {"BorderOfARoot", "sqrt(x-0.255)", "0", 0, 1000, 100,
     [] { return std::vector<long double>{0.255}; }},
    // Near misses are no roots.
    {"SquareMissesZero", "(x-0.3)^2", "-0.0001", 0, 1000, 100, none},
    {"SineMissesOne", "sin(x)", "1.000001", 0, 1000, 100, none},
    {"CoshMissesOne", "cosh(x)", "0.9999", 0, 1000, 100, none},
    // Borders where d does not tend to 0.
    {"BorderAwayFromZero", "sqrt(x-0.255)", "-1", 0, 1000, 100, none},
    {"LogarithmRunsOffAtZero", "ln(x)", "0", 0, 1000, 100,
     [] { return std::vector<long double>{1}; }},
    {"ReciprocalRootRunsOff", "1/sqrt(x)", "0", 0, 1000, 100, none},
    // Poles and jumps.
    {"TangentPoles", "tan(x)", "0.5", 0, 1000, 100,
     [] { return periodic(std::atan(0.5L), pi, -1000, 1000); }},
    {"ReciprocalPole", "1/x", "0", 0, 1000, 100, none},
    {"ShiftedReciprocalPole", "1/(x-1)", "0", 0, 1000, 100, none},
    {"DoublePoleWithoutSignChange", "1/(x-1)^2", "0", 0, 1000, 100, none},
    {"DoublePoleTwoRoots", "1/(x-1)^2", "4", 0, 1000, 100,
     [] {
         return std::vector<long double>{0.5L, 1.5L};
     }},
    {"SignJump", "x/sqrt(x^2)", "0", 0, 1000, 1000, none},
    {"ShiftedSignJump", "5*(x-0.0033)/sqrt((x-0.0033)^2)", "0", 0, 100, 100, none},
};

// Counts evaluations: in all, and the most made between one grid point and the next, which
// are those spent on the places the tracker pointed out there.
class CountingDifference final : public DifferenceSource {
public:
    CountingDifference(const DifferenceSource& sides, const ScanGrid& grid)
        : sides_(sides), grid_(grid) {}

    SideDifference at(long double x) const override {
        ++total_;
        if (next_ <= grid_.n && x == grid_.at(next_)) {
            ++next_;
            most_ = std::max(most_, sinceGridPoint_);
            sinceGridPoint_ = 0;
        } else {
            ++sinceGridPoint_;
        }
        return sides_.at(x);
    }
    int mostBetweenGridPoints() const { return std::max(most_, sinceGridPoint_); }
    int total() const { return total_; }

private:
    const DifferenceSource& sides_;
    const ScanGrid grid_;
    mutable int64_t next_ = 0;
    mutable int sinceGridPoint_ = 0;
    mutable int most_ = 0;
    mutable int total_ = 0;
};

TEST_P(RootClassTest, SettlesEveryPlaceAndBracketWithinTheBound) {
    const ClassCase& c = GetParam();
    setEquation(c.left, c.right);
    const ScanGrid grid = makeGrid(c.centre - c.halfWidth, c.centre + c.halfWidth, c.steps);
    const CountingDifference scanCount(reference(), grid);
    const ScanOutcome outcome = scanSequentially(scanCount, grid, nullptr);
    EXPECT_LE(scanCount.mostBetweenGridPoints(), MaxEvaluationsPerPlace);
    for (const RootBracket& bracket : outcome.brackets) {
        if (bracket.kind == BracketKind::SignChange) {
            const CountingDifference refineCount(reference(), grid);
            refineSignChange(refineCount, bracket.lower, bracket.upper);
            EXPECT_LE(refineCount.total(), MaxNarrowingEvaluations + 2);
        }
    }
}

// Enclosures pass over stretches only where the full scan finds nothing either.
TEST_P(RootClassTest, PrunedScanEqualsTheFullScan) {
    const ClassCase& c = GetParam();
    setEquation(c.left, c.right);
    const ScanGrid grid = makeGrid(c.centre - c.halfWidth, c.centre + c.halfWidth, c.steps);
    ParallelScanOptions full;
    full.prune = false;
    EXPECT_TRUE(sameOutcome(scanGridForRoots(sides(), grid, nullptr),
                            scanGridForRoots(sides(), grid, nullptr, full)));
}

INSTANTIATE_TEST_SUITE_P(Solve, RootClassTest, testing::ValuesIn(classCases),
                         [](const testing::TestParamInfo<ClassCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
