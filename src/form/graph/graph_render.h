#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

#include "form/graph/plot_mapping.h"
#include "solver/finding.h"

class EquationSides;
class QPainter;

// The drawing of the plot, on any painter: the window's frame, image and vector files, the
// printer. Every piece draws in pixels of a frame of the given size, origin top left.

// What a whole plot shows.
struct PlotScene {
    QString linksText;  // the left side as typed, for the legend and the curve
    QString rechtsText; // the right side as typed
    PlotView view;      // its centre is the frame's: size / 2
    bool beideSeiten = false;
    // The findings to mark, in increasing x; none when null.
    const std::vector<Finding>* findings = nullptr;
    QFont font; // of the legends
};

// Renders the whole plot of the scene into a frame of that size on the painter: the
// background, the axes, the legends, the curves and the markers of the findings. Compiles and
// samples the sides itself. Clips to the frame.
void renderPlot(QPainter& painter, QSize size, const PlotScene& scene);

// The same view with its centre in the middle of a frame of that size.
PlotView centredView(PlotView view, QSize size);

// The pieces of a plot, drawn in this order.

// Why each side gets no curve: empty when it gets one.
struct PlotTexts {
    QString linksText;
    QString rechtsText;
    QString linksMisread;
    QString rechtsMisread;
};

// Why a side gets no curve: it is empty, or not read as typed; empty when it gets one.
QString unusableSideLine(const EquationSides& sides, bool leftSide);

// Black background, the white x axis, the grey y axis and the legends.
void drawPlotFrame(QPainter& painter, QSize size, const PlotView& view, bool beideSeiten,
                   const PlotTexts& texts);

// One sampled curve: a 3 x 3 dot at every valid sample, lines between neighbouring ones.
// Columns 1 ... count - 1; a non-zero failure skips its column.
void drawCurve(QPainter& painter, const long double* values, long double scale, long double yOffset,
               int yKreuz_NULL, int count, QColor colour, const int* failures);

// Where a marker was drawn, for the read-out under the pointer.
struct MarkerSpot {
    QRect area;
    int finding; // index into the findings
};

// The markers of the findings that lie in the frame: roots as dots on the x axis where the
// difference crosses it (and, with both sides, where the sides meet), poles as dashed vertical
// lines, holes as open circles on the difference curve, stretches as light bands. Returns
// their spots, the points first, then the poles, then the bands.
std::vector<MarkerSpot> drawMarkers(QPainter& painter, QSize size, const PlotView& view,
                                    bool beideSeiten, const EquationSides& sides,
                                    const std::vector<Finding>& findings);

// The marker colours.
inline const QColor RootMarkerColour(255, 64, 64);
inline const QColor PoleMarkerColour(255, 160, 0);
inline const QColor HoleMarkerColour(255, 0, 255);
