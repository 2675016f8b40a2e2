#include "gauss/scaled_system.h"

#include <algorithm>
#include <cmath>

namespace gauss {

namespace {

// The power of two that brings a positive magnitude into [0.5, 1); 0 for 0.
int exponentOf(long double largest) {
    int exponent = 0;
    if (largest != 0)
        std::frexp(largest, &exponent);
    return exponent;
}

} // namespace

ScaledSystem scaleSystem(const long double (*koeff)[Groesse], const long double* rechts, int n) {
    ScaledSystem system{};
    system.n = n;
    system.finite = true;
    for (int i = 1; i <= n; ++i) {
        long double largest = 0;
        for (int j = 1; j <= n; ++j) {
            system.a[i][j] = koeff[j][i];
            system.finite = system.finite && std::isfinite(koeff[j][i]);
            largest = std::max(largest, std::fabs(koeff[j][i]));
        }
        system.finite = system.finite && std::isfinite(rechts[i]);
        const int exponent = exponentOf(largest);
        for (int j = 1; j <= n; ++j)
            system.a[i][j] = std::ldexp(system.a[i][j], -exponent);
        system.b[i] = std::ldexp(rechts[i], -exponent);
    }
    for (int j = 1; j <= n; ++j) {
        long double largest = 0;
        for (int i = 1; i <= n; ++i)
            largest = std::max(largest, std::fabs(system.a[i][j]));
        const int exponent = exponentOf(largest);
        for (int i = 1; i <= n; ++i)
            system.a[i][j] = std::ldexp(system.a[i][j], -exponent);
        system.exponent[j] = -exponent;
    }
    return system;
}

} // namespace gauss
