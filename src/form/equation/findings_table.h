#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "form/equation/solve_record.h"

// One finding of a solve as a row of a table. The numbers are those of the finding's line
// in the result block, in the "C" locale.
struct FindingRow {
    QString kind;     // root, pole, hole, identity, plateau, undecided
    QString lower;    // x of a point, or where its stretch begins
    QString upper;    // where a stretch ends; x again for a point
    QString equation; // "<left> = <right>" as the block's heading
    int intervalFrom = 0;
    int intervalTo = 0;
    QString step; // the grid step, as "0.01"
};

// The rows of a solve, one per finding, in increasing x.
std::vector<FindingRow> findingRows(const SolveRecord& solve);

// The names of the columns, in the order the rows give their fields.
QStringList findingColumns();

// The fields of a row, in the order of findingColumns().
QStringList findingFields(const FindingRow& row);

// A table as CSV (RFC 4180): the column names, then one line per row, each ended by CRLF;
// fields holding a comma, a quote or a line break are quoted, their quotes doubled.
QString findingsCsv(const std::vector<FindingRow>& rows);
