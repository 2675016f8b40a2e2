#pragma once

#include "solver/side_difference.h"

// Evaluations spent at most on narrowing one sign change: the bracket shrinks to two
// neighbouring long doubles within about 80 halvings, and at worst every other step halves.
inline constexpr int MaxNarrowingEvaluations = 200;

// A narrowed sign change is a root when |d| at both final ends has fallen to at most this
// share of the larger |d| at the start; grown above it at both ends, a pole (decided as
// soon as it happens); in between, a jump.
inline constexpr long double RootFall = 1.0L / 1024;

enum class SignChangeKind { Root, Pole, Jump, Undecided };

struct NarrowedSignChange {
    SignChangeKind kind;
    long double root; // for a root: the end with the smaller |d|, or the exact zero met
    int evaluations;
    // The bracket where the narrowing stopped: neighbouring values, an exact zero (lo and hi
    // both at it), or, for a pole decided early, the ends closing in on it.
    Sample lo;
    Sample hi;
};

// How a sign change whose |d| was at most scale at its start and is finalSize at the ends
// of the narrowed bracket reads: a root when |d| fell to RootFall of the scale, a pole when
// it grew above it, a jump in between.
SignChangeKind classifySignChange(long double scale, long double finalSize);

// Narrows the sign change of d between lo and hi (lo.x < hi.x) until its ends are
// neighbouring long doubles or d is exactly 0, by regula falsi with the Illinois weighting,
// bisecting whenever two steps did not halve the count of values between the ends; then
// tells a root from a pole or a jump by how |d| changed. Undecided when the ends show no
// sign change or an evaluation inside fails or gives NaN.
NarrowedSignChange narrowSignChange(const DifferenceSource& sides, const Sample& lo,
                                    const Sample& hi);
