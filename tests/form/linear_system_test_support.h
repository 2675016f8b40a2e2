#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTableWidget>

// Cells of the table, row by row from row 0; each row from column 0 (right-hand side).
using Rows = QList<QStringList>;

// The separator line after every solve.
inline const QString Separator(78, QLatin1Char('-'));

// Types the cells into the table, as a user would leave them.
inline void fillTable(QTableWidget* table, const Rows& rows) {
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            table->setItem(row, column, new QTableWidgetItem(rows[row][column]));
        }
    }
}
