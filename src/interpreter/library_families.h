#pragma once

#include "interpreter/function_table.h"
#include "interpreter/interval.h"

// The library functions of each family over a range of double arguments [a, b] inside their
// domain, where none of them fails. Each holds the library's result at every double of the
// range and, unless the function is correctly rounded, the exact function at every real of it.
namespace families {

using functions::Library;

// sin and cos: within the library's error of their values at the ends, and out to 1 or -1
// where a maximum or a minimum lies inside; the whole of [-1, 1] far out, where the extrema
// are not located.
Interval sineLike(const Library& f, double a, double b);
// tan: within its error of its values at the ends where no pole lies inside; unknown where one
// may, or far out.
Interval tangentBetweenPoles(const Library& f, double a, double b);
// The arc functions asin, acos and atan, the logarithms log and log10, and sqrt: monotone on
// their domain, within their error of their values at the ends.
Interval monotone(const Library& f, double a, double b);
// exp, sinh and tanh: increasing; cosh: down to 1 at 0 and up again; each within its error
// of its values at the ends.
Interval exponentialOrHyperbolic(const Library& f, double a, double b);

// The exact reading where the values reach below the doubles: the library's extended
// function (expl, logl, log10l) over a range of reals, monotone and within far less than the
// relative 2^-58 the ends are moved out by.
Interval extendedMonotone(const Library& f, long double a, long double b);

} // namespace families
