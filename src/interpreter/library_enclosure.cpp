#include "interpreter/library_enclosure.h"

#include "interpreter/formelinterpreter.h"
#include "interpreter/konstanten.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

using F = Formelinterpreter;

// Largest errors of glibc's double functions on x86_64 in rounding to nearest, in units in
// the last place, as the glibc manual lists them ("Known Maximum Errors in Math Functions";
// its x86_64 table, from sysdeps/x86_64/fpu/libm-test-ulps): sin, cos, asin, acos, atan,
// exp, log, pow 1; sinh, cosh, tanh, log10 2; tan none listed; sqrt correctly rounded. The
// manual's numbers are the largest errors its tests met, not proofs, so each bound used here
// is the listed one plus a margin of 2 ulps; the tests check them against MPFI. sqrt needs
// none: correctly rounded, it is monotone, and its results at the ends bound all others.
constexpr int Margin = 2;
constexpr int SinUlps = 1 + Margin;
constexpr int CosUlps = 1 + Margin;
constexpr int TanUlps = 0 + Margin;
constexpr int ASinUlps = 1 + Margin;
constexpr int ACosUlps = 1 + Margin;
constexpr int ATanUlps = 1 + Margin;
constexpr int SinHUlps = 2 + Margin;
constexpr int CosHUlps = 2 + Margin;
constexpr int TanHUlps = 2 + Margin;
constexpr int SqrtUlps = 0;
constexpr int Log10Ulps = 2 + Margin;
constexpr int LogUlps = 1 + Margin;
constexpr int ExpUlps = 1 + Margin;
constexpr int PowUlps = 1 + Margin;

// Where the library sets errno, found on glibc 2.36 and checked by the tests; each edge
// has a band around it in which a failure cannot be told.
constexpr double ExpOverflow = 709.782712893384;        // exp(x) is infinite above
constexpr double ExpToZero = -745.1332191019411;        // exp(x) rounds to 0 below
constexpr double HyperbolicOverflow = 710.475860073944; // sinh and cosh infinite above
constexpr double EdgeBand = 1e-9;

// pi rounded to extended; the extrema and poles of sin, cos and tan are located with it, with
// a margin far above its error and the rounding of the quotients below.
constexpr long double Pi = 3.14159265358979323846264338327950288L;
// Beyond this |x| the extrema are not located: the full range is taken instead.
constexpr long double LocatedRange = 0x1p40L;

// The spacing of doubles at |y| rounded to double (beyond its binade when it rounds up, which
// only widens), continued below the normal range by the subnormal spacing; read off the bits.
long double doubleSpacing(long double y) {
    const uint64_t field = (std::bit_cast<uint64_t>(static_cast<double>(y)) >> 52) & 0x7FF;
    if (field == 0x7FF) {
        return 0; // an infinite end stays where it is
    }
    return std::bit_cast<double>(field > 53 ? (field - 52) << 52 : uint64_t{1});
}

// A computed end moved out by enough for the function's error: the library's error at this
// end, its error at any point inside, and a change of binade between them.
long double below(long double y, int ulps) {
    return y - 4 * ulps * doubleSpacing(y);
}
long double above(long double y, int ulps) {
    return y + 4 * ulps * doubleSpacing(y);
}

// The computed results at two ends of a monotone stretch, in either order, moved out.
Interval monotone(long double fa, long double fb, int ulps) {
    if (std::isnan(fa) || std::isnan(fb)) {
        return Interval::unknown();
    }
    return {below(std::min(fa, fb), ulps), above(std::max(fa, fb), ulps)};
}

LibraryEnclosure never(const Interval& value) {
    return {value, Failure::Never};
}
LibraryEnclosure always() {
    return {Interval::unknown(), Failure::Always};
}
LibraryEnclosure maybe(const Interval& value = Interval::unknown()) {
    return {value, Failure::Maybe};
}

// Failure on [a, b] for a library that fails exactly beyond `edge` (above when `upward`).
Failure beyond(double a, double b, double edge, bool upward) {
    const double inner = upward ? edge - EdgeBand : edge + EdgeBand;
    const double outer = upward ? edge + EdgeBand : edge - EdgeBand;
    if (upward ? a > outer : b < outer) {
        return Failure::Always;
    }
    return (upward ? b < inner : a > inner) ? Failure::Never : Failure::Maybe;
}

Failure worse(Failure a, Failure b) {
    if (a == Failure::Always || b == Failure::Always) {
        return Failure::Always;
    }
    return a == Failure::Maybe || b == Failure::Maybe ? Failure::Maybe : Failure::Never;
}

