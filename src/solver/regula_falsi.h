#pragma once

// Iteration cap of the refinement.
inline constexpr int MaxIterations = 100000;

// Result of the one-sided regula falsi on one bracket.
struct OneSidedOutcome {
    long double x;         // the last iterate
    long double fx;        // d at x
    int iterations;        // iterations made
    bool converged;        // ended with finite x and |fx| <= Toleranz
    bool evaluationFailed; // an evaluation of either side failed, the two ends included
};

// One-sided regula falsi on [XL, XR]: the end XR and its difference stay fixed and each
// new point x = a - (XR - a) * d(a) / (d(XR) - d(a)) replaces the moving point a. Ends
// when |d(x)| <= Toleranz; gives up when x or d(x) is not finite, after maxIterations, or
// as soon as the iterates repeat (period 1 or 2), since they would then repeat to the cap.
OneSidedOutcome regulaFalsiOneSided(long double XL, long double XR, int maxIterations);

// Refines the bracket [XL, XR] (XL != XR) to a root by the one-sided regula falsi; when
// that fails, refines the same bracket again keeping the sign change. Fehler is set false
// at the start and true when neither found a root; the result is then not a root.
long double refineBracket(long double XL, long double XR, bool& Fehler);
