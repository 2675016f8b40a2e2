#pragma once

// The view of the plot: scale, stretch and pan, and the frame's centre.
struct PlotView {
    long double groesse;   // pixels per unit on both axes
    long double ygroesser; // extra vertical stretch of every value
    long double xOffset;   // the origin lies this many pixels right of the centre column
    long double yOffset;   // the origin lies this many pixels below the centre row
    int xKreuz_NULL;       // centre column: frame width / 2
    int yKreuz_NULL;       // centre row: frame height / 2
};

// Pixel <-> plot coordinates of the graph frame. Columns and rows count from the frame's
// top-left corner, rows growing downwards; plot y grows upwards.
namespace plot_mapping {

// Rows beyond -RowWindow ... RowWindow are never drawn.
inline constexpr int RowWindow = 1000;

// x sampled in a pixel column.
long double columnToX(const PlotView& view, int column);

// The column, not rounded, where x lies: the inverse of columnToX.
long double xToColumn(const PlotView& view, long double x);

// Row of a stretched value Y at a scale: yKreuz_NULL - trunc(Y * scale - yOffset). False
// when the row lies outside the row window or cannot be formed (infinite, not a number).
bool rowOfValue(long double Y, long double scale, long double yOffset, int yKreuz_NULL, int& row);

// Row of the x axis and column of the y axis.
int xAxisRow(const PlotView& view);
int yAxisColumn(const PlotView& view);

// The visible range reported beside the frame: x at column 0 and at column width, y at
// row height and its mirror about the centre row.
struct Ranges {
    long double xMin;
    long double xMax;
    long double yMin;
    long double yMax;
};
Ranges visibleRanges(const PlotView& view, int width, int height);

// Plot x and unstretched y of a point given relative to the centre: MausXk columns right
// of the centre column, MausYk rows above the centre row.
long double clickX(const PlotView& view, int MausXk);
long double clickY(const PlotView& view, int MausYk);

} // namespace plot_mapping
