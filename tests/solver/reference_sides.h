#pragma once

#include "interpreter/formelinterpreter.h"
#include "solver/side_difference.h"

#include <string_view>

// The sides of an equation through the reference evaluator, Formel_Berechnen of two records:
// the tests' reference for the flat programs. One thread at a time, as the evaluator.
class ReferenceSides final : public DifferenceSource {
public:
    void compile(std::string_view left, std::string_view right);
    // Each side's failure is read from errno right after its own evaluation.
    SideDifference at(long double x) const override;

private:
    mutable Formelinterpreter left_{};
    mutable Formelinterpreter right_{};
};
