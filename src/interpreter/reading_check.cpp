#include "interpreter/reading_check.h"

#include "interpreter/code_classes.h"

namespace {

using F = Formelinterpreter;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}
bool isSign(unsigned char c) {
    return c == F::Plus || c == F::Minus;
}

} // namespace

void ReadingCheck::found(Departure kind, int32_t begin, int32_t end) {
    kind_ = kind;
    begin_ = begin;
    end_ = end;
}

bool ReadingCheck::lastIsOperator() const {
    return code_classes::isOperator(last_);
}

void ReadingCheck::next(unsigned char code, int32_t begin, int32_t end) {
    if (kind_ != Departure::None || code == F::End) {
        return;
    }
    if (code == F::Unknown) {
        found(isLetter(text_[static_cast<std::size_t>(begin)]) ? Departure::UnknownWord
                                                               : Departure::UnknownCharacter,
              begin, end);
        return;
    }
    if (expect_ == Expect::Argument && code != F::OpenParen) {
        found(Departure::MissingArgument, lastBegin_, lastEnd_);
        return;
    }
    if (code == F::WordY) {
        found(Departure::WordWithoutValue, begin, end);
        return;
    }
    if (code_classes::isOperand(code)) {
        if (expect_ == Expect::AfterOperand) {
            found(Departure::ImplicitMultiplication, lastBegin_, end);
            return;
        }
        if (lastIsOperator() && runMinuses_ % 2 != 0) {
            found(Departure::DoubledOperator, runBegin_, lastEnd_);
            return;
        }
    }

    if (code == F::Number) {
        number(begin, end);
    } else if (code == F::OpenParen) {
        openBegin_[depth_] = begin;
        openFunction_[depth_] = expect_ == Expect::Argument ? lastBegin_ : -1;
        ++depth_;
        expect_ = Expect::Operand;
    } else if (code == F::CloseParen) {
        closing(end);
    } else if (code_classes::isOperator(code)) {
        operation(code, begin, end);
    } else if (code_classes::isFunction(code)) {
        expect_ = Expect::Argument;
    } else {
        expect_ = Expect::AfterOperand;
    }
    last_ = code;
    lastBegin_ = begin;
    lastEnd_ = end;
}

// A number has one decimal separator at most and a digit; e, an optional sign and a digit
// right after it are exponent notation, which the compiler reads as e and another number.
void ReadingCheck::number(int32_t begin, int32_t end) {
    int separators = 0;
    bool digit = false;
    for (int32_t i = begin; i < end; ++i) {
        if (isDigit(text_[static_cast<std::size_t>(i)])) {
            digit = true;
        } else {
            ++separators;
        }
    }
    if (separators > 1 || !digit) {
        found(Departure::InvalidNumber, begin, end);
        return;
    }
    const auto at = [this](std::size_t i) { return i < text_.size() ? text_[i] : '\0'; };
    auto next = static_cast<std::size_t>(end);
    if (at(next) == 'e' && !isLetter(at(next + 1))) {
        ++next;
        if (isSign(static_cast<unsigned char>(at(next)))) {
            ++next;
        }
        if (isDigit(at(next))) {
            while (isDigit(at(next)) || at(next) == '.' || at(next) == ',') {
                ++next;
            }
            found(Departure::ExponentNotation, begin, static_cast<int32_t>(next));
            return;
        }
    }
    expect_ = Expect::AfterOperand;
}

void ReadingCheck::closing(int32_t end) {
    if (expect_ == Expect::Operand && lastIsOperator()) {
        found(Departure::MissingOperand, lastBegin_, lastEnd_);
        return;
    }
    if (depth_ == 0) {
        found(Departure::UnopenedParenthesis, 0, end);
        return;
    }
    --depth_;
    if (expect_ == Expect::Operand) {
        if (openFunction_[depth_] >= 0) {
            found(Departure::MissingArgument, openFunction_[depth_], end);
        } else {
            found(Departure::EmptyParentheses, openBegin_[depth_], end);
        }
        return;
    }
    expect_ = Expect::AfterOperand;
}

// Where an operand is expected, only a sign may come, and after an operator only when that
// is "+" or "-".
void ReadingCheck::operation(unsigned char op, int32_t begin, int32_t end) {
    if (expect_ == Expect::Operand && lastIsOperator()) {
        if (!isSign(op) || !isSign(last_)) {
            found(Departure::DoubledOperator, runBegin_, end);
            return;
        }
        runMinuses_ += last_ == F::Minus ? 1 : 0;
    } else if (expect_ == Expect::Operand && !isSign(op)) {
        found(Departure::MissingOperand, begin, end);
        return;
    } else {
        runBegin_ = begin;
        runMinuses_ = 0;
    }
    expect_ = Expect::Operand;
}

void ReadingCheck::finish() {
    if (kind_ != Departure::None) {
        return;
    }
    if (expect_ == Expect::Argument) {
        found(Departure::MissingArgument, lastBegin_, lastEnd_);
    } else if (expect_ == Expect::Operand && lastIsOperator()) {
        found(Departure::MissingOperand, lastBegin_, lastEnd_);
    } else if (depth_ > 0) {
        found(Departure::UnclosedParenthesis, openBegin_[depth_ - 1],
              static_cast<int32_t>(text_.size()));
    }
}
