// The linear-system page: reads the coefficient table, solves the system and lists the
// values of the unknowns, or its solution set; the example button loads the built-in
// systems.
#include "form/window/form1.h"

#include <QAbstractItemModel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "form/linear_system/linear_system_examples.h"
#include "form/linear_system/system_block.h"
#include "form/linear_system/table_system.h"
#include "form/window/busy_guard.h"
#include "gauss/gausalgorithmus.h"

// The solver of the page.
Gausalgorithmus GausAlgorithmus;

// Coefficients handed to the solver, [unknown][equation], both counted from 1.
long double XK_Gausalg[Gausalgorithmus::Groesse][Gausalgorithmus::Groesse];
// Right-hand sides handed to the solver, by equation from 1.
long double Wert_Gausalg[Gausalgorithmus::Groesse];
// Number of unknowns of the last solve.
int AnzahlVariablen_Gausalg = 0;
// Scratch text for formatted lines and the example button's label.
QString Str;

void Form1::istGleichXYZ_Slot() {
    const BusyGuard busy;
    const SolvedSystem solved = solveSystemCells(tableTexts(GleichungenXYZ_table),
                                                 {GausAlgorithmus, XK_Gausalg, Wert_Gausalg});
    AnzahlVariablen_Gausalg = solved.unknowns;
    AusgabeXYZ_listBox->addItems(solved.block);
    AusgabeXYZ_listBox->scrollToItem(AusgabeXYZ_listBox->item(AusgabeXYZ_listBox->count() - 1),
                                     QAbstractItemView::PositionAtTop);
}

void Form1::clearTabeleXYZ_Slot() {
    GleichungenXYZ_table->clearContents();
}

void Form1::clearListBoxXYZ_Slot() {
    AusgabeXYZ_listBox->clear();
}

void Form1::BeispieleXYZ_Slot() {
    using linear_system_examples::Examples;
    if (BeispielNr < 0 || BeispielNr >= linear_system_examples::Count) {
        BeispielNr = 0;
    }
    ++BeispielNr;
    Str = tr("Beispiel Nr:%1").arg(BeispielNr);
    BeispieleXYZ_pushButton->setText(Str);
    clearTabeleXYZ_Slot();

    const linear_system_examples::Example& example = Examples[BeispielNr - 1];
    AusgabeXYZ_listBox->addItem(tr(example.heading));
    for (int row = 0; row < example.rows; ++row) {
        for (int column = 0; column <= example.rows; ++column) {
            GleichungenXYZ_table->setItem(
                row, column, new QTableWidgetItem(QString::fromLatin1(example.cells[row][column])));
        }
        if (example.lines[row] != nullptr) {
            Str = tr(example.lines[row]);
            AusgabeXYZ_listBox->addItem(Str);
        }
    }
    istGleichXYZ_Slot();
}
