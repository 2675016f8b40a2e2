// Drawing of the graph page: the redraw of the whole plot and one sampled curve.
#include "form/window/form1.h"

#include <QByteArray>
#include <QLabel>
#include <QLine>
#include <QLineEdit>
#include <QRect>

#include <cstddef>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "form/graph/graph_frame.h"
#include "form/graph/graph_sampling.h"
#include "form/graph/graph_state.h"
#include "form/graph/plot_mapping.h"
#include "form/window/busy_guard.h"
#include "form/window/c_locale_format.h"
#include "form/window/departure_line.h"
#include "form/window/empty_side_line.h"
#include "form/window/formula_records.h"

namespace {

// Sample arrays of a redraw, grown with the frame and kept for the next one.
std::vector<long double> yL_Werte;
std::vector<long double> yR_Werte;
std::vector<long double> yDiff_Werte;

// A line joins neighbouring columns, and its pixels lie between its end rows. The dots
// at both ends cover both columns from the upper end row to two rows below the lower
// one: a line rising or falling by at most 3 rows lies under them and is not drawn.
constexpr int HiddenRise = 3;

// Lines and dots of one curve, collected before they are drawn.
std::vector<QLine> lines;
std::vector<QRect> dots;

ColumnArrays columnArrays(int columns) {
    reserveColumns(columns);
    if (columns > 0 && static_cast<std::size_t>(columns) > yL_Werte.size()) {
        yL_Werte.resize(static_cast<std::size_t>(columns));
        yR_Werte.resize(static_cast<std::size_t>(columns));
        yDiff_Werte.resize(static_cast<std::size_t>(columns));
    }
    return {yL_Werte.data(),  yR_Werte.data(),  yDiff_Werte.data(),
            yL_Fehler.data(), yR_Fehler.data(), yDiff_Fehler.data()};
}

std::string_view textOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Starts a painting pass on the frame's image with the frame's font and background,
// without antialiasing; false when there is nothing to paint on.
bool beginPass(GraphFrame* frame) {
    if (frame->image().isNull() || !painter.begin(&frame->image())) {
        return false;
    }
    QFont font = frame->font();
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setBackground(frame->palette().brush(frame->backgroundRole()));
    return true;
}

QString label(const char* format, long double value) {
    return QString::fromStdString(formatNumber(format, value));
}

// Why a side gets no curve: it is empty, or not read as typed; empty when it gets one.
QString unusableSideLine(const Formelinterpreter& side, bool leftSide) {
    const QString empty = emptySideLine(side, leftSide);
    return empty.isEmpty() ? departureLine(side, leftSide) : empty;
}

// A legend, followed by why its curve is missing when it is.
QString legend(const QString& text, const QString& misread) {
    return misread.isEmpty() ? text : text + QStringLiteral("   ") + misread;
}

} // namespace

void Form1::ZeichnenSlot() {
    const BusyGuard busy;
    const QString linksText = GleichLinks_LineEdit->text();
    const QString rechtsText = GleichRechts_LineEdit->text();
    compileSides(textOf(linksText.toUtf8()), textOf(rechtsText.toUtf8()));
    // An empty side or one not read as typed gets no curve, and neither does the difference.
    const QString linksMisread = unusableSideLine(links, true);
    const QString rechtsMisread = unusableSideLine(rechts, false);
    const QString diffMisread = linksMisread.isEmpty() ? rechtsMisread : linksMisread;

    setFrameSize(grafik->width(), grafik->height());
    const PlotView plot = currentView();
    grafik->imageOfSize(Breite, Hoehe);
    if (beginPass(grafik)) {
        painter.fillRect(0, 0, Breite, Hoehe, painter.background());
        painter.setPen(Qt::white);
        const int r0 = plot_mapping::xAxisRow(plot);
        painter.drawLine(0, r0, Breite, r0);
        painter.setPen(Qt::gray);
        const int c0 = plot_mapping::yAxisColumn(plot);
        painter.drawLine(c0, 0, c0, Hoehe);
        if (BeideSeiten) {
            painter.setPen(Qt::cyan);
            painter.drawText(10, 30, legend(QStringLiteral("yL_f(x)=") + linksText, linksMisread));
            painter.setPen(Qt::yellow);
            painter.drawText(10, 50,
                             legend(QStringLiteral("yR_f(x)=") + rechtsText, rechtsMisread));
        }
        painter.setPen(Qt::green);
        painter.drawText(
            10, 70,
            legend(QStringLiteral("yDiff_f(x)=") + linksText + " - " + rechtsText, diffMisread));
        painter.end();
    }

    const plot_mapping::Ranges ranges = plot_mapping::visibleRanges(plot, Breite, Hoehe);
    Xmin_textLabel->setText(label("x:%+1.3LG", ranges.xMin));
    Xmax_textLabel->setText(label("x:%+1.3LG", ranges.xMax));
    Ymin_textLabel->setText(label("y:%+1.3LG", ranges.yMin));
    Ymax_textLabel->setText(label("y:%+1.3LG", ranges.yMax));

    const ColumnArrays arrays = columnArrays(Breite);
    sampleColumns(plot, Breite, arrays);
    if (BeideSeiten && linksMisread.isEmpty()) {
        KurveZeichnen(arrays.yL_Werte, groesse, Breite, Qt::cyan, arrays.yL_Fehler);
    }
    if (BeideSeiten && rechtsMisread.isEmpty()) {
        KurveZeichnen(arrays.yR_Werte, groesse, Breite, Qt::yellow, arrays.yR_Fehler);
    }
    if (diffMisread.isEmpty()) {
        KurveZeichnen(arrays.yDiff_Werte, groesse, Breite, Qt::green, arrays.yDiff_Fehler);
    }
    grafik->update();
}

void Form1::KurveZeichnen(long double* Werte, long double Massstab, int Anzahl, QColor Farbe,
                          int* Fehler) {
    if (Anzahl < 2 || !beginPass(grafik)) {
        return;
    }
    const auto columns = static_cast<std::size_t>(Anzahl);
    if (columns > dots.size()) {
        lines.resize(columns);
        dots.resize(columns);
    }
    // The pen goes up at every skipped sample: a line joins only neighbouring valid ones.
    int lineCount = 0;
    int dotCount = 0;
    bool penDown = false;
    QPoint current;
    for (int i = 1; i < Anzahl; ++i) {
        int r = 0;
        if (Fehler[i] != 0 ||
            !plot_mapping::rowOfValue(Werte[i], Massstab, yOffset, yKreuz_NULL, r)) {
            penDown = false;
            continue;
        }
        const QPoint point(i, r);
        if (penDown && std::abs(r - current.y()) > HiddenRise) {
            lines[lineCount++] = QLine(current, point);
        }
        // The dot: a filled ellipse in the 3 x 3 box from (i - 1, r). Every pixel centre
        // of the box lies inside that ellipse, so the dot is the whole square.
        dots[dotCount++] = QRect(i - 1, r, 3, 3);
        current = point;
        penDown = true;
    }
    // One colour, no blending: all lines, then all dots give the same pixels as drawing
    // them column by column, in a fraction of the time.
    painter.setPen(Farbe);
    painter.drawLines(lines.data(), lineCount);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(Farbe));
    painter.drawRects(dots.data(), dotCount);
    painter.end();
}
