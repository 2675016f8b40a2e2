#include "solver/root_bracket.h"

#include <algorithm>

namespace {

bool before(const RootBracket& p, const RootBracket& q) {
    return p.lower < q.lower || (p.lower == q.lower && p.upper < q.upper);
}

} // namespace

void BracketList::add(const RootBracket& bracket) {
    // Brackets come almost in order, so the place is nearly always the end.
    auto place = brackets_.end();
    while (place != brackets_.begin() && before(bracket, *(place - 1))) {
        --place;
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
