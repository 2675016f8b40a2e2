#include "solver/ordered_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using limits = std::numeric_limits<long double>;

struct SplitCase {
    const char* name;
    long double a;
    long double b;
};

class SplitPointTest : public testing::TestWithParam<SplitCase> {};

// The split lies strictly between the ends in either order, and splitting on toward one
// end reaches its neighbour within the halvings the bit count allows.
TEST_P(SplitPointTest, SplitsStrictlyBetweenAndConverges) {
    const SplitCase& c = GetParam();
    for (const auto& [from, to] : {std::pair{c.a, c.b}, std::pair{c.b, c.a}}) {
        const long double m = splitPoint(from, to);
        EXPECT_GT(m, std::fmin(from, to));
        EXPECT_LT(m, std::fmax(from, to));
        long double near = from;
        int halvings = 0;
        while (!adjacentValues(near, to) && halvings < 100) {
            near = splitPoint(near, to);
            ++halvings;
        }
        EXPECT_EQ(std::nextafter(to, from), near);
        EXPECT_LE(halvings, 80);
    }
}

const SplitCase splitCases[] = {
    {"OneBinade", 1.5L, 1.75L},
    {"StraddlesZero", -0.01L, 0.01L},
    {"ManyBinades", 1e-300L, 1e300L},
    {"Subnormals", limits::denorm_min(), 1000 * limits::denorm_min()},
    {"Widest", -limits::max(), limits::max()},
};

INSTANTIATE_TEST_SUITE_P(OrderedValues, SplitPointTest, testing::ValuesIn(splitCases),
                         [](const testing::TestParamInfo<SplitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(OrderedValues, NeighboursAndSteps) {
    const long double one = 1;
    const long double next = std::nextafter(one, 2.0L);
    EXPECT_TRUE(adjacentValues(one, next));
    EXPECT_TRUE(adjacentValues(next, one));
    EXPECT_TRUE(adjacentValues(-0.0L, 0.0L));
    EXPECT_FALSE(adjacentValues(one, std::nextafter(next, 2.0L)));
    EXPECT_EQ(splitPoint(one, next), one);
    EXPECT_EQ(stepsBetween(one, 2.0L), 0x1p63L); // one binade holds 2^63 values
    EXPECT_EQ(stepsBetween(-limits::denorm_min(), limits::denorm_min()), 2);
}

} // namespace
