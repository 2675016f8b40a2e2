// Time of one redraw of a 2000-column frame.
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
    QTest::newRow("difference") << false;
    QTest::newRow("both sides and difference") << true;
}

void GraphRedrawBenchmarkTest::redraw() {
    QFETCH(bool, both);
    if (both) {
        form->yL_yR_pushButton13->click();
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
