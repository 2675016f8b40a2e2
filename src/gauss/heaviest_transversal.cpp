#include "gauss/heaviest_transversal.h"

namespace gauss {

namespace {

constexpr int Groesse = Gausalgorithmus::Groesse;
// The cost of a zero coefficient: more than any path through real weights can cost (n
// times the span of the binary exponents of a long double, about 2^20), so a zero is only
// used where no transversal avoids it.
constexpr long long ZeroCost = 1LL << 40;
// Larger than any reduced cost, with room for the sums of n of them.
constexpr long long Unreachable = 1LL << 60;

} // namespace

// Shortest augmenting paths with potentials on the costs -weight; after each row is added,
// row[i] + column[j] <= cost[i][j] holds, with equality on the assigned pairs.
TransversalScaling heaviestTransversal(const int (*weight)[Groesse], int n) {
    TransversalScaling scaling{};
    long long rowPotential[Groesse] = {};
    long long columnPotential[Groesse] = {};
    int rowOfColumn[Groesse] = {}; // 0: column still free
    int previous[Groesse] = {};
    const auto cost = [&](int i, int j) {
        return weight[i][j] == NoWeight ? ZeroCost : -static_cast<long long>(weight[i][j]);
    };
    for (int i = 1; i <= n; ++i) {
        rowOfColumn[0] = i;
        long long slack[Groesse];
        bool used[Groesse] = {};
        for (int j = 0; j <= n; ++j) {
            slack[j] = Unreachable;
        }
        int column = 0;
        do {
            used[column] = true;
            const int row = rowOfColumn[column];
            long long delta = Unreachable;
            int next = 0;
            for (int j = 1; j <= n; ++j) {
                if (used[j]) {
                    continue;
                }
                const long long reduced = cost(row, j) - rowPotential[row] - columnPotential[j];
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
    for (int j = 1; j <= n; ++j) {
        if (weight[rowOfColumn[j]][j] == NoWeight) {
            scaling.found = false;
        }
    }
    // cost = -weight >= rowPotential + columnPotential, so weight + row + column <= 0.
    if (!scaling.found) {
        return scaling;
    }
    // With a transversal free of zeros no zero was ever on a shortest path, so the potentials
    // are sums of exponent differences and fit an int.
    for (int i = 1; i <= n; ++i) {
        scaling.row[i] = static_cast<int>(rowPotential[i]);
    }
    for (int j = 1; j <= n; ++j) {
        scaling.column[j] = static_cast<int>(columnPotential[j]);
    }
    return scaling;
}

} // namespace gauss
