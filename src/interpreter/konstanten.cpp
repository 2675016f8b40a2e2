#include "interpreter/konstanten.h"

#include <cmath>

const long double PI = std::acos(-1.0);
const long double DegToRad = PI / 180;
const long double RadToDeg = 180 / PI;
const long double e = std::exp(1.0);
