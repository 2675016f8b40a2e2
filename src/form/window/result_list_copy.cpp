#include "form/window/result_list_copy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QStringList>

#include <vector>

namespace result_list_copy {

namespace {

const char* const CopyActionName = "Kopieren_Action";

} // namespace

void enable(QListWidget* list) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* copy = new QAction(list);
    copy->setObjectName(CopyActionName);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QAction::triggered, list,
                     [list] { QGuiApplication::clipboard()->setText(selectedLines(list)); });
    list->addAction(copy);
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void setText(QListWidget* list, const QString& text) {
    if (auto* copy = list->findChild<QAction*>(CopyActionName, Qt::FindDirectChildrenOnly)) {
        copy->setText(text);
    }
}

// Marks the rows of the selection's ranges first: asking each row would cost a search of
// the ranges per row, and the lists hold up to 100,000 lines.
QString selectedLines(const QListWidget* list) {
    std::vector<bool> selected(static_cast<std::size_t>(list->count()), false);
    for (const QItemSelectionRange& range : list->selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom() && row < list->count(); ++row) {
            selected[static_cast<std::size_t>(row)] = true;
        }
    }
    QStringList lines;
    for (int row = 0; row < list->count(); ++row) {
        if (selected[static_cast<std::size_t>(row)]) {
            lines << list->item(row)->text();
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace result_list_copy
