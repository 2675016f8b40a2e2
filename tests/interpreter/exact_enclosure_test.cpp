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

} // namespace
