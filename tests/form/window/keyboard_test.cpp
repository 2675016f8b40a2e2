// The window without a mouse: Tab reaches every control of the shown tab in layout order,
// F10 opens the menu, and every input and button has a name for screen readers.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "form/graph/graph_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// The widget that stands for a control in the focus chain: a tab widget's tab bar.
QWidget* focusTarget(QWidget* widget) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        return tabs->tabBar();
    }
    return widget;
}

// Inputs and buttons the user reaches with Tab, without the parts Qt builds into other
// widgets (a spin box's line edit, a tab bar's arrows, the menu bar's overflow button).
bool isControl(const QWidget* widget) {
    const bool kind =
        qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget) ||
        qobject_cast<const QAbstractScrollArea*>(widget) ||
        qobject_cast<const QScrollBar*>(widget) || qobject_cast<const QTabBar*>(widget);
    const QWidget* parent = widget->parentWidget();
    return kind && (widget->focusPolicy() & Qt::TabFocus) &&
           !qobject_cast<const QAbstractSpinBox*>(parent) &&
           !qobject_cast<const QTabBar*>(parent) && !qobject_cast<const QMenuBar*>(parent);
}

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    // Presses Tab from the first control until the focus comes back to it.
    QList<QWidget*> walk(QWidget* first) {
        QList<QWidget*> visited;
        first->setFocus(Qt::TabFocusReason);
        QWidget* current = QApplication::focusWidget();
        do {
            visited << current;
            QTest::keyClick(current, Qt::Key_Tab);
            current = QApplication::focusWidget();
        } while (current != visited.first() && visited.size() < 100);
        return visited;
    }

private slots:
    void init();
    void cleanup();

    void tabReachesEveryControlInLayoutOrder_data();
    void tabReachesEveryControlInLayoutOrder();
    void arrowKeysChooseTheStep();
    void tabLeavesTheTableAtItsEnds();
    void f10OpensTheMenu();
    void menuReachesTheLinearSystemPage();
    void everyInputAndButtonHasAName();
    void spinBoxesAreNamedByTheirLabels_data();
    void spinBoxesAreNamedByTheirLabels();
};

void KeyboardTest::init() {
    form = std::make_unique<Form1>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void KeyboardTest::cleanup() {
    form.reset();
    normalTimer = -1;
    KleinerGroesserTimer = -1;
}

void KeyboardTest::tabReachesEveryControlInLayoutOrder_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("equation tab") << 0 << 0
                                  << QStringList{"GleichLinks_LineEdit",
                                                 "GleichRechts_LineEdit",
                                                 "IstGleich_pushButton",
                                                 "Mitte_spinBox",
                                                 "Delta_spinBox",
                                                 "hunderstel_radioButton",
                                                 "clearEingabe_pushButton",
                                                 "clearAusgabe_pushButton",
                                                 "Beispiel_pushButton",
                                                 "Ergebnisse_ListBox",
                                                 "TabWidget"};
    QTest::newRow("graph tab") << 0 << 1
                               << QStringList{"TabWidget",
                                              "Zeichnen_pushButton",
                                              "Normal_pushButton",
                                              "Loesungsintervall_pushButton",
                                              "Vergroessern_pushButton",
                                              "Verkleinern_pushButton",
                                              "yGroesser_pushButton",
                                              "yKleiner_pushButton",
                                              "yL_yR_pushButton13",
                                              "yOffset_scrollBar",
                                              "xOffset_scrollBar"};
    QTest::newRow("help tab") << 0 << 2 << QStringList{"TabWidget", "HilfeListBox"};
    QTest::newRow("linear systems") << 1 << 0
                                    << QStringList{"tabWidget3",
                                                   "GleichungenXYZ_table",
                                                   "AusgabeXYZ_listBox",
                                                   "istGleichXYZ_pushButton",
                                                   "clearTableXYZ_pushButton",
                                                   "clearlListBoxXYZ_pushButton",
                                                   "BeispieleXYZ_pushButton"};
    QTest::newRow("linear-system help") << 1 << 1 << QStringList{"tabWidget3", "textEdit1"};
}

void KeyboardTest::tabReachesEveryControlInLayoutOrder() {
    QFETCH(int, page);
    QFETCH(int, tab);
    QFETCH(QStringList, order);
    form->widgetStack->setCurrentIndex(page);
    auto* tabs = page == 0 ? form->TabWidget : form->tabWidget3;
    tabs->setCurrentIndex(tab);
    // Tab goes from cell to cell of the coefficient table and leaves it at its last cell.
    auto* table = form->GleichungenXYZ_table;
    table->setCurrentCell(table->rowCount() - 1, table->columnCount() - 1);
    QWidget* first = focusTarget(form->findChild<QWidget*>(order.first()));

    QStringList visited;
    for (QWidget* widget : walk(first)) {
        visited << (qobject_cast<QTabBar*>(widget) ? widget->parent()->objectName()
                                                   : widget->objectName());
    }
    QCOMPARE(visited, order);
}

