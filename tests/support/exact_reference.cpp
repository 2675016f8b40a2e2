#include "exact_reference.h"

#include "interpreter/code_walk.h"
#include "interpreter/konstanten.h"

#include <mpfi.h>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {

using F = Formelinterpreter;
constexpr mpfr_prec_t Precision = 256;

// An MPFI interval with value semantics, as the walk copies its values. A value made of
// constants alone is a point, as the recorder folds such values once in extended precision.
class Exact {
public:
    Exact() { mpfi_init2(v_, Precision); }
    explicit Exact(long double c) : Exact() { set(c); }
    Exact(const Exact& other) : Exact() {
        mpfi_set(v_, other.v_);
        constant = other.constant;
    }
    Exact& operator=(const Exact& other) {
        mpfi_set(v_, other.v_);
        constant = other.constant;
        return *this;
    }

    bool constant = false;
    ~Exact() { mpfi_clear(v_); }

    void set(long double c) {
        mpfr_t f;
        mpfr_init2(f, 64);
        mpfr_set_ld(f, c, MPFR_RNDN);
        mpfi_set_fr(v_, f);
        mpfr_clear(f);
    }
    mpfi_ptr get() { return v_; }
    mpfi_srcptr get() const { return v_; }

    long double lo() const {
        mpfr_t f;
        mpfr_init2(f, Precision);
        mpfi_get_left(f, v_);
        const long double r = mpfr_get_ld(f, MPFR_RNDD);
        mpfr_clear(f);
        return r;
    }
    long double hi() const {
        mpfr_t f;
        mpfr_init2(f, Precision);
        mpfi_get_right(f, v_);
        const long double r = mpfr_get_ld(f, MPFR_RNDU);
        mpfr_clear(f);
        return r;
    }
    bool isExactlyZero() const { return mpfi_is_zero(v_) > 0; }
    bool hasZero() const { return mpfi_has_zero(v_) > 0; }
    // -1: every value below c, 1: every value above, 0: cannot tell.
    int compare(long double c) const {
        const Exact other(c);
        if (mpfi_is_strictly_pos(Exact(*this).minus(other).get()) > 0) {
            return 1;
        }
        if (mpfi_is_strictly_neg(Exact(*this).minus(other).get()) > 0) {
            return -1;
        }
        return 0;
    }
    Exact& minus(const Exact& other) {
        mpfi_sub(v_, v_, other.v_);
        return *this;
    }

private:
    mpfi_t v_;
};

// The 0 that every running value and operand starts from: a constant, as the recorder folds
// it with the constants combined with it.
Exact constantZero() {
    Exact zero(0);
    zero.constant = true;
    return zero;
}

// The walk's policy that computes exactly.
class ExactWalk {
public:
    using Value = Exact;

    ExactWalk(const F& f, long double x) : f_(f), x_(x) {}

    const F& program() const { return f_; }
    int16_t& pointer() { return pointer_; }
    int32_t& depth() { return depth_; }
    int32_t* stack() { return stack_; }

    Value newOperand() { return constantZero(); }
    void endLevel() {}
    void loadConstant(Value& target, long double value) {
        target.set(value);
        target.constant = true;
    }
    void loadX(Value& target) {
        target.set(x_);
        target.constant = false;
    }
    void loadNegX(Value& target) {
        target.set(-x_);
        target.constant = false;
    }
    void nested(Value& value) { value = code_walk::level(*this, value); }
    void errorTest() const {}

    void function(unsigned char code, Value& target) {
        code_walk::functionArgument(*this, target);
        apply(code, target);
        checkRange(target);
        target.constant = false;
    }

    void combine(unsigned char op, Value& wert, Value& zahl) {
        if (stopped()) {
            return;
        }
        if (wert.constant && zahl.constant && op != '^') {
            foldConstants(op, wert, zahl);
            return;
        }
        wert.constant = false;
        if (op == '^') {
            // The evaluator rounds a power's operands to double; a constant one is stored so.
            for (Value* operand : {&wert, &zahl}) {
                if (operand->constant) {
                    operand->set(static_cast<double>(operand->lo()));
                }
            }
        }
        switch (op) {
        case '+':
            mpfi_add(wert.get(), wert.get(), zahl.get());
            break;
        case '-':
            mpfi_sub(wert.get(), wert.get(), zahl.get());
            break;
        case '*':
            mpfi_mul(wert.get(), wert.get(), zahl.get());
            break;
        case '^':
            power(wert, zahl);
            break;
        default:
            if (zahl.isExactlyZero()) {
                skipped_ = true;
            } else if (zahl.hasZero()) {
                uncertain_ = true;
            } else {
                mpfi_div(wert.get(), wert.get(), zahl.get());
            }
            break;
        }
        checkRange(wert);
    }

