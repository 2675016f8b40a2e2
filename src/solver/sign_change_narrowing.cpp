#include "solver/sign_change_narrowing.h"

#include "solver/ordered_values.h"

#include <algorithm>
#include <cmath>

namespace {

// The larger finite |d| of the two ends; an infinite end says nothing about the scale.
long double startingScale(const Sample& lo, const Sample& hi) {
    long double scale = 0;
    for (const Sample* s : {&lo, &hi}) {
        const long double m = std::fabs(s->value.d);
        if (std::isfinite(m)) {
            scale = std::max(scale, m);
        }
    }
    return scale;
}

} // namespace

SignChangeKind classifySignChange(long double scale, long double finalSize) {
    if (finalSize <= scale * RootFall) {
        return SignChangeKind::Root;
    }
    return finalSize > scale ? SignChangeKind::Pole : SignChangeKind::Jump;
}

NarrowedSignChange narrowSignChange(const DifferenceSource& sides, const Sample& lo,
                                    const Sample& hi) {
    if (lo.value.failed || hi.value.failed || !(lo.value.d * hi.value.d < 0)) {
        return {SignChangeKind::Undecided, lo.x, 0, lo, hi};
    }
    const long double scale = startingScale(lo, hi);
    const bool negativeAtA = lo.value.d < 0;
    Sample a = lo;
    Sample b = hi;
    // Weights of the ends: their differences, halved at an end kept twice in a row.
    long double fa = a.value.d;
    long double fb = b.value.d;
    int keptEnd = 0; // -1: a was kept by the last step, +1: b was kept
    long double stepsMark = stepsBetween(a.x, b.x);
    bool bisect = false;
    int evaluations = 0;

    while (!adjacentValues(a.x, b.x)) {
        if (evaluations == MaxNarrowingEvaluations) {
            return {SignChangeKind::Undecided, a.x, evaluations, a, b};
        }
        long double x = bisect ? splitPoint(a.x, b.x) : a.x - fa * (b.x - a.x) / (fb - fa);
        if (!(x > a.x && x < b.x)) {
            x = splitPoint(a.x, b.x);
        }
        const Sample s{x, sides.at(x)};
        ++evaluations;
        if (s.value.failed || std::isnan(s.value.d)) {
            return {SignChangeKind::Undecided, x, evaluations, a, b};
        }
        if (isExactZero(s.value)) {
            return {SignChangeKind::Root, x, evaluations, s, s};
        }
        if ((s.value.d < 0) == negativeAtA) {
            a = s;
            fa = s.value.d;
            if (keptEnd == 1) {
                fb /= 2;
            }
            keptEnd = 1;
        } else {
            b = s;
            fb = s.value.d;
            if (keptEnd == -1) {
                fa /= 2;
            }
            keptEnd = -1;
        }
        // |d| grown above the starting scale at both ends: the bracket closes in on a pole.
        if (std::fabs(a.value.d) > scale && std::fabs(b.value.d) > scale) {
            return {SignChangeKind::Pole, a.x, evaluations, a, b};
        }
        bisect = false;
        if (evaluations % 2 == 0) {
            const long double steps = stepsBetween(a.x, b.x);
            bisect = !(steps <= stepsMark / 2);
            stepsMark = steps;
        }
    }
    const long double atA = std::fabs(a.value.d);
    const long double atB = std::fabs(b.value.d);
    const SignChangeKind kind = classifySignChange(scale, std::max(atA, atB));
    return {kind, atB < atA ? b.x : a.x, evaluations, a, b};
}
