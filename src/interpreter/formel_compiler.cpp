#include "interpreter/formelinterpreter.h"
#include "interpreter/function_table.h"
#include "interpreter/reading_check.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string_view>

namespace {

struct Word {
    std::string_view text;
    unsigned char code;
};

// The words of the formula language besides the functions, whose words the table of
// functions holds; compared whole, after lower-casing.
constexpr Word wordTable[] = {
    {"e", Formelinterpreter::ConstE},
    {"x", Formelinterpreter::VarX},
    {"y", Formelinterpreter::WordY},
    {"pi", Formelinterpreter::ConstPi},
};

// The longest word; a longer run of letters is no word.
constexpr size_t longestWord = [] {
    size_t longest = 0;
    for (const functions::Function& f : functions::table) {
        longest = std::max(longest, std::string_view(f.word).size());
    }
    return longest;
}();

unsigned char lookUpWord(std::string_view word) {
    for (const functions::Function& f : functions::table) {
        if (f.word == word) {
            return f.code;
        }
    }
    for (const Word& entry : wordTable) {
        if (entry.text == word) {
            return entry.code;
        }
    }
    return Formelinterpreter::Unknown;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool isOperatorOrParen(char c) {
    return c != '\0' && std::strchr("+-*/:()^", c) != nullptr;
}

// Lower-cases ASCII letters only, whatever the process locale.
char toLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// strtod in the "C" convention, whatever locale the application has set.
double parseDecimal(const char* text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text, nullptr, cLocale);
}

} // namespace

void Formelinterpreter::IncChar() {
    if (Zeichenposition < 0 || Zeichenposition > MaxTextLength) {
        Zeichen = '\0';
        return;
    }
    const char c = Formel[Zeichenposition];
    if (c != '\0') {
        Zeichen = c;
        ++Zeichenposition;
    } else {
        Zeichen = '\0';
    }
}

void Formelinterpreter::appendCode(unsigned char code) {
    ++AnzahlToken;
    Programm[AnzahlToken] = code;
}

// Counts an unrecognised word or character that starts at begin and ends before the current
// character; the first one is remembered.
void Formelinterpreter::countUnknown(int32_t begin) {
    if (AnzahlFehler++ == 0) {
        firstUnknownBegin = begin;
        firstUnknownEnd = currentIndex();
    }
}

void Formelinterpreter::Formel_compillieren() {
    Zeichenposition = 0;
    AnzahlToken = 0;
    std::memset(Programm, 0, sizeof Programm);
    std::memset(static_cast<void*>(Zahlenwerte), 0, sizeof Zahlenwerte);

    Formel[MaxTextLength] = '\0';
    int kept = 0;
    for (int i = 0; Formel[i] != '\0'; ++i) {
        if (Formel[i] != ' ') {
            Formel[kept++] = toLowerAscii(Formel[i]);
        }
    }
    Formel[kept] = '\0';

    FormelZerlegen();
}

// <formula> = { <operator> | "(" | ")" | <number> | <word> | <other> }
// A text of at most 255 characters gives at most 255 codes plus the end code.
void Formelinterpreter::FormelZerlegen() {
    AnzahlToken = 0;
    AnzahlFehler = 0;
    firstUnknownBegin = 0;
    firstUnknownEnd = 0;
    Zeichenposition = 0;
    ReadingCheck check(std::string_view(Formel, strnlen(Formel, sizeof Formel)));
    IncChar();

    while (Zeichen != '\0') {
        const int32_t begin = currentIndex();
        if (isOperatorOrParen(Zeichen)) {
            appendCode(static_cast<unsigned char>(Zeichen));
            IncChar();
        } else if (isDigit(Zeichen) || Zeichen == '.') {
            ++AnzahlToken;
            Zahlen_ermittel();
        } else if (isLetter(Zeichen)) {
            char word[longestWord + 1];
            size_t length = 0;
            while (isLetter(Zeichen)) {
                if (length <= longestWord) {
                    word[length] = Zeichen;
                }
                ++length;
                IncChar();
            }
            const unsigned char code = length <= longestWord
                                           ? lookUpWord(std::string_view(word, length))
                                           : static_cast<unsigned char>(Unknown);
            if (code == Unknown) {
                countUnknown(begin);
            }
            appendCode(code);
        } else {
            IncChar();
            countUnknown(begin);
            appendCode(Unknown);
        }
        check.next(Programm[AnzahlToken], begin, currentIndex());
    }
    check.finish();
    firstDepartureKind = check.kind();
    firstDepartureBegin = check.begin();
    firstDepartureEnd = check.end();
    appendCode(End);
}

// <number> = { digit | "." | "," }, read as far as one decimal number goes; a ","
// counts as a decimal point.
void Formelinterpreter::Zahlen_ermittel() {
    int length = 0;
    while (isDigit(Zeichen) || Zeichen == '.' || Zeichen == ',') {
        if (length < MaxTextLength) {
            Zahlenpuffer[length++] = Zeichen == ',' ? '.' : Zeichen;
        }
        IncChar();
    }
    Zahlenpuffer[length] = '\0';
    Zahlenwerte[AnzahlToken] = parseDecimal(Zahlenpuffer);
    Programm[AnzahlToken] = Number;
}
