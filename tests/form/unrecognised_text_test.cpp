// The first unrecognised word or character of a formula text, checked against the counts
// of the real compiler on the catalogue and on many random texts.
#include <QTest>

#include <random>
#include <string>
#include <string_view>

#include "form/example_texts.h"
#include "form/unrecognised_text.h"
#include "interpreter/formelinterpreter.h"
#include "qt_test_main.h"

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

} // namespace

class UnrecognisedTextTest : public QObject {
    Q_OBJECT

private slots:
    void knownTextsHaveNone_data();
    void knownTextsHaveNone();
    void namesTheFirst_data();
    void namesTheFirst();
    void catalogueHasNone();
    void agreesWithTheCompiler();
};

void UnrecognisedTextTest::knownTextsHaveNone_data() {
    QTest::addColumn<QString>("text");
    for (const char* text : {"", "2x+1", "2*-3", "1e5", "2pi", "1,5", "1.2.3", "x^2", "sqrt(x)",
                             "acotd(x)", "expn(e)", "y", "((("}) {
        QTest::newRow(text) << QString::fromLatin1(text);
    }
}

void UnrecognisedTextTest::knownTextsHaveNone() {
    QFETCH(QString, text);
    const Compiled compiled = compile(text.toStdString());
    QCOMPARE(compiled.unrecognised, 0);
    QVERIFY(firstUnrecognisedText(compiled.text).text.empty());
}

void UnrecognisedTextTest::namesTheFirst_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::addColumn<bool>("word");
    QTest::newRow("sinx") << "sinx"
                          << "sinx" << true;
    QTest::newRow("word after a number") << "2abc+1"
                                         << "abc" << true;
    QTest::newRow("known words before") << "sin(x)+coth(x)"
                                        << "coth" << true;
    QTest::newRow("six letters") << "sqrtxx"
                                 << "sqrtxx" << true;
    QTest::newRow("character") << "x=3"
                               << "=" << false;
    QTest::newRow("character before a word") << "1!+sinx"
                                             << "!" << false;
    QTest::newRow("comma not after a number") << "x,5"
                                              << "," << false;
    QTest::newRow("two-byte character") << "2\xc3\xa4x"
                                        << "\xc3\xa4" << false;
    QTest::newRow("three-byte character") << "\xe2\x82\xac"
                                          << "\xe2\x82\xac" << false;
}

void UnrecognisedTextTest::namesTheFirst() {
    QFETCH(QString, text);
    QFETCH(QString, found);
    QFETCH(bool, word);
    const std::string bytes = text.toStdString();
    const UnrecognisedText result = firstUnrecognisedText(bytes);
    QCOMPARE(QString::fromUtf8(result.text.data(), qsizetype(result.text.size())), found);
    QCOMPARE(result.word, word);
}

void UnrecognisedTextTest::catalogueHasNone() {
    for (const char* example : BeispielTexte) {
        const std::string_view text(example);
        const std::size_t equals = text.find('=');
        QVERIFY(equals != std::string_view::npos);
        for (const std::string_view side : {text.substr(0, equals), text.substr(equals + 1)}) {
            const Compiled compiled = compile(side);
            QVERIFY2(compiled.unrecognised == 0, example);
            QVERIFY2(firstUnrecognisedText(compiled.text).text.empty(), example);
        }
    }
}

// What is named is unrecognised, nothing before it is, and taking it out leaves the others.
void UnrecognisedTextTest::agreesWithTheCompiler() {
    std::mt19937 random(14);
    int withFindings = 0;
    for (int round = 0; round < 20000; ++round) {
        const Compiled compiled = compile(randomText(random));
        const std::string& text = compiled.text;
        const UnrecognisedText found = firstUnrecognisedText(text);
        const QByteArray context = QByteArray::fromStdString(text).toPercentEncoding();
        QVERIFY2(found.text.empty() == (compiled.unrecognised == 0), context);
        if (found.text.empty()) {
            continue;
        }
        ++withFindings;
        const std::size_t begin = static_cast<std::size_t>(found.text.data() - text.data());
        const std::size_t end = begin + found.text.size();
        QVERIFY2(end <= text.size(), context);
        QCOMPARE(compile(text.substr(0, begin)).unrecognised, 0);
        if (found.word) {
            QVERIFY2(begin == 0 || !isLetter(text[begin - 1]), context);
            QVERIFY2(end == text.size() || !isLetter(text[end]), context);
            for (const char c : found.text) {
                QVERIFY2(isLetter(c), context);
            }
        }
        // One code per word, one per byte of a character; an operator in its place
        // changes no other code.
        const int codes = found.word ? 1 : static_cast<int>(found.text.size());
        const std::string replaced = text.substr(0, begin) + "+" + text.substr(end);
        QVERIFY2(compile(replaced).unrecognised == compiled.unrecognised - codes, context);
    }
    QVERIFY(withFindings > 5000);
}

QUINT_QTEST_MAIN(UnrecognisedTextTest)
#include "unrecognised_text_test.moc"
