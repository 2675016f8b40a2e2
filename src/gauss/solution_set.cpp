#include "gauss/solution_set.h"

#include <cmath>

#include "gauss/pivoted_factors.h"
#include "gauss/scaled_system.h"

namespace gauss {

bool infinitelyManySolutions(const long double (*koeff)[Groesse], const long double* rechts,
                             int n) {
    if (n < 1 || n > Gausalgorithmus::MaxAnzahl || koeff == nullptr || rechts == nullptr) {
        return false;
    }
    const ScaledSystem system = scaleSystem(koeff, rechts, n);
    if (!system.finite) {
        return false;
    }
    const Factors factors = factorize(system);
    if (factors.regular) {
        return false;
    }
    // The right-hand side goes through the eliminations of the independent equations. What
    // remains of another equation counts as zero when it is no larger than SingularPivot
    // times the magnitudes it was made of, as a remaining coefficient does against the
    // scaled coefficients, whose largest magnitudes lie in [1, 2).
    long double z[Groesse] = {};
    long double size[Groesse] = {};
    for (int i = 1; i <= n; ++i) {
        z[i] = system.b[factors.equation[i]];
        size[i] = std::fabs(z[i]);
    }
    for (int k = 1; k <= factors.rank; ++k) {
        for (int i = k + 1; i <= n; ++i) {
            const long double multiplier = factors.lu[i][k] / factors.lu[k][k];
            z[i] -= multiplier * z[k];
            size[i] += std::fabs(multiplier) * size[k];
        }
    }
    for (int i = factors.rank + 1; i <= n; ++i) {
        if (!(std::fabs(z[i]) <= SingularPivot * size[i])) {
            return false;
        }
    }
    return true;
}

} // namespace gauss
