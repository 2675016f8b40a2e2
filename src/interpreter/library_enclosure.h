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

// The functions of the formula language as the evaluator computes them (the argument
// rounded to double, the library's result, reciprocals and degree conversions in extended
// precision), enclosed over every extended argument in `argument`.
LibraryEnclosure encloseFunction(unsigned char code, const Interval& argument);

// The largest error, in units in the last place of the double result, that the enclosures
// allow the library call behind the function of `code` (for ExpZ: pow, as for every power).
int libraryErrorUlps(unsigned char code);

// pow(base, exponent) with both rounded to double, as the evaluator computes a power.
LibraryEnclosure enclosePower(const Interval& base, const Interval& exponent);
