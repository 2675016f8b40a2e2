#include "gauss/heaviest_transversal.h"

namespace gauss {

namespace {

constexpr int Groesse = Gausalgorithmus::Groesse;
// Larger than any sum of n weight differences, far from overflowing an int.
constexpr int Unreachable = 1 << 28;

} // namespace

// Shortest augmenting paths with potentials on the costs -weight; after each row is added,
// row[i] + column[j] <= cost[i][j] holds, with equality on the assigned pairs.
TransversalScaling heaviestTransversal(const int (*weight)[Groesse], int n) {
    TransversalScaling scaling{};
    int rowPotential[Groesse] = {};
    int columnPotential[Groesse] = {};
    int rowOfColumn[Groesse] = {}; // 0: column still free
    int previous[Groesse] = {};
    const auto cost = [&](int i, int j) { return -weight[i][j]; };
    for (int i = 1; i <= n; ++i) {
        rowOfColumn[0] = i;
        int slack[Groesse];
        bool used[Groesse] = {};
        for (int j = 0; j <= n; ++j)
            slack[j] = Unreachable;
        int column = 0;
        do {
            used[column] = true;
            const int row = rowOfColumn[column];
            int delta = Unreachable;
            int next = 0;
            for (int j = 1; j <= n; ++j) {
                if (used[j])
                    continue;
                const int reduced = cost(row, j) - rowPotential[row] - columnPotential[j];
                if (reduced < slack[j]) {
                    slack[j] = reduced;
                    previous[j] = column;
                }
                if (slack[j] < delta) {
                    delta = slack[j];
                    next = j;
                }
            }
            for (int j = 0; j <= n; ++j) {
                if (used[j]) {
                    rowPotential[rowOfColumn[j]] += delta;
                    columnPotential[j] -= delta;
                } else {
                    slack[j] -= delta;
                }
            }
            column = next;
        } while (rowOfColumn[column] != 0);
        do {
            const int before = previous[column];
            rowOfColumn[column] = rowOfColumn[before];
            column = before;
        } while (column != 0);
    }
    scaling.found = true;
    for (int j = 1; j <= n; ++j)
        if (weight[rowOfColumn[j]][j] == NoWeight)
            scaling.found = false;
    // cost = -weight >= rowPotential + columnPotential, so weight + row + column <= 0.
    for (int i = 1; i <= n; ++i)
        scaling.row[i] = rowPotential[i];
    for (int j = 1; j <= n; ++j)
        scaling.column[j] = columnPotential[j];
    return scaling;
}

} // namespace gauss
