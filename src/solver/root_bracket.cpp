#include "solver/root_bracket.h"

#include <algorithm>

namespace {

bool before(const RootBracket& p, const RootBracket& q) {
    return p.lower < q.lower || (p.lower == q.lower && p.upper < q.upper);
}

bool isZeros(const RootBracket& b) {
    return b.kind == BracketKind::ExactZero || b.kind == BracketKind::ZeroRun;
}

} // namespace

// An exact zero or run next to the grid points of a run before or after it joins it.
bool BracketList::joinRun(std::vector<RootBracket>::iterator place, const RootBracket& zeros) {
    const bool joinsBefore =
        place != brackets_.begin() && isZeros(*(place - 1)) && (place - 1)->last + 1 == zeros.first;
    const bool joinsAfter =
        place != brackets_.end() && isZeros(*place) && zeros.last + 1 == place->first;
    if (!joinsBefore && !joinsAfter) {
        return false;
    }
    RootBracket& run = joinsBefore ? *(place - 1) : *place;
    run.first = std::min(run.first, zeros.first);
    run.last = std::max(run.last, zeros.last);
    run.lower = std::min(run.lower, zeros.lower);
    run.upper = std::max(run.upper, zeros.upper);
    run.kind = BracketKind::ZeroRun;
    if (joinsBefore && joinsAfter) {
        run.last = place->last;
        run.upper = place->upper;
        brackets_.erase(place);
    }
    return true;
}

void BracketList::add(const RootBracket& bracket) {
    // Brackets come almost in order, so the place is nearly always the end.
    auto place = brackets_.end();
    while (place != brackets_.begin() && before(bracket, *(place - 1))) {
        --place;
    }
    if (bracket.first >= 0 && joinRun(place, bracket)) {
        return;
    }
    if (place != brackets_.begin() && !before(*(place - 1), bracket)) {
        return; // the same bracket again
    }
    if (full()) {
        if (place == brackets_.end()) {
            return;
        }
        brackets_.pop_back();
    }
    brackets_.insert(place, bracket);
}
