#pragma once

#include <QPainter>

#include <vector>

#include "form/graph/plot_mapping.h"

// Plot state of the graph page, process-wide. The navigation slots write it; a redraw
// reads it and refreshes the frame size.
extern long double groesse;   // pixels per unit: 100 * 2^k
extern long double ygroesser; // whole number 1 ... 1000
extern long double xOffset;   // negated value of the horizontal scroll bar
extern long double yOffset;   // negated value of the vertical scroll bar
extern int Breite;            // width of the graph frame
extern int Hoehe;             // height of the graph frame
extern int xKreuz_NULL;       // Breite / 2
extern int yKreuz_NULL;       // Hoehe / 2
extern bool BeideSeiten;      // draw both sides besides their difference

// Failure code (errno) of each side and of the difference per pixel column; 0 is valid.
// Index 0 is never used. At least 2000 entries, grown to the frame's width.
extern std::vector<int> yL_Fehler;
extern std::vector<int> yR_Fehler;
extern std::vector<int> yDiff_Fehler;

// The one painter of every painting pass on the frame's image.
extern QPainter painter;

extern int normalTimer;          // pending deferred redraw, -1 when none
extern int KleinerGroesserTimer; // running stretch auto-repeat, -1 when none
extern bool GroesserWahr;        // auto-repeat direction: true enlarges ygroesser
extern int MausXk;               // last click: columns right of the origin column
extern int MausYk;               // last click: rows above the origin row

// The view as the mapping functions take it.
PlotView currentView();

// Breite, Hoehe and the centre from the frame's size.
void setFrameSize(int width, int height);

// Grows the failure arrays to hold columns 0 ... columns - 1.
void reserveColumns(int columns);
