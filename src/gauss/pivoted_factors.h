#pragma once

#include "gauss/scaled_system.h"

namespace gauss {

// Largest pivot magnitude of a scaled system that counts as zero. Every row and column of
// a scaled system has its largest magnitude in [1, 2), so a pivot this small means that
// changes of a few units in the last place of a double (the precision of a typed number)
// in the coefficients can make the system singular.
inline constexpr long double SingularPivot = 0x1p-42L;

// A scaled system reduced to triangular form by fraction-free elimination with complete
// pivoting: step k takes the largest remaining coefficient as its pivot, so the pivots
// reveal the rank.
struct Factors {
    int n;
    // [step][step], from 1: on and right of the diagonal the reduced equations, below it
    // the coefficients each step eliminated, to replay the steps on a right-hand side.
    long double lu[Groesse][Groesse];
    // The equation and the unknown whose coefficient was the pivot of step k.
    int equation[Groesse];
    int unknown[Groesse];
    // Steps whose pivot exceeded SingularPivot: the rank of the coefficients at working
    // precision. Elimination stops at the first step without such a pivot.
    int rank;
    // Every pivot exceeds SingularPivot: the system has one solution at working precision.
    bool regular;
};

Factors factorize(const ScaledSystem& system);

// Solves the first rank equations of the factors for the unknowns of the first rank steps,
// with every other unknown 0; rhs by equation, y by unknown, both from 1. For regular
// factors this is the solution of (scaled coefficients) * y = rhs.
void substitute(const Factors& factors, const long double* rhs, long double* y);

} // namespace gauss
