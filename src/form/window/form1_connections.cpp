// Signal-to-slot connections and keyboard order of the main window.
#include "form/window/form1.h"

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <iterator>

#include "form/window/return_keys.h"

void Form1::makeConnections() {
    connect(Zeichnen_pushButton, &QPushButton::clicked, this, &Form1::ZeichnenSlot);
    connect(yOffset_scrollBar, &QScrollBar::valueChanged, this, &Form1::yOffset_scrollBarSlot);
    connect(yL_yR_pushButton13, &QPushButton::toggled, this, &Form1::yL_yRSlot);
    connect(yKleiner_pushButton, &QPushButton::pressed, this, &Form1::yKleiner_pressedSlot);
    connect(yKleiner_pushButton, &QPushButton::released, this, &Form1::yKleiner_releasedSlot);
    connect(yGroesser_pushButton, &QPushButton::pressed, this, &Form1::yGroesser_pressedSlot);
    connect(yGroesser_pushButton, &QPushButton::released, this, &Form1::yGroesser_releasedSlot);
    connect(xOffset_scrollBar, &QScrollBar::valueChanged, this, &Form1::xOffset_scrollBarSlot);
    connect(Verkleinern_pushButton, &QPushButton::clicked, this, &Form1::VerkleinernSlot);
    connect(Vergroessern_pushButton, &QPushButton::clicked, this, &Form1::VergroessernSlot);
    connect(TabWidget, &QTabWidget::currentChanged, this,
            [this](int index) { TabWidgetSlot(TabWidget->widget(index)); });
    connect(Normal_pushButton, &QPushButton::clicked, this, &Form1::NormalSlot);
    connect(Loesungsintervall_pushButton, &QPushButton::clicked, this,
            &Form1::LoesungsintervallSlot);
    connect(Mitte_spinBox, &QSpinBox::valueChanged, this, &Form1::MitteSlot);
    connect(menuGleichungenXYZ_Action, &QAction::triggered, this, &Form1::menuGleichungenXYZ_Slot);
    connect(menuGleichnungenX_Action, &QAction::triggered, this, &Form1::menuGleichungenX_Slot);
    connect(Delta_spinBox, &QSpinBox::valueChanged, this, &Form1::DeltaSlot);
    connect(clearEingabe_pushButton, &QPushButton::clicked, this, &Form1::clearEingabeSlot);
    connect(clearAusgabe_pushButton, &QPushButton::clicked, this, &Form1::clearAusgabeSlot);
    connect(Beispiel_pushButton, &QPushButton::clicked, this, &Form1::BeispielSlot);
    connect(Schritte_buttonGrup, &QButtonGroup::idClicked, this, &Form1::SchrittweiteSlot);
    connect(BeispieleXYZ_pushButton, &QPushButton::clicked, this, &Form1::BeispieleXYZ_Slot);
    connect(clearlListBoxXYZ_pushButton, &QPushButton::clicked, this, &Form1::clearListBoxXYZ_Slot);
    connect(clearTableXYZ_pushButton, &QPushButton::clicked, this, &Form1::clearTabeleXYZ_Slot);
    connect(istGleichXYZ_pushButton, &QPushButton::clicked, this, &Form1::istGleichXYZ_Slot);
    connect(IstGleich_pushButton, &QPushButton::clicked, this, &Form1::istGleichSlot);

    // Return solves, as a click on "=" does: in either side's field and on a focused "=";
    // in the coefficient table, whose Return ends the edit of a cell, with Ctrl.
    connect(GleichLinks_LineEdit, &QLineEdit::returnPressed, IstGleich_pushButton,
            &QPushButton::click);
    connect(GleichRechts_LineEdit, &QLineEdit::returnPressed, IstGleich_pushButton,
            &QPushButton::click);
    clickOnReturn(IstGleich_pushButton);
    clickOnReturn(istGleichXYZ_pushButton);
    clickOnCtrlReturn(GleichungenXYZ_table, istGleichXYZ_pushButton);
}

// One chain through every control in layout order: the equation tab as the chain always was,
// the tab bar, the other tabs of page 0, then page 1. Tab skips the controls of hidden tabs.
// A tab widget stands in the chain as its tab bar: placed as a whole it would move the
// controls of its pages along with it.
void Form1::setKeyboardOrder() {
    QWidget* const chain[] = {GleichLinks_LineEdit,
                              GleichRechts_LineEdit,
                              IstGleich_pushButton,
                              Mitte_spinBox,
                              Delta_spinBox,
                              hunderstel_radioButton,
                              tusendstel_radioButton,
                              clearEingabe_pushButton,
                              clearAusgabe_pushButton,
                              Beispiel_pushButton,
                              Ergebnisse_ListBox,
                              TabWidget->tabBar(),
                              Zeichnen_pushButton,
                              Normal_pushButton,
                              Loesungsintervall_pushButton,
                              Vergroessern_pushButton,
                              Verkleinern_pushButton,
                              yGroesser_pushButton,
                              yKleiner_pushButton,
                              yL_yR_pushButton13,
                              yOffset_scrollBar,
                              xOffset_scrollBar,
                              HilfeListBox,
                              tabWidget3->tabBar(),
                              GleichungenXYZ_table,
                              AusgabeXYZ_listBox,
                              istGleichXYZ_pushButton,
                              clearTableXYZ_pushButton,
                              clearlListBoxXYZ_pushButton,
                              BeispieleXYZ_pushButton,
                              textEdit1};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
}
