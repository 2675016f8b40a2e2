#include "interpreter/round.h"

#include <cmath>

long double Round(long double Wert, double Stellen) {
    const long double factor = std::pow(10.0, Stellen);
    return std::floor(Wert * factor + 0.5L) / factor;
}
