#pragma once

// Roots and the ends of stretches are printed rounded to this many decimal places, with as
// many significant digits.
inline constexpr int PrintedDecimals = 10;

// Whether a and b print as the same number.
bool printedAlike(long double a, long double b);

// The value beside x, toward `toward`, that prints differently from x, or `toward` itself when
// every value between prints as x does.
long double printedNeighbour(long double x, long double toward);
