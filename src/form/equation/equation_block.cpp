#include "form/equation/equation_block.h"

#include <cstdio>
#include <memory>

#include "form/equation/result_lines.h"
#include "form/window/departure_line.h"
#include "form/window/empty_side_line.h"
#include "solver/equation_sides.h"
#include "solver/root_refinement.h"
#include "solver/scan_grid.h"

QString headingLine(const Formelinterpreter& left, const Formelinterpreter& right) {
    char line[2 * sizeof left.Formel + 4];
    std::snprintf(line, sizeof line, "%s = %s", left.Formel, right.Formel);
    return QString::fromUtf8(line);
}

QString refusalLine(const Formelinterpreter& left, const Formelinterpreter& right) {
    // An empty side would be solved as 0, a side not read as typed as a different equation.
    const QString empty = emptySideLine(left, right);
    return empty.isEmpty() ? departureLine(left, right) : empty;
}

QString closingLine() {
    return QString(71, QLatin1Char('-'));
}

QStringList findingsBlock(const SearchOutcome& search, const SettledFindings& settled) {
    QStringList block{QStringLiteral(" ")};
    block << resultLines(search, settled) << closingLine();
    return block;
}

SolvedEquation solveEquationRequest(const EquationRequest& request) {
    // The records of both sides are large; they live on the heap, not on the stack.
    const auto sides = std::make_unique<EquationSides>();
    sides->compile(request.left, request.right);
    SolvedEquation solved;
    solved.block << headingLine(sides->leftRecord(), sides->rightRecord()) << QString();
    solved.refusal = refusalLine(sides->leftRecord(), sides->rightRecord());
    if (!solved.refusal.isEmpty()) {
        solved.block << solved.refusal << closingLine();
        return solved;
    }
    const ScanGrid grid = makeGrid(request.centre - request.halfWidth,
                                   request.centre + request.halfWidth, request.stepsPerUnit);
    solved.search = searchEquation(*sides, grid, nullptr);
    solved.settled = settleRoots(
        solved.search.findings,
        [&](long double lower, long double upper, bool& Fehler) {
            return refineBracket(*sides, lower, upper, Fehler);
        },
        [] { return true; }, [] {});
    solved.record = {sides->leftRecord().Formel,         sides->rightRecord().Formel,
                     request.centre - request.halfWidth, request.centre + request.halfWidth,
                     1 / request.stepsPerUnit,           solved.settled.findings};
    solved.block << findingsBlock(solved.search, solved.settled);
    return solved;
}
