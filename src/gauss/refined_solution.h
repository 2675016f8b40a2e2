#pragma once

#include "gauss/pivoted_factors.h"
#include "gauss/scaled_system.h"

namespace gauss {

// Solves a scaled system through its regular factors and improves the values by one step
// of iterative refinement: the residual of the first values, solved for a correction, is
// added where that makes the values satisfy the system better.
// Writes the unknowns in the units of the typed system to x (from 1). False when a value
// overflowed on the way.
bool solveRefined(const ScaledSystem& system, const Factors& factors, long double* x);

} // namespace gauss
