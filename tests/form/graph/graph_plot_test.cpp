// The plot as drawn into the frame's image: background, axes, legends, range labels,
// sampling with failures, dots and lines and their breaks.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTest>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "form/equation/equation_state.h"
#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "interpreter/formelinterpreter.h"
#include "qt_test_main.h"

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Gray(160, 160, 164);
const QColor Cyan(0, 255, 255);
const QColor Yellow(255, 255, 0);
const QColor Green(0, 255, 0);

QColor at(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// Pixels of a colour inside a rectangle of the image.
int count(const QImage& image, QColor colour, QRect area) {
    area = area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += at(image, x, y) == colour;
        }
    }
    return n;
}

// Band of the three legends: baselines 30, 50 and 70 from column 10.
const QRect LegendBand(0, 10, 300, 70);

} // namespace

class GraphPlotTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    // Shows the graph tab with the frame fixed to a size.
    void showFrame(int width, int height);
    // Sets the two sides and redraws; returns the frame's image.
    QImage draw(const QString& left, const QString& right);

private slots:
    void init();
    void cleanup();

    void rangeLabels_data();
    void rangeLabels();
    void rangeLabelsKeepThePointUnderAGermanLocale();
    void axesOnBlack();
    void diagonalAndOnlyTheGreenLegend();
    void bothSides();
    void failingSideLeavesNoDots();
    void failuresComeFromTheEvaluator_data();
    void failuresComeFromTheEvaluator();
    void lastColumnStaysInX();
    void lineBreaksAtTheRowWindow_data();
    void lineBreaksAtTheRowWindow();
    void dotIsThreeByThree();
    void curveAsDrawnColumnByColumn_data();
    void curveAsDrawnColumnByColumn();
    void narrowFrames_data();
    void narrowFrames();
    void frameWiderThan2000Columns();
    void legendsAsTyped_data();
    void legendsAsTyped();
    void misreadSideHasNoCurve_data();
    void misreadSideHasNoCurve();
    void longTextsAreCut();
};

void GraphPlotTest::init() {
    BeideSeiten = false;
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void GraphPlotTest::cleanup() {
    form.reset();
    // The timers died with the window.
    normalTimer = -1;
    KleinerGroesserTimer = -1;
    BeideSeiten = false;
}

void GraphPlotTest::showFrame(int width, int height) {
    form->grafik->setFixedSize(width, height);
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(40);
    QCOMPARE(form->grafik->size(), QSize(width, height));
}

QImage GraphPlotTest::draw(const QString& left, const QString& right) {
    form->GleichLinks_LineEdit->setText(left);
    form->GleichRechts_LineEdit->setText(right);
    form->ZeichnenSlot();
    return form->grafik->image();
}

void GraphPlotTest::rangeLabels_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("600 x 400") << 600 << 400 << QStringList{"x:-3", "x:+3", "y:-2", "y:+2"};
    QTest::newRow("height 401") << 600 << 401 << QStringList{"x:-3", "x:+3", "y:-2.01", "y:+2.01"};
    QTest::newRow("width 601") << 601 << 400 << QStringList{"x:-3", "x:+3.01", "y:-2", "y:+2"};
}

void GraphPlotTest::rangeLabels() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QStringList, labels);
    showFrame(width, height);
    draw("x", "0");
    QCOMPARE(form->Xmin_textLabel->text(), labels[0]);
    QCOMPARE(form->Xmax_textLabel->text(), labels[1]);
    QCOMPARE(form->Ymin_textLabel->text(), labels[2]);
    QCOMPARE(form->Ymax_textLabel->text(), labels[3]);
}

void GraphPlotTest::rangeLabelsKeepThePointUnderAGermanLocale() {
    showFrame(600, 401);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        QSKIP("the locale de_DE.UTF-8 is not installed");
    }
    draw("x", "0");
    std::setlocale(LC_ALL, previous.c_str());
    QCOMPARE(form->Ymin_textLabel->text(), QString("y:-2.01"));
    QCOMPARE(form->Ymax_textLabel->text(), QString("y:+2.01"));
}

