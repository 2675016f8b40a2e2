// The markers of the last solve's findings on the plot, at the places of their closed forms;
// none for another equation; the line under the pointer and the value a click copies; no dot
// where a division by zero was skipped; the view of the solution interval.
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolTip>

#include <cmath>
#include <memory>
#include <numbers>

#include "equation_test_support.h"
#include "form/graph/graph_frame.h"
#include "form/graph/graph_render.h"
#include "form/graph/graph_state.h"
#include "form/graph/solution_view.h"
#include "qt_test_main.h"

namespace {

const double Pi = std::numbers::pi;
const QColor Green(0, 255, 0);

int count(const QImage& image, QColor colour, QRect area) {
    area = area.intersected(image.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += QColor(image.pixel(x, y)) == colour;
        }
    }
    return n;
}

// Columns of the default 600 x 400 view (100 pixels a unit, x = 0 at column 300).
int columnOf(double x) {
    return static_cast<int>(std::lround(x * 100 + 300));
}

// Columns holding a colour anywhere in a band of rows.
QList<int> columnsWith(const QImage& image, QColor colour, int top, int bottom) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (count(image, colour, QRect(x, top, 1, bottom - top + 1)) > 0) {
            columns << x;
        }
    }
    return columns;
}

// The middles of the runs of neighbouring columns.
QList<int> runMiddles(const QList<int>& columns) {
    QList<int> middles;
    for (int i = 0; i < columns.size();) {
        int j = i;
        while (j + 1 < columns.size() && columns[j + 1] == columns[j] + 1) {
            ++j;
        }
        middles << (columns[i] + columns[j]) / 2;
        i = j + 1;
    }
    return middles;
}

QList<int> columnsOf(const QList<double>& xs) {
    QList<int> columns;
    for (const double x : xs) {
        if (std::fabs(x) < 2.95) {
            columns << columnOf(x);
        }
    }
    return columns;
}

} // namespace

class GraphMarkersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void solveAndPlot(const QString& left, const QString& right, int delta);

private slots:
    void init();
    void cleanup();
    void markersAtTheFindings_data();
    void markersAtTheFindings();
    void noMarkersForAnotherEquation();
    void hoverShowsTheLineAndClickCopiesTheValue();
    void nothingDrawnAtThePoleOfOneOverX();
    void solutionInterval();
    void solutionIntervalView_data();
    void solutionIntervalView();
};

void GraphMarkersTest::init() {
    BeideSeiten = false;
    form = startWindow<Form1>();
    QVERIFY(form);
}

void GraphMarkersTest::cleanup() {
    form.reset();
    normalTimer = -1;
    KleinerGroesserTimer = -1;
    BeideSeiten = false;
}

void GraphMarkersTest::solveAndPlot(const QString& left, const QString& right, int delta) {
    form->GleichLinks_LineEdit->setText(left);
    form->GleichRechts_LineEdit->setText(right);
    form->Delta_spinBox->setValue(delta);
    form->IstGleich_pushButton->click();
    form->grafik->setFixedSize(600, 400);
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(40);
    QCOMPARE(form->grafik->size(), QSize(600, 400));
    form->ZeichnenSlot();
}

void GraphMarkersTest::markersAtTheFindings_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QList<double>>("roots");
    QTest::addColumn<QList<double>>("poles");
    QList<double> cosRoots;
    for (int k = -3; k <= 3; ++k) {
        cosRoots << Pi / 4 + k * Pi / 2;
    }
    cosRoots << -Pi / 2 << Pi / 2;
    std::sort(cosRoots.begin(), cosRoots.end());
    const double a = std::atan(0.5);
    QTest::newRow("cos(x)+cos(3*x) = 0") << "cos(x)+cos(3*x)"
                                         << "0" << cosRoots << QList<double>{};
    QTest::newRow("tan(x) = 0.5") << "tan(x)"
                                  << "0.5" << QList<double>{a - Pi, a}
                                  << QList<double>{-Pi / 2, Pi / 2};
    QTest::newRow("1/(x-2)^2 = 5")
        << "1/(x-2)^2"
        << "5" << QList<double>{2 - 1 / std::sqrt(5.0), 2 + 1 / std::sqrt(5.0)} << QList<double>{2};
}

// The dots of the roots on the x axis (row 200) and the dashed lines of the poles lie in the
// columns of the closed forms, and nowhere else.
void GraphMarkersTest::markersAtTheFindings() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QList<double>, roots);
    QFETCH(QList<double>, poles);
    solveAndPlot(left, right, 5);
    const QImage& image = form->grafik->image();
    // One dot a root, centred on its column within a pixel.
    const QList<int> dots = runMiddles(columnsWith(image, RootMarkerColour, 196, 204));
    const QList<int> expected = columnsOf(roots);
    QCOMPARE(dots.size(), expected.size());
    for (int i = 0; i < dots.size(); ++i) {
        QVERIFY2(std::abs(dots[i] - expected[i]) <= 1,
                 qPrintable(QStringLiteral("%1 at %2").arg(expected[i]).arg(dots[i])));
    }
    for (const int column : columnsOf(roots)) {
        QCOMPARE(QColor(image.pixel(column, 200)), RootMarkerColour);
    }
    const QList<int> poleColumns = columnsOf(poles);
    QCOMPARE(columnsWith(image, PoleMarkerColour, 0, 399), poleColumns);
    for (const int column : poleColumns) {
        // Dashed: about half of the column.
        const int dashes = count(image, PoleMarkerColour, QRect(column, 0, 1, 400));
        QVERIFY2(dashes > 120 && dashes < 280, qPrintable(QString::number(dashes)));
    }
}

