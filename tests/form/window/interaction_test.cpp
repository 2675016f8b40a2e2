// Behaviour of the main window: every connection reaches its slot once, the menu switches
// pages without losing input, and the keyboard order of the equation tab.
#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <memory>

#include "form/graph/graph_frame.h"
#include "form/window/form1.h"
#include "qt_test_main.h"
#include "recording_form.h"

class InteractionTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RecordingForm> form;

    // Moves the keyboard focus on as the Tab key does and returns the new focus widget.
    QWidget* tabForward() {
        QWidget* current = QApplication::focusWidget();
        QTest::keyClick(current, Qt::Key_Tab);
        return QApplication::focusWidget();
    }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void connections_data();
    void connections();
    void constructionCallsNoSlot();
    void valueUnchangedCallsNothing();
    void pageSwitchingKeepsTabsAndInput();
    void menuHoldsThePageActions();
    void tabMnemonics();
    void tabOrder_data();
    void tabOrder();
    void graphFrameNeverTakesFocus();
};

void InteractionTest::init() {
    form = std::make_unique<RecordingForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->calls.clear();
}

void InteractionTest::connections_data() {
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("expected");

    const auto click = [](const char* tag, const char* sender, QStringList expected) {
        QTest::newRow(tag) << QString::fromLatin1(sender) << "click" << 0 << expected;
    };
    const auto setValue = [](const char* tag, const char* sender, int value, QStringList expected) {
        QTest::newRow(tag) << QString::fromLatin1(sender) << "setValue" << value << expected;
    };
    click("Zeichnen", "Zeichnen_pushButton", {"ZeichnenSlot()"});
    setValue("yOffset", "yOffset_scrollBar", 500, {"yOffset_scrollBarSlot(500)"});
    click("yL_yR on", "yL_yR_pushButton13", {"yL_yRSlot(true)"});
    click("yKleiner", "yKleiner_pushButton", {"yKleiner_pressedSlot()", "yKleiner_releasedSlot()"});
    click("yGroesser", "yGroesser_pushButton",
          {"yGroesser_pressedSlot()", "yGroesser_releasedSlot()"});
    setValue("xOffset", "xOffset_scrollBar", -300, {"xOffset_scrollBarSlot(-300)"});
    click("Verkleinern", "Verkleinern_pushButton", {"VerkleinernSlot()"});
    click("Vergroessern", "Vergroessern_pushButton", {"VergroessernSlot()"});
    setValue("graph tab", "TabWidget", 1, {"TabWidgetSlot(Graph_TabPage)"});
    setValue("help tab", "TabWidget", 2, {"TabWidgetSlot(Hilfe_TabPage)"});
    click("Normal", "Normal_pushButton", {"NormalSlot()"});
    setValue("Mitte", "Mitte_spinBox", 5, {"MitteSlot(5)"});
    QTest::newRow("menu XYZ") << "menuGleichungenXYZ_Action"
                              << "trigger" << 0 << QStringList{"menuGleichungenXYZ_Slot()"};
    QTest::newRow("menu X") << "menuGleichnungenX_Action"
                            << "trigger" << 0 << QStringList{"menuGleichungenX_Slot()"};
    setValue("Delta", "Delta_spinBox", 20, {"DeltaSlot(20)"});
    click("clearEingabe", "clearEingabe_pushButton", {"clearEingabeSlot()"});
    click("clearAusgabe", "clearAusgabe_pushButton", {"clearAusgabeSlot()"});
    click("Beispiel", "Beispiel_pushButton", {"BeispielSlot()"});
    click("step 0.001", "tusendstel_radioButton", {"SchrittweiteSlot(1)"});
    click("step 0.01", "hunderstel_radioButton", {"SchrittweiteSlot(0)"});
    click("BeispieleXYZ", "BeispieleXYZ_pushButton", {"BeispieleXYZ_Slot()"});
    click("clearlListBoxXYZ", "clearlListBoxXYZ_pushButton", {"clearListBoxXYZ_Slot()"});
    click("clearTableXYZ", "clearTableXYZ_pushButton", {"clearTabeleXYZ_Slot()"});
    click("istGleichXYZ", "istGleichXYZ_pushButton", {"istGleichXYZ_Slot()"});
    click("IstGleich", "IstGleich_pushButton", {"istGleichSlot()"});
    setValue("tabWidget3", "tabWidget3", 1, {});
    QTest::newRow("typing") << "GleichLinks_LineEdit"
                            << "type" << 0 << QStringList{};
    QTest::newRow("table cell") << "GleichungenXYZ_table"
                                << "setCell" << 0 << QStringList{};
    QTest::newRow("result list") << "Ergebnisse_ListBox"
                                 << "addItem" << 0 << QStringList{};
    QTest::newRow("text edit") << "textEdit1"
                               << "type" << 0 << QStringList{};
}

