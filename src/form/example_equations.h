#pragma once

// The catalogue of example equations stepped through by the example button.

// Rows of the catalogue; row 0 and the rows above the last example stay null.
inline constexpr int BeispielZeilen = 1000;
// Size of the buffer of one example text, the terminating NUL included.
inline constexpr int BeispielTextGroesse = 80;

// Example texts "left=right", rows 1 to AnzahlGleichungen.
extern char* BeispielGleichung[BeispielZeilen];
// Number of examples once the catalogue is built.
extern int AnzahlGleichungen;
// Number of the example loaded last; 0 before the first.
extern int Index_Beispiel;
