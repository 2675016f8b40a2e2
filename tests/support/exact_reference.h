#pragma once

#include "interpreter/formelinterpreter.h"

// The exact function of a compiled formula at a point: the evaluator's own walk over the
// codes, with every operation and function carried out in 256-bit interval arithmetic
// (MPFI) instead of rounded. Constants are taken as stored. As in the evaluator, a domain
// error, a pole or a result beyond the doubles fails, and a division by exactly 0 is skipped;
// a result too small for a double is a value.
struct ExactOutcome {
    bool failed;
    bool skipped;
    // The precision could not decide a domain edge, a divisor or an overflow.
    bool uncertain;
    // The value, rounded outward to extended precision, where nothing failed.
    long double lo;
    long double hi;
};

ExactOutcome exactValue(const Formelinterpreter& compiled, long double x);

// (f(b) - f(a)) / (b - a) of the exact function, rounded outward to extended precision;
// false when either point fails, skips or is uncertain.
bool exactDifferenceQuotient(const Formelinterpreter& compiled, long double a, long double b,
                             long double& lo, long double& hi);
