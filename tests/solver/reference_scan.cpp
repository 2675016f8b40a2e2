#include "reference_scan.h"

#include "solver/event_analysis.h"
#include "solver/sign_change_tracker.h"

ScanOutcome scanSequentially(const DifferenceSource& sides, const ScanGrid& grid,
                             ProgressReporter* progress) {
    const int n = static_cast<int>(grid.n);
    const bool useProgress = progress != nullptr && n > ProgressThreshold;
    const int interval = useProgress ? progressInterval(n, grid.stepsPerUnit) : 1;
    if (useProgress) {
        progress->setTotalSteps(n);
        progress->setProgress(0);
    }
    BracketList store(MaxBrackets);
    EventAnalysis analysis(sides, grid, store);
    SignChangeTracker tracker;
    long double x = grid.at(0);
    tracker.feed(0, pointOf(sides.at(x)), analysis);
    if (n <= 0) {
        return {{}, false, x};
    }
    bool cancelled = false;
    for (int64_t j = 1; j <= n; ++j) {
        x = grid.at(j);
        tracker.feed(j, pointOf(sides.at(x)), analysis);
        if (useProgress) {
            if (j % interval == 0) {
                progress->setProgress(static_cast<int>(j));
            }
            if (progress->wasCancelled()) {
                cancelled = true;
                break;
            }
        }
    }
    if (useProgress) {
        progress->setProgress(n);
        progress->reset();
    }
    return {store.brackets(), cancelled, x};
}
