#pragma once

#include <QColor>
#include <QSize>
#include <QString>

class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

// Small builders and setters shared by the construction steps of the main window.
namespace widget_setup {

// A grid layout managing owner, with margin 11 and spacing 6.
QGridLayout* newGridLayout(QWidget* owner, const char* name);

// A vertical box managing owner, with margin 11 and spacing 6.
QVBoxLayout* newColumn(QWidget* owner, const char* name);

// A horizontal box without margin and with spacing 6, to be nested in another layout.
QHBoxLayout* newRow(const char* name);

// Font family only: the widget keeps its default size and weight.
void setFontFamily(QWidget* widget, const char* family);

// Family, point size and weight.
void setFont(QWidget* widget, const char* family, int pointSize, bool bold);

// Bold, keeping family and size.
void setBold(QWidget* widget);

// Foreground and background of a widget that paints on its window colour (labels,
// frames); the background is filled.
void setWindowColours(QWidget* widget, QColor foreground, QColor background);

// A fixed size of at least the given one, enlarged to hold the widest text the widget is to
// show in its own font.
void setFixedSizeFor(QWidget* widget, QSize size, const QString& widest);

// Text and base colours of an item view.
void setBaseColours(QWidget* widget, QColor text, QColor base);

} // namespace widget_setup
