#include "interpreter/library_enclosure.h"

#include "interpreter/enclosure_padding.h"
#include "interpreter/library_families.h"

#include <cfloat>
#include <cmath>

namespace {

using functions::Bound;
using functions::Edge;
using functions::Family;
using functions::Library;
using functions::Sign;
using functions::Transform;

LibraryEnclosure always() {
    return {Interval::unknown(), Failure::Always};
}
LibraryEnclosure maybe() {
    return {Interval::unknown(), Failure::Maybe};
}

Failure worse(Failure a, Failure b) {
    return a > b ? a : b;
}

// Around an edge found by measuring, a band in which a failure cannot be told.
constexpr long double EdgeBand = 1e-9L;

// Whether the arguments of [a, b] fail below the domain's lower end, and above its upper end.
Failure failsBelow(const Bound& low, long double a, long double b) {
    switch (low.edge) {
    case Edge::None:
        return Failure::Never;
    case Edge::Closed:
        return b < low.at ? Failure::Always : a < low.at ? Failure::Maybe : Failure::Never;
    case Edge::Open:
        return b <= low.at ? Failure::Always : a <= low.at ? Failure::Maybe : Failure::Never;
    default:
        return b < low.at - EdgeBand   ? Failure::Always
               : a > low.at + EdgeBand ? Failure::Never
                                       : Failure::Maybe;
    }
}
Failure failsAbove(const Bound& high, long double a, long double b) {
    switch (high.edge) {
    case Edge::None:
        return Failure::Never;
    case Edge::Closed:
        return a > high.at ? Failure::Always : b > high.at ? Failure::Maybe : Failure::Never;
    case Edge::Open:
        return a >= high.at ? Failure::Always : b >= high.at ? Failure::Maybe : Failure::Never;
    default:
        return a > high.at + EdgeBand   ? Failure::Always
               : b < high.at - EdgeBand ? Failure::Never
                                        : Failure::Maybe;
    }
}

// The lowest argument of the domain at or above a, and the highest at or below b.
double insideBelow(const Bound& low, double a) {
    if (low.edge == Edge::None || a > low.at) {
        return a;
    }
    return low.edge == Edge::Open ? std::nextafter(low.at, static_cast<double>(INFINITY)) : low.at;
}
double insideAbove(const Bound& high, double b) {
    if (high.edge == Edge::None || b < high.at) {
        return b;
    }
    return high.edge == Edge::Open ? std::nextafter(high.at, -static_cast<double>(INFINITY))
                                   : high.at;
}

// exp, sinh and cosh of an infinite argument are exact and set no errno, unlike those of a
// large finite one: a range that reaches one is not decided.
bool overflowsBeforeInfinity(const Library& f, const Interval& v) {
    const bool measured = f.low.edge >= Edge::Overflow || f.high.edge >= Edge::Overflow;
    return measured && v.mayBeInfinite();
}

// The library's results over the double arguments [a, b]: the part of the range inside the
// domain goes to the function's family.
LibraryEnclosure onDoubles(const Library& f, double a, double b) {
    Failure failure = Failure::Never;
    double lo = a;
    double hi = b;
    // Most ranges lie inside the domain, clear of its edges and their bands.
    if (!(a > f.low.at + EdgeBand && b < f.high.at - EdgeBand)) {
        if (overflowsBeforeInfinity(f, {a, b})) {
            return maybe();
        }
        failure = worse(failsBelow(f.low, a, b), failsAbove(f.high, a, b));
        if (failure == Failure::Always) {
            return always();
        }
        lo = insideBelow(f.low, a);
        hi = insideAbove(f.high, b);
    }
    switch (f.family) {
    case Family::SineLike:
        return {families::sineLike(f, lo, hi), failure};
    case Family::Tangent:
        return {families::tangentBetweenPoles(f, lo, hi), failure};
    case Family::Exponential:
        return {families::exponentialOrHyperbolic(f, lo, hi), failure};
    default:
        return {families::monotone(f, lo, hi), failure};
    }
}

// A result of the library other than 0 is a double, at least the smallest one in magnitude.
Interval computedSign(const Library& f, Interval value, const Interval& argument) {
    if (f.sign == Sign::Positive || (f.sign == Sign::OfArgument && argument.lo > 0)) {
        value.lo = std::max(value.lo, padding::SmallestDouble);
    }
    if (f.sign == Sign::OfArgument && argument.hi < 0) {
        value.hi = std::min(value.hi, -padding::SmallestDouble);
    }
    return value;
}

// An exact value may lie below every extended value: the end stops at 0 and the interval
// keeps the sign.
Interval exactSign(const Library& f, Interval value, const Interval& argument) {
    if (f.sign == Sign::Positive || (f.sign == Sign::OfArgument && argument.positive())) {
        return withSign(value, 1);
    }
    if (f.sign == Sign::OfArgument && argument.negative()) {
        return withSign(value, -1);
    }
    return value;
}

// 1 / v in extended precision without a test for 0, as the evaluator takes it: where v may
// be 0 it may be any value, the infinities included.
Interval computedReciprocal(const Interval& v) {
    return v.mayBeZero() ? Interval::of(-INFINITY, INFINITY) : quotient(Interval::point(1), v);
}
Interval exactReciprocal(const Interval& v) {
    return v.mayBeZero() ? Interval::of(-INFINITY, INFINITY) : exactQuotient(Interval::point(1), v);
}

Interval computedTransform(Transform t, const Interval& v, long double degrees) {
    switch (t) {
    case Transform::Degrees:
        return v * Interval::point(degrees);
    case Transform::Reciprocal:
        return computedReciprocal(v);
    default:
        return v;
    }
}
Interval exactTransform(Transform t, const Interval& v, long double degrees) {
    switch (t) {
    case Transform::Degrees:
        return exactProduct(v, Interval::point(degrees));
    case Transform::Reciprocal:
        return exactReciprocal(v);
    default:
        return v;
    }
}

// The exact reading of a library function with an extended counterpart: its values reach
// below the doubles, and an argument too small for a double is one.
LibraryEnclosure extendedExactly(const Library& f, const Interval& v) {
    if (overflowsBeforeInfinity(f, v)) {
        return maybe();
    }
    const Failure below =
        f.low.edge == Edge::Underflow ? Failure::Never : failsBelow(f.low, v.lo, v.hi);
    const Failure failure = worse(below, failsAbove(f.high, v.lo, v.hi));
    if (failure == Failure::Always) {
        return always();
    }
    const bool lowEdge = f.low.edge != Edge::None && f.low.edge != Edge::Underflow;
    const long double lo = lowEdge ? std::max(v.lo, static_cast<long double>(f.low.at)) : v.lo;
    const long double hi =
        f.high.edge != Edge::None ? std::min(v.hi, static_cast<long double>(f.high.at)) : v.hi;
    return {exactSign(f, families::extendedMonotone(f, lo, hi), v), failure};
}

} // namespace

