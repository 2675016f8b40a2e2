#include "interpreter/round.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

namespace {

struct RoundCase {
    const char* name;
    long double value;
    double places;
    const char* printed; // "% .10Lg" of the result
    friend void PrintTo(const RoundCase& c, std::ostream* os) { *os << c.name; }
};

class RoundTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, RoundsHalfUp) {
    const RoundCase& c = GetParam();
    char text[64];
    std::snprintf(text, sizeof text, "% .10Lg", Round(c.value, c.places));
    EXPECT_STREQ(text, c.printed);
}

const RoundCase roundCases[] = {
    {"SqrtTwo", 1.41421356237309504880L, 10, " 1.414213562"},
    {"NegativeSqrtTwo", -1.41421356237309504880L, 10, "-1.414213562"},
    {"HalfUpPositive", 2.5L, 0, " 3"},
    {"HalfUpNegative", -2.5L, 0, "-2"},
    {"QuarterUp", 0.25L, 1, " 0.3"},
    {"NegativeQuarterUp", -0.25L, 1, "-0.2"},
    {"Integer", 2, 10, " 2"},
    {"NearInteger", 3.99999999999L, 10, " 4"},
    {"Small", 0.00012345678912L, 10, " 0.0001234568"},
};

INSTANTIATE_TEST_SUITE_P(Values, RoundTest, testing::ValuesIn(roundCases),
                         [](const testing::TestParamInfo<RoundCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Round, DividesInExtendedPrecision) {
    EXPECT_EQ(Round(1.41421356237309504880L, 10), 14142135624.0L / 1e10L);
}

} // namespace
