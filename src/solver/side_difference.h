#pragma once

#include "interpreter/flat_program.h"

// Both sides of an equation evaluated at one x.
struct SideDifference {
    long double left;     // value of the left side
    long double right;    // value of the right side
    long double d;        // left - right
    bool failed;          // the maths library reported an error for either side
    bool skippedDivision; // either side skipped a division by zero (status 255)
};

// What the scan's bookkeeping needs of one point: d and its two flags.
struct PointDifference {
    long double d;
    bool failed;
    bool skippedDivision;
};

inline PointDifference pointOf(const SideDifference& value) {
    return {value.d, value.failed, value.skippedDivision};
}

// A valid point where d is exactly 0 is a root as it stands, unless a division by zero was
// skipped there: 0/0 leaves 0, which stands for no number.
template <class Value> inline bool isExactZero(const Value& value) {
    return !value.failed && value.d == 0 && !value.skippedDivision;
}

// The outcomes of a block of points, d = left - right taken point by point where it is
// read, so that no pass over the block writes the differences out. A side that does not
// read x has one outcome for every point: its stride is 0.
class DifferenceBlock {
public:
    struct Side {
        const long double* value;
        const int* error;
        const int* status;
        int stride;
    };

    DifferenceBlock(const Side& left, const Side& right) : left_(left), right_(right) {}

    // Space for the outcomes of both sides of one block.
    struct Storage {
        FlatProgram::BlockOutcome left;
        FlatProgram::BlockOutcome right;
    };

    static Side sideOf(const FlatProgram::BlockOutcome& block) {
        return {block.value, block.error, block.status, 1};
    }
    // One outcome for every point.
    static Side constantSide(const long double& value, const int& error, const int& status) {
        return {&value, &error, &status, 0};
    }

    [[gnu::always_inline]] PointDifference at(int k) const {
        const int l = k * left_.stride;
        const int r = k * right_.stride;
        return {left_.value[l] - right_.value[r], left_.error[l] != 0 || right_.error[r] != 0,
                left_.status[l] == SkippedDivisionStatus ||
                    right_.status[r] == SkippedDivisionStatus};
    }

private:
    Side left_;
    Side right_;
};

// What an enclosure proves of both sides and of d over a range of x.
struct DifferenceEnclosure {
    Interval left;
    Interval right;
    Interval d;       // holds d at every point where neither side fails
    bool cannotFail;  // no point fails or skips a division
    bool alwaysFails; // every point fails

    static DifferenceEnclosure nothingProven() {
        return {Interval::unknown(), Interval::unknown(), Interval::unknown(), false, false};
    }
};

// What an enclosure proves of the exact function d = left - right over a range of x, and of
// its derivative: value and slope hold them wherever no point fails.
struct ExactDifference {
    Interval value;
    Interval slope;
    bool cannotFail;
    bool alwaysFails;

    static ExactDifference nothingProven() {
        return {Interval::unknown(), Interval::unknown(), false, false};
    }
};

// An enclosure of both sides costs about as much as this many points evaluated in blocks
// (measured on the benchmark formulas: 2 to 6); an exact one with its derivative twice that.
inline constexpr int ComputedEnclosureCost = 6;
inline constexpr int ExactEnclosureCost = 12;

// The two sides of the equation as a function of x.
class DifferenceSource {
public:
    // Points that atBlock evaluates at once at most.
    static constexpr int BlockSize = FlatProgram::BlockSize;

    virtual ~DifferenceSource() = default;
    virtual SideDifference at(long double x) const = 0;
    // d at count <= BlockSize points, each exactly as at() gives it; the outcomes may live
    // in storage.
    virtual DifferenceBlock atBlock(const long double* x, int count,
                                    DifferenceBlock::Storage& storage) const;
    // Both sides over every long double x of [lo, hi]; a source that cannot enclose proves
    // nothing.
    virtual DifferenceEnclosure enclose(long double, long double) const {
        return DifferenceEnclosure::nothingProven();
    }
    // The exact function d and its derivative over every real x of [lo, hi].
    virtual ExactDifference encloseExactly(long double, long double) const {
        return ExactDifference::nothingProven();
    }
    // True when the sides see x only rounded to double, so that nothing finer than the
    // doubles can be told apart; otherwise the extended values are.
    virtual bool seesXAsDouble() const { return false; }
    // What encloseExactly costs in evaluations at one point.
    virtual int exactEnclosureCost() const { return ExactEnclosureCost; }
};

// One point of d with the values it came from.
struct Sample {
    long double x;
    SideDifference value;
};

inline Sample sampleAt(const DifferenceSource& sides, long double x) {
    return {x, sides.at(x)};
}
