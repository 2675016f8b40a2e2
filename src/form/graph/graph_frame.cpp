#include "form/graph/graph_frame.h"

#include <QPainter>

GraphFrame::GraphFrame(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
}

QImage& GraphFrame::imageOfSize(int width, int height) {
    if (m_image.width() != width || m_image.height() != height) {
        m_image = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
    }
    return m_image;
}

void GraphFrame::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }
    QFrame::paintEvent(event);
}
