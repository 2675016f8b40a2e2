#pragma once

#include <QString>

class QListWidget;

// Result lists select several lines with the mouse, Shift and Ctrl+A, and copy them with
// Ctrl+C or the context-menu entry as plain text lines, in list order.
namespace result_list_copy {

// Adds the copy entry, without its text, which setText gives it.
void enable(QListWidget* list);

// The text of the copy entry added by enable.
void setText(QListWidget* list, const QString& text);

// The selected lines in list order, joined by newlines.
QString selectedLines(const QListWidget* list);

} // namespace result_list_copy
