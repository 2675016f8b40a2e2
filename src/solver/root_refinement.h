#pragma once

#include "solver/side_difference.h"
#include "solver/sign_change_narrowing.h"

// Refines the sign-change bracket [lower, upper] of d: narrowed to a root, or found to be
// a pole, a jump or no sign change at all.
NarrowedSignChange refineSignChange(const DifferenceSource& sides, long double lower,
                                    long double upper);

// Refines the bracket [XL, XR] (XL < XR) to a root. Fehler is true when the bracket holds
// no root; the result is then not a root.
long double refineBracket(const DifferenceSource& sides, long double XL, long double XR,
                          bool& Fehler);
