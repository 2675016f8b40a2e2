#pragma once

// The example systems of the linear-system page, as the texts the example button writes
// into the coefficient table and the result list; the lines for the list are translated in
// context Form1.
namespace linear_system_examples {

inline constexpr int Count = 4;
// Largest number of equations (and unknowns) of an example.
inline constexpr int MaxRows = 4;

struct Example {
    // Line written to the result list before the table is filled.
    const char* heading;
    // Number of equations, which is also the number of unknowns.
    int rows;
    // Per row: the right-hand side, then the coefficients of X1 to X<rows>.
    const char* cells[MaxRows][MaxRows + 1];
    // Readable form of each row, written right after the row is filled; null for none.
    const char* lines[MaxRows];
};

extern const Example Examples[Count];

} // namespace linear_system_examples

// Number of the example loaded last, 1 to 4; 0 before the first.
extern int BeispielNr;
