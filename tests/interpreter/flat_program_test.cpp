#include "interpreter/flat_program.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// The fast path must give Formel_Berechnen's value (same bits), errno and status.
::testing::AssertionResult sameAsReference(const std::string& text, long double x) {
    static Formelinterpreter f;
    static FlatProgram flat;
    f.setFormel(text);
    f.Formel_compillieren();
    flat.compile(f);
    if (flat.opCount() > FlatProgram::MaxOps) {
        return ::testing::AssertionFailure() << "too many ops for " << text;
    }

    f.X = x;
    const long double expected = f.Formel_Berechnen();
    const int expectedErrno = errno;
    int status = -1;
    const long double actual = flat.evaluate(x, status);
    const int actualErrno = errno;

    const bool sameBits = std::memcmp(&expected, &actual, 10) == 0 ||
                          (std::isnan(expected) && std::isnan(actual) &&
                           std::signbit(expected) == std::signbit(actual));
    if (sameBits && actualErrno == expectedErrno && status == f.Fehlercode) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "text \"" << text << "\" at x=" << static_cast<double>(x) << ": reference "
           << static_cast<double>(expected) << " errno " << expectedErrno << " status "
           << f.Fehlercode << ", fast " << static_cast<double>(actual) << " errno " << actualErrno
           << " status " << status;
}

const long double xs[] = {0,        2,         -2,  0.5L, -0.75L, 3,  1e-3L,   1e300L, -1e6L,
                          INFINITY, -INFINITY, NAN, 5,    -4,     -1, 1e-200L, 1e200L, M_PI / 2};

TEST(FlatProgram, LanguageExamples) {
    const char* texts[] = {"x^2",
                           "-x^2",
                           "(-x)^2",
                           "2^3^2",
                           "8/2/2",
                           "8:2*2",
                           "x*2^2",
                           "2*(-3)",
                           "2*-3",
                           "2^-1",
                           "2x",
                           "2x+1",
                           "",
                           "1/0+5",
                           "0/0",
                           "sqrt(-4)",
                           "(-8)^(1/3)",
                           "ln(0)",
                           "sind(90)",
                           "expz(2)",
                           "log(1000)",
                           "expn(1)",
                           "atand(1)",
                           "sin(2*(x+1))",
                           "sin(-x)+1",
                           "sqrt(x^2+(x-1))",
                           "cot(x)",
                           "cot(0)",
                           "1+2*3^2",
                           "2*^3",
                           "+*^",
                           ")x(",
                           "sin",
                           "sin x",
                           "((x",
                           "x))+1",
                           "4/(x-5)-2/(x+4)+5/(x+1)",
                           "x^x+2*x^2+1,34*x",
                           "(x+4)^(1/3)",
                           "tan(x)-0.5",
                           "sqrt(x)-sin(x)*3",
                           "-(-x)",
                           "1-(-2)*3",
                           "x^2^0.5"};
    for (const char* text : texts) {
        for (long double x : xs) {
            EXPECT_TRUE(sameAsReference(text, x));
        }
    }
}

const char* const tokens[] = {
    "+",     "-",     "*",     "/",    ":",    "^",    "(",    ")",    "(",    ")",    "x",
    "x",     "2",     "0",     "0.5",  "1,5",  "3.7",  "e",    "pi",   "y",    "sin",  "cos",
    "tan",   "cot",   "asin",  "acos", "atan", "acot", "sind", "cosd", "tand", "cotd", "asind",
    "acosd", "atand", "acotd", "sinh", "cosh", "tanh", "sqrt", "log",  "ln",   "expz", "expn",
    "foo",   "=",     "(-x)",  "(-2)", "x^2",  "x*x",  "1e5",  "400"};

TEST(FlatProgram, RandomProgramsAgreeWithReference) {
    std::mt19937 random(91);
    std::uniform_int_distribution<size_t> token(0, std::size(tokens) - 1);
    std::uniform_int_distribution<int> count(0, 40);
    std::uniform_real_distribution<double> wide(-20, 20);
    for (int round = 0; round < 1000000; ++round) {
        std::string text;
        for (int n = count(random); n > 0; --n) {
            text += tokens[token(random)];
        }
        const long double x = round % 3 == 0 ? xs[round % std::size(xs)] : wide(random);
        ASSERT_TRUE(sameAsReference(text, x));
    }
}

// A block of points gives each point's value (same bits), errno and status of the
// one-point path, whatever fails or divides by zero at its neighbours.
TEST(FlatProgram, BlocksAgreeWithOnePoint) {
    std::mt19937 random(23);
    std::uniform_int_distribution<size_t> token(0, std::size(tokens) - 1);
    std::uniform_int_distribution<int> count(0, 40);
    std::uniform_int_distribution<int> size(1, FlatProgram::BlockSize);
    std::uniform_real_distribution<double> wide(-20, 20);
    Formelinterpreter f{};
    static FlatProgram flat;
    for (int round = 0; round < 100000; ++round) {
        std::string text;
        for (int n = count(random); n > 0; --n) {
            text += tokens[token(random)];
        }
        f.setFormel(text);
        f.Formel_compillieren();
        flat.compile(f);
        const int n = size(random);
        long double x[FlatProgram::BlockSize];
        for (int i = 0; i < n; ++i) {
            x[i] = i % 3 == 0 ? xs[(round + i) % std::size(xs)] : wide(random);
        }
        FlatProgram::BlockOutcome block;
        flat.evaluateBlock(x, n, block);
        for (int i = 0; i < n; ++i) {
            int status = -1;
            const long double one = flat.evaluate(x[i], status);
            const int error = errno;
            const bool sameBits = std::memcmp(&one, &block.value[i], 10) == 0 ||
                                  (std::isnan(one) && std::isnan(block.value[i]));
            ASSERT_TRUE(sameBits && error == block.error[i] && status == block.status[i])
                << text << " at x=" << static_cast<double>(x[i]);
        }
    }
}

