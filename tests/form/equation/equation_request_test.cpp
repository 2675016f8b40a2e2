// The solve request of the equation tab, driven through the window: the lines it writes,
// the interval it reads and the texts it takes from the line edits.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "equation_test_support.h"
#include "form/equation/equation_page.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"
#include "solver/root_bracket.h"

class EquationRequestTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void solve(const QString& left, const QString& right) {
        QTest::keyClicks(form->GleichLinks_LineEdit, left);
        QTest::keyClicks(form->GleichRechts_LineEdit, right);
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    }
    // Solves, and checks that the request wrote only the heading and the line that names why
    // it solved nothing: no blank line, no result.
    void solveNothing(QString left, QString right, const QString& line) {
        solve(left, right);
        const QString heading =
            left.remove(' ').toLower() + QStringLiteral(" = ") + right.remove(' ').toLower();
        QCOMPARE(lines(form->Ergebnisse_ListBox), (QStringList{heading, "", line, Closing}));
    }
    // Replaces the value of a spin box by typing, as the user does.
    static void typeInto(QSpinBox* box, const QString& text) {
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void requestWritesItsBlock_data();
    void requestWritesItsBlock();
    void twoRequestsAppendTwoBlocks();
    void newestLineIsScrolledIntoView();
    void requestReadsTheSpinBoxes();
    void centreShowsTheInterval_data();
    void centreShowsTheInterval();
    void clearInputLeavesTheList();
    void clearOutputEmptiesTheList();
    void longSideIsCutWhenTyped();
    void longSideIsCutWhenPasted();
    void headingHoldsBothLongSidesWhole();
    void textOutsideAsciiIsUnrecognised();
    void unrecognisedTextIsNamed_data();
    void unrecognisedTextIsNamed();
    void misreadSideIsNamed_data();
    void misreadSideIsNamed();
    void readableQuirksAreSolved_data();
    void readableQuirksAreSolved();
    void equalSidesAreOneLine_data();
    void equalSidesAreOneLine();
    void fullBracketStoreSaysWhereTheListEnds();
    void undecidedStretchesAreNamed();
    void manyUndecidedStretchesTakeThreeLines();
    void undecidedLinesDoNotMeet();
};

void EquationRequestTest::init() {
    Schrittweite = 100;
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);
}

void EquationRequestTest::requestWritesItsBlock_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QStringList>("expected");

    // Roots -sqrt(2) and sqrt(2) = 1.41421356237...
    QTest::newRow("X^2 = 2") << "X^2"
                             << "2"
                             << QStringList{"x^2 = 2",           "",     " ", "X1 = -1.414213562",
                                            "X2 =  1.414213562", Closing};
    // (x + 1)(x - 2) = 0: both roots are grid points.
    QTest::newRow("exact zeros") << "X^2"
                                 << "X+2" << QStringList{"x^2 = x+2", "",        " ",
                                                         "X1 = -1",   "X2 =  2", Closing};
    QTest::newRow("blanks and case normalised")
        << " SQRT( X ) "
        << "0" << QStringList{"sqrt(x) = 0", "", " ", "X1 =  0", Closing};
    // x^2 + 1 > 0 everywhere, as the enclosures prove.
    QTest::newRow("no root") << "x^2"
                             << "-1"
                             << QStringList{"x^2 = -1", "", " ", "Keine Nullstelle im Intervall",
                                            Closing};
    // exp(-x^2) is above 0 even where it falls below the smallest long double.
    QTest::newRow("underflow keeps its sign")
        << "expn(0-x^2)"
        << "0" << QStringList{"expn(0-x^2) = 0", "", " ", "Keine Nullstelle im Intervall", Closing};
    // 1/x changes sign at its pole x = 0, where the division is skipped and 1/x reads 1.
    QTest::newRow("pole is no root")
        << "1/x"
        << "0"
        << QStringList{"1/x = 0", "", " ", "Polstelle bei x = 0", "Keine Nullstelle im Intervall",
                       Closing};
    // x = 2.5 lies on the grid, x = 0.123456789 between two points.
    QTest::newRow("linear") << "2*x"
                            << "5" << QStringList{"2*x = 5", "", " ", "X1 =  2.5", Closing};
    QTest::newRow("rounded to ten places")
        << "x"
        << "0.123456789012"
        << QStringList{"x = 0.123456789012", "", " ", "X1 =  0.123456789", Closing};
}

