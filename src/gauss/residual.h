#pragma once

#include "gauss/scaled_system.h"

namespace gauss {

// r = b - a * y on the scaled system, by equation; y by unknown, both from 1.
void residual(const ScaledSystem& system, const long double* y, long double* r);

// How far values of the unknowns, given in the units of the typed system (from 1), are
// from satisfying it: the largest over the equations of |residual| divided by the sum of
// the magnitudes of its terms and of its right-hand side. This is the smallest relative
// change of each coefficient and right-hand side that makes the values exact. Computed
// on the scaled system, where no product overflows; infinite for a value that is not
// finite.
long double backwardError(const ScaledSystem& system, const long double* x);

} // namespace gauss