// True when some multiple k * Pi + offset may lie in [a, b]; *parity says whether only even k,
// only odd k or both may (bit 0: an even k, bit 1: an odd k).
bool multipleInside(long double a, long double b, long double offset, int* parity) {
    const long double qa = (a - offset) / Pi;
    const long double qb = (b - offset) / Pi;
    const long double slack = 0x1p-30L + std::max(std::fabs(qa), std::fabs(qb)) * 0x1p-56L;
    const long double first = std::ceil(qa - slack);
    const long double last = std::floor(qb + slack);
    if (first > last) {
        return false;
    }
    if (parity != nullptr) {
        const bool firstEven = std::fmod(first, 2.0L) == 0;
        *parity = last > first ? 3 : (firstEven ? 1 : 2);
    }
    return true;
}

// sin (offset pi/2: maxima at even k) or cos (offset 0: maxima at even k) over [a, b].
LibraryEnclosure sineLike(double a, double b, bool cosine) {
    if (std::isinf(a) || std::isinf(b)) {
        return a == b ? always() : maybe(Interval{-1, 1});
    }
    const Interval full{-1 - 0x1p-52L, 1 + 0x1p-52L};
    if (std::max(std::fabs(a), std::fabs(b)) > LocatedRange || b - a > 2 * Pi) {
        return never(full);
    }
    double (*const f)(double) = cosine ? static_cast<double (*)(double)>(std::cos)
                                       : static_cast<double (*)(double)>(std::sin);
    const int ulps = cosine ? CosUlps : SinUlps;
    Interval value = monotone(f(a), f(b), ulps);
    int parity = 0;
    if (multipleInside(a, b, cosine ? 0 : Pi / 2, &parity)) {
        if ((parity & 1) != 0) {
            value.hi = full.hi;
        }
        if ((parity & 2) != 0) {
            value.lo = full.lo;
        }
    }
    return never(value);
}

LibraryEnclosure tangent(double a, double b) {
    if (std::isinf(a) || std::isinf(b)) {
        return a == b ? always() : maybe();
    }
    if (std::max(std::fabs(a), std::fabs(b)) > LocatedRange || b - a > Pi ||
        multipleInside(a, b, Pi / 2, nullptr)) {
        return never(Interval::unknown());
    }
    return never(monotone(std::tan(a), std::tan(b), TanUlps));
}

// asin and acos: defined on [-1, 1], EDOM outside.
LibraryEnclosure arcSine(double a, double b, bool cosine) {
    if (a > 1 || b < -1) {
        return always();
    }
    const double lo = std::max(a, -1.0);
    const double hi = std::min(b, 1.0);
    const Interval value = cosine ? monotone(std::acos(lo), std::acos(hi), ACosUlps)
                                  : monotone(std::asin(lo), std::asin(hi), ASinUlps);
    return {value, (a < -1 || b > 1) ? Failure::Maybe : Failure::Never};
}

LibraryEnclosure hyperbolicSine(double a, double b) {
    const Failure failure =
        worse(beyond(a, b, HyperbolicOverflow, true), beyond(a, b, -HyperbolicOverflow, false));
    if (failure == Failure::Always) {
        return always();
    }
    const double lo = std::max(a, -HyperbolicOverflow);
    const double hi = std::min(b, HyperbolicOverflow);
    return {monotone(std::sinh(lo), std::sinh(hi), SinHUlps), failure};
}

LibraryEnclosure hyperbolicCosine(double a, double b) {
    const Failure failure =
        worse(beyond(a, b, HyperbolicOverflow, true), beyond(a, b, -HyperbolicOverflow, false));
    if (failure == Failure::Always) {
        return always();
    }
    const double lo = std::max(a, -HyperbolicOverflow);
    const double hi = std::min(b, HyperbolicOverflow);
    Interval value = monotone(std::cosh(lo), std::cosh(hi), CosHUlps);
    if (lo <= 0 && hi >= 0) {
        value.lo = 1;
    }
    return {value, failure};
}

// log and log10: ERANGE at 0, EDOM below; -0 is 0.
LibraryEnclosure logarithm(double a, double b, bool decimal) {
    if (b <= 0) {
        return always();
    }
    const double lo = a > 0 ? a : 0x1p-1074;
    const Interval value = decimal ? monotone(std::log10(lo), std::log10(b), Log10Ulps)
                                   : monotone(std::log(lo), std::log(b), LogUlps);
    return {value, a <= 0 ? Failure::Maybe : Failure::Never};
}

