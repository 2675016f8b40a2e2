#include "gauss/gausalgorithmus.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Bareiss elimination: each step sets entry = (pivot * entry - a * b) / previous pivot.
// The entries are minors of the system, so for whole-number input the division is exact
// while they fit the 64-bit significand, and a singular system meets an exact zero pivot
// instead of a rounding residue. Scaling each equation by a power of two changes no
// significand and keeps the coefficient minors far from overflow.
int Gausalgorithmus::solveWithPartialPivoting() {
    copy();
    scaleEquations();
    const int n = Anzahl;
    long double previous = 1;
    for (int k = 1; k <= n; ++k) {
        int best = k;
        for (int l = k + 1; l <= n; ++l)
            if (std::fabs(Koeffizienten[k][l]) > std::fabs(Koeffizienten[k][best]))
                best = l;
        if (Koeffizienten[k][best] == 0)
            return 1;
        swapEquations(k, best);
        const long double pivot = Koeffizienten[k][k];
        for (int l = k + 1; l <= n; ++l) {
            const long double a = Koeffizienten[k][l];
            for (int j = k + 1; j <= n; ++j)
                Koeffizienten[j][l] =
                    (pivot * Koeffizienten[j][l] - a * Koeffizienten[j][k]) / previous;
            Werte[l] = (pivot * Werte[l] - a * Werte[k]) / previous;
        }
        previous = pivot;
    }
    for (int i = n; i >= 1; --i) {
        long double rest = Werte[i];
        for (int j = i + 1; j <= n; ++j)
            rest -= Koeffizienten[j][i] * Werte[j];
        Werte[i] = rest / Koeffizienten[i][i];
    }
    return 0;
}

void Gausalgorithmus::scaleEquations() {
    for (int i = 1; i <= Anzahl; ++i) {
        long double largest = 0;
        for (int j = 1; j <= Anzahl; ++j)
            largest = std::max(largest, std::fabs(Koeffizienten[j][i]));
        if (largest == 0 || !std::isfinite(largest))
            continue;
        int exponent = 0;
        std::frexp(largest, &exponent);
        for (int j = 1; j <= Anzahl; ++j)
            Koeffizienten[j][i] = std::ldexp(Koeffizienten[j][i], -exponent);
        Werte[i] = std::ldexp(Werte[i], -exponent);
    }
}

void Gausalgorithmus::swapEquations(int a, int b) {
    std::swap(Werte[a], Werte[b]);
    for (int j = 1; j <= Anzahl; ++j)
        std::swap(Koeffizienten[j][a], Koeffizienten[j][b]);
}