void InteractionTest::connections() {
    QFETCH(QString, sender);
    QFETCH(QString, action);
    QFETCH(int, value);
    QFETCH(QStringList, expected);
    QObject* object = form->findChild<QObject*>(sender);
    QVERIFY(object);

    if (action == "click") {
        qobject_cast<QAbstractButton*>(object)->click();
    } else if (action == "trigger") {
        qobject_cast<QAction*>(object)->trigger();
    } else if (action == "type") {
        QTest::keyClicks(qobject_cast<QWidget*>(object), "X^2");
    } else if (action == "setCell") {
        qobject_cast<QTableWidget*>(object)->setItem(0, 0, new QTableWidgetItem("5"));
    } else if (action == "addItem") {
        qobject_cast<QListWidget*>(object)->addItem("X1 = 1");
    } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        tabs->setCurrentIndex(value);
    } else if (auto* spinBox = qobject_cast<QSpinBox*>(object)) {
        spinBox->setValue(value);
    } else {
        qobject_cast<QScrollBar*>(object)->setValue(value);
    }
    QCOMPARE(form->calls, expected);
}

void InteractionTest::constructionCallsNoSlot() {
    // Initial values are in place before the connections exist, so nothing has run; the
    // interval read-outs show the spin boxes' interval 0 -+ 1000 all the same.
    QCOMPARE(form->vonX_lb->text(), QStringLiteral("-1000"));
    QCOMPARE(form->bisX_lb->text(), QStringLiteral("1000"));
    QCOMPARE(form->TabWidget->currentIndex(), 0);
    QVERIFY(form->calls.isEmpty());
}

void InteractionTest::valueUnchangedCallsNothing() {
    form->Delta_spinBox->setValue(1000);
    form->xOffset_scrollBar->setValue(0);
    form->TabWidget->setCurrentIndex(0);
    QVERIFY(form->calls.isEmpty());
}

void InteractionTest::pageSwitchingKeepsTabsAndInput() {
    QTest::keyClicks(form->GleichLinks_LineEdit, "X^2");
    QTest::keyClicks(form->GleichRechts_LineEdit, "2");
    form->TabWidget->setCurrentIndex(2);

    form->menuGleichungenXYZ_Action->trigger();
    QCOMPARE(form->widgetStack->currentWidget(), form->WStackPage_2);
    QVERIFY(form->tabWidget3->isVisible());
    QVERIFY(!form->TabWidget->isVisible());
    form->tabWidget3->setCurrentIndex(1);
    form->GleichungenXYZ_table->setItem(1, 2, new QTableWidgetItem("-3"));

    form->menuGleichnungenX_Action->trigger();
    QCOMPARE(form->widgetStack->currentWidget(), form->WStackPage);
    QCOMPARE(form->TabWidget->currentWidget(), form->Hilfe_TabPage);
    QCOMPARE(form->GleichLinks_LineEdit->text(), QStringLiteral("X^2"));
    QCOMPARE(form->GleichRechts_LineEdit->text(), QStringLiteral("2"));

    form->menuGleichungenXYZ_Action->trigger();
    QCOMPARE(form->tabWidget3->currentWidget(), form->tab_2);
    QCOMPARE(form->GleichungenXYZ_table->item(1, 2)->text(), QStringLiteral("-3"));

    form->menuGleichungenXYZ_Action->trigger();
    QCOMPARE(form->widgetStack->currentIndex(), 1);
}

void InteractionTest::menuHoldsThePageActions() {
    // Choosing the entries of the popup menu switches the pages.
    QMenu* popup = form->MenuBarEditor->actions().at(1)->menu();
    QVERIFY(popup);
    popup->actions().at(3)->trigger();
    QCOMPARE(form->widgetStack->currentIndex(), 1);
    popup->actions().at(2)->trigger();
    QCOMPARE(form->widgetStack->currentIndex(), 0);
    QCOMPARE(form->calls, (QStringList{"menuGleichungenXYZ_Slot()", "menuGleichungenX_Slot()"}));
}

void InteractionTest::tabMnemonics() {
    form->GleichLinks_LineEdit->setFocus();
    QTest::keyClick(form->GleichLinks_LineEdit, Qt::Key_H, Qt::AltModifier);
    QCOMPARE(form->TabWidget->currentWidget(), form->Hilfe_TabPage);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QCOMPARE(form->TabWidget->currentWidget(), form->Gleichung_TabPage);
    QCOMPARE(form->calls,
             (QStringList{"TabWidgetSlot(Hilfe_TabPage)", "TabWidgetSlot(Gleichung_TabPage)"}));
}

void InteractionTest::tabOrder_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    const char* const chain[] = {"GleichLinks_LineEdit",
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
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        QTest::addRow("%s", chain[i - 1])
            << QString::fromLatin1(chain[i - 1]) << QString::fromLatin1(chain[i]);
    }
}

void InteractionTest::tabOrder() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    auto* start = form->findChild<QWidget*>(from);
    auto* target = form->findChild<QWidget*>(to);
    QVERIFY(start && target);
    start->setFocus(Qt::TabFocusReason);
    QVERIFY(start->hasFocus());
    QWidget* next = tabForward();
    QVERIFY2(next == target || next->focusProxy() == target || target->focusProxy() == next,
             qPrintable(next->objectName()));
    QVERIFY(target->hasFocus());
}

void InteractionTest::graphFrameNeverTakesFocus() {
    form->TabWidget->setCurrentIndex(1);
    form->Zeichnen_pushButton->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(form->grafik, Qt::LeftButton, {}, form->grafik->rect().center());
    QVERIFY(!form->grafik->hasFocus());
    QVERIFY(form->Zeichnen_pushButton->hasFocus());
    for (int i = 0; i < 60; ++i) {
        QVERIFY(tabForward() != form->grafik);
    }
}

QUINT_QTEST_MAIN(InteractionTest)
#include "interaction_test.moc"
