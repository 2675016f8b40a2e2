#include "form/graph/graph_sampling.h"

#include "form/window/formula_records.h"
#include "solver/equation_sides.h"

namespace {
// The sides the graph draws, compiled by its last redraw.
EquationSides graphSides;
} // namespace

void compileSides(std::string_view left, std::string_view right) {
    compileEquation(left, right, graphSides);
}

void sampleColumns(const PlotView& view, int count, const ColumnArrays& arrays) {
    for (int i = 1; i < count; ++i) {
        const long double x = plot_mapping::columnToX(view, i);
        const SideValue left = graphSides.leftAt(x);
        const SideValue right = graphSides.rightAt(x);
        arrays.yL_Fehler[i] = left.error;
        arrays.yR_Fehler[i] = right.error;
        arrays.yDiff_Fehler[i] = left.error | right.error;
        arrays.yL_Werte[i] = left.value * view.ygroesser;
        arrays.yR_Werte[i] = right.value * view.ygroesser;
        arrays.yDiff_Werte[i] = arrays.yL_Werte[i] - arrays.yR_Werte[i];
    }
    if (count > 1) {
        keepLastX(plot_mapping::columnToX(view, count - 1));
    }
}
