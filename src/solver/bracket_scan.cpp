#include "solver/bracket_scan.h"

#include "interpreter/formelinterpreter.h"
#include "solver/root_search_state.h"
#include "solver/side_difference.h"
#include "solver/steep_bracket.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Scans of more steps than this use the progress display.
constexpr int ProgressThreshold = 999999;
// A sign change is a bracket when |d| at its newer point is below this bound; above it,
// the steep test decides.
constexpr long double SignChangeBound = 3;

// N = (b - a) * Schrittweite truncated toward zero; 0 for an empty or reversed interval,
// at most INT_MAX.
int stepCount(int a, int b) {
    const long double steps = (static_cast<long double>(b) - a) * Schrittweite;
    if (!(steps > 0)) {
        return 0;
    }
    if (steps >= static_cast<long double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(steps);
}

// Progress is shown on multiples of N / (whole part of Schrittweite), at least 1.
int progressInterval(int n) {
    const long double s = Schrittweite;
    const int whole = s >= static_cast<long double>(INT_MAX) ? INT_MAX
                      : s >= 1                               ? static_cast<int>(s)
                                                             : 1;
    return std::max(1, n / whole);
}

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

} // namespace

int scanBrackets(int a, int b, ProgressReporter* progress) {
    const int n = stepCount(a, b);
    const bool useProgress = progress != nullptr && n > ProgressThreshold;
    const int interval = useProgress ? progressInterval(n) : 1;
    if (useProgress) {
        progress->setTotalSteps(n);
        progress->setProgress(0);
    }

    const long double s = Schrittweite;
    const long double start = static_cast<long double>(a) * s;
    long double previousX = start / s;
    SideDifference previous = evaluateDifference(previousX);
    if (n <= 0) {
        return 0;
    }
    BracketStore brackets;
    // A first point that failed has no valid difference to pair with the next one.
    bool hasPrevious = !previous.failed;
    if (hasPrevious && previous.d == 0) {
        brackets.store(previousX, previousX);
    }

    for (int64_t j = 1; j <= n; ++j) {
        const long double x = (start + static_cast<long double>(j)) / s;
        const SideDifference current = evaluateDifference(x);
        if (!current.failed) {
            if (current.d == 0) {
                brackets.store(x, x);
            } else if (hasPrevious && previous.d * current.d < 0) {
                if (std::fabs(current.d) < SignChangeBound) {
                    brackets.store(previousX, x);
                } else if (!brackets.full()) {
                    long double lower = previousX;
                    long double upper = x;
                    if (narrowSteepBracket(lower, upper, previous, current)) {
                        brackets.store(lower, upper);
                    }
                    links.X = x;
                    rechts.X = x;
                }
            }
            previousX = x;
            previous = current;
            hasPrevious = true;
        }
        if (useProgress) {
            if (j % interval == 0) {
                progress->setProgress(static_cast<int>(j));
            }
            if (progress->wasCancelled()) {
                work = false;
                break;
            }
        }
    }

    if (useProgress) {
        progress->setProgress(n);
        progress->reset();
    }
    return brackets.count();
}
