#pragma once

#include "solver/progress_reporter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

struct Bracket {
    long double lower;
    long double upper;
};

// Compiles the two sides into links and rechts.
void setEquation(std::string_view left, std::string_view right);

// The scan that runs on every core, and the point-by-point reference.
enum class ScanPath { Parallel, Sequential };

// Runs the scan with the given grid steps per unit and returns its brackets.
std::vector<Bracket> scanWith(int a, int b, long double schrittweite,
                              ProgressReporter* progress = nullptr,
                              ScanPath path = ScanPath::Parallel);

// Scans, then refines every bracket as the equation page does: a zero bracket is a root
// as it stands, the others are refined and dropped when the refinement fails.
std::vector<long double> solveWith(int a, int b, long double schrittweite);

// A root as the equation page prints it: rounded to 10 decimals, 10 significant digits.
std::string printedRoot(long double root);

// Restores the grid step and the work flag around every test.
class RootSearchTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
