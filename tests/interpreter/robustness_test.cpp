#include "interpreter/formelinterpreter.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace {

// Evaluates text at x twice and checks what every evaluation must satisfy.
void checkEvaluation(const std::string& text, long double x) {
    static Formelinterpreter f;
    f.setFormel(text);
    f.Formel_compillieren();
    ASSERT_GE(f.AnzahlToken, 1);
    ASSERT_LT(f.AnzahlToken, Formelinterpreter::ProgramSize);
    ASSERT_EQ(f.Programm[f.AnzahlToken], Formelinterpreter::End);
    ASSERT_LE(std::strlen(f.Formel), 255u);

    f.X = x;
    const long double first = f.Formel_Berechnen();
    const int firstErrno = errno;
    const int firstStatus = f.Fehlercode;
    ASSERT_TRUE(firstStatus == 0 || firstStatus == 255 || firstStatus == EDOM ||
                firstStatus == ERANGE)
        << text;
    if (firstStatus == EDOM || firstStatus == ERANGE) {
        ASSERT_EQ(first, 0) << text;
        ASSERT_EQ(firstErrno, firstStatus) << text;
    } else {
        ASSERT_EQ(firstErrno, 0) << text;
    }

    const long double second = f.Formel_Berechnen();
    ASSERT_EQ(errno, firstErrno) << text;
    ASSERT_EQ(f.Fehlercode, firstStatus) << text;
    ASSERT_TRUE(std::memcmp(&first, &second, 10) == 0 || (std::isnan(first) && std::isnan(second)))
        << text;
}

const char* const tokens[] = {"+",     "-",     "*",
                              "/",     ":",     "^",
                              "(",     ")",     "(",
                              ")",     "x",     "x",
                              "2",     "0",     "0.5",
                              "1,5",   "3.7",   "e",
                              "pi",    "y",     "sin",
                              "cos",   "tan",   "cot",
                              "asin",  "acos",  "atan",
                              "acot",  "sind",  "cosd",
                              "tand",  "cotd",  "asind",
                              "acosd", "atand", "acotd",
                              "sinh",  "cosh",  "tanh",
                              "sqrt",  "log",   "ln",
                              "expz",  "expn",  "foo",
                              "=",     " ",     "(-x)",
                              "(-2)",  "1e5",   "99999999999999999999"};

const long double xs[] = {0, 2, -2, 0.5L, -1e6L, 1e300L, INFINITY, NAN};

TEST(Robustness, RandomBytes) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 300);
    for (int round = 0; round < 1000000; ++round) {
        std::string text(static_cast<size_t>(length(random)), ' ');
        for (char& c : text) {
            c = static_cast<char>(byte(random));
        }
        checkEvaluation(text, xs[round % std::size(xs)]);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(Robustness, RandomTokenSequences) {
    std::mt19937 random(5678);
    std::uniform_int_distribution<size_t> token(0, std::size(tokens) - 1);
    std::uniform_int_distribution<int> count(0, 120);
    for (int round = 0; round < 1000000; ++round) {
        std::string text;
        for (int n = count(random); n > 0; --n) {
            text += tokens[token(random)];
        }
        checkEvaluation(text, xs[round % std::size(xs)]);
        if (HasFatalFailure()) {
            return;
        }
    }
}

std::string repeated(const std::string& piece, size_t times) {
    std::string text;
    for (size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(Robustness, DeepAndUnbalancedNesting) {
    const std::string texts[] = {
        repeated("(", 255),         repeated("(", 200) + "x" + repeated(")", 55),
        repeated(")", 255),         repeated(")", 100) + repeated("(", 155),
        repeated(")(", 127),        repeated("sin(", 63) + "x",
        repeated("1+2*", 63) + "x", repeated("x^", 127) + "2",
        repeated("2*x^", 63),       repeated("+*^", 85),
        repeated("sqrt", 63),       repeated("(-x)", 63),
        repeated("(-", 127),        repeated("1+(", 85),
        repeated(")^", 127),        repeated("x", 255),
    };
    for (const std::string& text : texts) {
        for (long double x : xs) {
            checkEvaluation(text, x);
        }
    }
}

} // namespace
