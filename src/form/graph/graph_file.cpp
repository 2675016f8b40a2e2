#include "form/graph/graph_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "form/window/safe_write.h"

namespace {

QString suffixOf(const QString& path) {
    return QFileInfo(path).suffix().toLower();
}

bool writePng(QIODevice& device, QSize size, const PlotScene& scene) {
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        renderPlot(painter, size, scene);
    }
    return image.save(&device, "PNG");
}

bool writeSvg(QIODevice& device, QSize size, const PlotScene& scene) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(scene.linksText + QStringLiteral(" = ") + scene.rechtsText);
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    renderPlot(painter, size, scene);
    return painter.end();
}

bool writePdf(QIODevice& device, QSize size, const PlotScene& scene) {
    // At 72 dots per inch a pixel of the plot is a point of the page.
    constexpr int PointsPerInch = 72;
    QPdfWriter pdf(&device);
    pdf.setResolution(PointsPerInch);
    pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(scene.linksText + QStringLiteral(" = ") + scene.rechtsText);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    renderPlot(painter, size, scene);
    return painter.end();
}

} // namespace

bool isGraphFileName(const QString& path) {
    const QString suffix = suffixOf(path);
    return suffix == QLatin1String("png") || suffix == QLatin1String("svg") ||
           suffix == QLatin1String("pdf");
}

QString writeGraphFile(const QString& path, QSize size, const PlotScene& scene) {
    if (!isGraphFileName(path)) {
        return QCoreApplication::translate(
                   "Form1", "Die Datei %1 wurde nicht geschrieben: Grafiken werden als .png, .svg "
                            "oder .pdf gespeichert")
            .arg(path);
    }
    if (size.width() < 1 || size.height() < 1) {
        return QCoreApplication::translate(
                   "Form1", "Die Datei %1 wurde nicht geschrieben: die Grafik hat keine Fläche")
            .arg(path);
    }
    const QString suffix = suffixOf(path);
    return writeSafely(path, [&](QIODevice& device) {
        if (suffix == QLatin1String("png")) {
            return writePng(device, size, scene);
        }
        if (suffix == QLatin1String("svg")) {
            return writeSvg(device, size, scene);
        }
        return writePdf(device, size, scene);
    });
}
