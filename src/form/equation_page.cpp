// The equation tab: the solve request, the interval and step controls and the clear
// buttons.
#include "form/equation_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QSpinBox>

#include <cstdio>
#include <locale.h>
#include <string_view>

#include "form/busy_guard.h"
#include "form/equation_progress.h"
#include "form/form1.h"
#include "form/unrecognised_text.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/round.h"
#include "solver/root_search_state.h"

int MitteWert;
int DeltaWert;
int MinX;
int MaxX;
char zwStr[256];
QProgressDialog* porgressDialog;
int Inc_porgressDialog;

namespace {

// Grid steps per unit of the two step buttons.
constexpr long double HundredthSteps = 100;
constexpr long double ThousandthSteps = 1000;
// Printed roots are rounded to this many decimal places.
constexpr double RootDecimals = 10;
const char* const ClosingLine =
    "-----------------------------------------------------------------------";

// The line "X<r> = <root>" with the decimal point, whatever the numeric locale.
QString resultLine(int r, long double root) {
    static const locale_t numericC = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    char line[64];
    const locale_t previous = uselocale(numericC);
    std::snprintf(line, sizeof line, "X%d = % .10Lg", r, root);
    uselocale(previous);
    return QString::fromLatin1(line);
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

// Makes the newest line the list's top item. This lays out the whole list, so a request
// does it only when the list can be seen: while the progress dialog shows (events are then
// processed) and for its closing line.
void showNewestLine(QListWidget* list) {
    list->scrollToItem(list->item(list->count() - 1), QAbstractItemView::PositionAtTop);
}

// The line that names the first word or character the compiler did not know, left side
// first; empty when both sides were read whole.
QString unrecognisedLine() {
    const struct {
        const Formelinterpreter& formula;
        const char* name;
    } sides[] = {{links, "linken"}, {rechts, "rechten"}};
    for (const auto& side : sides) {
        if (side.formula.AnzahlFehler == 0) {
            continue;
        }
        const UnrecognisedText found = firstUnrecognisedText(side.formula.Formel);
        return QStringLiteral("Unbekanntes %1 auf der %2 Seite: %3")
            .arg(QLatin1String(found.word ? "Wort" : "Zeichen"), QLatin1String(side.name),
                 QString::fromUtf8(found.text.data(), static_cast<qsizetype>(found.text.size())));
    }
    return QString();
}

void copySide(const QLineEdit* edit, Formelinterpreter& side) {
    const QByteArray text = edit->text().toUtf8();
    side.setFormel(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

} // namespace

void Form1::istGleichSlot() {
    static bool ProgressDialog = false;
    Inc_porgressDialog = 0;
    if (!ProgressDialog) {
        porgressDialog = createEquationProgressDialog(this);
        // The dialog dies with its window; a window made later makes its own.
        connect(porgressDialog, &QObject::destroyed, [] {
            porgressDialog = nullptr;
            ProgressDialog = false;
        });
        ProgressDialog = true;
    }
    const BusyGuard busy(porgressDialog);

    copySide(GleichLinks_LineEdit, links);
    copySide(GleichRechts_LineEdit, rechts);
    links.Formel_compillieren();
    rechts.Formel_compillieren();
    Ergebnisse_ListBox->addItem(headingLine());
    Ergebnisse_ListBox->addItem(QString());
    // A side with an unknown word would be solved as a different equation.
    const QString unrecognised = unrecognisedLine();
    if (!unrecognised.isEmpty()) {
        Ergebnisse_ListBox->addItem(unrecognised);
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
        return;
    }

    Ergebnisse_ListBox->addItem(QStringLiteral(" "));
    int r = 0;
    for (int i = 1; i <= h; ++i) {
        bool Fehler = false;
        long double root = XL[i];
        if (XL[i] != XR[i]) {
            root = X_Regula_Falsi(XL[i], XR[i], Fehler);
        }
        if (!work) {
            break;
        }
        if (!Fehler) {
            ++r;
            Ergebnisse_ListBox->addItem(resultLine(r, Round(root, RootDecimals)));
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
    Ergebnisse_ListBox->addItem(QString::fromLatin1(ClosingLine));
    showNewestLine(Ergebnisse_ListBox);
    if (refinementShowsProgress) {
        refinementProgress.reset();
    }
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
