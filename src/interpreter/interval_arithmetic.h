#pragma once

#include "interpreter/interval.h"
#include "interpreter/library_enclosure.h"

namespace flat {

// The arithmetic of enclosures: every value an interval of the values the evaluator can
// compute, and what may fail on the way remembered. A value is what the points that do not
// fail compute.
struct IntervalArithmetic {
    using Value = Interval;

    bool mayFail = false;     // some point may make the library set errno
    bool maySkip = false;     // some point may skip a division by zero
    bool alwaysFails = false; // every point makes the library set errno

    static Interval constant(long double c) { return Interval::point(c); }
    static Interval variable(const Interval& x) { return x; }

    Value divide(const Value& l, const Value& r) {
        if (r.mayBeZero()) {
            maySkip = true;
            return Interval::unknown();
        }
        return quotient(l, r);
    }
    Value power(const Value& l, const Value& r) { return library(powerComputed(l, r)); }
    Value integerPower(const Value& l, int n) {
        return library(powerComputed(l, Interval::point(n)));
    }
    Value function(unsigned char code, const Value& v) { return library(encloseComputed(code, v)); }

private:
    Value library(const LibraryEnclosure& e) {
        alwaysFails = alwaysFails || e.failure == Failure::Always;
        mayFail = mayFail || e.failure != Failure::Never;
        return e.value;
    }
};

} // namespace flat
