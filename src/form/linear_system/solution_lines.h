#pragma once

#include <QString>
#include <QStringList>

#include "gauss/solution_set.h"

// "X<i> = <value>" as the page writes a value: a blank for the sign of a value that is not
// negative, ten significant digits, the decimal point whatever the locale.
QString valueLine(int i, long double value);

// The lines that state a solution set: the value of each unknown; or "Unendlich viele
// Loesungen!", a line such as "X3 frei" for each free unknown and one such as
// "X1 = 2 - 1*X3" for each other; or "Keine Loesung!".
QStringList solutionLines(const gauss::SolutionSet& set);
