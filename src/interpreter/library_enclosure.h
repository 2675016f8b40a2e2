#pragma once

#include "interpreter/interval.h"

#include <cstdint>

// What a library call can do over a range of arguments.
enum class Failure : uint8_t {
    Never,  // no argument of the range makes the library set errno
    Maybe,  // some may, or it cannot be told
    Always, // every argument does
};

// The enclosure of one library call over a range of arguments: every result of an argument
// that does not fail lies in value.
struct LibraryEnclosure {
    Interval value;
    Failure failure;
};

// What an enclosure holds.
enum class Reading : uint8_t {
    // What the evaluator computes for every extended argument of the range: the argument
    // rounded to double, the library's result, reciprocals and degree conversions rounded to
    // extended precision; a result that underflows to 0 fails with ERANGE.
    Computed,
    // The exact value of the formula's function for every real argument of the range, its
    // constants taken as they are stored; a value too small for a double is a value, not a
    // failure. Domain errors, poles and overflow fail as the evaluator's do.
    Exact,
};

// The functions of the formula language over every argument in `argument`.
LibraryEnclosure encloseFunction(unsigned char code, const Interval& argument,
                                 Reading reading = Reading::Computed);

// The largest error, in units in the last place of the double result, that the enclosures
// allow the library call behind the function of `code` (for ExpZ: pow, as for every power).
int libraryErrorUlps(unsigned char code);

// pow(base, exponent): as the evaluator computes a power, both rounded to double, or exactly.
LibraryEnclosure enclosePower(const Interval& base, const Interval& exponent,
                              Reading reading = Reading::Computed);
