// The spacing of the doubles and the rounding of real ranges out to doubles, at every binade
// edge from the subnormals to the largest double, against std::nextafter.
#include "interpreter/enclosure_padding.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

using padding::doubleSpacing;

// The distance from a positive double to the next one up.
long double gapAbove(double y) {
    return static_cast<long double>(std::nextafter(y, INFINITY)) - y;
}

TEST(DoubleSpacing, AtEveryBinadeEdge) {
    for (int e = -1074; e <= 1023; ++e) {
        const double edge = std::ldexp(1.0, e);
        const double below = std::nextafter(edge, 0.0);
        SCOPED_TRACE("2^" + std::to_string(e));
        EXPECT_EQ(doubleSpacing(edge), gapAbove(edge));
        EXPECT_EQ(doubleSpacing(-edge), gapAbove(edge));
        if (below > 0) {
            EXPECT_EQ(doubleSpacing(below), gapAbove(below));
        }
        const double inside = edge * 1.375;
        if (std::isfinite(inside) && inside != edge) {
            EXPECT_EQ(doubleSpacing(inside), gapAbove(inside));
        }
    }
}

struct SpacingCase {
    const char* name;
    long double y;
    long double spacing;
};

// Spacings in closed form: 2^(e - 52) in the binade of 2^e, 2^-1074 below 2^-1022.
const SpacingCase spacingCases[] = {
    {"two to the -1000", 0x1p-1000L, 0x1p-1052L},
    {"smallest normal", 0x1p-1022L, 0x1p-1074L},
    {"below the smallest normal", 0x1.8p-1023L, 0x1p-1074L},
    {"smallest subnormal", 0x1p-1074L, 0x1p-1074L},
    {"zero", 0, 0x1p-1074L},
    {"one", 1, 0x1p-52L},
    {"x^2 of 1.2e-148", 1.44e-296L, 0x1p-1035L},
    {"largest double", DBL_MAX, 0x1p971L},
    {"rounds up into the next binade", 2 - 0x1p-60L, 0x1p-51L},
    {"infinity", INFINITY, 0},
};

class Spacing : public testing::TestWithParam<SpacingCase> {};

TEST_P(Spacing, InClosedForm) {
    EXPECT_EQ(doubleSpacing(GetParam().y), GetParam().spacing);
}

INSTANTIATE_TEST_SUITE_P(Values, Spacing, testing::ValuesIn(spacingCases),
                         [](const testing::TestParamInfo<SpacingCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

// A value that is no double lies strictly between the doubles it is rounded out to, and those
// are neighbours; a double stays where it is.
TEST(OutwardToDoubles, NeighboursAroundEveryScale) {
    for (int e = -1074; e <= 1023; e += 7) {
        const double d = std::ldexp(1.0, e) * 1.25;
        if (!std::isfinite(d)) {
            continue;
        }
        SCOPED_TRACE("near 2^" + std::to_string(e));
        const double next = std::nextafter(d, INFINITY);
        const long double between = d + (static_cast<long double>(next) - d) * 0.375L;
        ASSERT_GT(between, d);
        const Interval out = padding::outwardToDoubles({between, between});
        EXPECT_EQ(out.lo, d);
        EXPECT_EQ(out.hi, next);
        const Interval negative = padding::outwardToDoubles({-between, -between});
        EXPECT_EQ(negative.lo, -static_cast<long double>(next));
        EXPECT_EQ(negative.hi, -static_cast<long double>(d));
        const Interval exact = padding::outwardToDoubles({d, d});
        EXPECT_EQ(exact.lo, d);
        EXPECT_EQ(exact.hi, d);
    }
}

TEST(OutwardToDoubles, BelowTheSmallestAndBeyondTheLargest) {
    const Interval tiny = padding::outwardToDoubles({0x1p-1100L, 0x1p-1100L});
    EXPECT_EQ(tiny.lo, 0);
    EXPECT_EQ(tiny.hi, 0x1p-1074L);
    const Interval huge = padding::outwardToDoubles({0x1p1100L, 0x1p1100L});
    EXPECT_EQ(huge.lo, DBL_MAX);
    EXPECT_EQ(huge.hi, INFINITY);
}

// A constant may be stored in extended precision or rounded to double: both are held.
TEST(StoredEitherWay, HoldsTheValueAndItsDouble) {
    for (int e = -1070; e <= 1020; e += 13) {
        const long double v = std::ldexp(1.0L, e) / 3;
        const long double d = static_cast<double>(v);
        SCOPED_TRACE("near 2^" + std::to_string(e));
        const Interval fromExtended = padding::storedEitherWay({v, v});
        const Interval fromDouble = padding::storedEitherWay({d, d});
        for (const Interval& held : {fromExtended, fromDouble}) {
            EXPECT_LE(held.lo, std::min(v, d));
            EXPECT_GE(held.hi, std::max(v, d));
            EXPECT_GE(held.lo, 0);
        }
    }
}

} // namespace
