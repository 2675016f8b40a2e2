#include "form/graph/graph_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <utility>

#include "form/graph/graph_markers.h"

GraphFrame::GraphFrame(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
}

QImage& GraphFrame::imageOfSize(int width, int height) {
    if (m_image.width() != width || m_image.height() != height) {
        m_image = width > 0 && height > 0 ? QImage(width, height, QImage::Format_RGB32) : QImage();
    }
    return m_image;
}

void GraphFrame::setMarkerSpots(std::vector<MarkerSpot> spots) {
    m_spots = std::move(spots);
}

int GraphFrame::markerAt(QPoint position) const {
    for (const MarkerSpot& spot : m_spots) {
        if (spot.area.contains(position)) {
            return spot.finding;
        }
    }
    return -1;
}

bool GraphFrame::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString line = markerLine(markerAt(help->pos()));
        if (line.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), line, this);
        }
        return true;
    }
    return QFrame::event(event);
}

void GraphFrame::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QString value = markerValue(markerAt(event->position().toPoint()));
        if (!value.isEmpty()) {
            QApplication::clipboard()->setText(value);
        }
    }
    // The window reads off the point all the same.
    event->ignore();
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
