#include "reference_sides.h"

#include <cerrno>

void ReferenceSides::compile(std::string_view left, std::string_view right) {
    left_.setFormel(left);
    left_.Formel_compillieren();
    right_.setFormel(right);
    right_.Formel_compillieren();
}

SideDifference ReferenceSides::at(long double x) const {
    left_.X = x;
    right_.X = x;
    const long double left = left_.Formel_Berechnen();
    const bool leftFailed = errno != 0;
    const long double right = right_.Formel_Berechnen();
    const bool rightFailed = errno != 0;
    const bool skippedDivision =
        left_.Fehlercode == SkippedDivisionStatus || right_.Fehlercode == SkippedDivisionStatus;
    return {left, right, left - right, leftFailed || rightFailed, skippedDivision};
}
