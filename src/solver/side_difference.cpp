#include "solver/side_difference.h"

#include "interpreter/formelinterpreter.h"

#include <cerrno>

namespace {

// Status of an evaluation that ran to the end but skipped a division by zero.
constexpr int DivisionSkipped = 255;

} // namespace

SideDifference evaluateDifference(long double x) {
    links.X = x;
    rechts.X = x;
    const long double left = links.Formel_Berechnen();
    const bool leftFailed = errno != 0;
    const long double right = rechts.Formel_Berechnen();
    const bool rightFailed = errno != 0;
    const bool skippedDivision =
        links.Fehlercode == DivisionSkipped || rechts.Fehlercode == DivisionSkipped;
    return {left, right, left - right, leftFailed || rightFailed, skippedDivision};
}

SideDifference ReferenceDifference::at(long double x) const {
    return evaluateDifference(x);
}

void FlatDifference::compile(const Formelinterpreter& left, const Formelinterpreter& right) {
    left_.compile(left);
    right_.compile(right);
}

SideDifference FlatDifference::at(long double x) const {
    int leftStatus = 0;
    int rightStatus = 0;
    const long double left = left_.evaluate(x, leftStatus);
    const bool leftFailed = errno != 0;
    const long double right = right_.evaluate(x, rightStatus);
    const bool rightFailed = errno != 0;
    const bool skippedDivision = leftStatus == DivisionSkipped || rightStatus == DivisionSkipped;
    return {left, right, left - right, leftFailed || rightFailed, skippedDivision};
}
