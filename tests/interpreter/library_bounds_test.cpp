// The error bounds the enclosures allow the maths library, against MPFI's rigorous enclosures
// of the exact results: at least a million arguments per function, over the ranges the
// formulas reach, and the largest error met reported.
#include "interpreter/formelinterpreter.h"
#include "interpreter/function_table.h"
#include "interpreter/library_enclosure.h"

#include <gtest/gtest.h>
#include <mpfi.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <random>

namespace {

using F = Formelinterpreter;
constexpr int ArgumentCount = 1000000;
constexpr mpfr_prec_t Precision = 128;

// An argument of one of the scales given, with the sign given.
class Arguments {
public:
    explicit Arguments(unsigned seed) : random_(seed) {}

    double uniform(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random_);
    }
    int choose(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    // |x| spread evenly over the binades between 2^lo and 2^hi, either sign when signed.
    double logUniform(int lo, int hi, bool isSigned) {
        const double x = std::exp2(uniform(lo, hi));
        return isSigned && (random_() & 1) ? -x : x;
    }

private:
    std::mt19937_64 random_;
};

struct Mpfi {
    mpfi_t v;
    Mpfi() { mpfi_init2(v, Precision); }
    ~Mpfi() { mpfi_clear(v); }
    Mpfi(const Mpfi&) = delete;
    Mpfi& operator=(const Mpfi&) = delete;
};

// The error of `computed` in units in the last place of the exact result, the exact result
// known to lie in `exact`: the larger distance to its ends, over the double spacing there.
double errorInUlps(double computed, const Mpfi& exact) {
    mpfr_t lo, hi, d;
    mpfr_inits2(Precision, lo, hi, d, static_cast<mpfr_ptr>(nullptr));
    mpfi_get_left(lo, exact.v);
    mpfi_get_right(hi, exact.v);
    mpfr_sub_d(lo, lo, computed, MPFR_RNDN);
    mpfr_sub_d(hi, hi, computed, MPFR_RNDN);
    mpfr_abs(lo, lo, MPFR_RNDU);
    mpfr_abs(hi, hi, MPFR_RNDU);
    mpfr_max(d, lo, hi, MPFR_RNDU);
    mpfi_get_left(lo, exact.v);
    const long exponent = mpfr_zero_p(lo) ? -1074 : std::max(mpfr_get_exp(lo) - 53, -1074L);
    const double error = std::ldexp(mpfr_get_d(d, MPFR_RNDU), static_cast<int>(-exponent));
    mpfr_clears(lo, hi, d, static_cast<mpfr_ptr>(nullptr));
    return error;
}

// A function of the language: the library call its table entry makes, checked against the
// exact function over the arguments drawn.
struct Function {
    const char* name;
    unsigned char code;
    int (*exact)(mpfi_ptr, mpfi_srcptr);
    double (*argument)(Arguments&);
};

// 10^x = exp(x ln 10), enclosed.
int exp10(mpfi_ptr result, mpfi_srcptr x) {
    mpfi_t ten;
    mpfi_init2(ten, Precision);
    mpfi_set_ui(ten, 10);
    mpfi_log(ten, ten);
    mpfi_mul(result, x, ten);
    const int inexact = mpfi_exp(result, result);
    mpfi_clear(ten);
    return inexact;
}

double spread(Arguments& a) {
    switch (a.choose(3)) {
    case 0:
        return a.uniform(-10, 10);
    case 1:
        return a.logUniform(-30, 20, true);
    default:
        return a.logUniform(-1000, 1000, true);
    }
}

const Function functions[] = {
    {"sin", F::Sin, mpfi_sin, spread},
    {"cos", F::Cos, mpfi_cos, spread},
    {"tan", F::Tan, mpfi_tan, spread},
    {"asin", F::ASin, mpfi_asin, [](Arguments& a) { return a.uniform(-1, 1); }},
    {"acos", F::ACos, mpfi_acos, [](Arguments& a) { return a.uniform(-1, 1); }},
    {"atan", F::ATan, mpfi_atan, [](Arguments& a) { return a.logUniform(-1000, 1000, true); }},
    {"sinh", F::SinH, mpfi_sinh, [](Arguments& a) { return a.uniform(-710, 710); }},
    {"cosh", F::CosH, mpfi_cosh, [](Arguments& a) { return a.uniform(-710, 710); }},
    {"tanh", F::TanH, mpfi_tanh, [](Arguments& a) { return a.logUniform(-40, 5, true); }},
    {"sqrt", F::Sqrt, mpfi_sqrt, [](Arguments& a) { return a.logUniform(-1070, 1020, false); }},
    {"log10", F::Log, mpfi_log10, [](Arguments& a) { return a.logUniform(-1070, 1020, false); }},
    {"log", F::Ln, mpfi_log, [](Arguments& a) { return a.logUniform(-1070, 1020, false); }},
    {"exp", F::ExpN, mpfi_exp, [](Arguments& a) { return a.uniform(-708, 709); }},
    {"pow10", F::ExpZ, exp10, [](Arguments& a) { return a.uniform(-307, 308); }},
};

// The bound in ulps the enclosures rely on; 0 stands for a correctly rounded result.
double allowed(unsigned char code) {
    const int ulps = libraryErrorUlps(code);
    return ulps == 0 ? 0.5 : ulps;
}

class LibraryBound : public testing::TestWithParam<Function> {};

TEST_P(LibraryBound, HoldsAgainstMpfi) {
    const Function& f = GetParam();
    Arguments arguments(static_cast<unsigned>(f.code) * 7919);
    Mpfi x;
    Mpfi exact;
    double worst = 0;
    double worstAt = 0;
    for (int i = 0; i < ArgumentCount; ++i) {
        const double a = f.argument(arguments);
        errno = 0;
        const double computed = functions::find(f.code)->library->call(a);
        if (errno != 0 || !std::isfinite(computed)) {
            continue;
        }
        mpfi_set_d(x.v, a);
        f.exact(exact.v, x.v);
        const double error = errorInUlps(computed, exact);
        if (error > worst) {
            worst = error;
            worstAt = a;
        }
    }
    RecordProperty("largest_error_ulps", std::to_string(worst));
    std::printf("%s (%s): largest error %.3f ulps at %.17g (allowed %.1f)\n", f.name,
                functions::find(f.code)->library->name, worst, worstAt, allowed(f.code));
    EXPECT_LE(worst, allowed(f.code)) << f.name << " at " << worstAt;
}

INSTANTIATE_TEST_SUITE_P(Functions, LibraryBound, testing::ValuesIn(functions),
                         [](const testing::TestParamInfo<Function>& info) {
                             return std::string(info.param.name);
                         });

// pow of a base and an exponent both spread over the ranges formulas reach.
TEST(LibraryBound, PowerHoldsAgainstMpfi) {
    Arguments arguments(4049);
    Mpfi base;
    Mpfi exponent;
    Mpfi exact;
    double worst = 0;
    for (int i = 0; i < ArgumentCount; ++i) {
        const double b = arguments.logUniform(-40, 40, false);
        const double e = arguments.uniform(-25, 25);
        errno = 0;
        const double computed = std::pow(b, e);
        if (errno != 0 || !std::isfinite(computed) || computed == 0) {
            continue;
        }
        mpfi_set_d(base.v, b);
        mpfi_set_d(exponent.v, e);
        mpfi_log(exact.v, base.v);
        mpfi_mul(exact.v, exact.v, exponent.v);
        mpfi_exp(exact.v, exact.v);
        worst = std::max(worst, errorInUlps(computed, exact));
    }
    std::printf("pow: largest error %.3f ulps (allowed %.1f)\n", worst, allowed(F::ExpZ));
    EXPECT_LE(worst, allowed(F::ExpZ));
}

} // namespace
