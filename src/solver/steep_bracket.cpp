#include "solver/steep_bracket.h"

#include "solver/residual_acceptance.h"

#include <algorithm>
#include <cmath>

bool narrowSteepBracket(long double& a, long double& b, SideDifference atA, SideDifference atB,
                        const DifferenceSource& sides) {
    if (isAcceptedResidual(atA) || isAcceptedResidual(atB)) {
        return true;
    }
    const long double start = std::max(std::fabs(atA.d), std::fabs(atB.d));
    long double mark = start;
    for (int halving = 1; halving <= MaxSteepHalvings; ++halving) {
        const long double m = a + (b - a) / 2;
        if (!(m > a && m < b)) {
            return false;
        }
        const SideDifference atM = sides.at(m);
        if (atM.failed || !(std::fabs(atM.d) <= start)) {
            return false;
        }
        if ((atA.d < 0) != (atM.d < 0)) {
            b = m;
            atB = atM;
        } else {
            a = m;
            atA = atM;
        }
        if (isAcceptedResidual(atM)) {
            return true;
        }
        if (halving % SteepFallInterval == 0) {
            const long double now = std::max(std::fabs(atA.d), std::fabs(atB.d));
            if (!(now <= mark / 2)) {
                return false;
            }
            mark = now;
        }
    }
    return false;
}
