#include "gauss/pivoted_factors.h"

#include <cmath>
#include <utility>

namespace gauss {

namespace {

struct Position {
    int row;
    int column;
};

// The largest magnitude of the rows and columns from k on.
Position largestRemaining(const Factors& factors, int k) {
    Position best{k, k};
    for (int i = k; i <= factors.n; ++i) {
        for (int j = k; j <= factors.n; ++j) {
            if (std::fabs(factors.lu[i][j]) > std::fabs(factors.lu[best.row][best.column])) {
                best = {i, j};
            }
        }
    }
    return best;
}

void exchangeRows(Factors& factors, int a, int b) {
    std::swap(factors.equation[a], factors.equation[b]);
    for (int j = 1; j <= factors.n; ++j) {
        std::swap(factors.lu[a][j], factors.lu[b][j]);
    }
}

void exchangeColumns(Factors& factors, int a, int b) {
    std::swap(factors.unknown[a], factors.unknown[b]);
    for (int i = 1; i <= factors.n; ++i) {
        std::swap(factors.lu[i][a], factors.lu[i][b]);
    }
}

} // namespace

// Fraction-free (Bareiss) elimination: step k sets each remaining entry to
// (pivot * entry - a * b) / previous pivot. The entries stay minors of the scaled system,
// so for whole numbers, which the powers of two of the scaling leave whole up to a power of
// two, every division is exact while they fit the 64-bit significand: only the last
// division of each unknown rounds, and a whole-number solution comes out exact. The pivot
// of ordinary elimination is pivot / previous pivot.
Factors factorize(const ScaledSystem& system) {
    Factors factors{};
    const int n = system.n;
    factors.n = n;
    for (int i = 1; i <= n; ++i) {
        factors.equation[i] = i;
        factors.unknown[i] = i;
        for (int j = 1; j <= n; ++j) {
            factors.lu[i][j] = system.a[i][j];
        }
    }
    long double previous = 1;
    for (int k = 1; k <= n; ++k) {
        const Position best = largestRemaining(factors, k);
        if (!(std::fabs(factors.lu[best.row][best.column] / previous) > SingularPivot)) {
            return factors;
        }
        exchangeRows(factors, k, best.row);
        exchangeColumns(factors, k, best.column);
        const long double pivot = factors.lu[k][k];
        for (int i = k + 1; i <= n; ++i) {
            for (int j = k + 1; j <= n; ++j) {
                factors.lu[i][j] =
                    (pivot * factors.lu[i][j] - factors.lu[i][k] * factors.lu[k][j]) / previous;
            }
        }
        previous = pivot;
        factors.rank = k;
    }
    factors.regular = true;
    return factors;
}

void substitute(const Factors& factors, const long double* rhs, long double* y) {
    const int n = factors.n;
    const int r = factors.rank;
    long double z[Groesse] = {};
    for (int i = 1; i <= n; ++i) {
        z[i] = rhs[factors.equation[i]];
    }
    long double previous = 1;
    for (int k = 1; k <= r; ++k) {
        const long double pivot = factors.lu[k][k];
        for (int i = k + 1; i <= r; ++i) {
            z[i] = (pivot * z[i] - factors.lu[i][k] * z[k]) / previous;
        }
        previous = pivot;
    }
    for (int i = r; i >= 1; --i) {
        for (int j = i + 1; j <= r; ++j) {
            z[i] -= factors.lu[i][j] * z[j];
        }
        z[i] /= factors.lu[i][i];
    }
    for (int i = 1; i <= n; ++i) {
        y[factors.unknown[i]] = i <= r ? z[i] : 0;
    }
}

} // namespace gauss
