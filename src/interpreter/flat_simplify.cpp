#include "interpreter/flat_program.h"

#include "interpreter/flat_apply.h"
#include "interpreter/integer_power.h"
#include "interpreter/point_arithmetic.h"

// Each rewrite keeps every evaluation's value, errno and status: arithmetic folded here
// is the same extended-precision operation the evaluation would perform, and nothing
// that can set errno or skip a division is folded.

namespace {

using flat::Kind;
using flat::Rule;
using flat::Source;

// The form of an operation that reads the register's known value as a constant.
Kind constantForm(Kind kind) {
    return flat::withSource(kind, Source::Register, Source::Number);
}

// A constant can be the double operand of an operation when it is a double exactly, or
// when the operation is a power, which rounds it to double anyway. The recorder's
// constants are literals read as doubles, their negations, 0, PI and e: all doubles.
bool fitsOperand(Kind kind, long double value) {
    return flat::roundsOperandsToDouble(kind) ||
           static_cast<long double>(static_cast<double>(value)) == value;
}

// Operations on two constants done once while simplifying: none that can set errno or skip
// a division.
bool foldable(Rule rule, long double right) {
    return rule == Rule::Add || rule == Rule::Subtract || rule == Rule::Multiply ||
           (rule == Rule::Divide && right != 0);
}

// l op r of a foldable rule, as evaluation computes it.
long double folded(Rule rule, long double l, long double r) {
    flat::PointArithmetic arithmetic;
    const flat::Op none{};
    switch (rule) {
    case Rule::Add:
        return flat::apply<Rule::Add>(arithmetic, l, r, none);
    case Rule::Subtract:
        return flat::apply<Rule::Subtract>(arithmetic, l, r, none);
    case Rule::Multiply:
        return flat::apply<Rule::Multiply>(arithmetic, l, r, none);
    default:
        return flat::apply<Rule::Divide>(arithmetic, l, r, none);
    }
}

// The operation that loads x, or a constant, and applies `next` to it in one: a = x op k,
// or a = k op x.
Kind fusedWithLoad(Kind load, Kind next) {
    const flat::Operation& op = flat::operationOf(next);
    if (op.left != Source::Accumulator) {
        return flat::NoKind;
    }
    if (load == flat::LoadX && op.right != Source::X) {
        return flat::find(op.rule, Source::X, op.right);
    }
    if (load == flat::LoadConst && op.right == Source::X) {
        const Kind fused = flat::find(op.rule, Source::Number, Source::X);
        return fused != flat::NoKind || !flat::commutes(op.rule)
                   ? fused
                   : flat::find(op.rule, Source::X, Source::Number);
    }
    return flat::NoKind;
}

} // namespace

void FlatProgram::simplify() {
    dropUnreadSpills();
    propagateConstants();
    dropRefills();
    readXDirectly();
    dropUnreadSpills();
    dropOverwrittenLoads();
    dropUnreadSpills();
    fuseLoadsOfX();
    lowerConstants();
}

// Tracks which registers and whether the accumulator hold constants known now: such
// registers are read as constants, and +, -, * and a nonzero / of two constants is done
// once here.
void FlatProgram::propagateConstants() {
    int known[MaxRegisters];
    for (int& k : known) {
        k = -1;
    }
    int accumulator = -1;   // the constant index the accumulator holds, or -1
    bool lastLoads = false; // the last kept op is the LoadConst of that constant
    int kept = 0;
    auto keep = [&](Op op) {
        ops[kept++] = op;
        accumulator = -1;
        lastLoads = false;
    };
    auto load = [&](int constant) {
        ops[kept++] = Op{flat::LoadConst, 0, 0, static_cast<uint16_t>(constant)};
        accumulator = constant;
        lastLoads = true;
    };
    // a op= constants[k]; folded into the load before when both are constants.
    auto withConstant = [&](Kind kind, int k) {
        const long double right = constants[k];
        const Rule rule = flat::ruleOf(kind);
        if (lastLoads && constantCount < MaxConstants && foldable(rule, right)) {
            constants[constantCount] = folded(rule, constants[accumulator], right);
            --kept;
            load(constantCount++);
            return;
        }
        int n = 0;
        if (rule == Rule::Power && integer_power::smallInteger(right, n)) {
            keep(Op{flat::PowInt, static_cast<uint8_t>(static_cast<int8_t>(n)), 0, 0});
            return;
        }
        keep(Op{kind, 0, 0, static_cast<uint16_t>(k)});
    };

    for (int i = 0; i < count; ++i) {
        const Op op = ops[i];
        const flat::Operation& operation = flat::operationOf(op.kind);
        const int knownOperand = flat::readsRegister(op.kind) ? known[op.src] : -1;
        if (op.kind == flat::LoadConst) {
            load(op.src);
        } else if (op.kind == flat::Fill) {
            if (knownOperand >= 0) {
                load(knownOperand);
            } else {
                keep(op);
            }
        } else if (op.kind == flat::Spill) {
            known[op.dst] = accumulator;
            ops[kept++] = op;
            lastLoads = false;
        } else if (operation.left == Source::Accumulator && operation.right == Source::Number) {
            withConstant(op.kind, op.src);
        } else if (operation.left == Source::Accumulator && operation.right == Source::Register) {
            if (knownOperand >= 0 && fitsOperand(constantForm(op.kind), constants[knownOperand])) {
                withConstant(constantForm(op.kind), knownOperand);
            } else {
                keep(op);
            }
        } else if (operation.left == Source::Register && operation.right == Source::Accumulator) {
            const Kind forward = constantForm(flat::reversed(op.kind));
            if (lastLoads && knownOperand < 0 && fitsOperand(forward, constants[accumulator])) {
                // r[src] op k: the load of k gives way to a fill of r[src].
                const int k = accumulator;
                --kept;
                keep(Op{flat::Fill, 0, 0, op.src});
                withConstant(forward, k);
            } else if (knownOperand >= 0 &&
                       fitsOperand(constantForm(op.kind), constants[knownOperand])) {
                keep(Op{constantForm(op.kind), 0, 0, static_cast<uint16_t>(knownOperand)});
            } else {
                keep(op);
            }
        } else {
            keep(op);
        }
    }
    count = kept;
}

