#pragma once

// Rounds half up to the given number of decimal places:
// floor(Wert * 10^Stellen + 0.5) / 10^Stellen, the power in double precision.
long double Round(long double Wert, double Stellen);
