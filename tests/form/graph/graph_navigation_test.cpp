// Navigation of the graph page: zoom and stretch bounds, the auto-repeat, panning, the
// reset, the tab entry, deferred redraws, the click read-out and quiet idling.
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <memory>

#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// Counts redraws and paint events of the main window.
class CountingForm : public Form1 {
public:
    int redraws = 0;
    int paints = 0;
    QList<int> sliderAtRedraw; // horizontal scroll bar value seen by each redraw
    QElapsedTimer clock;
    qint64 lastRedrawAt = -1;

    void ZeichnenSlot() override {
        ++redraws;
        sliderAtRedraw << xOffset_scrollBar->value();
        lastRedrawAt = clock.elapsed();
        Form1::ZeichnenSlot();
    }
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        Form1::paintEvent(event);
    }
    void resetCounts() {
        redraws = 0;
        paints = 0;
        sliderAtRedraw.clear();
    }
};

QColor at(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

const QColor White(255, 255, 255);
const QColor Gray(160, 160, 164);

QString formatted(const char* format, long double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

} // namespace

class GraphNavigationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CountingForm> form;

    // Holds a button down for a time with the event loop running, then releases it.
    void hold(QPushButton* button, int ms);

private slots:
    void init();
    void cleanup();

    void zoomBounds_data();
    void zoomBounds();
    void zoomKeepsTheOrigin();
    void stretchAutoRepeat();
    void stretchBounds_data();
    void stretchBounds();
    void scrollBarsMoveTheAxes_data();
    void scrollBarsMoveTheAxes();
    void normalReturnsTheSliders_data();
    void normalReturnsTheSliders();
    void bothSidesSwitch();
    void reenteringTheGraphTab();
    void deferredRedraw_data();
    void deferredRedraw();
    void tabChangesScheduleARedraw_data();
    void tabChangesScheduleARedraw();
    void clickReadOut_data();
    void clickReadOut();
    void clickOnAStretchedPannedCurve();
    void pressOnAPassiveWidget();
    void resizeReadsTheFrameSize();
    void idleGraphTabStaysQuiet();
    void idleEquationTabStaysQuiet();
    void redrawSchedulesNoOther();
};

void GraphNavigationTest::init() {
    BeideSeiten = false;
    form = std::make_unique<CountingForm>();
    form->clock.start();
    form->grafik->setFixedSize(600, 400);
    form->GleichLinks_LineEdit->setText("10");
    form->GleichRechts_LineEdit->setText("0");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(50);
    // On a busy machine the deferred redraw of the tab change can come later than 50 ms.
    QTRY_COMPARE(normalTimer, -1);
    QCOMPARE(Breite, 600);
    QCOMPARE(Hoehe, 400);
    form->resetCounts();
}

void GraphNavigationTest::cleanup() {
    form.reset();
    // The timers died with the window.
    normalTimer = -1;
    KleinerGroesserTimer = -1;
    BeideSeiten = false;
}

void GraphNavigationTest::hold(QPushButton* button, int ms) {
    QTest::mousePress(button, Qt::LeftButton);
    QTest::qWait(ms);
    QTest::mouseRelease(button, Qt::LeftButton);
}

void GraphNavigationTest::zoomBounds_data() {
    QTest::addColumn<bool>("zoomIn");
    QTest::addColumn<int>("clicks");
    QTest::newRow("in, 24 clicks") << true << 24;
    QTest::newRow("out, 37 clicks") << false << 37;
}

void GraphNavigationTest::zoomBounds() {
    QFETCH(bool, zoomIn);
    QFETCH(int, clicks);
    QPushButton* button = zoomIn ? form->Vergroessern_pushButton : form->Verkleinern_pushButton;
    const long double bound = std::ldexp(100.0L, zoomIn ? clicks : -clicks);
    for (int n = 1; n <= clicks; ++n) {
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(groesse, std::ldexp(100.0L, zoomIn ? n : -n));
    }
    QCOMPARE(groesse, bound);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(groesse, bound);
    QCOMPARE(form->redraws, clicks + 1);
    if (zoomIn) {
        QCOMPARE(groesse, 1677721600.0L);
    } else {
        QVERIFY(std::fabs(groesse - 7.275957614183426e-10L) < 1e-24L);
    }
}

void GraphNavigationTest::zoomKeepsTheOrigin() {
    form->xOffset_scrollBar->setValue(100);
    form->yOffset_scrollBar->setValue(-50);
    QTest::mouseClick(form->Vergroessern_pushButton, Qt::LeftButton);
    const QImage& image = form->grafik->image();
    QCOMPARE(at(image, 200, 10), Gray);
    QCOMPARE(at(image, 10, 250), White);
    QCOMPARE(form->Xmin_textLabel->text(), QString("x:-1"));
    QCOMPARE(form->Xmax_textLabel->text(), QString("x:+2"));
}

