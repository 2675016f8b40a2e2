#pragma once

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
