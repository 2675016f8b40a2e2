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