void GraphNavigationTest::stretchAutoRepeat() {
    hold(form->yGroesser_pushButton, 1000);
    // The press makes 2; five steps of 200 ms make 7, give or take one for the timing.
    QVERIFY2(ygroesser >= 6 && ygroesser <= 8, qPrintable(QString::number(double(ygroesser))));
    QCOMPARE(form->redraws, static_cast<int>(ygroesser) - 1);
    QCOMPARE(KleinerGroesserTimer, -1);
    const long double released = ygroesser;
    QTest::qWait(450);
    QCOMPARE(ygroesser, released);
    QCOMPARE(form->Ymax_textLabel->text(), formatted("y:%+1.3LG", 2.0L / released));

    form->resetCounts();
    hold(form->yKleiner_pushButton, 450);
    // The press and two steps.
    QVERIFY2(ygroesser >= released - 4 && ygroesser <= released - 2,
             qPrintable(QString::number(double(ygroesser))));
    QCOMPARE(form->redraws, static_cast<int>(released - ygroesser));
}

void GraphNavigationTest::stretchBounds_data() {
    QTest::addColumn<bool>("enlarge");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("afterPress");
    QTest::newRow("yGroesser at 1000") << true << 1000.0 << 1000.0;
    QTest::newRow("yGroesser at 999") << true << 999.0 << 1000.0;
    QTest::newRow("yKleiner at 1") << false << 1.0 << 1.0;
    QTest::newRow("yKleiner at 2") << false << 2.0 << 1.0;
}

void GraphNavigationTest::stretchBounds() {
    QFETCH(bool, enlarge);
    QFETCH(double, start);
    QFETCH(double, afterPress);
    ygroesser = start;
    hold(enlarge ? form->yGroesser_pushButton : form->yKleiner_pushButton, 650);
    // One redraw from the press; the held timer neither changes nor redraws.
    QCOMPARE(ygroesser, static_cast<long double>(afterPress));
    QCOMPARE(form->redraws, 1);
    QCOMPARE(KleinerGroesserTimer, -1);
}

void GraphNavigationTest::scrollBarsMoveTheAxes_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("axis");
    QTest::addColumn<QString>("minLabel");
    QTest::addColumn<QString>("maxLabel");
    QTest::newRow("horizontal 100") << true << 100 << 200 << "x:-2"
                                    << "x:+4";
    QTest::newRow("horizontal -100") << true << -100 << 400 << "x:-4"
                                     << "x:+2";
    QTest::newRow("horizontal 500") << true << 500 << -200 << "x:+2"
                                    << "x:+8";
    QTest::newRow("vertical 100") << false << 100 << 100 << "y:-3"
                                  << "y:+1";
    QTest::newRow("vertical -100") << false << -100 << 300 << "y:-1"
                                   << "y:+3";
    QTest::newRow("vertical 500") << false << 500 << -300 << "y:-7"
                                  << "y:-3";
}

void GraphNavigationTest::scrollBarsMoveTheAxes() {
    QFETCH(bool, horizontal);
    QFETCH(int, value);
    QFETCH(int, axis);
    QFETCH(QString, minLabel);
    QFETCH(QString, maxLabel);
    QScrollBar* bar = horizontal ? form->xOffset_scrollBar : form->yOffset_scrollBar;
    bar->setValue(value);
    QCOMPARE(form->redraws, 1);
    QCOMPARE(horizontal ? xOffset : yOffset, static_cast<long double>(-value));
    const QImage& image = form->grafik->image();
    if (horizontal) {
        for (int x = 0; x < 600; ++x) {
            QCOMPARE(at(image, x, 390) == Gray, x == axis);
        }
        QCOMPARE(form->Xmin_textLabel->text(), minLabel);
        QCOMPARE(form->Xmax_textLabel->text(), maxLabel);
    } else {
        for (int y = 0; y < 400; ++y) {
            QCOMPARE(at(image, 590, y) == White, y == axis);
        }
        QCOMPARE(form->Ymin_textLabel->text(), minLabel);
        QCOMPARE(form->Ymax_textLabel->text(), maxLabel);
    }
}

void GraphNavigationTest::normalReturnsTheSliders_data() {
    QTest::addColumn<int>("slider");
    QTest::addColumn<QList<int>>("sliderAtRedraws");
    QTest::newRow("slider at 500") << 500 << QList<int>{500, 0};
    QTest::newRow("slider at 0") << 0 << QList<int>{0};
}

