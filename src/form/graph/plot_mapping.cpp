#include "form/graph/plot_mapping.h"

#include <cmath>

namespace plot_mapping {

long double columnToX(const PlotView& view, int column) {
    return (column - view.xKreuz_NULL - view.xOffset) / view.groesse;
}

long double xToColumn(const PlotView& view, long double x) {
    return x * view.groesse + view.xKreuz_NULL + view.xOffset;
}

bool rowOfValue(long double Y, long double scale, long double yOffset, int yKreuz_NULL, int& row) {
    // Exact in extended precision for every row near the window; a huge or invalid
    // value fails the comparisons without being converted to int.
    const long double r = yKreuz_NULL - std::trunc(Y * scale - yOffset);
    if (!(r >= -RowWindow && r <= RowWindow)) {
        return false;
    }
    row = static_cast<int>(r);
    return true;
}

int xAxisRow(const PlotView& view) {
    return static_cast<int>(view.yOffset) + view.yKreuz_NULL;
}

int yAxisColumn(const PlotView& view) {
    return static_cast<int>(view.xOffset) + view.xKreuz_NULL;
}

Ranges visibleRanges(const PlotView& view, int width, int height) {
    const long double yScale = view.groesse * view.ygroesser;
    return {(-view.xKreuz_NULL - view.xOffset) / view.groesse,
            (width - view.xKreuz_NULL - view.xOffset) / view.groesse,
            (view.yKreuz_NULL - height + view.yOffset) / yScale,
            (height - view.yKreuz_NULL + view.yOffset) / yScale};
}

long double clickX(const PlotView& view, int MausXk) {
    return (MausXk - view.xOffset) / view.groesse;
}

long double clickY(const PlotView& view, int MausYk) {
    return (MausYk + view.yOffset) / view.groesse / view.ygroesser;
}

} // namespace plot_mapping
