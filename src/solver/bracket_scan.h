#pragma once

#include "solver/progress_reporter.h"

#include <cstdint>

// Scans [a, b] on the grid x_j = (a * Schrittweite + j) / Schrittweite, j = 0 ... N with
// N = (b - a) * Schrittweite truncated, for places where d = left - right of links and
// rechts is exactly 0 or changes sign, and stores them as brackets in XL/XR from index 1
// (at most MaxBrackets, those with the smallest x). Returns their number; 0 when N <= 0.
// With more than 999,999 steps and a progress display, reports progress and stops when
// the user cancels, clearing work. Leaves the last grid point in X of both records.
//
// Runs on every core with the flat evaluation path; the brackets are exactly those of
// scanBracketsSequential.
int scanBrackets(int a, int b, ProgressReporter* progress);

// How the parallel scan divides its work; the result never depends on it.
struct ParallelScanOptions {
    int64_t chunkSize = 1 << 18; // grid points per unit of work
    int threads = 0;             // worker threads; 0 means one per core
};
int scanBrackets(int a, int b, ProgressReporter* progress, const ParallelScanOptions& options);

// The reference: the same scan point by point on the calling thread through the reference
// evaluator of links and rechts, asking for a cancel at every step.
int scanBracketsSequential(int a, int b, ProgressReporter* progress);
