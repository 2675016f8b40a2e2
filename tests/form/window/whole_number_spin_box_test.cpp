// The interval's spin boxes hold whole numbers and say so: a decimal point or comma typed
// into them is refused with the hint "Nur ganze Zahlen", under any locale, instead of being
// dropped without a word or read as a group separator (2.5 as 25).
#include <QLabel>
#include <QLocale>
#include <QSpinBox>
#include <QTest>
#include <QToolTip>

#include <memory>

#include "equation_test_support.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

class WholeNumberSpinBoxTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    QSpinBox* spinBox(const QString& name) { return form->findChild<QSpinBox*>(name); }

private slots:
    void init();
    void cleanup();

    void separatorIsRefusedVisibly_data();
    void separatorIsRefusedVisibly();
    void wholeNumbersShowNoHint();
};

void WholeNumberSpinBoxTest::init() {
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void WholeNumberSpinBoxTest::cleanup() {
    QToolTip::hideText();
    form.reset();
}

void WholeNumberSpinBoxTest::separatorIsRefusedVisibly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("point in Mitte") << "Mitte_spinBox"
                                    << "C"
                                    << "2."
                                    << "2";
    QTest::newRow("comma in Mitte") << "Mitte_spinBox"
                                    << "C"
                                    << "2,"
                                    << "2";
    QTest::newRow("point in Delta") << "Delta_spinBox"
                                    << "C"
                                    << "0."
                                    << "0";
    // Under German the point is the group separator, which would make 2.5 read as 25.
    QTest::newRow("point in Mitte, German") << "Mitte_spinBox"
                                            << "de_DE"
                                            << "2."
                                            << "2";
    QTest::newRow("comma in Delta, German") << "Delta_spinBox"
                                            << "de_DE"
                                            << "7,"
                                            << "7";
    QTest::newRow("point in Delta, English") << "Delta_spinBox"
                                             << "en_US"
                                             << "7."
                                             << "7";
}

void WholeNumberSpinBoxTest::separatorIsRefusedVisibly() {
    QFETCH(QString, name);
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QSpinBox* box = spinBox(name);
    box->setLocale(QLocale(locale));
    box->setFocus();
    box->selectAll();
    QVERIFY(!QToolTip::isVisible());
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), kept);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Nur ganze Zahlen"));
}

void WholeNumberSpinBoxTest::wholeNumbersShowNoHint() {
    QSpinBox* box = spinBox("Mitte_spinBox");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "-25");
    QCOMPARE(box->value(), -25);
    QCOMPARE(form->vonX_lb->text(), "-1025");
    QVERIFY(!QToolTip::isVisible());
}

QUINT_QTEST_MAIN(WholeNumberSpinBoxTest)
#include "whole_number_spin_box_test.moc"
