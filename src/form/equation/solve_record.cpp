#include "form/equation/solve_record.h"

#include <optional>
#include <utility>

namespace {
std::vector<SolveRecord> solves;
std::optional<SolveRecord> last;
} // namespace

QString equationText(const SolveRecord& solve) {
    return QString::fromStdString(solve.linksFormel + " = " + solve.rechtsFormel);
}

const std::vector<SolveRecord>& listedSolves() {
    return solves;
}

void addListedSolve(SolveRecord solve) {
    solves.push_back(std::move(solve));
}

void clearListedSolves() {
    solves.clear();
}

const SolveRecord* lastSolve() {
    return last ? &*last : nullptr;
}

void setLastSolve(SolveRecord solve) {
    last = std::move(solve);
}
