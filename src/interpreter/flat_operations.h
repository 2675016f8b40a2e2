#pragma once

#include <cstdint>

// The operations of a flat program, each described once: the rule it computes and where its
// two operands come from. The evaluators, the recorder and the simplifier are derived from
// this table, and an operation's partners (reversed, with a constant, with x) are looked up
// in it, never computed from the order of the kinds.
namespace flat {

// What an operation computes from its left operand l and right operand r into the
// accumulator a; Spill alone writes a register instead.
enum class Rule : uint8_t {
    Copy,         // a = l
    Negate,       // a = -l
    Add,          // a = l + r
    Subtract,     // a = l - r
    Multiply,     // a = l * r
    Divide,       // a = l / r, or l when r is 0 (the division is skipped: status 255)
    Power,        // a = pow(l, r) in double: may set errno
    IntegerPower, // a = pow(l, n), n the small integer the op's code holds: may set errno
    Function,     // a = the function of the op's code applied to l: may set errno
    Spill,        // r[dst] = a
};

// Where an operand comes from: the accumulator; the register r[src]; the extended constant
// constants[src] (LoadConst); the constant operand numbers[src], which evaluation reads as a
// double (while recording it is constants[src] too); or x.
enum class Source : uint8_t { None, Accumulator, Register, Constant, Number, X };

// name       rule          left          right
#define QUINT_FLAT_OPERATIONS(OP)                                                                  \
    OP(LoadConst, Copy, Constant, None)                                                            \
    OP(LoadX, Copy, X, None)                                                                       \
    OP(LoadNegX, Negate, X, None)                                                                  \
    OP(Fill, Copy, Register, None)                                                                 \
    OP(Spill, Spill, Accumulator, None)                                                            \
    OP(AddR, Add, Accumulator, Register)                                                           \
    OP(AddC, Add, Accumulator, Number)                                                             \
    OP(AddX, Add, Accumulator, X)                                                                  \
    OP(XAddC, Add, X, Number)                                                                      \
    OP(SubR, Subtract, Accumulator, Register)                                                      \
    OP(SubC, Subtract, Accumulator, Number)                                                        \
    OP(SubX, Subtract, Accumulator, X)                                                             \
    OP(SubRev, Subtract, Register, Accumulator)                                                    \
    OP(SubRevC, Subtract, Number, Accumulator)                                                     \
    OP(SubRevX, Subtract, X, Accumulator)                                                          \
    OP(XSubC, Subtract, X, Number)                                                                 \
    OP(MulR, Multiply, Accumulator, Register)                                                      \
    OP(MulC, Multiply, Accumulator, Number)                                                        \
    OP(MulX, Multiply, Accumulator, X)                                                             \
    OP(XMulC, Multiply, X, Number)                                                                 \
    OP(DivR, Divide, Accumulator, Register)                                                        \
    OP(DivC, Divide, Accumulator, Number)                                                          \
    OP(DivX, Divide, Accumulator, X)                                                               \
    OP(DivRev, Divide, Register, Accumulator)                                                      \
    OP(DivRevC, Divide, Number, Accumulator)                                                       \
    OP(DivRevX, Divide, X, Accumulator)                                                            \
    OP(XDivC, Divide, X, Number)                                                                   \
    OP(CDivX, Divide, Number, X)                                                                   \
    OP(PowR, Power, Accumulator, Register)                                                         \
    OP(PowC, Power, Accumulator, Number)                                                           \
    OP(PowX, Power, Accumulator, X)                                                                \
    OP(PowRev, Power, Register, Accumulator)                                                       \
    OP(PowRevC, Power, Number, Accumulator)                                                        \
    OP(PowRevX, Power, X, Accumulator)                                                             \
    OP(PowInt, IntegerPower, Accumulator, None)                                                    \
    OP(XPowInt, IntegerPower, X, None)                                                             \
    OP(Function, Function, Accumulator, None)                                                      \
    OP(XFunction, Function, X, None)

enum Kind : uint8_t {
#define QUINT_KIND_NAME(name, rule, left, right) name,
    QUINT_FLAT_OPERATIONS(QUINT_KIND_NAME)
#undef QUINT_KIND_NAME
};

struct Operation {
    Rule rule;
    Source left;
    Source right;
};

inline constexpr Operation operations[] = {
#define QUINT_OPERATION(name, rule, left, right) {Rule::rule, Source::left, Source::right},
    QUINT_FLAT_OPERATIONS(QUINT_OPERATION)
#undef QUINT_OPERATION
};

inline constexpr int KindCount = sizeof operations / sizeof operations[0];
// Stands for an operation the table does not have.
inline constexpr Kind NoKind = static_cast<Kind>(KindCount);

// One step of a flat program: r[dst] is written by Spill; src names the register, constant
// or number the operation reads.
struct Op {
    Kind kind;
    uint8_t code; // the function code of a Function op, the exponent (as int8_t) of a PowInt op
    uint16_t dst;
    uint16_t src;
};

constexpr const Operation& operationOf(Kind kind) {
    return operations[kind];
}
constexpr Rule ruleOf(Kind kind) {
    return operations[kind].rule;
}
constexpr bool reads(Kind kind, Source source) {
    return operations[kind].left == source || operations[kind].right == source;
}
constexpr bool readsX(Kind kind) {
    return reads(kind, Source::X);
}
constexpr bool readsRegister(Kind kind) {
    return reads(kind, Source::Register);
}
// Reads a constant operand, which evaluation takes from numbers as a double.
constexpr bool readsNumber(Kind kind) {
    return reads(kind, Source::Number);
}
constexpr bool callsLibrary(Rule rule) {
    return rule == Rule::Power || rule == Rule::IntegerPower || rule == Rule::Function;
}
// Calls the maths library, so that it may set errno and end the evaluation.
constexpr bool callsLibrary(Kind kind) {
    return callsLibrary(ruleOf(kind));
}
constexpr bool divides(Kind kind) {
    return ruleOf(kind) == Rule::Divide;
}
// A power rounds its operands to double, so a constant that is not a double exactly may
// still be its double operand.
constexpr bool roundsOperandsToDouble(Kind kind) {
    return ruleOf(kind) == Rule::Power;
}
constexpr bool commutes(Rule rule) {
    return rule == Rule::Add || rule == Rule::Multiply;
}
// Overwrites the accumulator without reading it and has no effect besides: a load whose
// value an overwriting load makes dead.
constexpr bool isLoad(Kind kind) {
    return ruleOf(kind) != Rule::Spill && !reads(kind, Source::Accumulator) &&
           !callsLibrary(kind) && !divides(kind);
}

// The operation of a rule on two operand sources; NoKind when the table has none.
constexpr Kind find(Rule rule, Source left, Source right) {
    for (int k = 0; k < KindCount; ++k) {
        const Operation& op = operations[k];
        if (op.rule == rule && op.left == left && op.right == right) {
            return static_cast<Kind>(k);
        }
    }
    return NoKind;
}

// The same operation with the operand `from` read from `to` instead.
constexpr Kind withSource(Kind kind, Source from, Source to) {
    const Operation& op = operations[kind];
    return find(op.rule, op.left == from ? to : op.left, op.right == from ? to : op.right);
}

// The same operation with its operands exchanged; a commuting rule is its own reversal.
constexpr Kind reversed(Kind kind) {
    const Operation& op = operations[kind];
    return commutes(op.rule) ? kind : find(op.rule, op.right, op.left);
}

// The partners the recorder and the simplifier ask for: every operation that reads a register
// has its form that reads x instead, and a binary one its constant form and its reversal.
constexpr bool partnersComplete() {
    for (int k = 0; k < KindCount; ++k) {
        const Kind kind = static_cast<Kind>(k);
        const Operation& op = operations[k];
        if (find(op.rule, op.left, op.right) != kind) {
            return false; // two entries alike
        }
        if (!readsRegister(kind)) {
            continue;
        }
        if (withSource(kind, Source::Register, Source::X) == NoKind) {
            return false;
        }
        if (op.right != Source::None &&
            (withSource(kind, Source::Register, Source::Number) == NoKind ||
             reversed(kind) == NoKind)) {
            return false;
        }
    }
    return true;
}
static_assert(partnersComplete(), "an operation that reads a register lacks a partner");

} // namespace flat