void GraphMarkersTest::noMarkersForAnotherEquation() {
    solveAndPlot("x^2", "2", 1000);
    const QRect all(0, 0, 600, 400);
    QVERIFY(count(form->grafik->image(), RootMarkerColour, all) > 0);
    // The same equation typed differently is the one solved; another is not.
    form->GleichLinks_LineEdit->setText(" X ^ 2");
    form->ZeichnenSlot();
    QVERIFY(count(form->grafik->image(), RootMarkerColour, all) > 0);
    form->GleichRechts_LineEdit->setText("3");
    form->ZeichnenSlot();
    QCOMPARE(count(form->grafik->image(), RootMarkerColour, all), 0);
    QCOMPARE(form->grafik->markerAt(QPoint(columnOf(std::sqrt(2.0)), 200)), -1);
}

void GraphMarkersTest::hoverShowsTheLineAndClickCopiesTheValue() {
    solveAndPlot("x^2", "2", 1000);
    const QPoint root(columnOf(std::sqrt(2.0)), 200);
    QHelpEvent help(QEvent::ToolTip, root, form->grafik->mapToGlobal(root));
    QApplication::sendEvent(form->grafik, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("X2 =  1.414213562"));
    QVERIFY(lines(form->Ergebnisse_ListBox).contains(QToolTip::text()));

    QApplication::clipboard()->clear();
    QTest::mouseClick(form->grafik, Qt::LeftButton, Qt::NoModifier, root + QPoint(2, -2));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1.414213562"));
    // The window reads off the point all the same.
    QCOMPARE(form->x_textLabel->text(), QStringLiteral("+1.43"));

    // Away from the markers there is nothing to read.
    const QPoint empty(100, 100);
    QHelpEvent nothing(QEvent::ToolTip, empty, form->grafik->mapToGlobal(empty));
    QApplication::sendEvent(form->grafik, &nothing);
    QTRY_VERIFY(!QToolTip::isVisible());
}

// 1/x is not drawn where |1/x| exceeds the row window, nor at x = 0, where the evaluator skips
// the division: columns 296 ... 304 (|x| <= 0.04, |1/x| >= 25) stay free of the curve.
void GraphMarkersTest::nothingDrawnAtThePoleOfOneOverX() {
    form->grafik->setFixedSize(600, 400);
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(40);
    form->GleichLinks_LineEdit->setText("1/x");
    form->GleichRechts_LineEdit->setText("0");
    form->ZeichnenSlot();
    const QImage& image = form->grafik->image();
    QCOMPARE(count(image, Green, QRect(296, 0, 9, 400)), 0);
    // The curve itself is there: at x = 2, 1/x = 0.5 is row 150.
    QVERIFY(count(image, Green, QRect(499, 149, 3, 4)) > 0);
}

void GraphMarkersTest::solutionInterval() {
    solveAndPlot("x^2", "2", 5);
    // The button's text is whole in the control column.
    QPushButton* button = form->Loesungsintervall_pushButton;
    QCOMPARE(button->text(), QStringLiteral("Lösungsintervall"));
    QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) <
            button->contentsRect().width() - 4);
    form->Loesungsintervall_pushButton->click();
    // -5 ... 5 in 580 of 600 columns: 50 pixels a unit, the largest zoom 100 * 2^k that fits.
    QCOMPARE(groesse, 50.0L);
    QCOMPARE(form->Xmin_textLabel->text(), QStringLiteral("x:-6"));
    QCOMPARE(form->Xmax_textLabel->text(), QStringLiteral("x:+6"));
    QCOMPARE(form->xOffset_scrollBar->value(), 0);
}

void GraphMarkersTest::solutionIntervalView_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("groesse");
    QTest::addColumn<double>("xOffset");
    QTest::newRow("-5 ... 5") << 600 << -5.0 << 5.0 << 50.0 << 0.0;
    QTest::newRow("-1 ... 1") << 600 << -1.0 << 1.0 << 200.0 << 0.0;
    QTest::newRow("0 ... 10") << 600 << 0.0 << 10.0 << 50.0 << -250.0;
    QTest::newRow("-1000 ... 1000") << 600 << -1000.0 << 1000.0 << 100.0 / 512 << 0.0;
    QTest::newRow("beyond the scroll bar")
        << 600 << 999999000.0 << 1000001000.0 << 100.0 / 512 << -200000.0;
    QTest::newRow("a point") << 600 << 3.0 << 3.0 << 100.0 * (1 << 24) << -200000.0;
}

void GraphMarkersTest::solutionIntervalView() {
    QFETCH(int, width);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, groesse);
    QFETCH(double, xOffset);
    const IntervalView view = ::solutionIntervalView(width, from, to);
    QCOMPARE(static_cast<double>(view.groesse), groesse);
    QCOMPARE(static_cast<double>(view.xOffset), xOffset);
}

QUINT_QTEST_MAIN(GraphMarkersTest)
#include "graph_markers_test.moc"
