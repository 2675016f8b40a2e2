#pragma once

#include "solver/side_difference.h"

#include <cstdint>

// The sides with an underflow taken as the value it is: where the evaluator fails, the exact
// function's value stands in when the exact function cannot fail there and its sign is known, or
// it is 0. Where it cannot be told from 0 on either side, it stands in as 0 only when
// noiseAsZero: inside a sign change, that is the root. Counts the exact readings it makes.
class UnderflowAsValue final : public DifferenceSource {
public:
    explicit UnderflowAsValue(const DifferenceSource& sides, bool noiseAsZero = false)
        : sides_(sides), noiseAsZero_(noiseAsZero) {}

    SideDifference at(long double x) const override;
    ExactDifference encloseExactly(long double lo, long double hi) const override {
        return sides_.encloseExactly(lo, hi);
    }
    DifferenceEnclosure enclose(long double lo, long double hi) const override {
        return sides_.enclose(lo, hi);
    }
    bool seesXAsDouble() const override { return sides_.seesXAsDouble(); }
    int exactEnclosureCost() const override { return sides_.exactEnclosureCost(); }

    // Exact readings made since the last call.
    int64_t takeExactReadings() const;

private:
    const DifferenceSource& sides_;
    const bool noiseAsZero_;
    mutable int64_t exactReadings_ = 0;
};
