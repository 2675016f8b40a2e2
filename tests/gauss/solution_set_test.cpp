// Systems without a unique solution, typed as decimal texts: infinitely many solutions or
// none. The truth is the rank of the coefficients and of the coefficients with the
// right-hand side, computed here in exact fractions of the decimal texts. Scaling an
// equation or an unknown by a power of ten changes neither rank, so each system is also
// tried with its equations and unknowns scaled over hundreds of orders of magnitude.
#include "gauss/gausalgorithmus.h"
#include "gauss/solution_set.h"

#include "exact_fraction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int G = Gausalgorithmus::Groesse;

struct Case {
    std::string name;
    // Equations as {right-hand side, k1, ..., kn}.
    std::vector<std::vector<std::string>> equations;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// The truth from the exact ranks: infinitely many solutions when the coefficients have a
// rank below n and the right-hand side adds none.
bool infinitelyManyInTruth(const Case& c) {
    std::vector<std::vector<exact::Fraction>> left;
    std::vector<std::vector<exact::Fraction>> augmented;
    for (const auto& equation : c.equations) {
        std::vector<exact::Fraction> row;
        for (std::size_t j = 1; j < equation.size(); ++j) {
            row.push_back(exact::fromDecimal(equation[j]));
        }
        left.push_back(row);
        row.push_back(exact::fromDecimal(equation[0]));
        augmented.push_back(row);
    }
    const int n = static_cast<int>(c.equations.size());
    const int coefficientRank = exact::rank(left);
    return coefficientRank < n && coefficientRank == exact::rank(augmented);
}

bool uniqueInTruth(const Case& c) {
    std::vector<std::vector<exact::Fraction>> left;
    for (const auto& equation : c.equations) {
        std::vector<exact::Fraction> row;
        for (std::size_t j = 1; j < equation.size(); ++j) {
            row.push_back(exact::fromDecimal(equation[j]));
        }
        left.push_back(row);
    }
    return exact::rank(left) == static_cast<int>(c.equations.size());
}

struct Typed {
    long double koeff[G][G] = {};
    long double rechts[G] = {};
    int n = 0;
};

// The system as the page hands it over, equation i scaled by 10^rowScale[i] and unknown j
// by 10^-columnScale[j] (its coefficients by 10^columnScale[j]), each cell the double
// nearest the scaled decimal.
Typed typed(const Case& c, const std::vector<int>& rowScale, const std::vector<int>& columnScale) {
    Typed t;
    t.n = static_cast<int>(c.equations.size());
    for (int i = 1; i <= t.n; ++i) {
        const auto& equation = c.equations[i - 1];
        const int row = rowScale.empty() ? 0 : rowScale[i - 1];
        t.rechts[i] = std::strtod((equation[0] + "e" + std::to_string(row)).c_str(), nullptr);
        for (int j = 1; j <= t.n; ++j) {
            const int column = columnScale.empty() ? 0 : columnScale[j - 1];
            t.koeff[j][i] =
                std::strtod((equation[j] + "e" + std::to_string(row + column)).c_str(), nullptr);
        }
    }
    return t;
}

// The answer of the square system is that it has infinitely many solutions.
bool infinitelyMany(const long double (*koeff)[G], const long double* rechts, int n) {
    return gauss::solveSystem(koeff, rechts, n, n).kind == gauss::SolutionKind::Infinite;
}

class SolutionSet : public testing::TestWithParam<Case> {};

// As typed, and scaled: the equations by 10^-150 ... 10^150, the unknowns by 10^-120 ...
// 10^90.
TEST_P(SolutionSet, AgreesWithTheExactRanks) {
    const Case& c = GetParam();
    const bool many = infinitelyManyInTruth(c);
    const int n = static_cast<int>(c.equations.size());
    const std::vector<std::vector<int>> rowScales = {{}, {150, -150, 30, -7}};
    const std::vector<std::vector<int>> columnScales = {{}, {-90, 120, 5, -33}};
    for (const auto& rows : rowScales) {
        for (const auto& columns : columnScales) {
            std::vector<int> rowScale(rows.begin(), rows.begin() + (rows.empty() ? 0 : n));
            std::vector<int> columnScale(columns.begin(),
                                         columns.begin() + (columns.empty() ? 0 : n));
            Typed t = typed(c, rowScale, columnScale);
            Gausalgorithmus solver{};
            const int result = solver.Werte_uebergeben(t.koeff, t.rechts, t.n);
            EXPECT_EQ(result == 0, uniqueInTruth(c))
                << "scaled " << !rows.empty() << !columns.empty();
            EXPECT_EQ(infinitelyMany(t.koeff, t.rechts, t.n), many)
                << "scaled " << !rows.empty() << !columns.empty();
        }
    }
}

const Case cases[] = {
    {"EqualEquations", {{"1", "1", "1"}, {"1", "1", "1"}}},
    {"EqualLeftSidesOtherRight", {{"1", "1", "1"}, {"2", "1", "1"}}},
    {"ProportionalDecimalsConsistent", {{"-0.7", "0.83", "-0.35"}, {"-0.77", "0.913", "-0.385"}}},
    {"ProportionalDecimalsInconsistent",
     {{"-0.700", "0.830", "-0.350"}, {"-0.769", "0.913", "-0.385"}}},
    {"RightSidesApartByOneMillionth", {{"1", "0.3", "0.7"}, {"1.000001", "0.3", "0.7"}}},
    {"RowSumDecimalsConsistent",
     {{"0.6", "0.1", "0.2", "0.3"}, {"1.5", "0.4", "0.5", "0.6"}, {"2.1", "0.5", "0.7", "0.9"}}},
    {"RowSumDecimalsInconsistent",
     {{"0.6", "0.1", "0.2", "0.3"}, {"1.5", "0.4", "0.5", "0.6"}, {"2.2", "0.5", "0.7", "0.9"}}},
    {"OneToNineConsistent", {{"6", "1", "2", "3"}, {"15", "4", "5", "6"}, {"24", "7", "8", "9"}}},
    {"OneToNineInconsistent", {{"1", "1", "2", "3"}, {"2", "4", "5", "6"}, {"4", "7", "8", "9"}}},
    // Rows 3 and 4 are 1.5 * row 1 - 0.5 * row 2 and 2.5 * row 1 + 0.1 * row 2.
    {"RankTwoOfFourConsistent",
     {{"0.3", "0.12", "-0.7", "1.3", "0.05"},
      {"1.1", "-0.4", "0.25", "0.6", "-2.2"},
      {"-0.1", "0.38", "-1.175", "1.65", "1.175"},
      {"0.86", "0.26", "-1.725", "3.31", "-0.095"}}},
    {"RankTwoOfFourInconsistent",
     {{"0.3", "0.12", "-0.7", "1.3", "0.05"},
      {"1.1", "-0.4", "0.25", "0.6", "-2.2"},
      {"-0.1", "0.38", "-1.175", "1.65", "1.175"},
      {"0.87", "0.26", "-1.725", "3.31", "-0.095"}}},
    // Column 3 = 0.3 * column 1 - 1.7 * column 2.
    {"ColumnDependencyConsistent",
     {{"0.12", "0.12", "-0.45", "0.801"},
      {"1.07", "1.07", "0.33", "-0.24"},
      {"-0.61", "-0.61", "0.29", "-0.676"}}},
    {"ColumnDependencyInconsistent",
     {{"1.25", "0.12", "-0.45", "0.801"},
      {"-2.5", "1.07", "0.33", "-0.24"},
      {"0.75", "-0.61", "0.29", "-0.676"}}},
    // Structurally singular: an equation or an unknown without a coefficient.
    {"ZeroEquationZeroRight", {{"3", "1", "2"}, {"0", "0", "0"}}},
    {"ZeroEquationOtherRight", {{"3", "1", "2"}, {"5", "0", "0"}}},
    {"UnknownNowhere", {{"3", "1", "0"}, {"6", "2", "0"}}},
    {"UnknownNowhereInconsistent", {{"3", "1", "0"}, {"7", "2", "0"}}},
    {"LoneZeroEquationZeroRight", {{"0", "0"}}},
    {"LoneZeroEquationOtherRight", {{"5", "0"}}},
    {"EverythingZero", {{"0", "0", "0", "0"}, {"0", "0", "0", "0"}, {"0", "0", "0", "0"}}},
    {"HomogeneousDependent", {{"0", "1", "2"}, {"0", "2", "4"}}},
    // One solution: the function is false.
    {"Regular", {{"3", "1", "1"}, {"1", "1", "-1"}}},
    {"RegularDecimals", {{"0.7", "0.1", "0.3"}, {"2.1", "0.3", "0.91"}}},
};

INSTANTIATE_TEST_SUITE_P(Decimals, SolutionSet, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(SolutionSetInput, ValuesThatAreNotFiniteGiveNoAnswer) {
    Typed t;
    t.n = 2;
    t.koeff[1][1] = t.koeff[2][1] = t.koeff[1][2] = t.koeff[2][2] = 1;
    t.rechts[1] = 1;
    t.rechts[2] = std::numeric_limits<long double>::infinity();
    EXPECT_FALSE(infinitelyMany(t.koeff, t.rechts, 2));
    t.rechts[2] = 1;
    EXPECT_TRUE(infinitelyMany(t.koeff, t.rechts, 2));
    t.koeff[2][2] = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_FALSE(infinitelyMany(t.koeff, t.rechts, 2));
}

TEST(SolutionSetInput, CountsOutsideTheArraysAndMissingArrays) {
    Typed t;
    EXPECT_FALSE(infinitelyMany(t.koeff, t.rechts, 0));
    EXPECT_FALSE(infinitelyMany(t.koeff, t.rechts, -1));
    EXPECT_FALSE(infinitelyMany(t.koeff, t.rechts, G));
    EXPECT_FALSE(infinitelyMany(nullptr, t.rechts, 1));
    EXPECT_FALSE(infinitelyMany(t.koeff, nullptr, 1));
}

} // namespace