    ExactOutcome outcome(const Exact& value) const {
        return {failed_, skipped_, uncertain_, value.lo(), value.hi()};
    }

private:
    void fail() { failed_ = true; }

    // Beyond the range of extended precision the evaluator's values turn infinite, and an
    // exact computation could take without end (sin of 10^(10^6)): such a point is not told.
    bool stopped() { return failed_ || uncertain_; }
    void checkRange(const Exact& v) {
        if (std::fabs(v.lo()) > LDBL_MAX || std::fabs(v.hi()) > LDBL_MAX) {
            uncertain_ = true;
        }
    }

    // Two constants combined once in extended precision, as the recorder folds them.
    void foldConstants(unsigned char op, Value& wert, const Value& zahl) {
        const long double a = wert.lo();
        const long double b = zahl.lo();
        switch (op) {
        case '+':
            wert.set(a + b);
            return;
        case '-':
            wert.set(a - b);
            return;
        case '*':
            wert.set(a * b);
            return;
        default:
            if (b == 0) {
                skipped_ = true;
            } else {
                wert.set(a / b);
            }
            return;
        }
    }

    // A result beyond the doubles fails as the library's overflow does.
    void checkOverflow(const Exact& v) {
        Exact magnitude = v;
        mpfi_abs(magnitude.get(), magnitude.get());
        const int side = magnitude.compare(DBL_MAX);
        if (side > 0) {
            fail();
        } else if (side == 0) {
            uncertain_ = true;
        }
    }

    // One of the domain's edges: true when the value certainly lies on the failing side.
    bool outside(const Exact& v, int wanted, long double edge, bool edgeFails) {
        const int side = v.compare(edge);
        if (side == 0) {
            const bool atEdge = v.lo() == edge && v.hi() == edge;
            if (!atEdge) {
                uncertain_ = true;
            }
            return atEdge && edgeFails;
        }
        return side != wanted;
    }

    void power(Exact& base, const Exact& exponent) {
        const long double e = exponent.lo();
        const bool whole = e == exponent.hi() && std::fabs(e) < 0x1p53L && e == std::trunc(e);
        if (base.isExactlyZero()) {
            if (whole && e == 0) {
                base.set(1);
            } else if (exponent.compare(0) > 0) {
                base.set(0);
            } else if (exponent.compare(0) < 0) {
                fail(); // a pole
            } else {
                uncertain_ = true;
            }
            return;
        }
        if (whole) {
            if (e == 0) {
                base.set(1);
                return;
            }
            if (base.hasZero()) {
                uncertain_ = true;
                return;
            }
            const bool negative = base.compare(0) < 0;
            mpfi_abs(base.get(), base.get());
            mpfi_log(base.get(), base.get());
            mpfi_mul(base.get(), base.get(), exponent.get());
            mpfi_exp(base.get(), base.get());
            if (negative && std::fmod(e, 2.0L) != 0) {
                mpfi_neg(base.get(), base.get());
            }
            checkOverflow(base);
            return;
        }
        if (base.compare(0) <= 0) {
            if (base.compare(0) < 0) {
                fail(); // a negative base under an exponent that is not whole
            } else {
                uncertain_ = true;
            }
            return;
        }
        mpfi_log(base.get(), base.get());
        mpfi_mul(base.get(), base.get(), exponent.get());
        mpfi_exp(base.get(), base.get());
        checkOverflow(base);
    }

    // 1 / v without a test for 0: exactly 0 gives +infinity.
    void reciprocal(Exact& v) {
        if (v.isExactlyZero()) {
            mpfi_set_d(v.get(), INFINITY);
            return;
        }
        if (v.hasZero()) {
            uncertain_ = true;
            return;
        }
        mpfi_inv(v.get(), v.get());
    }

    void scale(Exact& v, long double factor) { mpfi_mul(v.get(), v.get(), Exact(factor).get()); }

