#pragma once

#include "solver/side_difference.h"

// Halvings spent at most on one steep sign change.
inline constexpr int MaxSteepHalvings = 64;
// Every this many halvings the larger |d| at the bracket ends must have at least halved.
inline constexpr int SteepFallInterval = 8;

// Decides, evaluating through sides, a sign change of d over [a, b] whose newer point has |d| >= 3:
// a steep root, or a pole or jump. Halves the bracket, keeping the sign change, until an end passes
// isAcceptedResidual (a root: true, a and b then hold the narrowed bracket). A midpoint
// with |d| above both starting ends (a pole), a failed evaluation, |d| that stops falling
// (a jump) or a bracket that cannot be split further gives false.
bool narrowSteepBracket(long double& a, long double& b, SideDifference atA, SideDifference atB,
                        const DifferenceSource& sides);
