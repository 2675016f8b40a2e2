#include "form/form1.h"

void Form1::ZeichnenSlot() {}

void Form1::KurveZeichnen(long double*, long double, int, QColor, int*) {}

void Form1::VergroessernSlot() {}

void Form1::VerkleinernSlot() {}

void Form1::NormalSlot() {}

void Form1::TabWidgetSlot(QWidget*) {}

void Form1::yL_yRSlot(bool) {}

void Form1::xOffset_scrollBarSlot(int) {}

void Form1::yOffset_scrollBarSlot(int) {}

void Form1::yKleiner_pressedSlot() {}

void Form1::yKleiner_releasedSlot() {}

void Form1::yGroesser_pressedSlot() {}

void Form1::yGroesser_releasedSlot() {}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
}

void Form1::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent* e) {
    QMainWindow::mouseMoveEvent(e);
}

void Form1::mousePressEvent(QMouseEvent* e) {
    QMainWindow::mousePressEvent(e);
}

void Form1::timerEvent(QTimerEvent* e) {
    QMainWindow::timerEvent(e);
}

void Form1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
}
