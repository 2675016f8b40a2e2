// Drawing of the graph page: the redraw of the whole plot and one sampled curve, with the
// pieces every plot is drawn with.
#include "form/window/form1.h"

#include <QByteArray>
#include <QLabel>
#include <QLineEdit>

#include <cstddef>
#include <string_view>
#include <vector>

#include "form/graph/graph_frame.h"
#include "form/graph/graph_markers.h"
#include "form/graph/graph_render.h"
#include "form/graph/graph_sampling.h"
#include "form/graph/graph_state.h"
#include "form/graph/plot_mapping.h"
#include "form/window/busy_guard.h"
#include "form/window/c_locale_format.h"

namespace {

// Sample arrays of a redraw, grown with the frame and kept for the next one.
std::vector<long double> yL_Werte;
std::vector<long double> yR_Werte;
std::vector<long double> yDiff_Werte;

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

} // namespace

void Form1::ZeichnenSlot() {
    const BusyGuard busy;
    const QString linksText = GleichLinks_LineEdit->text();
    const QString rechtsText = GleichRechts_LineEdit->text();
    compileSides(textOf(linksText.toUtf8()), textOf(rechtsText.toUtf8()));
    // An empty side or one not read as typed gets no curve, and neither does the difference.
    const PlotTexts texts{linksText, rechtsText, unusableSideLine(plottedSides(), true),
                          unusableSideLine(plottedSides(), false)};

    setFrameSize(grafik->width(), grafik->height());
    const PlotView plot = currentView();
    const QSize size(Breite, Hoehe);
    grafik->imageOfSize(Breite, Hoehe);
    if (beginPass(grafik)) {
        drawPlotFrame(painter, size, plot, BeideSeiten, texts);
        painter.end();
    }

    const plot_mapping::Ranges ranges = plot_mapping::visibleRanges(plot, Breite, Hoehe);
    Xmin_textLabel->setText(label("x:%+1.3LG", ranges.xMin));
    Xmax_textLabel->setText(label("x:%+1.3LG", ranges.xMax));
    Ymin_textLabel->setText(label("y:%+1.3LG", ranges.yMin));
    Ymax_textLabel->setText(label("y:%+1.3LG", ranges.yMax));

    const ColumnArrays arrays = columnArrays(Breite);
    sampleColumns(plot, Breite, arrays);
    if (BeideSeiten && texts.linksMisread.isEmpty()) {
        KurveZeichnen(arrays.yL_Werte, groesse, Breite, Qt::cyan, arrays.yL_Fehler);
    }
    if (BeideSeiten && texts.rechtsMisread.isEmpty()) {
        KurveZeichnen(arrays.yR_Werte, groesse, Breite, Qt::yellow, arrays.yR_Fehler);
    }
    if (texts.linksMisread.isEmpty() && texts.rechtsMisread.isEmpty()) {
        KurveZeichnen(arrays.yDiff_Werte, groesse, Breite, Qt::green, arrays.yDiff_Fehler);
    }
    const std::vector<Finding>* findings = markedFindings(plottedSides());
    std::vector<MarkerSpot> spots;
    if (findings && beginPass(grafik)) {
        spots = drawMarkers(painter, size, plot, BeideSeiten, plottedSides(), *findings);
        painter.end();
    }
    grafik->setMarkerSpots(std::move(spots));
    grafik->update();
}

void Form1::KurveZeichnen(long double* Werte, long double Massstab, int Anzahl, QColor Farbe,
                          int* Fehler) {
    if (Anzahl < 2 || !beginPass(grafik)) {
        return;
    }
    drawCurve(painter, Werte, Massstab, yOffset, yKreuz_NULL, Anzahl, Farbe, Fehler);
    painter.end();
}
