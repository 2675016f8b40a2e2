#include "form/window/result_list.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <cmath>
#include <limits>

ResultList::ResultList(QWidget* parent) : QListWidget(parent) {
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
}

int ResultList::lineHeight() const {
    if (m_lineHeight == 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = QStringLiteral("Xg");
        m_lineHeight = std::max(
            1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
    }
    return m_lineHeight;
}

int ResultList::visibleLines() const {
    return std::max(1, viewport()->height() / lineHeight());
}

int ResultList::rowAt(int y) const {
    const long long content = static_cast<long long>(y) + verticalOffset();
    if (content < 0) {
        return -1;
    }
    return static_cast<int>(
        std::min<long long>(content / lineHeight(), std::numeric_limits<int>::max()));
}

int ResultList::rowWidth() const {
    return std::max(m_widest, viewport()->width());
}

int ResultList::asciiWidth(const QString& text) const {
    if (m_asciiAdvance[0] < 0) {
        const QFontMetricsF metrics(font());
        for (int c = 0; c < AsciiCount; ++c) {
            m_asciiAdvance[c] = metrics.horizontalAdvance(QChar(c));
        }
        m_kerningSlack = metrics.averageCharWidth();
    }
    qreal width = m_kerningSlack;
    for (const QChar c : text) {
        if (c.unicode() >= AsciiCount) {
            return -1;
        }
        width += m_asciiAdvance[c.unicode()];
    }
    return static_cast<int>(std::min<qreal>(std::ceil(width), std::numeric_limits<int>::max() / 2));
}

void ResultList::widenFor(int first, int last) {
    const QFontMetrics metrics = fontMetrics();
    // Text is drawn inside a margin on each side of the row.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int widestCharacter = std::max(1, metrics.maxWidth());
    for (int row = first; row <= last; ++row) {
        const QString text = item(row)->text();
        // Only a line with enough characters can be wider than the widest so far.
        if (static_cast<long long>(text.size()) * widestCharacter + margins <= m_widest) {
            continue;
        }
        // Shaping every line of a long block would cost more than solving it: a plain ASCII
        // line is measured by its characters' advances, which with a character's slack for
        // kerning is never narrower than the line drawn.
        const int ascii = asciiWidth(text);
        m_widest =
            std::max(m_widest, (ascii >= 0 ? ascii : metrics.horizontalAdvance(text)) + margins);
    }
}

void ResultList::scrollToItem(const QListWidgetItem* item, ScrollHint hint) {
    if (item != nullptr) {
        scrollTo(indexFromItem(item), hint);
    }
}

QRect ResultList::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex() || index.row() >= count()) {
        return {};
    }
    const long long top = static_cast<long long>(index.row()) * lineHeight() - verticalOffset();
    const long long limit = std::numeric_limits<int>::max() / 2;
    return {-horizontalOffset(), static_cast<int>(std::clamp(top, -limit, limit)), rowWidth(),
            lineHeight()};
}

void ResultList::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.parent() != rootIndex()) {
        return;
    }
    executeDelayedItemsLayout();
    const int row = index.row();
    const int top = verticalScrollBar()->value();
    const int lines = visibleLines();
    int wanted = top;
    switch (hint) {
    case PositionAtTop:
        wanted = row;
        break;
    case PositionAtBottom:
        wanted = row - lines + 1;
        break;
    case PositionAtCenter:
        wanted = row - lines / 2;
        break;
    case EnsureVisible:
        if (row < top) {
            wanted = row;
        } else if (row >= top + lines) {
            wanted = row - lines + 1;
        }
        break;
    }
    verticalScrollBar()->setValue(wanted);
}

QModelIndex ResultList::indexAt(const QPoint& point) const {
    const int row = rowAt(point.y());
    const int x = point.x() + horizontalOffset();
    if (row < 0 || row >= count() || x < 0 || x >= rowWidth()) {
        return {};
    }
    return model()->index(row, 0, rootIndex());
}

void ResultList::doItemsLayout() {
    if (m_widthStale) {
        m_widthStale = false;
        m_widest = 0;
        widenFor(0, count() - 1);
    }
    QAbstractItemView::doItemsLayout();
}

void ResultList::reset() {
    m_widest = 0;
    QAbstractItemView::reset();
    scheduleDelayedItemsLayout();
}

void ResultList::scrollContentsBy(int dx, int dy) {
    viewport()->scroll(dx, dy * lineHeight());
}

void ResultList::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                             const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    if (topLeft.isValid() && bottomRight.isValid() && topLeft.parent() == rootIndex()) {
        widenFor(topLeft.row(), bottomRight.row());
        scheduleDelayedItemsLayout();
    }
}