// Tab stops at the checked step button; the arrow keys choose the other, as a click does.
void KeyboardTest::arrowKeysChooseTheStep() {
    form->Delta_spinBox->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->Delta_spinBox, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->hunderstel_radioButton);
    QTest::keyClick(form->hunderstel_radioButton, Qt::Key_Right);
    QVERIFY(form->tusendstel_radioButton->hasFocus());
    QVERIFY(form->tusendstel_radioButton->isChecked());
    QTest::keyClick(form->tusendstel_radioButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->clearEingabe_pushButton);
}

// Tab moves from cell to cell and on to the list after the last cell; Shift+Tab goes back
// to the tab bar from the first cell.
void KeyboardTest::tabLeavesTheTableAtItsEnds() {
    form->menuGleichungenXYZ_Action->trigger();
    QTableWidget* table = form->GleichungenXYZ_table;
    table->setFocus(Qt::TabFocusReason);
    table->setCurrentCell(0, 9);
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(table->currentColumn(), 10);
    QVERIFY(table->hasFocus());
    table->setCurrentCell(9, 10);
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form->AusgabeXYZ_listBox);
    table->setFocus(Qt::TabFocusReason);
    table->setCurrentCell(0, 0);
    QTest::keyClick(table, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), form->tabWidget3->tabBar());
}

void KeyboardTest::f10OpensTheMenu() {
    const QStringList titles{form->PopupMenu->title(), form->menuGleichnungenX_Action->text(),
                             form->menuGleichungenXYZ_Action->text()};
    form->GleichLinks_LineEdit->setFocus();
    QTest::keyClick(form->GleichLinks_LineEdit, Qt::Key_F10);
    QTRY_COMPARE(QApplication::activePopupWidget(), form->PopupMenu);
    QCOMPARE((QStringList{form->PopupMenu->title(), form->menuGleichnungenX_Action->text(),
                          form->menuGleichungenXYZ_Action->text()}),
             titles);
    QTest::keyClick(form->PopupMenu, Qt::Key_Escape);
    QTRY_VERIFY(!form->PopupMenu->isVisible());
}

// F10, then the arrow keys and Return switch the pages.
void KeyboardTest::menuReachesTheLinearSystemPage() {
    form->GleichLinks_LineEdit->setFocus();
    QTest::keyClick(form->GleichLinks_LineEdit, Qt::Key_F10);
    QTRY_COMPARE(QApplication::activePopupWidget(), form->PopupMenu);
    QTest::keyClick(form->PopupMenu, Qt::Key_Down);
    QTest::keyClick(form->PopupMenu, Qt::Key_Down);
    QCOMPARE(form->PopupMenu->activeAction(), form->menuGleichungenXYZ_Action);
    QTest::keyClick(form->PopupMenu, Qt::Key_Return);
    QTRY_COMPARE(form->widgetStack->currentWidget(), form->WStackPage_2);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
    QTRY_COMPARE(QApplication::activePopupWidget(), form->PopupMenu);
    QTest::keyClick(form->PopupMenu, Qt::Key_Down);
    QCOMPARE(form->PopupMenu->activeAction(), form->menuGleichnungenX_Action);
    QTest::keyClick(form->PopupMenu, Qt::Key_Return);
    QTRY_COMPARE(form->widgetStack->currentWidget(), form->WStackPage);
}

void KeyboardTest::everyInputAndButtonHasAName() {
    int controls = 0;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (!isControl(widget)) {
            continue;
        }
        ++controls;
        QVERIFY2(!accessibleName(widget).trimmed().isEmpty(),
                 qPrintable(widget->objectName() + " " + widget->metaObject()->className()));
    }
    // 2 line edits, 2 spin boxes, 18 buttons, 3 lists, the table, the help text, 2 scroll bars
    // and 2 tab bars.
    QCOMPARE(controls, 31);
}

void KeyboardTest::spinBoxesAreNamedByTheirLabels_data() {
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<QString>("label");
    QTest::newRow("centre") << "Mitte_spinBox"
                            << "textLabel1";
    QTest::newRow("half-width") << "Delta_spinBox"
                                << "textLabel2";
}

void KeyboardTest::spinBoxesAreNamedByTheirLabels() {
    QFETCH(QString, spinBox);
    QFETCH(QString, label);
    auto* box = form->findChild<QSpinBox*>(spinBox);
    auto* caption = form->findChild<QLabel*>(label);
    QVERIFY(box && caption);
    QCOMPARE(caption->buddy(), box);
    QCOMPARE(accessibleName(box).trimmed(), caption->text().trimmed());
}

QUINT_QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
