#pragma once

#include "interpreter/interval.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
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

// Ranges tiny and wide, straddling 0, far out, and around the edges of domains and poles.
inline Interval randomRange(std::mt19937& random) {
    static const long double centres[] = {0,
                                          1,
                                          -1,
                                          std::numbers::pi_v<long double> / 2,
                                          -std::numbers::pi_v<long double> / 2,
                                          std::numbers::pi_v<long double>,
                                          100000 + std::numbers::pi_v<long double> / 4,
                                          1e5L,
                                          -1e6L,
                                          1e6L,
                                          709.782712893384L,
                                          -745.1332191019411L,
                                          710.475860073944L,
                                          308.2547155599167L,
                                          -323.60724533877976L,
                                          1e-300L,
                                          90,
                                          0.001L};
    std::uniform_real_distribution<long double> unit(0, 1);
    const int kind = std::uniform_int_distribution<int>(0, 5)(random);
    long double centre = kind < 2 ? (unit(random) - 0.5L) * 40
                                  : centres[std::uniform_int_distribution<std::size_t>(
                                        0, std::size(centres) - 1)(random)] +
                                        (unit(random) - 0.5L) * (kind == 2 ? 1e-6L : 1e-2L);
    long double width;
    switch (std::uniform_int_distribution<int>(0, 4)(random)) {
    case 0:
        width = 0;
        break;
    case 1: {
        long double hi = centre;
        for (int k = std::uniform_int_distribution<int>(1, 8)(random); k > 0; --k) {
            hi = std::nextafter(hi, INFINITY);
        }
        return Interval{centre, hi};
    }
    case 2:
        width = std::fabs(centre) *
                    std::pow(10.0L, -std::uniform_int_distribution<int>(3, 14)(random)) +
                1e-18L;
        break;
    case 3:
        width = unit(random) * 0.1L;
        break;
    default:
        width = unit(random) * 100;
        break;
    }
    return Interval{centre - width / 2, centre + width / 2};
}

// The ends, their neighbours inside, and points spread over the range.
inline long double pointOf(const Interval& range, int k, std::mt19937& random) {
    switch (k) {
    case 0:
        return range.lo;
    case 1:
        return range.hi;
    case 2:
        return std::min(std::nextafter(range.lo, INFINITY), range.hi);
    case 3:
        return std::max(std::nextafter(range.hi, -INFINITY), range.lo);
    default: {
        const long double t = std::uniform_real_distribution<long double>(0, 1)(random);
        return std::clamp(range.lo + t * (range.hi - range.lo), range.lo, range.hi);
    }
    }
}
