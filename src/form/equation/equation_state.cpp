#include "form/equation/equation_state.h"

long double Schrittweite = 100;
long double XL[BracketArraySize];
long double XR[BracketArraySize];
bool work;

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
    keepLastX(outcome.lastX);
    return count;
}

int keepSearchOutcome(const SearchOutcome& outcome) {
    int count = 0;
    for (const Finding& f : outcome.findings) {
        if (f.kind == FindingKind::Root && count < MaxBrackets) {
            ++count;
            XL[count] = f.lower;
            XR[count] = f.upper;
        }
    }
    if (outcome.scanCancelled) {
        work = false;
    }
    keepLastX(outcome.lastX);
    return count;
}
