#pragma once

#include <string_view>

#include "form/graph/plot_mapping.h"

class EquationSides;

// Arrays indexed by pixel column, each holding at least the sampled count of entries.
struct ColumnArrays {
    long double* yL_Werte;    // left value times ygroesser
    long double* yR_Werte;    // right value times ygroesser
    long double* yDiff_Werte; // yL_Werte - yR_Werte
    int* yL_Fehler;           // errno after the left side's evaluation, or its skipped division
    int* yR_Fehler;           // errno after the right side's evaluation, or its skipped division
    int* yDiff_Fehler;        // OR of both
};

// Copies the texts into links and rechts, compiles both and records their fast programs.
void compileSides(std::string_view left, std::string_view right);

// The sides of the last compileSides.
const EquationSides& plottedSides();

// Samples columns 1 ... count - 1 with the programs of the last compileSides and leaves
// the x of the last sampled column in X of links and rechts.
void sampleColumns(const PlotView& view, int count, const ColumnArrays& arrays);

// Samples columns 1 ... count - 1 of the sides. A division by zero that the evaluator skipped
// fails its column as the maths library's errors do: the value left is no value of the side.
void sampleSides(const EquationSides& sides, const PlotView& view, int count,
                 const ColumnArrays& arrays);
