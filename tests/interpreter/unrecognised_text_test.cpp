// The first unrecognised word or character of a formula text, checked against the counts
// of the real compiler on the catalogue and on many random texts.
#include "examples/equation_texts.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/unrecognised_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace {

struct Compiled {
    std::string text; // normalised
    int unrecognised;
};

Compiled compile(std::string_view text) {
    Formelinterpreter formula{};
    formula.setFormel(text);
    formula.Formel_compillieren();
    return {formula.Formel, formula.AnzahlFehler};
}

bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// Random texts from pieces that meet at every kind of boundary: known and unknown words,
// letters that join into longer words, numbers, operators and characters outside the language.
std::string randomText(std::mt19937& random) {
    static const char* const pieces[] = {
        "x",        "e",
        "pi",       "sin",
        "sind",     "sinh",
        "asind",    "sqrt",
        "expz",     "ln",
        "log",      "y",
        "s",        "co",
        "th",       "abc",
        "xx",       "1",
        "2.5",      "1,5",
        ".",        ",",
        "+",        "-",
        "*",        "/",
        ":",        "^",
        "(",        ")",
        "=",        "!",
        "\t",       " ",
        "X",        "SIN",
        "\xc3\xa4", "\xe2\x82\xac",
        "\x80",     "#",
        "_",        "0",
    };
    std::uniform_int_distribution<int> count(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::string text;
    for (int i = count(random); i > 0; --i) {
        text += pieces[piece(random)];
    }
    return text;
}

// Percent-encoded, so that a failure shows every byte.
std::string shown(std::string_view text) {
    std::string out;
    for (const unsigned char c : text) {
        if (c >= 0x21 && c < 0x7f && c != '%') {
            out += static_cast<char>(c);
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            out += code;
        }
    }
    return out;
}

// Every word and character known; some of these are misread all the same (2x+1, 2*-3, 1e5,
// 2pi, 1.2.3, "((("), which firstDeparture names.
TEST(UnrecognisedTextTest, knownTextsHaveNone) {
    for (const char* text : {"", "2x+1", "2*-3", "1e5", "2pi", "1,5", "1.2.3", "x^2", "sqrt(x)",
                             "acotd(x)", "expn(e)", "y", "((("}) {
        const Compiled compiled = compile(text);
        EXPECT_EQ(compiled.unrecognised, 0) << text;
        EXPECT_TRUE(firstUnrecognisedText(compiled.text).text.empty()) << text;
    }
}

TEST(UnrecognisedTextTest, namesTheFirst) {
    const struct {
        const char* name;
        const char* text;
        const char* found;
        bool word;
    } cases[] = {
        {"sinx", "sinx", "sinx", true},
        {"word after a number", "2abc+1", "abc", true},
        {"known words before", "sin(x)+coth(x)", "coth", true},
        {"six letters", "sqrtxx", "sqrtxx", true},
        {"character", "x=3", "=", false},
        {"character before a word", "1!+sinx", "!", false},
        {"comma not after a number", "x,5", ",", false},
        {"two-byte character", "2\xc3\xa4x", "\xc3\xa4", false},
        {"three-byte character", "\xe2\x82\xac", "\xe2\x82\xac", false},
    };
    for (const auto& c : cases) {
        const UnrecognisedText result = firstUnrecognisedText(std::string_view(c.text));
        EXPECT_EQ(result.text, c.found) << c.name;
        EXPECT_EQ(result.word, c.word) << c.name;
    }
}

TEST(UnrecognisedTextTest, catalogueHasNone) {
    for (const char* example : BeispielTexte) {
        const std::string_view text(example);
        const std::size_t equals = text.find('=');
        ASSERT_NE(equals, std::string_view::npos);
        for (const std::string_view side : {text.substr(0, equals), text.substr(equals + 1)}) {
            const Compiled compiled = compile(side);
            EXPECT_EQ(compiled.unrecognised, 0) << example;
            EXPECT_TRUE(firstUnrecognisedText(compiled.text).text.empty()) << example;
        }
    }
}

// What is named is unrecognised, nothing before it is, and taking it out leaves the others.
TEST(UnrecognisedTextTest, agreesWithTheCompiler) {
    std::mt19937 random(14);
    int withFindings = 0;
    for (int round = 0; round < 20000; ++round) {
        const Compiled compiled = compile(randomText(random));
        const std::string& text = compiled.text;
        const UnrecognisedText found = firstUnrecognisedText(text);
        const std::string context = shown(text);
        ASSERT_EQ(found.text.empty(), compiled.unrecognised == 0) << context;
        if (found.text.empty()) {
            continue;
        }
        ++withFindings;
        const std::size_t begin = static_cast<std::size_t>(found.text.data() - text.data());
        const std::size_t end = begin + found.text.size();
        ASSERT_LE(end, text.size()) << context;
        ASSERT_EQ(compile(text.substr(0, begin)).unrecognised, 0) << context;
        if (found.word) {
            ASSERT_TRUE(begin == 0 || !isLetter(text[begin - 1])) << context;
            ASSERT_TRUE(end == text.size() || !isLetter(text[end])) << context;
            for (const char c : found.text) {
                ASSERT_TRUE(isLetter(c)) << context;
            }
        }
        // One code per word, one per byte of a character; an operator in its place
        // changes no other code.
        const int codes = found.word ? 1 : static_cast<int>(found.text.size());
        const std::string replaced = text.substr(0, begin) + "+" + text.substr(end);
        ASSERT_EQ(compile(replaced).unrecognised, compiled.unrecognised - codes) << context;
    }
    EXPECT_GT(withFindings, 5000);
}

// The compiled record names the same text as the text it was compiled from.
TEST(UnrecognisedTextTest, recordNamesWhatItsTextNames) {
    std::mt19937 random(15);
    for (int round = 0; round < 2000; ++round) {
        Formelinterpreter formula{};
        formula.setFormel(randomText(random));
        formula.Formel_compillieren();
        const UnrecognisedText fromRecord = firstUnrecognisedText(formula);
        const UnrecognisedText fromText = firstUnrecognisedText(std::string_view(formula.Formel));
        ASSERT_EQ(fromRecord.text, fromText.text) << shown(formula.Formel);
        ASSERT_EQ(fromRecord.word, fromText.word) << shown(formula.Formel);
    }
}

} // namespace
