// The inputs kept across runs: a window closed with its inputs, and a window started after it
// in a temporary settings location, which shows them again.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "form/window/kept_inputs.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

class KeptInputsTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;

    QString settingsFile() const {
        return settingsDir.filePath(QStringLiteral("quintabor/quintabor.ini"));
    }

private slots:
    void initTestCase() {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    }
    void init() { QFile::remove(settingsFile()); }

    void restartKeepsTheInputs();
    void firstRunKeepsTheStart();
    void damagedSettingsLeaveTheStart();
};

void KeptInputsTest::restartKeepsTheInputs() {
    {
        auto first = startWindow<Form1>();
        QVERIFY(first != nullptr);
        keepInputsAcrossRuns(*first);
        QTest::keyClicks(first->GleichLinks_LineEdit, QStringLiteral("sin(x)"));
        QTest::keyClicks(first->GleichRechts_LineEdit, QStringLiteral("0,5"));
        first->Mitte_spinBox->setValue(7);
        first->Delta_spinBox->setValue(25);
        QTest::mouseClick(first->tusendstel_radioButton, Qt::LeftButton);
        fillTable(first->GleichungenXYZ_table, {{"3", "1", "1"}, {"", ""}, {"1", "1", "-1"}});
        first->tabWidget3->setCurrentIndex(1);
        first->menuGleichungenXYZ_Action->trigger();
        first->resize(700, 580);
        QVERIFY(first->close());
    }
    QVERIFY(QFile::exists(settingsFile()));

    Schrittweite = 100;
    auto second = std::make_unique<Form1>();
    keepInputsAcrossRuns(*second);
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second.get()));
    QCOMPARE(second->GleichLinks_LineEdit->text(), QStringLiteral("sin(x)"));
    QCOMPARE(second->GleichRechts_LineEdit->text(), QStringLiteral("0,5"));
    QCOMPARE(second->Mitte_spinBox->value(), 7);
    QCOMPARE(second->Delta_spinBox->value(), 25);
    QCOMPARE(second->vonX_lb->text(), QStringLiteral("-18"));
    QCOMPARE(second->bisX_lb->text(), QStringLiteral("32"));
    QVERIFY(second->tusendstel_radioButton->isChecked());
    QCOMPARE(Schrittweite, 1000.0L);
    QCOMPARE(second->GleichungenXYZ_table->item(0, 0)->text(), QStringLiteral("3"));
    QCOMPARE(second->GleichungenXYZ_table->item(2, 2)->text(), QStringLiteral("-1"));
    QCOMPARE(second->GleichungenXYZ_table->item(1, 0), nullptr);
    QCOMPARE(second->widgetStack->currentIndex(), 1);
    QCOMPARE(second->tabWidget3->currentIndex(), 1);
    QCOMPARE(second->size(), QSize(700, 580));

    // The kept equation is solved as typed.
    second->menuGleichnungenX_Action->trigger();
    QTest::mouseClick(second->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(lines(second->Ergebnisse_ListBox).first(), QStringLiteral("sin(x) = 0,5"));
}

void KeptInputsTest::firstRunKeepsTheStart() {
    auto form = std::make_unique<Form1>();
    keepInputsAcrossRuns(*form);
    QCOMPARE(form->GleichLinks_LineEdit->text(), QString());
    QCOMPARE(form->Mitte_spinBox->value(), 0);
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QVERIFY(form->hunderstel_radioButton->isChecked());
    QCOMPARE(form->widgetStack->currentIndex(), 0);
    QCOMPARE(form->size(), QSize(990, 544).expandedTo(form->minimumSizeHint()));
}

void KeptInputsTest::damagedSettingsLeaveTheStart() {
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("quintabor"),
                           QStringLiteral("quintabor"));
        settings.setValue(QStringLiteral("equation/centre"), QStringLiteral("abc"));
        settings.setValue(QStringLiteral("equation/halfWidth"), 5000000);
        settings.setValue(QStringLiteral("equation/step"), QStringLiteral("0.1"));
        settings.setValue(QStringLiteral("view/page"), 7);
        settings.setValue(QStringLiteral("system/cells"), QStringLiteral("[[1,\"2\"],"));
        settings.setValue(QStringLiteral("window/geometry"), QByteArray("\x01\x02"));
    }
    auto form = std::make_unique<Form1>();
    keepInputsAcrossRuns(*form);
    QCOMPARE(form->Mitte_spinBox->value(), 0);
    QCOMPARE(form->Delta_spinBox->value(), 1000000); // brought into the spin box's range
    QVERIFY(form->hunderstel_radioButton->isChecked());
    QCOMPARE(form->widgetStack->currentIndex(), 0);
    QCOMPARE(form->GleichungenXYZ_table->item(0, 1), nullptr);
}

QUINT_QTEST_MAIN(KeptInputsTest)
#include "kept_inputs_test.moc"
