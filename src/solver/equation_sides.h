#pragma once

#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"
#include "solver/side_difference.h"

#include <string_view>

// One side evaluated at one x: its value, errno right after the evaluation (0, EDOM or
// ERANGE) and its status (0, SkippedDivisionStatus, EDOM or ERANGE).
struct SideValue {
    long double value;
    int error;
    int status;
};

// The two sides of an equation, compiled from their texts and recorded as flat programs:
// the values, failures and statuses of the reference evaluator, bit for bit, and safe to
// evaluate on several threads at once.
class EquationSides final : public DifferenceSource {
public:
    // Compiles both texts; each keeps at most Formelinterpreter::MaxTextLength characters.
    void compile(std::string_view left, std::string_view right);
    // Records the sides of two compiled records.
    void compile(const Formelinterpreter& left, const Formelinterpreter& right);

    // The compiled records: the normalised texts and what the compiler did not know.
    const Formelinterpreter& leftRecord() const { return left_.record; }
    const Formelinterpreter& rightRecord() const { return right_.record; }

    SideValue leftAt(long double x) const { return left_.at(x); }
    SideValue rightAt(long double x) const { return right_.at(x); }

    SideDifference at(long double x) const override;
    DifferenceBlock atBlock(const long double* x, int count,
                            DifferenceBlock::Storage& storage) const override;
    DifferenceEnclosure enclose(long double lo, long double hi) const override;
    ExactDifference encloseExactly(long double lo, long double hi) const override;
    bool seesXAsDouble() const override;
    int exactEnclosureCost() const override;

private:
    // One side: its program, or, when it does not read x, its one outcome.
    struct Side {
        Formelinterpreter record;
        FlatProgram program;
        bool constant = false;
        SideValue outcome{};

        void compile(const Formelinterpreter& compiled);
        SideValue at(long double x) const;
        DifferenceBlock::Side atBlock(const long double* x, int count,
                                      FlatProgram::BlockOutcome& storage) const;
        FlatProgram::Enclosure enclose(const Interval& x) const;
        FlatProgram::ExactEnclosure encloseExactly(const Interval& x) const;
    };

    Side left_;
    Side right_;
};
