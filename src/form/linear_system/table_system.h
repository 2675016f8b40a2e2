#pragma once

#include <QString>
#include <QStringList>

#include "gauss/gausalgorithmus.h"

class QTableWidget;

// The system typed into the coefficient table: the rectangle of the rows and columns that
// hold anything, without the rows inside it that are empty.
struct TableSystem {
    // Rows that hold anything.
    int equations = 0;
    // The last coefficient column that holds anything, and at least 1 once a row does.
    int unknowns = 0;
    // "G2 ist leer" for each empty row above the last one that holds anything.
    QStringList emptyRows;
    // The line that names the first cell holding no number, "Keine Zahl in G1, k1*X1: a";
    // empty when every cell could be read.
    QString unreadable;
};

// The texts of a table's cells, row by row from the first; a cell beyond a row's end is empty.
using CellTexts = QList<QStringList>;

// The texts of the coefficient table's cells.
CellTexts tableTexts(const QTableWidget* table);

// Reads the system of the cells into koeff ([unknown][equation], both from 1) and rechts (by
// equation from 1). A cell inside the rectangle that is empty counts as 0. Only the cells
// inside the coefficient table's rows and columns (xyz_table_labels) are read.
TableSystem readCellSystem(const CellTexts& cells, long double (*koeff)[Gausalgorithmus::Groesse],
                           long double* rechts);

// readCellSystem on the table's cells.
TableSystem readTableSystem(const QTableWidget* table,
                            long double (*koeff)[Gausalgorithmus::Groesse], long double* rechts);
