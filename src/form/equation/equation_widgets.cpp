// Construction of page 0: the equation tab and the help tab of the formula language.
#include "form/window/form1.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "form/equation/equation_block.h"
#include "form/window/result_list.h"
#include "form/window/result_list_copy.h"
#include "form/window/whole_number_spin_box.h"
#include "form/window/widget_setup.h"
#include "interpreter/formelinterpreter.h"

namespace {

// The interval labels: fixed 70 x 25 or what the widest bound needs, black on white
// whatever the palette.
void setupBoundLabel(QLabel* label) {
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    widget_setup::setFixedSizeFor(label, QSize(70, 25), QStringLiteral("-1001000000"));
    widget_setup::setWindowColours(label, QColor(0, 0, 0), QColor(255, 255, 255));
}

} // namespace

void Form1::createEquationPage() {
    WStackPage = new QWidget(widgetStack);
    WStackPage->setObjectName("WStackPage");
    WStackPageLayout = widget_setup::newGridLayout(WStackPage, "WStackPageLayout");

    TabWidget = new QTabWidget(WStackPage);
    TabWidget->setObjectName("TabWidget");
    // No fixed minimum: the tab widget needs what its pages need (far above 50 x 0), so that a
    // narrow window scrolls them instead of cutting their texts.
    createEquationTab();
    createGraphTab();
    createHelpTab();
    WStackPageLayout->addWidget(TabWidget, 0, 0);
    widgetStack->addWidget(WStackPage);
}

