#include "form/graph/graph_render.h"

#include <QByteArray>
#include <QFontInfo>
#include <QLine>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "form/graph/graph_sampling.h"
#include "form/window/departure_line.h"
#include "form/window/empty_side_line.h"
#include "solver/equation_sides.h"

namespace {

// A line joins neighbouring columns, and its pixels lie between its end rows. The dots at both
// ends cover both columns from the upper end row to two rows below the lower one: a line
// rising or falling by at most 3 rows lies under them and is not drawn.
constexpr int HiddenRise = 3;

// Lines and dots of one curve, collected before they are drawn; grown with the frame.
std::vector<QLine> lines;
std::vector<QRect> dots;

// Markers: the radius of a root's dot and of a hole's circle, and how near the pointer reads
// them.
constexpr int RootRadius = 3;
constexpr int HoleRadius = 4;
constexpr int PointReach = 5;
constexpr int PoleReach = 3;
// Bands are at least this wide, so that a stretch narrower than a column shows.
constexpr int MinimumBand = 3;
const QColor UndecidedBand(255, 255, 255, 56);
const QColor PlateauBand(0, 255, 0, 48);

std::string_view textOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// A legend, followed by why its curve is missing when it is.
QString legend(const QString& text, const QString& misread) {
    return misread.isEmpty() ? text : text + QStringLiteral("   ") + misread;
}

bool isStretch(FindingKind kind) {
    return kind == FindingKind::Identity || kind == FindingKind::Plateau ||
           kind == FindingKind::Undecided;
}

// The column of x when it lies within reach of a frame of that width.
bool columnInFrame(const PlotView& view, long double x, int width, int reach, int& column) {
    const long double c = std::round(plot_mapping::xToColumn(view, x));
    if (!(c >= -reach && c <= width + reach)) {
        return false;
    }
    column = static_cast<int>(c);
    return true;
}

// The row of the unstretched value y, when it can be drawn.
bool rowOfY(const PlotView& view, long double y, int& row) {
    return plot_mapping::rowOfValue(y * view.ygroesser, view.groesse, view.yOffset,
                                    view.yKreuz_NULL, row);
}

// The row of the difference beside a hole: the mean of its valid neighbours a column away.
int rowBesideHole(const PlotView& view, const EquationSides& sides, long double x) {
    const long double dx = 1 / view.groesse;
    long double sum = 0;
    int valid = 0;
    for (const long double at : {x - dx, x + dx}) {
        const SideDifference d = sides.at(at);
        if (!d.failed && !d.skippedDivision && std::isfinite(d.d)) {
            sum += d.d;
            ++valid;
        }
    }
    int row = plot_mapping::xAxisRow(view);
    if (valid > 0) {
        rowOfY(view, sum / valid, row);
    }
    return row;
}

QRect around(QPoint centre, int reach) {
    return {centre.x() - reach, centre.y() - reach, 2 * reach + 1, 2 * reach + 1};
}

} // namespace

QString unusableSideLine(const EquationSides& sides, bool leftSide) {
    const Formelinterpreter& side = leftSide ? sides.leftRecord() : sides.rightRecord();
    const QString empty = emptySideLine(side, leftSide);
    return empty.isEmpty() ? departureLine(side, leftSide) : empty;
}

PlotView centredView(PlotView view, QSize size) {
    view.xKreuz_NULL = size.width() / 2;
    view.yKreuz_NULL = size.height() / 2;
    return view;
}

