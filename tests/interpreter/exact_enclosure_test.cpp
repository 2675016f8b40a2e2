// The exact enclosure of a flat program over a range, value and derivative, against the
// exact function evaluated in 256-bit interval arithmetic at points of the range.
#include "exact_reference.h"
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"
#include "random_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace {

std::string shown(const Interval& v) {
    std::ostringstream out;
    out.precision(21);
    out << "[" << v.lo << ", " << v.hi << "]";
    return out.str();
}

struct Case {
    Formelinterpreter formula{};
    FlatProgram program;

    explicit Case(const std::string& text) {
        formula.setFormel(text);
        formula.Formel_compillieren();
        program.compile(formula);
    }
};

// The value holds the exact value at every point that neither fails nor skips; "cannot fail"
// and "always fails" hold as they say.
::testing::AssertionResult holdsValue(const Case& c, const Interval& range,
                                      const FlatProgram::ExactEnclosure& e, long double x) {
    const ExactOutcome exact = exactValue(c.formula, x);
    if (exact.uncertain) {
        return ::testing::AssertionSuccess();
    }
    const char* broken = nullptr;
    if (e.alwaysFails && !exact.failed) {
        broken = "says every point fails";
    } else if (e.cannotFail && (exact.failed || exact.skipped)) {
        broken = "says no point fails or skips";
    } else if (!exact.failed && !exact.skipped && e.value.known() &&
               !(e.value.lo <= exact.lo && exact.hi <= e.value.hi)) {
        broken = "does not hold the exact value";
    }
    if (broken == nullptr) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    out.precision(21);
    out << "\"" << c.formula.Formel << "\" over " << shown(range) << " " << broken << ": "
        << shown(e.value) << "; at x = " << x << " exactly " << shown({exact.lo, exact.hi})
        << (exact.failed ? " failed" : "") << (exact.skipped ? " skipped" : "");
    return ::testing::AssertionFailure() << out.str();
}

// By the mean value theorem, the exact difference quotient between two points of the range
// is the derivative somewhere between them, so it must meet the slope.
::testing::AssertionResult holdsSlope(const Case& c, const Interval& range,
                                      const FlatProgram::ExactEnclosure& e, long double a,
                                      long double b) {
    long double lo = 0;
    long double hi = 0;
    if (!e.cannotFail || !e.slope.known() || !(a < b) ||
        !exactDifferenceQuotient(c.formula, a, b, lo, hi)) {
        return ::testing::AssertionSuccess();
    }
    if (hi >= e.slope.lo && lo <= e.slope.hi) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    out.precision(21);
    out << "\"" << c.formula.Formel << "\" over " << shown(range) << ": slope " << shown(e.slope)
        << " misses the quotient " << shown({lo, hi}) << " between " << a << " and " << b;
    return ::testing::AssertionFailure() << out.str();
}

TEST(ExactEnclosure, HoldsTheExactValueAndSlopeOfRandomPrograms) {
    std::mt19937 random(77);
    FormulaMaker maker(random);
    int provedCannotFail = 0;
    int knownSlopes = 0;
    for (int program = 0; program < 3000; ++program) {
        const Case c(maker.make(3));
        for (int r = 0; r < 20; ++r) {
            const Interval range = randomRange(random);
            const FlatProgram::ExactEnclosure e = c.program.encloseExactly(range);
            provedCannotFail += e.cannotFail ? 1 : 0;
            knownSlopes += e.cannotFail && e.slope.known() ? 1 : 0;
            long double points[6];
            for (int k = 0; k < 6; ++k) {
                points[k] = pointOf(range, k, random);
                ASSERT_TRUE(holdsValue(c, range, e, points[k]));
            }
            ASSERT_TRUE(holdsSlope(c, range, e, std::min(points[4], points[5]),
                                   std::max(points[4], points[5])));
            ASSERT_TRUE(holdsSlope(c, range, e, range.lo, range.hi));
        }
    }
    EXPECT_GT(provedCannotFail, 15000);
    EXPECT_GT(knownSlopes, 10000);
}

struct SlopeCase {
    const char* text;
    long double lo;
    long double hi;
    long double min; // the exact derivative's range over [lo, hi]
    long double max;
};

// Derivatives in closed form; the slope must hold their range and be close to it.
const SlopeCase slopeCases[] = {
    {"x^2", 1, 2, 2, 4},
    {"x^3-x", 2, 3, 11, 26},
    {"sin(x)", 0, 1, std::cos(1.0L), 1},
    {"expn(x)", 0, 1, 1, std::exp(1.0L)},
    {"ln(x)", 1, 2, 0.5L, 1},
    {"sqrt(x)", 4, 9, 1.0L / 6, 0.25L},
    {"1/x", 1, 2, -1, -0.25L},
    {"atan(x)", 0, 1, 0.5L, 1},
    {"x^0.5", 4, 9, 1.0L / 6, 0.25L},
    {"2^x", 0, 1, std::log(2.0L), 2 * std::log(2.0L)},
    {"expn(0-x^2)", 1, 2, -2 * std::exp(-1.0L), -4 * std::exp(-4.0L)},
};

