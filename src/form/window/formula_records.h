#pragma once

// The two formula records that the equation page and the graph page share: each copies the
// texts of the line edits into them and compiles them anew before it evaluates.

#include "interpreter/formelinterpreter.h"
#include "solver/equation_sides.h"

#include <string_view>

// The left and the right side of the equation, as a page compiled them last.
extern Formelinterpreter links;
extern Formelinterpreter rechts;

// Copies the texts into links and rechts, compiles both and records them as `sides`.
void compileEquation(std::string_view left, std::string_view right, EquationSides& sides);

// Leaves x in X of links and rechts as the last x evaluated.
void keepLastX(long double x);