void EquationRequestTest::requestWritesItsBlock() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QStringList, expected);
    solve(left, right);
    QCOMPARE(lines(form->Ergebnisse_ListBox), expected);
    // The request leaves the line edits as typed.
    QCOMPARE(form->GleichLinks_LineEdit->text(), left);
    QCOMPARE(form->GleichRechts_LineEdit->text(), right);
}

void EquationRequestTest::twoRequestsAppendTwoBlocks() {
    solve("X^2", "2");
    QTest::mouseClick(form->clearEingabe_pushButton, Qt::LeftButton);
    solve("X^2", "X+2");
    const QStringList expected{
        "x^2 = 2",   "", " ", "X1 = -1.414213562", "X2 =  1.414213562", Closing,
        "x^2 = x+2", "", " ", "X1 = -1",           "X2 =  2",           Closing};
    QCOMPARE(lines(form->Ergebnisse_ListBox), expected);
}

void EquationRequestTest::newestLineIsScrolledIntoView() {
    solve("X^2", "2");
    for (int request = 1; request < 20; ++request) {
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    }
    QListWidget* list = form->Ergebnisse_ListBox;
    QVERIFY(list->count() > 60);
    const QRect newest = list->visualItemRect(list->item(list->count() - 1));
    QVERIFY(list->viewport()->rect().contains(newest));
    QVERIFY(!list->viewport()->rect().intersects(list->visualItemRect(list->item(0))));
}

void EquationRequestTest::requestReadsTheSpinBoxes() {
    // The roots 3 and 7 of (x - 3)(x - 7): only 7 lies in [5, 9].
    typeInto(form->Mitte_spinBox, "7");
    typeInto(form->Delta_spinBox, "2");
    solve("(x-3)*(x-7)", "0");
    QCOMPARE(lines(form->Ergebnisse_ListBox),
             (QStringList{"(x-3)*(x-7) = 0", "", " ", "X1 =  7", Closing}));
    QCOMPARE(MitteWert, 7);
    QCOMPARE(DeltaWert, 2);
    QCOMPARE(MinX, 5);
    QCOMPARE(MaxX, 9);
    QCOMPARE(form->vonX_lb->text(), "5");
    QCOMPARE(form->bisX_lb->text(), "9");
}

void EquationRequestTest::centreShowsTheInterval_data() {
    QTest::addColumn<QString>("centre");
    QTest::addColumn<QString>("halfWidth");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");

    QTest::newRow("centre 5") << "5"
                              << "1000"
                              << "-995"
                              << "1005";
    QTest::newRow("negative centre") << "-20"
                                     << "1000"
                                     << "-1020"
                                     << "980";
    QTest::newRow("half-width 3") << "0"
                                  << "3"
                                  << "-3"
                                  << "3";
    QTest::newRow("extremes") << "-1000000000"
                              << "1000000"
                              << "-1001000000"
                              << "-999000000";
}

void EquationRequestTest::centreShowsTheInterval() {
    QFETCH(QString, centre);
    QFETCH(QString, halfWidth);
    QFETCH(QString, from);
    QFETCH(QString, to);
    typeInto(form->Delta_spinBox, halfWidth);
    typeInto(form->Mitte_spinBox, centre);
    QCOMPARE(form->vonX_lb->text(), from);
    QCOMPARE(form->bisX_lb->text(), to);
    QCOMPARE(zwStr, to.toLatin1().constData());
    QCOMPARE(MinX, from.toInt());
    QCOMPARE(MaxX, to.toInt());
}

void EquationRequestTest::clearInputLeavesTheList() {
    solve("X^2", "2");
    QTest::mouseClick(form->clearEingabe_pushButton, Qt::LeftButton);
    QVERIFY(form->GleichLinks_LineEdit->text().isEmpty());
    QVERIFY(form->GleichRechts_LineEdit->text().isEmpty());
    QCOMPARE(form->Ergebnisse_ListBox->count(), 6);
}

