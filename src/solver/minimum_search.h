#pragma once

#include "solver/side_difference.h"

// Evaluations spent at most on the search for the smallest |d| between three grid points,
// and on each end of a run of exact zeros found there.
inline constexpr int MaxMinimumEvaluations = 120;
inline constexpr int MaxPlateauEvaluations = 80;

// A minimum of |d| is a touching root when |d| there is exactly 0, within this many
// units in the last place (in double) of the larger side, or at most this share of the
// smaller |d| at the two outer grid points: below the precision of long double.
inline constexpr int TouchUlps = 4;
inline constexpr long double TouchShare = 0x1p-64L;
// True when |d| at a point of these sides and with this outer scale is small enough to count
// as a touching root.
bool touches(const SideDifference& v, long double outerScale);

// True when no point whose sides lie in `left` and `right` and whose d lies in `d` can count as
// touching, whatever the outer scale of points whose d also lies in `d`: |d| keeps one strict
// sign and stays above both measures of touches.
bool cannotTouch(const Interval& left, const Interval& right, const Interval& d);

// The search gives up on a minimum whose |d| has not halved in this many evaluations.
inline constexpr int StallWindow = 16;

struct MinimumFinding {
    enum Kind {
        Nothing,  // |d| stays away from 0: a near miss
        Touch,    // d touches 0 at root without changing sign
        Crossing, // d changes sign at split, so there are two sign changes
    } kind;
    long double root;
    Sample split;
    int evaluations;
};

// Looks between left and right for the smallest |d| when the grid shows a local minimum
// of |d| at middle (left.x < middle.x < right.x, all three of one sign), by golden-section
// search. A touching root is reported where |d| is smallest, or at the centre of the run of
// exact zeros if d is 0 there; a point of the other sign splits the step into two sign
// changes.
MinimumFinding searchMinimum(const DifferenceSource& sides, const Sample& left,
                             const Sample& middle, const Sample& right);