void GraphPlotTest::axesOnBlack() {
    showFrame(600, 400);
    // The curve of 10 lies 1000 rows above the origin, out of sight.
    const QImage image = draw("10", "0");
    QCOMPARE(image.size(), QSize(600, 400));
    for (int x = 0; x < 600; ++x) {
        QCOMPARE(at(image, x, 200), x == 300 ? Gray : White);
    }
    for (int y = 0; y < 400; ++y) {
        QCOMPARE(at(image, 300, y), Gray);
    }
    // Everything else is black but for the green legend.
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 600; ++x) {
            if (x == 300 || y == 200) {
                continue;
            }
            const QColor pixel = at(image, x, y);
            if (pixel != Black) {
                QVERIFY2(pixel == Green && LegendBand.contains(x, y),
                         qPrintable(QString("(%1, %2)").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(count(image, Green, LegendBand) > 20);
}

void GraphPlotTest::diagonalAndOnlyTheGreenLegend() {
    showFrame(600, 400);
    const QImage image = draw("x", "0");
    // Column i samples x = (i - 300) / 100, drawn at row 200 - (i - 300) or one below it;
    // either way its 3 x 3 dot covers rows 501 - i and 502 - i.
    for (int i = 1; i < 600; ++i) {
        for (int y : {501 - i, 502 - i}) {
            if (y >= 0 && y < 400) {
                QVERIFY2(at(image, i, y) == Green, qPrintable(QString::number(i)));
            }
        }
    }
    QCOMPARE(count(image, Cyan, image.rect()), 0);
    QCOMPARE(count(image, Yellow, image.rect()), 0);
    // Only the legend at base line 70: nothing at the base lines 30 and 50.
    QCOMPARE(count(image, Green, QRect(0, 0, 300, 52)), 0);
    QVERIFY(count(image, Green, QRect(0, 52, 300, 25)) > 20);
}

void GraphPlotTest::bothSides() {
    showFrame(600, 400);
    form->yL_yR_pushButton13->click();
    QVERIFY(BeideSeiten);
    const QImage image = draw("x", "0");
    // The right side 0 runs along the x axis; the difference covers the left side.
    for (int i = 1; i < 600; i += 37) {
        if (std::abs(i - 300) > 3) {
            QCOMPARE(at(image, i, 201), Yellow);
        }
    }
    QCOMPARE(at(image, 350, 151), Green);
    QCOMPARE(count(image, Cyan, QRect(0, 80, 600, 320)), 0);
    QVERIFY(count(image, Cyan, QRect(0, 12, 300, 25)) > 10);
    QVERIFY(count(image, Yellow, QRect(0, 32, 300, 25)) > 10);
    QVERIFY(count(image, Green, QRect(0, 52, 300, 25)) > 10);
}

void GraphPlotTest::failingSideLeavesNoDots() {
    showFrame(600, 400);
    form->yL_yR_pushButton13->click();
    // ln fails for x <= 0: a domain error left of the axis, a range error on it.
    const QImage image = draw("ln(x)", "1");
    const QRect leftOfAxis(0, 80, 300, 320);
    QCOMPARE(count(image, Green, leftOfAxis), 0);
    QCOMPARE(count(image, Cyan, leftOfAxis), 0);
    // The right side is drawn everywhere: row 100, dots down to row 102.
    for (int i = 1; i < 600; ++i) {
        QCOMPARE(at(image, i, 101), Yellow);
    }
    // Right of the axis: ln 1 = 0 in column 400, ln 1 - 1 = -1 in row 300.
    QCOMPARE(at(image, 400, 201), Cyan);
    QCOMPARE(at(image, 400, 301), Green);
}

void GraphPlotTest::failuresComeFromTheEvaluator_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("logarithm") << "ln(x)"
                               << "";
    QTest::newRow("square roots on both sides") << "sqrt(x)"
                                                << "sqrt(0-x)";
    QTest::newRow("arc sine") << "1"
                              << "asin(x)";
    QTest::newRow("power overflow") << "10^(x*2000)"
                                    << "x";
    QTest::newRow("no failures") << "x^2"
                                 << "3";
}

void GraphPlotTest::failuresComeFromTheEvaluator() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    showFrame(600, 400);
    draw(left, right);
    // Reference: the plain evaluator, column by column.
    for (int i = 1; i < 600; ++i) {
        const long double x = (i - 300) / 100.0L;
        links.X = x;
        rechts.X = x;
        errno = 0;
        links.Formel_Berechnen();
        const int leftError = errno;
        errno = 0;
        rechts.Formel_Berechnen();
        const int rightError = errno;
        QCOMPARE(yL_Fehler[i], leftError);
        QCOMPARE(yR_Fehler[i], rightError);
        QCOMPARE(yDiff_Fehler[i], leftError | rightError);
    }
}

void GraphPlotTest::lastColumnStaysInX() {
    showFrame(600, 400);
    draw("x", "x^2");
    QVERIFY(std::fabs(links.X - 2.99L) < 1e-15L);
    QVERIFY(std::fabs(rechts.X - 2.99L) < 1e-15L);
}

void GraphPlotTest::lineBreaksAtTheRowWindow_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("failure");
    QTest::addColumn<bool>("joined");
    QTest::newRow("inside the frame") << 0.0 << 0 << true;
    QTest::newRow("row 1000") << -800.0 << 0 << true;
    QTest::newRow("row 1001") << -801.0 << 0 << false;
    QTest::newRow("row -1000") << 1200.0 << 0 << true;
    QTest::newRow("row -1001") << 1201.0 << 0 << false;
    QTest::newRow("failed") << 0.0 << EDOM << false;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << 0 << false;
    QTest::newRow("not a number") << std::nan("") << 0 << false;
}

