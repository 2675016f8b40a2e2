#include "solver/bracket_scan.h"

#include "interpreter/formelinterpreter.h"
#include "solver/root_search_state.h"
#include "solver/scan_grid.h"
#include "solver/side_difference.h"

#include <cstdint>

int scanBracketsSequential(int a, int b, ProgressReporter* progress) {
    const ReferenceDifference sides;
    const int n = stepCount(a, b);
    const bool useProgress = progress != nullptr && n > ProgressThreshold;
    const int interval = useProgress ? progressInterval(n) : 1;
    if (useProgress) {
        progress->setTotalSteps(n);
        progress->setProgress(0);
    }

    const long double s = Schrittweite;
    const long double start = static_cast<long double>(a) * s;
    long double previousX = gridPoint(start, s, 0);
    SideDifference previous = sides.at(previousX);
    if (n <= 0) {
        return 0;
    }
    BracketStore brackets;
    // A first point that failed has no valid difference to pair with the next one.
    bool hasPrevious = !previous.failed;
    if (hasPrevious && isExactZero(previous)) {
        brackets.store(previousX, previousX);
    }

    long double x = previousX;
    for (int64_t j = 1; j <= n; ++j) {
        x = gridPoint(start, s, j);
        const SideDifference current = sides.at(x);
        if (!current.failed) {
            long double lower = 0;
            long double upper = 0;
            if (isExactZero(current)) {
                brackets.store(x, x);
            } else if (hasPrevious && !brackets.full() &&
                       closesSignChange(previousX, previous, x, current, sides, lower, upper)) {
                brackets.store(lower, upper);
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

    links.X = x;
    rechts.X = x;
    if (useProgress) {
        progress->setProgress(n);
        progress->reset();
    }
    return brackets.count();
}
