// The linear-system page: reads the coefficient table, solves the system and lists the
// values of the unknowns; the example button loads the built-in systems.
#include "form/window/form1.h"

#include <QAbstractItemModel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <cmath>

#include "form/linear_system/linear_system_examples.h"
#include "form/window/busy_guard.h"
#include "form/window/c_locale_format.h"
#include "gauss/gausalgorithmus.h"
#include "gauss/solution_set.h"

// The solver of the page.
Gausalgorithmus GausAlgorithmus;

// Coefficients handed to the solver, [unknown][equation], both counted from 1.
long double XK_Gausalg[Gausalgorithmus::Groesse][Gausalgorithmus::Groesse];
// Right-hand sides handed to the solver, by equation from 1.
long double Wert_Gausalg[Gausalgorithmus::Groesse];
// Number of equations, and of unknowns, of the last solve.
int AnzahlVariablen_Gausalg = 0;
// Scratch text for formatted lines and the example button's label.
QString Str;

namespace {

// The table holds at most this many equations.
constexpr int MaxEquations = 10;
constexpr const char* Separator =
    "------------------------------------------------------------------------------";

// A table cell read as a number.
struct Cell {
    // The cell is empty or holds only blanks.
    bool empty;
    // The cell holds a finite number, written with "," or "." as the decimal point.
    bool number;
    long double value;
};

Cell readCell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    QString text = item ? item->text().trimmed() : QString();
    if (text.isEmpty()) {
        return {true, false, 0};
    }
    bool ok = false;
    const double value = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return {false, false, 0};
    }
    return {false, true, value};
}

// Number of consecutive rows from the top whose right-hand side is a number.
int countEquations(const QTableWidget* table) {
    const int rows = std::min(table->rowCount(), MaxEquations);
    int n = 0;
    while (n < rows && readCell(table, n, 0).number) {
        ++n;
    }
    return n;
}

// Reads the n x n system into XK_Gausalg and Wert_Gausalg. Empty coefficient cells count
// as 0. Returns the line that names the first coefficient cell holding text that is not a
// number, or an empty text when every cell could be read.
QString readSystem(const QTableWidget* table, int n) {
    for (int row = 0; row < n; ++row) {
        Wert_Gausalg[row + 1] = readCell(table, row, 0).value;
        for (int column = 1; column <= n; ++column) {
            const Cell cell = readCell(table, row, column);
            if (!cell.empty && !cell.number) {
                return Form1::tr("Keine Zahl in G%1, %2: %3")
                    .arg(QString::number(row + 1),
                         table->model()->headerData(column, Qt::Horizontal).toString(),
                         table->item(row, column)->text());
            }
            XK_Gausalg[column][row + 1] = cell.value;
        }
    }
    return QString();
}

// Formats the value of unknown i with the "C" numeric conventions, whatever the locale.
QString resultLine(int i, long double value) {
    return QString::fromStdString(formatInCLocale("X%d = % .10LG", i, value));
}

} // namespace

void Form1::istGleichXYZ_Slot() {
    const BusyGuard busy;
    const int n = countEquations(GleichungenXYZ_table);
    AnzahlVariablen_Gausalg = n;
    const QString error = readSystem(GleichungenXYZ_table, n);
    if (!error.isEmpty()) {
        AusgabeXYZ_listBox->addItem(error);
    } else if (GausAlgorithmus.Werte_uebergeben(XK_Gausalg, Wert_Gausalg, n) != 0) {
        AusgabeXYZ_listBox->addItem(gauss::solveSystem(XK_Gausalg, Wert_Gausalg, n, n).kind ==
                                            gauss::SolutionKind::Infinite
                                        ? tr("Unendlich viele Loesungen!")
                                        : tr("Keine Loesung!"));
    } else {
        for (int i = 1; i <= n; ++i) {
            Str = resultLine(i, GausAlgorithmus.getWert(i));
            AusgabeXYZ_listBox->addItem(Str);
        }
    }
    AusgabeXYZ_listBox->addItem(QString::fromLatin1(Separator));
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
