#include "gauss/scaled_system.h"

#include <cmath>

#include "gauss/heaviest_transversal.h"

namespace gauss {

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
    const TransversalScaling scaling = heaviestTransversal(weight, n);
    system.transversal = scaling.found;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            system.a[i][j] = std::ldexp(koeff[j][i], scaling.row[i] + scaling.column[j]);
        }
        system.b[i] = std::ldexp(rechts[i], scaling.row[i]);
    }
    for (int j = 1; j <= n; ++j) {
        system.exponent[j] = scaling.column[j];
    }
    return system;
}

} // namespace gauss
