#pragma once

#include <QSize>
#include <QString>

#include "form/graph/graph_render.h"

// Writes the plot of a scene, in a frame of that size, as the file's suffix says: .png an
// image, .svg a drawing, .pdf a page the size of the plot (one pixel a point). Written whole
// or not at all (writeSafely). Returns an empty text on success, else the message to show.
QString writeGraphFile(const QString& path, QSize size, const PlotScene& scene);

// Whether writeGraphFile knows the file's suffix (png, svg, pdf, in any case).
bool isGraphFileName(const QString& path);