void GraphNavigationTest::normalReturnsTheSliders() {
    QFETCH(int, slider);
    QFETCH(QList<int>, sliderAtRedraws);
    form->xOffset_scrollBar->setValue(slider);
    QTest::mouseClick(form->Vergroessern_pushButton, Qt::LeftButton);
    QTest::mouseClick(form->yGroesser_pushButton, Qt::LeftButton);
    form->resetCounts();
    QTest::mouseClick(form->Normal_pushButton, Qt::LeftButton);
    // The reset redraws with the slider where it was; its return redraws once more.
    QCOMPARE(form->sliderAtRedraw, sliderAtRedraws);
    QCOMPARE(form->xOffset_scrollBar->value(), 0);
    QCOMPARE(form->yOffset_scrollBar->value(), 0);
    QCOMPARE(xOffset, 0.0L);
    QCOMPARE(yOffset, 0.0L);
    QCOMPARE(groesse, 100.0L);
    QCOMPARE(ygroesser, 1.0L);
    QCOMPARE(form->Xmin_textLabel->text(), QString("x:-3"));
}

void GraphNavigationTest::bothSidesSwitch() {
    form->yL_yR_pushButton13->click();
    QVERIFY(BeideSeiten);
    form->yL_yR_pushButton13->click();
    QVERIFY(!BeideSeiten);
    QCOMPARE(form->redraws, 2);
}

void GraphNavigationTest::reenteringTheGraphTab() {
    form->yL_yR_pushButton13->click();
    form->xOffset_scrollBar->setValue(300);
    form->yOffset_scrollBar->setValue(-200);
    QTest::mouseClick(form->Verkleinern_pushButton, Qt::LeftButton);
    QTest::mouseClick(form->yGroesser_pushButton, Qt::LeftButton);
    form->TabWidget->setCurrentIndex(2);
    form->TabWidget->setCurrentIndex(1);
    QCOMPARE(groesse, 100.0L);
    QCOMPARE(ygroesser, 1.0L);
    QCOMPARE(xOffset, 0.0L);
    QCOMPARE(yOffset, 0.0L);
    QCOMPARE(form->xOffset_scrollBar->value(), 0);
    QCOMPARE(form->yOffset_scrollBar->value(), 0);
    QVERIFY(BeideSeiten);
    QVERIFY(form->yL_yR_pushButton13->isChecked());
}

void GraphNavigationTest::deferredRedraw_data() {
    QTest::addColumn<bool>("paint");
    QTest::addColumn<int>("gapMs");
    QTest::newRow("three paint events at once") << true << 0;
    QTest::newRow("three paint events 4 ms apart") << true << 4;
    QTest::newRow("three move events at once") << false << 0;
    QTest::newRow("three move events 4 ms apart") << false << 4;
}

void GraphNavigationTest::deferredRedraw() {
    QFETCH(bool, paint);
    QFETCH(int, gapMs);
    qint64 lastEventAt = 0;
    for (int n = 0; n < 3; ++n) {
        if (n > 0) {
            QTest::qSleep(gapMs);
        }
        if (paint) {
            form->repaint();
        } else {
            QMoveEvent event(QPoint(5, 5), QPoint(0, 0));
            QCoreApplication::sendEvent(form.get(), &event);
        }
        lastEventAt = form->clock.elapsed();
    }
    QVERIFY(normalTimer != -1);
    QCOMPARE(form->paints, paint ? 3 : 0);
    QCoreApplication::processEvents();
    QCOMPARE(form->redraws, 0);
    QTest::qWait(100);
    QCOMPARE(form->redraws, 1);
    QVERIFY2(form->lastRedrawAt - lastEventAt >= 9,
             qPrintable(QString::number(form->lastRedrawAt - lastEventAt)));
    QCOMPARE(normalTimer, -1);
}

void GraphNavigationTest::tabChangesScheduleARedraw_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("immediate");
    QTest::newRow("help tab") << 2 << 0;
    QTest::newRow("equation tab") << 0 << 0;
}

void GraphNavigationTest::tabChangesScheduleARedraw() {
    QFETCH(int, tab);
    QFETCH(int, immediate);
    form->TabWidget->setCurrentIndex(tab);
    QCOMPARE(form->redraws, immediate);
    QTest::qWait(100);
    QCOMPARE(form->redraws, immediate + 1);
    form->resetCounts();
    // Back on the graph tab: the reset's redraw at once, the deferred one later.
    form->TabWidget->setCurrentIndex(1);
    QCOMPARE(form->redraws, 1);
    QTest::qWait(100);
    QCOMPARE(form->redraws, 2);
}

