#pragma once

#include <QStringList>

#include "solver/equation_search.h"
#include "solver/settle_roots.h"

// The lines of a solve request's block between its blank line and its closing line, in the
// window's language: the roots "X<r> = <root>" in increasing x with the runs and plateaus among
// them, then the poles and the holes, then what the list does not cover.
QStringList resultLines(const SearchOutcome& search, const SettledFindings& settled);

// The line of one finding as the block prints it where it gives it a line of its own; a root is
// the rootNumber-th of its block.
QString findingLine(const Finding& f, int rootNumber);

// One x as the roots are printed: rounded to the printed places, as many significant digits.
QString printedPlace(long double x);

// The two ends of a stretch, printed with one precision that tells them apart.
std::pair<QString, QString> stretchEnds(long double from, long double to);
