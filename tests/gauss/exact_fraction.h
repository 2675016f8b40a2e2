#pragma once

// Exact fractions of 128-bit integers, for the truth of small systems: decimal texts read
// exactly, and the reduced row echelon form of a system computed without rounding. Every
// operation checks that it stays within 128 bits.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace exact {

__extension__ using Wide = __int128;

struct Fraction {
    Wide num = 0;
    Wide den = 1;
};

inline Wide gcd128(Wide a, Wide b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a;
}

inline Wide checkedProduct(Wide a, Wide b) {
    Wide product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        ADD_FAILURE() << "exact fraction out of 128 bits";
    }
    return product;
}

inline Wide checkedSum(Wide a, Wide b) {
    Wide sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        ADD_FAILURE() << "exact fraction out of 128 bits";
    }
    return sum;
}

inline Fraction reduced(Wide num, Wide den) {
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Wide g = gcd128(num, den);
    return g == 0 ? Fraction{0, 1} : Fraction{num / g, den / g};
}

inline Fraction minus(Fraction a, Fraction b) {
    return reduced(checkedSum(checkedProduct(a.num, b.den), -checkedProduct(b.num, a.den)),
                   checkedProduct(a.den, b.den));
}
inline Fraction times(Fraction a, Fraction b) {
    return reduced(checkedProduct(a.num, b.num), checkedProduct(a.den, b.den));
}
inline Fraction over(Fraction a, Fraction b) {
    return reduced(checkedProduct(a.num, b.den), checkedProduct(a.den, b.num));
}

inline long double toLongDouble(Fraction a) {
    return static_cast<long double>(a.num) / static_cast<long double>(a.den);
}

// A decimal text such as "-0.385" or "17" as an exact fraction.
inline Fraction fromDecimal(const std::string& text) {
    Wide num = 0;
    Wide den = 1;
    bool negative = false;
    bool fraction = false;
    for (char c : text) {
        if (c == '-') {
            negative = true;
        } else if (c == '.') {
            fraction = true;
        } else {
            num = num * 10 + (c - '0');
            if (fraction) {
                den *= 10;
            }
        }
    }
    return reduced(negative ? -num : num, den);
}

// Rank of rows of fractions by exact elimination.
inline int rank(std::vector<std::vector<Fraction>> rows) {
    int r = 0;
    const std::size_t columns = rows.empty() ? 0 : rows[0].size();
    for (std::size_t c = 0; c < columns && r < static_cast<int>(rows.size()); ++c) {
        std::size_t pivot = r;
        while (pivot < rows.size() && rows[pivot][c].num == 0) {
            ++pivot;
        }
        if (pivot == rows.size()) {
            continue;
        }
        std::swap(rows[pivot], rows[r]);
        for (std::size_t i = r + 1; i < rows.size(); ++i) {
            const Fraction f = over(rows[i][c], rows[r][c]);
            for (std::size_t j = c; j < columns; ++j) {
                rows[i][j] = minus(rows[i][j], times(f, rows[r][j]));
            }
        }
        ++r;
    }
    return r;
}

// A system in exact fractions: equation i reads rechts[i] = sum over j of koeff[i][j] * Xj,
// counted from 0.
struct System {
    std::vector<std::vector<Fraction>> koeff;
    std::vector<Fraction> rechts;
};

// The solution set of a system in exact fractions, unknowns counted from 0.
struct Solution {
    bool consistent = false;
    // The unknowns whose columns start a row of the reduced row echelon form are bound;
    // the others are free, and each bound unknown is value + sum of factor[f] * Xf.
    std::vector<bool> free;
    std::vector<Fraction> value;
    std::vector<std::vector<Fraction>> factor;
};

// Gauss-Jordan elimination on the augmented rows, columns taken from left to right.
inline Solution solve(const System& system, int unknowns) {
    const int equations = static_cast<int>(system.koeff.size());
    std::vector<std::vector<Fraction>> rows(equations);
    for (int i = 0; i < equations; ++i) {
        rows[i] = system.koeff[i];
        rows[i].resize(unknowns);
        rows[i].push_back(system.rechts[i]);
    }
    std::vector<int> pivotColumn;
    for (int c = 0; c < unknowns && static_cast<int>(pivotColumn.size()) < equations; ++c) {
        const int r = static_cast<int>(pivotColumn.size());
        int pivot = r;
        while (pivot < equations && rows[pivot][c].num == 0) {
            ++pivot;
        }
        if (pivot == equations) {
            continue;
        }
        std::swap(rows[pivot], rows[r]);
        const Fraction p = rows[r][c];
        for (Fraction& entry : rows[r]) {
            entry = over(entry, p);
        }
        for (int i = 0; i < equations; ++i) {
            if (i == r || rows[i][c].num == 0) {
                continue;
            }
            const Fraction f = rows[i][c];
            for (int j = 0; j <= unknowns; ++j) {
                rows[i][j] = minus(rows[i][j], times(f, rows[r][j]));
            }
        }
        pivotColumn.push_back(c);
    }
    Solution solution;
    solution.consistent = true;
    for (int i = static_cast<int>(pivotColumn.size()); i < equations; ++i) {
        solution.consistent = solution.consistent && rows[i][unknowns].num == 0;
    }
    solution.free.assign(unknowns, true);
    solution.value.assign(unknowns, Fraction{});
    solution.factor.assign(unknowns, std::vector<Fraction>(unknowns));
    for (std::size_t r = 0; r < pivotColumn.size(); ++r) {
        const int bound = pivotColumn[r];
        solution.free[bound] = false;
        solution.value[bound] = rows[r][unknowns];
    }
    for (std::size_t r = 0; r < pivotColumn.size(); ++r) {
        for (int f = 0; f < unknowns; ++f) {
            if (solution.free[f]) {
                solution.factor[pivotColumn[r]][f] = minus(Fraction{}, rows[r][f]);
            }
        }
    }
    return solution;
}

} // namespace exact
