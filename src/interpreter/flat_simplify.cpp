#include "interpreter/flat_program.h"

#include "interpreter/integer_power.h"

// Each rewrite keeps every evaluation's value, errno and status: arithmetic folded here
// is the same extended-precision operation the evaluation would perform, and nothing
// that can set errno or skip a division is folded.

namespace {

using Kind = FlatProgram::Kind;

bool isLoad(Kind kind) {
    return kind == FlatProgram::LoadConst || kind == FlatProgram::LoadX ||
           kind == FlatProgram::LoadNegX || kind == FlatProgram::Fill;
}

bool readsMemory(Kind kind) {
    switch (kind) {
    case FlatProgram::AddR:
    case FlatProgram::SubR:
    case FlatProgram::MulR:
    case FlatProgram::DivR:
    case FlatProgram::PowR:
    case FlatProgram::SubRev:
    case FlatProgram::DivRev:
    case FlatProgram::PowRev:
    case FlatProgram::Fill:
        return true;
    default:
        return false;
    }
}

// The C form of an R form: the register's value is a known constant.
Kind constantForm(Kind kind) {
    switch (kind) {
    case FlatProgram::SubRev:
        return FlatProgram::SubRevC;
    case FlatProgram::DivRev:
        return FlatProgram::DivRevC;
    case FlatProgram::PowRev:
        return FlatProgram::PowRevC;
    default:
        return static_cast<Kind>(kind + 1); // AddR -> AddC and so on
    }
}

// The forward C form of a reversed operation: a = r[src] op k becomes, with r[src] in the
// accumulator, a op= k.
Kind forwardConstantForm(Kind kind) {
    switch (kind) {
    case FlatProgram::SubRev:
        return FlatProgram::SubC;
    case FlatProgram::DivRev:
        return FlatProgram::DivC;
    default:
        return FlatProgram::PowC;
    }
}

bool isConstantForm(Kind kind) {
    switch (kind) {
    case FlatProgram::AddC:
    case FlatProgram::SubC:
    case FlatProgram::MulC:
    case FlatProgram::DivC:
    case FlatProgram::PowC:
    case FlatProgram::SubRevC:
    case FlatProgram::DivRevC:
    case FlatProgram::PowRevC:
    case FlatProgram::XAddC:
    case FlatProgram::XSubC:
    case FlatProgram::XMulC:
    case FlatProgram::XDivC:
    case FlatProgram::CDivX:
        return true;
    default:
        return false;
    }
}

// The X form of an operation that reads a register, for a register that holds x.
Kind xForm(Kind kind) {
    switch (kind) {
    case FlatProgram::Fill:
        return FlatProgram::LoadX;
    case FlatProgram::SubRev:
        return FlatProgram::SubRevX;
    case FlatProgram::DivRev:
        return FlatProgram::DivRevX;
    case FlatProgram::PowRev:
        return FlatProgram::PowRevX;
    default:
        return static_cast<Kind>(kind + 2); // AddR -> AddX and so on
    }
}

// A constant can be the double operand of an operation when it is a double exactly, or
// when the operation is a power, which rounds it to double anyway. The recorder's
// constants are literals read as doubles, their negations, 0, PI and e: all doubles.
bool fitsOperand(Kind kind, long double value) {
    return kind == FlatProgram::PowC || kind == FlatProgram::PowRevC ||
           static_cast<long double>(static_cast<double>(value)) == value;
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
        ops[kept++] = Op{LoadConst, 0, 0, static_cast<uint16_t>(constant)};
        accumulator = constant;
        lastLoads = true;
    };
    // a op= constants[k]; folded into the load before when both are constants.
    auto withConstant = [&](Kind kind, int k) {
        const long double right = constants[k];
        if (lastLoads && constantCount < MaxConstants &&
            (kind == AddC || kind == SubC || kind == MulC || (kind == DivC && right != 0))) {
            const long double left = constants[accumulator];
            long double value;
            switch (kind) {
            case AddC:
                value = left + right;
                break;
            case SubC:
                value = left - right;
                break;
            case MulC:
                value = left * right;
                break;
            default:
                value = left / right;
                break;
            }
            constants[constantCount] = value;
            --kept;
            load(constantCount++);
            return;
        }
        int n = 0;
        if (kind == PowC && integer_power::smallInteger(right, n)) {
            keep(Op{PowInt, static_cast<uint8_t>(static_cast<int8_t>(n)), 0, 0});
            return;
        }
        keep(Op{kind, 0, 0, static_cast<uint16_t>(k)});
    };

