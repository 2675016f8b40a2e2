#pragma once

// The block of lines that one solve request writes to the result list, built without a window,
// so that the window and the command line write the same text.

#include <QString>
#include <QStringList>

#include <string_view>

#include "form/equation/solve_record.h"
#include "interpreter/formelinterpreter.h"
#include "solver/equation_search.h"
#include "solver/settle_roots.h"

// Grid steps per unit of x of the two step buttons, 0.01 and 0.001.
inline constexpr long double HundredthSteps = 100;
inline constexpr long double ThousandthSteps = 1000;

// The interval's centre lies within ±CentreLimit, its half-width from MinHalfWidth to
// MaxHalfWidth, so that both ends fit an int.
inline constexpr int CentreLimit = 1000000000;
inline constexpr int MinHalfWidth = 1;
inline constexpr int MaxHalfWidth = 1000000;

// "<left> = <right>" of the two compiled sides, both whole.
QString headingLine(const Formelinterpreter& left, const Formelinterpreter& right);

// The line that refuses a request: a side that is empty, or the first place where a side is
// not read as typed. Empty when both sides are read as typed.
QString refusalLine(const Formelinterpreter& left, const Formelinterpreter& right);

// The line that closes every block: 71 hyphens.
QString closingLine();

// The block's end once the search has run: a line of one blank, the lines of what was found,
// the closing line.
QStringList findingsBlock(const SearchOutcome& search, const SettledFindings& settled);

// One solve request: the two texts as typed, the interval by its centre and half-width, and
// the grid steps per unit of x.
struct EquationRequest {
    std::string_view left;
    std::string_view right;
    int centre = 0;
    int halfWidth = 1000;
    long double stepsPerUnit = HundredthSteps;
};

struct SolvedEquation {
    // Every line the request writes, from its heading to its closing line.
    QStringList block;
    // The refusal line when the request was refused; the block then holds it too.
    QString refusal;
    SearchOutcome search;
    SettledFindings settled;
    // The solve as the page records it; empty when the request was refused.
    SolveRecord record;
};

// Solves a request to its end, on every core, without a progress display or a cancel.
SolvedEquation solveEquationRequest(const EquationRequest& request);
