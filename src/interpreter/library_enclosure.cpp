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
    // The quotients' errors: Pi's rounding, about 2^-64 of each multiple, and two roundings of
    // 2^-64; a sixteenfold margin over their sum.
    const long double slack = (std::fabs(qa) + std::fabs(qb) + 1) * 0x1p-60L;
    // rint in the default rounding mode is one instruction; ceil and floor switch modes.
    const long double below = std::rint(qa - slack);
    const long double above = std::rint(qb + slack);
    const long double first = below < qa - slack ? below + 1 : below;
    const long double last = above > qb + slack ? above - 1 : above;
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

// The double function of the maths library that each function of the language calls.
enum class LibraryCall : uint8_t {
    Sin,
    Cos,
    Tan,
    ASin,
    ACos,
    ATan,
    SinH,
    CosH,
    TanH,
    Sqrt,
    Log10,
    Log,
    Exp,
    Pow
};

LibraryCall libraryCall(unsigned char code) {
    switch (code) {
    case F::Sin:
    case F::SinD:
        return LibraryCall::Sin;
    case F::Cos:
    case F::CosD:
        return LibraryCall::Cos;
    case F::Tan:
    case F::TanD:
    case F::Cot:
    case F::CotD:
        return LibraryCall::Tan;
    case F::ASin:
    case F::ASinD:
        return LibraryCall::ASin;
    case F::ACos:
    case F::ACosD:
        return LibraryCall::ACos;
    case F::ATan:
    case F::ATanD:
    case F::ACot:
    case F::ACotD:
        return LibraryCall::ATan;
    case F::SinH:
        return LibraryCall::SinH;
    case F::CosH:
        return LibraryCall::CosH;
    case F::TanH:
        return LibraryCall::TanH;
    case F::Sqrt:
        return LibraryCall::Sqrt;
    case F::Log:
        return LibraryCall::Log10;
    case F::Ln:
        return LibraryCall::Log;
    case F::ExpN:
        return LibraryCall::Exp;
    default:
        return LibraryCall::Pow; // ExpZ, and every power
    }
}

// The function of `code` on the double range [a, b], before any conversion of its result.
LibraryEnclosure onDoubles(unsigned char code, double a, double b) {
    switch (libraryCall(code)) {
    case LibraryCall::Sin:
        return sineLike(a, b, false);
    case LibraryCall::Cos:
        return sineLike(a, b, true);
    case LibraryCall::Tan:
        return tangent(a, b);
    case LibraryCall::ASin:
        return arcSine(a, b, false);
    case LibraryCall::ACos:
        return arcSine(a, b, true);
    case LibraryCall::ATan:
        return never(monotone(std::atan(a), std::atan(b), ATanUlps));
    case LibraryCall::SinH:
        return infiniteEnd(a, b) ? maybe() : hyperbolicSine(a, b);
    case LibraryCall::CosH:
        return infiniteEnd(a, b) ? maybe() : hyperbolicCosine(a, b);
    case LibraryCall::TanH:
        return never(monotone(std::tanh(a), std::tanh(b), TanHUlps));
    case LibraryCall::Sqrt:
        return squareRoot(a, b);
    case LibraryCall::Log10:
        return logarithm(a, b, true);
    case LibraryCall::Log:
        return logarithm(a, b, false);
    case LibraryCall::Exp:
        return infiniteEnd(a, b) ? maybe() : exponential(a, b);
    case LibraryCall::Pow:
        break;
    }
    return maybe();
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
    switch (libraryCall(code)) {
    case LibraryCall::Sin:
        return SinUlps;
    case LibraryCall::Cos:
        return CosUlps;
    case LibraryCall::Tan:
        return TanUlps;
    case LibraryCall::ASin:
        return ASinUlps;
    case LibraryCall::ACos:
        return ACosUlps;
    case LibraryCall::ATan:
        return ATanUlps;
    case LibraryCall::SinH:
        return SinHUlps;
    case LibraryCall::CosH:
        return CosHUlps;
    case LibraryCall::TanH:
        return TanHUlps;
    case LibraryCall::Sqrt:
        return SqrtUlps;
    case LibraryCall::Log10:
        return Log10Ulps;
    case LibraryCall::Log:
        return LogUlps;
    case LibraryCall::Exp:
        return ExpUlps;
    case LibraryCall::Pow:
        break;
    }
    return PowUlps;
}

