#include "solver/event_analysis.h"

#include <cmath>

void EventAnalysis::zero(int64_t j) {
    const long double x = grid_.at(j);
    out_.add({x, x, BracketKind::ExactZero, j, j});
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
    } else if (narrowed.kind == SignChangeKind::Undecided) {
        out_.add({from.x, to.x, BracketKind::Undecided});
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
