#pragma once

#include <cstdint>

// Scans of more steps than this use the progress display.
inline constexpr int ProgressThreshold = 999999;

// N = (b - a) * stepsPerUnit truncated toward zero; 0 for an empty or reversed interval,
// at most INT_MAX.
int stepCount(int a, int b, long double stepsPerUnit);

// Progress is shown on multiples of N / (whole part of stepsPerUnit), at least 1.
int progressInterval(int n, long double stepsPerUnit);

// The grid x_j = (start + j) / stepsPerUnit, j = 0 ... n, with start = a * stepsPerUnit:
// every point comes from the counter, never from adding the step, so it does not drift.
struct ScanGrid {
    long double start;
    long double stepsPerUnit;
    int64_t n;

    long double at(int64_t j) const { return (start + static_cast<long double>(j)) / stepsPerUnit; }
    // The step that holds x: the index of its lower grid point, 0 ... n - 1.
    int64_t stepOf(long double x) const;
};

// The grid over [a, b] with the given number of steps per unit of x.
ScanGrid makeGrid(int a, int b, long double stepsPerUnit);
