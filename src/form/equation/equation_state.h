#pragma once

// The state the window keeps for the equation page, filled from the results of the root
// search, which takes its sides as a parameter and holds none of it.

#include "form/window/formula_records.h"
#include "solver/bracket_scan.h"
#include "solver/equation_search.h"
#include "solver/root_bracket.h"

// Bracket arrays have this many entries; index 0 is never used, brackets occupy indices 1
// to at most MaxBrackets.
inline constexpr int BracketArraySize = MaxBrackets + 1;

// Grid steps per unit of x; the grid step is 1 / Schrittweite.
extern long double Schrittweite;
// Lower and upper ends of the brackets of the last search, from index 1, increasing in x.
extern long double XL[BracketArraySize];
extern long double XR[BracketArraySize];
// Computation may continue; cleared when the user cancels.
extern bool work;

// Stores a scan's outcome: the brackets in XL/XR from index 1, a cancel in work, the last
// grid point in X of links and rechts. Returns the number of brackets.
int keepScanOutcome(const ScanOutcome& outcome);

// Stores a search's outcome as keepScanOutcome stores a scan's: its roots, settled or still
// to refine, are the brackets; a cancel of the scan clears work.
int keepSearchOutcome(const SearchOutcome& outcome);
