// Time of one redraw of a 2000-column frame, also with the markers of a solve.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cerrno>
#include <memory>

#include "form/graph/graph_frame.h"
#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

class GraphRedrawBenchmarkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

private slots:
    void init();
    void cleanup();
    void redraw_data();
    void redraw();
};

void GraphRedrawBenchmarkTest::init() {
    BeideSeiten = false;
    form = std::make_unique<Form1>();
    form->grafik->setFixedSize(2000, 400);
    form->GleichLinks_LineEdit->setText("sqrt(x)");
    form->GleichRechts_LineEdit->setText("sin(x)*3");
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->TabWidget->setCurrentIndex(1);
    QTest::qWait(50);
}

void GraphRedrawBenchmarkTest::cleanup() {
    form.reset();
    normalTimer = -1;
    KleinerGroesserTimer = -1;
    BeideSeiten = false;
}

void GraphRedrawBenchmarkTest::redraw_data() {
    QTest::addColumn<bool>("both");
    QTest::addColumn<bool>("solved");
    QTest::newRow("difference") << false << false;
    QTest::newRow("both sides and difference") << true << false;
    QTest::newRow("difference with markers") << false << true;
    QTest::newRow("both sides and difference with markers") << true << true;
}

void GraphRedrawBenchmarkTest::redraw() {
    QFETCH(bool, both);
    QFETCH(bool, solved);
    if (both) {
        form->yL_yR_pushButton13->click();
    }
    if (solved) {
        form->IstGleich_pushButton->click();
        form->ZeichnenSlot();
        // sqrt(x) = 3 sin(x) has roots at 0 and near 2.4, 2.8 and 6.8, 9.1 in the frame (x < 10).
        QVERIFY(form->grafik->markerAt(QPoint(1000, 200)) >= 0);
    }
    QBENCHMARK {
        form->ZeichnenSlot();
    }
    QCOMPARE(form->grafik->image().width(), 2000);
    // sqrt fails left of the axis (column 1000) and nowhere right of it.
    QCOMPARE(yDiff_Fehler[999], EDOM);
    QCOMPARE(yDiff_Fehler[1999], 0);
    QCOMPARE(yR_Fehler[1], 0);
}

QUINT_QTEST_MAIN(GraphRedrawBenchmarkTest)
#include "graph_redraw_benchmark_test.moc"
