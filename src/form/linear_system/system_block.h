#pragma once

// The block of lines that one solve of the linear-system page writes to its result list,
// built without a window, so that the window and the command line write the same text.

#include <QString>
#include <QStringList>

#include "form/linear_system/table_system.h"
#include "gauss/gausalgorithmus.h"

// The line that closes every block: 78 hyphens.
QString separatorLine();

// Where a solve keeps the system it hands to the solver, and the solver.
struct SystemWorkspace {
    Gausalgorithmus& solver;
    long double (*koeff)[Gausalgorithmus::Groesse]; // [unknown][equation], both from 1
    long double* rechts;                            // by equation from 1
};

struct SolvedSystem {
    // Every line the solve writes, the separator included.
    QStringList block;
    // The line that names the first cell holding no number; the block then holds it too.
    QString unreadable;
    // Unknowns of the system read, 0 for an empty table.
    int unknowns = 0;
};

// Reads the system of the cells, solves it and writes its lines: the values of the unknowns,
// or the solution set, after a line for each empty row; or the cell that holds no number.
SolvedSystem solveSystemCells(const CellTexts& cells, const SystemWorkspace& workspace);
