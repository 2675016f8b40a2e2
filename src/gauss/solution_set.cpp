#include "gauss/solution_set.h"

#include <algorithm>
#include <cmath>

#include "gauss/pivoted_factors.h"
#include "gauss/scaled_system.h"

namespace gauss {

namespace {

constexpr long double CancelledToZero = 0x1p-52L;

// A choice of unknowns of the typed system: column c (from 1) is unknown[c].
struct Columns {
    int count = 0;
    int unknown[Groesse] = {};
};

Columns firstUnknowns(int count) {
    Columns columns;
    columns.count = count;
    for (int c = 1; c <= count; ++c) {
        columns.unknown[c] = c;
    }
    return columns;
}

// The equations restricted to the chosen unknowns, made square with zero equations or zero
// unknowns, and scaled.
ScaledSystem scaledColumns(const long double (*koeff)[Groesse], const long double* rechts,
                           int equations, const Columns& columns) {
    long double square[Groesse][Groesse] = {};
    long double right[Groesse] = {};
    for (int i = 1; i <= equations; ++i) {
        right[i] = rechts[i];
        for (int c = 1; c <= columns.count; ++c) {
            square[c][i] = koeff[columns.unknown[c]][i];
        }
    }
    return scaleSystem(square, right, std::max(equations, columns.count));
}

// What remains of each dependent right-hand side once the independent equations are
// eliminated counts as zero when it is no larger than SingularPivot times the magnitudes it
// was made of, as a remaining coefficient does against the scaled coefficients, whose
// largest magnitudes lie in [1, 2).
bool consistent(const ScaledSystem& system, const Factors& factors) {
    const int n = factors.n;
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

int rankOf(const long double (*koeff)[Groesse], const long double* rechts, int equations,
           const Columns& columns) {
    return factorize(scaledColumns(koeff, rechts, equations, columns)).rank;
}

// The unknowns, from the first on, that do not depend on those taken before them, until
// `rank` are taken (fewer when the decisions on the smaller systems disagree with the whole).
Columns independentUnknowns(const long double (*koeff)[Groesse], const long double* rechts,
                            int equations, int unknowns, int rank) {
    Columns taken;
    for (int j = 1; j <= unknowns && taken.count < rank; ++j) {
        Columns trial = taken;
        trial.unknown[++trial.count] = j;
        if (rankOf(koeff, rechts, equations, trial) == trial.count) {
            taken = trial;
        }
    }
    return taken;
}

// The magnitudes of the terms that substitute sums into each unknown, by its recurrences
// with every term's magnitude added: what the unknown's value was made of.
void substitutedMagnitudes(const Factors& factors, const long double* rhs, long double* size) {
    const int r = factors.rank;
    long double z[Groesse] = {};
    for (int i = 1; i <= factors.n; ++i) {
        z[i] = std::fabs(rhs[factors.equation[i]]);
    }
    long double previous = 1;
    for (int k = 1; k <= r; ++k) {
        const long double pivot = std::fabs(factors.lu[k][k]);
        for (int i = k + 1; i <= r; ++i) {
            z[i] = (pivot * z[i] + std::fabs(factors.lu[i][k]) * z[k]) / previous;
        }
        previous = pivot;
    }
    for (int i = r; i >= 1; --i) {
        for (int j = i + 1; j <= r; ++j) {
            z[i] += std::fabs(factors.lu[i][j]) * z[j];
        }
        z[i] /= std::fabs(factors.lu[i][i]);
    }
    for (int i = 1; i <= r; ++i) {
        size[factors.unknown[i]] = z[i];
    }
}

// The unknowns of the elimination's first `rank` steps as values and factors of the
// others, which are free; false when a number is not finite. A value that cancels to no
// more than a double's precision (2^-52) of what it was made of is 0: the typed cells,
// each the double nearest its decimal, say no more of it. So X1 = X3 stays X1 = 1*X3
// where the decimals 0,6 and 1,5 in binary would make it X1 = 9.3E-16 + 1*X3.
bool express(const long double (*koeff)[Groesse], const long double* rechts, int equations,
             const Columns& columns, const ScaledSystem& system, const Factors& factors,
             SolutionSet& set) {
    for (int step = 1; step <= factors.rank; ++step) {
        set.free[columns.unknown[factors.unknown[step]]] = false;
    }
    // Solved for rhs (typed, by equation), the pivots' unknowns in typed units to out.
    const auto solve = [&](const long double* rhs, long double* out) {
        long double scaled[Groesse] = {};
        for (int i = 1; i <= equations; ++i) {
            scaled[i] = std::ldexp(rhs[i], system.rowExponent[i]);
        }
        long double y[Groesse] = {};
        long double size[Groesse] = {};
        substitute(factors, scaled, y);
        substitutedMagnitudes(factors, scaled, size);
        bool finite = true;
        for (int step = 1; step <= factors.rank; ++step) {
            const int c = factors.unknown[step];
            if (std::fabs(y[c]) <= CancelledToZero * size[c]) {
                y[c] = 0;
            }
            out[columns.unknown[c]] = std::ldexp(y[c], system.exponent[c]) + 0.0L;
            finite = finite && std::isfinite(out[columns.unknown[c]]);
        }
        return finite;
    };
    bool finite = solve(rechts, set.value);
    for (int f = 1; f <= set.unknowns; ++f) {
        if (!set.free[f]) {
            continue;
        }
        // Xf moves to the right-hand side.
        long double column[Groesse] = {};
        long double result[Groesse] = {};
        for (int i = 1; i <= equations; ++i) {
            column[i] = -koeff[f][i];
        }
        finite = solve(column, result) && finite;
        for (int j = 1; j <= set.unknowns; ++j) {
            if (!set.free[j]) {
                set.factor[j][f] = result[j];
            }
        }
    }
    return finite;
}

bool finiteInput(const long double (*koeff)[Groesse], const long double* rechts, int equations,
                 int unknowns) {
    for (int i = 1; i <= equations; ++i) {
        if (!std::isfinite(rechts[i])) {
            return false;
        }
        for (int j = 1; j <= unknowns; ++j) {
            if (!std::isfinite(koeff[j][i])) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

SolutionSet solveSystem(const long double (*koeff)[Groesse], const long double* rechts,
                        int equations, int unknowns) {
    SolutionSet set{};
    set.kind = SolutionKind::NotFinite;
    const bool counts = equations >= 0 && equations <= Gausalgorithmus::MaxAnzahl &&
                        unknowns >= 0 && unknowns <= Gausalgorithmus::MaxAnzahl;
    if (!counts || (equations > 0 && (koeff == nullptr || rechts == nullptr)) ||
        !finiteInput(koeff, rechts, equations, unknowns)) {
        return set;
    }
    set.unknowns = unknowns;
    const Columns all = firstUnknowns(unknowns);
    const ScaledSystem whole = scaledColumns(koeff, rechts, equations, all);
    const Factors wholeFactors = factorize(whole);
    set.rank = wholeFactors.rank;
    if (!consistent(whole, wholeFactors)) {
        set.kind = SolutionKind::None;
        return set;
    }
    for (int j = 1; j <= unknowns; ++j) {
        set.free[j] = true;
    }
    // With free unknowns, the leading independent ones are eliminated alone when their
    // decisions agree with the whole system's; otherwise, and without free unknowns, the
    // pivots of the whole elimination are kept.
    bool expressed = false;
    bool finite = false;
    if (set.rank < unknowns) {
        const Columns leading = independentUnknowns(koeff, rechts, equations, unknowns, set.rank);
        const ScaledSystem system = scaledColumns(koeff, rechts, equations, leading);
        const Factors factors = factorize(system);
        if (leading.count == set.rank && factors.rank == set.rank) {
            finite = express(koeff, rechts, equations, leading, system, factors, set);
            expressed = true;
        }
    }
    if (!expressed) {
        finite = express(koeff, rechts, equations, all, whole, wholeFactors, set);
    }
    if (!finite) {
        return set;
    }
    set.kind = set.rank == unknowns ? SolutionKind::Unique : SolutionKind::Infinite;
    return set;
}

} // namespace gauss
