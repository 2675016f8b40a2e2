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

void FlatDifference::Side::compile(const Formelinterpreter& f) {
    program.compile(f);
    constant = !program.readsX();
    if (constant) {
        value = program.evaluate(0, status);
        error = errno;
    }
}

long double FlatDifference::Side::at(long double x, bool& failed, int& outStatus) const {
    if (constant) {
        failed = error != 0;
        outStatus = status;
        return value;
    }
    const long double result = program.evaluate(x, outStatus);
    failed = errno != 0;
    return result;
}

void FlatDifference::Side::atBlock(const long double* x, int count,
                                   FlatProgram::BlockOutcome& out) const {
    if (!constant) {
        program.evaluateBlock(x, count, out);
        return;
    }
    for (int i = 0; i < count; ++i) {
        out.value[i] = value;
        out.error[i] = error;
        out.status[i] = status;
    }
}

void FlatDifference::compile(const Formelinterpreter& left, const Formelinterpreter& right) {
    left_.compile(left);
    right_.compile(right);
}

SideDifference FlatDifference::at(long double x) const {
    bool leftFailed = false;
    bool rightFailed = false;
    int leftStatus = 0;
    int rightStatus = 0;
    const long double left = left_.at(x, leftFailed, leftStatus);
    const long double right = right_.at(x, rightFailed, rightStatus);
    const bool skippedDivision = leftStatus == DivisionSkipped || rightStatus == DivisionSkipped;
    return {left, right, left - right, leftFailed || rightFailed, skippedDivision};
}

void FlatDifference::atBlock(const long double* x, int count, SideDifference* out) const {
    FlatProgram::BlockOutcome left;
    FlatProgram::BlockOutcome right;
    left_.atBlock(x, count, left);
    right_.atBlock(x, count, right);
    for (int i = 0; i < count; ++i) {
        const bool skippedDivision =
            left.status[i] == DivisionSkipped || right.status[i] == DivisionSkipped;
        out[i] = {left.value[i], right.value[i], left.value[i] - right.value[i],
                  left.error[i] != 0 || right.error[i] != 0, skippedDivision};
    }
}
