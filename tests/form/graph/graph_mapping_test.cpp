// Pixel <-> plot coordinates of the graph frame and the label formatting, without a window.
#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "form/graph/plot_mapping.h"
#include "form/window/c_locale_format.h"

Q_DECLARE_METATYPE(PlotView)

namespace {

// Frame 600 x 400, 100 pixels per unit, no stretch, no pan.
constexpr PlotView Default{100, 1, 0, 0, 300, 200};

PlotView with(long double groesse, long double ygroesser, long double xOffset, long double yOffset,
              int width = 600, int height = 400) {
    return {groesse, ygroesser, xOffset, yOffset, width / 2, height / 2};
}

bool near(long double actual, long double expected) {
    return std::fabs(actual - expected) <= 1e-15L * std::fmax(1.0L, std::fabs(expected));
}

QString text(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", value);
    return QString::fromLatin1(buffer);
}

} // namespace

class GraphMappingTest : public QObject {
    Q_OBJECT

private slots:
    void columnToX_data();
    void columnToX();
    void rowOfValue_data();
    void rowOfValue();
    void axes_data();
    void axes();
    void visibleRanges_data();
    void visibleRanges();
    void click_data();
    void click();
    void formatNumber_data();
    void formatNumber();
    void formatNumberKeepsThePointUnderAGermanLocale();
};

void GraphMappingTest::columnToX_data() {
    QTest::addColumn<PlotView>("view");
    QTest::addColumn<int>("column");
    QTest::addColumn<double>("x");
    QTest::newRow("first sampled column") << Default << 1 << -2.99;
    QTest::newRow("last sampled column") << Default << 599 << 2.99;
    QTest::newRow("centre is the origin") << Default << 300 << 0.0;
    QTest::newRow("slider 500 right") << with(100, 1, -500, 0) << 300 << 5.0;
    QTest::newRow("slider 100 left") << with(100, 1, 100, 0) << 300 << -1.0;
    QTest::newRow("zoomed in once") << with(200, 1, 0, 0) << 400 << 0.5;
    QTest::newRow("stretch leaves x alone") << with(100, 7, 0, 0) << 400 << 1.0;
}

void GraphMappingTest::columnToX() {
    QFETCH(PlotView, view);
    QFETCH(int, column);
    QFETCH(double, x);
    const long double actual = plot_mapping::columnToX(view, column);
    QVERIFY2(near(actual, x), qPrintable(text(actual)));
}

void GraphMappingTest::rowOfValue_data() {
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("yOffset");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<int>("row");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("zero on the centre row") << 0.0 << 100.0 << 0.0 << true << 200;
    QTest::newRow("one unit up") << 1.0 << 100.0 << 0.0 << true << 100;
    QTest::newRow("one unit down") << -1.0 << 100.0 << 0.0 << true << 300;
    QTest::newRow("half a row below truncates to zero") << -0.005 << 100.0 << 0.0 << true << 200;
    QTest::newRow("one and a half rows up") << 0.015 << 100.0 << 0.0 << true << 199;
    QTest::newRow("origin moved down 100") << 0.0 << 100.0 << 100.0 << true << 300;
    QTest::newRow("origin moved up 100") << 1.0 << 100.0 << -100.0 << true << 0;
    QTest::newRow("row 1000") << -800.0 << 1.0 << 0.0 << true << 1000;
    QTest::newRow("row 1000 after truncation") << -800.9 << 1.0 << 0.0 << true << 1000;
    QTest::newRow("row 1001") << -801.0 << 1.0 << 0.0 << false << 0;
    QTest::newRow("row -1000") << 1200.0 << 1.0 << 0.0 << true << -1000;
    QTest::newRow("row -1001") << 1201.0 << 1.0 << 0.0 << false << 0;
    QTest::newRow("window counts frame rows") << 0.0 << 1.0 << -1200.0 << true << -1000;
    QTest::newRow("window counts frame rows, one out") << 0.0 << 1.0 << -1201.0 << false << 0;
    QTest::newRow("beyond int") << 1e30 << 100.0 << 0.0 << false << 0;
    QTest::newRow("infinite") << inf << 100.0 << 0.0 << false << 0;
    QTest::newRow("minus infinite") << -inf << 100.0 << 0.0 << false << 0;
    QTest::newRow("not a number") << std::nan("") << 100.0 << 0.0 << false << 0;
}

void GraphMappingTest::rowOfValue() {
    QFETCH(double, Y);
    QFETCH(double, scale);
    QFETCH(double, yOffset);
    QFETCH(bool, drawn);
    QFETCH(int, row);
    int actual = -12345;
    QCOMPARE(plot_mapping::rowOfValue(Y, scale, yOffset, 200, actual), drawn);
    if (drawn) {
        QCOMPARE(actual, row);
    }
}

void GraphMappingTest::axes_data() {
    QTest::addColumn<PlotView>("view");
    QTest::addColumn<int>("xAxisRow");
    QTest::addColumn<int>("yAxisColumn");
    QTest::newRow("default") << Default << 200 << 300;
    QTest::newRow("odd size") << with(100, 1, 0, 0, 601, 401) << 200 << 300;
    QTest::newRow("sliders at 500") << with(100, 1, -500, -500) << -300 << -200;
    QTest::newRow("zoom and stretch do not move them") << with(800, 9, 0, 0) << 200 << 300;
}

