// Systems with more equations than unknowns, fewer, or a rank below both, typed as decimal
// texts. The truth is the reduced row echelon form of the decimals in exact fractions, its
// columns taken from left to right: whether the system has a solution, which unknowns are
// free, and the value and factors of every other unknown. Random whole-number systems of a
// chosen rank check the same against the same truth.
#include "gauss/gausalgorithmus.h"
#include "gauss/solution_set.h"

#include "exact_fraction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int G = Gausalgorithmus::Groesse;

struct Case {
    std::string name;
    int unknowns;
    // Equations as {right-hand side, k1, k2, ...}; missing coefficients are 0.
    std::vector<std::vector<std::string>> equations;
    // Equation i is typed 10^rowScale[i] times as large, which changes no solution.
    std::vector<int> rowScale = {};
    // Relative error allowed: the cells' rounding to double, times the condition number.
    long double tolerance = 1e-14L;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

struct Typed {
    long double koeff[G][G] = {};
    long double rechts[G] = {};
};

// Each cell the double nearest its decimal (scaled), as the page reads it.
Typed typed(const Case& c) {
    Typed t;
    for (std::size_t i = 0; i < c.equations.size(); ++i) {
        const auto& equation = c.equations[i];
        const std::string scale = "e" + std::to_string(c.rowScale.empty() ? 0 : c.rowScale.at(i));
        t.rechts[i + 1] = std::strtod((equation[0] + scale).c_str(), nullptr);
        for (std::size_t j = 1; j < equation.size(); ++j) {
            t.koeff[j][i + 1] = std::strtod((equation[j] + scale).c_str(), nullptr);
        }
    }
    return t;
}

exact::System exactSystem(const Case& c) {
    exact::System system;
    for (const auto& equation : c.equations) {
        std::vector<exact::Fraction> row(c.unknowns);
        for (std::size_t j = 1; j < equation.size(); ++j) {
            row[j - 1] = exact::fromDecimal(equation[j]);
        }
        system.koeff.push_back(row);
        system.rechts.push_back(exact::fromDecimal(equation[0]));
    }
    return system;
}

// Values and factors are compared relative to their magnitude, and to 1 for small ones.
void expectClose(long double got, exact::Fraction want, long double tolerance,
                 const std::string& what) {
    const long double w = exact::toLongDouble(want);
    EXPECT_LE(std::fabs(got - w), tolerance * std::max(std::fabs(w), 1.0L))
        << what << ": " << static_cast<double>(got) << " instead of " << static_cast<double>(w);
}

// The set against the exact solution of the same system.
void expectAgreement(const gauss::SolutionSet& set, const exact::Solution& truth, int unknowns,
                     long double tolerance) {
    if (!truth.consistent) {
        EXPECT_EQ(set.kind, gauss::SolutionKind::None);
        return;
    }
    const bool anyFree = std::count(truth.free.begin(), truth.free.end(), true) > 0;
    ASSERT_EQ(set.kind, anyFree ? gauss::SolutionKind::Infinite : gauss::SolutionKind::Unique);
    ASSERT_EQ(set.unknowns, unknowns);
    for (int j = 1; j <= unknowns; ++j) {
        const std::string name = "X" + std::to_string(j);
        ASSERT_EQ(set.free[j], truth.free[j - 1]) << name;
        if (set.free[j]) {
            continue;
        }
        expectClose(set.value[j], truth.value[j - 1], tolerance, name);
        for (int f = 1; f <= unknowns; ++f) {
            if (set.free[f]) {
                expectClose(set.factor[j][f], truth.factor[j - 1][f - 1], tolerance,
                            name + " per X" + std::to_string(f));
            }
        }
    }
}

class RectangularSystem : public testing::TestWithParam<Case> {};

TEST_P(RectangularSystem, AgreesWithTheExactEchelonForm) {
    const Case& c = GetParam();
    const Typed t = typed(c);
    const int equations = static_cast<int>(c.equations.size());
    const gauss::SolutionSet set = gauss::solveSystem(t.koeff, t.rechts, equations, c.unknowns);
    expectAgreement(set, exact::solve(exactSystem(c), c.unknowns), c.unknowns, c.tolerance);
}

const Case cases[] = {
    // 3 = X1 + X2, 1 = X1 - X2 + 2 X3: X1 = 2 - X3, X2 = 1 + X3.
    {"TwoEquationsThreeUnknowns", 3, {{"3", "1", "1"}, {"1", "1", "-1", "2"}}},
    {"OneEquationThreeUnknowns", 3, {{"6", "1", "2", "3"}}},
    {"ThreeEquationsTwoUnknownsConsistent",
     2,
     {{"3", "1", "1"}, {"1", "1", "-1"}, {"5", "2", "1"}}},
    {"ThreeEquationsTwoUnknownsInconsistent",
     2,
     {{"3", "1", "1"}, {"1", "1", "-1"}, {"6", "2", "1"}}},
    {"OneUnknownTwice", 1, {{"4", "2"}, {"6", "3"}}},
    {"OneUnknownTwiceInconsistent", 1, {{"4", "2"}, {"7", "3"}}},
    // X1 appears nowhere, so it is free; X2 and X3 are fixed.
    {"FirstUnknownNowhere", 3, {{"2", "0", "1"}, {"5", "0", "2", "1"}}},
    // Column 2 = 2 * column 1: X2 is the free one, X1 and X3 follow.
    {"SecondColumnTwiceTheFirst", 3, {{"3", "1", "2", "1"}, {"4", "2", "4", "-1"}}},
    // Row 3 = row 1 + row 2 with four unknowns, right-hand side included.
    {"RankTwoOfThreeByFour",
     4,
     {{"1", "1", "2", "0", "-1"}, {"2", "0", "1", "1", "1"}, {"3", "1", "3", "1", "0"}}},
    {"RankTwoOfThreeByFourInconsistent",
     4,
     {{"1", "1", "2", "0", "-1"}, {"2", "0", "1", "1", "1"}, {"4", "1", "3", "1", "0"}}},
    // Decimals: row 3 = 0.3 * row 1 + 1.7 * row 2, right-hand side included. The first
    // two rows have the determinant 0.001, hence a condition number of about 1e3.
    {"DecimalsOverdeterminedConsistent",
     2,
     {{"0.7", "0.1", "0.3"}, {"2.1", "0.3", "0.91"}, {"3.78", "0.54", "1.637"}},
     {},
     1e-12L},
    {"DecimalsOverdeterminedInconsistent",
     2,
     {{"0.7", "0.1", "0.3"}, {"2.1", "0.3", "0.91"}, {"3.79", "0.54", "1.637"}}},
    {"DecimalsUnderdetermined", 3, {{"-0.7", "0.83", "-0.35", "1.25"}, {"0.1", "0", "0.2", "0.4"}}},
    // The first system with its equations 1e150 and 1e-150 times as large.
    {"ScaledRows", 3, {{"3", "1", "1"}, {"1", "1", "-1", "2"}}, {150, -150}},
    {"ScaledRowsOverdetermined",
     2,
     {{"3", "1", "1"}, {"1", "1", "-1"}, {"5", "2", "1"}},
     {-200, 120, 300}},
    {"ScaledRowsOverdeterminedInconsistent",
     2,
     {{"3", "1", "1"}, {"1", "1", "-1"}, {"5.000001", "2", "1"}},
     {-200, 120, 300}},
    // X2 = 1 - 0.999999999999 = 1e-12 is made of magnitudes near 1 by cancellation, and
    // is no rounding noise to be shown as 0.
    {"SmallValueByCancellation",
     2,
     {{"1", "1", "1"}, {"0.999999999999", "1"}, {"1.999999999999", "2", "1"}}},
    {"AllZeroConsistent", 3, {{"0", "0", "0", "0"}, {"0"}}},
    {"AllZeroInconsistent", 2, {{"0", "0", "0"}, {"1"}}},
    {"ZeroEquationBetween", 2, {{"3", "1", "1"}, {"0"}, {"1", "1", "-1"}}},
    {"NoUnknownsConsistent", 0, {{"0"}, {"0"}}},
    {"NoUnknownsInconsistent", 0, {{"0"}, {"2"}}},
    {"TenByTwo",
     2,
     {{"3", "1", "1"},
      {"1", "1", "-1"},
      {"5", "2", "1"},
      {"4", "1", "2"},
      {"-3", "-1", "-1"},
      {"7", "3", "1"},
      {"0", "1", "-2"},
      {"8", "3", "2"},
      {"2", "0", "2"},
      {"6", "2", "2"}}},
    {"TwoByTen",
     10,
     {{"10", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
      {"0", "1", "-1", "1", "-1", "1", "-1", "1", "-1", "1", "-1"}}},
};

INSTANTIATE_TEST_SUITE_P(Decimals, RectangularSystem, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(RectangularSystemInput, NoEquationsLeavesEveryUnknownFree) {
    const Typed t;
    const gauss::SolutionSet set = gauss::solveSystem(t.koeff, t.rechts, 0, 3);
    ASSERT_EQ(set.kind, gauss::SolutionKind::Infinite);
    EXPECT_TRUE(set.free[1] && set.free[2] && set.free[3]);
}

TEST(RectangularSystemInput, CountsOutsideTheArraysAndValuesThatAreNotFinite) {
    Typed t;
    t.koeff[1][1] = 1;
    t.rechts[1] = 1;
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, 1, G).kind, gauss::SolutionKind::NotFinite);
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, G, 1).kind, gauss::SolutionKind::NotFinite);
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, -1, 1).kind, gauss::SolutionKind::NotFinite);
    EXPECT_EQ(gauss::solveSystem(nullptr, t.rechts, 1, 1).kind, gauss::SolutionKind::NotFinite);
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, 1, 1).kind, gauss::SolutionKind::Unique);
    t.koeff[2][1] = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, 1, 2).kind, gauss::SolutionKind::NotFinite);
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, 1, 1).kind, gauss::SolutionKind::Unique);
}

