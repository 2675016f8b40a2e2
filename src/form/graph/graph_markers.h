#pragma once

#include <QString>

#include <vector>

#include "solver/finding.h"

class EquationSides;

// The findings the graph marks: those of the last solve when its equation is the one plotted
// (compared as compiled, so blanks and capitals do not matter); null otherwise.
const std::vector<Finding>* markedFindings(const EquationSides& plotted);

// A marked finding as the result block prints it, and the value a click on it copies: its x,
// or its stretch as [from, to]. Empty for an index the last solve does not hold.
QString markerLine(int finding);
QString markerValue(int finding);
