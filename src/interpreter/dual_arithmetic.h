#pragma once

#include "interpreter/interval.h"
#include "interpreter/library_enclosure.h"

namespace flat {

// A value of the formula's exact function over a range of x, and of its derivative.
struct Dual {
    Interval v;
    Interval d;
};

// Sums, differences and products of exact values: each rounded end widened so that the exact
// result stays inside.
inline Dual operator-(const Dual& a) {
    return {-a.v, -a.d};
}
inline Dual operator+(const Dual& a, const Dual& b) {
    return {widened(a.v + b.v), widened(a.d + b.d)};
}
inline Dual operator-(const Dual& a, const Dual& b) {
    return {widened(a.v - b.v), widened(a.d - b.d)};
}
inline Dual operator*(const Dual& a, const Dual& b) {
    return {exactProduct(a.v, b.v), widened(exactProduct(a.d, b.v) + exactProduct(a.v, b.d))};
}

// The arithmetic of the exact function and its derivative by forward differentiation, each
// over the whole range of x. What may fail is remembered as by the computed enclosures, but a
// value too small for a double is a value.
struct DualArithmetic {
    using Value = Dual;

    bool mayFail = false;
    bool maySkip = false;
    bool alwaysFails = false;

    static Dual constant(long double c) { return {Interval::point(c), Interval::point(0)}; }
    static Dual variable(const Interval& x) { return {x, Interval::point(1)}; }

    Dual divide(const Dual& l, const Dual& r);
    Dual power(const Dual& l, const Dual& r);
    Dual integerPower(const Dual& l, int n);
    Dual function(unsigned char code, const Dual& u);

private:
    Interval library(const LibraryEnclosure& e) {
        alwaysFails = alwaysFails || e.failure == Failure::Always;
        mayFail = mayFail || e.failure != Failure::Never;
        return e.value;
    }
};

} // namespace flat
