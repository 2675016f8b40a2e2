#include "solver/event_analysis.h"

#include <cmath>

void EventAnalysis::zero(int64_t, long double x) {
    out_.add({x, x, BracketKind::ExactZero});
}

void EventAnalysis::signChange(int64_t, long double from, long double to) {
    signChange(sampleAt(sides_, from), sampleAt(sides_, to));
}

void EventAnalysis::signChange(const Sample& from, const Sample& to) {
    if (std::fabs(to.value.d) < SignChangeBound) {
        out_.add({from.x, to.x, BracketKind::SignChange});
        return;
    }
    const NarrowedSignChange narrowed = narrowSignChange(sides_, from, to);
    if (narrowed.kind == SignChangeKind::Root) {
        out_.add({narrowed.root, narrowed.root, BracketKind::SteepRoot});
    }
}

void EventAnalysis::minimum(int64_t, long double left, long double middle, long double right) {
    const Sample l = sampleAt(sides_, left);
    const Sample r = sampleAt(sides_, right);
    const MinimumFinding found = searchMinimum(sides_, l, sampleAt(sides_, middle), r);
    if (found.kind == MinimumFinding::Touch) {
        out_.add({found.root, found.root, BracketKind::Touch});
    } else if (found.kind == MinimumFinding::Crossing) {
        signChange(l, found.split);
        signChange(found.split, r);
    }
}

void EventAnalysis::border(int64_t, long double valid, long double failed) {
    const BorderFinding found = searchBorder(sides_, sampleAt(sides_, valid), failed);
    if (found.crossing) {
        signChange(found.crossLo, found.crossHi);
    }
    if (found.root) {
        out_.add({found.rootX, found.rootX, BracketKind::Border});
    }
}
