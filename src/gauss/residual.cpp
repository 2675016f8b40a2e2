#include "gauss/residual.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gauss {

void residual(const ScaledSystem& system, const long double* y, long double* r) {
    for (int i = 1; i <= system.n; ++i) {
        long double rest = system.b[i];
        for (int j = 1; j <= system.n; ++j) {
            rest -= system.a[i][j] * y[j];
        }
        r[i] = rest;
    }
}

long double backwardError(const ScaledSystem& system, const long double* x) {
    const int n = system.n;
    long double y[Groesse] = {};
    for (int j = 1; j <= n; ++j) {
        if (!std::isfinite(x[j])) {
            return std::numeric_limits<long double>::infinity();
        }
        y[j] = std::ldexp(x[j], -system.exponent[j]);
    }
    long double r[Groesse] = {};
    residual(system, y, r);
    long double largest = 0;
    for (int i = 1; i <= n; ++i) {
        long double size = std::fabs(system.b[i]);
        for (int j = 1; j <= n; ++j) {
            size += std::fabs(system.a[i][j] * y[j]);
        }
        if (!std::isfinite(r[i]) || !std::isfinite(size)) {
            return std::numeric_limits<long double>::infinity();
        }
        if (r[i] != 0) {
            largest = std::max(largest, std::fabs(r[i]) / size);
        }
    }
    return largest;
}

} // namespace gauss
