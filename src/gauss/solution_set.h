#pragma once

#include "gauss/gausalgorithmus.h"

namespace gauss {

enum class SolutionKind {
    Unique,    // one value for every unknown
    Infinite,  // the free unknowns take any values, the others follow from them
    None,      // the equations contradict each other
    NotFinite, // an input or a value of the answer is infinite or not a number
};

// What a system of linear equations says of its unknowns, counted from 1. Every unknown j
// is value[j] + the sum over the free unknowns f of factor[j][f] * Xf; a free unknown has
// value 0 and no factors of its own.
struct SolutionSet {
    SolutionKind kind;
    int unknowns;
    // Number of independent equations.
    int rank;
    bool free[Gausalgorithmus::Groesse];
    long double value[Gausalgorithmus::Groesse];
    long double factor[Gausalgorithmus::Groesse][Gausalgorithmus::Groesse];
};

// Solves `equations` equations in `unknowns` unknowns, both 0 ... MaxAnzahl, given in the
// solver's layout ([unknown][equation], from 1); either count may exceed the other.
//
// The rank and the consistency are the solver's decisions at working precision: the system
// is scaled by powers of two and eliminated with complete pivoting; a pivot no larger than
// SingularPivot times the scaled coefficients counts as zero, and so does what remains of
// a right-hand side once the independent equations are eliminated when it is no larger
// than SingularPivot times the magnitudes it was made of. A system within a relative change
// of about SingularPivot of one with a smaller rank is taken to have that rank.
//
// The free unknowns are the last ones that can be: unknown j is free when it depends on the
// unknowns before it, by the same decision. An invalid count gives NotFinite.
SolutionSet solveSystem(const long double (*koeff)[Gausalgorithmus::Groesse],
                        const long double* rechts, int equations, int unknowns);

} // namespace gauss
