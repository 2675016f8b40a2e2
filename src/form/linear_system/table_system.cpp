#include "form/linear_system/table_system.h"

#include <QAbstractItemModel>
#include <QTableWidget>

#include <algorithm>
#include <optional>

#include "form/linear_system/cell_value.h"
#include "form/window/form1.h"

namespace {

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

bool isEmpty(const QTableWidget* table, int row, int column) {
    return cellText(table, row, column).trimmed().isEmpty();
}

QString unreadableLine(const QTableWidget* table, int row, int column) {
    return Form1::tr("Keine Zahl in G%1, %2: %3")
        .arg(QString::number(row + 1),
             table->model()->headerData(column, Qt::Horizontal).toString(),
             cellText(table, row, column));
}

} // namespace

TableSystem readTableSystem(const QTableWidget* table,
                            long double (*koeff)[Gausalgorithmus::Groesse], long double* rechts) {
    const int rows = std::min(table->rowCount(), Gausalgorithmus::MaxAnzahl);
    const int columns = std::min(table->columnCount(), Gausalgorithmus::MaxAnzahl + 1);
    int lastRow = -1;
    int lastColumn = 0;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            if (!isEmpty(table, row, column)) {
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
            filled = filled || !isEmpty(table, row, column);
        }
        if (!filled) {
            system.emptyRows << Form1::tr("G%1 ist leer").arg(row + 1);
            continue;
        }
        const int equation = ++system.equations;
        for (int column = 0; column <= system.unknowns; ++column) {
            long double value = 0;
            if (!isEmpty(table, row, column)) {
                const std::optional<long double> read = cellValue(cellText(table, row, column));
                if (!read) {
                    system.unreadable = unreadableLine(table, row, column);
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
