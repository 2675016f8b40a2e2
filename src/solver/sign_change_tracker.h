#pragma once

#include "solver/side_difference.h"

#include <cmath>
#include <cstdint>

// The scan's bookkeeping from grid point to grid point, one description for every scan:
// it remembers the last two valid points and whether the last point was valid, and tells
// a sink, by grid index, where the difference needs a closer look:
//   zero(j)                       d is exactly 0 at point j
//   signChange(i, j)              d changes sign from valid point i to the next valid one, j
//   border(i, valid, failed)      a valid grid point neighbours one that failed
// i is always the earliest point involved. A failed point is skipped: the valid points on
// either side of it still pair.
class SignChangeTracker {
public:
    // Inlined into the scan's loop; the places it reports are rare and handled out of line.
    template <class Sink>
    [[gnu::always_inline]] void feed(int64_t j, const PointDifference& value, Sink& sink) {
        if (last_ != Last::Valid) [[unlikely]] {
            if (value.failed) {
                last_ = Last::Failed;
                failedIndex_ = j;
                return;
            }
            if (last_ == Last::Failed) {
                sink.border(failedIndex_, j, failedIndex_);
            }
            last_ = Last::Valid;
        } else if (value.failed) [[unlikely]] {
            sink.border(newerIndex_, newerIndex_, j);
            last_ = Last::Failed;
            failedIndex_ = j;
            return;
        }
        const long double d = value.d;
        if (d == 0 && isExactZero(value)) [[unlikely]] {
            sink.zero(j);
        } else if (newerIndex_ >= 0 && newerD_ * d < 0) [[unlikely]] {
            sink.signChange(newerIndex_, j);
        }
        olderIndex_ = newerIndex_;
        newerIndex_ = j;
        newerD_ = d;
    }

    // Takes the state after a run of valid points of one strict sign, from the one after the
    // point fed last up to `newer`, whose places hold nothing: the run's last two points. The
    // run must go on from a valid point fed last, and its end, evaluated, must be valid and of
    // that point's strict sign; otherwise nothing is taken and the result is false, so that a
    // wrong claim about the run cannot hide a sign change or a zero at its end.
    bool skipValidRun(int64_t older, int64_t newer, const PointDifference& end) {
        if (last_ != Last::Valid || end.failed || end.skippedDivision || !(newerD_ * end.d > 0)) {
            return false;
        }
        olderIndex_ = older;
        newerIndex_ = newer;
        newerD_ = end.d;
        return true;
    }

    // Takes the state after a run of failing points that goes on from the point fed last up
    // to `last`.
    void skipFailedRun(int64_t last) {
        last_ = Last::Failed;
        failedIndex_ = last;
    }

    // Continues from the state at the end of a later stretch of the grid, scanned by a
    // tracker of its own, once this one has been fed that stretch's first points.
    void continueWith(const SignChangeTracker& later) {
        if (later.last_ == Last::None) {
            return;
        }
        if (later.olderIndex_ >= 0) {
            olderIndex_ = later.olderIndex_;
            newerIndex_ = later.newerIndex_;
            newerD_ = later.newerD_;
        }
        last_ = later.last_;
        failedIndex_ = later.failedIndex_;
    }

private:
    enum class Last : uint8_t { None, Valid, Failed };

    Last last_ = Last::None;
    int64_t failedIndex_ = -1; // the last failed point, while the last point failed
    int64_t olderIndex_ = -1;  // the valid point before the newer one; -1 for none
    int64_t newerIndex_ = -1;  // the last valid point; -1 for none
    long double newerD_ = 0;
};
