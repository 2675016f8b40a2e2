#pragma once

#include "gauss/gausalgorithmus.h"

namespace gauss {

// Whether a system of n equations in the solver's layout ([unknown][equation], from 1) has
// infinitely many solutions: the rank of its coefficients falls short of n by the solver's
// own decision (a pivot of the scaled system no larger than SingularPivot counts as zero),
// and once the independent equations are eliminated, what remains of each other
// right-hand side is no larger than SingularPivot times the magnitudes it was made of. False
// for a
// system with one solution or none, for a value that is not finite and for n outside
// 1..MaxAnzahl.
bool infinitelyManySolutions(const long double (*koeff)[Gausalgorithmus::Groesse],
                             const long double* rechts, int n);

} // namespace gauss
