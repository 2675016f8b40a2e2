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
    for (int i = k; i <= factors.n; ++i)
        for (int j = k; j <= factors.n; ++j)
            if (std::fabs(factors.lu[i][j]) > std::fabs(factors.lu[best.row][best.column]))
                best = {i, j};
    return best;
}

void exchangeRows(Factors& factors, int a, int b) {
    std::swap(factors.equation[a], factors.equation[b]);
    for (int j = 1; j <= factors.n; ++j)
        std::swap(factors.lu[a][j], factors.lu[b][j]);
}

void exchangeColumns(Factors& factors, int a, int b) {
    std::swap(factors.unknown[a], factors.unknown[b]);
    for (int i = 1; i <= factors.n; ++i)
        std::swap(factors.lu[i][a], factors.lu[i][b]);
}

} // namespace

Factors factorize(const ScaledSystem& system) {
    Factors factors{};
    const int n = system.n;
    factors.n = n;
    for (int i = 1; i <= n; ++i) {
        factors.equation[i] = i;
        factors.unknown[i] = i;
        for (int j = 1; j <= n; ++j)
            factors.lu[i][j] = system.a[i][j];
    }
    for (int k = 1; k <= n; ++k) {
        const Position pivot = largestRemaining(factors, k);
        if (!(std::fabs(factors.lu[pivot.row][pivot.column]) > SingularPivot))
            return factors;
        exchangeRows(factors, k, pivot.row);
        exchangeColumns(factors, k, pivot.column);
        for (int i = k + 1; i <= n; ++i) {
            const long double multiplier = factors.lu[i][k] / factors.lu[k][k];
            factors.lu[i][k] = multiplier;
            for (int j = k + 1; j <= n; ++j)
                factors.lu[i][j] -= multiplier * factors.lu[k][j];
        }
    }
    factors.regular = true;
    return factors;
}

void substitute(const Factors& factors, const long double* rhs, long double* y) {
    const int n = factors.n;
    long double z[Groesse] = {};
    for (int i = 1; i <= n; ++i) {
        z[i] = rhs[factors.equation[i]];
        for (int j = 1; j < i; ++j)
            z[i] -= factors.lu[i][j] * z[j];
    }
    for (int i = n; i >= 1; --i) {
        for (int j = i + 1; j <= n; ++j)
            z[i] -= factors.lu[i][j] * z[j];
        z[i] /= factors.lu[i][i];
    }
    for (int i = 1; i <= n; ++i)
        y[factors.unknown[i]] = z[i];
}

} // namespace gauss