void Form1::createEquationTab() {
    Gleichung_TabPage = new QWidget(TabWidget);
    Gleichung_TabPage->setObjectName("Gleichung_TabPage");
    Gleichung_TabPageLayout =
        widget_setup::newGridLayout(Gleichung_TabPage, "Gleichung_TabPageLayout");

    layout12 = widget_setup::newRow("layout12");
    Gleichung_TabPageLayout->addLayout(layout12, 0, 0);
    GleichLinks_LineEdit = new QLineEdit(Gleichung_TabPage);
    GleichLinks_LineEdit->setObjectName("GleichLinks_LineEdit");
    widget_setup::setFontFamily(GleichLinks_LineEdit, "Adobe Courier");
    GleichLinks_LineEdit->setMaxLength(Formelinterpreter::MaxTextLength);
    layout12->addWidget(GleichLinks_LineEdit);
    IstGleich_pushButton = new QPushButton(Gleichung_TabPage);
    IstGleich_pushButton->setObjectName("IstGleich_pushButton");
    widget_setup::setFont(IstGleich_pushButton, "Adobe Courier", 20, true);
    layout12->addWidget(IstGleich_pushButton);
    GleichRechts_LineEdit = new QLineEdit(Gleichung_TabPage);
    GleichRechts_LineEdit->setObjectName("GleichRechts_LineEdit");
    widget_setup::setFontFamily(GleichRechts_LineEdit, "Adobe Courier");
    GleichRechts_LineEdit->setMaxLength(Formelinterpreter::MaxTextLength);
    layout12->addWidget(GleichRechts_LineEdit);

    frame3 = new QFrame(Gleichung_TabPage);
    frame3->setObjectName("frame3");
    frame3->setMaximumHeight(200);
    frame3->setFrameShape(QFrame::StyledPanel);
    frame3->setFrameShadow(QFrame::Raised);
    frame3Layout = widget_setup::newGridLayout(frame3, "frame3Layout");

    layout29 = widget_setup::newRow("layout29");
    frame3Layout->addLayout(layout29, 0, 0);
    textLabel1 = new QLabel(frame3);
    textLabel1->setObjectName("textLabel1");
    layout29->addWidget(textLabel1);
    Mitte_spinBox = new WholeNumberSpinBox(frame3);
    Mitte_spinBox->setObjectName("Mitte_spinBox");
    Mitte_spinBox->setFixedSize(110, 25);
    Mitte_spinBox->setRange(-CentreLimit, CentreLimit);
    Mitte_spinBox->setValue(0);
    textLabel1->setBuddy(Mitte_spinBox);
    layout29->addWidget(Mitte_spinBox);

    layout30 = widget_setup::newRow("layout30");
    frame3Layout->addLayout(layout30, 0, 1);
    textLabel2 = new QLabel(frame3);
    textLabel2->setObjectName("textLabel2");
    layout30->addWidget(textLabel2);
    Delta_spinBox = new WholeNumberSpinBox(frame3);
    Delta_spinBox->setObjectName("Delta_spinBox");
    Delta_spinBox->setFixedSize(85, 25);
    Delta_spinBox->setRange(MinHalfWidth, MaxHalfWidth);
    Delta_spinBox->setValue(1000);
    textLabel2->setBuddy(Delta_spinBox);
    layout30->addWidget(Delta_spinBox);

    Schritte_groupBox = new QGroupBox(frame3);
    Schritte_groupBox->setObjectName("Schritte_groupBox");
    auto* stepBoxLayout = new QVBoxLayout(Schritte_groupBox);
    stepBoxLayout->setContentsMargins(11, 11, 11, 11);
    stepBoxLayout->setSpacing(6);
    Schritte_buttonGrupLayout = new QHBoxLayout();
    Schritte_buttonGrupLayout->setAlignment(Qt::AlignTop);
    stepBoxLayout->addLayout(Schritte_buttonGrupLayout);
    Schritte_buttonGrup = new QButtonGroup(Schritte_groupBox);
    Schritte_buttonGrup->setObjectName("Schritte_buttonGrup");
    hunderstel_radioButton = new QRadioButton(Schritte_groupBox);
    hunderstel_radioButton->setObjectName("hunderstel_radioButton");
    hunderstel_radioButton->setChecked(true);
    Schritte_buttonGrup->addButton(hunderstel_radioButton, 0);
    Schritte_buttonGrupLayout->addWidget(hunderstel_radioButton);
    tusendstel_radioButton = new QRadioButton(Schritte_groupBox);
    tusendstel_radioButton->setObjectName("tusendstel_radioButton");
    Schritte_buttonGrup->addButton(tusendstel_radioButton, 1);
    Schritte_buttonGrupLayout->addWidget(tusendstel_radioButton);
    frame3Layout->addWidget(Schritte_groupBox, 0, 2);

    layout27 = widget_setup::newRow("layout27");
    frame3Layout->addLayout(layout27, 0, 3, 1, 2);
    textLabel3 = new QLabel(frame3);
    textLabel3->setObjectName("textLabel3");
    layout27->addWidget(textLabel3);
    vonX_lb = new QLabel(frame3);
    vonX_lb->setObjectName("vonX_lb");
    setupBoundLabel(vonX_lb);
    layout27->addWidget(vonX_lb);

    layout28 = widget_setup::newRow("layout28");
    frame3Layout->addLayout(layout28, 0, 5);
    textLabel4 = new QLabel(frame3);
    textLabel4->setObjectName("textLabel4");
    layout28->addWidget(textLabel4);
    bisX_lb = new QLabel(frame3);
    bisX_lb->setObjectName("bisX_lb");
    setupBoundLabel(bisX_lb);
    layout28->addWidget(bisX_lb);

    clearEingabe_pushButton = new QPushButton(frame3);
    clearEingabe_pushButton->setObjectName("clearEingabe_pushButton");
    frame3Layout->addWidget(clearEingabe_pushButton, 1, 0, 1, 2);
    clearAusgabe_pushButton = new QPushButton(frame3);
    clearAusgabe_pushButton->setObjectName("clearAusgabe_pushButton");
    frame3Layout->addWidget(clearAusgabe_pushButton, 1, 2, 1, 2);
    Beispiel_pushButton = new QPushButton(frame3);
    Beispiel_pushButton->setObjectName("Beispiel_pushButton");
    frame3Layout->addWidget(Beispiel_pushButton, 1, 4, 1, 2);
    Gleichung_TabPageLayout->addWidget(frame3, 1, 0);

    Ergebnisse_ListBox = new ResultList(Gleichung_TabPage);
    Ergebnisse_ListBox->setObjectName("Ergebnisse_ListBox");
    Ergebnisse_ListBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    widget_setup::setBaseColours(Ergebnisse_ListBox, QColor(85, 255, 0), QColor(0, 0, 0));
    widget_setup::setFont(Ergebnisse_ListBox, "Adobe Courier", 15, false);
    result_list_copy::enable(Ergebnisse_ListBox);
    Gleichung_TabPageLayout->addWidget(Ergebnisse_ListBox, 2, 0);

    TabWidget->addTab(Gleichung_TabPage, QString());
}

void Form1::createHelpTab() {
    Hilfe_TabPage = new QWidget(TabWidget);
    Hilfe_TabPage->setObjectName("Hilfe_TabPage");
    Hilfe_TabPageLayout = widget_setup::newGridLayout(Hilfe_TabPage, "Hilfe_TabPageLayout");

    HilfeListBox = new QListWidget(Hilfe_TabPage);
    HilfeListBox->setObjectName("HilfeListBox");
    widget_setup::setFont(HilfeListBox, "Adobe Courier", 20, true);
    Hilfe_TabPageLayout->addWidget(HilfeListBox, 0, 0);

    TabWidget->addTab(Hilfe_TabPage, QString());
}
