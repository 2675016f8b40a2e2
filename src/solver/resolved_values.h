#pragma once

// What the sides tell apart: the doubles where they see x only rounded to double, else the
// long doubles.

// The value next to x towards `toward` that the sides tell apart from x.
long double nextResolved(long double x, long double toward, bool seesDouble);

// The spacing of what the sides tell apart at x.
long double resolutionAt(long double x, bool seesDouble);

// Whether nothing the sides tell apart lies strictly between a and b.
bool atResolution(long double a, long double b, bool seesDouble);

// A value strictly between a < b that the sides tell apart from both, about halfway in the
// count of such values; a itself when there is none.
long double resolvedSplit(long double a, long double b, bool seesDouble);
