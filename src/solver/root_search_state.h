#pragma once

// State of the root search shared with the equation page: the grid, the bracket store
// of the last scan and the flag that lets a computation go on.

#include "solver/root_bracket.h"

// Bracket arrays have this many entries; index 0 is never used, brackets occupy indices 1
// to at most MaxBrackets.
inline constexpr int BracketArraySize = MaxBrackets + 1;

// Grid steps per unit of x; the grid step is 1 / Schrittweite.
extern long double Schrittweite;
// Lower and upper ends of the brackets of the last scan, from index 1, increasing in x.
extern long double XL[BracketArraySize];
extern long double XR[BracketArraySize];
// Computation may continue; cleared by the scan when the user cancels.
extern bool work;
