// Where the evaluator fails by underflow, the exact function's value stands in only when its
// sign is known or it is 0; an enclosure that may hold 0 gives no sign.
#include "solver/underflow_as_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr long double inf = std::numeric_limits<long double>::infinity();
constexpr long double tiniest = std::numeric_limits<long double>::denorm_min();

// Sides that fail (or not) at every x, with a given exact enclosure there.
class FixedSides final : public DifferenceSource {
public:
    FixedSides(bool failed, ExactDifference exact) : failed_(failed), exact_(exact) {}
    SideDifference at(long double) const override { return {1, 1, 0.5L, failed_, false}; }
    ExactDifference encloseExactly(long double, long double) const override { return exact_; }

private:
    bool failed_;
    ExactDifference exact_;
};

enum class Reading { Failed, Positive, Negative, Zero, AsComputed };

struct UnderflowCase {
    const char* name;
    bool failed;
    Interval exact;
    bool cannotFail;
    bool noiseAsZero;
    Reading expected;
    friend void PrintTo(const UnderflowCase& c, std::ostream* os) { *os << c.name; }
};

class UnderflowAsValueTest : public testing::TestWithParam<UnderflowCase> {};

TEST_P(UnderflowAsValueTest, StandsInOnlyWithAKnownSign) {
    const UnderflowCase& c = GetParam();
    const FixedSides sides(c.failed,
                           ExactDifference{c.exact, Interval::unknown(), c.cannotFail, false});
    const UnderflowAsValue values(sides, c.noiseAsZero);
    const SideDifference v = values.at(1);
    switch (c.expected) {
    case Reading::Failed:
        EXPECT_TRUE(v.failed);
        break;
    case Reading::AsComputed:
        EXPECT_FALSE(v.failed);
        EXPECT_EQ(v.d, 0.5L);
        break;
    case Reading::Positive:
        EXPECT_FALSE(v.failed);
        EXPECT_GT(v.d, 0);
        EXPECT_GE(v.d, c.exact.lo);
        EXPECT_LE(v.d, c.exact.hi);
        break;
    case Reading::Negative:
        EXPECT_FALSE(v.failed);
        EXPECT_LT(v.d, 0);
        EXPECT_GE(v.d, c.exact.lo);
        EXPECT_LE(v.d, c.exact.hi);
        break;
    case Reading::Zero:
        EXPECT_FALSE(v.failed);
        EXPECT_EQ(v.d, 0);
        break;
    }
}

const UnderflowCase underflowCases[] = {
    {"ComputedValueKept", false, {1e-4000L, 2e-4000L}, true, false, Reading::AsComputed},
    {"PositiveUnderflow", true, {1e-4000L, 3e-4000L}, true, false, Reading::Positive},
    {"NegativeUnderflow", true, {-3e-4000L, -1e-4000L}, true, false, Reading::Negative},
    // The middle of the two smallest values rounds to 0: the smallest of the sign stands in.
    {"SmallestPositive", true, {tiniest, tiniest}, true, false, Reading::Positive},
    {"SmallestNegative", true, {-tiniest, -tiniest}, true, false, Reading::Negative},
    // Straddling 0: its middle has a sign, but d may have the other one.
    {"MayBeZero", true, {-1e-4000L, 3e-4000L}, true, false, Reading::Failed},
    {"MayBeZeroLopsided", true, {-tiniest, 1e-30L}, true, false, Reading::Failed},
    {"MayBeZeroInsideASignChange", true, {-1e-4000L, 3e-4000L}, true, true, Reading::Zero},
    {"ExactlyZero", true, {0, 0}, true, false, Reading::Zero},
    {"ExactMayFail", true, {1e-4000L, 2e-4000L}, false, false, Reading::Failed},
    {"UnboundedNoise", true, {-inf, inf}, true, true, Reading::Failed},
    {"NothingKnown", true, Interval::unknown(), true, true, Reading::Failed},
};

INSTANTIATE_TEST_SUITE_P(Cases, UnderflowAsValueTest, testing::ValuesIn(underflowCases),
                         [](const testing::TestParamInfo<UnderflowCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
