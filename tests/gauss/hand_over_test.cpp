#include "gauss/gausalgorithmus.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

constexpr int G = Gausalgorithmus::Groesse;

// Input arrays in the solver's layout, [unknown][equation] counted from 1.
struct Input {
    long double koeff[G][G] = {};
    long double rechts[G] = {};
    // Sets equation i to rechts = k1*X1 + k2*X2.
    void set(int i, long double wert, long double k1, long double k2) {
        rechts[i] = wert;
        koeff[1][i] = k1;
        koeff[2][i] = k2;
    }
};

class RefusedCount : public testing::TestWithParam<int> {};

TEST_P(RefusedCount, ReturnsOneAndKeepsTheLastSolution) {
    Input input;
    input.set(1, 3, 1, 1);
    input.set(2, 1, 1, -1);
    Gausalgorithmus solver{};
    ASSERT_EQ(solver.Werte_uebergeben(input.koeff, input.rechts, 2), 0);
    EXPECT_EQ(solver.Werte_uebergeben(input.koeff, input.rechts, GetParam()), 1);
    EXPECT_EQ(solver.Anzahl, 2);
    EXPECT_EQ(solver.getWert(1), 2);
    EXPECT_EQ(solver.getWert(2), 1);
}

INSTANTIATE_TEST_SUITE_P(Gauss, RefusedCount, testing::Values(20, 21, INT_MAX, -1, INT_MIN));

TEST(HandOver, MissingArraysAreRefusedUnlessEmpty) {
    Input input;
    Gausalgorithmus solver{};
    EXPECT_EQ(solver.Werte_uebergeben(nullptr, input.rechts, 1), 1);
    EXPECT_EQ(solver.Werte_uebergeben(input.koeff, nullptr, 1), 1);
    EXPECT_EQ(solver.Werte_uebergeben(nullptr, nullptr, 0), 0);
}

TEST(HandOver, NineteenEquationsFit) {
    Input input;
    for (int i = 1; i < G; ++i) {
        input.koeff[i][i] = 2;
        input.rechts[i] = i;
    }
    Gausalgorithmus solver{};
    ASSERT_EQ(solver.Werte_uebergeben(input.koeff, input.rechts, G - 1), 0);
    for (int i = 1; i < G; ++i) {
        EXPECT_EQ(solver.getWert(i), i / 2.0L);
    }
}

class WertIndex : public testing::TestWithParam<int> {};

TEST_P(WertIndex, OutsideTheSystemGivesZero) {
    Input input;
    input.set(1, 3, 1, 1);
    input.set(2, 1, 1, -1);
    Gausalgorithmus solver{};
    ASSERT_EQ(solver.Werte_uebergeben(input.koeff, input.rechts, 2), 0);
    solver.Werte[0] = 7;
    EXPECT_EQ(solver.getWert(GetParam()), 0);
}

INSTANTIATE_TEST_SUITE_P(Gauss, WertIndex, testing::Values(0, -1, INT_MIN, 3, 19, 20, INT_MAX));

TEST(HandOver, InputArraysAreOnlyRead) {
    Input input;
    input.set(1, 2, 0, 1); // needs a rotation
    input.set(2, 5, 1, 0);
    input.koeff[3][3] = 9; // outside the 2 x 2 system
    const Input before = input;
    Gausalgorithmus solver{};
    ASSERT_EQ(solver.Werte_uebergeben(input.koeff, input.rechts, 2), 0);
    EXPECT_EQ(std::memcmp(&input, &before, sizeof input), 0);

    Input unitRows; // needs the elimination with row exchanges
    unitRows.koeff[2][1] = unitRows.koeff[1][2] = unitRows.koeff[3][3] = 1;
    unitRows.rechts[1] = 2;
    unitRows.rechts[2] = 1;
    unitRows.rechts[3] = 3;
    const Input unitBefore = unitRows;
    ASSERT_EQ(solver.Werte_uebergeben(unitRows.koeff, unitRows.rechts, 3), 0);
    EXPECT_EQ(std::memcmp(&unitRows, &unitBefore, sizeof unitRows), 0);
}

// 3*X2 = 5, 3*X1 + 2*X2 = 3. The first attempt meets the zero pivot; after one rotation
// 3*X1 + 2*X2 = 3 is divided by 3, 3*X2 = 5 stays as it is (factor 0) and is divided by 3;
// then X1 = 1 - (2/3) * (5/3), every operation rounded in long double.
TEST(HandOver, RotationValuesFollowTheEliminationExactly) {
    Input input;
    input.set(1, 5, 0, 3);
    input.set(2, 3, 3, 2);
    Gausalgorithmus solver{};
    ASSERT_EQ(solver.Werte_uebergeben(input.koeff, input.rechts, 2), 0);
    const long double x2 = 5.0L / 3.0L;
    const long double factor = -(2.0L / 3.0L);
    const long double x1 = 3.0L / 3.0L + factor * x2;
    EXPECT_EQ(solver.getWert(1), x1);
    EXPECT_EQ(solver.getWert(2), x2);
}

TEST(Steps, AufEinsBringenSkipsAZeroPivotAndDividesOthers) {
    Gausalgorithmus solver{};
    solver.Koeffizienten[2][1] = 6;
    solver.Werte[1] = 8;
    solver.AufEinsBringen(1, 2);
    EXPECT_EQ(solver.Koeffizienten[2][1], 6);
    EXPECT_EQ(solver.Werte[1], 8);
    solver.Koeffizienten[1][1] = 4;
    solver.AufEinsBringen(1, 2);
    EXPECT_EQ(solver.Koeffizienten[1][1], 1);
    EXPECT_EQ(solver.Koeffizienten[2][1], 1.5L);
    EXPECT_EQ(solver.Werte[1], 2);
}

TEST(Steps, MoveUpRotatesAndReturnsAfterNSteps) {
    Gausalgorithmus solver{};
    solver.Anzahl = 3;
    for (int i = 1; i <= 3; ++i) {
        solver.WerteKopie[i] = 10 * i;
        for (int j = 1; j <= 3; ++j) {
            solver.KoeffizientenKopie[j][i] = 10 * i + j;
        }
    }
    solver.moveUp();
    EXPECT_EQ(solver.WerteKopie[1], 20);
    EXPECT_EQ(solver.WerteKopie[2], 30);
    EXPECT_EQ(solver.WerteKopie[3], 10);
    EXPECT_EQ(solver.KoeffizientenKopie[2][1], 22);
    EXPECT_EQ(solver.KoeffizientenKopie[3][3], 13);
    solver.moveUp();
    solver.moveUp();
    EXPECT_EQ(solver.WerteKopie[1], 10);
    EXPECT_EQ(solver.KoeffizientenKopie[1][2], 21);
}

TEST(Steps, IndicesOutsideTheArraysAreIgnored) {
    Gausalgorithmus solver{};
    solver.Koeffizienten[1][1] = 2;
    solver.Werte[1] = 4;
    solver.AufEinsBringen(1, 25);
    solver.AufEinsBringen(-3, 2);
    solver.NullSetzen(1, 40, 41);
    solver.NullSetzen(-1, 1, 2);
    EXPECT_EQ(solver.Koeffizienten[1][1], 2);
    EXPECT_EQ(solver.Werte[1], 4);

    solver.Anzahl = 1000; // copy and moveUp stop at the last array entry
    solver.WerteKopie[1] = 5;
    solver.copy();
    EXPECT_EQ(solver.Werte[1], 5);
    solver.moveUp();
    EXPECT_EQ(solver.WerteKopie[G - 1], 5);
    EXPECT_EQ(solver.getWert(1000), 0);
}

} // namespace
