// Every text the main window shows. May run again at any time and yields the same window.
#include "form/window/form1.h"

#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include "form/graph/fitted_button_text.h"
#include "form/graph/graph_frame.h"
#include "form/linear_system/linear_system_table_labels.h"
#include "form/window/help_texts.h"
#include "form/window/result_list_copy.h"

namespace {

// Sets the text of a header item, creating the item if it is missing.
void setHeaderText(QTableWidget* table, Qt::Orientation orientation, int index,
                   const QString& text) {
    QTableWidgetItem* item = orientation == Qt::Horizontal ? table->horizontalHeaderItem(index)
                                                           : table->verticalHeaderItem(index);
    if (item) {
        item->setText(text);
    } else if (orientation == Qt::Horizontal) {
        table->setHorizontalHeaderItem(index, new QTableWidgetItem(text));
    } else {
        table->setVerticalHeaderItem(index, new QTableWidgetItem(text));
    }
}

// Sets a button's text and removes every keyboard accelerator from it.
void setTextWithoutShortcut(QPushButton* button, const QString& text) {
    button->setText(text);
    button->setShortcut(QKeySequence());
}

} // namespace

void Form1::languageChange() {
    setWindowTitle(tr("Quintabor_2004-Version 0.5  eMail:kontakt@example.org     "
                      "https://example.org"));
    TabWidget->setToolTip(QString());
    TabWidget->setWhatsThis(tr("jsdjsdjfiagjggaojgiioeiohreerz"));

    IstGleich_pushButton->setText(tr("="));
    clearEingabe_pushButton->setText(tr("Lösche Eingabe"));
    clearAusgabe_pushButton->setText(tr("Lösche Ausgabe"));
    Beispiel_pushButton->setText(tr("Beispiel"));
    Beispiel_pushButton->setToolTip(tr("Bitte click mich!"));
    Schritte_groupBox->setTitle(tr("Schrittweite"));
    hunderstel_radioButton->setText(tr("0.01"));
    tusendstel_radioButton->setText(tr("0.001"));
    textLabel1->setText(tr("Mitte: "));
    textLabel2->setText(tr("Delta:"));
    textLabel3->setText(tr("Annäherung von:"));
    // The interval a solve would use, from the first paint on.
    vonX_lb->setText(QString::number(Mitte_spinBox->value() - Delta_spinBox->value()));
    textLabel4->setText(tr("bis:"));
    bisX_lb->setText(QString::number(Mitte_spinBox->value() + Delta_spinBox->value()));
    TabWidget->setTabText(TabWidget->indexOf(Gleichung_TabPage), tr("&Gleichung X=?"));
    result_list_copy::setText(Ergebnisse_ListBox, tr("Kopieren"));

    Xmin_textLabel->setText(tr("0.0"));
    Xmax_textLabel->setText(tr("0.0"));
    Steuern_groupBox->setTitle(tr("Steuern"));
    Ymax_textLabel->setText(tr("Ymax:0.0"));
    textLabel1_2->setText(tr("xM="));
    x_textLabel->setText(tr("0"));
    textLabel3_2->setText(tr("yM="));
    y_textLabel->setText(tr("0"));
    setTextWithoutShortcut(Zeichnen_pushButton, tr("Paint"));
    setTextWithoutShortcut(Normal_pushButton, tr("Normal"));
    // The column's width less its margins.
    setFittedText(Loesungsintervall_pushButton, tr("Lösungsintervall"),
                  Steuern_groupBox->maximumWidth() - 22);
    setTextWithoutShortcut(Vergroessern_pushButton, tr("Größer"));
    setTextWithoutShortcut(Verkleinern_pushButton, tr("Kleiner"));
    setTextWithoutShortcut(yGroesser_pushButton, tr("yGrößer"));
    yKleiner_pushButton->setText(tr("yKleiner"));
    setTextWithoutShortcut(yL_yR_pushButton13, tr("yL u. yR"));
    Ymin_textLabel->setText(tr("Ymin:0.0"));
    TabWidget->setTabText(TabWidget->indexOf(Graph_TabPage), tr("Grafik"));

    HilfeListBox->clear();
    for (const char* item : help_texts::Operators) {
        HilfeListBox->addItem(tr(item));
    }
    TabWidget->setTabText(TabWidget->indexOf(Hilfe_TabPage), tr("&Hilfe"));

    for (int column = 0; column < xyz_table_labels::Columns; ++column) {
        setHeaderText(GleichungenXYZ_table, Qt::Horizontal, column,
                      tr(xyz_table_labels::Horizontal[column]));
    }
    for (int row = 0; row < xyz_table_labels::Rows; ++row) {
        setHeaderText(GleichungenXYZ_table, Qt::Vertical, row, tr(xyz_table_labels::Vertical[row]));
    }
    istGleichXYZ_pushButton->setText(tr("="));
    istGleichXYZ_pushButton->setToolTip(QString());
    clearTableXYZ_pushButton->setText(tr("Lösche Tabelle"));
    clearlListBoxXYZ_pushButton->setText(tr("Lösche Ausgabe"));
    BeispieleXYZ_pushButton->setText(tr("Beispiele"));
    BeispieleXYZ_pushButton->setToolTip(tr("Bitte click mich!"));
    result_list_copy::setText(AusgabeXYZ_listBox, tr("Kopieren"));
    tabWidget3->setTabText(tabWidget3->indexOf(tab), tr("GleichungenXYZ"));
    textEdit1->setHtml(tr(help_texts::LinearSystemHelp));
    tabWidget3->setTabText(tabWidget3->indexOf(tab_2), tr("Hilfe"));

    menuGleichnungenX_Action->setIconText(tr("Gleichnungen_X"));
    menuGleichnungenX_Action->setText(tr("Gleichnungen_X"));
    menuGleichnungenX_Action->setToolTip(tr("Löst Gleichungen mit einer Unbekanten z.B. x^2=56-x"));
    menuGleichungenXYZ_Action->setIconText(tr("Gleichungen_ XYZ "));
    menuGleichungenXYZ_Action->setText(tr("Gleichungen_ XYZ "));
    menuGleichungenXYZ_Action->setToolTip(
        tr("Löst Gleichungen mit mehreren Unbekanten z.B.   x+y=12    und    x-y=2 "));
    if (MenuBarEditor->actions().contains(PopupMenu->menuAction())) {
        PopupMenu->setTitle(tr("Menu"));
    }

    // Names for screen readers where neither a label (the spin boxes have theirs as buddies)
    // nor a text that says what the control does names it.
    GleichLinks_LineEdit->setAccessibleName(tr("Linke Seite der Gleichung"));
    GleichRechts_LineEdit->setAccessibleName(tr("Rechte Seite der Gleichung"));
    IstGleich_pushButton->setAccessibleName(tr("Gleichung lösen"));
    Ergebnisse_ListBox->setAccessibleName(tr("Ergebnisse"));
    grafik->setAccessibleName(tr("Grafik"));
    xOffset_scrollBar->setAccessibleName(tr("Verschieben in x"));
    yOffset_scrollBar->setAccessibleName(tr("Verschieben in y"));
    HilfeListBox->setAccessibleName(tr("Operatoren und Funktionen"));
    GleichungenXYZ_table->setAccessibleName(tr("Koeffizienten der Gleichungen"));
    AusgabeXYZ_listBox->setAccessibleName(tr("Ergebnisse"));
    istGleichXYZ_pushButton->setAccessibleName(tr("Gleichungssystem lösen"));
    textEdit1->setAccessibleName(tr("Hilfe"));
}
