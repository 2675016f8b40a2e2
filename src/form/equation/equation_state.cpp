#include "form/equation/equation_state.h"

Formelinterpreter links;
Formelinterpreter rechts;
long double Schrittweite = 100;
long double XL[BracketArraySize];
long double XR[BracketArraySize];
bool work;
BracketKind bracketKinds[BracketArraySize];
SearchNotes searchNotes;

void compileEquation(std::string_view left, std::string_view right, EquationSides& sides) {
    links.setFormel(left);
    rechts.setFormel(right);
    links.Formel_compillieren();
    rechts.Formel_compillieren();
    sides.compile(links, rechts);
}

void keepLastX(long double x) {
    links.X = x;
    rechts.X = x;
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
    keepLastX(outcome.lastX);
    return count;
}

int keepSearchOutcome(const SearchOutcome& outcome) {
    const int count = keepScanOutcome({outcome.brackets, outcome.cancelled, outcome.lastX});
    for (int i = 1; i <= count; ++i) {
        bracketKinds[i] = outcome.brackets[static_cast<size_t>(i - 1)].kind;
    }
    searchNotes = {outcome.cancelled,  outcome.lastX,     outcome.capReached,
                   outcome.listedUpTo, outcome.undecided, outcome.provenNoRoot};
    return count;
}