TEST(ExactEnclosure, SlopesInClosedForm) {
    for (const SlopeCase& s : slopeCases) {
        const Case c(s.text);
        const FlatProgram::ExactEnclosure e = c.program.encloseExactly({s.lo, s.hi});
        SCOPED_TRACE(std::string(s.text) + ": slope " + shown(e.slope));
        EXPECT_TRUE(e.cannotFail);
        const long double width = s.max - s.min;
        EXPECT_LE(e.slope.lo, std::min(s.min, s.max));
        EXPECT_GE(e.slope.hi, std::max(s.min, s.max));
        // Interval arithmetic overestimates, but not beyond a few times the true width.
        EXPECT_LT(e.slope.hi - e.slope.lo, 4 * std::fabs(width) + 1e-12L);
    }
}

// Derivatives made of the square of a value that changes sign (1 + tan^2, 1 - tanh^2,
// 1 / sqrt(1 - x^2), 1 / (1 + x^2)) are enclosed as tightly as their values: a square is never
// below 0.
const SlopeCase squareSlopeCases[] = {
    {"tan(x)", -1.2L, 1.2L, 1, 1 + std::tan(1.2L) * std::tan(1.2L)},
    {"tanh(x)", -2, 1, 1 - std::tanh(2.0L) * std::tanh(2.0L), 1},
    {"asin(x)", -0.9L, 0.5L, 1, 1 / std::sqrt(1 - 0.81L)},
    {"atan(x)", -1, 2, 0.2L, 1},
};

TEST(ExactEnclosure, SlopesOfSquaresAreTight) {
    for (const SlopeCase& s : squareSlopeCases) {
        const Case c(s.text);
        const FlatProgram::ExactEnclosure e = c.program.encloseExactly({s.lo, s.hi});
        SCOPED_TRACE(std::string(s.text) + ": slope " + shown(e.slope));
        const long double slack = 1e-12L * s.max;
        EXPECT_LE(e.slope.lo, s.min);
        EXPECT_GE(e.slope.lo, s.min - slack);
        EXPECT_GE(e.slope.hi, s.max);
        EXPECT_LE(e.slope.hi, s.max + slack);
    }
}

// Values too small for a double are values of the exact reading: exp(-x^2) stays above 0
// where the evaluator's exp underflows to 0 and fails.
TEST(ExactEnclosure, UnderflowIsAValue) {
    const Case gauss("expn(0-x^2)");
    const FlatProgram::ExactEnclosure e = gauss.program.encloseExactly({27.3L, 40});
    EXPECT_TRUE(e.cannotFail);
    EXPECT_GT(e.value.lo, 0);
    const Case power("x^(0-400)");
    const FlatProgram::ExactEnclosure p = power.program.encloseExactly({6.5L, 100});
    EXPECT_TRUE(p.cannotFail);
    EXPECT_GT(p.value.lo, 0);
    EXPECT_TRUE(gauss.program.enclose({27.3L, 40}).alwaysFails);
}

enum class Guarantee { Positive, Negative, None };

struct SignCase {
    const char* text;
    long double lo;
    long double hi;
    Guarantee sign; // what the formula guarantees of every exact value over [lo, hi]
};

