// The parts behind the fallback of the solver: the transversal that sets the scaling, the
// scaled system, the rank decision of the factors and the backward error.
#include "gauss/heaviest_transversal.h"
#include "gauss/pivoted_factors.h"
#include "gauss/refined_solution.h"
#include "gauss/residual.h"
#include "gauss/scaled_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr int G = gauss::Groesse;
using Matrix = std::vector<std::vector<long double>>; // rows of coefficients

// Largest weight sum over all permutations, by trying each: the slow reference.
int bruteForceHeaviest(const int (*weight)[G], int n) {
    std::vector<int> columns(n);
    for (int j = 0; j < n; ++j) {
        columns[j] = j + 1;
    }
    int best = std::numeric_limits<int>::min();
    do {
        int sum = 0;
        bool complete = true;
        for (int i = 1; i <= n && complete; ++i) {
            complete = weight[i][columns[i - 1]] != gauss::NoWeight;
            sum += complete ? weight[i][columns[i - 1]] : 0;
        }
        if (complete) {
            best = std::max(best, sum);
        }
    } while (std::next_permutation(columns.begin(), columns.end()));
    return best;
}

TEST(HeaviestTransversal, MatchesEveryPermutationTried) {
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 1 + static_cast<int>(random() % 6);
        int weight[G][G] = {};
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                weight[i][j] = random() % 5 == 0 ? gauss::NoWeight
                                                 : static_cast<int>(random() % 32891) - 16445;
            }
        }
        const int best = bruteForceHeaviest(weight, n);
        const gauss::TransversalScaling scaling = gauss::heaviestTransversal(weight, n);
        ASSERT_EQ(scaling.found, best != std::numeric_limits<int>::min()) << "trial " << trial;
        if (!scaling.found) {
            continue;
        }
        // Dual feasibility and a dual sum equal to the best sum prove optimality.
        int dualSum = 0;
        for (int i = 1; i <= n; ++i) {
            dualSum += scaling.row[i] + scaling.column[i];
            for (int j = 1; j <= n; ++j) {
                if (weight[i][j] != gauss::NoWeight) {
                    EXPECT_LE(weight[i][j] + scaling.row[i] + scaling.column[j], 0);
                }
            }
        }
        EXPECT_EQ(-dualSum, best) << "trial " << trial;
    }
}

TEST(HeaviestTransversal, ZeroRowOrHallViolationIsStructurallySingular) {
    int zeroRow[G][G] = {};
    for (int j = 1; j <= 3; ++j) {
        zeroRow[1][j] = zeroRow[3][j] = 4;
        zeroRow[2][j] = gauss::NoWeight;
    }
    EXPECT_FALSE(gauss::heaviestTransversal(zeroRow, 3).found);
    // Rows 1 and 2 have coefficients only in column 1.
    int twoRowsOneColumn[G][G] = {};
    for (int j = 2; j <= 3; ++j) {
        twoRowsOneColumn[1][j] = twoRowsOneColumn[2][j] = gauss::NoWeight;
    }
    EXPECT_FALSE(gauss::heaviestTransversal(twoRowsOneColumn, 3).found);
}

gauss::ScaledSystem scale(const Matrix& rows, const std::vector<long double>& rechts) {
    long double koeff[G][G] = {};
    long double werte[G] = {};
    const int n = static_cast<int>(rows.size());
    for (int i = 1; i <= n; ++i) {
        werte[i] = rechts[i - 1];
        for (int j = 1; j <= n; ++j) {
            koeff[j][i] = rows[i - 1][j - 1];
        }
    }
    return gauss::scaleSystem(koeff, werte, n);
}

// 2a + b = 4, a + 3b + c = 10, b + 4c = 14 with rows scaled by 1e150, 1e-100, 1e200 and the
// unknowns by 1, 1e-100, 1e-190: each row and column of the scaled system peaks in [1, 2),
// and the solution (1, 2e100, 3e190) times 2^-exponent solves it.
TEST(ScaledSystem, RowsAndColumnsPeakInOneToTwo) {
    const gauss::ScaledSystem system =
        scale({{2e150L, 1e50L, 0}, {1e-100L, 3e-200L, 1e-290L}, {0, 1e100L, 4e10L}},
              {4e150L, 1e-99L, 1.4e201L});
    ASSERT_TRUE(system.finite);
    ASSERT_TRUE(system.transversal);
    for (int k = 1; k <= 3; ++k) {
        long double rowPeak = 0;
        long double columnPeak = 0;
        for (int m = 1; m <= 3; ++m) {
            rowPeak = std::max(rowPeak, std::fabs(system.a[k][m]));
            columnPeak = std::max(columnPeak, std::fabs(system.a[m][k]));
        }
        EXPECT_GE(rowPeak, 1);
        EXPECT_LT(rowPeak, 2);
        EXPECT_GE(columnPeak, 1);
        EXPECT_LT(columnPeak, 2);
    }
    const long double solution[] = {0, 1, 2e100L, 3e190L};
    for (int i = 1; i <= 3; ++i) {
        long double sum = 0;
        for (int j = 1; j <= 3; ++j) {
            sum += system.a[i][j] * std::ldexp(solution[j], -system.exponent[j]);
        }
        EXPECT_NEAR(static_cast<double>(sum / system.b[i]), 1.0, 1e-15);
    }
}

