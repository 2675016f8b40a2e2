// The equation tab: the solve request, the interval and step controls and the clear
// buttons.
#include "form/equation/equation_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QSpinBox>

#include <QPushButton>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "examples/equation_texts.h"
#include "form/equation/equation_block.h"
#include "form/equation/equation_progress.h"
#include "form/equation/equation_state.h"
#include "form/equation/solve_record.h"
#include "form/window/busy_guard.h"
#include "form/window/c_locale_format.h"
#include "form/window/form1.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/round.h"
#include "solver/equation_search.h"
#include "solver/root_refinement.h"
#include "solver/settle_roots.h"

int MitteWert;
int DeltaWert;
int MinX;
int MaxX;
char zwStr[256];
QProgressDialog* porgressDialog;
int Inc_porgressDialog;
char* BeispielGleichung[BeispielZeilen];
int AnzahlGleichungen;
int Index_Beispiel;

namespace {

// Each example is solved on the current centre with this half-width.
constexpr int BeispielDeltaWert = 1000;

// The sides the search and the refinements of the last request run on, and what the search
// found.
EquationSides equationSides;
SearchOutcome lastSearch;

void setBoundLabel(QLabel* label, char* buffer, std::size_t size, int value) {
    std::snprintf(buffer, size, "%d", value);
    label->setText(QString::fromLatin1(buffer));
}

// MaxX and MinX from MitteWert and DeltaWert, shown in the interval labels through zwStr.
void showBounds(Form1& form) {
    MaxX = MitteWert + DeltaWert;
    MinX = MitteWert - DeltaWert;
    setBoundLabel(form.vonX_lb, zwStr, sizeof zwStr, MinX);
    setBoundLabel(form.bisX_lb, zwStr, sizeof zwStr, MaxX);
}

// Makes the newest line the list's top item. A request does it only when the list can be
// seen: while the progress dialog shows (events are then processed) and for its closing
// line.
void showNewestLine(ResultList* list) {
    list->scrollToItem(list->item(list->count() - 1), QAbstractItemView::PositionAtTop);
}

std::string_view textOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

void Form1::istGleichSlot() {
    static bool ProgressDialog = false;
    Inc_porgressDialog = 0;
    if (!ProgressDialog) {
        porgressDialog = createEquationProgressDialog(this);
        // The dialog dies with its window; a window made later makes its own.
        connect(porgressDialog, &QObject::destroyed, this, [] {
            porgressDialog = nullptr;
            ProgressDialog = false;
        });
        ProgressDialog = true;
    }
    const BusyGuard busy(porgressDialog);

    compileEquation(textOf(GleichLinks_LineEdit->text().toUtf8()),
                    textOf(GleichRechts_LineEdit->text().toUtf8()), equationSides);
    Ergebnisse_ListBox->addItem(headingLine(links, rechts));
    Ergebnisse_ListBox->addItem(QString());
    const QString refusal = refusalLine(links, rechts);
    if (!refusal.isEmpty()) {
        Ergebnisse_ListBox->addItem(refusal);
        Ergebnisse_ListBox->addItem(closingLine());
        showNewestLine(Ergebnisse_ListBox);
        return;
    }
    GleichLinks_LineEdit->repaint();
    GleichRechts_LineEdit->repaint();

    MitteWert = Mitte_spinBox->value();
    DeltaWert = Delta_spinBox->value();
    MaxX = MitteWert + DeltaWert;
    MinX = MitteWert - DeltaWert;
    char bound[32];
    setBoundLabel(vonX_lb, bound, sizeof bound, MinX);
    setBoundLabel(bisX_lb, bound, sizeof bound, MaxX);
    vonX_lb->repaint();
    bisX_lb->repaint();

    work = true;
    const int h = X_ungefaehr(MinX, MaxX);
    DialogProgress refinementProgress(porgressDialog);
    const bool refinementShowsProgress = h > RefinementProgressThreshold;
    if (refinementShowsProgress) {
        refinementProgress.setTotalSteps(h);
    }
    Inc_porgressDialog = 0;
    if (!work) {
        if (refinementShowsProgress) {
            refinementProgress.reset();
        }
        Ergebnisse_ListBox->addItem(
            tr("Abgebrochen: gesucht bis x = %1")
                .arg(QString::fromStdString(formatNumber("%.10Lg", Round(lastSearch.lastX, 10)))));
        Ergebnisse_ListBox->addItem(closingLine());
        showNewestLine(Ergebnisse_ListBox);
        return;
    }

    const SettledFindings settled = settleRoots(
        lastSearch.findings,
        [this](long double lower, long double upper, bool& Fehler) {
            return X_Regula_Falsi(lower, upper, Fehler);
        },
        [] { return work; },
        [&] {
            if (refinementShowsProgress) {
                if (refinementProgress.wasCancelled()) {
                    work = false;
                }
                ++Inc_porgressDialog;
                refinementProgress.setProgress(Inc_porgressDialog);
            }
        });
    SolveRecord solve{links.Formel, rechts.Formel, MinX, MaxX, 1 / Schrittweite, settled.findings};
    addListedSolve(solve);
    setLastSolve(std::move(solve));
    Ergebnisse_ListBox->addItems(findingsBlock(lastSearch, settled));
    showNewestLine(Ergebnisse_ListBox);
    if (refinementShowsProgress) {
        refinementProgress.reset();
    }
}

int Form1::X_ungefaehr(int a, int b) {
    const ScanGrid grid = makeGrid(a, b, Schrittweite);
    if (!porgressDialog) {
        lastSearch = searchEquation(equationSides, grid, nullptr);
    } else {
        DialogProgress progress(porgressDialog);
        lastSearch = searchEquation(equationSides, grid, &progress);
    }
    return keepSearchOutcome(lastSearch);
}

long double Form1::X_Regula_Falsi(long double XL, long double XR, bool& Fehler) {
    return refineBracket(equationSides, XL, XR, Fehler);
}

void Form1::SchrittweiteSlot(int s) {
    if (s == 0) {
        Schrittweite = HundredthSteps;
    } else if (s == 1) {
        Schrittweite = ThousandthSteps;
    }
    std::printf("Schrittweite:%LG\n", Schrittweite);
    std::fflush(stdout);
}

void Form1::MitteSlot(int n) {
    MitteWert = n;
    DeltaWert = Delta_spinBox->value();
    showBounds(*this);
}

void Form1::DeltaSlot(int n) {
    DeltaWert = n;
    MitteWert = Mitte_spinBox->value();
    showBounds(*this);
}

void Form1::clearEingabeSlot() {
    GleichLinks_LineEdit->clear();
    GleichRechts_LineEdit->clear();
}

void Form1::clearAusgabeSlot() {
    Ergebnisse_ListBox->clear();
    clearListedSolves();
}

void Form1::BeispielGleichungen() {
    int row = 0;
    for (const char* text : BeispielTexte) {
        ++row;
        if (!BeispielGleichung[row]) {
            BeispielGleichung[row] = new char[BeispielTextGroesse];
        }
        std::snprintf(BeispielGleichung[row], BeispielTextGroesse, "%s", text);
    }
    AnzahlGleichungen = static_cast<int>(std::size(BeispielTexte));
}

void Form1::BeispielSlot() {
    if (AnzahlGleichungen < 1) {
        return;
    }
    ++Index_Beispiel;
    if (Index_Beispiel > AnzahlGleichungen) {
        Index_Beispiel = 1;
    }
    Delta_spinBox->setValue(BeispielDeltaWert);

    char gleichung[BeispielTextGroesse];
    std::snprintf(gleichung, sizeof gleichung, "%s", BeispielGleichung[Index_Beispiel]);
    const char* rechteSeite = "";
    if (char* gleich = std::strchr(gleichung, '=')) {
        *gleich = '\0';
        rechteSeite = gleich + 1;
    }
    GleichLinks_LineEdit->setText(QString::fromLatin1(gleichung));
    GleichRechts_LineEdit->setText(QString::fromLatin1(rechteSeite));

    Beispiel_pushButton->setText(tr("Beispiel:%1").arg(Index_Beispiel));

    istGleichSlot();
}