namespace {

// A real range widened so that its ends rounded to double hold it; a range beyond the doubles
// keeps the largest double, which a monotone function maps inside the range of the reals.
// Rounding keeps the sign, so an end at 0 stays there.
Interval doubleHull(const Interval& v) {
    constexpr long double Max = DBL_MAX;
    long double lo = std::min(v.lo - doubleSpacing(v.lo), Max);
    long double hi = std::max(v.hi + doubleSpacing(v.hi), -Max);
    if (v.lo >= 0) {
        lo = std::max(lo, 0.0L);
    }
    if (v.hi <= 0) {
        hi = std::min(hi, 0.0L);
    }
    return {lo, hi};
}

// An extended operation's result: as rounded, or widened to hold the exact result.
Interval rounded(const Interval& v, Reading reading) {
    return reading == Reading::Exact ? widened(v) : v;
}

// An exact reading's ends computed in extended precision, in either order, moved out by a
// relative slack.
Interval relativeHull(long double a, long double b, long double slack) {
    if (std::isnan(a) || std::isnan(b)) {
        return Interval::unknown();
    }
    // Beyond the relative slack, the smallest extended subnormal, which an exact value below
    // the range of extended precision rounds to.
    constexpr long double Tiny = 0x1p-16445L;
    const long double lo = std::min(a, b);
    const long double hi = std::max(a, b);
    return {std::isinf(lo) ? lo : lo - std::fabs(lo) * slack - Tiny,
            std::isinf(hi) ? hi : hi + std::fabs(hi) * slack + Tiny};
}

// exp of every real argument of [a, b]: extended exp keeps values far below the doubles
// (its error, like exp's, is listed as 1 ulp); only an overflow of the double fails.
LibraryEnclosure exactExponential(long double a, long double b) {
    constexpr long double Slack = 0x1p-58L; // far above expl's error of about 2^-63
    const Failure failure =
        beyond(static_cast<double>(a), static_cast<double>(b), ExpOverflow, true);
    if (failure == Failure::Always) {
        return always();
    }
    const long double hi = std::min(b, static_cast<long double>(ExpOverflow));
    return {relativeHull(std::exp(a), std::exp(hi), Slack), failure};
}

// log or log10 of every real argument of [a, b]: extended logarithms keep arguments far
// below the doubles; arguments down to 0 reach minus infinity.
LibraryEnclosure exactLogarithm(long double a, long double b, bool decimal) {
    constexpr long double Slack = 0x1p-58L; // far above logl's error of about 2^-63
    if (b <= 0) {
        return always();
    }
    const auto log = [decimal](long double y) { return decimal ? std::log10(y) : std::log(y); };
    const Interval value = relativeHull(a > 0 ? log(a) : -INFINITY, log(b), Slack);
    return {value, a <= 0 ? Failure::Maybe : Failure::Never};
}

} // namespace

LibraryEnclosure encloseFunction(unsigned char code, const Interval& argument, Reading reading) {
    if (!argument.known()) {
        return maybe();
    }
    if (code == F::ExpZ) {
        return enclosePower(Interval::point(10), argument, reading);
    }
    Interval v = argument;
    if (inDegrees(code)) {
        v = rounded(v * Interval::point(DegToRad), reading);
    } else if (isReciprocalArgument(code)) {
        v = rounded(reciprocal(v), reading);
    }
    if (reading == Reading::Exact && code == F::ExpN) {
        return exactExponential(v.lo, v.hi);
    }
    if (reading == Reading::Exact && (code == F::Ln || code == F::Log)) {
        return exactLogarithm(v.lo, v.hi, code == F::Log);
    }
    const bool trigonometric =
        (code >= F::Sin && code <= F::Cot) || (code >= F::SinD && code <= F::CotD);
    if (reading == Reading::Exact && trigonometric && (v.lo < -DBL_MAX || v.hi > DBL_MAX)) {
        // A real argument beyond the doubles: the evaluator's would be infinite and fail,
        // the exact function does not.
        return maybe();
    }
    const Interval d = roundedToDouble(reading == Reading::Exact ? doubleHull(v) : v);
    if (!d.known()) {
        return maybe();
    }
    LibraryEnclosure result = onDoubles(code, static_cast<double>(d.lo), static_cast<double>(d.hi));
    if (result.failure == Failure::Always) {
        return result;
    }
    if (reading == Reading::Exact) {
        // The padding bounds computed results; an exact one may lie half a unit beyond even a
        // correctly rounded result.
        result.value = doubleHull(result.value);
    }
    if (isReciprocalResult(code)) {
        result.value = rounded(reciprocal(result.value), reading);
    } else if (givesDegrees(code)) {
        result.value = rounded(result.value * Interval::point(RadToDeg), reading);
    }
    return result;
}