void GraphNavigationTest::clickReadOut_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<int>("MausX");
    QTest::addColumn<int>("MausY");
    QTest::newRow("centre") << QPoint(300, 200) << "+0"
                            << "+0" << 0 << 0;
    QTest::newRow("100 right and up") << QPoint(400, 100) << "+1"
                                      << "+1" << 100 << 100;
    QTest::newRow("100 left and down") << QPoint(200, 300) << "-1"
                                       << "-1" << -100 << -100;
    QTest::newRow("one column right") << QPoint(301, 200) << "+0.01"
                                      << "+0" << 1 << 0;
    QTest::newRow("near the top-left corner") << QPoint(1, 1) << "-2.99"
                                              << "+1.99" << -299 << 199;
}

void GraphNavigationTest::clickReadOut() {
    QFETCH(QPoint, point);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(int, MausX);
    QFETCH(int, MausY);
    QTest::mouseClick(form->grafik, Qt::LeftButton, {}, point);
    QCOMPARE(MausXk, MausX);
    QCOMPARE(MausYk, MausY);
    QCOMPARE(form->x_textLabel->text(), x);
    QCOMPARE(form->y_textLabel->text(), y);
    QCOMPARE(form->redraws, 0);
}

void GraphNavigationTest::clickOnAStretchedPannedCurve() {
    form->GleichLinks_LineEdit->setText("x");
    QTest::mouseClick(form->yGroesser_pushButton, Qt::LeftButton);
    form->xOffset_scrollBar->setValue(100);
    QCOMPARE(ygroesser, 2.0L);
    QCOMPARE(xOffset, -100.0L);
    // The point (1, 1) of y = x: column 300 - 100 + 100, row 200 - 2 * 100.
    QCOMPARE(at(form->grafik->image(), 300, 1), QColor(0, 255, 0));
    QTest::mouseClick(form->grafik, Qt::RightButton, {}, QPoint(300, 0));
    QCOMPARE(form->x_textLabel->text(), QString("+1"));
    QCOMPARE(form->y_textLabel->text(), QString("+1"));
}

void GraphNavigationTest::pressOnAPassiveWidget() {
    QGroupBox* box = form->Steuern_groupBox;
    const QPoint inBox(60, box->height() - 40);
    QTest::mouseClick(box, Qt::LeftButton, {}, inBox);
    // Relative to the frame's real position.
    const QPoint inFrame = form->grafik->mapFrom(form.get(), box->mapTo(form.get(), inBox));
    QVERIFY(inFrame.x() < 0);
    QCOMPARE(form->x_textLabel->text(), formatted("%+.4LG", (inFrame.x() - 300) / 100.0L));
    QCOMPARE(form->y_textLabel->text(), formatted("%+.4LG", (200 - inFrame.y()) / 100.0L));
}

void GraphNavigationTest::resizeReadsTheFrameSize() {
    form->grafik->setMinimumSize(0, 0);
    form->grafik->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::qWait(50);
    form->resetCounts();
    form->resize(form->width() + 120, form->height() + 60);
    // Read at once by the resize, without a redraw.
    QCOMPARE(Breite, form->grafik->width());
    QCOMPARE(Hoehe, form->grafik->height());
    QCOMPARE(xKreuz_NULL, Breite / 2);
    QCOMPARE(yKreuz_NULL, Hoehe / 2);
    QCOMPARE(form->redraws, 0);
    QTest::qWait(100);
    QCOMPARE(form->grafik->image().size(), form->grafik->size());
}

void GraphNavigationTest::idleGraphTabStaysQuiet() {
    QTest::qWait(1000);
    QCOMPARE(form->redraws, 0);
    QCOMPARE(form->paints, 0);
}

void GraphNavigationTest::idleEquationTabStaysQuiet() {
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->TabWidget->setCurrentIndex(0);
    form->GleichLinks_LineEdit->setFocus();
    QTest::qWait(100);
    form->resetCounts();
    // The line edit's cursor blinks meanwhile.
    QTest::qWait(1200);
    QCOMPARE(form->redraws, 0);
    QCOMPARE(form->paints, 0);
}

void GraphNavigationTest::redrawSchedulesNoOther() {
    form->GleichLinks_LineEdit->setText("sin(x)");
    form->yL_yR_pushButton13->click();
    QTest::mouseClick(form->Verkleinern_pushButton, Qt::LeftButton);
    QTest::qWait(500);
    QCOMPARE(form->redraws, 2);
    QCOMPARE(form->paints, 0);
    QCOMPARE(normalTimer, -1);
}

QUINT_QTEST_MAIN(GraphNavigationTest)
#include "graph_navigation_test.moc"
