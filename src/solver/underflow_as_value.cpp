#include "solver/underflow_as_value.h"

#include <cmath>
#include <limits>
#include <utility>

SideDifference UnderflowAsValue::at(long double x) const {
    SideDifference v = sides_.at(x);
    if (!v.failed) {
        return v;
    }
    ++exactReadings_;
    const ExactDifference e = sides_.encloseExactly(x, x);
    if (!e.cannotFail) {
        return v;
    }
    if (e.value.excludesZero()) {
        // The middle of the enclosure, or the smallest value of its sign where that underflows.
        const long double middle = e.value.lo + (e.value.hi - e.value.lo) / 2;
        const bool positive = e.value.lo >= 0;
        v.d = middle != 0 && (middle > 0) == positive
                  ? middle
                  : std::copysign(std::numeric_limits<long double>::denorm_min(),
                                  positive ? 1.0L : -1.0L);
        v.failed = false;
    } else if ((noiseAsZero_ && e.value.known() && e.value.mayBeZero() &&
                !e.value.mayBeInfinite()) ||
               (e.value.lo == 0 && e.value.hi == 0)) {
        v.d = 0;
        v.failed = false;
    }
    return v;
}

int64_t UnderflowAsValue::takeExactReadings() const {
    return std::exchange(exactReadings_, 0);
}