    void apply(unsigned char code, Exact& v) {
        if (stopped()) {
            return;
        }
        switch (code) {
        case F::SinD:
        case F::CosD:
        case F::TanD:
        case F::CotD:
            scale(v, DegToRad);
            break;
        case F::ACot:
        case F::ACotD:
            reciprocal(v);
            break;
        default:
            break;
        }
        // Beyond the doubles the evaluator's argument is infinite, and reducing such an
        // argument exactly takes thousands of bits: the point is not told.
        const bool periodic = code == F::Sin || code == F::SinD || code == F::Cos ||
                              code == F::CosD || code == F::Tan || code == F::TanD ||
                              code == F::Cot || code == F::CotD;
        if (periodic && (v.lo() < -DBL_MAX || v.hi() > DBL_MAX)) {
            uncertain_ = true;
            return;
        }
        switch (code) {
        case F::Sin:
        case F::SinD:
            mpfi_sin(v.get(), v.get());
            break;
        case F::Cos:
        case F::CosD:
            mpfi_cos(v.get(), v.get());
            break;
        case F::Tan:
        case F::TanD:
        case F::Cot:
        case F::CotD:
            mpfi_tan(v.get(), v.get());
            break;
        case F::ASin:
        case F::ASinD:
        case F::ACos:
        case F::ACosD:
            if (outside(v, 1, -1, false) || outside(v, -1, 1, false)) {
                fail();
                return;
            }
            if (code == F::ASin || code == F::ASinD) {
                mpfi_asin(v.get(), v.get());
            } else {
                mpfi_acos(v.get(), v.get());
            }
            break;
        case F::ATan:
        case F::ATanD:
        case F::ACot:
        case F::ACotD:
            mpfi_atan(v.get(), v.get());
            break;
        case F::SinH:
            mpfi_sinh(v.get(), v.get());
            checkOverflow(v);
            break;
        case F::CosH:
            mpfi_cosh(v.get(), v.get());
            checkOverflow(v);
            break;
        case F::TanH:
            mpfi_tanh(v.get(), v.get());
            break;
        case F::Sqrt:
            if (outside(v, 1, 0, false)) {
                fail();
                return;
            }
            mpfi_sqrt(v.get(), v.get());
            break;
        case F::Log:
        case F::Ln:
            if (outside(v, 1, 0, true)) {
                fail();
                return;
            }
            if (code == F::Log) {
                mpfi_log10(v.get(), v.get());
            } else {
                mpfi_log(v.get(), v.get());
            }
            break;
        case F::ExpZ: {
            Exact ten(10);
            power(ten, v);
            v = ten;
            break;
        }
        default:
            mpfi_exp(v.get(), v.get());
            checkOverflow(v);
            break;
        }
        switch (code) {
        case F::Cot:
        case F::CotD:
            reciprocal(v);
            break;
        case F::ASinD:
        case F::ACosD:
        case F::ATanD:
        case F::ACotD:
            scale(v, RadToDeg);
            break;
        default:
            break;
        }
    }

    const F& f_;
    const long double x_;
    int16_t pointer_ = 0;
    int32_t depth_ = 0;
    int32_t stack_[F::StackSize] = {};
    bool failed_ = false;
    bool skipped_ = false;
    bool uncertain_ = false;
};

} // namespace

ExactOutcome exactValue(const Formelinterpreter& compiled, long double x) {
    ExactWalk walk(compiled, x);
    const Exact value = code_walk::level(walk, constantZero());
    return walk.outcome(value);
}

bool exactDifferenceQuotient(const Formelinterpreter& compiled, long double a, long double b,
                             long double& lo, long double& hi) {
    ExactWalk at(compiled, a);
    ExactWalk bt(compiled, b);
    Exact fa = code_walk::level(at, constantZero());
    const Exact fb = code_walk::level(bt, constantZero());
    const ExactOutcome oa = at.outcome(fa);
    const ExactOutcome ob = bt.outcome(fb);
    if (oa.failed || oa.skipped || oa.uncertain || ob.failed || ob.skipped || ob.uncertain) {
        return false;
    }
    Exact q = fb;
    mpfi_sub(q.get(), q.get(), fa.get());
    Exact width(b);
    mpfi_sub(width.get(), width.get(), Exact(a).get());
    mpfi_div(q.get(), q.get(), width.get());
    lo = q.lo();
    hi = q.hi();
    return true;
}