void EquationRequestTest::clearOutputEmptiesTheList() {
    solve("X^2", "2");
    solve("", "");
    QTest::mouseClick(form->clearAusgabe_pushButton, Qt::LeftButton);
    QCOMPARE(form->Ergebnisse_ListBox->count(), 0);
    QCOMPARE(form->GleichLinks_LineEdit->text(), "X^2");
    // The next request starts the list anew.
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(form->Ergebnisse_ListBox->item(0)->text(), "x^2 = 2");
}

void EquationRequestTest::longSideIsCutWhenTyped() {
    QTest::keyClicks(form->GleichLinks_LineEdit, QString(300, QLatin1Char('x')));
    QCOMPARE(form->GleichLinks_LineEdit->text(), QString(255, QLatin1Char('x')));
}

void EquationRequestTest::longSideIsCutWhenPasted() {
    QApplication::clipboard()->setText(QStringLiteral("1+") + QString(298, QLatin1Char('x')));
    QTest::keyClick(form->GleichRechts_LineEdit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form->GleichRechts_LineEdit->text().size(), 255);
    QVERIFY(form->GleichRechts_LineEdit->text().startsWith("1+xxx"));
}

void EquationRequestTest::headingHoldsBothLongSidesWhole() {
    // 1 + 127 * 2 = 255 characters each: 128 x = 129.
    const QString left = QStringLiteral("x") + QString("+x").repeated(127);
    const QString right = QStringLiteral("2") + QString("+1").repeated(127);
    QCOMPARE(left.size(), 255);
    QCOMPARE(right.size(), 255);
    solve(left, right);
    const QString heading = form->Ergebnisse_ListBox->item(0)->text();
    QCOMPARE(heading, left + " = " + right);
    // x = 129 / 128 = 1.0078125 lies between two grid points.
    QCOMPARE(form->Ergebnisse_ListBox->item(3)->text(), "X1 =  1.0078125");
}

void EquationRequestTest::textOutsideAsciiIsUnrecognised() {
    // "ä" is no word of the formula language; the heading shows the side as typed.
    solve(QString::fromUtf8("X\u00c4"), "1");
    QCOMPARE(lines(form->Ergebnisse_ListBox),
             (QStringList{QString::fromUtf8("x\u00c4 = 1"), "",
                          QString::fromUtf8("Unbekanntes Zeichen auf der linken Seite: \u00c4"),
                          Closing}));
}

void EquationRequestTest::unrecognisedTextIsNamed_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("line");

    const QString leftWord = QStringLiteral("Unbekanntes Wort auf der linken Seite: ");
    const QString rightWord = QStringLiteral("Unbekanntes Wort auf der rechten Seite: ");
    QTest::newRow("sinx") << "sinx"
                          << "0.5" << leftWord + "sinx";
    QTest::newRow("coth") << "coth(x)"
                          << "2" << leftWord + "coth";
    QTest::newRow("abc(((") << "abc((("
                            << "2" << leftWord + "abc";
    QTest::newRow("right side, lower-cased") << "x"
                                             << "SinX+1" << rightWord + "sinx";
    // Blanks are removed before the words are read.
    QTest::newRow("blank inside") << "sin x"
                                  << "0" << leftWord + "sinx";
    QTest::newRow("first of several") << "x+tanx+coth(x)"
                                      << "1" << leftWord + "tanx";
    QTest::newRow("both sides: the left one") << "foo"
                                              << "bar" << leftWord + "foo";
    QTest::newRow("longer than any word") << "x"
                                          << "sqrtsqrt(x)" << rightWord + "sqrtsqrt";
    QTest::newRow("equals sign") << "x=3"
                                 << "0"
                                 << "Unbekanntes Zeichen auf der linken Seite: =";
    QTest::newRow("exclamation mark") << "x"
                                      << "2!"
                                      << "Unbekanntes Zeichen auf der rechten Seite: !";
    QTest::newRow("comma before a word") << "x,5"
                                         << "1"
                                         << "Unbekanntes Zeichen auf der linken Seite: ,";
}

