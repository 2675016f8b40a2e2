#pragma once

#include "gauss/gausalgorithmus.h"

namespace gauss {

// Marks a coefficient that is exactly zero among the weights.
inline constexpr int NoWeight = -(1 << 30);

// Row and column exponents that scale the heaviest transversal to weight 0.
struct TransversalScaling {
    // Weight i, j plus row[i] plus column[j] is at most 0, and exactly 0 on the
    // transversal. Counted from 1.
    int row[Gausalgorithmus::Groesse];
    int column[Gausalgorithmus::Groesse];
    // False when no transversal avoids NoWeight: the coefficients are structurally singular,
    // and row and column are not set.
    bool found;
};

// A transversal is a choice of one entry in each row and each column; this finds the one
// of largest weight sum (an assignment problem, solved by the Hungarian method) and its
// dual exponents. weight[i][j] counted from 1, 0 <= n <= MaxAnzahl; the weights are
// binary exponents of the coefficients, so every row and column scaled by its exponent
// has its largest coefficient on the transversal.
TransversalScaling heaviestTransversal(const int (*weight)[Gausalgorithmus::Groesse], int n);

} // namespace gauss
