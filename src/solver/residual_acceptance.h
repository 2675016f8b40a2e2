#pragma once

#include "solver/side_difference.h"

// Residual bound of the refinement: |d| <= 1e-12 ends it.
inline constexpr double Toleranz = 1e-12;

// Units in the last place of a double that a residual may be off from zero, measured at
// the magnitude of the larger side. Each side is a double library result good to about
// one unit, and where x itself is a double the difference jumps by roughly n units
// between neighbouring x for a power x^n; four units cover powers up to the fourth.
// Near a pole |d| is as large as the sides, far beyond this bound.
inline constexpr int UlpBound = 4;

// True when the point is a root within the accuracy of its evaluation: finite and either
// |d| <= Toleranz or |d| <= UlpBound units in the last place (in double) of the larger
// side's magnitude. A failed evaluation is never a root, nor is a point where a division
// by zero was skipped: the value there stands for no number (0/0 gives 0).
bool isAcceptedResidual(const SideDifference& value);
