#pragma once

#include <cstdint>

// What the search found at one place, from lower to upper. One list of them, in increasing x,
// goes to the result block, the graph, files and the command line.
enum class FindingKind : uint8_t {
    Root,      // a root: settled where lower == upper, else a sign change still to be refined
    Identity,  // the sides are equal for every x from lower to upper, as far as can be told
    Plateau,   // d cannot be told from 0 from lower to upper in the precision of the sides
    Pole,      // |d| grows without bound toward lower (== upper)
    Hole,      // the sides are undefined at lower (== upper) alone
    Undecided, // nothing could be decided from lower to upper within the search's budget
};

// How the finding is known.
enum class Certainty : uint8_t {
    Proven,     // by an enclosure of the exact function: a unique root, a pole, an identity
    Evaluated,  // by the evaluator's values: a sign change or an exact zero
    Resolution, // decided at the finest spacing the sides tell apart: a touch, a plateau's end
};

struct Finding {
    long double lower;
    long double upper;
    FindingKind kind;
    Certainty certainty;
};
