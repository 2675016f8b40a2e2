#pragma once

#include "interpreter/flat_program.h"

// Both sides of the equation held by links and rechts, evaluated at one x.
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

// The two sides of the equation as a function of x.
class DifferenceSource {
public:
    // Points that atBlock evaluates at once at most.
    static constexpr int BlockSize = FlatProgram::BlockSize;

    virtual ~DifferenceSource() = default;
    virtual SideDifference at(long double x) const = 0;
    // d at count <= BlockSize points, each exactly as at() gives it.
    virtual void atBlock(const long double* x, int count, PointDifference* out) const {
        for (int i = 0; i < count; ++i) {
            out[i] = pointOf(at(x[i]));
        }
    }
};

// One point of d with the values it came from.
struct Sample {
    long double x;
    SideDifference value;
};

inline Sample sampleAt(const DifferenceSource& sides, long double x) {
    return {x, sides.at(x)};
}

// The sides held by links and rechts, through the reference evaluator.
class ReferenceDifference final : public DifferenceSource {
public:
    SideDifference at(long double x) const override;
};

// The sides of two compiled records recorded as flat programs: the same values, failures
// and statuses as the reference, faster, and safe to evaluate on several threads at once.
class FlatDifference final : public DifferenceSource {
public:
    void compile(const Formelinterpreter& left, const Formelinterpreter& right);
    SideDifference at(long double x) const override;
    void atBlock(const long double* x, int count, PointDifference* out) const override;

private:
    // One side: a program, or, when it does not read x, its one outcome.
    struct Side {
        FlatProgram program;
        bool constant = false;
        long double value = 0;
        int error = 0;
        int status = 0;

        void compile(const Formelinterpreter& f);
        long double at(long double x, bool& failed, int& status) const;
    };

    Side left_;
    Side right_;
};

// Writes x into both records, then evaluates the left side and the right side; each
// side's failure is read from errno right after its own evaluation.
SideDifference evaluateDifference(long double x);
