#include "solver/equation_sides.h"

#include <cerrno>

void EquationSides::Side::compile(const Formelinterpreter& compiled) {
    record = compiled;
    program.compile(record);
    constant = !program.readsX();
    if (constant) {
        outcome.value = program.evaluate(0, outcome.status);
        outcome.error = errno;
    }
}

SideValue EquationSides::Side::at(long double x) const {
    if (constant) {
        return outcome;
    }
    SideValue v;
    v.value = program.evaluate(x, v.status);
    v.error = errno;
    return v;
}

DifferenceBlock::Side EquationSides::Side::atBlock(const long double* x, int count,
                                                   FlatProgram::BlockOutcome& storage) const {
    if (constant) {
        return DifferenceBlock::constantSide(outcome.value, outcome.error, outcome.status);
    }
    program.evaluateBlock(x, count, storage);
    return DifferenceBlock::sideOf(storage);
}

void EquationSides::compile(std::string_view left, std::string_view right) {
    Formelinterpreter l{};
    Formelinterpreter r{};
    l.setFormel(left);
    r.setFormel(right);
    l.Formel_compillieren();
    r.Formel_compillieren();
    compile(l, r);
}

void EquationSides::compile(const Formelinterpreter& left, const Formelinterpreter& right) {
    left_.compile(left);
    right_.compile(right);
}

SideDifference EquationSides::at(long double x) const {
    const SideValue l = left_.at(x);
    const SideValue r = right_.at(x);
    const bool skippedDivision =
        l.status == SkippedDivisionStatus || r.status == SkippedDivisionStatus;
    return {l.value, r.value, l.value - r.value, l.error != 0 || r.error != 0, skippedDivision};
}

DifferenceBlock EquationSides::atBlock(const long double* x, int count,
                                       DifferenceBlock::Storage& storage) const {
    return {left_.atBlock(x, count, storage.left), right_.atBlock(x, count, storage.right)};
}

FlatProgram::Enclosure EquationSides::Side::enclose(const Interval& x) const {
    if (!constant) {
        return program.enclose(x);
    }
    if (outcome.error != 0) {
        return {Interval::unknown(), false, true};
    }
    return {Interval::point(outcome.value), outcome.status == 0, false};
}

DifferenceEnclosure EquationSides::enclose(long double lo, long double hi) const {
    const Interval x{lo, hi};
    const FlatProgram::Enclosure l = left_.enclose(x);
    const FlatProgram::Enclosure r = right_.enclose(x);
    return {l.value, r.value, l.value - r.value, l.cannotFail && r.cannotFail,
            l.alwaysFails || r.alwaysFails};
}

// A side that does not read x is its one outcome, exactly as the evaluator computed it: its
// exact function is taken to be that value, which is all that both readings share.
FlatProgram::ExactEnclosure EquationSides::Side::encloseExactly(const Interval& x) const {
    if (!constant) {
        return program.encloseExactly(x);
    }
    if (outcome.error != 0) {
        return {Interval::unknown(), Interval::unknown(), false, true};
    }
    return {Interval::point(outcome.value), Interval::point(0), outcome.status == 0, false};
}

ExactDifference EquationSides::encloseExactly(long double lo, long double hi) const {
    const Interval x{lo, hi};
    const FlatProgram::ExactEnclosure l = left_.encloseExactly(x);
    const FlatProgram::ExactEnclosure r = right_.encloseExactly(x);
    return {widened(l.value - r.value), widened(l.slope - r.slope), l.cannotFail && r.cannotFail,
            l.alwaysFails || r.alwaysFails};
}

bool EquationSides::seesXAsDouble() const {
    return (left_.constant || left_.program.seesXAsDouble()) &&
           (right_.constant || right_.program.seesXAsDouble());
}

int EquationSides::exactEnclosureCost() const {
    const auto weight = [](const Side& side) {
        return side.constant ? 0 : side.program.exactEnclosureWeight();
    };
    return ExactEnclosureCost + weight(left_) + weight(right_);
}
