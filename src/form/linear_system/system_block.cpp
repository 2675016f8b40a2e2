#include "form/linear_system/system_block.h"

#include "form/linear_system/solution_lines.h"
#include "gauss/solution_set.h"

QString separatorLine() {
    return QString(78, QLatin1Char('-'));
}

SolvedSystem solveSystemCells(const CellTexts& cells, const SystemWorkspace& workspace) {
    const TableSystem typed = readCellSystem(cells, workspace.koeff, workspace.rechts);
    const int m = typed.equations;
    const int k = typed.unknowns;
    SolvedSystem solved;
    solved.unknowns = k;
    solved.unreadable = typed.unreadable;
    if (!typed.unreadable.isEmpty()) {
        solved.block << typed.unreadable;
    } else if (m > 0) {
        solved.block << typed.emptyRows;
        // A square system the solver solves is written from its values; any other shape, or
        // a system without one solution, from its solution set.
        if (m == k &&
            workspace.solver.Werte_uebergeben(workspace.koeff, workspace.rechts, k) == 0) {
            for (int i = 1; i <= k; ++i) {
                solved.block << valueLine(i, workspace.solver.getWert(i));
            }
        } else {
            solved.block << solutionLines(
                gauss::solveSystem(workspace.koeff, workspace.rechts, m, k));
        }
    }
    solved.block << separatorLine();
    return solved;
}
