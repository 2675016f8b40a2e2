// The enclosure of a flat program over a range of x against the evaluation at points of the
// range: random programs over random ranges, and ranges whose truth is known in closed form.
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"
#include "random_formulas.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <iterator>
#include <numbers>
#include <random>
#include <sstream>
#include <string>

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

FlatProgram compiled(const std::string& text) {
    Formelinterpreter f{};
    f.setFormel(text);
    f.Formel_compillieren();
    FlatProgram program;
    program.compile(f);
    return program;
}

std::string shown(const Interval& v) {
    std::ostringstream out;
    out.precision(21);
    out << "[" << v.lo << ", " << v.hi << "]";
    return out.str();
}

// The enclosure must hold the value of every point that does not fail, must not promise
// that nothing fails where a point fails or skips a division, and must not say that every
// point fails where one does not.
::testing::AssertionResult holds(const std::string& text, const FlatProgram& program,
                                 const Interval& range, const FlatProgram::Enclosure& e,
                                 long double x) {
    int status = 0;
    const long double value = program.evaluate(x, status);
    const int error = errno;
    const char* broken = nullptr;
    if (e.alwaysFails && error == 0) {
        broken = "says every point fails";
    } else if (e.cannotFail && (error != 0 || status != 0)) {
        broken = "says no point fails or skips a division";
    } else if (error == 0 && e.value.known() && !(e.value.lo <= value && value <= e.value.hi)) {
        broken = "does not hold the value";
    }
    if (broken == nullptr) {
        return ::testing::AssertionSuccess();
    }
    std::ostringstream out;
    out.precision(21);
    out << "\"" << text << "\" over " << shown(range) << " " << broken << ": enclosure "
        << shown(e.value) << (e.cannotFail ? " cannot fail" : "")
        << (e.alwaysFails ? " always fails" : "") << "; at x = " << x << " value " << value
        << " errno " << error << " status " << status;
    return ::testing::AssertionFailure() << out.str();
}

// Token soups, as the compiler lets anything through.
const char* const tokens[] = {"+",    "-",   "*",   "/",    "^",    "(",    ")",    "x",
                              "x",    "2",   "0",   "0.5",  "1,5",  "e",    "pi",   "sin",
                              "cos",  "tan", "cot", "asin", "acot", "sind", "sinh", "cosh",
                              "sqrt", "log", "ln",  "expz", "expn", "(-x)", "(-2)", "x^2",
                              "400",  "1e5", "710", "y",    "cotd", "acosd"};

std::string tokenSoup(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> token(0, std::size(tokens) - 1);
    std::string text;
    for (int n = std::uniform_int_distribution<int>(1, 25)(random); n > 0; --n) {
        text += tokens[token(random)];
    }
    return text;
}

