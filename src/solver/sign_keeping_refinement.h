#pragma once

// Steps spent at most on one bracket.
inline constexpr int MaxSignKeepingSteps = 1000;

// Refines [lo, hi] by regula falsi with the Illinois weighting, keeping the sign change
// of d inside the bracket, and bisects whenever two steps did not halve the bracket.
// Accepts a point, the ends included, only when it passes isAcceptedResidual: then root
// holds it and the result is true. False when an evaluation fails, the ends show no sign
// change, the bracket cannot be split further or the steps run out.
bool refineKeepingSignChange(long double lo, long double hi, long double& root);