void drawPlotFrame(QPainter& painter, QSize size, const PlotView& view, bool beideSeiten,
                   const PlotTexts& texts) {
    const int width = size.width();
    const int height = size.height();
    painter.fillRect(0, 0, width, height, painter.background());
    painter.setPen(Qt::white);
    const int r0 = plot_mapping::xAxisRow(view);
    painter.drawLine(0, r0, width, r0);
    painter.setPen(Qt::gray);
    const int c0 = plot_mapping::yAxisColumn(view);
    painter.drawLine(c0, 0, c0, height);
    if (beideSeiten) {
        painter.setPen(Qt::cyan);
        painter.drawText(10, 30,
                         legend(QStringLiteral("yL_f(x)=") + texts.linksText, texts.linksMisread));
        painter.setPen(Qt::yellow);
        painter.drawText(
            10, 50, legend(QStringLiteral("yR_f(x)=") + texts.rechtsText, texts.rechtsMisread));
    }
    painter.setPen(Qt::green);
    const QString diffMisread =
        texts.linksMisread.isEmpty() ? texts.rechtsMisread : texts.linksMisread;
    painter.drawText(
        10, 70,
        legend(QStringLiteral("yDiff_f(x)=") + texts.linksText + " - " + texts.rechtsText,
               diffMisread));
}

void drawCurve(QPainter& painter, const long double* values, long double scale, long double yOffset,
               int yKreuz_NULL, int count, QColor colour, const int* failures) {
    if (count < 2) {
        return;
    }
    const auto columns = static_cast<std::size_t>(count);
    if (columns > dots.size()) {
        lines.resize(columns);
        dots.resize(columns);
    }
    // The pen goes up at every skipped sample: a line joins only neighbouring valid ones.
    int lineCount = 0;
    int dotCount = 0;
    bool penDown = false;
    QPoint current;
    for (int i = 1; i < count; ++i) {
        int r = 0;
        if (failures[i] != 0 ||
            !plot_mapping::rowOfValue(values[i], scale, yOffset, yKreuz_NULL, r)) {
            penDown = false;
            continue;
        }
        const QPoint point(i, r);
        if (penDown && std::abs(r - current.y()) > HiddenRise) {
            lines[lineCount++] = QLine(current, point);
        }
        // The dot: a filled ellipse in the 3 x 3 box from (i - 1, r). Every pixel centre of the
        // box lies inside that ellipse, so the dot is the whole square.
        dots[dotCount++] = QRect(i - 1, r, 3, 3);
        current = point;
        penDown = true;
    }
    // One colour, no blending: all lines, then all dots give the same pixels as drawing them
    // column by column, in a fraction of the time.
    painter.setPen(colour);
    painter.drawLines(lines.data(), lineCount);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(colour));
    painter.drawRects(dots.data(), dotCount);
}

