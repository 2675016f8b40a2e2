#include "gauss/refined_solution.h"

#include <cmath>

#include "gauss/residual.h"

namespace gauss {

bool solveRefined(const ScaledSystem& system, const Factors& factors, long double* x) {
    long double y[Groesse] = {};
    substitute(factors, system.b, y);
    long double r[Groesse] = {};
    residual(system, y, r);
    long double correction[Groesse] = {};
    substitute(factors, r, correction);
    for (int j = 1; j <= system.n; ++j) {
        x[j] = std::ldexp(y[j] + correction[j], system.exponent[j]);
        if (!std::isfinite(x[j]))
            return false;
    }
    return true;
}

} // namespace gauss
