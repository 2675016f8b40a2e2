#include "form/graph/graph_markers.h"

#include <algorithm>

#include "form/equation/result_lines.h"
#include "form/equation/solve_record.h"
#include "solver/equation_sides.h"

namespace {

const Finding* findingAt(int finding) {
    const SolveRecord* solve = lastSolve();
    if (!solve || finding < 0 || static_cast<std::size_t>(finding) >= solve->findings.size()) {
        return nullptr;
    }
    return &solve->findings[static_cast<std::size_t>(finding)];
}

} // namespace

const std::vector<Finding>* markedFindings(const EquationSides& plotted) {
    const SolveRecord* solve = lastSolve();
    if (!solve || solve->linksFormel != plotted.leftRecord().Formel ||
        solve->rechtsFormel != plotted.rightRecord().Formel) {
        return nullptr;
    }
    return &solve->findings;
}

QString markerLine(int finding) {
    const Finding* f = findingAt(finding);
    if (!f) {
        return {};
    }
    const std::vector<Finding>& findings = lastSolve()->findings;
    const auto roots = std::count_if(findings.begin(), findings.begin() + finding + 1,
                                     [](const Finding& g) { return g.kind == FindingKind::Root; });
    return findingLine(*f, static_cast<int>(roots));
}

QString markerValue(int finding) {
    const Finding* f = findingAt(finding);
    if (!f) {
        return {};
    }
    if (f->lower == f->upper) {
        return printedPlace(f->lower);
    }
    const auto [from, to] = stretchEnds(f->lower, f->upper);
    return QStringLiteral("[%1, %2]").arg(from, to);
}
