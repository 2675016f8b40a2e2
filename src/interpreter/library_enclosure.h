#pragma once

#include "interpreter/function_table.h"
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

// The two readings of the functions and powers of the formula language over every argument
// of a range.
//
// Computed: what the evaluator computes for every extended argument: the argument rounded to
// double, the library's result, reciprocals and degree conversions rounded to extended
// precision; a result that underflows to 0 fails with ERANGE.
LibraryEnclosure encloseComputed(unsigned char code, const Interval& argument);
LibraryEnclosure powerComputed(const Interval& base, const Interval& exponent);

// Exact: the exact value of the formula's function for every real argument, its constants
// taken as they are stored; a value too small for a double is a value, not a failure, and
// keeps the sign the function guarantees. Domain errors, poles and overflow fail as the
// evaluator's do.
LibraryEnclosure encloseExact(unsigned char code, const Interval& argument);
LibraryEnclosure powerExact(const Interval& base, const Interval& exponent);
// One library function alone, exactly: what the slopes are made of.
LibraryEnclosure encloseLibraryExactly(const functions::Library& library, const Interval& argument);

// The largest error, in units in the last place of the double result, that the enclosures
// allow the library call behind the function of `code`.
int libraryErrorUlps(unsigned char code);
