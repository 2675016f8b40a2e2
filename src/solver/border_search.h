#pragma once

#include "solver/side_difference.h"

// Evaluations spent at most on finding one border of the domain: about 80 halvings bring
// any two long doubles together.
inline constexpr int MaxBorderEvaluations = 90;

// d tends to 0 at a border when |d| at the last valid point has fallen to at most
// BorderFall of |d| at the grid point, and to at most BorderTrendFall of |d| at the valid
// point TrendHalvings halvings earlier: a limit other than 0 would keep |d| level there.
inline constexpr long double BorderFall = 1.0L / 1024;
inline constexpr long double BorderTrendFall = 1.0L / 8;
inline constexpr int TrendHalvings = 24;

struct BorderFinding {
    bool root;           // d tends to 0 at the border: a root at rootX
    long double rootX;   // the valid point next to the border
    long double failedX; // the failing value next to rootX when the halving reached the border
    bool crossing;       // d changed sign on the way: a sign change from crossLo to crossHi
    Sample crossLo;
    Sample crossHi;
    int evaluations;
};

// Halves the values between a valid point and a failing one until they are neighbours,
// the failing side moving on every failed evaluation, the valid side on every valid one.
// Reports the first sign change met on the way, and whether d tends to 0 at the border. An
// exact zero met on the way is the root and ends the search, unless throughZeros, which walks on
// to the border.
BorderFinding searchBorder(const DifferenceSource& sides, const Sample& valid, long double failedX,
                           bool throughZeros = false);
