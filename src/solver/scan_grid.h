#pragma once

#include "solver/root_search_state.h"
#include "solver/side_difference.h"

#include <cstdint>

// Scans of more steps than this use the progress display.
inline constexpr int ProgressThreshold = 999999;

// N = (b - a) * Schrittweite truncated toward zero; 0 for an empty or reversed interval,
// at most INT_MAX.
int stepCount(int a, int b);

// Progress is shown on multiples of N / (whole part of Schrittweite), at least 1.
int progressInterval(int n);

// Grid point j of the scan starting at start = a * Schrittweite: computed from the counter,
// never by adding the step, so the grid does not drift.
inline long double gridPoint(long double start, long double schrittweite, int64_t j) {
    return (start + static_cast<long double>(j)) / schrittweite;
}

// A grid point where d is exactly 0 is a root found as it stands, unless a division by
// zero was skipped there: 0/0 leaves 0, which stands for no number.
inline bool isExactZero(const SideDifference& value) {
    return value.d == 0 && !value.skippedDivision;
}

// Decides whether the valid point (x, current) closes a sign change with the valid point
// before it, (previousX, previous): with |d| < 3 at x the bracket is [previousX, x]; a
// steeper sign change is narrowed through sides to a root or dropped as a pole or jump.
// On true, [lower, upper] is the bracket to store. An exact zero at x is not a sign change.
bool closesSignChange(long double previousX, const SideDifference& previous, long double x,
                      const SideDifference& current, const DifferenceSource& sides,
                      long double& lower, long double& upper);

// The bracket arrays XL/XR filled from index 1, at most MaxBrackets.
class BracketStore {
public:
    bool full() const { return count_ >= MaxBrackets; }
    int count() const { return count_; }
    void store(long double lower, long double upper) {
        if (!full()) {
            ++count_;
            XL[count_] = lower;
            XR[count_] = upper;
        }
    }

private:
    int count_ = 0;
};
