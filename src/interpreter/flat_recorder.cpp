#include "interpreter/flat_program.h"

#include "interpreter/code_walk.h"

#include <algorithm>

// The evaluator's walk over a compiled program (code_walk.h) with a policy that, instead of
// computing values, records which operation each step would perform on which register.
class FlatRecorder {
public:
    FlatRecorder(const Formelinterpreter& f, FlatProgram& out) : f(f), out(out) {}

    void record() {
        out.count = 0;
        out.constantCount = 0;
        Slot result{allocate()};
        loadConstant(result, 0);
        code_walk::level(*this, result);
        moveToAccumulator();
        out.simplify();
    }

private:
    using Op = flat::Op;
    using Kind = flat::Kind;

    void append(Kind kind, int dst, int src, unsigned char fn = 0) {
        out.ops[out.count++] = Op{kind, fn, static_cast<uint16_t>(dst), static_cast<uint16_t>(src)};
    }

    // Rewrites the recorded register operations (each updating r[dst]) to work on an
    // accumulator that holds one register's value at a time: a register is spilled when
    // the accumulator moves on, filled when an operation needs it back, and an operation
    // whose right operand the accumulator holds runs reversed instead. Register 0, the
    // value of the whole formula, is in the accumulator at the end.
    void moveToAccumulator() {
        Op recorded[FlatProgram::MaxRegisterOps];
        const int recordedCount = out.count;
        std::copy(out.ops, out.ops + recordedCount, recorded);
        out.count = 0;

        int held = -1;
        bool unsaved = false;
        auto spill = [&] {
            if (held >= 0 && unsaved) {
                append(flat::Spill, held, 0);
            }
            unsaved = false;
        };

        for (int i = 0; i < recordedCount; ++i) {
            const Op& op = recorded[i];
            if (flat::isLoad(op.kind)) {
                if (held != op.dst) {
                    spill();
                }
                append(op.kind, op.dst, op.src);
            } else if (held == op.dst) {
                append(op.kind, op.dst, op.src, op.code);
            } else if (flat::readsRegister(op.kind) && held == op.src) {
                spill();
                append(flat::reversed(op.kind), op.dst, op.dst);
            } else {
                spill();
                append(flat::Fill, op.dst, op.dst);
                append(op.kind, op.dst, op.src, op.code);
            }
            held = op.dst;
            unsaved = true;
        }
        if (held != 0) {
            spill();
            append(flat::Fill, 0, 0);
        }
    }

    const Formelinterpreter& f;
    FlatProgram& out;
    int16_t walkPointer = 0;
    int32_t walkDepth = 0;
    int32_t walkStack[Formelinterpreter::StackSize] = {};
    int registers = 0;

    int allocate() { return registers++; }

    // Appends an op; a load replaces a load into the same register right before it,
    // whose value nothing read.
    void emit(Kind kind, int dst, int src, unsigned char fn = 0) {
        const Op op{kind, fn, static_cast<uint16_t>(dst), static_cast<uint16_t>(src)};
        if (flat::isLoad(kind) && out.count > 0 && flat::isLoad(out.ops[out.count - 1].kind) &&
            out.ops[out.count - 1].dst == dst) {
            out.ops[out.count - 1] = op;
            return;
        }
        out.ops[out.count++] = op;
    }

    void loadConstant(int dst, long double value) {
        out.constants[out.constantCount] = value;
        emit(flat::LoadConst, dst, out.constantCount++);
    }

public:
    // The walk's policy that records. A value is the register that will hold it; a level's
    // Zahl whose last load was folded into the operation that used it does not hold its
    // value until the load is replayed.
    struct Slot {
        int reg;
        bool written = false; // Zahl starts at 0 in every level
        bool folded = false;
        Op load{};
    };
    using Value = Slot;

    const Formelinterpreter& program() const { return f; }
    int16_t& pointer() { return walkPointer; }
    int32_t& depth() { return walkDepth; }
    int32_t* stack() { return walkStack; }

    Slot newOperand() { return Slot{allocate()}; }
    void endLevel() { --registers; }

    void loadConstant(Slot& target, long double value) {
        loadConstant(target.reg, value);
        loaded(target);
    }
    void loadX(Slot& target) {
        emit(flat::LoadX, target.reg, 0);
        loaded(target);
    }
    void loadNegX(Slot& target) {
        emit(flat::LoadNegX, target.reg, 0);
        loaded(target);
    }

    // Makes the register hold the value, then records the nested level writing it.
    void nested(Slot& value) {
        if (!value.written) {
            loadConstant(value, 0);
        } else if (value.folded) {
            out.ops[out.count++] = value.load;
            value.folded = false;
        }
        code_walk::level(*this, value);
    }

    void function(unsigned char code, Slot& target) {
        code_walk::functionArgument(*this, target);
        emit(flat::Function, target.reg, target.reg, code);
    }

    // Wert op= Zahl; a constant or x loaded into Zahl just before is used directly.
    void combine(unsigned char op, Slot& wert, Slot& zahl) {
        const Kind kind = flat::find(ruleOf(op), flat::Source::Accumulator, flat::Source::Register);
        const Op last = out.count > 0 ? out.ops[out.count - 1] : Op{};
        if (out.count > 0 && last.dst == zahl.reg &&
            (last.kind == flat::LoadConst || last.kind == flat::LoadX)) {
            --out.count;
            const flat::Source operand =
                last.kind == flat::LoadConst ? flat::Source::Number : flat::Source::X;
            out.ops[out.count++] = Op{flat::withSource(kind, flat::Source::Register, operand), 0,
                                      static_cast<uint16_t>(wert.reg), last.src};
            zahl.folded = true;
            zahl.load = last;
            return;
        }
        emit(kind, wert.reg, zahl.reg);
    }

    void errorTest() const {}

private:
    static flat::Rule ruleOf(unsigned char op) {
        switch (op) {
        case '+':
            return flat::Rule::Add;
        case '-':
            return flat::Rule::Subtract;
        case '*':
            return flat::Rule::Multiply;
        case '^':
            return flat::Rule::Power;
        default:
            return flat::Rule::Divide;
        }
    }

    static void loaded(Slot& target) {
        target.written = true;
        target.folded = false;
    }
};

void FlatProgram::compile(const Formelinterpreter& f) {
    FlatRecorder(f, *this).record();
}