void EquationRequestTest::unrecognisedTextIsNamed() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, line);
    solveNothing(left, right, line);
}

// Each kind of misreading, on the left or the right side, as the user typed it: one line
// names the place and nothing is solved.
void EquationRequestTest::misreadSideIsNamed_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("line");

    const QString left = QStringLiteral(" auf der linken Seite: ");
    const QString right = QStringLiteral(" auf der rechten Seite: ");
    QTest::newRow("2x+1") << "2x+1"
                          << "5"
                          << "Fehlendes Malzeichen" + left + "2x";
    QTest::newRow("2x") << "2x"
                        << "4"
                        << "Fehlendes Malzeichen" + left + "2x";
    QTest::newRow("(x)(x)") << "(x)(x)"
                            << "4"
                            << "Fehlendes Malzeichen" + left + ")(";
    QTest::newRow("2pi") << "x"
                         << "2pi"
                         << "Fehlendes Malzeichen" + right + "2pi";
    QTest::newRow("1e5") << "x"
                         << "1e5"
                         << "Unbekannte Exponentenschreibweise" + right + "1e5";
    QTest::newRow("x*1e-9") << "x*1e-9"
                            << "1"
                            << "Unbekannte Exponentenschreibweise" + left + "1e-9";
    QTest::newRow("capital E") << "x"
                               << "2E3"
                               << "Unbekannte Exponentenschreibweise" + right + "2e3";
    QTest::newRow("x--2") << "x--2"
                          << "0"
                          << "Doppeltes Rechenzeichen" + left + "--";
    QTest::newRow("x*-2") << "x*-2"
                          << "4"
                          << "Doppeltes Rechenzeichen" + left + "*-";
    QTest::newRow("2*-3") << "x"
                          << "2*-3"
                          << "Doppeltes Rechenzeichen" + right + "*-";
    QTest::newRow("2^-1") << "x"
                          << "2^-1"
                          << "Doppeltes Rechenzeichen" + right + "^-";
    QTest::newRow("3*") << "3*"
                        << "x"
                        << "Fehlender Operand" + left + "*";
    QTest::newRow("x+") << "x+"
                        << "2"
                        << "Fehlender Operand" + left + "+";
    QTest::newRow("(x") << "(x"
                        << "2"
                        << "Nicht geschlossene Klammer" + left + "(x";
    QTest::newRow("x)") << "x)"
                        << "2" << QString::fromUtf8("Nicht ge\u00f6ffnete Klammer") + left + "x)";
    QTest::newRow("1,5,5") << "x"
                           << "1,5,5" << QString::fromUtf8("Ung\u00fcltige Zahl") + right + "1,5,5";
    QTest::newRow("1..2") << "x"
                          << "1..2" << QString::fromUtf8("Ung\u00fcltige Zahl") + right + "1..2";
    QTest::newRow("sin()") << "sin()"
                           << "0"
                           << "Fehlendes Argument" + left + "sin()";
    QTest::newRow("sin 2") << "sin 2"
                           << "0"
                           << "Fehlendes Argument" + left + "sin";
    QTest::newRow("()") << "x*()"
                        << "1"
                        << "Leere Klammer" + left + "()";
    QTest::newRow("y") << "y"
                       << "x^2"
                       << "Unbekannte Variable" + left + "y";
    // The left side first, and the first place of a side.
    QTest::newRow("both sides") << "x+"
                                << "2x"
                                << "Fehlender Operand" + left + "+";
    QTest::newRow("first place") << "2x+(x"
                                 << "1"
                                 << "Fehlendes Malzeichen" + left + "2x";
}

void EquationRequestTest::misreadSideIsNamed() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, line);
    solveNothing(left, right, line);
}

void EquationRequestTest::readableQuirksAreSolved_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("decimal comma") << "x"
                                   << "1,5" << QStringList{"X1 =  1.5"};
    QTest::newRow("blank splits a word") << "s in(x)"
                                         << "0" << QStringList();
    QTest::newRow("degree words") << "SinD(x)"
                                  << "0.5" << QStringList();
    // A sign after "+" reads as in ordinary notation, so does one in parentheses.
    QTest::newRow("x+-2") << "x+-2"
                          << "0" << QStringList{"X1 =  2"};
    QTest::newRow("2^(-1)") << "x"
                            << "2^(-1)" << QStringList{"X1 =  0.5"};
    QTest::newRow("capitals and blanks") << " 2 * X "
                                         << "PI" << QStringList{"X1 =  1.570796327"};
}