// The rank is decided at working precision: two equations that differ in a coefficient by
// 1e-11 of it are independent, by 1e-14 (below SingularPivot = 2^-42, about 2.3e-13) they
// count as the same equation.
TEST(RectangularSystemRank, NearlyDependentEquationsFollowTheStatedTolerance) {
    Typed t;
    t.koeff[1][1] = t.koeff[2][1] = t.koeff[3][1] = 1;
    t.koeff[1][2] = t.koeff[3][2] = 1;
    t.rechts[1] = t.rechts[2] = 1;
    t.koeff[2][2] = 1 + 1e-11;
    EXPECT_EQ(gauss::solveSystem(t.koeff, t.rechts, 2, 3).rank, 2);
    t.koeff[2][2] = 1 + 1e-14;
    const gauss::SolutionSet set = gauss::solveSystem(t.koeff, t.rechts, 2, 3);
    EXPECT_EQ(set.rank, 1);
    EXPECT_EQ(set.kind, gauss::SolutionKind::Infinite);
}

// Random whole-number systems of m equations in k unknowns with coefficients B * C of rank
// at most r, and right-hand sides A * x0 (consistent) or A * x0 with one of them moved by
// one (mostly inconsistent; the truth says which).
TEST(RectangularSystemRandom, AgreesWithTheExactEchelonForm) {
    std::mt19937_64 engine(20261208);
    const auto between = [&engine](int lo, int hi) {
        return lo + static_cast<int>(engine() % static_cast<unsigned long long>(hi - lo + 1));
    };
    for (int trial = 0; trial < 3000; ++trial) {
        const int m = between(1, 7);
        const int k = between(1, 7);
        const int r = between(0, std::min(m, k));
        std::vector<std::vector<int>> b(m, std::vector<int>(r));
        std::vector<std::vector<int>> c(r, std::vector<int>(k));
        for (auto& row : b) {
            for (int& entry : row) {
                entry = between(-3, 3);
            }
        }
        for (auto& row : c) {
            for (int& entry : row) {
                entry = between(-3, 3);
            }
        }
        std::vector<int> x0(k);
        for (int& entry : x0) {
            entry = between(-5, 5);
        }
        Typed t;
        exact::System system;
        for (int i = 0; i < m; ++i) {
            std::vector<exact::Fraction> row(k);
            long long rechts = 0;
            for (int j = 0; j < k; ++j) {
                long long a = 0;
                for (int l = 0; l < r; ++l) {
                    a += b[i][l] * c[l][j];
                }
                t.koeff[j + 1][i + 1] = static_cast<long double>(a);
                row[j] = exact::Fraction{a, 1};
                rechts += a * x0[j];
            }
            if (trial % 2 == 1 && i == trial % m) {
                ++rechts;
            }
            t.rechts[i + 1] = static_cast<long double>(rechts);
            system.koeff.push_back(row);
            system.rechts.push_back(exact::Fraction{rechts, 1});
        }
        SCOPED_TRACE("trial " + std::to_string(trial) + ": " + std::to_string(m) + " x " +
                     std::to_string(k) + " of rank at most " + std::to_string(r));
        expectAgreement(gauss::solveSystem(t.koeff, t.rechts, m, k), exact::solve(system, k), k,
                        1e-14L);
        if (HasFatalFailure() || HasNonfatalFailure()) {
            return;
        }
    }
}

