// The window's state of the root search, filled from the results of the scan and of the
// compile: the bracket arrays, the cancel flag and x and the texts of both records.
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

class EquationStateTest : public QObject {
    Q_OBJECT

private slots:
    void scanOutcomeFillsTheArraysFromIndexOne();
    void cancelClearsWork();
    void solveLeavesTheLastGridPointInBothRecords();
    void solveLeavesTheNormalisedTextsInBothRecords();
};

void EquationStateTest::scanOutcomeFillsTheArraysFromIndexOne() {
    XL[3] = XR[3] = 99; // above the count: never written, never read
    work = true;
    const ScanOutcome outcome{
        {{-1.5L, -1.25L, BracketKind::SignChange}, {2, 2, BracketKind::ExactZero}}, false, 4.75L};
    QCOMPARE(keepScanOutcome(outcome), 2);
    QCOMPARE(XL[1], -1.5L);
    QCOMPARE(XR[1], -1.25L);
    QCOMPARE(XL[2], 2.0L);
    QCOMPARE(XR[2], 2.0L);
    QCOMPARE(XL[3], 99.0L);
    QVERIFY(work);
    QCOMPARE(links.X, 4.75L);
    QCOMPARE(rechts.X, 4.75L);
}

void EquationStateTest::cancelClearsWork() {
    work = true;
    QCOMPARE(keepScanOutcome(ScanOutcome{{}, true, 0.5L}), 0);
    QVERIFY(!work);
    QCOMPARE(links.X, 0.5L);
}

void EquationStateTest::solveLeavesTheLastGridPointInBothRecords() {
    Schrittweite = 100;
    const std::unique_ptr<Form1> form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    form->Mitte_spinBox->setValue(1);
    form->Delta_spinBox->setValue(3);
    QTest::keyClicks(form->GleichLinks_LineEdit, "x");
    QTest::keyClicks(form->GleichRechts_LineEdit, "1");
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(links.X, 4.0L);
    QCOMPARE(rechts.X, 4.0L);
    QCOMPARE(XL[1], 1.0L); // x = 1 is a grid point: a zero bracket
    QCOMPARE(XR[1], 1.0L);
}

void EquationStateTest::solveLeavesTheNormalisedTextsInBothRecords() {
    const std::unique_ptr<Form1> form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    QTest::keyClicks(form->GleichLinks_LineEdit, "SIN (X)");
    QTest::keyClicks(form->GleichRechts_LineEdit, "0, 5");
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(QString::fromLatin1(links.Formel), QString("sin(x)"));
    QCOMPARE(QString::fromLatin1(rechts.Formel), QString("0,5"));
}

QUINT_QTEST_MAIN(EquationStateTest)
#include "equation_state_test.moc"
