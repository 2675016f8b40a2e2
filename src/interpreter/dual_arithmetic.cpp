#include "interpreter/dual_arithmetic.h"

#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <algorithm>

namespace flat {

namespace {

using F = Formelinterpreter;

constexpr long double Ln10 = 2.302585092994045684017991454684364208L;

Interval exactly(unsigned char code, const Interval& u) {
    return encloseFunction(code, u, Reading::Exact).value;
}

Interval times(const Interval& a, const Interval& b) {
    return widened(a * b);
}

Interval over(const Interval& a, const Interval& b) {
    return widened(quotient(a, b));
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
    return over(Interval::point(1), exactly(F::Sqrt, rest));
}

// The derivative of the function of `code` where its argument is u and its value is value.
Interval slope(unsigned char code, const Interval& u, const Interval& value) {
    const Interval d = Interval::point(DegToRad);
    const Interval r = Interval::point(RadToDeg);
    switch (code) {
    case F::Sin:
        return exactly(F::Cos, u);
    case F::Cos:
        return -exactly(F::Sin, u);
    case F::Tan:
        return onePlusSquare(value);
    case F::Cot:
        return -onePlusSquare(value);
    case F::SinD:
        return times(exactly(F::Cos, times(u, d)), d);
    case F::CosD:
        return -times(exactly(F::Sin, times(u, d)), d);
    case F::TanD:
        return times(onePlusSquare(value), d);
    case F::CotD:
        return -times(onePlusSquare(value), d);
    case F::ASin:
        return arcSineSlope(u);
    case F::ACos:
        return -arcSineSlope(u);
    case F::ASinD:
        return times(arcSineSlope(u), r);
    case F::ACosD:
        return -times(arcSineSlope(u), r);
    case F::ATan:
    case F::ATanD:
    case F::ACot:
    case F::ACotD: {
        // acot(u) = atan(1/u) jumps at u = 0.
        const bool cotangent = code == F::ACot || code == F::ACotD;
        if (cotangent && u.mayBeZero()) {
            return Interval::unknown();
        }
        Interval s = over(Interval::point(1), onePlusSquare(u));
        s = cotangent ? -s : s;
        return code == F::ATanD || code == F::ACotD ? times(s, r) : s;
    }
    case F::SinH:
        return exactly(F::CosH, u);
    case F::CosH:
        return exactly(F::SinH, u);
    case F::TanH:
        return widened(Interval::point(1) - squared(value));
    case F::Sqrt:
        return over(Interval::point(0.5L), value);
    case F::Log:
        return over(Interval::point(1), times(u, Interval::point(Ln10)));
    case F::Ln:
        return over(Interval::point(1), u);
    case F::ExpZ:
        return times(value, Interval::point(Ln10));
    default:
        return value; // exp
    }
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
    const Interval value = library(encloseFunction(code, u.v, Reading::Exact));
    return {value, times(slope(code, u.v, value), u.d)};
}

Dual DualArithmetic::integerPower(const Dual& l, int n) {
    const Interval value = library(enclosePower(l.v, Interval::point(n), Reading::Exact));
    const Interval lower = enclosePower(l.v, Interval::point(n - 1), Reading::Exact).value;
    return {value, times(times(Interval::point(n), lower), l.d)};
}

// d(u^w) = u^w (w' ln u + w u' / u), or n u^(n-1) u' for a constant whole exponent.
Dual DualArithmetic::power(const Dual& l, const Dual& r) {
    const Interval value = library(enclosePower(l.v, r.v, Reading::Exact));
    if (isZero(r.d)) {
        if (r.v.lo == r.v.hi) {
            const Interval lower =
                enclosePower(l.v, Interval::point(r.v.lo - 1), Reading::Exact).value;
            return {value, times(times(r.v, widened(lower)), l.d)};
        }
        return {value, Interval::unknown()};
    }
    const Interval logarithm = exactly(F::Ln, l.v);
    Interval rate = times(r.d, logarithm);
    if (!isZero(l.d)) {
        rate = widened(rate + over(times(r.v, l.d), l.v));
    }
    return {value, times(value, rate)};
}

} // namespace flat