// sqrt: EDOM below 0; sqrt(-0) is -0.
LibraryEnclosure squareRoot(double a, double b) {
    if (b < 0) {
        return always();
    }
    const double lo = a < 0 ? 0.0 : a;
    return {monotone(std::sqrt(lo), std::sqrt(b), SqrtUlps),
            a < 0 ? Failure::Maybe : Failure::Never};
}

LibraryEnclosure exponential(double a, double b) {
    const Failure failure = worse(beyond(a, b, ExpOverflow, true), beyond(a, b, ExpToZero, false));
    if (failure == Failure::Always) {
        return always();
    }
    const double lo = std::max(a, ExpToZero);
    const double hi = std::min(b, ExpOverflow);
    Interval value = monotone(std::exp(lo), std::exp(hi), ExpUlps);
    value.lo = std::max(value.lo, 0.0L);
    return {value, failure};
}

// exp, sinh and cosh of an infinite argument are exact and set no errno, unlike those of a
// large finite one: such a range is not decided.
bool infiniteEnd(double a, double b) {
    return std::isinf(a) || std::isinf(b);
}

// The function of `code` on the double range [a, b], before any conversion of its result.
LibraryEnclosure onDoubles(unsigned char code, double a, double b) {
    switch (code) {
    case F::Sin:
    case F::SinD:
        return sineLike(a, b, false);
    case F::Cos:
    case F::CosD:
        return sineLike(a, b, true);
    case F::Tan:
    case F::TanD:
    case F::Cot:
    case F::CotD:
        return tangent(a, b);
    case F::ASin:
    case F::ASinD:
        return arcSine(a, b, false);
    case F::ACos:
    case F::ACosD:
        return arcSine(a, b, true);
    case F::ATan:
    case F::ATanD:
    case F::ACot:
    case F::ACotD:
        return never(monotone(std::atan(a), std::atan(b), ATanUlps));
    case F::SinH:
        return infiniteEnd(a, b) ? maybe() : hyperbolicSine(a, b);
    case F::CosH:
        return infiniteEnd(a, b) ? maybe() : hyperbolicCosine(a, b);
    case F::TanH:
        return never(monotone(std::tanh(a), std::tanh(b), TanHUlps));
    case F::Sqrt:
        return squareRoot(a, b);
    case F::Log:
        return logarithm(a, b, true);
    case F::Ln:
        return logarithm(a, b, false);
    case F::ExpN:
        return infiniteEnd(a, b) ? maybe() : exponential(a, b);
    default:
        return maybe();
    }
}

bool inDegrees(unsigned char code) {
    return code >= F::SinD && code <= F::CotD;
}
bool givesDegrees(unsigned char code) {
    return code >= F::ASinD && code <= F::ACotD;
}
bool isReciprocalArgument(unsigned char code) {
    return code == F::ACot || code == F::ACotD;
}
bool isReciprocalResult(unsigned char code) {
    return code == F::Cot || code == F::CotD;
}

// 1 / v in extended precision without a test for 0, as the evaluator takes it.
Interval reciprocal(const Interval& v) {
    if (!v.known()) {
        return Interval::unknown();
    }
    if (v.mayBeZero()) {
        return Interval::of(-INFINITY, INFINITY);
    }
    return quotient(Interval::point(1), v);
}

} // namespace

int libraryErrorUlps(unsigned char code) {
    switch (code) {
    case F::Sin:
    case F::SinD:
        return SinUlps;
    case F::Cos:
    case F::CosD:
        return CosUlps;
    case F::Tan:
    case F::TanD:
    case F::Cot:
    case F::CotD:
        return TanUlps;
    case F::ASin:
    case F::ASinD:
        return ASinUlps;
    case F::ACos:
    case F::ACosD:
        return ACosUlps;
    case F::ATan:
    case F::ATanD:
    case F::ACot:
    case F::ACotD:
        return ATanUlps;
    case F::SinH:
        return SinHUlps;
    case F::CosH:
        return CosHUlps;
    case F::TanH:
        return TanHUlps;
    case F::Sqrt:
        return SqrtUlps;
    case F::Log:
        return Log10Ulps;
    case F::Ln:
        return LogUlps;
    case F::ExpN:
        return ExpUlps;
    default:
        return PowUlps;
    }
}