std::vector<MarkerSpot> drawMarkers(QPainter& painter, QSize size, const PlotView& view,
                                    bool beideSeiten, const EquationSides& sides,
                                    const std::vector<Finding>& findings) {
    std::vector<MarkerSpot> points;
    std::vector<MarkerSpot> poles;
    std::vector<MarkerSpot> bands;
    const int width = size.width();
    const int height = size.height();
    // Only the findings between the frame's ends, found in the ordered list.
    const long double xFrom = plot_mapping::columnToX(view, -MinimumBand);
    const long double xTo = plot_mapping::columnToX(view, width + MinimumBand);
    auto first = std::lower_bound(findings.begin(), findings.end(), xFrom,
                                  [](const Finding& f, long double x) { return f.upper < x; });
    const int axisRow = plot_mapping::xAxisRow(view);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    // Several findings in one column are one marker there.
    int lastColumn[6] = {-1000000, -1000000, -1000000, -1000000, -1000000, -1000000};
    for (auto it = first; it != findings.end() && it->lower <= xTo; ++it) {
        const Finding& f = *it;
        const int index = static_cast<int>(it - findings.begin());
        if (isStretch(f.kind)) {
            const long double left = std::max(plot_mapping::xToColumn(view, f.lower), -1.0L);
            const long double right =
                std::min(plot_mapping::xToColumn(view, f.upper), static_cast<long double>(width));
            int from = static_cast<int>(std::floor(left));
            int to = static_cast<int>(std::ceil(right));
            if (to - from < MinimumBand) {
                const int middle = (from + to) / 2;
                from = middle - MinimumBand / 2;
                to = from + MinimumBand;
            }
            const QRect band(from, 0, to - from, height);
            painter.fillRect(band, f.kind == FindingKind::Undecided ? UndecidedBand : PlateauBand);
            bands.push_back({band, index});
            continue;
        }
        int column = 0;
        if (!columnInFrame(view, f.lower, width, HoleRadius, column)) {
            continue;
        }
        int& last = lastColumn[static_cast<int>(f.kind)];
        if (column == last) {
            continue;
        }
        last = column;
        switch (f.kind) {
        case FindingKind::Root: {
            painter.setPen(Qt::NoPen);
            painter.setBrush(RootMarkerColour);
            const QPoint onAxis(column, axisRow);
            painter.drawEllipse(onAxis, RootRadius, RootRadius);
            points.push_back({around(onAxis, PointReach), index});
            int meet = 0;
            const SideValue left = sides.leftAt(f.lower);
            if (beideSeiten && left.error == 0 && rowOfY(view, left.value, meet)) {
                const QPoint onSides(column, meet);
                painter.drawEllipse(onSides, RootRadius, RootRadius);
                points.push_back({around(onSides, PointReach), index});
            }
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case FindingKind::Hole: {
            painter.setPen(QPen(HoleMarkerColour, 1));
            const QPoint centre(column, rowBesideHole(view, sides, f.lower));
            painter.drawEllipse(centre, HoleRadius, HoleRadius);
            points.push_back({around(centre, PointReach), index});
            break;
        }
        case FindingKind::Pole:
            painter.setPen(QPen(PoleMarkerColour, 1, Qt::DashLine));
            painter.drawLine(column, 0, column, height);
            poles.push_back({QRect(column - PoleReach, 0, 2 * PoleReach + 1, height), index});
            break;
        default:
            break;
        }
    }
    painter.restore();
    points.insert(points.end(), poles.begin(), poles.end());
    points.insert(points.end(), bands.begin(), bands.end());
    return points;
}

void renderPlot(QPainter& painter, QSize size, const PlotScene& scene) {
    EquationSides sides;
    sides.compile(textOf(scene.linksText.toUtf8()), textOf(scene.rechtsText.toUtf8()));
    const PlotTexts texts{scene.linksText, scene.rechtsText, unusableSideLine(sides, true),
                          unusableSideLine(sides, false)};
    const PlotView& view = scene.view;
    const int width = std::max(size.width(), 0);

    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size));
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The legends in pixels of the frame, whatever the resolution of the device.
    QFont font = scene.font;
    font.setPixelSize(QFontInfo(scene.font).pixelSize());
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setBackground(Qt::black);
    drawPlotFrame(painter, size, view, scene.beideSeiten, texts);

    const auto columns = static_cast<std::size_t>(width);
    std::vector<long double> yL(columns), yR(columns), yDiff(columns);
    std::vector<int> eL(columns), eR(columns), eDiff(columns);
    sampleSides(sides, view, width,
                {yL.data(), yR.data(), yDiff.data(), eL.data(), eR.data(), eDiff.data()});
    if (scene.beideSeiten && texts.linksMisread.isEmpty()) {
        drawCurve(painter, yL.data(), view.groesse, view.yOffset, view.yKreuz_NULL, width, Qt::cyan,
                  eL.data());
    }
    if (scene.beideSeiten && texts.rechtsMisread.isEmpty()) {
        drawCurve(painter, yR.data(), view.groesse, view.yOffset, view.yKreuz_NULL, width,
                  Qt::yellow, eR.data());
    }
    if (texts.linksMisread.isEmpty() && texts.rechtsMisread.isEmpty()) {
        drawCurve(painter, yDiff.data(), view.groesse, view.yOffset, view.yKreuz_NULL, width,
                  Qt::green, eDiff.data());
    }
    if (scene.findings) {
        drawMarkers(painter, size, view, scene.beideSeiten, sides, *scene.findings);
    }
    painter.restore();
}
