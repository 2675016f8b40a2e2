#pragma once

#include <QFrame>
#include <QImage>

#include <vector>

#include "form/graph/graph_render.h"

// The plot frame. The plot is rendered into the image it owns; paintEvent shows the
// image at the frame's top-left corner and draws the frame over it. Opaque: it fills
// its background itself. Over a marker of a finding, the pointer shows the finding's line;
// a left click there copies its value and still reaches the window's read-out.
class GraphFrame : public QFrame {
    Q_OBJECT

public:
    explicit GraphFrame(QWidget* parent = nullptr);

    QImage& image() { return m_image; }

    // The image, made anew when its size differs; null for an empty size.
    QImage& imageOfSize(int width, int height);

    // Where the markers of the last redraw lie.
    void setMarkerSpots(std::vector<MarkerSpot> spots);
    // The finding of the marker at a point of the frame, -1 for none.
    int markerAt(QPoint position) const;

signals:
    // The mouse wheel turned by whole notches at a point of the frame: positive away from
    // the user (zoom in), negative towards the user.
    void wheelTurned(int notches, QPoint position);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage m_image;
    std::vector<MarkerSpot> m_spots;
    // Eighths of a degree turned since the last whole notch, as touchpads send them.
    int m_pendingDelta = 0;
};
