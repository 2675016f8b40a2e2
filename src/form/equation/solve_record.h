#pragma once

#include <QString>

#include <string>
#include <vector>

#include "solver/finding.h"

// One finished solve as the page printed it: what was solved, where, with which step, and
// its settled findings in increasing x (every root with lower == upper).
struct SolveRecord {
    std::string linksFormel;  // the compiled left side, as the heading prints it
    std::string rechtsFormel; // the compiled right side
    int MinX = 0;
    int MaxX = 0;
    long double step = 0; // the grid step, 1 / Schrittweite
    std::vector<Finding> findings;
};

// The heading of the solve's block: "<left> = <right>".
QString equationText(const SolveRecord& solve);

// The solves whose blocks the equation page's result list holds, oldest first.
const std::vector<SolveRecord>& listedSolves();
void addListedSolve(SolveRecord solve);
void clearListedSolves();

// The last solve that finished with findings to show, if any: kept when the list is cleared.
const SolveRecord* lastSolve();
void setLastSolve(SolveRecord solve);
