#include "solver/regula_falsi.h"

#include "solver/residual_acceptance.h"
#include "solver/side_difference.h"
#include "solver/sign_keeping_refinement.h"

#include <cmath>
#include <limits>

namespace {

// Equal including the sign of zero, so that the next iterate is certain to be the same.
bool sameValue(long double p, long double q) {
    return p == q && std::signbit(p) == std::signbit(q);
}

} // namespace

OneSidedOutcome regulaFalsiOneSided(long double XL, long double XR, int maxIterations) {
    const SideDifference atB = evaluateDifference(XR);
    const SideDifference atA = evaluateDifference(XL);
    bool failed = atB.failed || atA.failed;
    const long double b = XR;
    const long double fB = atB.d;
    long double a = XL;
    long double fA = atA.d;
    long double beforeA = std::numeric_limits<long double>::quiet_NaN();

    for (int iteration = 1; iteration <= maxIterations; ++iteration) {
        const long double x = a - (b - a) * fA / (fB - fA);
        const SideDifference atX = evaluateDifference(x);
        failed = failed || atX.failed;
        // Once x or d(x) is infinite or NaN, no later iterate is finite again.
        if (!std::isfinite(x) || !std::isfinite(atX.d)) {
            return {x, atX.d, iteration, false, failed};
        }
        if (std::fabs(atX.d) <= Toleranz) {
            return {x, atX.d, iteration, true, failed};
        }
        if (sameValue(x, a) || sameValue(x, beforeA)) {
            return {x, atX.d, iteration, false, failed};
        }
        beforeA = a;
        a = x;
        fA = atX.d;
    }
    return {a, fA, maxIterations, false, failed};
}

long double refineBracket(long double XL, long double XR, bool& Fehler) {
    Fehler = false;
    const OneSidedOutcome outcome = regulaFalsiOneSided(XL, XR, MaxIterations);
    if (outcome.converged && !outcome.evaluationFailed) {
        return outcome.x;
    }
    long double root = outcome.x;
    Fehler = !refineKeepingSignChange(XL, XR, root);
    return root;
}
