#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct Evaluation {
    long double value;
    int error;
    int status;
};

Evaluation evaluate(const std::string& text, long double x) {
    static Formelinterpreter f;
    f.setFormel(text);
    f.Formel_compillieren();
    f.X = x;
    const long double value = f.Formel_Berechnen();
    return {value, errno, f.Fehlercode};
}

struct ValueCase {
    const char* name;
    const char* text;
    long double expected;
    friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }
};

class ValueAtTwo : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueAtTwo, Evaluates) {
    const ValueCase& c = GetParam();
    const Evaluation r = evaluate(c.text, 2);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.value, c.expected) << c.text;
}

// Expected values follow the language: ^ binds tighter than * / :, which bind tighter than
// + -; all group to the left; a second operator replaces the first; an operand after an
// operand waits for the next operator.
const ValueCase valueCases[] = {
    {"Square", "x^2", 4},
    {"LeadingMinusCoversTerm", "-x^2", -4},
    {"NegatedGroupSquared", "(-x)^2", 4},
    {"PowerGroupsLeft", "2^3^2", 64},
    {"DivisionGroupsLeft", "8/2/2", 2},
    {"ColonIsDivision", "8:2*2", 8},
    {"PowerBeforeProduct", "x*2^2", 8},
    {"NegativeLiteralInParens", "2*(-3)", -6},
    {"SecondOperatorReplacesFirst", "2*-3", -1},
    {"NegativeExponentNeedsParens", "2^-1", 1},
    {"NoImplicitProduct", "2x", 2},
    {"PendingOperandJoinsNext", "2x+1", 4},
    {"Empty", "", 0},
    {"WorkedExample", "1+2*3^2", 19},
    {"ProductAfterSum", "1+2*3+4", 11},
    {"MinusProduct", "-2*x", -4},
    {"Group", "(1+2)*(3+4)", 21},
    {"PowerOfGroup", "(x+1)^2", 9},
    {"SumOfQuotients", "1/2+1/4", 0.75L},
    {"PowerInSum", "1+x^3-x", 7},
    {"MissingCloseParen", "(x+1", 3},
    {"UnknownWordSkipped", "x+foo", 2},
    {"WordYHasNoValue", "y", 0},
    {"ExtendedPrecisionSum", "0.1+0.2",
     static_cast<long double>(0.1) + static_cast<long double>(0.2)},
    {"NegatedXShortForm", "3*(-x)", -6},
    {"LibraryPowerIsDouble", "x^0.5", static_cast<long double>(std::sqrt(2.0))},
    {"DegreeSine", "sind(90)", 1},
    {"DecimalPower", "expz(2)", 100},
    {"DecimalLog", "log(1000)", 3},
    {"NaturalExp", "expn(1)", e},
    {"FunctionOfNestedGroup", "sin(2*(x+1))", static_cast<long double>(std::sin(6.0))},
    {"FunctionOfNegatedX", "sin(-x)+1", static_cast<long double>(std::sin(-2.0)) + 1},
    {"RootOfSum", "sqrt(x^2+(x-1))", static_cast<long double>(std::sqrt(5.0))},
    {"Cotangent", "cot(x)", 1 / static_cast<long double>(std::tan(2.0))},
    {"CotangentOfZero", "cot(0)", std::numeric_limits<long double>::infinity()},
    {"ArcCotangentOfZero", "acot(0)", static_cast<long double>(std::atan(HUGE_VAL))},
    {"Pi", "pi", PI},
    {"PiIsDouble", "pi", static_cast<long double>(M_PI)},
    {"E", "e", static_cast<long double>(std::exp(1.0))},
    {"Hyperbolic", "sinh(1)+cosh(1)-tanh(1)",
     static_cast<long double>(std::sinh(1.0)) + static_cast<long double>(std::cosh(1.0)) -
         static_cast<long double>(std::tanh(1.0))},
    {"NaturalLog", "ln(x)", static_cast<long double>(std::log(2.0))},
    {"Arcs", "asin(0.5)*acos(0.5)+atan(x)",
     static_cast<long double>(std::asin(0.5)) * static_cast<long double>(std::acos(0.5)) +
         static_cast<long double>(std::atan(2.0))},
};

