#include "form/equation/result_lines.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>
#include <vector>

#include "form/window/c_locale_format.h"
#include "interpreter/round.h"
#include "solver/printed_places.h"

namespace {

QString translated(const char* text) {
    return QCoreApplication::translate("Form1", text);
}

const char* const PoleLine = QT_TRANSLATE_NOOP("Form1", "Polstelle bei x = %1");
const char* const HoleLine = QT_TRANSLATE_NOOP("Form1", "Definitionslücke bei x = %1");
const char* const IdentityLine =
    QT_TRANSLATE_NOOP("Form1", "Jedes x von %1 bis %2 löst die Gleichung");
const char* const PlateauLine =
    QT_TRANSLATE_NOOP("Form1", "Gleich im Rahmen der Rechengenauigkeit: x von %1 bis %2");
const char* const UndecidedLine = QT_TRANSLATE_NOOP("Form1", "Nicht entschieden: x von %1 bis %2");

// Poles or holes: one line each up to this many, else one line for all of them.
constexpr std::size_t LinesPerKind = 10;
// Undecided stretches: one line each up to this many, then one line for the rest.
constexpr std::size_t UndecidedLines = 3;

QString rootLine(int r, long double root) {
    return QString::fromStdString(
        formatInCLocale("X%d = % .10Lg", r, Round(root, PrintedDecimals)));
}

QString stretchLine(const char* text, const Finding& f) {
    const auto [from, to] = stretchEnds(f.lower, f.upper);
    return translated(text).arg(from, to);
}

// "Polstelle bei x = %1" for each, or one line for all of them.
void addPoints(QStringList& lines, const std::vector<Finding>& points, const char* one,
               const char* many) {
    if (points.size() <= LinesPerKind) {
        for (const Finding& f : points) {
            lines << translated(one).arg(printedPlace(f.lower));
        }
        return;
    }
    const auto [from, to] = stretchEnds(points.front().lower, points.back().lower);
    lines << translated(many).arg(points.size()).arg(from, to);
}

void addUndecided(QStringList& lines, const std::vector<Finding>& stretches) {
    for (std::size_t i = 0; i < stretches.size() && i < UndecidedLines; ++i) {
        lines << stretchLine(UndecidedLine, stretches[i]);
    }
    if (stretches.size() > UndecidedLines) {
        const auto [from, to] =
            stretchEnds(stretches[UndecidedLines].lower, stretches.back().upper);
        lines << translated(
                     QT_TRANSLATE_NOOP(
                         "Form1",
                         "… und %1 weitere nicht entschiedene Stellen zwischen x = %2 und x = %3"))
                     .arg(stretches.size() - UndecidedLines)
                     .arg(from, to);
    }
}

} // namespace

QString printedPlace(long double x) {
    return QString::fromStdString(formatNumber("%.10Lg", Round(x, PrintedDecimals)));
}

QString findingLine(const Finding& f, int rootNumber) {
    switch (f.kind) {
    case FindingKind::Root:
        return rootLine(rootNumber, f.lower);
    case FindingKind::Identity:
        return stretchLine(IdentityLine, f);
    case FindingKind::Plateau:
        return stretchLine(PlateauLine, f);
    case FindingKind::Pole:
        return translated(PoleLine).arg(printedPlace(f.lower));
    case FindingKind::Hole:
        return translated(HoleLine).arg(printedPlace(f.lower));
    case FindingKind::Undecided:
        return stretchLine(UndecidedLine, f);
    }
    return {};
}

std::pair<QString, QString> stretchEnds(long double from, long double to) {
    // The decimals each end needs as roots are printed, the more of them for both.
    const auto decimals = [](long double x) {
        const std::string text = formatNumber("%.10Lf", Round(x, PrintedDecimals));
        const std::size_t point = text.find('.');
        const std::size_t last = text.find_last_not_of('0');
        return point == std::string::npos || last <= point ? 0 : static_cast<int>(last - point);
    };
    const int places = std::max(decimals(from), decimals(to));
    const QString a =
        QString::fromStdString(formatInCLocale("%.*Lf", places, Round(from, PrintedDecimals)));
    const QString b =
        QString::fromStdString(formatInCLocale("%.*Lf", places, Round(to, PrintedDecimals)));
    if (a != b) {
        return {a, b};
    }
    // Ends closer than the printed places: as many significant digits as tell them apart.
    for (int digits = PrintedDecimals + 1; digits < 21; ++digits) {
        const QString c = QString::fromStdString(formatInCLocale("%.*Lg", digits, from));
        const QString d = QString::fromStdString(formatInCLocale("%.*Lg", digits, to));
        if (c != d) {
            return {c, d};
        }
    }
    return {a, b};
}

QStringList resultLines(const SearchOutcome& search, const SettledFindings& settled) {
    QStringList lines;
    std::vector<Finding> poles;
    std::vector<Finding> holes;
    std::vector<Finding> undecided;
    int r = 0;
    for (const Finding& f : settled.findings) {
        switch (f.kind) {
        case FindingKind::Root:
            lines << findingLine(f, ++r);
            break;
        case FindingKind::Identity:
        case FindingKind::Plateau:
            lines << findingLine(f, r);
            break;
        case FindingKind::Pole:
            poles.push_back(f);
            break;
        case FindingKind::Hole:
            holes.push_back(f);
            break;
        case FindingKind::Undecided:
            undecided.push_back(f);
            break;
        }
    }
    addPoints(lines, poles, PoleLine,
              QT_TRANSLATE_NOOP("Form1", "%1 Polstellen von x = %2 bis %3"));
    addPoints(lines, holes, HoleLine,
              QT_TRANSLATE_NOOP("Form1", "%1 Definitionslücken von x = %2 bis %3"));
    if (settled.stopped || search.cancelled) {
        const long double reached = settled.stopped ? settled.reached : search.reached;
        lines << translated(QT_TRANSLATE_NOOP("Form1", "Abgebrochen: die Liste reicht bis x = %1"))
                     .arg(printedPlace(reached));
        return lines;
    }
    if (search.capReached) {
        lines << translated(
                     QT_TRANSLATE_NOOP(
                         "Form1", "Nur die ersten %1 Nullstellen: die Liste reicht bis x = %2"))
                     .arg(r)
                     .arg(printedPlace(search.listedUpTo));
    }
    addUndecided(lines, undecided);
    if (search.provenNoRoot) {
        lines << translated(QT_TRANSLATE_NOOP("Form1", "Keine Nullstelle im Intervall"));
    }
    return lines;
}
