#include "form/linear_system/table_system.h"

#include <QTableWidget>

#include <algorithm>
#include <optional>

#include "form/linear_system/cell_value.h"
#include "form/linear_system/linear_system_table_labels.h"
#include "form/window/form1.h"

namespace {

QString cellText(const CellTexts& cells, int row, int column) {
    return row < cells.size() && column < cells[row].size() ? cells[row][column] : QString();
}

bool isEmpty(const CellTexts& cells, int row, int column) {
    return cellText(cells, row, column).trimmed().isEmpty();
}

QString unreadableLine(const CellTexts& cells, int row, int column) {
    return Form1::tr("Keine Zahl in G%1, %2: %3")
        .arg(QString::number(row + 1), Form1::tr(xyz_table_labels::Horizontal[column]),
             cellText(cells, row, column));
}

} // namespace

CellTexts tableTexts(const QTableWidget* table) {
    CellTexts cells;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            texts << (item ? item->text() : QString());
        }
        cells << texts;
    }
    return cells;
}

TableSystem readTableSystem(const QTableWidget* table,
                            long double (*koeff)[Gausalgorithmus::Groesse], long double* rechts) {
    return readCellSystem(tableTexts(table), koeff, rechts);
}

TableSystem readCellSystem(const CellTexts& cells, long double (*koeff)[Gausalgorithmus::Groesse],
                           long double* rechts) {
    const int rows = std::min(static_cast<int>(cells.size()), xyz_table_labels::Rows);
    const int columns = xyz_table_labels::Columns;
    int lastRow = -1;
    int lastColumn = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!isEmpty(cells, row, column)) {
                lastRow = row;
                lastColumn = std::max(lastColumn, column);
            }
        }
    }
    TableSystem system;
    if (lastRow < 0) {
        return system;
    }
    // A lone right-hand side is an equation in X1 with the coefficient 0.
    system.unknowns = std::max(lastColumn, 1);
    for (int row = 0; row <= lastRow; ++row) {
        bool filled = false;
        for (int column = 0; column <= system.unknowns; ++column) {
            filled = filled || !isEmpty(cells, row, column);
        }
        if (!filled) {
            system.emptyRows << Form1::tr("G%1 ist leer").arg(row + 1);
            continue;
        }
        const int equation = ++system.equations;
        for (int column = 0; column <= system.unknowns; ++column) {
            long double value = 0;
            if (!isEmpty(cells, row, column)) {
                const std::optional<long double> read = cellValue(cellText(cells, row, column));
                if (!read) {
                    system.unreadable = unreadableLine(cells, row, column);
                    return system;
                }
                value = *read;
            }
            if (column == 0) {
                rechts[equation] = value;
            } else {
                koeff[column][equation] = value;
            }
        }
    }
    return system;
}
