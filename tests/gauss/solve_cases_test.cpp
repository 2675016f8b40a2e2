#include "gauss/gausalgorithmus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Equations = std::vector<std::vector<long double>>;

// One system, its equations written as {right-hand side, k1, ..., kn}, and what it gives.
struct SolveCase {
    std::string name;
    Equations equations;
    int result;
    std::vector<long double> solution;
    long double tolerance; // relative; 0 asks for exact values
};

void PrintTo(const SolveCase& c, std::ostream* os) {
    *os << c.name;
}

// 10 x 10 system, whole coefficients, diagonally dominant, chosen solution x_j = j - 5.5.
Equations denseTenByTen() {
    Equations equations;
    for (int i = 1; i <= 10; ++i) {
        std::vector<long double> equation(11);
        for (int j = 1; j <= 10; ++j) {
            equation[j] = ((3 * i + 7 * j) % 11) - 5 + (i == j ? 20 : 0);
            equation[0] += equation[j] * (j - 5.5L);
        }
        equations.push_back(equation);
    }
    return equations;
}

// Upper triangular rows in reverse order, chosen solution x_j = j.
Equations reversedTriangularTenByTen() {
    Equations equations;
    for (int i = 1; i <= 10; ++i) {
        const int row = 11 - i;
        std::vector<long double> equation(11);
        for (int j = row; j <= 10; ++j) {
            equation[j] = (row + j) % 5 + 1;
            equation[0] += equation[j] * j;
        }
        equations.push_back(equation);
    }
    return equations;
}

std::vector<long double> range(long double first, int count) {
    std::vector<long double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(first + i);
    }
    return values;
}

class SolveCases : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveCases, GivesResultAndValues) {
    const SolveCase& c = GetParam();
    long double koeff[Gausalgorithmus::Groesse][Gausalgorithmus::Groesse] = {};
    long double rechts[Gausalgorithmus::Groesse] = {};
    const int n = static_cast<int>(c.equations.size());
    for (int i = 1; i <= n; ++i) {
        rechts[i] = c.equations[i - 1][0];
        for (int j = 1; j <= n; ++j) {
            koeff[j][i] = c.equations[i - 1][j];
        }
    }
    Gausalgorithmus solver{};
    ASSERT_EQ(solver.Werte_uebergeben(koeff, rechts, n), c.result);
    if (c.result != 0) {
        return;
    }
    EXPECT_EQ(solver.Anzahl, n);
    ASSERT_EQ(c.solution.size(), static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) {
        const long double want = c.solution[i - 1];
        const long double limit = c.tolerance * std::max(1.0L, std::fabs(want));
        EXPECT_LE(std::fabs(solver.getWert(i) - want), limit) << "X" << i;
    }
}

const SolveCase cases[] = {
    {"SumAndDifference", {{3, 1, 1}, {1, 1, -1}}, 0, {2, 1}, 0},
    {"ZeroFirstPivotOneRotation", {{2, 0, 1}, {5, 1, 0}}, 0, {5, 2}, 0},
    {"EqualEquations", {{1, 1, 1}, {1, 1, 1}}, 1, {}, 0},
    {"ZeroTimesX", {{5, 0}}, 1, {}, 0},
    {"ZeroTimesXIsZero", {{0, 0}}, 1, {}, 0},
    {"FourX", {{2, 4}}, 0, {0.5L}, 0},
    {"NoEquations", {}, 0, {}, 0},
    {"NegativePivot", {{6, -2, 1}, {1, 1, 1}}, 0, {-5.0L / 3, 8.0L / 3}, 1e-18L},
    {"TinyPivotIsDivided", {{1, 1e-30L}}, 0, {1e30L}, 1e-18L},
    {"ThreeBySums", {{18, 1, 1, 1}, {12, 1, 1, -1}, {-8, 1, -1, -1}}, 0, {5, 10, 3}, 1e-18L},
    {"UnitRowsOutOfRotationOrder", {{2, 0, 1, 0}, {1, 1, 0, 0}, {3, 0, 0, 1}}, 0, {1, 2, 3}, 0},
    {"ZeroBelowFirstPivot", {{18, 3, 3, 3}, {9, 0, 0, 3}, {2, 0, 1, 0}}, 0, {1, 2, 3}, 0},
    {"HugeCoefficientsWithRowExchanges",
     {{2e3000L, 0, 1e3000L, 0}, {1e3000L, 1e3000L, 0, 0}, {3e3000L, 0, 0, 1e3000L}},
     0,
     {1, 2, 3},
     1e-18L},
    {"SingularDependentRow", {{1, 1, 1, 0}, {2, 2, 0, 1}, {4, 4, 2, 1}}, 1, {}, 0},
    {"SingularInconsistent", {{1, 1, 1, 0}, {2, 2, 0, 1}, {5, 4, 2, 1}}, 1, {}, 0},
    {"SingularHiddenByRounding", {{-3, 2, 1, 2}, {-7, 6, 5, 4}, {-2, 0, -2, 2}}, 1, {}, 0},
    {"ZeroEquation", {{1, 1, 2}, {0, 0, 0}}, 1, {}, 0},
    // X1 = 1e8000 does not fit a long double.
    {"OverflowingSolution", {{1e4000L, 1e-4000L}}, 1, {}, 0},
    // Normalising equation 1 overflows the rotations; by hand X2 = (1 - 2e-4900) /
    // (1e100 - 1e-4900), which is 1e-100 in long double, and X1 = 2 - X2.
    {"RotationsOverflow", {{1, 1e-4900L, 1e100L}, {2, 1, 1}}, 0, {2, 1e-100L}, 1e-18L},
    {"InfiniteCoefficient", {{1, std::numeric_limits<long double>::infinity()}}, 1, {}, 0},
    {"NotANumberRightHandSide",
     {{std::numeric_limits<long double>::quiet_NaN(), 1, 0}, {1, 0, 1}},
     1,
     {},
     0},
    {"DenseTenByTen", denseTenByTen(), 0, range(-4.5L, 10), 1e-16L},
    {"ReversedTriangularTenByTen", reversedTriangularTenByTen(), 0, range(1, 10), 1e-16L},
};

INSTANTIATE_TEST_SUITE_P(Gauss, SolveCases, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<SolveCase>& info) {
                             return info.param.name;
                         });

} // namespace