LibraryEnclosure encloseFunction(unsigned char code, const Interval& argument) {
    if (!argument.known()) {
        return maybe();
    }
    if (code == F::ExpZ) {
        return enclosePower(Interval::point(10), argument);
    }
    Interval v = argument;
    if (inDegrees(code)) {
        v = v * Interval::point(DegToRad);
    } else if (isReciprocalArgument(code)) {
        v = reciprocal(v);
    }
    const Interval d = roundedToDouble(v);
    if (!d.known()) {
        return maybe();
    }
    LibraryEnclosure result = onDoubles(code, static_cast<double>(d.lo), static_cast<double>(d.hi));
    if (result.failure == Failure::Always) {
        return result;
    }
    if (isReciprocalResult(code)) {
        result.value = reciprocal(result.value);
    } else if (givesDegrees(code)) {
        result.value = result.value * Interval::point(RadToDeg);
    }
    return result;
}

namespace {

// The results of a power, finite and nonzero before rounding unless throughZero says that
// they pass through 0: rounding to infinity or to 0 sets ERANGE, and no other result does.
LibraryEnclosure checkedRange(Interval value, Failure failure, bool throughZero) {
    constexpr long double Max = DBL_MAX;
    constexpr long double ToZero = 0x1p-1075L; // half the smallest subnormal
    constexpr long double Slack = 0x1p-40L;
    throughZero = throughZero || (value.lo <= 0 && value.hi >= 0);
    const long double small = throughZero ? 0 : std::min(std::fabs(value.lo), std::fabs(value.hi));
    const long double large = value.magnitude();
    if (!throughZero && (small > Max * (1 + Slack) || large < ToZero * (1 - Slack))) {
        return always();
    }
    if (large >= Max * (1 - Slack) || small <= ToZero * (1 + Slack)) {
        failure = worse(failure, Failure::Maybe);
    }
    value.lo = std::clamp(value.lo, -Max, Max);
    value.hi = std::clamp(value.hi, -Max, Max);
    return {value, failure};
}

// b^n for a small whole n in extended precision: within 2 |n| units of the 64-bit last place
// of the exact power, far inside one unit of the double's.
long double smallPower(long double b, int n) {
    long double p = 1;
    for (int m = n < 0 ? -n : n; m > 0; --m) {
        p *= b;
    }
    return n < 0 ? 1 / p : p;
}

// Whole exponents this small are raised without the library when an enclosure is formed.
constexpr double SmallExponent = 16;

// pow(b, n) for a whole number n on [b0, b1]: the extremes lie at the ends, or at 0.
LibraryEnclosure wholePower(double b0, double b1, double n) {
    if (n == 0) {
        return never(Interval::point(1));
    }
    const bool zeroInside = b0 <= 0 && b1 >= 0;
    if (zeroInside && n < 0) {
        return b0 == 0 && b1 == 0 ? always() : maybe();
    }
    const bool small = std::fabs(n) <= SmallExponent;
    const long double p0 = small ? smallPower(b0, static_cast<int>(n)) : std::pow(b0, n);
    const long double p1 = small ? smallPower(b1, static_cast<int>(n)) : std::pow(b1, n);
    Interval value = monotone(p0, p1, PowUlps);
    if (zeroInside) {
        value.lo = std::min(value.lo, 0.0L);
        value.hi = std::max(value.hi, 0.0L);
    }
    // A tiny base may round its power to 0 (ERANGE) where 0 itself gives 0 silently.
    return checkedRange(value, Failure::Never, zeroInside);
}

bool isWhole(double v) {
    return std::fabs(v) < 0x1p53 && v == std::trunc(v);
}

} // namespace

LibraryEnclosure enclosePower(const Interval& base, const Interval& exponent) {
    const Interval b = roundedToDouble(base);
    const Interval e = roundedToDouble(exponent);
    if (!b.known() || !e.known() || b.mayBeInfinite() || e.mayBeInfinite()) {
        return maybe();
    }
    const double b0 = static_cast<double>(b.lo);
    const double b1 = static_cast<double>(b.hi);
    const double e0 = static_cast<double>(e.lo);
    const double e1 = static_cast<double>(e.hi);
    if (e0 == e1 && isWhole(e0)) {
        return wholePower(b0, b1, e0);
    }
    if (b0 > 0) {
        // b^e = exp(e ln b) is monotone in each of e and ln b: its extremes lie at the corners.
        const Interval value =
            hullOf(std::pow(b0, e0), std::pow(b0, e1), std::pow(b1, e0), std::pow(b1, e1));
        if (!value.known()) {
            return maybe();
        }
        return checkedRange({below(value.lo, PowUlps), above(value.hi, PowUlps)}, Failure::Never,
                            false);
    }
    // A negative base with an exponent that is not whole is a domain error.
    if (b1 < 0 && std::floor(e1) < std::ceil(e0)) {
        return always();
    }
    return maybe();
}