LibraryEnclosure encloseComputed(unsigned char code, const Interval& argument) {
    const functions::Function* f = functions::find(code);
    if (!argument.known() || f == nullptr) {
        return maybe();
    }
    if (f->library->family == Family::Power) {
        return powerComputed(Interval::point(10), argument);
    }
    const Interval d = roundedToDouble(f->argument == Transform::Plain
                                           ? argument
                                           : computedTransform(f->argument, argument, DegToRad));
    if (!d.known()) {
        return maybe();
    }
    LibraryEnclosure r =
        onDoubles(*f->library, static_cast<double>(d.lo), static_cast<double>(d.hi));
    if (r.failure == Failure::Always) {
        return r;
    }
    if (f->library->sign != Sign::Any) {
        r.value = computedSign(*f->library, r.value, d);
    }
    if (f->result != Transform::Plain) {
        r.value = computedTransform(f->result, r.value, RadToDeg);
    }
    return r;
}

LibraryEnclosure encloseLibraryExactly(const Library& f, const Interval& v) {
    if (!v.known()) {
        return maybe();
    }
    if (f.extended != nullptr) {
        return extendedExactly(f, v);
    }
    // A real argument beyond the doubles: the evaluator's would be infinite and fail where
    // the library fails at infinity, the exact function does not.
    if ((v.lo < -DBL_MAX && f.low.edge == Edge::Open && std::isinf(f.low.at)) ||
        (v.hi > DBL_MAX && f.high.edge == Edge::Open && std::isinf(f.high.at))) {
        return maybe();
    }
    const Interval d = padding::outwardToDoubles(v);
    LibraryEnclosure r = onDoubles(f, static_cast<double>(d.lo), static_cast<double>(d.hi));
    if (r.failure != Failure::Always) {
        const Interval value = f.errorUlps == 0 ? padding::exactBesideRounded(r.value) : r.value;
        r.value = exactSign(f, value, v);
    }
    return r;
}

LibraryEnclosure encloseExact(unsigned char code, const Interval& argument) {
    const functions::Function* f = functions::find(code);
    if (!argument.known() || f == nullptr) {
        return maybe();
    }
    if (f->library->family == Family::Power) {
        return powerExact(Interval::point(10), argument);
    }
    LibraryEnclosure r =
        encloseLibraryExactly(*f->library, exactTransform(f->argument, argument, DegToRad));
    if (r.failure != Failure::Always) {
        r.value = exactTransform(f->result, r.value, RadToDeg);
    }
    return r;
}

int libraryErrorUlps(unsigned char code) {
    const functions::Function* f = functions::find(code);
    return f == nullptr ? 0 : f->library->errorUlps;
}
