#include "solver/event_analysis.h"

#include <cmath>

void EventAnalysis::zero(int64_t j) {
    const long double x = grid_.at(j);
    out_.add({x, x, BracketKind::ExactZero});
}

void EventAnalysis::signChange(int64_t from, int64_t to) {
    signChange(sample(from), sample(to));
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

void EventAnalysis::minimum(int64_t left, int64_t middle, int64_t right) {
    const Sample l = sample(left);
    const Sample r = sample(right);
    const MinimumFinding found = searchMinimum(sides_, l, sample(middle), r);
    if (found.kind == MinimumFinding::Touch) {
        out_.add({found.root, found.root, BracketKind::Touch});
    } else if (found.kind == MinimumFinding::Crossing) {
        signChange(l, found.split);
        signChange(found.split, r);
    }
}

void EventAnalysis::border(int64_t, int64_t valid, int64_t failed) {
    const BorderFinding found = searchBorder(sides_, sample(valid), grid_.at(failed));
    if (found.crossing) {
        signChange(found.crossLo, found.crossHi);
    }
    if (found.root) {
        out_.add({found.rootX, found.rootX, BracketKind::Border});
    }
}
