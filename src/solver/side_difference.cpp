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

namespace {

// One side's outcomes over a block: evaluated point by point, or the one outcome of a side
// that does not read x.
struct EvaluatedSide {
    const FlatProgram::BlockOutcome& block;
    long double value(int i) const { return block.value[i]; }
    bool failed(int i) const { return block.error[i] != 0; }
    bool skipped(int i) const { return block.status[i] == DivisionSkipped; }
};
struct ConstantSide {
    long double v;
    bool fails;
    bool skips;
    long double value(int) const { return v; }
    bool failed(int) const { return fails; }
    bool skipped(int) const { return skips; }
};

template <class Left, class Right>
void combine(const Left& left, const Right& right, int count, PointDifference* out) {
    for (int i = 0; i < count; ++i) {
        out[i] = {left.value(i) - right.value(i), left.failed(i) || right.failed(i),
                  left.skipped(i) || right.skipped(i)};
    }
}

} // namespace

void FlatDifference::atBlock(const long double* x, int count, PointDifference* out) const {
    FlatProgram::BlockOutcome left;
    FlatProgram::BlockOutcome right;
    const ConstantSide leftConstant{left_.value, left_.error != 0, left_.status == DivisionSkipped};
    const ConstantSide rightConstant{right_.value, right_.error != 0,
                                     right_.status == DivisionSkipped};
    if (!left_.constant) {
        left_.program.evaluateBlock(x, count, left);
    }
    if (!right_.constant) {
        right_.program.evaluateBlock(x, count, right);
    }
    if (left_.constant && right_.constant) {
        combine(leftConstant, rightConstant, count, out);
    } else if (left_.constant) {
        combine(leftConstant, EvaluatedSide{right}, count, out);
    } else if (right_.constant) {
        combine(EvaluatedSide{left}, rightConstant, count, out);
    } else {
        combine(EvaluatedSide{left}, EvaluatedSide{right}, count, out);
    }
}
