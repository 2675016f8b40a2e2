// Probes the computed enclosures where the padding matters most: whole powers, whose results
// reach every binade of the doubles, and the functions whose argument or result is converted
// in extended precision (degrees, reciprocals), at tiny and huge arguments. Every value the
// evaluator computes at a point of a range lies in the range's enclosure.
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Probe {
    Formelinterpreter formula{};
    FlatProgram program;

    explicit Probe(const std::string& text) {
        formula.setFormel(text);
        formula.Formel_compillieren();
        program.compile(formula);
    }
};

std::vector<std::string> powerTexts() {
    std::vector<std::string> texts;
    for (int k = 2; k <= 16; ++k) {
        texts.push_back("x^" + std::to_string(k));
        texts.push_back("x^(-" + std::to_string(k) + ")");
    }
    return texts;
}

const std::vector<std::string> convertedTexts = {
    "sind(x)",  "cosd(x)", "tand(x)", "cotd(x)", "asind(x)", "acosd(x)", "atand(x)",
    "acotd(x)", "cot(x)",  "acot(x)", "sin(x)",  "atan(x)",  "tan(x)",   "sinh(x)",
    "tanh(x)",  "sqrt(x)", "expz(x)", "expn(x)", "ln(x)",    "log(x)",
};

// An argument of magnitude 2^e times a random factor in [1, 2), most of them between two
// doubles, with either sign.
long double argumentAt(int e, std::mt19937& random) {
    const long double factor = std::uniform_real_distribution<long double>(1, 2)(random);
    const long double x = std::ldexp(factor, e);
    return (random() & 1) != 0 ? -x : x;
}

// Ranges of one point and ranges a few units wide, at every scale from below the smallest
// double to the largest; five points of each.
::testing::AssertionResult holdsEverywhere(const std::string& text, int lowest, int highest,
                                           int* tested) {
    const Probe p(text);
    std::mt19937 random(static_cast<unsigned>(std::hash<std::string>()(text)));
    for (int e = lowest; e <= highest; ++e) {
        for (int trial = 0; trial < 3; ++trial) {
            const long double a = argumentAt(e, random);
            const long double width =
                trial == 0 ? 0 : std::fabs(a) * std::ldexp(1.0L, -40 - 7 * trial);
            const Interval range{a, a + width};
            const FlatProgram::Enclosure enclosure = p.program.enclose(range);
            for (int k = 0; k < 5; ++k) {
                const long double x = range.lo + (range.hi - range.lo) * k / 4;
                int status = 0;
                const long double value = p.program.evaluate(x, status);
                if (errno != 0) {
                    continue;
                }
                ++*tested;
                if (enclosure.value.known() &&
                    !(enclosure.value.lo <= value && value <= enclosure.value.hi)) {
                    std::ostringstream out;
                    out.precision(21);
                    out << text << " over [" << range.lo << ", " << range.hi << "] gives " << value
                        << " at " << x << ", outside [" << enclosure.value.lo << ", "
                        << enclosure.value.hi << "]";
                    return ::testing::AssertionFailure() << out.str();
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

class PowerProbe : public testing::TestWithParam<std::string> {};

TEST_P(PowerProbe, EveryComputedValueIsEnclosed) {
    int tested = 0;
    // From bases whose powers underflow to bases whose powers overflow.
    EXPECT_TRUE(holdsEverywhere(GetParam(), -1100, 1100, &tested));
    EXPECT_GT(tested, 1000);
}

INSTANTIATE_TEST_SUITE_P(WholePowers, PowerProbe, testing::ValuesIn(powerTexts()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return std::to_string(info.index);
                         });

class ConvertedProbe : public testing::TestWithParam<std::string> {};

TEST_P(ConvertedProbe, EveryComputedValueIsEnclosedAtTinyAndHugeArguments) {
    int tested = 0;
    EXPECT_TRUE(holdsEverywhere(GetParam(), -16400, -16300, &tested));
    EXPECT_TRUE(holdsEverywhere(GetParam(), -1100, -900, &tested));
    EXPECT_TRUE(holdsEverywhere(GetParam(), -60, 60, &tested));
    EXPECT_TRUE(holdsEverywhere(GetParam(), 900, 1100, &tested));
    EXPECT_TRUE(holdsEverywhere(GetParam(), 16300, 16383, &tested));
    EXPECT_GT(tested, 500);
}

INSTANTIATE_TEST_SUITE_P(Functions, ConvertedProbe, testing::ValuesIn(convertedTexts),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('('));
                         });

} // namespace
