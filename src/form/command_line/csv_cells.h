#pragma once

#include <QByteArray>
#include <QString>

#include "form/linear_system/table_system.h"

// The cells of a linear system written as CSV, one equation a row: "value,k1,k2,…". A field
// in double quotes may hold commas ("1,5") and doubled quotes. Lines end in LF or CRLF; empty
// lines at the end are dropped, empty lines before the last row are empty rows.
struct CsvCells {
    CellTexts cells;
    // Why the text is not such a table, naming the line; empty when it is.
    QString problem;
};

// Reads at most `rows` rows of at most `columns` fields each; more of either, a quote left
// open, a text that is not UTF-8 or holds no field at all is a problem.
CsvCells readCsvCells(const QByteArray& text, int rows, int columns);