// Values whose magnitude falls below the range of extended precision keep the sign the
// formula guarantees: exp is above 0, even powers and square roots of values other than 0
// are, and products and sums of such keep their signs. A difference of two such values, or a
// value that may be 0, guarantees nothing.
const SignCase signCases[] = {
    {"expn(0-x^2)-0", 1000, 2000, Guarantee::Positive},
    {"expn(0-x^2)-0", -2000, -1000, Guarantee::Positive},
    {"expn(0-x^2)-0", -1e6L, 1e6L, Guarantee::Positive},
    {"expn(x)", -1e9L, -1e8L, Guarantee::Positive},
    {"expz(x)", -1e9L, -1e8L, Guarantee::Positive},
    {"(expn(0-x))^2", 6000, 7000, Guarantee::Positive},
    {"(0-expn(0-x))^2", 6000, 7000, Guarantee::Positive},
    {"(0-expn(0-x))^3", 6000, 7000, Guarantee::Negative},
    {"(expn(0-x))^(0.5)", 12000, 13000, Guarantee::Positive},
    {"sqrt(expn(0-x))", 12000, 13000, Guarantee::Positive},
    {"expn(0-x)*expn(0-x)", 6000, 7000, Guarantee::Positive},
    {"expn(0-x)*(0-expn(0-x))", 6000, 7000, Guarantee::Negative},
    {"expn(0-x)/2", 12000, 13000, Guarantee::Positive},
    {"(0-expn(0-x))/(2+x)", 12000, 13000, Guarantee::Negative},
    {"expn(0-x)+expn(0-2*x)", 12000, 13000, Guarantee::Positive},
    {"expn(0-x^2)+x^2", -1000, 1000, Guarantee::Positive},
    {"0-expn(0-x^2)-x^4", -1000, 1000, Guarantee::Negative},
    {"atan(expn(0-x))", 12000, 13000, Guarantee::Positive},
    {"tanh(0-expn(0-x))", 12000, 13000, Guarantee::Negative},
    {"expn(0-x)-expn(0-2*x)", 12000, 13000, Guarantee::None},
    {"expn(0-x)-expn(0-x)", 12000, 13000, Guarantee::None},
    {"expn(0-x^2)-expn(0-x^2)", -1000, 1000, Guarantee::None},
    {"(x-1)^2", 0, 2, Guarantee::None},
    {"sin(expn(0-x))", 12000, 13000, Guarantee::None},
    {"x*expn(0-x^2)", -1000, 1000, Guarantee::None},
};

class SignOutlivesUnderflow : public testing::TestWithParam<SignCase> {};

TEST_P(SignOutlivesUnderflow, AsTheFormulaGuarantees) {
    const SignCase& s = GetParam();
    const Case c(s.text);
    const Interval range{s.lo, s.hi};
    const FlatProgram::ExactEnclosure e = c.program.encloseExactly(range);
    SCOPED_TRACE(std::string(s.text) + " over " + shown(range) + ": " + shown(e.value));
    switch (s.sign) {
    case Guarantee::Positive:
        EXPECT_TRUE(e.value.excludesZero());
        EXPECT_GE(e.value.lo, 0);
        break;
    case Guarantee::Negative:
        EXPECT_TRUE(e.value.excludesZero());
        EXPECT_LE(e.value.hi, 0);
        break;
    case Guarantee::None:
        EXPECT_FALSE(e.value.excludesZero());
        break;
    }
    std::mt19937 random(11);
    for (int k = 0; k < 8; ++k) {
        EXPECT_TRUE(holdsValue(c, range, e, pointOf(range, k, random)));
    }
    // The same over every piece of a split range, down to single points.
    for (const Interval& piece :
         {Interval{s.lo, s.lo}, Interval{s.hi, s.hi}, Interval{s.lo, (s.lo + s.hi) / 2}}) {
        const FlatProgram::ExactEnclosure p = c.program.encloseExactly(piece);
        if (s.sign != Guarantee::None) {
            EXPECT_TRUE(p.value.excludesZero()) << shown(piece) << ": " << shown(p.value);
        }
        EXPECT_TRUE(holdsValue(c, piece, p, piece.lo));
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, SignOutlivesUnderflow, testing::ValuesIn(signCases));

// The slope keeps its sign too: d/dx exp(-x^2) = -2x exp(-x^2) is below 0 for every x > 0.
TEST(SignOutlivesUnderflow, InTheSlope) {
    const Case c("expn(0-x^2)");
    const FlatProgram::ExactEnclosure right = c.program.encloseExactly({1000, 2000});
    EXPECT_TRUE(right.slope.excludesZero()) << shown(right.slope);
    EXPECT_LE(right.slope.hi, 0);
    const FlatProgram::ExactEnclosure left = c.program.encloseExactly({-2000, -1000});
    EXPECT_TRUE(left.slope.excludesZero()) << shown(left.slope);
    EXPECT_GE(left.slope.lo, 0);
}

// The computed reading has no such flag: its ends bound what the evaluator computes, which is
// 0 where an extended product underflows. exp's own results are at least the smallest double.
TEST(SignOutlivesUnderflow, ComputedValuesAreBoundedByTheirEnds) {
    const Case exp("expn(x)");
    const FlatProgram::Enclosure e = exp.program.enclose({-745, -700});
    EXPECT_GE(e.value.lo, 0x1p-1074L);
    std::string product = "expn(x)";
    for (int k = 1; k < 16; ++k) {
        product += "*expn(x)";
    }
    const Case underflowing(product);
    const FlatProgram::Enclosure u = underflowing.program.enclose({-745, -740});
    int status = 0;
    const long double value = underflowing.program.evaluate(-744, status);
    EXPECT_EQ(value, 0);
    EXPECT_LE(u.value.lo, 0);
    EXPECT_FALSE(u.value.excludesZero());
}

} // namespace
