#pragma once

#include "solver/progress_reporter.h"

// Scans [a, b] on the grid x_j = (a * Schrittweite + j) / Schrittweite, j = 0 ... N with
// N = (b - a) * Schrittweite truncated, for places where d = left - right of links and
// rechts is exactly 0 or changes sign, and stores them as brackets in XL/XR from index 1
// (at most MaxBrackets, those with the smallest x). Returns their number; 0 when N <= 0.
// With more than 999,999 steps and a progress display, reports progress and stops at once
// when the user cancels, clearing work. Leaves the last grid point in X of both records.
int scanBrackets(int a, int b, ProgressReporter* progress);
