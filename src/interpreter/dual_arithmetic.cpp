#include "interpreter/dual_arithmetic.h"

#include "interpreter/function_table.h"
#include "interpreter/konstanten.h"

#include <algorithm>

namespace flat {

namespace {

using functions::Slope;
using functions::Transform;

constexpr long double Ln10 = 2.302585092994045684017991454684364208L;

Interval exactly(const functions::Library& f, const Interval& u) {
    return encloseLibraryExactly(f, u).value;
}

Interval times(const Interval& a, const Interval& b) {
    return exactProduct(a, b);
}

Interval over(const Interval& a, const Interval& b) {
    return exactQuotient(a, b);
}

// t^2, which t * t takes below 0 where t holds 0 and its ends differ in sign.
Interval squared(const Interval& t) {
    Interval s = times(t, t);
    s.lo = std::max(s.lo, 0.0L);
    return s;
}

// 1 + t^2, the derivative of tan at a point where it is t.
Interval onePlusSquare(const Interval& t) {
    return widened(Interval::point(1) + squared(t));
}

// 1 / sqrt(1 - u^2), the derivative of asin; unknown where it is unbounded.
Interval arcSineSlope(const Interval& u) {
    const Interval rest = widened(Interval::point(1) - squared(u));
    if (!(rest.lo > 0)) {
        return Interval::unknown();
    }
    return over(Interval::point(1), exactly(functions::squareRoot, rest));
}

// The form of a slope (function_table.h) where the function's argument is v, the library's
// argument a, and its value w.
Interval form(Slope slope, const Interval& v, const Interval& a, const Interval& w) {
    switch (slope) {
    case Slope::CosineOfArgument:
        return exactly(functions::cosine, a);
    case Slope::MinusSineOfArgument:
        return -exactly(functions::sine, a);
    case Slope::OnePlusSquareOfValue:
        return onePlusSquare(w);
    case Slope::MinusOnePlusSquareOfValue:
        return -onePlusSquare(w);
    case Slope::ArcSine:
        return arcSineSlope(v);
    case Slope::MinusArcSine:
        return -arcSineSlope(v);
    case Slope::ArcTangent:
        return over(Interval::point(1), onePlusSquare(v));
    case Slope::MinusArcTangent:
        // atan(1/v) jumps at v = 0.
        return v.mayBeZero() ? Interval::unknown() : -over(Interval::point(1), onePlusSquare(v));
    case Slope::HyperbolicCosineOfArgument:
        return exactly(functions::hyperbolicCosine, v);
    case Slope::HyperbolicSineOfArgument:
        return exactly(functions::hyperbolicSine, v);
    case Slope::OneMinusSquareOfValue:
        return widened(Interval::point(1) - squared(w));
    case Slope::HalfOverValue:
        return over(Interval::point(0.5L), w);
    case Slope::OverArgumentTimesLn10:
        return over(Interval::point(1), times(v, Interval::point(Ln10)));
    case Slope::OverArgument:
        return over(Interval::point(1), v);
    case Slope::ValueTimesLn10:
        return times(w, Interval::point(Ln10));
    default:
        return w; // exp
    }
}

// The derivative of a function where its argument is v and its value w: its form, times the
// factor of each degree conversion.
Interval slope(const functions::Function& f, const Interval& v, const Interval& w) {
    const Interval toRadians = Interval::point(DegToRad);
    const bool degreesIn = f.argument == Transform::Degrees;
    Interval s = form(f.slope, v, degreesIn ? times(v, toRadians) : v, w);
    if (degreesIn) {
        s = times(s, toRadians);
    }
    if (f.result == Transform::Degrees) {
        s = times(s, Interval::point(RadToDeg));
    }
    return s;
}

bool isZero(const Interval& a) {
    return a.lo == 0 && a.hi == 0;
}

} // namespace

Dual DualArithmetic::divide(const Dual& l, const Dual& r) {
    if (r.v.mayBeZero()) {
        maySkip = true;
        return {Interval::unknown(), Interval::unknown()};
    }
    const Interval numerator = widened(times(l.d, r.v) - times(l.v, r.d));
    return {over(l.v, r.v), over(numerator, times(r.v, r.v))};
}

Dual DualArithmetic::function(unsigned char code, const Dual& u) {
    const Interval value = library(encloseExact(code, u.v));
    const functions::Function* f = functions::find(code);
    if (f == nullptr) {
        return {value, Interval::unknown()};
    }
    return {value, times(slope(*f, u.v, value), u.d)};
}

Dual DualArithmetic::integerPower(const Dual& l, int n) {
    const Interval value = library(powerExact(l.v, Interval::point(n)));
    const Interval lower = powerExact(l.v, Interval::point(n - 1)).value;
    return {value, times(times(Interval::point(n), lower), l.d)};
}

// d(u^w) = u^w (w' ln u + w u' / u), or n u^(n-1) u' for a constant whole exponent.
Dual DualArithmetic::power(const Dual& l, const Dual& r) {
    const Interval value = library(powerExact(l.v, r.v));
    if (isZero(r.d)) {
        if (r.v.lo == r.v.hi) {
            const Interval lower = powerExact(l.v, Interval::point(r.v.lo - 1)).value;
            return {value, times(times(r.v, widened(lower)), l.d)};
        }
        return {value, Interval::unknown()};
    }
    const Interval logarithm = exactly(functions::naturalLogarithm, l.v);
    Interval rate = times(r.d, logarithm);
    if (!isZero(l.d)) {
        rate = widened(rate + over(times(r.v, l.d), l.v));
    }
    return {value, times(value, rate)};
}

} // namespace flat