void GraphPlotTest::lineBreaksAtTheRowWindow() {
    QFETCH(double, value);
    QFETCH(int, failure);
    QFETCH(bool, joined);
    showFrame(600, 400);
    const QImage before = draw("10", "0");
    // Scale 1: row = 200 - value. Columns 1 ... 99 in row 100, 101 ... 199 in row 300,
    // column 100 under test.
    std::vector<long double> values(600, 0.0L);
    std::vector<int> failures(600, 0);
    for (int i = 1; i < 200; ++i) {
        values[i] = i < 100 ? 100 : -100;
    }
    values[100] = value;
    failures[100] = failure;
    form->KurveZeichnen(values.data(), 1, 200, Qt::green, failures.data());
    const QImage& image = form->grafik->image();
    QCOMPARE(at(image, 50, 101), Green);
    QCOMPARE(at(image, 150, 301), Green);
    // Joined, the lines through column 100 cross every row between 100 and 300.
    int rowsCrossed = 0;
    for (int y = 110; y <= 290; ++y) {
        rowsCrossed += count(image, Green, QRect(98, y, 5, 1)) > 0;
    }
    QCOMPARE(rowsCrossed, joined ? 181 : 0);
    // Nothing beyond column 200 (count 200 draws columns 1 ... 199).
    QCOMPARE(image.copy(202, 0, 398, 400), before.copy(202, 0, 398, 400));
}

void GraphPlotTest::dotIsThreeByThree() {
    showFrame(600, 400);
    draw("10", "0");
    // One valid sample at column 300, row 100.
    std::vector<long double> values(600, 100.0L);
    std::vector<int> failures(600, EDOM);
    failures[300] = 0;
    form->KurveZeichnen(values.data(), 1, 600, Qt::green, failures.data());
    const QImage& image = form->grafik->image();
    QCOMPARE(count(image, Green, QRect(299, 100, 3, 3)), 9);
    QCOMPARE(count(image, Green, QRect(250, 80, 100, 60)), 9);
}

void GraphPlotTest::curveAsDrawnColumnByColumn_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("maxStep");
    QTest::addColumn<int>("failureEvery");
    QTest::addColumn<double>("yOffset");
    QTest::newRow("gentle") << 1u << 2 << 0 << 0.0;
    QTest::newRow("rising and falling by up to 4") << 2u << 4 << 0 << 0.0;
    QTest::newRow("steep") << 3u << 40 << 0 << 0.0;
    QTest::newRow("jumps beyond the window") << 4u << 900 << 0 << 0.0;
    QTest::newRow("gentle with failures") << 5u << 3 << 7 << 0.0;
    QTest::newRow("steep with failures") << 6u << 60 << 5 << 0.0;
    QTest::newRow("moved origin") << 7u << 30 << 11 << -150.0;
}

