#include "interpreter/flat_program.h"

#include "interpreter/code_classes.h"
#include "interpreter/integer_power.h"

#include "interpreter/konstanten.h"

#include <algorithm>

// Walks a compiled program exactly as Formelinterpreter::Rechnen does (the same
// consumption of codes, the same level stack, the same return tests), but instead of
// computing values it records which operation each step would perform on which register.
class FlatRecorder {
public:
    FlatRecorder(const Formelinterpreter& f, FlatProgram& out) : f(f), out(out) {}

    void record() {
        out.count = 0;
        out.constantCount = 0;
        const int result = allocate();
        loadConstant(result, 0);
        level(result);
        moveToAccumulator();
    }

private:
    using Op = FlatProgram::Op;
    using Kind = FlatProgram::Kind;

    static bool readsRegister(Kind kind) {
        return kind == FlatProgram::AddR || kind == FlatProgram::SubR ||
               kind == FlatProgram::MulR || kind == FlatProgram::DivR || kind == FlatProgram::PowR;
    }

    // The same operation with its operands exchanged: a = r[src] op a.
    static Kind reversed(Kind kind) {
        switch (kind) {
        case FlatProgram::SubR:
            return FlatProgram::SubRev;
        case FlatProgram::DivR:
            return FlatProgram::DivRev;
        case FlatProgram::PowR:
            return FlatProgram::PowRev;
        default:
            return kind; // addition and multiplication commute
        }
    }

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
                append(FlatProgram::Spill, held, 0);
            }
            unsaved = false;
        };

        for (int i = 0; i < recordedCount; ++i) {
            const Op& op = recorded[i];
            if (isLoad(op.kind)) {
                if (held != op.dst) {
                    spill();
                }
                append(op.kind, op.dst, op.src);
            } else if (held == op.dst) {
                append(op.kind, op.dst, op.src, op.code);
            } else if (readsRegister(op.kind) && held == op.src) {
                spill();
                append(reversed(op.kind), op.dst, op.dst);
            } else {
                spill();
                append(FlatProgram::Fill, op.dst, op.dst);
                append(op.kind, op.dst, op.src, op.code);
            }
            held = op.dst;
            unsaved = true;
        }
        if (held != 0) {
            spill();
            append(FlatProgram::Fill, 0, 0);
        }
        dropUnreadSpills();
    }

    static bool readsMemory(Kind kind) {
        return readsRegister(kind) || kind == FlatProgram::SubRev || kind == FlatProgram::DivRev ||
               kind == FlatProgram::PowRev || kind == FlatProgram::Fill;
    }

    // Removes the spills whose value no later operation reads from memory.
    void dropUnreadSpills() {
        bool read[FlatProgram::MaxRegisters] = {};
        bool keep[FlatProgram::MaxOps];
        for (int i = out.count - 1; i >= 0; --i) {
            const Op& op = out.ops[i];
            keep[i] = true;
            if (op.kind == FlatProgram::Spill) {
                keep[i] = read[op.dst];
                read[op.dst] = false;
            } else if (readsMemory(op.kind)) {
                read[op.src] = true;
            }
        }
        int kept = 0;
        for (int i = 0; i < out.count; ++i) {
            if (keep[i]) {
                out.ops[kept++] = out.ops[i];
            }
        }
        out.count = kept;
    }

    const Formelinterpreter& f;
    FlatProgram& out;
    int pointer = 0;
    int depth = 0;
    int stack[Formelinterpreter::StackSize] = {};
    int registers = 0;

    unsigned char code(int i) const { return f.codeAt(i); }

    int allocate() { return registers++; }

    static bool isLoad(FlatProgram::Kind kind) {
        return kind == FlatProgram::LoadConst || kind == FlatProgram::LoadX ||
               kind == FlatProgram::LoadNegX;
    }

    // Appends an op; a load replaces a load into the same register right before it,
    // whose value nothing read.
    void emit(FlatProgram::Kind kind, int dst, int src, unsigned char fn = 0) {
        const Op op{kind, fn, static_cast<uint16_t>(dst), static_cast<uint16_t>(src)};
        if (isLoad(kind) && out.count > 0 && isLoad(out.ops[out.count - 1].kind) &&
            out.ops[out.count - 1].dst == dst) {
            out.ops[out.count - 1] = op;
            return;
        }
        out.ops[out.count++] = op;
    }

    void loadConstant(int dst, long double value) {
        out.constants[out.constantCount] = value;
        emit(FlatProgram::LoadConst, dst, out.constantCount++);
    }

    bool mustReturn() const {
        const int top = depth > 0 ? stack[depth] : 0;
        return code_classes::levelEndsBefore(depth, top, code(pointer + 1));
    }

    void push(int value) {
        ++depth;
        if (depth > 0 && depth < Formelinterpreter::StackSize) {
            stack[depth] = value;
        }
    }
    void pop() { --depth; }

    // The "(" is consumed; the group's value goes to dst.
    void group(int dst) {
        const unsigned char sign = code(pointer + 1);
        const unsigned char value = code(pointer + 2);
        const unsigned char close = code(pointer + 3);
        if (sign == '-' && close == ')' && value == Formelinterpreter::Number) {
            loadConstant(dst, -f.Zahlenwerte[pointer + 2]);
            pointer += 3;
            return;
        }
        if (sign == '-' && close == ')' && value == Formelinterpreter::VarX) {
            emit(FlatProgram::LoadNegX, dst, 0);
            pointer += 3;
            return;
        }
        push(Formelinterpreter::LevelGroup);
        loadConstant(dst, 0);
        level(dst);
    }

    void operand(unsigned char c, int dst) {
        switch (c) {
        case Formelinterpreter::Number:
            loadConstant(dst, f.Zahlenwerte[pointer]);
            break;
        case Formelinterpreter::ConstPi:
            loadConstant(dst, PI);
            break;
        case Formelinterpreter::ConstE:
            loadConstant(dst, e);
            break;
        case Formelinterpreter::VarX:
            emit(FlatProgram::LoadX, dst, 0);
            break;
        case '(':
            group(dst);
            break;
        default:
            ++pointer;
            group(dst);
            emit(FlatProgram::Function, dst, dst, c);
            break;
        }
    }

    // Zahl of a level whose last load was folded into the operation that used it: the
    // register does not hold the value until the load is replayed.
    struct Zahl {
        int reg;
        bool written = false; // Zahl starts at 0 in every level
        bool folded = false;
        Op load{};
    };

    // Makes the register hold Zahl before a nested level starts from it.
    void materialise(Zahl& zahl) {
        if (!zahl.written) {
            loadConstant(zahl.reg, 0);
            zahl.written = true;
        } else if (zahl.folded) {
            out.ops[out.count++] = zahl.load;
        }
        zahl.folded = false;
    }

    // Wert op= Zahl; a constant or x loaded into Zahl just before is used directly.
    void combine(unsigned char op, int wert, Zahl& zahl) {
        FlatProgram::Kind kind;
        switch (op) {
        case '+':
            kind = FlatProgram::AddR;
            break;
        case '-':
            kind = FlatProgram::SubR;
            break;
        case '*':
            kind = FlatProgram::MulR;
            break;
        case '^':
            kind = FlatProgram::PowR;
            break;
        default:
            kind = FlatProgram::DivR;
            break;
        }
        const Op last = out.count > 0 ? out.ops[out.count - 1] : Op{};
        if (out.count > 0 && last.dst == zahl.reg &&
            (last.kind == FlatProgram::LoadConst || last.kind == FlatProgram::LoadX)) {
            --out.count;
            const int form = last.kind == FlatProgram::LoadConst ? 1 : 2;
            int n = 0;
            if (kind == FlatProgram::PowR && form == 1 &&
                integer_power::smallInteger(out.constants[last.src], n)) {
                out.ops[out.count++] =
                    Op{FlatProgram::PowInt, static_cast<uint8_t>(static_cast<int8_t>(n)),
                       static_cast<uint16_t>(wert), last.src};
            } else {
                out.ops[out.count++] = Op{static_cast<FlatProgram::Kind>(kind + form), 0,
                                          static_cast<uint16_t>(wert), last.src};
            }
            zahl.folded = true;
            zahl.load = last;
            return;
        }
        emit(kind, wert, zahl.reg);
    }

    // One level whose running value lives in register wert; mirrors Rechnen.
    void level(int wert) {
        Zahl zahl{allocate()};
        bool zahlDa = false;
        unsigned char op = 0;

        if (mustReturn()) {
            --registers;
            return;
        }
        ++pointer;
        unsigned char c = code(pointer);
        if (code_classes::isOperand(c)) {
            operand(c, wert);
        } else if (code_classes::isOperator(c)) {
            op = c;
        } else if (c == ')') {
            pop();
            --registers;
            return;
        }

        while (pointer < f.AnzahlToken) {
            if (mustReturn()) {
                break;
            }
            ++pointer;
            c = code(pointer);
            if (code_classes::isOperand(c)) {
                operand(c, zahl.reg);
                zahl.written = true;
                zahl.folded = false;
                zahlDa = true;
            } else if (code_classes::isOperator(c)) {
                op = c;
            } else if (c == ')') {
                pop();
                break;
            }

            for (;;) {
                const unsigned char next = code(pointer + 1);
                if ((code_classes::isAdditive(op) || code_classes::isMultiplicative(op)) &&
                    next == '^') {
                    push(Formelinterpreter::LevelPower);
                } else if (code_classes::isAdditive(op) && code_classes::isMultiplicative(next)) {
                    push(Formelinterpreter::LevelTerm);
                } else {
                    break;
                }
                materialise(zahl);
                level(zahl.reg);
                pop();
                zahlDa = true;
            }

            if (zahlDa && op != 0) {
                combine(op, wert, zahl);
                zahlDa = false;
                op = 0;
            }
        }
        --registers;
    }
};

void FlatProgram::compile(const Formelinterpreter& f) {
    FlatRecorder(f, *this).record();
}
