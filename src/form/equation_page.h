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
