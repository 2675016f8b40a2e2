#pragma once

// Both sides of the equation held by links and rechts, evaluated at one x.
struct SideDifference {
    long double left;     // value of the left side
    long double right;    // value of the right side
    long double d;        // left - right
    bool failed;          // the maths library reported an error for either side
    bool skippedDivision; // either side skipped a division by zero (status 255)
};

// Writes x into both records, then evaluates the left side and the right side; each
// side's failure is read from errno right after its own evaluation.
SideDifference evaluateDifference(long double x);
