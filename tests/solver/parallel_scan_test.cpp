#include "root_search_fixture.h"

#include "solver/bracket_scan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Equation {
    const char* name;
    const char* left;
    const char* right;
    int a;
    int b;
    long double schrittweite;
    friend void PrintTo(const Equation& e, std::ostream* os) { *os << e.name; }
};

// Equations whose brackets need every part of the scan: sign changes, exact zeros and runs of
// them across chunks, failed points, steep roots, poles, NaN, the bracket cap and borders.
const Equation equations[] = {
    {"Quadratic", "x^2", "2", -20, 20, 100},
    {"ExactZeros", "x^2", "x+2", -20, 20, 100},
    {"FailingLeftHalf", "sqrt(x)", "0", -5, 5, 100},
    {"Tangent", "tan(x)", "0.5", -20, 20, 100},
    {"Pole", "1/x", "0.25", -10, 10, 100},
    {"SteepRoot", "2000*x", "7", -3, 3, 100},
    {"RootAtFirstPoint", "x", "-5", -5, 15, 100},
    {"FailedFirstPoint", "ln(x)", "0", 0, 4, 100},
    {"DivisionByZeroGives0", "x/x", "1", -2, 2, 100},
    {"ConstantSideSkipsADivision", "x^2", "4/0+3", -5, 5, 100},
    {"ConstantSideCalls", "x", "sqrt(2)*ln(3)", -5, 5, 100},
    {"NaNDifference", "sqrt(x)-sqrt(x)", "0", -1, 1, 100},
    {"Jumps", "x/sqrt(x^2)", "0.5", -3, 3, 1000},
    {"ManySignChanges", "sin(x*50)", "0", -30, 30, 100},
    {"BracketCap", "cos(x*100*pi)", "0", 0, 1001, 100},
    {"ZeroRuns", "x-x", "0", -20, 20, 100},
    {"ZeroRunBrokenBySkippedDivision", "x/sqrt(x^2)*0", "0", -3, 3, 100},
    {"BordersOfTheDomain", "sqrt(3-x^2)", "0", -3, 3, 100},
    {"BorderBesideAFailingRun", "sqrt(x-0.255)", "0", -1, 1, 100},
    {"SteepBesidePoles", "tan(x)", "300", -5, 5, 100},
};

class ParallelScan : public RootSearchTest, public testing::WithParamInterface<Equation> {};

bool sameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

// The parallel scan must store exactly the brackets of the point-by-point reference,
// however the grid is cut into chunks and however many threads take them.
TEST_P(ParallelScan, StoresTheBracketsOfTheReference) {
    const Equation& e = GetParam();
    setEquation(e.left, e.right);
    const std::vector<Bracket> expected =
        scanWith(e.a, e.b, e.schrittweite, nullptr, ScanPath::Sequential);
    ASSERT_FALSE(expected.empty());

    const ParallelScanOptions cuts[] = {{1, 2}, {2, 3}, {7, 2}, {1000, 2}, {1 << 18, 0}, {50, 1}};
    for (const ParallelScanOptions& options : cuts) {
        const std::vector<Bracket> found =
            scanWith(e.a, e.b, e.schrittweite, nullptr, ScanPath::Parallel, options);
        const int count = static_cast<int>(found.size());
        ASSERT_EQ(count, static_cast<int>(expected.size()))
            << "chunk " << options.chunkSize << ", threads " << options.threads;
        for (int i = 1; i <= count; ++i) {
            ASSERT_TRUE(sameBits(found[i - 1].lower, expected[i - 1].lower) &&
                        sameBits(found[i - 1].upper, expected[i - 1].upper))
                << "bracket " << i << ", chunk " << options.chunkSize;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Equations, ParallelScan, testing::ValuesIn(equations),
                         [](const testing::TestParamInfo<Equation>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(RootSearchTest, ParallelScanReportsTheLastGridPoint) {
    setEquation("x", "1");
    scanWith(-3, 3, 100);
    EXPECT_EQ(lastScan().lastX, 3);
}

} // namespace
