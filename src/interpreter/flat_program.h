#pragma once

#include "interpreter/flat_operations.h"
#include "interpreter/formelinterpreter.h"
#include "interpreter/interval.h"

#include <cstdint>

// A compiled formula's evaluation recorded once as a straight sequence of operations on
// an accumulator and a few registers. The evaluator's control flow depends only on the codes, never
// on the values, so running this sequence gives the value, errno and status of Formel_Berechnen bit
// for bit, without recursion or look-ahead. Reentrant: evaluate() keeps its registers on the stack,
// so copies may run on several threads.
class FlatProgram {
public:
    // Records the program of f, which must be compiled.
    void compile(const Formelinterpreter& f);

    // Evaluates at x. errno is 0 on success, else EDOM or ERANGE (the result is then 0);
    // status is the Fehlercode Formel_Berechnen would leave: 0, 255, EDOM or ERANGE.
    // Inlined into its callers (flat_evaluate.h).
    [[gnu::always_inline]] long double evaluate(long double x, int& status) const;

    // Points that evaluateBlock takes at once at most.
    static constexpr int BlockSize = 16;
    // Each point's outcome, as evaluate() gives it: the value, errno right after the call
    // and status.
    struct BlockOutcome {
        long double value[BlockSize];
        int error[BlockSize];
        int status[BlockSize];
    };
    // Evaluates at count <= BlockSize points at once, each operation over all of them in turn.
    void evaluateBlock(const long double* x, int count, BlockOutcome& out) const;

    // The operations, from the table in flat_operations.h.
    using Kind = flat::Kind;
    using Op = flat::Op;

    // Every code causes at most two register operations; every level at most one register.
    static constexpr int MaxRegisterOps = 2 * Formelinterpreter::ProgramSize + 2;
    static constexpr int MaxRegisters = Formelinterpreter::ProgramSize + 2;
    // On the accumulator each becomes at most a spill, a fill and itself, plus a final fill.
    static constexpr int MaxOps = 3 * MaxRegisterOps + 1;
    // Folding constants adds values while room is left.
    static constexpr int MaxConstants = 2 * MaxRegisterOps;

    // What the evaluation at every long double x of a range can give: an interval holding the
    // value of every point that does not fail, whether no point fails nor skips a division,
    // and whether every point fails.
    struct Enclosure {
        Interval value;
        bool cannotFail;
        bool alwaysFails;
    };
    Enclosure enclose(const Interval& x) const;

    // The exact function of the program (its operations exact, its constants as stored) over
    // every real x of a range, and its derivative: value and slope hold them wherever no
    // point fails; a value too small for a double counts as a value, not a failure.
    struct ExactEnclosure {
        Interval value;
        Interval slope;
        bool cannotFail;
        bool alwaysFails;
    };
    ExactEnclosure encloseExactly(const Interval& x) const;

    int opCount() const { return count; }

    // True when some operation reads x; otherwise every evaluation gives the same value,
    // errno and status.
    bool readsX() const;

    // True when every operation that reads x passes it to the library, which rounds it to
    // double: points between two neighbouring doubles then all give one value.
    bool seesXAsDouble() const;

    // What an exact enclosure of the program costs beyond a fixed part, in evaluations of it
    // at one point: a power of two ranges takes the most, reading four corners in extended
    // precision. Fitted to measurements on the benchmark formulas (ratios 6 to 63).
    int exactEnclosureWeight() const;

private:
    friend class FlatRecorder;

    // Rewrites the recorded accumulator operations into fewer ones with the same results:
    // constants folded and read directly, registers that hold x read as x, unread spills and
    // overwritten loads dropped, loads of x fused with the operation after them.
    void simplify();
    void propagateConstants();
    void dropRefills();
    void dropUnreadSpills();
    void dropOverwrittenLoads();
    void readXDirectly();
    void fuseLoadsOfX();
    void lowerConstants();

    Op ops[MaxOps];
    long double constants[MaxConstants]; // LoadConst, and every constant while recording
    double numbers[MaxOps];
    int count = 0;
    int constantCount = 0;
    int numberCount = 0;
};

#include "interpreter/flat_evaluate.h"