// Random walks of values drawn by KurveZeichnen and, for reference, the way the curve
// is defined: column by column a line from the last valid sample, then the 3 x 3 dot.
void GraphPlotTest::curveAsDrawnColumnByColumn() {
    QFETCH(quint32, seed);
    QFETCH(int, maxStep);
    QFETCH(int, failureEvery);
    QFETCH(double, yOffset);
    showFrame(600, 400);
    const QImage before = draw("10", "0");
    QRandomGenerator random(seed);
    std::vector<long double> values(600, 0.0L);
    std::vector<int> failures(600, 0);
    long double value = 0;
    for (int i = 1; i < 600; ++i) {
        value += random.bounded(-maxStep, maxStep + 1) + random.bounded(1.0);
        if (std::fabs(value) > 1300) {
            value = 0;
        }
        values[i] = value;
        failures[i] = failureEvery > 0 && i % failureEvery == 0 ? ERANGE : 0;
    }
    ::yOffset = yOffset;
    form->KurveZeichnen(values.data(), 1, 600, Qt::green, failures.data());
    ::yOffset = 0;

    QImage expected = before;
    QPainter reference(&expected);
    reference.setPen(Green);
    bool penDown = false;
    QPoint last;
    for (int i = 1; i < 600; ++i) {
        const long double row = 200 - std::trunc(values[i] - yOffset);
        if (failures[i] != 0 || row < -1000 || row > 1000) {
            penDown = false;
            continue;
        }
        const QPoint point(i, static_cast<int>(row));
        if (penDown) {
            reference.drawLine(last, point);
        }
        reference.fillRect(QRect(i - 1, point.y(), 3, 3), Green);
        last = point;
        penDown = true;
    }
    reference.end();
    QCOMPARE(form->grafik->image(), expected);
}

void GraphPlotTest::narrowFrames_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("xMax");
    QTest::newRow("width 1") << 1 << "x:+0.01";
    QTest::newRow("width 0") << 0 << "x:+0";
}

void GraphPlotTest::narrowFrames() {
    QFETCH(int, width);
    QFETCH(QString, xMax);
    showFrame(width, 400);
    links.X = 12345;
    const QImage image = draw("x", "0");
    QCOMPARE(links.X, 12345.0L); // no column sampled
    QCOMPARE(form->Xmin_textLabel->text(), QString("x:+0"));
    QCOMPARE(form->Xmax_textLabel->text(), xMax);
    QCOMPARE(image.width(), width);
    // The y axis lies on column 0 and covers the x axis and the clipped legends.
    for (int y = 0; y < image.height(); ++y) {
        QCOMPARE(at(image, 0, y), Gray);
    }
}

void GraphPlotTest::frameWiderThan2000Columns() {
    showFrame(2500, 300);
    const QImage image = draw("0.5", "0");
    QCOMPARE(image.width(), 2500);
    // 0.5 lies 50 rows above the centre row 150 in every column.
    for (int i = 1; i < 2500; ++i) {
        QVERIFY2(at(image, i, 101) == Green, qPrintable(QString::number(i)));
    }
    QVERIFY(yDiff_Fehler.size() >= 2500u);
    QVERIFY(std::fabs(links.X - 12.49L) < 1e-15L);
}

void GraphPlotTest::legendsAsTyped_data() {
    QTest::addColumn<bool>("both");
    QTest::newRow("difference only") << false;
    QTest::newRow("both sides") << true;
}

void GraphPlotTest::legendsAsTyped() {
    QFETCH(bool, both);
    showFrame(600, 400);
    if (both) {
        form->yL_yR_pushButton13->click();
    }
    const QString left = "X ^ 2 + 10";
    const QString right = "  -10";
    const QImage image = draw(left, right);
    // The same texts drawn with the frame's font, unsmoothed, on black.
    QImage expected(600, 400, QImage::Format_RGB32);
    expected.fill(Black);
    {
        QPainter reference(&expected);
        QFont font = form->grafik->font();
        font.setStyleStrategy(QFont::NoAntialias);
        reference.setFont(font);
        if (both) {
            reference.setPen(Cyan);
            reference.drawText(10, 30, "yL_f(x)=X ^ 2 + 10");
            reference.setPen(Yellow);
            reference.drawText(10, 50, "yR_f(x)=  -10");
        }
        reference.setPen(Green);
        reference.drawText(10, 70, "yDiff_f(x)=X ^ 2 + 10 -   -10");
    }
    QCOMPARE(image.copy(LegendBand), expected.copy(LegendBand));
}

