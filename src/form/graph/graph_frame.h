#pragma once

#include <QFrame>
#include <QImage>

// The plot frame. The plot is rendered into the image it owns; paintEvent shows the
// image at the frame's top-left corner and draws the frame over it. Opaque: it fills
// its background itself.
class GraphFrame : public QFrame {
    Q_OBJECT

public:
    explicit GraphFrame(QWidget* parent = nullptr);

    QImage& image() { return m_image; }

    // The image, made anew when its size differs; null for an empty size.
    QImage& imageOfSize(int width, int height);

signals:
    // The mouse wheel turned by whole notches at a point of the frame: positive away from
    // the user (zoom in), negative towards the user.
    void wheelTurned(int notches, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QImage m_image;
    // Eighths of a degree turned since the last whole notch, as touchpads send them.
    int m_pendingDelta = 0;
};
