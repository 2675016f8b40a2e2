#include "form/graph_frame.h"

#include <QPainter>

GraphFrame::GraphFrame(QWidget* parent) : QFrame(parent) {
    setAutoFillBackground(true);
}

void GraphFrame::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_image);
    }
    QFrame::paintEvent(event);
}
