// libFuzzer target: the enclosures of a flat program over a range against its values at
// points of the range. The first bytes choose the range, at any scale from 2^-1074 to the
// overflow edge: tiny, huge, straddling 0, or beside an edge of a domain or a pole; the rest
// is the formula. Stops where the computed enclosure misses a value the evaluator computes,
// where the exact enclosure misses the exact value, or where "cannot fail" or "always fails"
// is wrong.
#include "exact_reference.h"
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// Reads the range's bytes; missing ones read as 0.
class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    unsigned next() { return used_ < size_ ? data_[used_++] : 0; }
    unsigned next16() { return next() | next() << 8; }
    std::string_view rest() const {
        return {reinterpret_cast<const char*>(data_ + used_), size_ - used_};
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

// Edges of domains, overflow and underflow edges, and poles, where enclosures are tight.
constexpr long double Edges[] = {0,
                                 1,
                                 -1,
                                 1.5707963267948966192L,
                                 -1.5707963267948966192L,
                                 3.1415926535897932385L,
                                 90,
                                 180,
                                 709.782712893384L,
                                 -708.3964185322641L,
                                 -745.1332191019411L,
                                 710.475860073944L,
                                 308.25471555991675L,
                                 -323.60724533877976L,
                                 1e15L,
                                 0x1p40L,
                                 0x1p63L};

// A magnitude 2^e with e from -1074 to 1024 and a fraction.
long double magnitude(Bytes& b) {
    const int e = static_cast<int>(b.next16() % 2099) - 1074;
    const long double fraction = 1 + b.next16() / 65536.0L;
    return std::ldexp(fraction, e);
}

Interval rangeOf(Bytes& b) {
    const unsigned kind = b.next() % 4;
    long double lo = 0;
    long double hi = 0;
    switch (kind) {
    case 0: { // anywhere, of either sign, one point or a few units wide or far wider
        lo = magnitude(b) * ((b.next() & 1) != 0 ? -1 : 1);
        const unsigned w = b.next();
        hi = w < 64 ? lo : lo + std::fabs(lo) * std::ldexp(1.0L, -static_cast<int>(w % 70));
        break;
    }
    case 1: // straddling 0
        lo = -magnitude(b);
        hi = magnitude(b);
        break;
    case 2: { // beside an edge or a pole
        const long double edge = Edges[b.next() % std::size(Edges)];
        lo = edge + ((b.next() & 1) != 0 ? -1 : 1) * magnitude(b);
        hi = lo + magnitude(b) * ((b.next() & 1) != 0 ? 1 : 0);
        break;
    }
    default: // a few extended values apart
        lo = magnitude(b) * ((b.next() & 1) != 0 ? -1 : 1);
        hi = lo;
        for (unsigned k = b.next() % 8; k > 0; --k) {
            hi = std::nextafter(hi, INFINITY);
        }
        break;
    }
    return {std::min(lo, hi), std::max(lo, hi)};
}

[[noreturn]] void broken(const Formelinterpreter& f, const Interval& range, const char* what,
                         long double x, const Interval& enclosure, long double lo, long double hi) {
    std::fprintf(stderr,
                 "\"%s\" over [%.21Lg, %.21Lg]: %s at x = %.21Lg: value [%.21Lg, %.21Lg], "
                 "enclosure [%.21Lg, %.21Lg]\n",
                 f.Formel, range.lo, range.hi, what, x, lo, hi, enclosure.lo, enclosure.hi);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Formelinterpreter f;
    static FlatProgram flat;
    Bytes bytes(data, size);
    const Interval range = rangeOf(bytes);
    f.setFormel(bytes.rest());
    f.Formel_compillieren();
    flat.compile(f);
    if (!std::isfinite(range.lo) || !std::isfinite(range.hi)) {
        return 0;
    }

    const FlatProgram::Enclosure computed = flat.enclose(range);
    const FlatProgram::ExactEnclosure exact = flat.encloseExactly(range);
    const long double middle = range.lo + (range.hi - range.lo) / 2;
    const long double points[] = {
        range.lo,
        range.hi,
        std::min(std::nextafter(range.lo, INFINITY), range.hi),
        std::max(std::nextafter(range.hi, -INFINITY), range.lo),
        std::clamp(middle, range.lo, range.hi),
        std::clamp(range.lo + (range.hi - range.lo) / 7, range.lo, range.hi)};
    for (const long double x : points) {
        int status = 0;
        const long double value = flat.evaluate(x, status);
        const int error = errno;
        if (computed.alwaysFails && error == 0) {
            broken(f, range, "a point does not fail", x, computed.value, value, value);
        }
        if (computed.cannotFail && (error != 0 || status != 0)) {
            broken(f, range, "a point fails or skips", x, computed.value, value, value);
        }
        if (error == 0 && computed.value.known() &&
            !(computed.value.lo <= value && value <= computed.value.hi)) {
            broken(f, range, "the computed value is not held", x, computed.value, value, value);
        }
        const ExactOutcome truth = exactValue(f, x);
        if (truth.uncertain) {
            continue;
        }
        if (exact.alwaysFails && !truth.failed) {
            broken(f, range, "an exact point does not fail", x, exact.value, truth.lo, truth.hi);
        }
        if (exact.cannotFail && (truth.failed || truth.skipped)) {
            broken(f, range, "an exact point fails or skips", x, exact.value, truth.lo, truth.hi);
        }
        if (!truth.failed && !truth.skipped && exact.value.known() &&
            !(exact.value.lo <= truth.lo && truth.hi <= exact.value.hi)) {
            broken(f, range, "the exact value is not held", x, exact.value, truth.lo, truth.hi);
        }
        if (!truth.failed && !truth.skipped && exact.value.zeroExcluded && truth.lo == 0 &&
            truth.hi == 0) {
            broken(f, range, "an exact value is 0 where 0 is excluded", x, exact.value, truth.lo,
                   truth.hi);
        }
    }
    return 0;
}
