#include "form/linear_system/solution_lines.h"

#include <cmath>
#include <string>

#include "form/window/c_locale_format.h"
#include "form/window/form1.h"

namespace {

// "X<j> = <value> + <factor>*X<f> - ..." with the terms of the free unknowns whose factor
// is not 0; a value of 0 is left out before them.
QString expressionLine(const gauss::SolutionSet& set, int j) {
    std::string terms;
    for (int f = 1; f <= set.unknowns; ++f) {
        const long double factor = set.factor[j][f];
        if (!set.free[f] || factor == 0) {
            continue;
        }
        if (terms.empty() && set.value[j] == 0) {
            terms += formatNumber("%.10LG", factor);
        } else {
            terms += factor < 0 ? " - " : " + ";
            terms += formatNumber("%.10LG", std::fabs(factor));
        }
        terms += formatInCLocale("*X%d", f);
    }
    if (terms.empty()) {
        return valueLine(j, set.value[j]);
    }
    const std::string value =
        set.value[j] == 0 ? std::string() : formatNumber("%.10LG", set.value[j]);
    return QString::fromStdString(formatInCLocale("X%d = ", j) + value + terms);
}

} // namespace

QString valueLine(int i, long double value) {
    return QString::fromStdString(formatInCLocale("X%d = % .10LG", i, value));
}

QStringList solutionLines(const gauss::SolutionSet& set) {
    QStringList lines;
    switch (set.kind) {
    case gauss::SolutionKind::Unique:
        for (int j = 1; j <= set.unknowns; ++j) {
            lines << valueLine(j, set.value[j]);
        }
        break;
    case gauss::SolutionKind::Infinite:
        lines << Form1::tr("Unendlich viele Loesungen!");
        for (int f = 1; f <= set.unknowns; ++f) {
            if (set.free[f]) {
                lines << Form1::tr("X%1 frei").arg(f);
            }
        }
        for (int j = 1; j <= set.unknowns; ++j) {
            if (!set.free[j]) {
                lines << expressionLine(set, j);
            }
        }
        break;
    case gauss::SolutionKind::None:
    case gauss::SolutionKind::NotFinite:
        lines << Form1::tr("Keine Loesung!");
        break;
    }
    return lines;
}
