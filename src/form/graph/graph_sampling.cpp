#include "form/graph/graph_sampling.h"

#include "form/window/formula_records.h"
#include "solver/equation_sides.h"

namespace {

// The sides the graph draws, compiled by its last redraw.
EquationSides graphSides;

int failureOf(const SideValue& side) {
    return side.error != 0 ? side.error : side.status == SkippedDivisionStatus ? side.status : 0;
}

} // namespace

void compileSides(std::string_view left, std::string_view right) {
    compileEquation(left, right, graphSides);
}

const EquationSides& plottedSides() {
    return graphSides;
}

void sampleColumns(const PlotView& view, int count, const ColumnArrays& arrays) {
    sampleSides(graphSides, view, count, arrays);
    if (count > 1) {
        keepLastX(plot_mapping::columnToX(view, count - 1));
    }
}

void sampleSides(const EquationSides& sides, const PlotView& view, int count,
                 const ColumnArrays& arrays) {
    for (int i = 1; i < count; ++i) {
        const long double x = plot_mapping::columnToX(view, i);
        const SideValue left = sides.leftAt(x);
        const SideValue right = sides.rightAt(x);
        arrays.yL_Fehler[i] = failureOf(left);
        arrays.yR_Fehler[i] = failureOf(right);
        arrays.yDiff_Fehler[i] = arrays.yL_Fehler[i] | arrays.yR_Fehler[i];
        arrays.yL_Werte[i] = left.value * view.ygroesser;
        arrays.yR_Werte[i] = right.value * view.ygroesser;
        arrays.yDiff_Werte[i] = arrays.yL_Werte[i] - arrays.yR_Werte[i];
    }
}
