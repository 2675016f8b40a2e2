// The scan as the equation page sees it: sides from links and rechts, the grid step from
// Schrittweite, the brackets in XL/XR and a cancel in work.
#include "interpreter/formelinterpreter.h"
#include "solver/bracket_scan.h"
#include "solver/root_search_state.h"

int scanBrackets(int a, int b, ProgressReporter* progress, const ParallelScanOptions& options) {
    static FlatDifference sides;
    sides.compile(links, rechts);
    return keepScanOutcome(
        scanGridForRoots(sides, makeGrid(a, b, Schrittweite), progress, options));
}

int keepScanOutcome(const ScanOutcome& outcome) {
    int count = 0;
    for (const RootBracket& bracket : outcome.brackets) {
        ++count;
        XL[count] = bracket.lower;
        XR[count] = bracket.upper;
    }
    if (outcome.cancelled) {
        work = false;
    }
    links.X = rechts.X = outcome.lastX;
    return count;
}