namespace {

// The results of a power, finite and nonzero before rounding unless throughZero says that
// they pass through 0: rounding to infinity sets ERANGE, and so does rounding to 0, which the
// exact reading takes for a value.
LibraryEnclosure checkedRange(Interval value, Failure failure, bool throughZero, Reading reading) {
    constexpr long double Max = DBL_MAX;
    constexpr long double ToZero = 0x1p-1075L; // half the smallest subnormal
    constexpr long double Slack = 0x1p-40L;
    if (!value.known()) {
        return maybe();
    }
    const bool computed = reading == Reading::Computed;
    throughZero = throughZero || (value.lo <= 0 && value.hi >= 0);
    const long double small = throughZero ? 0 : std::min(std::fabs(value.lo), std::fabs(value.hi));
    const long double large = value.magnitude();
    if (small > Max * (1 + Slack) || (computed && !throughZero && large < ToZero * (1 - Slack))) {
        return always();
    }
    if (large >= Max * (1 - Slack) || (computed && small <= ToZero * (1 + Slack))) {
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

// The exact reading computes powers in extended precision: smallPower within 2^-59 of the
// exact power, powl within the 1 ulp the glibc manual lists for it.
constexpr long double ExactPowerSlack = 0x1p-56L;

// pow(b, n) for a whole number n on [b0, b1]: the extremes lie at the ends, or at 0.
LibraryEnclosure wholePower(long double b0, long double b1, double n, Reading reading) {
    if (n == 0) {
        return never(Interval::point(1));
    }
    const bool zeroInside = b0 <= 0 && b1 >= 0;
    if (zeroInside && n < 0) {
        // 0 is a pole; the other bases fail too when even the largest one's power overflows.
        const long double largest = std::max(-b0, b1);
        const bool overflows = largest == 0 || std::pow(largest, static_cast<long double>(n)) >
                                                   DBL_MAX * (1 + 0x1p-40L);
        return overflows ? always() : maybe();
    }
    const bool small = std::fabs(n) <= SmallExponent;
    const auto power = [&](long double b) -> long double {
        if (small) {
            return smallPower(b, static_cast<int>(n));
        }
        return reading == Reading::Exact ? std::pow(b, static_cast<long double>(n))
                                         : std::pow(static_cast<double>(b), n);
    };
    Interval value = reading == Reading::Exact ? relativeHull(power(b0), power(b1), ExactPowerSlack)
                                               : monotone(power(b0), power(b1), PowUlps);
    if (zeroInside) {
        value.lo = std::min(value.lo, 0.0L);
        value.hi = std::max(value.hi, 0.0L);
    }
    // A tiny base may round its power to 0 (ERANGE) where 0 itself gives 0 silently.
    return checkedRange(value, Failure::Never, zeroInside, reading);
}

bool isWhole(long double v) {
    return std::fabs(v) < 0x1p53L && v == std::trunc(v);
}

} // namespace

// The exact reading holds both the power of the exact operands and that of the operands
// rounded to double, as the evaluator rounds them: a constant operand may be stored either
// way. A whole exponent is a double already.
LibraryEnclosure enclosePower(const Interval& base, const Interval& exponent, Reading reading) {
    const bool exact = reading == Reading::Exact;
    const bool wholeExponent = exponent.lo == exponent.hi && isWhole(exponent.lo);
    const Interval b = exact ? doubleHull(base) : roundedToDouble(base);
    const Interval e =
        exact ? (wholeExponent ? exponent : doubleHull(exponent)) : roundedToDouble(exponent);
    if (!b.known() || !e.known() || b.mayBeInfinite() || e.mayBeInfinite()) {
        return maybe();
    }
    if (e.lo == e.hi && isWhole(e.lo)) {
        return wholePower(b.lo, b.hi, static_cast<double>(e.lo), reading);
    }
    // The bases from 0 up have their powers at the corners, 0 included unless an exponent is
    // negative; a negative base fails where no exponent is whole.
    const bool nowhereWhole = std::floor(e.hi) < std::ceil(e.lo);
    if (b.hi > 0 && (b.lo >= 0 || nowhereWhole) && (b.lo > 0 || e.lo >= 0)) {
        const Failure failure = b.lo < 0 ? Failure::Maybe : Failure::Never;
        const Interval from = {std::max(b.lo, 0.0L), b.hi};
        // b^e = exp(e ln b) is monotone in each of e and ln b: its extremes lie at the corners.
        Interval value;
        if (reading == Reading::Exact) {
            const Interval low = relativeHull(std::pow(from.lo, e.lo), std::pow(from.lo, e.hi), 0);
            const Interval high = relativeHull(std::pow(from.hi, e.lo), std::pow(from.hi, e.hi), 0);
            if (!low.known() || !high.known()) {
                return maybe();
            }
            value =
                relativeHull(std::min(low.lo, high.lo), std::max(low.hi, high.hi), ExactPowerSlack);
        } else {
            const double b0 = static_cast<double>(from.lo);
            const double b1 = static_cast<double>(from.hi);
            const double e0 = static_cast<double>(e.lo);
            const double e1 = static_cast<double>(e.hi);
            const Interval corners =
                hullOf(std::pow(b0, e0), std::pow(b0, e1), std::pow(b1, e0), std::pow(b1, e1));
            if (!corners.known()) {
                return maybe();
            }
            value = {below(corners.lo, PowUlps), above(corners.hi, PowUlps)};
        }
        return checkedRange(value, failure, false, reading);
    }
    // A negative base with an exponent that is not whole is a domain error; with one whole
    // exponent inside, that power is all it can give. The scan, which prunes only where no
    // point fails, has no use for the latter and skips its cost.
    if (b.hi < 0 && nowhereWhole) {
        return always();
    }
    if (exact && b.hi < 0 && std::floor(e.hi) == std::ceil(e.lo)) {
        LibraryEnclosure power = wholePower(b.lo, b.hi, std::ceil(e.lo), reading);
        power.failure = worse(power.failure, Failure::Maybe);
        return power;
    }
    return maybe();
}
