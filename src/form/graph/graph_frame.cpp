#include "form/graph/graph_frame.h"

#include <QPainter>
#include <QWheelEvent>

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

void GraphFrame::wheelEvent(QWheelEvent* event) {
    // One notch of an ordinary wheel is 120 eighths of a degree.
    constexpr int Notch = 120;
    m_pendingDelta += event->angleDelta().y();
    const int notches = m_pendingDelta / Notch;
    m_pendingDelta -= notches * Notch;
    if (notches != 0) {
        emit wheelTurned(notches, event->position().toPoint());
    }
    event->accept();
}
