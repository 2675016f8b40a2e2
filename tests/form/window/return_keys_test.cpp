// Return solves, as a click on "=" does: in either side's field and on the focused "="
// button of the equation tab; on the linear-system page on its focused "=" and with Ctrl in
// the coefficient table, where Return alone ends the edit of a cell.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

namespace {

const QStringList SqrtTwoBlock{"x^2 = 2",           "",     " ", "X1 = -1.414213562",
                               "X2 =  1.414213562", Closing};

// A window that counts the solve requests of both pages.
class CountingForm : public Form1 {
public:
    int solves = 0;
    int systemSolves = 0;

    void istGleichSlot() override {
        ++solves;
        Form1::istGleichSlot();
    }
    void istGleichXYZ_Slot() override {
        ++systemSolves;
        Form1::istGleichXYZ_Slot();
    }
};

} // namespace

class ReturnKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CountingForm> form;

    // Opens the editor of a cell and types into it, leaving the editor open.
    QLineEdit* typeIntoCell(int row, int column, const QString& text);

private slots:
    void init();
    void cleanup() { form.reset(); }

    void returnSolvesTheEquation_data();
    void returnSolvesTheEquation();
    void otherKeysAndButtonsDoNotSolve();
    void returnOnTheSystemsButton();
    void ctrlReturnInTheTableSolves_data();
    void ctrlReturnInTheTableSolves();
    void returnInACellOnlyEndsTheEdit();
};

void ReturnKeysTest::init() {
    Schrittweite = 100;
    form = startWindow<CountingForm>();
    QVERIFY(form != nullptr);
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->GleichLinks_LineEdit->setText("X^2");
    form->GleichRechts_LineEdit->setText("2");
}

void ReturnKeysTest::returnSolvesTheEquation_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("Return in the left side") << "GleichLinks_LineEdit" << int(Qt::Key_Return);
    QTest::newRow("Return in the right side") << "GleichRechts_LineEdit" << int(Qt::Key_Return);
    QTest::newRow("Enter in the right side") << "GleichRechts_LineEdit" << int(Qt::Key_Enter);
    QTest::newRow("Return on =") << "IstGleich_pushButton" << int(Qt::Key_Return);
    QTest::newRow("Enter on =") << "IstGleich_pushButton" << int(Qt::Key_Enter);
    QTest::newRow("Space on =, as before") << "IstGleich_pushButton" << int(Qt::Key_Space);
}

// The same request as a click: one block, the side texts as typed.
void ReturnKeysTest::returnSolvesTheEquation() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    auto* widget = form->findChild<QWidget*>(focus);
    widget->setFocus(Qt::TabFocusReason);
    QVERIFY(widget->hasFocus());
    const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(widget, static_cast<Qt::Key>(key), keypad);
    QCOMPARE(form->solves, 1);
    QCOMPARE(lines(form->Ergebnisse_ListBox), SqrtTwoBlock);
    QCOMPARE(form->GleichLinks_LineEdit->text(), "X^2");
}

void ReturnKeysTest::otherKeysAndButtonsDoNotSolve() {
    form->GleichLinks_LineEdit->setFocus();
    QTest::keyClick(form->GleichLinks_LineEdit, Qt::Key_Tab);
    QTest::keyClick(form->GleichRechts_LineEdit, Qt::Key_Escape);
    QTest::keyClick(form->IstGleich_pushButton, Qt::Key_A);
    // Ctrl+Return is no plain Return; a held Return repeats no request.
    QTest::keyClick(form->IstGleich_pushButton, Qt::Key_Return, Qt::ControlModifier);
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(form->IstGleich_pushButton, &repeated);
    // Return on another button does not solve.
    form->clearAusgabe_pushButton->setFocus();
    QTest::keyClick(form->clearAusgabe_pushButton, Qt::Key_Return);
    QCOMPARE(form->solves, 0);
    QCOMPARE(form->Ergebnisse_ListBox->count(), 0);
}

void ReturnKeysTest::returnOnTheSystemsButton() {
    form->menuGleichungenXYZ_Action->trigger();
    fillTable(form->GleichungenXYZ_table, {{"3", "1", "1"}, {"1", "1", "-1"}});
    form->istGleichXYZ_pushButton->setFocus();
    QTest::keyClick(form->istGleichXYZ_pushButton, Qt::Key_Return);
    QCOMPARE(form->systemSolves, 1);
    QCOMPARE(lines(form->AusgabeXYZ_listBox), (QStringList{"X1 =  2", "X2 =  1", Separator}));
}

QLineEdit* ReturnKeysTest::typeIntoCell(int row, int column, const QString& text) {
    QTableWidget* table = form->GleichungenXYZ_table;
    table->setFocus();
    table->setCurrentCell(row, column);
    table->edit(table->currentIndex());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editor != nullptr) {
        QTest::keyClicks(editor, text);
    }
    return editor;
}

void ReturnKeysTest::ctrlReturnInTheTableSolves_data() {
    QTest::addColumn<bool>("editing");
    QTest::addColumn<int>("key");
    QTest::newRow("while a cell is edited") << true << int(Qt::Key_Return);
    QTest::newRow("on a cell") << false << int(Qt::Key_Return);
    QTest::newRow("keypad Enter while a cell is edited") << true << int(Qt::Key_Enter);
}

// The cell being edited counts with the text typed so far.
void ReturnKeysTest::ctrlReturnInTheTableSolves() {
    QFETCH(bool, editing);
    QFETCH(int, key);
    form->menuGleichungenXYZ_Action->trigger();
    QTableWidget* table = form->GleichungenXYZ_table;
    fillTable(table, {{"3", "1", "1"}, {"1", "1"}});
    QLineEdit* editor = typeIntoCell(1, 2, "-1");
    QVERIFY(editor != nullptr);
    if (!editing) {
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(table->item(1, 2) != nullptr);
        table->setFocus();
    }
    QWidget* target = QApplication::focusWidget();
    const Qt::KeyboardModifiers modifiers =
        Qt::ControlModifier | (key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QCOMPARE(form->systemSolves, 1);
    QCOMPARE(lines(form->AusgabeXYZ_listBox), (QStringList{"X1 =  2", "X2 =  1", Separator}));
    QCOMPARE(table->item(1, 2)->text(), "-1");
}

void ReturnKeysTest::returnInACellOnlyEndsTheEdit() {
    form->menuGleichungenXYZ_Action->trigger();
    QLineEdit* editor = typeIntoCell(0, 0, "3");
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(form->GleichungenXYZ_table->item(0, 0) != nullptr);
    QCOMPARE(form->GleichungenXYZ_table->item(0, 0)->text(), "3");
    QCOMPARE(form->systemSolves, 0);
    QCOMPARE(form->AusgabeXYZ_listBox->count(), 0);
}

QUINT_QTEST_MAIN(ReturnKeysTest)
#include "return_keys_test.moc"