TEST(Enclosure, HoldsEveryPointOfRandomProgramsAndRanges) {
    std::mt19937 random(2026);
    FormulaMaker maker(random);
    long long checked = 0;
    int provedCannotFail = 0;
    int provedAlwaysFails = 0;
    for (int program = 0; program < 20000; ++program) {
        const std::string text = program % 4 == 0 ? tokenSoup(random) : maker.make(4);
        const FlatProgram flat = compiled(text);
        for (int r = 0; r < 50; ++r) {
            const Interval range = randomRange(random);
            const FlatProgram::Enclosure e = flat.enclose(range);
            provedCannotFail += e.cannotFail ? 1 : 0;
            provedAlwaysFails += e.alwaysFails ? 1 : 0;
            for (int k = 0; k < 10; ++k) {
                ASSERT_TRUE(holds(text, flat, range, e, pointOf(range, k, random)));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 10000000);
    // The check is worth little unless many enclosures say something.
    EXPECT_GT(provedCannotFail, 200000);
    EXPECT_GT(provedAlwaysFails, 20000);
}

struct KnownCase {
    const char* text;
    long double lo;
    long double hi;
    // The true range of the formula over [lo, hi]; the enclosure must hold it and be at most
    // `slack` wider on each side.
    long double min;
    long double max;
    long double slack;
    bool cannotFail;
    bool alwaysFails;
};

const long double Unknown = NAN;

// Closed forms: monotone pieces, extrema inside, poles, domain edges, overflow and the
// conversions of the degree functions.
const KnownCase knownCases[] = {
    {"x^2-2", 1.5L, 2, 0.25L, 2, 1e-13L, true, false},
    {"x^2", -3, 2, 0, 9, 1e-12L, false, false}, // a tiny x squares to 0 with ERANGE
    {"x^3", -2, -1, -8, -1, 1e-12L, true, false},
    {"sin(x)", 0, 3, 0, 1, 1e-13L, true, false},
    {"sin(x)", 4, 5, -1, std::sin(4.0L), 1e-13L, true, false},
    {"cos(x)", 100000.125L, 100001, std::cos(100000.125L), std::cos(100001.0L), 1e-12L, true,
     false},
    {"sin(x)", -10, 10, -1, 1, 1e-13L, true, false},
    {"sind(x)", 80, 100, std::sin(80 * Pi / 180), 1, 1e-13L, true, false},
    {"cosd(x)", 170, 190, -1, std::cos(170 * Pi / 180), 1e-13L, true, false},
    {"tan(x)", -1, 1, -std::tan(1.0L), std::tan(1.0L), 1e-13L, true, false},
    {"tan(x)", 1, 2, Unknown, Unknown, 0, true, false}, // a pole at pi/2
    {"cot(x)", 0.5L, 1, 1 / std::tan(1.0L), 1 / std::tan(0.5L), 1e-13L, true, false},
    {"atan(x)", -1, 1, -Pi / 4, Pi / 4, 1e-13L, true, false},
    {"acot(x)", 1, 2, std::atan(0.5L), Pi / 4, 1e-13L, true, false},
    {"atand(x)", 0, 1, 0, 45, 1e-13L, true, false},
    {"asin(x)", -0.5L, 0.5L, -Pi / 6, Pi / 6, 1e-13L, true, false},
    {"asin(x)", 0.5L, 2, Pi / 6, Pi / 2, 1e-13L, false, false},
    {"asin(x)", 1.5L, 2, Unknown, Unknown, 0, false, true},
    {"acos(x)", -1, 1, 0, Pi, 1e-13L, true, false},
    {"sqrt(x)", 4, 9, 2, 3, 0, true, false},
    {"sqrt(x)", -1, 4, 0, 2, 0, false, false},
    {"sqrt(x)", -2, -1, Unknown, Unknown, 0, false, true},
    {"ln(x)", 1, 100, 0, std::log(100.0L), 1e-13L, true, false},
    {"ln(x)", 0, 1, Unknown, 0, 0, false, false},
    {"log(x)", -3, -1, Unknown, Unknown, 0, false, true},
    {"expn(x)", -1, 1, std::exp(-1.0L), std::exp(1.0L), 1e-13L, true, false},
    {"expn(x)", 710, 720, Unknown, Unknown, 0, false, true},
    {"expn(x)", -800, -750, Unknown, Unknown, 0, false, true},
    {"expz(x)", 1, 2, 10, 100, 1e-12L, true, false},
    {"sinh(x)", 711, 712, Unknown, Unknown, 0, false, true},
    {"cosh(x)", -1, 2, 1, std::cosh(2.0L), 1e-13L, true, false},
    {"tanh(x)", -2, 3, std::tanh(-2.0L), std::tanh(3.0L), 1e-13L, true, false},
    {"1/x", 1, 4, 0.25L, 1, 1e-18L, true, false},
    {"1/x", -1, 1, Unknown, Unknown, 0, false, false}, // a division by 0 is skipped
    {"x^0.5", 4, 9, 2, 3, 1e-12L, true, false},
    {"x^x", -0.9L, -0.1L, Unknown, Unknown, 0, false, true},
    {"x^x", -1.5L, -0.5L, Unknown, Unknown, 0, false, false}, // -1 is whole
    {"x^x", 1, 2, 1, 4, 1e-12L, true, false},
    {"2^x", 1030, 1040, Unknown, Unknown, 0, false, true},
    {"x-x", 1, 2, -1, 1, 0, true, false}, // dependency: x - x is 0, the enclosure cannot know
};

TEST(Enclosure, KnownRanges) {
    for (const KnownCase& c : knownCases) {
        const FlatProgram flat = compiled(c.text);
        const FlatProgram::Enclosure e = flat.enclose({c.lo, c.hi});
        SCOPED_TRACE(std::string(c.text) + " over " + shown({c.lo, c.hi}) + ": " + shown(e.value));
        EXPECT_EQ(e.cannotFail, c.cannotFail);
        EXPECT_EQ(e.alwaysFails, c.alwaysFails);
        if (!std::isnan(c.min)) {
            EXPECT_LE(e.value.lo, c.min);
            EXPECT_GE(e.value.lo, c.min - c.slack - 1e-300L);
        }
        if (!std::isnan(c.max)) {
            EXPECT_GE(e.value.hi, c.max);
            EXPECT_LE(e.value.hi, c.max + c.slack + 1e-300L);
        }
    }
}

} // namespace