void EquationRequestTest::readableQuirksAreSolved() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QStringList, results);
    solve(left, right);
    const QStringList written = lines(form->Ergebnisse_ListBox);
    // The solve ran: the blank line follows the heading, whatever it found.
    QCOMPARE(written.value(1), QString());
    QCOMPARE(written.value(2), " ");
    QCOMPARE(written.last(), Closing);
    for (const QString& result : results) {
        QVERIFY2(written.contains(result), qPrintable(written.join('|')));
    }
}

void EquationRequestTest::equalSidesAreOneLine_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("heading");
    // 0 = 0, or x - x = 0: every grid point is a root, and so is every x between.
    QTest::newRow("zero sides") << "0"
                                << "0"
                                << "0 = 0";
    QTest::newRow("x-x") << "x-x"
                         << "0"
                         << "x-x = 0";
}

void EquationRequestTest::equalSidesAreOneLine() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, heading);
    solve(left, right);
    QCOMPARE(
        lines(form->Ergebnisse_ListBox),
        (QStringList{heading, "", " ", "Jedes x von -1000 bis 1000 löst die Gleichung", Closing}));
}

namespace {

// The roots of sin x = 1/2 from `from` on, in increasing order: pi/6 and 5 pi/6 plus 2 pi k.
std::vector<long double> halfSineRoots(long double from, std::size_t count) {
    const long double pi = std::acos(-1.0L);
    std::vector<long double> roots;
    for (long double k = std::floor(from / (2 * pi)) - 1; roots.size() < count; ++k) {
        for (const long double r : {pi / 6 + 2 * pi * k, 5 * pi / 6 + 2 * pi * k}) {
            if (r >= from) {
                roots.push_back(r);
            }
        }
    }
    return roots;
}

// The number after " = " or "x = " at the end of a line.
long double trailingNumber(const QString& line) {
    return std::strtold(line.mid(line.lastIndexOf(' ') + 1).toLatin1().constData(), nullptr);
}

// The x of "... x von <a> bis <b>": a and b.
std::pair<long double, long double> stretchOf(const QString& line) {
    const QStringList words = line.split(' ');
    return {std::strtold(words.at(words.size() - 3).toLatin1().constData(), nullptr),
            trailingNumber(line)};
}

// Within half a unit of the tenth significant digit of the root.
bool printedAsRoot(long double printed, long double root) {
    const long double unit = std::pow(10.0L, std::floor(std::log10(std::fabs(root))) - 9);
    return std::fabs(printed - root) <= unit / 2;
}

} // namespace

void EquationRequestTest::fullBracketStoreSaysWhereTheListEnds() {
    // sin x = 1/2 on [-1000000, 1000000] has about 636,620 roots; the list keeps the first
    // 99,999 and says where it ends: before the 100,000th root.
    form->Delta_spinBox->setValue(1000000);
    solve("sin(x)", "0.5");
    const QStringList written = lines(form->Ergebnisse_ListBox);
    QCOMPARE(written.size(), 3 + MaxBrackets + 2);
    const std::vector<long double> roots = halfSineRoots(-1000000, MaxBrackets + 1);
    for (const int r : {1, 2, MaxBrackets / 2, MaxBrackets}) {
        const QString& line = written.at(2 + r);
        QVERIFY2(line.startsWith(QStringLiteral("X%1 = ").arg(r)), qPrintable(line));
        QVERIFY2(printedAsRoot(trailingNumber(line), roots[static_cast<std::size_t>(r - 1)]),
                 qPrintable(line));
    }
    const QString cap = written.at(3 + MaxBrackets);
    QVERIFY2(cap.startsWith("Nur die ersten 99999 Nullstellen: die Liste reicht bis x = "),
             qPrintable(cap));
    const long double end = trailingNumber(cap);
    QVERIFY2(end >= roots[MaxBrackets - 1] && end < roots[MaxBrackets], qPrintable(cap));
    QCOMPARE(written.last(), Closing);
}

