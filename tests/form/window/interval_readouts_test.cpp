// The read-outs "Annäherung von" and "bis" name the interval a solve uses from the first
// paint on, whatever the spin boxes hold when the window is built or its texts are set
// again, and a solve leaves them as they were.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

class IntervalReadoutsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QStringList readouts() const { return {form->vonX_lb->text(), form->bisX_lb->text()}; }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void rightAfterStart();
    void textsSetAgainKeepTheInterval();
    void solveUsesTheIntervalShown_data();
    void solveUsesTheIntervalShown();
};

void IntervalReadoutsTest::init() {
    Schrittweite = 100;
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);
}

void IntervalReadoutsTest::rightAfterStart() {
    QCOMPARE(form->Mitte_spinBox->value(), 0);
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QCOMPARE(readouts(), (QStringList{"-1000", "1000"}));
    // Painted as they read.
    QVERIFY(form->vonX_lb->isVisible());
    QCOMPARE(form->vonX_lb->grab().size(), form->vonX_lb->size());
}

// languageChange() sets every text again, the read-outs from the spin boxes of the moment.
void IntervalReadoutsTest::textsSetAgainKeepTheInterval() {
    form->Mitte_spinBox->setValue(-1000000000);
    form->Delta_spinBox->setValue(1000000);
    QCOMPARE(readouts(), (QStringList{"-1001000000", "-999000000"}));
    QVERIFY(QMetaObject::invokeMethod(form.get(), "languageChange"));
    QCOMPARE(readouts(), (QStringList{"-1001000000", "-999000000"}));
}

void IntervalReadoutsTest::solveUsesTheIntervalShown_data() {
    QTest::addColumn<int>("centre");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("root");
    // x = 999.5 lies inside [-1000, 1000], 1000.5 does not; [5 - 1000, 5 + 1000] holds both.
    QTest::newRow("at start, inside") << 0 << QStringList{"-1000", "1000"} << "999.5";
    QTest::newRow("at start, outside") << 0 << QStringList{"-1000", "1000"} << "1000.5";
    QTest::newRow("centre 5") << 5 << QStringList{"-995", "1005"} << "1000.5";
}

void IntervalReadoutsTest::solveUsesTheIntervalShown() {
    QFETCH(int, centre);
    QFETCH(QStringList, shown);
    QFETCH(QString, root);
    form->Mitte_spinBox->setValue(centre);
    QCOMPARE(readouts(), shown);
    form->GleichLinks_LineEdit->setText("x");
    form->GleichRechts_LineEdit->setText(root);
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(readouts(), shown);
    const bool inside =
        shown[0].toDouble() <= root.toDouble() && root.toDouble() <= shown[1].toDouble();
    const QStringList written = lines(form->Ergebnisse_ListBox);
    QCOMPARE(written.contains("X1 =  " + root), inside);
    QCOMPARE(written.contains("Keine Nullstelle im Intervall"), !inside);
}

QUINT_QTEST_MAIN(IntervalReadoutsTest)
#include "interval_readouts_test.moc"
