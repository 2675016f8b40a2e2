#pragma once

#include <iterator>
#include <random>
#include <string>

// Formulas from the grammar of the language, with magnitudes and arguments that reach the
// edges of the library's domains.
class FormulaMaker {
public:
    explicit FormulaMaker(std::mt19937& random) : random_(random) {}

    std::string make(int depth) {
        const int kind = pick(depth <= 0 ? 3 : 9);
        switch (kind) {
        case 0:
            return "x";
        case 1:
            return numbers_[pick(std::size(numbers_))];
        case 2:
            return leaves_[pick(std::size(leaves_))];
        case 3:
        case 4:
            return std::string(functions_[pick(std::size(functions_))]) + "(" + make(depth - 1) +
                   ")";
        case 5:
        case 6:
            return "(" + make(depth - 1) + operators_[pick(std::size(operators_))] +
                   make(depth - 1) + ")";
        case 7:
            return "(" + make(depth - 1) + ")^" + powers_[pick(std::size(powers_))];
        default:
            return "(" + make(depth - 1) + ")^(" + make(depth - 1) + ")";
        }
    }

private:
    int pick(std::size_t n) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_);
    }

    std::mt19937& random_;
    static constexpr const char* numbers_[] = {"2",   "0.5", "3",     "10",   "1e",  "0",
                                               "700", "745", "1,5",   "1000", "0.1", "pi",
                                               "400", "1",   "0.001", "710",  "100"};
    static constexpr const char* leaves_[] = {"(-x)", "(-2)", "e", "pi", "(-0.5)", "x*x"};
    static constexpr const char* functions_[] = {
        "sin",  "cos",  "tan",  "cot",  "asin",  "acos",  "atan",  "acot",
        "sind", "cosd", "tand", "cotd", "asind", "acosd", "atand", "acotd",
        "sinh", "cosh", "tanh", "sqrt", "log",   "ln",    "expz",  "expn"};
    static constexpr const char* operators_[] = {"+", "-", "*", "/", ":"};
    static constexpr const char* powers_[] = {"2", "3", "(-1)", "(-2)", "0.5", "(1/3)", "17", "0"};
};
