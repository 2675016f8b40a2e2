#pragma once

#include <QListWidget>

// A result list: lines of text appended at its end until it is cleared. Every line has the
// height of one line of the list's font, so a line's place follows from its row: appending
// costs the same whatever the list holds, and painting, hit tests and scrolling reach only
// the lines concerned. This replaces the list view's own layout, which places every line
// anew after each insertion; the view's modes (flow, wrapping, grid, icon mode, hidden
// rows) are not used. The vertical scroll bar counts lines, the horizontal one pixels.
class ResultList : public QListWidget {
    Q_OBJECT

public:
    explicit ResultList(QWidget* parent = nullptr);

    // The list widget's own scrollToItem goes to the list view's layout, which is not used.
    void scrollToItem(const QListWidgetItem* item, ScrollHint hint = EnsureVisible);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;
    void reset() override;

protected:
    void scrollContentsBy(int dx, int dy) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QSize viewportSizeHint() const override;

private:
    int lineHeight() const;
    // Lines that fit the viewport whole, at least 1.
    int visibleLines() const;
    // The row at a height in viewport coordinates, not limited to the lines the list holds.
    int rowAt(int y) const;
    // Width of the rows: the widest line, or the viewport where that is wider.
    int rowWidth() const;
    // Widens the rows for the lines first ... last.
    void widenFor(int first, int last);
    // At least the width of a line of ASCII characters, from their advances; -1 for another line.
    int asciiWidth(const QString& text) const;

    static constexpr int AsciiCount = 128;
    mutable qreal m_asciiAdvance[AsciiCount] = {-1};
    mutable qreal m_kerningSlack = 0;
    mutable int m_lineHeight = 0;
    int m_widest = 0;
    bool m_widthStale = false;
};
