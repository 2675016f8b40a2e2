#include "interpreter/formelinterpreter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ostream>
#include <string>
#include <vector>

namespace {

using F = Formelinterpreter;

struct CompileCase {
    const char* name;
    std::string text;
    std::vector<unsigned char> codes; // indices 1..n, the end code included
    int errors;
    const char* normalised;
    friend void PrintTo(const CompileCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<unsigned char> compiledCodes(const Formelinterpreter& f) {
    return {f.Programm + 1, f.Programm + f.AnzahlToken + 1};
}

class CompileTest : public testing::TestWithParam<CompileCase> {};

TEST_P(CompileTest, ProducesCodes) {
    const CompileCase& c = GetParam();
    static Formelinterpreter f;
    f.setFormel(c.text);
    f.Formel_compillieren();
    EXPECT_EQ(compiledCodes(f), c.codes);
    EXPECT_EQ(f.AnzahlFehler, c.errors);
    EXPECT_STREQ(f.Formel, c.normalised);
    EXPECT_EQ(f.Programm[f.AnzahlToken], F::End);
}

const CompileCase compileCases[] = {
    {"BlanksRemoved", "X ^ 2", {F::VarX, '^', F::Number, F::End}, 0, "x^2"},
    {"DegreeWordMixedCase", "SinD(30)", {F::SinD, '(', F::Number, ')', F::End}, 0, "sind(30)"},
    {"LogWithLiteral",
     "LOG(X*374.0)",
     {F::Log, '(', F::VarX, '*', F::Number, ')', F::End},
     0,
     "log(x*374.0)"},
    {"Empty", "", {F::End}, 0, ""},
    {"OnlyBlanks", "   ", {F::End}, 0, ""},
    {"WordsAreWhole", "sinx+1", {F::Unknown, '+', F::Number, F::End}, 1, "sinx+1"},
    {"EqualsSignSkipped", "x=3", {F::VarX, F::Unknown, F::Number, F::End}, 1, "x=3"},
    {"NoHyperbolicCotangent", "coth(x)", {F::Unknown, '(', F::VarX, ')', F::End}, 1, "coth(x)"},
    {"OneLiteralForManyPoints", "1.2.3", {F::Number, F::End}, 0, "1.2.3"},
    {"NoImplicitProduct", "2x", {F::Number, F::VarX, F::End}, 0, "2x"},
    {"NoExponentNotation", "1e5", {F::Number, F::ConstE, F::Number, F::End}, 0, "1e5"},
    {"LiteralBeforeWord", "2pi", {F::Number, F::ConstPi, F::End}, 0, "2pi"},
    {"BlankInsideLiteral", "1 2", {F::Number, F::End}, 0, "12"},
    {"BlankInsideWord", "s in(x)", {F::Sin, '(', F::VarX, ')', F::End}, 0, "sin(x)"},
    {"TabIsKept", "x\t1", {F::VarX, F::Unknown, F::Number, F::End}, 1, "x\t1"},
    {"AllOperators", "+-*/:^()", {'+', '-', '*', '/', ':', '^', '(', ')', F::End}, 0, "+-*/:^()"},
    {"CommaDoesNotStartLiteral", ",5", {F::Unknown, F::Number, F::End}, 1, ",5"},
    {"WordY", "y", {F::WordY, F::End}, 0, "y"},
    {"LongWordUnknown", "sqrtsqrtsqrt", {F::Unknown, F::End}, 1, "sqrtsqrtsqrt"},
    {"NonAsciiByte", "x\xc3\xa4", {F::VarX, F::Unknown, F::Unknown, F::End}, 2, "x\xc3\xa4"},
};

// Blanks are removed before tokenizing, so words must be separated to be recognised.
const CompileCase separatedWords[] = {
    {"DegreeWords",
     "sind(cosd(tand(cotd(asind(acosd(atand(acotd(",
     {F::SinD, '(', F::CosD, '(', F::TanD, '(', F::CotD, '(', F::ASinD, '(', F::ACosD, '(',
      F::ATanD, '(', F::ACotD, '(', F::End},
     0,
     "sind(cosd(tand(cotd(asind(acosd(atand(acotd("},
    {"OtherWords",
     "sinh(cosh(tanh(sqrt(log(ln(expz(expn(pi*e",
     {F::SinH, '(', F::CosH, '(', F::TanH, '(', F::Sqrt,    '(', F::Log,    '(',
      F::Ln,   '(', F::ExpZ, '(', F::ExpN, '(', F::ConstPi, '*', F::ConstE, F::End},
     0,
     "sinh(cosh(tanh(sqrt(log(ln(expz(expn(pi*e"},
};

std::string caseName(const testing::TestParamInfo<CompileCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Texts, CompileTest, testing::ValuesIn(compileCases), caseName);
INSTANTIATE_TEST_SUITE_P(Words, CompileTest, testing::ValuesIn(separatedWords), caseName);

struct LiteralCase {
    const char* name;
    const char* text;
    double value;
    friend void PrintTo(const LiteralCase& c, std::ostream* os) { *os << c.name; }
};

class LiteralTest : public testing::TestWithParam<LiteralCase> {};

TEST_P(LiteralTest, ReadsValue) {
    static Formelinterpreter f;
    f.setFormel(GetParam().text);
    f.Formel_compillieren();
    ASSERT_EQ(f.Programm[1], F::Number);
    EXPECT_EQ(f.Zahlenwerte[1], static_cast<long double>(GetParam().value));
}

const std::string longestLiteral(255, '9');

const LiteralCase literalCases[] = {
    {"Point", "94.31695275", 94.31695275}, {"Comma", "1,34", 1.34},
    {"CommaThenPoint", "1,2.3", 1.2},      {"LonePoint", ".", 0.0},
    {"LeadingPoint", ".5", 0.5},           {"TrailingPoint", "5.", 5.0},
    {"ValueIsDouble", "0.1", 0.1},         {"LongestLiteral", longestLiteral.c_str(), 1e255},
};

INSTANTIATE_TEST_SUITE_P(Literals, LiteralTest, testing::ValuesIn(literalCases),
                         [](const testing::TestParamInfo<LiteralCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(CompileTest, LiteralsIgnoreGermanLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not generated";
    }
    static Formelinterpreter f;
    f.setFormel("94.31695275+1,5");
    f.Formel_compillieren();
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(f.Zahlenwerte[1], static_cast<long double>(94.31695275));
    EXPECT_EQ(f.Zahlenwerte[3], static_cast<long double>(1.5));
}

TEST(CompileTest, SecondCompileStartsClean) {
    static Formelinterpreter f;
    f.setFormel("sin(x)+cos(x)*12.5");
    f.Formel_compillieren();
    f.setFormel("x");
    f.Formel_compillieren();
    EXPECT_EQ(f.AnzahlToken, 2);
    for (int i = 2; i < F::ProgramSize; ++i) {
        EXPECT_EQ(f.Programm[i], 0) << "index " << i;
        EXPECT_EQ(f.Zahlenwerte[i], 0) << "index " << i;
    }
}

TEST(CompileTest, LongTextIsCutAndFits) {
    static Formelinterpreter f;
    f.setFormel(std::string(400, '('));
    EXPECT_EQ(std::string(f.Formel).size(), 255u);
    f.Formel_compillieren();
    EXPECT_EQ(f.AnzahlToken, 256);
    EXPECT_EQ(f.Programm[255], '(');
    EXPECT_EQ(f.Programm[256], F::End);
}

TEST(CompileTest, UnterminatedFormelIsBounded) {
    static Formelinterpreter f;
    for (char& c : f.Formel) {
        c = '1';
    }
    f.Formel_compillieren();
    EXPECT_EQ(f.AnzahlToken, 2);
    EXPECT_EQ(f.Programm[1], F::Number);
}

TEST(CompileTest, CompileKeepsXAndStatus) {
    static Formelinterpreter f;
    f.X = 7;
    f.Fehlercode = 255;
    f.setFormel("x");
    f.Formel_compillieren();
    EXPECT_EQ(f.X, 7);
    EXPECT_EQ(f.Fehlercode, 255);
}

} // namespace
