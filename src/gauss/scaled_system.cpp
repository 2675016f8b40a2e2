#include "gauss/scaled_system.h"

#include <cmath>

#include "gauss/heaviest_transversal.h"

namespace gauss {

namespace {

// The exponent that brings a largest magnitude into [1, 2); 0 for a zero.
int exponentToOne(long double largest) {
    return largest == 0 ? 0 : -std::ilogb(largest);
}

// Without a transversal free of zeros, each equation and then each unknown is scaled so that
// its largest coefficient lies in [1, 2). Columns are only scaled up, so every equation
// keeps a coefficient of at least 1 and none reaches 2.
TransversalScaling equilibrate(const long double (*koeff)[Groesse], int n) {
    TransversalScaling scaling{};
    for (int i = 1; i <= n; ++i) {
        long double largest = 0;
        for (int j = 1; j <= n; ++j) {
            largest = std::fmax(largest, std::fabs(koeff[j][i]));
        }
        scaling.row[i] = exponentToOne(largest);
    }
    for (int j = 1; j <= n; ++j) {
        long double largest = 0;
        for (int i = 1; i <= n; ++i) {
            largest = std::fmax(largest, std::fabs(std::ldexp(koeff[j][i], scaling.row[i])));
        }
        scaling.column[j] = exponentToOne(largest);
    }
    return scaling;
}

} // namespace

ScaledSystem scaleSystem(const long double (*koeff)[Groesse], const long double* rechts, int n) {
    ScaledSystem system{};
    system.n = n;
    system.finite = true;
    int weight[Groesse][Groesse] = {};
    for (int i = 1; i <= n; ++i) {
        system.finite = system.finite && std::isfinite(rechts[i]);
        for (int j = 1; j <= n; ++j) {
            const long double value = koeff[j][i];
            system.finite = system.finite && std::isfinite(value);
            weight[i][j] = value != 0 && std::isfinite(value) ? std::ilogb(value) : NoWeight;
        }
    }
    TransversalScaling scaling = heaviestTransversal(weight, n);
    system.transversal = scaling.found;
    if (!scaling.found && system.finite) {
        scaling = equilibrate(koeff, n);
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            system.a[i][j] = std::ldexp(koeff[j][i], scaling.row[i] + scaling.column[j]);
        }
        system.b[i] = std::ldexp(rechts[i], scaling.row[i]);
        system.rowExponent[i] = scaling.row[i];
    }
    for (int j = 1; j <= n; ++j) {
        system.exponent[j] = scaling.column[j];
    }
    return system;
}

} // namespace gauss