// A fill right after the spill of the same register: the accumulator holds it already.
void FlatProgram::dropRefills() {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (ops[i].kind == flat::Fill && kept > 0 && ops[kept - 1].kind == flat::Spill &&
            ops[kept - 1].dst == ops[i].src) {
            continue;
        }
        ops[kept++] = ops[i];
    }
    count = kept;
}

// Removes the spills whose value no later operation reads from memory.
void FlatProgram::dropUnreadSpills() {
    bool read[MaxRegisters] = {};
    bool keep[MaxOps];
    for (int i = count - 1; i >= 0; --i) {
        const Op& op = ops[i];
        keep[i] = true;
        if (op.kind == flat::Spill) {
            keep[i] = read[op.dst];
            read[op.dst] = false;
        } else if (flat::readsRegister(op.kind)) {
            read[op.src] = true;
        }
    }
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (keep[i]) {
            ops[kept++] = ops[i];
        }
    }
    count = kept;
}

// A load whose value the next load replaces unread.
void FlatProgram::dropOverwrittenLoads() {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (flat::isLoad(ops[i].kind) && i + 1 < count && flat::isLoad(ops[i + 1].kind)) {
            continue;
        }
        ops[kept++] = ops[i];
    }
    count = kept;
}

// A register spilled right after a load of x holds x until it is spilled again: its reads
// read x, and its spill becomes unread.
void FlatProgram::readXDirectly() {
    bool holdsX[MaxRegisters] = {};
    bool accumulatorHoldsX = false;
    for (int i = 0; i < count; ++i) {
        Op& op = ops[i];
        if (op.kind == flat::Spill) {
            holdsX[op.dst] = accumulatorHoldsX;
            continue;
        }
        if (flat::readsRegister(op.kind) && holdsX[op.src]) {
            op.kind = flat::withSource(op.kind, Source::Register, Source::X);
        }
        accumulatorHoldsX = op.kind == flat::LoadX;
    }
}

// x, or a constant times, plus or divided by x, loaded and then operated on in one op.
void FlatProgram::fuseLoadsOfX() {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const Op op = ops[i];
        if (i + 1 < count) {
            const Op next = ops[i + 1];
            const Kind fused = fusedWithLoad(op.kind, next.kind);
            if (fused != flat::NoKind && op.kind == flat::LoadX) {
                ops[kept++] = Op{fused, next.code, next.dst, next.src};
                ++i;
                continue;
            }
            if (fused != flat::NoKind && fitsOperand(fused, constants[op.src])) {
                ops[kept++] = Op{fused, 0, 0, op.src};
                ++i;
                continue;
            }
        }
        ops[kept++] = op;
    }
    count = kept;
}

// The constant operands become doubles, each op its own.
void FlatProgram::lowerConstants() {
    numberCount = 0;
    for (int i = 0; i < count; ++i) {
        if (flat::readsNumber(ops[i].kind)) {
            numbers[numberCount] = static_cast<double>(constants[ops[i].src]);
            ops[i].src = static_cast<uint16_t>(numberCount++);
        }
    }
}