// Rank-one coefficients with noise near the rank decision's tolerance (2^-35 to 2^-49 of
// them) in some cells, and random right-hand sides. Whatever rank the solver decides, the
// solution set it gives satisfies every equation to working precision: with the free
// unknowns at 0, and with each of them at 1.
TEST(RectangularSystemRandom, NearlyDependentSetsSatisfyTheEquations) {
    std::mt19937_64 engine(7);
    std::uniform_real_distribution<double> uniform(-1, 1);
    int infinite = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const int m = 1 + static_cast<int>(engine() % 5);
        const int k = 1 + static_cast<int>(engine() % 5);
        double left[6];
        double right[6];
        for (int i = 0; i < 6; ++i) {
            left[i] = uniform(engine);
            right[i] = uniform(engine);
        }
        const double noise = std::ldexp(1.0, -(35 + static_cast<int>(engine() % 15)));
        Typed t;
        for (int i = 1; i <= m; ++i) {
            t.rechts[i] = uniform(engine);
            for (int j = 1; j <= k; ++j) {
                const double cellNoise = engine() % 3 == 0 ? noise * uniform(engine) : 0;
                t.koeff[j][i] = left[i] * right[j] + cellNoise;
            }
        }
        const gauss::SolutionSet set = gauss::solveSystem(t.koeff, t.rechts, m, k);
        if (set.kind != gauss::SolutionKind::Infinite && set.kind != gauss::SolutionKind::Unique) {
            continue;
        }
        infinite += set.kind == gauss::SolutionKind::Infinite;
        for (int chosen = 0; chosen <= k; ++chosen) {
            if (chosen > 0 && !set.free[chosen]) {
                continue;
            }
            long double x[G] = {};
            for (int j = 1; j <= k; ++j) {
                x[j] = set.free[j] ? (j == chosen ? 1 : 0)
                                   : set.value[j] + (chosen > 0 ? set.factor[j][chosen] : 0);
            }
            for (int i = 1; i <= m; ++i) {
                long double rest = t.rechts[i];
                long double size = std::fabs(t.rechts[i]);
                for (int j = 1; j <= k; ++j) {
                    rest -= t.koeff[j][i] * x[j];
                    size += std::fabs(t.koeff[j][i] * x[j]);
                }
                ASSERT_LE(std::fabs(rest), 1e-9L * size)
                    << "trial " << trial << ", equation " << i << ", X" << chosen << " = 1";
            }
        }
    }
    EXPECT_GT(infinite, 1000);
}

} // namespace