    for (int i = 0; i < count; ++i) {
        const Op op = ops[i];
        switch (op.kind) {
        case LoadConst:
            load(op.src);
            break;
        case Fill:
            if (known[op.src] >= 0) {
                load(known[op.src]);
            } else {
                keep(op);
            }
            break;
        case Spill:
            known[op.dst] = accumulator;
            ops[kept++] = op;
            lastLoads = false;
            break;
        case AddC:
        case SubC:
        case MulC:
        case DivC:
        case PowC:
            withConstant(op.kind, op.src);
            break;
        case AddR:
        case SubR:
        case MulR:
        case DivR:
        case PowR:
            if (known[op.src] >= 0 &&
                fitsOperand(constantForm(op.kind), constants[known[op.src]])) {
                withConstant(constantForm(op.kind), known[op.src]);
            } else {
                keep(op);
            }
            break;
        case SubRev:
        case DivRev:
        case PowRev:
            if (lastLoads && known[op.src] < 0 &&
                fitsOperand(forwardConstantForm(op.kind), constants[accumulator])) {
                // r[src] op k: the load of k gives way to a fill of r[src].
                const int k = accumulator;
                --kept;
                keep(Op{Fill, 0, 0, op.src});
                withConstant(forwardConstantForm(op.kind), k);
            } else if (known[op.src] >= 0 &&
                       fitsOperand(constantForm(op.kind), constants[known[op.src]])) {
                keep(Op{constantForm(op.kind), 0, 0, static_cast<uint16_t>(known[op.src])});
            } else {
                keep(op);
            }
            break;
        default:
            keep(op);
            break;
        }
    }
    count = kept;
}

// A fill right after the spill of the same register: the accumulator holds it already.
void FlatProgram::dropRefills() {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        if (ops[i].kind == Fill && kept > 0 && ops[kept - 1].kind == Spill &&
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
        if (op.kind == Spill) {
            keep[i] = read[op.dst];
            read[op.dst] = false;
        } else if (readsMemory(op.kind)) {
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
        if (isLoad(ops[i].kind) && i + 1 < count && isLoad(ops[i + 1].kind)) {
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
        if (op.kind == Spill) {
            holdsX[op.dst] = accumulatorHoldsX;
            continue;
        }
        if (readsMemory(op.kind) && holdsX[op.src]) {
            op.kind = xForm(op.kind);
        }
        accumulatorHoldsX = op.kind == LoadX;
    }
}

// x, or a constant times, plus or divided by x, loaded and then operated on in one op.
void FlatProgram::fuseLoadsOfX() {
    int kept = 0;
    for (int i = 0; i < count; ++i) {
        const Op op = ops[i];
        const Op next = i + 1 < count ? ops[i + 1] : Op{Spill, 0, 0, 0};
        if (op.kind == LoadX) {
            Kind fused = LoadX;
            switch (next.kind) {
            case AddC:
                fused = XAddC;
                break;
            case SubC:
                fused = XSubC;
                break;
            case MulC:
                fused = XMulC;
                break;
            case DivC:
                fused = XDivC;
                break;
            case PowInt:
                fused = XPowInt;
                break;
            case Function:
                fused = XFunction;
                break;
            default:
                break;
            }
            if (fused != LoadX) {
                ops[kept++] = Op{fused, next.code, next.dst, next.src};
                ++i;
                continue;
            }
        } else if (op.kind == LoadConst && (next.kind == AddX || next.kind == MulX) &&
                   fitsOperand(next.kind, constants[op.src])) {
            // Addition and multiplication commute bit for bit.
            ops[kept++] = Op{next.kind == AddX ? XAddC : XMulC, 0, 0, op.src};
            ++i;
            continue;
        } else if (op.kind == LoadConst && next.kind == DivX &&
                   fitsOperand(next.kind, constants[op.src])) {
            ops[kept++] = Op{CDivX, 0, 0, op.src};
            ++i;
            continue;
        }
        ops[kept++] = op;
    }
    count = kept;
}

// The constant operands become doubles, each op its own.
void FlatProgram::lowerConstants() {
    numberCount = 0;
    for (int i = 0; i < count; ++i) {
        if (isConstantForm(ops[i].kind)) {
            numbers[numberCount] = static_cast<double>(constants[ops[i].src]);
            ops[i].src = static_cast<uint16_t>(numberCount++);
        }
    }
}
