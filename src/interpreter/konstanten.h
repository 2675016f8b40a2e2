#pragma once

// Computed once at program start: pi and e are the double values of the library,
// the conversion factors are divided in extended precision.
extern const long double PI;
extern const long double DegToRad;
extern const long double RadToDeg;
extern const long double e;
