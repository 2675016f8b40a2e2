// The mouse wheel zooms about the point under the pointer; the read-outs follow a reset
// view; the window carries its icon.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <memory>

#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/graph/plot_mapping.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// The plot point shown at a pixel of the frame, in the current view.
QPointF plotPointAt(QPoint pixel) {
    const PlotView view = currentView();
    return {static_cast<double>(plot_mapping::columnToX(view, pixel.x())),
            static_cast<double>((yKreuz_NULL - pixel.y() + yOffset) / (groesse * ygroesser))};
}

void turnWheel(QWidget* frame, QPoint at, int delta) {
    QWheelEvent event(at, frame->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(frame, &event);
}

} // namespace

class GraphWheelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

private slots:
    void init();
    void cleanup();

    void wheelKeepsThePointUnderThePointer_data();
    void wheelKeepsThePointUnderThePointer();
    void partialTurnsAddUpToANotch();
    void wheelStopsAtTheZoomBounds();
    void readOutsFollowAReset();
    void windowHasItsIcon();
};

void GraphWheelTest::init() {
    form = std::make_unique<Form1>();
    form->grafik->setFixedSize(600, 400);
    form->GleichLinks_LineEdit->setText("x");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(50);
    QCOMPARE(Breite, 600);
}

void GraphWheelTest::cleanup() {
    form.reset();
    normalTimer = -1;
    KleinerGroesserTimer = -1;
}

void GraphWheelTest::wheelKeepsThePointUnderThePointer_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("panX");
    QTest::addColumn<int>("panY");
    QTest::newRow("in at the centre") << QPoint(300, 200) << 120 << 0 << 0;
    QTest::newRow("in at a corner") << QPoint(20, 380) << 120 << 0 << 0;
    QTest::newRow("out at a corner") << QPoint(590, 10) << -120 << 0 << 0;
    QTest::newRow("in twice, panned") << QPoint(450, 120) << 240 << 700 << -300;
    QTest::newRow("out three times, panned") << QPoint(100, 300) << -360 << -1200 << 900;
}

// Within the half pixel by which the scroll bars round the offsets.
void GraphWheelTest::wheelKeepsThePointUnderThePointer() {
    QFETCH(QPoint, pixel);
    QFETCH(int, delta);
    QFETCH(int, panX);
    QFETCH(int, panY);
    form->xOffset_scrollBar->setValue(panX);
    form->yOffset_scrollBar->setValue(panY);
    const QPointF before = plotPointAt(pixel);
    const long double scale = groesse;
    turnWheel(form->grafik, pixel, delta);
    QCOMPARE(groesse, scale * std::pow(2.0L, delta / 120));
    const QPointF after = plotPointAt(pixel);
    QVERIFY2(std::fabs(after.x() - before.x()) <= 0.5 / groesse,
             qPrintable(QString::number(after.x() - before.x())));
    QVERIFY2(std::fabs(after.y() - before.y()) <= 0.5 / groesse,
             qPrintable(QString::number(after.y() - before.y())));
    // The offsets stay the scroll bars' values, and the plot shows the new view.
    QCOMPARE(xOffset, -static_cast<long double>(form->xOffset_scrollBar->value()));
    QCOMPARE(yOffset, -static_cast<long double>(form->yOffset_scrollBar->value()));
    const plot_mapping::Ranges ranges = plot_mapping::visibleRanges(currentView(), 600, 400);
    QCOMPARE(form->Xmin_textLabel->text(),
             QString::asprintf("x:%+1.3G", static_cast<double>(ranges.xMin)));
}

void GraphWheelTest::partialTurnsAddUpToANotch() {
    turnWheel(form->grafik, QPoint(300, 200), 60);
    QCOMPARE(groesse, 100.0L);
    turnWheel(form->grafik, QPoint(300, 200), 60);
    QCOMPARE(groesse, 200.0L);
}

void GraphWheelTest::wheelStopsAtTheZoomBounds() {
    for (int notch = 0; notch < 30; ++notch) {
        turnWheel(form->grafik, QPoint(300, 200), 120);
    }
    QCOMPARE(groesse, 100.0L * std::pow(2.0L, 24));
    for (int notch = 0; notch < 70; ++notch) {
        turnWheel(form->grafik, QPoint(300, 200), -120);
    }
    QCOMPARE(groesse, 100.0L * std::pow(2.0L, -37));
}

// A point read out in a zoomed, panned view, read out again in the view that entering the
// tab restores: (400, 100) is 100 columns right of and 100 rows above the centre.
void GraphWheelTest::readOutsFollowAReset() {
    QTest::mouseClick(form->Vergroessern_pushButton, Qt::LeftButton);
    form->xOffset_scrollBar->setValue(50);
    QTest::mouseClick(form->grafik, Qt::LeftButton, {}, QPoint(400, 100));
    QCOMPARE(form->x_textLabel->text(), QString("+0.75"));
    QCOMPARE(form->y_textLabel->text(), QString("+0.5"));
    form->TabWidget->setCurrentIndex(2);
    form->TabWidget->setCurrentIndex(1);
    QCOMPARE(groesse, 100.0L);
    QCOMPARE(form->x_textLabel->text(), QString("+1"));
    QCOMPARE(form->y_textLabel->text(), QString("+1"));
}

void GraphWheelTest::windowHasItsIcon() {
    const QIcon icon = form->windowIcon();
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(QSize(48, 48)).toImage();
    QCOMPARE(image.size(), QSize(48, 48));
    // The drawing is not one colour.
    QVERIFY(image.pixel(24, 24) != image.pixel(1, 1) || image.pixel(10, 40) != image.pixel(1, 1));
}

QUINT_QTEST_MAIN(GraphWheelTest)
#include "graph_wheel_test.moc"
