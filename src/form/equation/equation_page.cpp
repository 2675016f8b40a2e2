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
#include "form/equation/equation_progress.h"
#include "form/equation/equation_state.h"
#include "form/window/busy_guard.h"
#include "form/window/c_locale_format.h"
#include "form/window/departure_line.h"
#include "form/window/empty_side_line.h"
#include "form/window/form1.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/round.h"
#include "solver/equation_search.h"
#include "solver/root_refinement.h"

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

// Grid steps per unit of the two step buttons.
constexpr long double HundredthSteps = 100;
constexpr long double ThousandthSteps = 1000;
// Printed roots are rounded to this many decimal places.
constexpr double RootDecimals = 10;
const char* const ClosingLine =
    "-----------------------------------------------------------------------";

// Each example is solved on the current centre with this half-width.
constexpr int BeispielDeltaWert = 1000;

// The sides the scan and the refinements of the last request run on.
EquationSides equationSides;

// The line "X<r> = <root>" with the decimal point, whatever the numeric locale.
QString resultLine(int r, long double root) {
    return QString::fromStdString(formatInCLocale("X%d = % .10Lg", r, root));
}

// An x in the lines about stretches, rounded as the roots are.
QString place(long double x) {
    return QString::fromStdString(formatNumber("%.10Lg", Round(x, RootDecimals)));
}

// The one line of a run of exact zeros at three or more grid points.
QString runLine(BracketKind kind, long double from, long double to) {
    return (kind == BracketKind::Identity
                ? Form1::tr("Jedes x von %1 bis %2 löst die Gleichung")
                : Form1::tr("Gleich im Rahmen der Rechengenauigkeit: x von %1 bis %2"))
        .arg(place(from), place(to));
}

// At most this many lines name the stretches the search could not decide.
constexpr std::size_t UndecidedLines = 3;

// The lines before the closing line that say what the list does not cover.
QStringList coverageLines(const SearchNotes& notes, bool refinementCancelled, long double reached) {
    QStringList lines;
    if (refinementCancelled) {
        lines << Form1::tr("Abgebrochen: die Liste reicht bis x = %1").arg(place(reached));
        return lines;
    }
    if (notes.capReached) {
        lines << Form1::tr("Nur die ersten %1 Nullstellen: die Liste reicht bis x = %2")
                     .arg(MaxBrackets)
                     .arg(place(notes.listedUpTo));
    }
    // Stretches whose gap does not show in the printed places read as one.
    std::vector<std::pair<QString, QString>> stretches;
    for (const Stretch& s : notes.undecided) {
        const QString from = place(s.lower);
        if (!stretches.empty() && stretches.back().second == from) {
            stretches.back().second = place(s.upper);
        } else {
            stretches.emplace_back(from, place(s.upper));
        }
    }
    for (std::size_t i = 0; i < stretches.size() && i < UndecidedLines; ++i) {
        // The last line takes in all the stretches left.
        const QString& to = i + 1 == UndecidedLines ? stretches.back().second : stretches[i].second;
        lines << Form1::tr("Nicht entschieden: x von %1 bis %2").arg(stretches[i].first, to);
    }
    if (notes.provenNoRoot) {
        lines << Form1::tr("Keine Nullstelle im Intervall");
    }
    return lines;
}

// "<left> = <right>" of the compiled texts, both whole.
QString headingLine() {
    char line[2 * sizeof links.Formel + 4];
    std::snprintf(line, sizeof line, "%s = %s", links.Formel, rechts.Formel);
    return QString::fromUtf8(line);
}

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
    Ergebnisse_ListBox->addItem(headingLine());
    Ergebnisse_ListBox->addItem(QString());
    // An empty side would be solved as 0, a side not read as typed as a different equation.
    const QString empty = emptySideLine(links, rechts);
    const QString misread = empty.isEmpty() ? departureLine(links, rechts) : empty;
    if (!misread.isEmpty()) {
        Ergebnisse_ListBox->addItem(misread);
        Ergebnisse_ListBox->addItem(QString::fromLatin1(ClosingLine));
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
            tr("Abgebrochen: gesucht bis x = %1").arg(place(searchNotes.lastX)));
        Ergebnisse_ListBox->addItem(QString::fromLatin1(ClosingLine));
        showNewestLine(Ergebnisse_ListBox);
        return;
    }

    Ergebnisse_ListBox->addItem(QStringLiteral(" "));
    int r = 0;
    long double reached = MinX;
    for (int i = 1; i <= h; ++i) {
        const bool run =
            bracketKinds[i] == BracketKind::Identity || bracketKinds[i] == BracketKind::Plateau;
        const std::optional<long double> root =
            run ? std::nullopt
                : settleBracket(XL[i], XR[i],
                                [this](long double lower, long double upper, bool& Fehler) {
                                    return X_Regula_Falsi(lower, upper, Fehler);
                                });
        if (!work) {
            break;
        }
        reached = XR[i];
        if (run) {
            Ergebnisse_ListBox->addItem(runLine(bracketKinds[i], XL[i], XR[i]));
        } else if (root) {
            ++r;
            Ergebnisse_ListBox->addItem(resultLine(r, Round(*root, RootDecimals)));
            if (porgressDialog->isVisible()) {
                showNewestLine(Ergebnisse_ListBox);
            }
        }
        if (refinementShowsProgress) {
            if (refinementProgress.wasCancelled()) {
                work = false;
            }
            ++Inc_porgressDialog;
            refinementProgress.setProgress(Inc_porgressDialog);
        }
    }
    Ergebnisse_ListBox->addItems(coverageLines(searchNotes, !work, reached));
    Ergebnisse_ListBox->addItem(QString::fromLatin1(ClosingLine));
    showNewestLine(Ergebnisse_ListBox);
    if (refinementShowsProgress) {
        refinementProgress.reset();
    }
}

int Form1::X_ungefaehr(int a, int b) {
    const ScanGrid grid = makeGrid(a, b, Schrittweite);
    if (!porgressDialog) {
        return keepSearchOutcome(searchEquation(equationSides, grid, nullptr));
    }
    DialogProgress progress(porgressDialog);
    return keepSearchOutcome(searchEquation(equationSides, grid, &progress));
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