void ResultList::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    if (parent == rootIndex()) {
        widenFor(start, end);
        scheduleDelayedItemsLayout();
    }
}

void ResultList::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, start, end);
    if (parent == rootIndex()) {
        m_widthStale = true;
        scheduleDelayedItemsLayout();
    }
}

// The list view would lay out every line again when its width changes.
void ResultList::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
}

void ResultList::paintEvent(QPaintEvent* event) {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    QPainter painter(viewport());
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const int first = std::max(0, rowAt(event->rect().top()));
    const int last = std::min(count() - 1, rowAt(event->rect().bottom()));
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state = state;
        if (selectionModel()->isSelected(index)) {
            option.state |= QStyle::State_Selected;
        }
        if (focus && index == current) {
            option.state |= QStyle::State_HasFocus;
        }
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void ResultList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_lineHeight = 0;
        m_asciiAdvance[0] = -1;
        m_widthStale = true;
        scheduleDelayedItemsLayout();
    }
    QListWidget::changeEvent(event);
}

int ResultList::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

int ResultList::verticalOffset() const {
    return verticalScrollBar()->value() * lineHeight();
}

QModelIndex ResultList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int rows = count();
    if (rows == 0) {
        return {};
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return model()->index(0, 0, rootIndex());
    }
    const int page = std::max(1, visibleLines() - 1);
    int row = current.row();
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        row -= 1;
        break;
    case MoveDown:
    case MoveNext:
        row += 1;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), 0, rootIndex());
}

void ResultList::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    QItemSelection selection;
    const int rows = count();
    if (rect.width() == 1 && rect.height() == 1) {
        const QModelIndex index = indexAt(rect.topLeft());
        if (index.isValid()) {
            selection.select(index, index);
        }
    } else if (rows > 0) {
        const int top = std::clamp(rowAt(rect.top()), 0, rows - 1);
        const int bottom = std::clamp(rowAt(rect.bottom()), 0, rows - 1);
        selection.select(model()->index(top, 0, rootIndex()),
                         model()->index(bottom, 0, rootIndex()));
    }
    selectionModel()->select(selection, command);
}

QRegion ResultList::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int first = std::max(0, rowAt(0));
    const int last = std::min(count() - 1, rowAt(viewport()->height()));
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.parent() != rootIndex()) {
            continue;
        }
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (top <= bottom) {
            region += visualRect(model()->index(top, 0, rootIndex()))
                          .united(visualRect(model()->index(bottom, 0, rootIndex())));
        }
    }
    return region;
}

void ResultList::updateGeometries() {
    const int lines = visibleLines();
    QScrollBar* vertical = verticalScrollBar();
    // A list scrolled to its end stays there when lines are added or the viewport shrinks,
    // as when the horizontal scroll bar appears after the newest line was made the top item.
    const bool atEnd = vertical->value() == vertical->maximum();
    vertical->setSingleStep(1);
    vertical->setPageStep(lines);
    vertical->setRange(0, std::max(0, count() - lines));
    if (atEnd) {
        vertical->setValue(vertical->maximum());
    }
    const int width = viewport()->width();
    horizontalScrollBar()->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    horizontalScrollBar()->setPageStep(std::max(1, width));
    horizontalScrollBar()->setRange(0, std::max(0, m_widest - width));
    QAbstractItemView::updateGeometries();
}

bool ResultList::isIndexHidden(const QModelIndex&) const {
    return false;
}

// Screen readers hear of the line that became current or selected by its row, which is its
// index among the list's accessible children.
void ResultList::selectionChanged(const QItemSelection& selected,
                                  const QItemSelection& deselected) {
    if (QAccessible::isActive()) {
        const QModelIndex added =
            selected.isEmpty() ? QModelIndex() : QModelIndex(selected.first().topLeft());
        if (added.isValid()) {
            QAccessibleEvent event(this, QAccessible::SelectionAdd);
            event.setChild(added.row());
            QAccessible::updateAccessibility(&event);
        }
        const QModelIndex removed =
            deselected.isEmpty() ? QModelIndex() : QModelIndex(deselected.first().topLeft());
        if (removed.isValid()) {
            QAccessibleEvent event(this, QAccessible::SelectionRemove);
            event.setChild(removed.row());
            QAccessible::updateAccessibility(&event);
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

void ResultList::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(current.row());
        QAccessible::updateAccessibility(&event);
    }
    QAbstractItemView::currentChanged(current, previous);
}

QSize ResultList::viewportSizeHint() const {
    return QAbstractItemView::viewportSizeHint();
}