INSTANTIATE_TEST_SUITE_P(Language, ValueAtTwo, testing::ValuesIn(valueCases),
                         [](const testing::TestParamInfo<ValueCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Evaluator, ArcTangentInDegrees) {
    const Evaluation r = evaluate("atand(1)", 2);
    EXPECT_EQ(r.error, 0);
    EXPECT_NEAR(static_cast<double>(r.value), 45.0, 1e-13);
}

struct FailureCase {
    const char* name;
    const char* text;
    long double x;
    int error;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class Failure : public testing::TestWithParam<FailureCase> {};

TEST_P(Failure, AbandonsWithErrno) {
    const FailureCase& c = GetParam();
    const Evaluation r = evaluate(c.text, c.x);
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(r.error, c.error);
    EXPECT_EQ(r.status, c.error);
}

const long double inf = std::numeric_limits<long double>::infinity();

const FailureCase failureCases[] = {
    {"RootOfNegative", "sqrt(-4)", 2, EDOM},
    {"FractionalPowerOfNegative", "(-8)^(1/3)", 2, EDOM},
    {"LogOfZero", "ln(0)", 2, ERANGE},
    {"DecimalLogOfZero", "log(0)", 2, ERANGE},
    {"ArcSineOutOfRange", "asin(x)", 2, EDOM},
    {"Overflow", "expn(20000)", 2, ERANGE},
    {"PowerOverflow", "10^5000", 2, ERANGE},
    {"SineOfInfinity", "sin(x)", inf, EDOM},
    {"CosineOfInfinity", "cos(x)", inf, EDOM},
    {"TangentOfInfinity", "tan(x)", inf, EDOM},
    {"FailureInsideGroupEndsAll", "1+(2*sqrt(x-5))+100", 2, EDOM},
    {"FailureInExponent", "2^(ln(x-2))", 2, ERANGE},
};

INSTANTIATE_TEST_SUITE_P(Library, Failure, testing::ValuesIn(failureCases),
                         [](const testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(Evaluator, DivisionByZeroIsSkipped) {
    Evaluation r = evaluate("1/0+5", 2);
    EXPECT_EQ(r.value, 6);
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(r.status, 255);

    r = evaluate("0/0", 2);
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(r.status, 255);

    r = evaluate("x:(x-2)", 2);
    EXPECT_EQ(r.value, 2);
    EXPECT_EQ(r.status, 255);
}

TEST(Evaluator, RepeatableAndRecoversAfterFailure) {
    static Formelinterpreter f;
    f.setFormel("sqrt(x)*sin(x)");
    f.Formel_compillieren();
    f.X = 3;
    const long double first = f.Formel_Berechnen();
    const long double second = f.Formel_Berechnen();
    EXPECT_EQ(first, second);
    f.X = -1;
    f.Formel_Berechnen();
    EXPECT_EQ(errno, EDOM);
    f.X = 3;
    EXPECT_EQ(f.Formel_Berechnen(), first);
    EXPECT_EQ(errno, 0);
    EXPECT_EQ(f.Fehlercode, 0);
}

TEST(Evaluator, TwoRecordsAreIndependent) {
    static Formelinterpreter links;
    static Formelinterpreter rechts;
    links.setFormel("x^2");
    rechts.setFormel("2");
    links.Formel_compillieren();
    rechts.Formel_compillieren();
    links.X = rechts.X = 3;
    EXPECT_EQ(links.Formel_Berechnen(), 9);
    EXPECT_EQ(rechts.Formel_Berechnen(), 2);
}

TEST(Constants, AreDoubleValues) {
    EXPECT_EQ(PI, static_cast<long double>(M_PI));
    EXPECT_EQ(e, static_cast<long double>(M_E));
    EXPECT_EQ(DegToRad, static_cast<long double>(M_PI) / 180);
    EXPECT_EQ(RadToDeg, 180 / static_cast<long double>(M_PI));
}

} // namespace
