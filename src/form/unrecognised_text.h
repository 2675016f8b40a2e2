#pragma once

#include <string_view>

// The first word or character of a formula text that the compiler does not know.
struct UnrecognisedText {
    // Empty when the compiler knows every word and character of the text. A character
    // outside ASCII is given with all the bytes of its UTF-8 form.
    std::string_view text;
    // A run of letters, as opposed to a single character.
    bool word;
};

// text is a normalised formula text (blanks removed, lower case), as Formel holds it after
// compiling. The compiler itself decides what it knows, so the rule has one description.
UnrecognisedText firstUnrecognisedText(std::string_view text);
