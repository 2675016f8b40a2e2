#include "form/window/widget_setup.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>
#include <QWidget>

namespace widget_setup {

namespace {

// The margin and spacing of a layout that manages its owner.
template <typename Layout> Layout* newOwnedLayout(QWidget* owner, const char* name) {
    auto* layout = new Layout(owner);
    layout->setObjectName(name);
    layout->setContentsMargins(11, 11, 11, 11);
    layout->setSpacing(6);
    return layout;
}

} // namespace

QGridLayout* newGridLayout(QWidget* owner, const char* name) {
    return newOwnedLayout<QGridLayout>(owner, name);
}

QVBoxLayout* newColumn(QWidget* owner, const char* name) {
    return newOwnedLayout<QVBoxLayout>(owner, name);
}

QHBoxLayout* newRow(const char* name) {
    auto* layout = new QHBoxLayout();
    layout->setObjectName(name);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    return layout;
}

void setFontFamily(QWidget* widget, const char* family) {
    QFont font = widget->font();
    font.setFamily(QString::fromLatin1(family));
    widget->setFont(font);
}

void setFont(QWidget* widget, const char* family, int pointSize, bool bold) {
    QFont font = widget->font();
    font.setFamily(QString::fromLatin1(family));
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
}

void setBold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

void setWindowColours(QWidget* widget, QColor foreground, QColor background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setFixedSizeFor(QWidget* widget, QSize size, const QString& widest) {
    // A label draws its text inside a margin of a few pixels on each side.
    constexpr int Margins = 4;
    const QFontMetrics metrics = widget->fontMetrics();
    widget->setFixedSize(size.expandedTo(
        QSize(metrics.horizontalAdvance(widest) + Margins, metrics.height() + Margins / 2)));
}

void setBaseColours(QWidget* widget, QColor text, QColor base) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, base);
    widget->setPalette(palette);
}

} // namespace widget_setup
