#include "solver/printed_places.h"

#include "interpreter/round.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

struct Printed {
    char text[48];
};

Printed printed(long double x) {
    Printed p{};
    std::snprintf(p.text, sizeof p.text, "%.*Lg", PrintedDecimals, Round(x, PrintedDecimals));
    return p;
}

} // namespace

bool printedAlike(long double a, long double b) {
    // Values two units of the last printed place apart or more never print alike; most pairs
    // asked about are, and need no printing.
    if (std::fabs(a - b) > 2e-9L * std::max(std::fabs(a), std::fabs(b)) + 2e-10L) {
        return false;
    }
    return std::strcmp(printed(a).text, printed(b).text) == 0;
}

long double printedNeighbour(long double x, long double toward) {
    // A power of ten at least as large as the last printed place, at the magnitude of x.
    const long double magnitude = std::fabs(x);
    long double place = std::pow(10.0L, -PrintedDecimals);
    if (magnitude >= 1) {
        place = std::max(
            place, std::pow(10.0L, std::floor(std::log10(magnitude)) - (PrintedDecimals - 1)));
    }
    const long double step = toward > x ? place : -place;
    // A few places on, the printed text has changed.
    long double y = x;
    for (int i = 0; i < 4; ++i) {
        y += step;
        if ((step > 0 && y >= toward) || (step < 0 && y <= toward)) {
            return toward;
        }
        if (!printedAlike(x, y)) {
            return y;
        }
    }
    return y;
}
