#pragma once

// The state the window keeps for the equation and graph pages, filled from the results of
// the root search, which takes its sides as a parameter and holds none of it.

#include "interpreter/formelinterpreter.h"
#include "solver/bracket_scan.h"
#include "solver/equation_search.h"
#include "solver/equation_sides.h"
#include "solver/root_bracket.h"

#include <string_view>
#include <vector>

// Bracket arrays have this many entries; index 0 is never used, brackets occupy indices 1
// to at most MaxBrackets.
inline constexpr int BracketArraySize = MaxBrackets + 1;

// The left and the right side of the equation, as both pages compiled them last.
extern Formelinterpreter links;
extern Formelinterpreter rechts;
// Grid steps per unit of x; the grid step is 1 / Schrittweite.
extern long double Schrittweite;
// Lower and upper ends of the brackets of the last scan, from index 1, increasing in x.
extern long double XL[BracketArraySize];
extern long double XR[BracketArraySize];
// Computation may continue; cleared when the user cancels.
extern bool work;
// The kind of each bracket in XL/XR: a root settled or to refine, or a run of exact zeros.
extern BracketKind bracketKinds[BracketArraySize];

// What the last search does not cover, for the lines that say so.
struct SearchNotes {
    bool cancelled;
    long double lastX;
    bool capReached;
    long double listedUpTo;
    std::vector<Stretch> undecided;
    bool provenNoRoot;
};
extern SearchNotes searchNotes;

// Copies the texts into links and rechts, compiles both and records them as `sides`.
void compileEquation(std::string_view left, std::string_view right, EquationSides& sides);

// Leaves x in X of links and rechts as the last x evaluated.
void keepLastX(long double x);

// Stores a scan's outcome: the brackets in XL/XR from index 1, a cancel in work, the last
// grid point in X of links and rechts. Returns the number of brackets.
int keepScanOutcome(const ScanOutcome& outcome);

// Stores a search's outcome as keepScanOutcome stores a scan's, with the kinds of its brackets
// and the notes on what it does not cover.
int keepSearchOutcome(const SearchOutcome& outcome);