class NotFinite : public testing::TestWithParam<long double> {};

TEST_P(NotFinite, InCoefficientOrRightHandSideIsFlagged) {
    EXPECT_FALSE(scale({{1, GetParam()}, {0, 1}}, {1, 1}).finite);
    EXPECT_FALSE(scale({{1, 0}, {0, 1}}, {GetParam(), 1}).finite);
    EXPECT_TRUE(scale({{1, 0}, {0, 1}}, {1, 1}).finite);
}

INSTANTIATE_TEST_SUITE_P(Gauss, NotFinite,
                         testing::Values(std::numeric_limits<long double>::infinity(),
                                         -std::numeric_limits<long double>::infinity(),
                                         std::numeric_limits<long double>::quiet_NaN()));

struct RankCase {
    const char* name;
    long double last; // the rows are (1, 1) and (1, last)
    bool regular;
};

class RankThreshold : public testing::TestWithParam<RankCase> {};

// The second pivot of (1, 1), (1, 1 + d) is d / (1 + d), by hand.
TEST_P(RankThreshold, SecondPivotAgainstTwoToMinus42) {
    const gauss::Factors factors = gauss::factorize(scale({{1, 1}, {1, GetParam().last}}, {1, 1}));
    EXPECT_EQ(factors.regular, GetParam().regular);
}

INSTANTIATE_TEST_SUITE_P(Gauss, RankThreshold,
                         testing::Values(RankCase{"Equal", 1, false},
                                         RankCase{"TwoToMinus44", 1 + 0x1p-44L, false},
                                         RankCase{"TwoToMinus43", 1 + 0x1p-43L, false},
                                         RankCase{"TwoToMinus41", 1 + 0x1p-41L, true},
                                         RankCase{"TwoToMinus30", 1 + 0x1p-30L, true}),
                         [](const testing::TestParamInfo<RankCase>& info) {
                             return info.param.name;
                         });

// Whole numbers with a whole solution (3, -2, 5, 1) come out exact: the fraction-free
// divisions do not round.
TEST(Factors, WholeNumberSolutionIsExact) {
    const Matrix rows{{7, -3, 2, 9}, {4, 11, -6, 1}, {-5, 2, 8, -7}, {3, 3, 3, 13}};
    const long double x[] = {3, -2, 5, 1};
    std::vector<long double> rechts;
    for (const auto& row : rows) {
        rechts.push_back(row[0] * x[0] + row[1] * x[1] + row[2] * x[2] + row[3] * x[3]);
    }
    const gauss::ScaledSystem system = scale(rows, rechts);
    const gauss::Factors factors = gauss::factorize(system);
    ASSERT_TRUE(factors.regular);
    long double values[G] = {};
    ASSERT_TRUE(gauss::solveRefined(system, factors, values));
    for (int j = 1; j <= 4; ++j) {
        EXPECT_EQ(values[j], x[j - 1]) << "X" << j;
    }
}

// x1 + x2 = 2 and x1 - x2 = 0 at (1, 1.5): residuals -0.5 and 0.5 over term sizes
// 1 + 1.5 + 2 and 1 + 1.5 + 0, so the larger ratio is 0.5 / 2.5 = 0.2.
TEST(BackwardError, LargestResidualOverTermSizes) {
    const gauss::ScaledSystem system = scale({{1, 1}, {1, -1}}, {2, 0});
    const long double off[] = {0, 1, 1.5L};
    EXPECT_NEAR(static_cast<double>(gauss::backwardError(system, off)), 0.2, 1e-18);
    const long double exact[] = {0, 1, 1};
    EXPECT_EQ(gauss::backwardError(system, exact), 0);
    const long double nan[] = {0, 1, std::numeric_limits<long double>::quiet_NaN()};
    EXPECT_EQ(gauss::backwardError(system, nan), std::numeric_limits<long double>::infinity());
}

} // namespace