void EquationRequestTest::undecidedStretchesAreNamed() {
    // exp(-x^2) and exp(-2x^2-1) fall below the smallest normal long double for
    // |x| > sqrt(11355.1...): there their difference, above 0 in truth, cannot be told, and the
    // block says so instead of claiming no root.
    solve("expn(0-x^2)", "expn(0-2*x^2-1)");
    const QStringList written = lines(form->Ergebnisse_ListBox);
    QCOMPARE(written.size(), 6);
    const long double edge = std::sqrt(-std::log(std::numeric_limits<long double>::min()));
    const QString prefix = "Nicht entschieden: x von ";
    QVERIFY2(written[3].startsWith(prefix) && written[4].startsWith(prefix),
             qPrintable(written.join('|')));
    const auto [a, b] = stretchOf(written[3]);
    const auto [c, d] = stretchOf(written[4]);
    QCOMPARE(a, -1000.0L);
    QVERIFY2(b <= -edge && b > -edge - 0.5L, qPrintable(written[3]));
    QVERIFY2(c >= edge && c < edge + 0.5L, qPrintable(written[4]));
    QCOMPARE(d, 1000.0L);
    QCOMPARE(written.last(), Closing);
}

void EquationRequestTest::manyUndecidedStretchesTakeThreeLines() {
    // sin(1/(x - c)) oscillates faster than any resolution near c: with four such places the
    // stretches are named in three lines, then one line counts the rest and says where they lie.
    form->Delta_spinBox->setValue(1);
    solve("sin(1/(x+0.5))*sin(1/(x+0.25))*sin(1/x)*sin(1/(x-0.5))", "0");
    const QStringList written = lines(form->Ergebnisse_ListBox);
    const QStringList undecided = written.filter(QStringLiteral("Nicht entschieden"));
    QCOMPARE(undecided.size(), 3);
    QVERIFY(!written.contains("Keine Nullstelle im Intervall"));
    QVERIFY2(std::fabs(stretchOf(undecided.first()).first + 0.5L) <= 0.01L,
             qPrintable(undecided.first()));
    static const QRegularExpression rest(QStringLiteral(
        "^… und (\\d+) weitere nicht entschiedene Stellen zwischen x = (\\S+) und x = (\\S+)$"));
    const QRegularExpressionMatch match = rest.match(written[written.size() - 2]);
    QVERIFY2(match.hasMatch(), qPrintable(written[written.size() - 2]));
    QVERIFY(match.captured(1).toInt() >= 1);
    QVERIFY(match.captured(2).toDouble() > stretchOf(undecided.last()).second);
    // At 0.5, or the grid point after it.
    QVERIFY2(std::fabs(match.captured(3).toDouble() - 0.5) <= 0.015, qPrintable(match.captured(3)));
}

void EquationRequestTest::undecidedLinesDoNotMeet() {
    // Near 0, sin(1/x) = 0 leaves stretches undecided whose gaps are far below the printed
    // places: stretches that would print as meeting are one line, unless a root listed lies
    // between them.
    form->Delta_spinBox->setValue(1000);
    solve("sin(1/x)", "0");
    const QStringList written = lines(form->Ergebnisse_ListBox);
    const QStringList undecided = written.filter(QStringLiteral("Nicht entschieden"));
    QVERIFY(!undecided.isEmpty());
    QVERIFY(undecided.size() <= 3);
    for (qsizetype i = 0; i + 1 < undecided.size(); ++i) {
        const long double end = stretchOf(undecided[i]).second;
        if (end < stretchOf(undecided[i + 1]).first) {
            continue;
        }
        const bool rootBetween =
            std::any_of(written.begin(), written.end(), [end](const QString& l) {
                return l.startsWith('X') && std::fabs(trailingNumber(l) - end) <= 1e-9L;
            });
        QVERIFY2(rootBetween, qPrintable(undecided[i] + " / " + undecided[i + 1]));
    }
}

QUINT_QTEST_MAIN(EquationRequestTest)
#include "equation_request_test.moc"
