#pragma once

#include "interpreter/departure.h"
#include "interpreter/formelinterpreter.h"

#include <string_view>

// The first word or character of a formula text that the compiler does not know.
struct UnrecognisedText {
    // Empty when the compiler knows every word and character of the text. A character
    // outside ASCII is given with all the bytes of its UTF-8 form.
    std::string_view text;
    // A run of letters, as opposed to a single character.
    bool word;
};

// What the last compile of `compiled` did not know, as a view into its Formel.
UnrecognisedText firstUnrecognisedText(const Formelinterpreter& compiled);

// The same for a normalised formula text (blanks removed, lower case), as Formel holds it
// after compiling, as a view into that text.
UnrecognisedText firstUnrecognisedText(std::string_view text);

// The first place where the compiler's reading of a formula departs from ordinary notation.
struct FirstDeparture {
    Departure kind; // None when the text is read as typed
    // The place, as a view into the normalised text: for an unknown word or character what
    // firstUnrecognisedText names; for a "(" never closed, from it to the end; for a ")"
    // that closes nothing, from the start to it.
    std::string_view text;
};

// The first departure of the last compile of `compiled`, as a view into its Formel.
FirstDeparture firstDeparture(const Formelinterpreter& compiled);

// The same for a normalised formula text, as a view into that text.
FirstDeparture firstDeparture(std::string_view text);
