#pragma once

class QProgressDialog;

// State of the equation tab, shared by its slots.

// Centre and half-width of the x interval, as last read from the spin boxes.
extern int MitteWert;
extern int DeltaWert;
// Lower and upper bound of the interval passed to the scan.
extern int MinX;
extern int MaxX;
// Scratch buffer for the interval labels.
extern char zwStr[256];
// The modal progress dialog of long computations, created by the first solve request.
extern QProgressDialog* porgressDialog;
// Progress counter of the refinement phase.
extern int Inc_porgressDialog;

// The refinement phase drives the progress dialog with more brackets than this.
inline constexpr int RefinementProgressThreshold = 499;

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
