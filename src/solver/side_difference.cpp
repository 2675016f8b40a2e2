#include "solver/side_difference.h"

#include "interpreter/formelinterpreter.h"

#include <cerrno>

SideDifference evaluateDifference(long double x) {
    links.X = x;
    rechts.X = x;
    const long double left = links.Formel_Berechnen();
    const bool leftFailed = errno != 0;
    const long double right = rechts.Formel_Berechnen();
    const bool rightFailed = errno != 0;
    const bool skippedDivision =
        links.Fehlercode == SkippedDivisionStatus || rechts.Fehlercode == SkippedDivisionStatus;
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
    const bool skippedDivision =
        leftStatus == SkippedDivisionStatus || rightStatus == SkippedDivisionStatus;
    return {left, right, left - right, leftFailed || rightFailed, skippedDivision};
}

DifferenceBlock DifferenceSource::atBlock(const long double* x, int count,
                                          DifferenceBlock::Storage& storage) const {
    static constexpr long double zero = 0;
    static constexpr int none = 0;
    FlatProgram::BlockOutcome& d = storage.left;
    for (int i = 0; i < count; ++i) {
        const SideDifference value = at(x[i]);
        d.value[i] = value.d;
        d.error[i] = value.failed ? 1 : 0;
        d.status[i] = value.skippedDivision ? SkippedDivisionStatus : 0;
    }
    return {DifferenceBlock::sideOf(d), DifferenceBlock::constantSide(zero, none, none)};
}

DifferenceBlock FlatDifference::atBlock(const long double* x, int count,
                                        DifferenceBlock::Storage& storage) const {
    return {left_.atBlock(x, count, storage.left), right_.atBlock(x, count, storage.right)};
}

DifferenceBlock::Side FlatDifference::Side::atBlock(const long double* x, int count,
                                                    FlatProgram::BlockOutcome& storage) const {
    if (constant) {
        return DifferenceBlock::constantSide(value, error, status);
    }
    program.evaluateBlock(x, count, storage);
    return DifferenceBlock::sideOf(storage);
}
