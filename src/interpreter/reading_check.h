#pragma once

#include "interpreter/departure.h"
#include "interpreter/formelinterpreter.h"

#include <cstdint>
#include <string_view>

// Follows the codes of one compile as the compiler writes them and finds the first place
// where they depart from ordinary notation:
//   <side>    = [ <sum> ]
//   <sum>     = { <sign> } <operand> { <operator> { <sign> } <operand> }
//   <operand> = number | "x" | "e" | "pi" | "(" <sum> ")" | function "(" <sum> ")"
// The evaluator lets each operator replace the one before, so a run of operators reads as
// its last. Ordinary notation reads signs after "+" or "-" (or at the start of a sum) by
// the number of minus signs: the two agree when the run holds an even number of them before
// its last operator (x+-2, x---2, +-x), and never after "*", "/", ":" or "^".
class ReadingCheck {
public:
    // text: the normalised text being compiled, where the codes' spans lie.
    explicit ReadingCheck(std::string_view text) : text_(text) {}

    // The code just written and the span of text it came from.
    void next(unsigned char code, int32_t begin, int32_t end);
    // The end of the text.
    void finish();

    Departure kind() const { return kind_; }
    int32_t begin() const { return begin_; }
    int32_t end() const { return end_; }

private:
    enum class Expect { Operand, AfterOperand, Argument };

    void found(Departure kind, int32_t begin, int32_t end);
    void number(int32_t begin, int32_t end);
    void closing(int32_t end);
    void operation(unsigned char op, int32_t begin, int32_t end);
    bool lastIsOperator() const;

    std::string_view text_;
    Departure kind_ = Departure::None;
    int32_t begin_ = 0;
    int32_t end_ = 0;

    Expect expect_ = Expect::Operand;
    // The previous code and its span; End before the first code.
    unsigned char last_ = Formelinterpreter::End;
    int32_t lastBegin_ = 0;
    int32_t lastEnd_ = 0;
    // The run of operators that ends with the previous code: where it begins, and how many
    // minus signs it holds before its last operator.
    int32_t runBegin_ = 0;
    int runMinuses_ = 0;
    // Where each open "(" begins, and where its function word begins, or -1 when it opens
    // a group. One entry per code at most.
    int32_t openBegin_[Formelinterpreter::ProgramSize];
    int32_t openFunction_[Formelinterpreter::ProgramSize];
    int depth_ = 0;
};
