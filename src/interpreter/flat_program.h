#pragma once

#include "interpreter/formelinterpreter.h"

#include <cstdint>

// A compiled formula's evaluation recorded once as a straight sequence of register
// operations. The evaluator's control flow depends only on the codes, never on the
// values, so running this sequence gives the value, errno and status of
// Formel_Berechnen bit for bit, without recursion or look-ahead. Reentrant: evaluate()
// keeps its registers on the stack, so copies may run on several threads.
class FlatProgram {
public:
    // Records the program of f, which must be compiled.
    void compile(const Formelinterpreter& f);

    // Evaluates at x. errno is 0 on success, else EDOM or ERANGE (the result is then 0);
    // status is the Fehlercode Formel_Berechnen would leave: 0, 255, EDOM or ERANGE.
    long double evaluate(long double x, int& status) const;

    // Binary operations come in three forms by their right operand: a register (R),
    // a constant (C) or x (X). Division skips a zero divisor and sets status 255; Pow
    // and Function call the double-precision library and may end the evaluation.
    enum Kind : uint8_t {
        LoadConst, // r[dst] = constants[src]
        LoadX,     // r[dst] = x
        LoadNegX,  // r[dst] = -x
        AddR,
        AddC,
        AddX, // r[dst] += operand
        SubR,
        SubC,
        SubX, // r[dst] -= operand
        MulR,
        MulC,
        MulX, // r[dst] *= operand
        DivR,
        DivC,
        DivX, // r[dst] /= operand, unless operand is 0
        PowR,
        PowC,
        PowX,     // r[dst] = pow(r[dst], operand)
        Function, // r[dst] = function `code` of r[dst]
    };

    struct Op {
        Kind kind;
        uint8_t code; // the function code of a Function op
        uint16_t dst;
        uint16_t src;
    };

    // Every code causes at most two ops; every level at most one register.
    static constexpr int MaxOps = 2 * Formelinterpreter::ProgramSize + 2;
    static constexpr int MaxRegisters = Formelinterpreter::ProgramSize + 2;

    int opCount() const { return count; }

    // True when some operation reads x; otherwise every evaluation gives the same value,
    // errno and status.
    bool readsX() const;

private:
    friend class FlatRecorder;

    Op ops[MaxOps];
    long double constants[MaxOps];
    int count = 0;
    int constantCount = 0;
};
