#pragma once

#include "gauss/gausalgorithmus.h"

namespace gauss {

constexpr int Groesse = Gausalgorithmus::Groesse;

// The system with each equation and each unknown multiplied by a power of two chosen so
// that the coefficients of the heaviest transversal (one in each row and column, largest
// product of magnitudes) have magnitudes in [1, 2) and no coefficient reaches 2: each row
// and each column then has its largest coefficient on the transversal. Powers of two
// change no significand: it is the typed system in other units.
struct ScaledSystem {
    int n;
    // Coefficients [equation][unknown], both counted from 1.
    long double a[Groesse][Groesse];
    // Right-hand sides, scaled with their equations.
    long double b[Groesse];
    // Unknown j of the typed system is unknown j of this one times 2^exponent[j].
    int exponent[Groesse];
    // Equation i of this system is equation i of the typed one times 2^rowExponent[i].
    int rowExponent[Groesse];
    // False when an input value is infinite or not a number.
    bool finite;
    // False when every transversal holds a zero coefficient (structurally singular); the
    // system is then scaled so that every equation and every unknown that has a coefficient
    // other than zero has its largest one in [1, 2).
    bool transversal;
};

// Scales the system given in the solver's layout ([unknown][equation]); 0 <= n <= MaxAnzahl.
ScaledSystem scaleSystem(const long double (*koeff)[Groesse], const long double* rechts, int n);

} // namespace gauss
