#include "solver/sign_keeping_refinement.h"

#include "solver/residual_acceptance.h"
#include "solver/side_difference.h"

#include <algorithm>
#include <cmath>

bool refineKeepingSignChange(long double lo, long double hi, long double& root) {
    const SideDifference atLo = evaluateDifference(lo);
    const SideDifference atHi = evaluateDifference(hi);
    if (atLo.failed || atHi.failed) {
        return false;
    }
    if (isAcceptedResidual(atLo) || isAcceptedResidual(atHi)) {
        root = isAcceptedResidual(atLo) ? lo : hi;
        return true;
    }
    if (!(atLo.d * atHi.d < 0)) {
        return false;
    }

    long double a = lo;
    long double b = hi;
    // Weights of the ends: their differences, halved at an end kept twice in a row.
    long double fa = atLo.d;
    long double fb = atHi.d;
    const bool negativeAtA = fa < 0;
    int keptEnd = 0; // -1: a was kept by the last step, +1: b was kept
    long double widthMark = std::fabs(b - a);
    bool bisect = false;

    for (int step = 1; step <= MaxSignKeepingSteps; ++step) {
        const long double low = std::min(a, b);
        const long double high = std::max(a, b);
        long double x = bisect ? a + (b - a) / 2 : a - fa * (b - a) / (fb - fa);
        if (!(x > low && x < high)) {
            x = a + (b - a) / 2;
            if (!(x > low && x < high)) {
                return false;
            }
        }
        const SideDifference atX = evaluateDifference(x);
        if (atX.failed || std::isnan(atX.d)) {
            return false;
        }
        if (isAcceptedResidual(atX)) {
            root = x;
            return true;
        }
        if ((atX.d < 0) == negativeAtA) {
            a = x;
            fa = atX.d;
            if (keptEnd == 1) {
                fb /= 2;
            }
            keptEnd = 1;
        } else {
            b = x;
            fb = atX.d;
            if (keptEnd == -1) {
                fa /= 2;
            }
            keptEnd = -1;
        }
        bisect = false;
        if (step % 2 == 0) {
            const long double width = std::fabs(b - a);
            bisect = !(width <= widthMark / 2);
            widthMark = width;
        }
    }
    return false;
}
