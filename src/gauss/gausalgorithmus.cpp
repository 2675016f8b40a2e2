#include "gauss/gausalgorithmus.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "gauss/pivoted_factors.h"
#include "gauss/refined_solution.h"
#include "gauss/residual.h"
#include "gauss/scaled_system.h"

namespace {

// The rotations' values are kept when no coefficient or right-hand side has to change by
// more than this fraction of itself, times n, for them to be exact: elimination in
// long double (unit roundoff 2^-64) reaches a few units of n * 2^-64.
constexpr long double AcceptedBackwardError = 0x1p-62L;

// A count the arrays can hold, whatever was written into Anzahl.
int boundedCount(int n) {
    return std::clamp(n, 0, Gausalgorithmus::MaxAnzahl);
}

// True when equation k exists in a system of n equations that fits the arrays.
bool inSystem(int k, int n) {
    return k >= 1 && k <= n && n <= Gausalgorithmus::MaxAnzahl;
}

} // namespace

int Gausalgorithmus::Werte_uebergeben(long double (*Koeff)[Groesse], long double* Rechts, int n) {
    if (n < 0 || n > MaxAnzahl || (n > 0 && (Koeff == nullptr || Rechts == nullptr))) {
        return 1;
    }
    Anzahl = n;
    for (int i = 1; i <= n; ++i) {
        WerteKopie[i] = Rechts[i];
        for (int j = 1; j <= n; ++j) {
            KoeffizientenKopie[j][i] = Koeff[j][i];
        }
    }
    const gauss::ScaledSystem system = gauss::scaleSystem(Koeff, Rechts, n);
    if (!system.finite || !system.transversal) {
        return 1;
    }
    const gauss::Factors factors = gauss::factorize(system);
    if (!factors.regular) {
        return 1;
    }
    const long double rotationsError = solveByRotations() == 0
                                           ? gauss::backwardError(system, Werte)
                                           : std::numeric_limits<long double>::infinity();
    if (rotationsError <= n * AcceptedBackwardError) {
        return 0;
    }
    long double refined[Groesse] = {};
    if (!gauss::solveRefined(system, factors, refined)) {
        return 1;
    }
    // Elimination can satisfy a system whose coefficients span many orders of magnitude
    // less well than the rotations; the values that come closer are kept.
    if (rotationsError == std::numeric_limits<long double>::infinity() ||
        gauss::backwardError(system, refined) < rotationsError) {
        for (int i = 1; i <= n; ++i) {
            Werte[i] = refined[i];
        }
    }
    return 0;
}

long double Gausalgorithmus::getWert(int i) const {
    if (i < 1 || i > boundedCount(Anzahl)) {
        return 0;
    }
    return Werte[i];
}

void Gausalgorithmus::AufEinsBringen(int k, int n) {
    if (!inSystem(k, n)) {
        return;
    }
    const long double p = Koeffizienten[k][k];
    if (p == 0 || p == 1) {
        return;
    }
    for (int j = 1; j <= n; ++j) {
        Koeffizienten[j][k] /= p;
    }
    Werte[k] /= p;
}

void Gausalgorithmus::NullSetzen(int k, int l, int n) {
    if (!inSystem(k, n) || !inSystem(l, n)) {
        return;
    }
    const long double a = Koeffizienten[k][l];
    const long double f = (Koeffizienten[k][k] > 0 && a > 0) ? -std::fabs(a) : std::fabs(a);
    for (int j = 1; j <= n; ++j) {
        Koeffizienten[j][l] += f * Koeffizienten[j][k];
    }
    Werte[l] += f * Werte[k];
}

void Gausalgorithmus::copy() {
    const int n = boundedCount(Anzahl);
    for (int i = 1; i <= n; ++i) {
        Werte[i] = WerteKopie[i];
        for (int j = 1; j <= n; ++j) {
            Koeffizienten[j][i] = KoeffizientenKopie[j][i];
        }
    }
}

void Gausalgorithmus::moveUp() {
    const int n = boundedCount(Anzahl);
    if (n == 0) {
        return;
    }
    WerteKopie[0] = WerteKopie[1];
    for (int j = 1; j <= n; ++j) {
        KoeffizientenKopie[j][0] = KoeffizientenKopie[j][1];
    }
    for (int m = 1; m < n; ++m) {
        WerteKopie[m] = WerteKopie[m + 1];
        for (int j = 1; j <= n; ++j) {
            KoeffizientenKopie[j][m] = KoeffizientenKopie[j][m + 1];
        }
    }
    WerteKopie[n] = WerteKopie[0];
    for (int j = 1; j <= n; ++j) {
        KoeffizientenKopie[j][n] = KoeffizientenKopie[j][0];
    }
}

int Gausalgorithmus::solveByRotations() {
    for (int Versuche = 0;;) {
        copy();
        if (eliminateForward()) {
            for (int i = Anzahl; i >= 1; --i) {
                for (int m = i - 1; m >= 1; --m) {
                    NullSetzen(i, m, Anzahl);
                }
            }
            return 0;
        }
        if (++Versuche > Anzahl) {
            return 1;
        }
        moveUp();
    }
}

bool Gausalgorithmus::eliminateForward() {
    const int n = Anzahl;
    for (int k = 1; k <= n; ++k) {
        AufEinsBringen(k, n);
        if (n == 1 && diagonalHasZero()) {
            return false;
        }
        for (int l = k + 1; l <= n; ++l) {
            NullSetzen(k, l, n);
            if (diagonalHasZero()) {
                return false;
            }
        }
    }
    return true;
}

bool Gausalgorithmus::diagonalHasZero() const {
    const int n = boundedCount(Anzahl);
    for (int d = 1; d <= n; ++d) {
        if (Koeffizienten[d][d] == 0) {
            return true;
        }
    }
    return false;
}
