#include "interpreter/enclosure_padding.h"
#include "interpreter/library_enclosure.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>

// Powers, in both readings: pow(base, exponent) as the evaluator computes it from both
// operands rounded to double, or exactly. Every enclosure holds the power at every pair of
// operands of the ranges; the sign it keeps is the one the operands guarantee.

namespace {

using functions::power;

LibraryEnclosure always() {
    return {Interval::unknown(), Failure::Always};
}
LibraryEnclosure maybe() {
    return {Interval::unknown(), Failure::Maybe};
}

// Whole exponents this small are raised without the library when an enclosure is formed.
constexpr double SmallExponent = 16;

// b^n for a small whole n in extended precision: within 2 |n| units of the 64-bit last place
// of the exact power, far inside one unit of the double's.
long double smallPower(long double b, int n) {
    long double p = 1;
    for (int m = n < 0 ? -n : n; m > 0; --m) {
        p *= b;
    }
    return n < 0 ? 1 / p : p;
}

bool isWhole(long double v) {
    return std::fabs(v) < 0x1p53L && v == std::trunc(v);
}

// What each reading takes for the operands and the powers at the corners.
struct Computed {
    static Interval operand(const Interval& v) { return roundedToDouble(v); }
    // b^n for a whole |n| beyond SmallExponent, as pow gives it.
    static long double wholePower(long double b, double n) {
        return std::pow(static_cast<double>(b), n);
    }
    // Powers at the corners, in either order, moved out for pow's error.
    static Interval hull(long double lo, long double hi) {
        return padding::padded(lo, hi, power.errorUlps);
    }
    static Interval cornerPowers(const Interval& b, const Interval& e) {
        const double b0 = static_cast<double>(b.lo);
        const double b1 = static_cast<double>(b.hi);
        const double e0 = static_cast<double>(e.lo);
        const double e1 = static_cast<double>(e.hi);
        const Interval corners =
            hullOf(std::pow(b0, e0), std::pow(b0, e1), std::pow(b1, e0), std::pow(b1, e1));
        return corners.known() ? hull(corners.lo, corners.hi) : corners;
    }
    // A result that rounds to 0 fails; one that does not is at least the smallest double.
    static constexpr bool UnderflowFails = true;
    // The scan, which prunes only where no point fails, has no use for the one power a
    // negative base gives among exponents that are not whole, and skips its cost.
    static constexpr bool OneWholeExponentInside = false;
    static Interval withSign(Interval v, bool above, bool below) {
        if (above) {
            v.lo = std::max(v.lo, padding::SmallestDouble);
        }
        if (below) {
            v.hi = std::min(v.hi, -padding::SmallestDouble);
        }
        return v;
    }
};

struct Exact {
    // A constant may be stored rounded to double or not; constants are points, so a range
    // is an exact operand as it stands.
    static Interval operand(const Interval& v) {
        return v.lo == v.hi ? padding::storedEitherWay(v) : v;
    }
    static long double wholePower(long double b, double n) {
        return std::pow(b, static_cast<long double>(n));
    }
    // Extended powers: smallPower within 2^-59 of the exact power, powl within the 1 ulp the
    // glibc manual lists for it; moved out by a relative 2^-56, and by the smallest extended
    // subnormal, which a power below the range of extended precision rounds to.
    static Interval hull(long double a, long double b) {
        constexpr long double Slack = 0x1p-56L;
        constexpr long double Tiny = 0x1p-16445L;
        if (std::isnan(a) || std::isnan(b)) {
            return Interval::unknown();
        }
        const long double lo = std::min(a, b);
        const long double hi = std::max(a, b);
        return {std::isinf(lo) ? lo : lo - std::fabs(lo) * Slack - Tiny,
                std::isinf(hi) ? hi : hi + std::fabs(hi) * Slack + Tiny};
    }
    static Interval cornerPowers(const Interval& b, const Interval& e) {
        const Interval corners = hullOf(std::pow(b.lo, e.lo), std::pow(b.lo, e.hi),
                                        std::pow(b.hi, e.lo), std::pow(b.hi, e.hi));
        return corners.known() ? hull(corners.lo, corners.hi) : corners;
    }
    static constexpr bool UnderflowFails = false;
    static constexpr bool OneWholeExponentInside = true;
    static Interval withSign(const Interval& v, bool above, bool below) {
        return ::withSign(v, above ? 1 : below ? -1 : 0);
    }
};

// The results of a power, finite and other than 0 before rounding unless throughZero says
// that they pass through 0: rounding to infinity sets ERANGE, and so does rounding to 0 where
// the reading takes that for a failure.
template <class R>
LibraryEnclosure checkedRange(Interval value, Failure failure, bool throughZero) {
    constexpr long double Max = DBL_MAX;
    constexpr long double ToZero = 0x1p-1075L; // half the smallest subnormal
    constexpr long double Slack = 0x1p-40L;
    if (!value.known()) {
        return maybe();
    }
    throughZero = throughZero || (value.lo <= 0 && value.hi >= 0 && !value.zeroExcluded);
    const long double small = throughZero ? 0 : std::min(std::fabs(value.lo), std::fabs(value.hi));
    const long double large = value.magnitude();
    if (small > Max * (1 + Slack) ||
        (R::UnderflowFails && !throughZero && large < ToZero * (1 - Slack))) {
        return always();
    }
    if (large >= Max * (1 - Slack) || (R::UnderflowFails && small <= ToZero * (1 + Slack))) {
        failure = std::max(failure, Failure::Maybe);
    }
    value.lo = std::clamp(value.lo, -Max, Max);
    value.hi = std::clamp(value.hi, -Max, Max);
    return {value, failure};
}

// pow(b, n) for a whole number n over the base b: the extremes lie at the ends, or at 0.
template <class R> LibraryEnclosure wholePower(const Interval& b, double n) {
    if (n == 0) {
        return {Interval::point(1), Failure::Never};
    }
    const bool zeroInside = b.mayBeZero();
    if (zeroInside && n < 0) {
        // 0 is a pole; the other bases fail too when even the largest one's power overflows.
        const long double largest = std::max(-b.lo, b.hi);
        const bool overflows = largest == 0 || std::pow(largest, static_cast<long double>(n)) >
                                                   DBL_MAX * (1 + 0x1p-40L);
        return overflows ? always() : maybe();
    }
    const auto raise = [n](long double base) {
        return std::fabs(n) <= SmallExponent ? smallPower(base, static_cast<int>(n))
                                             : R::wholePower(base, n);
    };
    Interval value = R::hull(raise(b.lo), raise(b.hi));
    const bool even = static_cast<int64_t>(n) % 2 == 0; // |n| below 2^53
    if (zeroInside) {
        value.lo = even ? 0 : std::min(value.lo, 0.0L);
        value.hi = std::max(value.hi, 0.0L);
    } else if (even) {
        value.lo = std::max(value.lo, 0.0L);
    }
    // A tiny base may round its power to 0 (ERANGE) where 0 itself gives 0 silently.
    LibraryEnclosure r = checkedRange<R>(value, Failure::Never, zeroInside);
    // A base other than 0 has a power other than 0: of its sign, or above 0 for an even n.
    if (r.failure != Failure::Always && !zeroInside) {
        r.value = R::withSign(r.value, even || b.positive(), !even && b.negative());
    }
    return r;
}

template <class R> LibraryEnclosure anyPower(const Interval& base, const Interval& exponent) {
    const bool wholeExponent = exponent.lo == exponent.hi && isWhole(exponent.lo);
    const Interval b = R::operand(base);
    const Interval e = wholeExponent ? exponent : R::operand(exponent);
    if (!b.known() || !e.known() || b.mayBeInfinite() || e.mayBeInfinite()) {
        return maybe();
    }
    if (e.lo == e.hi && isWhole(e.lo)) {
        return wholePower<R>(b, static_cast<double>(e.lo));
    }
    // The bases from 0 up have their powers at the corners, 0 included unless an exponent is
    // negative; a negative base fails where no exponent is whole.
    const bool nowhereWhole = std::floor(e.hi) < std::ceil(e.lo);
    if (b.hi > 0 && (b.lo >= 0 || nowhereWhole) && (b.positive() || e.lo >= 0)) {
        const Failure failure = b.lo < 0 ? Failure::Maybe : Failure::Never;
        Interval from{std::max(b.lo, 0.0L), b.hi, b.zeroExcluded};
        // b^e = exp(e ln b) is monotone in each of e and ln b: its extremes lie at the corners.
        Interval value = R::cornerPowers(from, e);
        if (!value.known()) {
            return maybe();
        }
        LibraryEnclosure r = checkedRange<R>(value, failure, false);
        if (r.failure != Failure::Always) {
            r.value = R::withSign(r.value, from.positive(), false);
        }
        return r;
    }
    // A negative base with an exponent that is not whole is a domain error; with one whole
    // exponent inside, that power is all it can give.
    if (b.hi < 0 && nowhereWhole) {
        return always();
    }
    if (R::OneWholeExponentInside && b.hi < 0 && std::floor(e.hi) == std::ceil(e.lo)) {
        LibraryEnclosure whole = wholePower<R>(b, std::ceil(e.lo));
        whole.failure = std::max(whole.failure, Failure::Maybe);
        return whole;
    }
    return maybe();
}

} // namespace

LibraryEnclosure powerComputed(const Interval& base, const Interval& exponent) {
    return anyPower<Computed>(base, exponent);
}

// The exact reading holds both the power of the exact operands and that of the operands
// rounded to double, as the evaluator rounds them: a constant operand may be stored either
// way. A whole exponent is a double already.
LibraryEnclosure powerExact(const Interval& base, const Interval& exponent) {
    return anyPower<Exact>(base, exponent);
}
