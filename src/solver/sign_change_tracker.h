#pragma once

#include "solver/side_difference.h"

#include <cmath>
#include <cstdint>

// The scan's bookkeeping from grid point to grid point, one description for every scan:
// it remembers the last two valid points and whether the last point was valid, and tells
// a sink, by the grid points involved, where the difference needs a closer look:
//   zero(j, x)                    d is exactly 0 at x
//   signChange(i, from, to)       d changes sign from the valid point from to the next one
//   minimum(i, left, middle, right)  |d| has a local minimum at middle, one sign throughout
//   border(i, valid, failed)      a valid grid point neighbours one that failed
// i is the grid index of the earliest point involved. A failed point is skipped: the valid
// points on either side of it still pair.
class SignChangeTracker {
public:
    template <class Sink>
    void feed(int64_t j, long double x, const SideDifference& value, Sink& sink) {
        if (value.failed) {
            if (hasLast_ && lastValid_) {
                sink.border(lastIndex_, lastX_, x);
            }
            remember(j, x, false);
            return;
        }
        if (hasLast_ && !lastValid_) {
            sink.border(lastIndex_, x, lastX_);
        }
        const long double d = value.d;
        if (isExactZero(value)) {
            sink.zero(j, x);
        } else if (valid_ >= 1 && newer_.d * d < 0) {
            sink.signChange(newer_.index, newer_.x, x);
        } else if (valid_ >= 2 && isLocalMinimum(older_.d, newer_.d, d)) {
            sink.minimum(older_.index, older_.x, newer_.x, x);
        }
        older_ = newer_;
        newer_ = {j, x, d};
        valid_ = valid_ < 2 ? valid_ + 1 : 2;
        remember(j, x, true);
    }

    // Continues from the state at the end of a later stretch of the grid, scanned by a
    // tracker of its own, once this one has been fed that stretch's first points.
    void continueWith(const SignChangeTracker& later) {
        if (!later.hasLast_) {
            return;
        }
        if (later.valid_ >= 2) {
            older_ = later.older_;
            newer_ = later.newer_;
            valid_ = 2;
        }
        remember(later.lastIndex_, later.lastX_, later.lastValid_);
    }

private:
    struct Point {
        int64_t index = 0;
        long double x = 0;
        long double d = 0;
    };

    // |d| smaller at middle than before it and no larger after it, with no sign change.
    static bool isLocalMinimum(long double before, long double middle, long double after) {
        return before * middle > 0 && middle * after > 0 && std::fabs(middle) < std::fabs(before) &&
               std::fabs(middle) <= std::fabs(after);
    }

    void remember(int64_t j, long double x, bool valid) {
        hasLast_ = true;
        lastValid_ = valid;
        lastIndex_ = j;
        lastX_ = x;
    }

    bool hasLast_ = false;
    bool lastValid_ = false;
    int64_t lastIndex_ = 0;
    long double lastX_ = 0;
    int valid_ = 0;
    Point older_;
    Point newer_;
};
