// Whether two values print alike, beside the printed texts themselves: pairs a few units of the
// last printed place apart at every scale, where the quick answer must agree with printing.
#include "interpreter/round.h"
#include "solver/printed_places.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

std::string printed(long double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%.10Lg", Round(x, 10));
    return text;
}

struct Pair {
    long double a;
    long double b;
    bool alike;
};

TEST(PrintedPlacesTest, KnownPairs) {
    const Pair pairs[] = {
        {1.4142135623L, 1.4142135624L, true},  // differ beyond ten significant digits
        {1.4142135621L, 1.4142135641L, false}, // differ in the tenth
        {123456.78901L, 123456.789012L, true}, // ten significant digits
        {123456.78901L, 123456.78911L, false},
        {0.00000000004L, -0.00000000004L, true}, // both print as 0
        {0, 0.0000000002L, false},
        {-2.5L, 2.5L, false},
        {1e300L, 1.00000000001e300L, true},
    };
    for (const Pair& p : pairs) {
        EXPECT_EQ(printedAlike(p.a, p.b), p.alike) << printed(p.a) << " / " << printed(p.b);
    }
}

// Random pairs from half a unit to four units of the last printed place apart, at scales from
// 1e-12 to 1e12: the answer is the comparison of the printed texts.
TEST(PrintedPlacesTest, AgreesWithThePrintedTexts) {
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_real_distribution<double> units(-4, 4);
    int alike = 0;
    for (int i = 0; i < 200000; ++i) {
        const long double a = std::pow(10.0L, exponent(random)) * (i % 2 == 0 ? 1 : -1);
        const long double place =
            std::max(1e-10L, std::pow(10.0L, std::floor(std::log10(std::fabs(a))) - 9));
        const long double b = a + units(random) * place;
        const bool expected = printed(a) == printed(b);
        alike += expected ? 1 : 0;
        ASSERT_EQ(printedAlike(a, b), expected) << printed(a) << " / " << printed(b);
    }
    // Both answers occur often enough for the comparison to mean something.
    EXPECT_GT(alike, 10000);
    EXPECT_LT(alike, 190000);
}

} // namespace