void GraphMappingTest::axes() {
    QFETCH(PlotView, view);
    QFETCH(int, xAxisRow);
    QFETCH(int, yAxisColumn);
    QCOMPARE(plot_mapping::xAxisRow(view), xAxisRow);
    QCOMPARE(plot_mapping::yAxisColumn(view), yAxisColumn);
}

void GraphMappingTest::visibleRanges_data() {
    QTest::addColumn<PlotView>("view");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("xMin");
    QTest::addColumn<double>("xMax");
    QTest::addColumn<double>("yMin");
    QTest::addColumn<double>("yMax");
    QTest::newRow("600 x 400") << Default << 600 << 400 << -3.0 << 3.0 << -2.0 << 2.0;
    QTest::newRow("height 401") << with(100, 1, 0, 0, 600, 401) << 600 << 401 << -3.0 << 3.0
                                << -2.01 << 2.01;
    QTest::newRow("width 601") << with(100, 1, 0, 0, 601, 400) << 601 << 400 << -3.0 << 3.01 << -2.0
                               << 2.0;
    QTest::newRow("stretch 2") << with(100, 2, 0, 0) << 600 << 400 << -3.0 << 3.0 << -1.0 << 1.0;
    QTest::newRow("zoomed in") << with(200, 1, 0, 0) << 600 << 400 << -1.5 << 1.5 << -1.0 << 1.0;
    QTest::newRow("sliders at 500")
        << with(100, 1, -500, -500) << 600 << 400 << 2.0 << 8.0 << -7.0 << -3.0;
    QTest::newRow("width 1") << with(100, 1, 0, 0, 1, 400) << 1 << 400 << 0.0 << 0.01 << -2.0
                             << 2.0;
}

void GraphMappingTest::visibleRanges() {
    QFETCH(PlotView, view);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, xMin);
    QFETCH(double, xMax);
    QFETCH(double, yMin);
    QFETCH(double, yMax);
    const plot_mapping::Ranges r = plot_mapping::visibleRanges(view, width, height);
    QVERIFY2(near(r.xMin, xMin), qPrintable(text(r.xMin)));
    QVERIFY2(near(r.xMax, xMax), qPrintable(text(r.xMax)));
    QVERIFY2(near(r.yMin, yMin), qPrintable(text(r.yMin)));
    QVERIFY2(near(r.yMax, yMax), qPrintable(text(r.yMax)));
}

void GraphMappingTest::click_data() {
    QTest::addColumn<PlotView>("view");
    QTest::addColumn<int>("MausXk");
    QTest::addColumn<int>("MausYk");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("origin") << Default << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("100 right and up") << Default << 100 << 100 << 1.0 << 1.0;
    QTest::newRow("stretch 2 halves y") << with(100, 2, 0, 0) << 100 << 100 << 1.0 << 0.5;
    QTest::newRow("sliders at 500") << with(100, 1, -500, -500) << 100 << 100 << 6.0 << -4.0;
    QTest::newRow("zoomed out") << with(50, 1, 0, 0) << -100 << 50 << -2.0 << 1.0;
}

void GraphMappingTest::click() {
    QFETCH(PlotView, view);
    QFETCH(int, MausXk);
    QFETCH(int, MausYk);
    QFETCH(double, x);
    QFETCH(double, y);
    QVERIFY(near(plot_mapping::clickX(view, MausXk), x));
    QVERIFY(near(plot_mapping::clickY(view, MausYk), y));
}

void GraphMappingTest::formatNumber_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("range minus three") << "x:%+1.3LG" << -3.0 << "x:-3";
    QTest::newRow("range plus three") << "x:%+1.3LG" << 3.0 << "x:+3";
    QTest::newRow("range with decimals") << "y:%+1.3LG" << -2.01 << "y:-2.01";
    QTest::newRow("range rounded to three digits") << "x:%+1.3LG" << 2.0136 << "x:+2.01";
    QTest::newRow("range in exponent form") << "x:%+1.3LG" << 1234.5 << "x:+1.23E+03";
    QTest::newRow("range small") << "x:%+1.3LG" << 0.0001234 << "x:+0.000123";
    QTest::newRow("read-out zero") << "%+.4LG" << 0.0 << "+0";
    QTest::newRow("read-out third") << "%+.4LG" << 1.0 / 3 << "+0.3333";
    QTest::newRow("read-out negative zero") << "%+.4LG" << -0.0 << "-0";
    QTest::newRow("read-out tiny") << "%+.4LG" << 1e-10 << "+1E-10";
}

void GraphMappingTest::formatNumber() {
    QFETCH(QString, format);
    QFETCH(double, value);
    QFETCH(QString, expected);
    const std::string actual = ::formatNumber(qPrintable(format), value);
    QCOMPARE(QString::fromStdString(actual), expected);
}

void GraphMappingTest::formatNumberKeepsThePointUnderAGermanLocale() {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        QSKIP("the locale de_DE.UTF-8 is not installed");
    }
    char german[16];
    std::snprintf(german, sizeof german, "%.2f", 2.01);
    const std::string actual = ::formatNumber("y:%+1.3LG", -2.01L);
    std::setlocale(LC_ALL, previous.c_str());
    QCOMPARE(QString::fromLatin1(german), QString("2,01"));
    QCOMPARE(QString::fromStdString(actual), QString("y:-2.01"));
}

QTEST_APPLESS_MAIN(GraphMappingTest)
#include "graph_mapping_test.moc"