void GraphPlotTest::misreadSideHasNoCurve_data() {
    QTest::addColumn<bool>("both");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QStringList>("legends"); // yL, yR, yDiff
    QTest::addColumn<int>("yellowRow");       // where the right side's dots begin, or -1

    QTest::newRow("unknown word on the left")
        << true << "sinx"
        << "0.5"
        << QStringList{"yL_f(x)=sinx   Unbekanntes Wort auf der linken Seite: sinx", "yR_f(x)=0.5",
                       "yDiff_f(x)=sinx - 0.5   Unbekanntes Wort auf der linken Seite: sinx"}
        << 150;
    QTest::newRow("difference only")
        << false << "x"
        << "2x"
        << QStringList{"", "", "yDiff_f(x)=x - 2x   Fehlendes Malzeichen auf der rechten Seite: 2x"}
        << -1;
    // An empty side is no side of an equation: neither it nor the difference is drawn.
    QTest::newRow("empty left side")
        << true << ""
        << "0.5"
        << QStringList{"yL_f(x)=   Die linke Seite ist leer", "yR_f(x)=0.5",
                       "yDiff_f(x)= - 0.5   Die linke Seite ist leer"}
        << 150;
    QTest::newRow("blank right side, difference only")
        << false << "x"
        << "   " << QStringList{"", "", "yDiff_f(x)=x -       Die rechte Seite ist leer"} << -1;
    QTest::newRow("both sides empty") << true << ""
                                      << ""
                                      << QStringList{"yL_f(x)=   Die linke Seite ist leer",
                                                     "yR_f(x)=   Die rechte Seite ist leer",
                                                     "yDiff_f(x)= -    Die linke Seite ist leer"}
                                      << -1;
    QTest::newRow("both sides misread")
        << true << "(x"
        << "x)"
        << QStringList{"yL_f(x)=(x   Nicht geschlossene Klammer auf der linken Seite: (x",
                       QString::fromUtf8(
                           "yR_f(x)=x)   Nicht ge\u00f6ffnete Klammer auf der rechten Seite: x)"),
                       "yDiff_f(x)=(x - x)   Nicht geschlossene Klammer auf der linken Seite: (x"}
        << -1;
}

// A side that is empty or that the compiler does not read as typed has no curve, nor has
// the difference; the legend says why.
void GraphPlotTest::misreadSideHasNoCurve() {
    QFETCH(bool, both);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QStringList, legends);
    QFETCH(int, yellowRow);
    showFrame(600, 400);
    if (both) {
        form->yL_yR_pushButton13->click();
    }
    const QImage image = draw(left, right);
    const QRect band(0, 10, 600, 70);
    QImage expected(600, 400, QImage::Format_RGB32);
    expected.fill(Black);
    {
        QPainter reference(&expected);
        QFont font = form->grafik->font();
        font.setStyleStrategy(QFont::NoAntialias);
        reference.setFont(font);
        // The y axis runs through the band, under the legends.
        reference.setPen(Gray);
        reference.drawLine(300, 0, 300, 400);
        if (both) {
            reference.setPen(Cyan);
            reference.drawText(10, 30, legends[0]);
            reference.setPen(Yellow);
            reference.drawText(10, 50, legends[1]);
        }
        reference.setPen(Green);
        reference.drawText(10, 70, legends[2]);
    }
    QCOMPARE(image.copy(band), expected.copy(band));
    const QRect plot(0, 80, 600, 320);
    QCOMPARE(count(image, Cyan, plot), 0);
    QCOMPARE(count(image, Green, plot), 0);
    if (yellowRow >= 0) {
        for (int i = 1; i < 600; i += 23) {
            QCOMPARE(at(image, i, yellowRow + 1), Yellow);
        }
    } else {
        QCOMPARE(count(image, Yellow, plot), 0);
    }
}

void GraphPlotTest::longTextsAreCut() {
    showFrame(600, 400);
    // 300 characters: the interpreter keeps the first 255, the legend shows all.
    const QString left = QString("1+").repeated(150).chopped(1) + "x";
    const QImage image = draw(left, "0");
    QCOMPARE(qstrlen(links.Formel), 255u);
    QVERIFY(count(image, Green, QRect(0, 52, 600, 25)) > 100);
}

QUINT_QTEST_MAIN(GraphPlotTest)
#include "graph_plot_test.moc"
