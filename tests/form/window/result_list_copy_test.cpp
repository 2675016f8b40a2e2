// Both result lists select several lines with the mouse and the keyboard and copy them,
// with Ctrl+C or the context menu, as plain text lines in list order.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/linear_system/linear_system_examples.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

QPoint centreOf(const ResultList* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

// Scrolls the line into view, as the user does, and clicks it.
void clickRow(ResultList* list, int row, Qt::KeyboardModifiers modifiers = {}) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, centreOf(list, row));
}

// Keys go to the focus widget, which the click on a line made the list.
void pressKey(ResultList* list, Qt::Key key) {
    QVERIFY(list->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
}

void pressCopy(ResultList* list) {
    pressKey(list, Qt::Key_C);
}

QString clipboardText() {
    return QApplication::clipboard()->text();
}

} // namespace

class ResultListCopyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    // Solves X^2 = 2 and X^2 = x+2: twelve lines.
    void fillEquationList() {
        QTest::keyClicks(form->GleichLinks_LineEdit, "X^2");
        QTest::keyClicks(form->GleichRechts_LineEdit, "2");
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
        form->GleichRechts_LineEdit->setText("X+2");
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
        QCOMPARE(form->Ergebnisse_ListBox->count(), 12);
    }
    // Opens the list's context menu at a row, as a right click does, and returns the texts
    // of its entries; triggers the entry named choose.
    QStringList contextMenu(ResultList* list, int row, const QString& choose) {
        QStringList texts;
        QTimer::singleShot(0, this, [&texts, &choose] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                return;
            }
            for (QAction* action : menu->actions()) {
                texts << action->text();
            }
            for (QAction* action : menu->actions()) {
                if (action->text() == choose) {
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                    return;
                }
            }
            menu->close();
        });
        list->scrollToItem(list->item(row));
        const QPoint position = centreOf(list, row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, position,
                                list->viewport()->mapToGlobal(position));
        QApplication::sendEvent(list->viewport(), &event);
        return texts;
    }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void shiftClickCopiesTheRange();
    void controlClicksCopyInListOrder();
    void selectAllCopiesEveryLine();
    void singleLineIsCopiedAlone();
    void contextMenuCopies();
    void linearSystemListCopies();
};

void ResultListCopyTest::init() {
    Schrittweite = 100;
    BeispielNr = 0;
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    // Keys reach the focus widget of the active window, as for the user.
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QApplication::clipboard()->clear();
}

void ResultListCopyTest::shiftClickCopiesTheRange() {
    fillEquationList();
    ResultList* list = form->Ergebnisse_ListBox;
    clickRow(list, 3);
    clickRow(list, 5, Qt::ShiftModifier);
    pressCopy(list);
    QCOMPARE(clipboardText(), QStringLiteral("X1 = -1.414213562\nX2 =  1.414213562\n") + Closing);
}

void ResultListCopyTest::controlClicksCopyInListOrder() {
    fillEquationList();
    ResultList* list = form->Ergebnisse_ListBox;
    clickRow(list, 10);
    clickRow(list, 0, Qt::ControlModifier);
    clickRow(list, 6, Qt::ControlModifier);
    pressCopy(list);
    QCOMPARE(clipboardText(), QStringLiteral("x^2 = 2\nx^2 = x+2\nX2 =  2"));
}

void ResultListCopyTest::selectAllCopiesEveryLine() {
    fillEquationList();
    ResultList* list = form->Ergebnisse_ListBox;
    clickRow(list, 2);
    pressKey(list, Qt::Key_A);
    pressCopy(list);
    QCOMPARE(clipboardText(), lines(list).join('\n'));
    // Blank and empty lines keep their place.
    QCOMPARE(clipboardText().split('\n').size(), 12);
}

void ResultListCopyTest::singleLineIsCopiedAlone() {
    fillEquationList();
    ResultList* list = form->Ergebnisse_ListBox;
    clickRow(list, 4);
    pressCopy(list);
    QCOMPARE(clipboardText(), QStringLiteral("X2 =  1.414213562"));
}

void ResultListCopyTest::contextMenuCopies() {
    fillEquationList();
    ResultList* list = form->Ergebnisse_ListBox;
    clickRow(list, 9);
    clickRow(list, 10, Qt::ShiftModifier);
    const QStringList entries = contextMenu(list, 10, "Kopieren");
    QCOMPARE(entries, QStringList{"Kopieren"});
    QCOMPARE(clipboardText(), QStringLiteral("X1 = -1\nX2 =  2"));
    // The lines stay as they were.
    QCOMPARE(list->count(), 12);
}

void ResultListCopyTest::linearSystemListCopies() {
    form->menuGleichungenXYZ_Action->trigger();
    QTest::mouseClick(form->BeispieleXYZ_pushButton, Qt::LeftButton);
    ResultList* list = form->AusgabeXYZ_listBox;
    const QStringList all = lines(list);
    const int first = static_cast<int>(all.indexOf("X1 =  5"));
    QVERIFY(first > 0);
    clickRow(list, first);
    clickRow(list, first + 2, Qt::ShiftModifier);
    pressCopy(list);
    QCOMPARE(clipboardText(), QStringLiteral("X1 =  5\nX2 =  10\nX3 =  3"));

    QCOMPARE(contextMenu(list, 0, "Kopieren"), QStringList{"Kopieren"});
    QCOMPARE(clipboardText(), QStringLiteral("X1 =  5\nX2 =  10\nX3 =  3"));
}

QUINT_QTEST_MAIN(ResultListCopyTest)
#include "result_list_copy_test.moc"