TEST(FlatProgram, RandomBytesAgreeWithReference) {
    std::mt19937 random(17);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> printable(32, 126);
    std::uniform_int_distribution<int> length(0, 280);
    for (int round = 0; round < 200000; ++round) {
        std::string text(static_cast<size_t>(length(random)), ' ');
        for (char& c : text) {
            c = static_cast<char>(round % 2 ? byte(random) : printable(random));
        }
        ASSERT_TRUE(sameAsReference(text, xs[round % std::size(xs)]));
    }
}

// Doubles whose exact square lies within 0.06 ulp of a midpoint between two doubles,
// found by the square's error term from fma.
std::vector<double> squaresNearMidpoints(int count) {
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> base(-3e5, 3e5);
    std::vector<double> found;
    while (static_cast<int>(found.size()) < count) {
        const double b = base(random);
        const double square = b * b;
        const double error = std::fma(b, b, -square);
        const double ulp = std::nextafter(square, INFINITY) - square;
        if (std::abs(std::abs(error) / ulp - 0.5) < 0.06) {
            found.push_back(b);
        }
    }
    return found;
}

TEST(FlatProgram, IntegerPowersAgreeWithReference) {
    const char* texts[] = {"x^2",     "x^3",       "x^4",   "x^(-1)", "x^(-2)",   "x^16",
                           "x^(-16)", "x^17",      "x^(2)", "x^1",    "x^0",      "(x+1)^2",
                           "x^2^2",   "2*x^2-x^3", "x^2,0", "x^2.5",  "1/x^(-3)", "x^(-17)"};
    const std::vector<double> hard = squaresNearMidpoints(5000);
    std::mt19937_64 random(8);
    std::uniform_real_distribution<double> ordinary(-100, 100);
    for (const char* text : texts) {
        for (long double x : xs) {
            ASSERT_TRUE(sameAsReference(text, x));
        }
        for (double x : hard) {
            ASSERT_TRUE(sameAsReference(text, x));
        }
        for (int k = 0; k < 20000; ++k) {
            const uint64_t bits = random();
            const double x = (bits & 1) ? std::bit_cast<double>(bits) : ordinary(random);
            ASSERT_TRUE(sameAsReference(text, x));
        }
    }
}

// Constants folded, read from registers, rounded to double operands and fused with x;
// registers that hold x read as x.
TEST(FlatProgram, SimplifiedProgramsAgreeWithReference) {
    const char* texts[] = {
        "1/3+x", "x+1/3", "(1/3)*x", "x^(1/3)", "2^(1/3)^x", "e*5+x", "e5*pi+x", "x-(2-1/3)",
        "1/(x-x)", "0/0+x", "x*0", "(1e999-1e999)+x", "x/(1-1)", "x/(2-2)+1", "3/(x*0)", "(1/3)/x",
        "(1/3)-x", "(1/3)^x", "x^(2/2)", "x^(4/2)-x^(6/3)", "2*(x+1/7)", "pi*x+e*x", "(-2)*(-3)+x",
        "sin(1/3)*x", "x*(1/3)*3", "(2^0.5)*x", "1,1*x-1,1*x", "(x+1)*(1/3)", "1/(1/3)+x",
        "(1/3)+(1/7)*x", "x:(1/3)", "2-(x-(1/3))",
        // registers that hold x read as x; x divided by or into a constant
        "x/7", "x/0", "10/x", "x/(x+60)", "x-(3+1/x)", "x-(9+2/3)", "x*(x+31)", "x/(112-x)",
        "x^(x-1)", "(x+1)^x", "x/(3+2/5)", "x+3/(x+2)", "(1/3)/x+x", "x/(x-x)", "x^(0*x)", "0/x"};
    for (const char* text : texts) {
        for (long double x : xs) {
            EXPECT_TRUE(sameAsReference(text, x));
        }
    }
}

TEST(FlatProgram, LongestProgramsFit) {
    const std::string texts[] = {std::string(255, '('), std::string(255, ')'),
                                 std::string(255, 'x'), std::string(255, '-')};
    for (const std::string& text : texts) {
        EXPECT_TRUE(sameAsReference(text, 2));
    }
    std::string sums;
    while (sums.size() + 4 <= 255) {
        sums += "1+2*";
    }
    EXPECT_TRUE(sameAsReference(sums, 2));
    std::string functions;
    while (functions.size() + 3 <= 255) {
        functions += "ln(";
    }
    EXPECT_TRUE(sameAsReference(functions, 2));
}

} // namespace
