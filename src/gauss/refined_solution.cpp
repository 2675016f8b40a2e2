#include "gauss/refined_solution.h"

#include <cmath>

#include "gauss/residual.h"

namespace gauss {

namespace {

// The scaled unknowns y in the units of the typed system, a zero without its sign; false
// when one overflows.
bool toTyped(const ScaledSystem& system, const long double* y, long double* x) {
    for (int j = 1; j <= system.n; ++j) {
        x[j] = std::ldexp(y[j], system.exponent[j]) + 0.0L;
        if (!std::isfinite(x[j])) {
            return false;
        }
    }
    return true;
}

} // namespace

bool solveRefined(const ScaledSystem& system, const Factors& factors, long double* x) {
    long double y[Groesse] = {};
    substitute(factors, system.b, y);
    if (!toTyped(system, y, x)) {
        return false;
    }
    long double r[Groesse] = {};
    residual(system, y, r);
    long double correction[Groesse] = {};
    substitute(factors, r, correction);
    for (int j = 1; j <= system.n; ++j) {
        y[j] += correction[j];
    }
    long double refined[Groesse] = {};
    // A correction made of rounding noise can move an exact value, a zero above all; the
    // refined values are kept only when they satisfy the system better.
    if (toTyped(system, y, refined) && backwardError(system, refined) < backwardError(system, x)) {
        for (int j = 1; j <= system.n; ++j) {
            x[j] = refined[j];
        }
    }
    return true;
}

} // namespace gauss
