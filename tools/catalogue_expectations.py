#!/usr/bin/env python3
"""Derives the expected roots of the 67 catalogue equations and prints a C++ header.

Setting: centre 0, half-width 1000, grid step 0.01, so the grid points are
x_j = (-100000 + j) / 100 for j = 0 .. 200000. The scan records a root where d = left - right
is exactly 0 at a grid point (the first point included) or where d changes sign between two
neighbouring points that both evaluate. A sign change is a root when bisection shows |d|
falling toward 0, and a pole or jump otherwise. A point fails when a maths-library call sets
errno (sqrt or ln/log of a negative number, log of 0, a negative base under a fractional
power, an overflow or an underflow to 0); failed points are skipped.

Each side is hand-translated from the formula language into calls on a back end:
  - no implicit multiplication and "^" groups to the left (none of the examples needs more);
  - a division by exactly 0 is skipped: the dividend is kept (div below);
  - "1,34" is read as 1.34.
Two back ends evaluate the same translation: Python floats with the C library's double
functions (through ctypes, reading errno, as the program's library calls do) for the scan,
and the decimal module at 50 digits to refine each root far beyond double precision. Closed
forms (linear and quadratic equations by hand, with fractions and decimal square roots;
periodic families) are checked against the scan.

Usage (from the repository root; the derivation notes go to standard error):
    tools/catalogue_expectations.py > tests/form/example_catalogue_expectations.h
    clang-format -i tests/form/example_catalogue_expectations.h
With --fine it also rescans the transcendental examples at step 0.001, to show that no pair
of roots hides inside one grid step (about ten minutes).
"""

import ctypes
import ctypes.util
import sys
from decimal import Decimal, InvalidOperation, getcontext
from fractions import Fraction

getcontext().prec = 50

PI_TEXT = "3.14159265358979323846264338327950288419716939937510582097494459"
PI = Decimal(PI_TEXT)


class Fail(Exception):
    """An evaluation that the program abandons (errno set)."""


# --------------------------------------------------------------------------------------------
# Back end 1: doubles through the C library, with errno.

_libm = ctypes.CDLL(ctypes.util.find_library("m"), use_errno=True)


def _libm_function(name, arity):
    function = getattr(_libm, name)
    function.restype = ctypes.c_double
    function.argtypes = [ctypes.c_double] * arity

    def call(*args):
        ctypes.set_errno(0)
        result = function(*[float(a) for a in args])
        if ctypes.get_errno() != 0:
            raise Fail
        return result

    return call


class FloatBackend:
    pow = staticmethod(_libm_function("pow", 2))
    sqrt = staticmethod(_libm_function("sqrt", 1))
    ln = staticmethod(_libm_function("log", 1))
    log = staticmethod(_libm_function("log10", 1))
    sin = staticmethod(_libm_function("sin", 1))
    cos = staticmethod(_libm_function("cos", 1))
    tan = staticmethod(_libm_function("tan", 1))

    @staticmethod
    def num(text):
        return float(text.replace(",", "."))

    @staticmethod
    def div(a, b):
        return a if b == 0 else a / b


# --------------------------------------------------------------------------------------------
# Back end 2: 50-digit decimals. Literals keep their double value, as strtod gives it.


def _reduce(v):
    two_pi = 2 * PI
    return v - two_pi * (v / two_pi).to_integral_value()


def _sin(v):
    v = _reduce(v)
    term, total, n = v, v, 1
    while abs(term) > Decimal("1e-60"):
        term = -term * v * v / ((2 * n) * (2 * n + 1))
        total += term
        n += 1
    return total


def _cos(v):
    v = _reduce(v)
    term, total, n = Decimal(1), Decimal(1), 1
    while abs(term) > Decimal("1e-60"):
        term = -term * v * v / ((2 * n - 1) * (2 * n))
        total += term
        n += 1
    return total


def _atan_small(v):
    term, total, n = v, v, 1
    while abs(term) > Decimal("1e-60"):
        term = -term * v * v
        total += term / (2 * n + 1)
        n += 1
    return total


class DecimalBackend:
    @staticmethod
    def num(text):
        return Decimal(float(text.replace(",", ".")))

    @staticmethod
    def div(a, b):
        return a if b == 0 else a / b

    @staticmethod
    def pow(a, b):
        if a == 0:
            if b > 0:
                return Decimal(0)
            if b == 0:
                return Decimal(1)
            raise Fail
        if a < 0 and b != b.to_integral_value():
            raise Fail
        try:
            return a**b
        except InvalidOperation as error:
            raise Fail from error

    @staticmethod
    def sqrt(v):
        if v < 0:
            raise Fail
        return v.sqrt()

    @staticmethod
    def ln(v):
        if v <= 0:
            raise Fail
        return v.ln()

    @staticmethod
    def log(v):
        if v <= 0:
            raise Fail
        return v.log10()

    sin = staticmethod(_sin)
    cos = staticmethod(_cos)

    @staticmethod
    def tan(v):
        return _sin(v) / _cos(v)


# --------------------------------------------------------------------------------------------
# The catalogue: number, text, d(x, M) = left - right translated by hand.

def n(M, text):
    return M.num(text)


CATALOGUE = [
    (1, "X^2=2", lambda x, M: M.pow(x, n(M, "2")) - n(M, "2")),
    (2, "X^2=X+2", lambda x, M: M.pow(x, n(M, "2")) - (x + n(M, "2"))),
    (3, "sqrt(x)=sin(x)*3", lambda x, M: M.sqrt(x) - M.sin(x) * n(M, "3")),
    (4, "sqrt(x+18+sqrt(2*x+10))=5",
     lambda x, M: M.sqrt(x + n(M, "18") + M.sqrt(n(M, "2") * x + n(M, "10"))) - n(M, "5")),
    (5, "sqrt(x)=0.1*x^2", lambda x, M: M.sqrt(x) - n(M, "0.1") * M.pow(x, n(M, "2"))),
    (6, "(x+4)^(1/3)=5",
     lambda x, M: M.pow(x + n(M, "4"), M.div(n(M, "1"), n(M, "3"))) - n(M, "5")),
    (7, "3^X=3.976277948", lambda x, M: M.pow(n(M, "3"), x) - n(M, "3.976277948")),
    (8, "X^X+2.0*X^2+1,34*X=94.31695275",
     lambda x, M: M.pow(x, x) + n(M, "2.0") * M.pow(x, n(M, "2")) + n(M, "1,34") * x
     - n(M, "94.31695275")),
    (9, "X^3+X^2+3*X+3.7^X-LN(X*100)=13.98690655",
     lambda x, M: M.pow(x, n(M, "3")) + M.pow(x, n(M, "2")) + n(M, "3") * x
     + M.pow(n(M, "3.7"), x) - M.ln(x * n(M, "100")) - n(M, "13.98690655")),
    (10, "x^2=sqrt(x)", lambda x, M: M.pow(x, n(M, "2")) - M.sqrt(x)),
    (11, "ln(x*0.23)=log(x+3.51)",
     lambda x, M: M.ln(x * n(M, "0.23")) - M.log(x + n(M, "3.51"))),
    (12, "X^5.3+10*X^2-LOG(X*374.0)=339.6004709",
     lambda x, M: M.pow(x, n(M, "5.3")) + n(M, "10") * M.pow(x, n(M, "2"))
     - M.log(x * n(M, "374.0")) - n(M, "339.6004709")),
    (13, "3.71^X+LOG(X)*133.0=62.39007573",
     lambda x, M: M.pow(n(M, "3.71"), x) + M.log(x) * n(M, "133.0") - n(M, "62.39007573")),
    (14, "x^2+LOG(x)*100=74.55284819",
     lambda x, M: M.pow(x, n(M, "2")) + M.log(x) * n(M, "100") - n(M, "74.55284819")),
    (15, "7*2^x=3^x+32.28855158",
     lambda x, M: n(M, "7") * M.pow(n(M, "2"), x)
     - (M.pow(n(M, "3"), x) + n(M, "32.28855158"))),
    (16, "(X*100)^0.5+X^3+100=140.1198911",
     lambda x, M: M.pow(x * n(M, "100"), n(M, "0.5")) + M.pow(x, n(M, "3")) + n(M, "100")
     - n(M, "140.1198911")),
    (17, "3^X*X+5=69.31950648",
     lambda x, M: M.pow(n(M, "3"), x) * x + n(M, "5") - n(M, "69.31950648")),
    (18, "4/(X-5)-2/(X+4)+5/(X+1)=0",
     lambda x, M: M.div(n(M, "4"), x - n(M, "5")) - M.div(n(M, "2"), x + n(M, "4"))
     + M.div(n(M, "5"), x + n(M, "1")) - n(M, "0")),
    (19, "0.5*sin(x*10)+x=x",
     lambda x, M: (n(M, "0.5") * M.sin(x * n(M, "10")) + x) - x),
    (20, "tan(x)=0.5", lambda x, M: M.tan(x) - n(M, "0.5")),
    (21, "cos(x)=sin(x)", lambda x, M: M.cos(x) - M.sin(x)),
    (22, "cos(x)=x^3", lambda x, M: M.cos(x) - M.pow(x, n(M, "3"))),
    (23, "cos(2*x)+x=x^3",
     lambda x, M: (M.cos(n(M, "2") * x) + x) - M.pow(x, n(M, "3"))),
    (24, "X*(X+31)=690", lambda x, M: x * (x + n(M, "31")) - n(M, "690")),
    (25, "(X+5)*(X-3)=153",
     lambda x, M: (x + n(M, "5")) * (x - n(M, "3")) - n(M, "153")),
    (26, "42/70=X/(X+60)",
     lambda x, M: M.div(n(M, "42"), n(M, "70")) - M.div(x, x + n(M, "60"))),
    (27, "X+1=79+2/(X+3)",
     lambda x, M: (x + n(M, "1")) - (n(M, "79") + M.div(n(M, "2"), x + n(M, "3")))),
    (28, "X+44=79+2/(X+3)",
     lambda x, M: (x + n(M, "44")) - (n(M, "79") + M.div(n(M, "2"), x + n(M, "3")))),
    (29, "X+7.5=12.5+3*x/(x+5)",
     lambda x, M: (x + n(M, "7.5"))
     - (n(M, "12.5") + M.div(n(M, "3") * x, x + n(M, "5")))),
    (30, "12/25=X/(X+15)",
     lambda x, M: M.div(n(M, "12"), n(M, "25")) - M.div(x, x + n(M, "15"))),
    (31, "X+(2+1/2)=(3+2/5)",
     lambda x, M: (x + (n(M, "2") + M.div(n(M, "1"), n(M, "2"))))
     - (n(M, "3") + M.div(n(M, "2"), n(M, "5")))),
    (32, "X+17=10*X/15",
     lambda x, M: (x + n(M, "17")) - M.div(n(M, "10") * x, n(M, "15"))),
    (33, "X-9=3*X+2", lambda x, M: (x - n(M, "9")) - (n(M, "3") * x + n(M, "2"))),
    (34, "X-0.5=2.5*x", lambda x, M: (x - n(M, "0.5")) - n(M, "2.5") * x),
    (35, "X-(3+1/X)=2+1/(X+1)",
     lambda x, M: (x - (n(M, "3") + M.div(n(M, "1"), x)))
     - (n(M, "2") + M.div(n(M, "1"), x + n(M, "1")))),
    (36, "X-(9+2/3)=(4+1/X)",
     lambda x, M: (x - (n(M, "9") + M.div(n(M, "2"), n(M, "3"))))
     - (n(M, "4") + M.div(n(M, "1"), x))),
    (37, "X+21=X+3/(X+2)",
     lambda x, M: (x + n(M, "21")) - (x + M.div(n(M, "3"), x + n(M, "2")))),
    (38, "X+21=X+3/(X+2)",
     lambda x, M: (x + n(M, "21")) - (x + M.div(n(M, "3"), x + n(M, "2")))),
    (39, "(40+2*X)*(30+2*X)=4*1200",
     lambda x, M: (n(M, "40") + n(M, "2") * x) * (n(M, "30") + n(M, "2") * x)
     - n(M, "4") * n(M, "1200")),
    (40, "0.3*X=3/10", lambda x, M: n(M, "0.3") * x - M.div(n(M, "3"), n(M, "10"))),
    (41, "1.25*X=5/9", lambda x, M: n(M, "1.25") * x - M.div(n(M, "5"), n(M, "9"))),
    (42, "X/4=5", lambda x, M: M.div(x, n(M, "4")) - n(M, "5")),
    (43, "X/7=8", lambda x, M: M.div(x, n(M, "7")) - n(M, "8")),
    (44, "X/0.5=20", lambda x, M: M.div(x, n(M, "0.5")) - n(M, "20")),
    (45, "X/2.7=5.2", lambda x, M: M.div(x, n(M, "2.7")) - n(M, "5.2")),
    (46, "X/3=2/3", lambda x, M: M.div(x, n(M, "3")) - M.div(n(M, "2"), n(M, "3"))),
    (47, "X/5=(6+2/15)",
     lambda x, M: M.div(x, n(M, "5")) - (n(M, "6") + M.div(n(M, "2"), n(M, "15")))),
    (48, "X/(1/2)=(4+2/3)",
     lambda x, M: M.div(x, M.div(n(M, "1"), n(M, "2")))
     - (n(M, "4") + M.div(n(M, "2"), n(M, "3")))),
    (49, "X/(3+2/5)=(4+7/17)",
     lambda x, M: M.div(x, n(M, "3") + M.div(n(M, "2"), n(M, "5")))
     - (n(M, "4") + M.div(n(M, "7"), n(M, "17")))),
    (50, "30=X-6", lambda x, M: n(M, "30") - (x - n(M, "6"))),
    (51, "(5+1/2)=(4+1/2)+X",
     lambda x, M: (n(M, "5") + M.div(n(M, "1"), n(M, "2")))
     - ((n(M, "4") + M.div(n(M, "1"), n(M, "2"))) + x)),
    (52, "4/5=8*X", lambda x, M: M.div(n(M, "4"), n(M, "5")) - n(M, "8") * x),
    (53, "(3+3/5)=(2+1/2)*X",
     lambda x, M: (n(M, "3") + M.div(n(M, "3"), n(M, "5")))
     - (n(M, "2") + M.div(n(M, "1"), n(M, "2"))) * x),
    (54, "(4+2/3)=(1+3/7)*X",
     lambda x, M: (n(M, "4") + M.div(n(M, "2"), n(M, "3")))
     - (n(M, "1") + M.div(n(M, "3"), n(M, "7"))) * x),
    (55, "2.5=X/4", lambda x, M: n(M, "2.5") - M.div(x, n(M, "4"))),
    (56, "(3+1/2)=x/0.5",
     lambda x, M: (n(M, "3") + M.div(n(M, "1"), n(M, "2"))) - M.div(x, n(M, "0.5"))),
    (57, "(4+1/5)=X/(3+5/7)",
     lambda x, M: (n(M, "4") + M.div(n(M, "1"), n(M, "5")))
     - M.div(x, n(M, "3") + M.div(n(M, "5"), n(M, "7")))),
    (58, "10/x=5", lambda x, M: M.div(n(M, "10"), x) - n(M, "5")),
    (59, "4.5/X=1.5", lambda x, M: M.div(n(M, "4.5"), x) - n(M, "1.5")),
    (60, "5/X=3/14", lambda x, M: M.div(n(M, "5"), x) - M.div(n(M, "3"), n(M, "14"))),
    (61, "13/X=(5+1/5)",
     lambda x, M: M.div(n(M, "13"), x) - (n(M, "5") + M.div(n(M, "1"), n(M, "5")))),
    (62, "20/X=(3+1/3)",
     lambda x, M: M.div(n(M, "20"), x) - (n(M, "3") + M.div(n(M, "1"), n(M, "3")))),
    (63, "(5.4/X)=(1+4/5)",
     lambda x, M: M.div(n(M, "5.4"), x) - (n(M, "1") + M.div(n(M, "4"), n(M, "5")))),
    (64, "99/55=72/X", lambda x, M: M.div(n(M, "99"), n(M, "55")) - M.div(n(M, "72"), x)),
    (65, "6/14=72/X", lambda x, M: M.div(n(M, "6"), n(M, "14")) - M.div(n(M, "72"), x)),
    (66, "50/30=X/(112-X)",
     lambda x, M: M.div(n(M, "50"), n(M, "30")) - M.div(x, n(M, "112") - x)),
    (67, "42/70=X/(X+60)",
     lambda x, M: M.div(n(M, "42"), n(M, "70")) - M.div(x, x + n(M, "60"))),
]

TRANSCENDENTAL = {3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 22, 23}


# --------------------------------------------------------------------------------------------
# Closed forms, by hand. Each gives the exact roots in [-1000, 1000] (as Decimal), or a
# periodic family (offset, period).

def dsqrt(value):
    return Decimal(value).sqrt()


def quadratic(a, b, c):
    """Real roots of a x^2 + b x + c = 0 with integer or Fraction coefficients."""
    a, b, c = Fraction(a), Fraction(b), Fraction(c)
    disc = b * b - 4 * a * c
    root = Decimal(disc.numerator).sqrt() / Decimal(disc.denominator).sqrt()
    bd, ad = Decimal(b.numerator) / b.denominator, Decimal(a.numerator) / a.denominator
    return sorted([(-bd - root) / (2 * ad), (-bd + root) / (2 * ad)])


def frac(value):
    value = Fraction(value)
    return Decimal(value.numerator) / Decimal(value.denominator)


def linear(a, b):
    """Root of a x + b = 0."""
    return [frac(-Fraction(b) / Fraction(a))]


F = Fraction
CLOSED_FORMS = {
    1: lambda: [-dsqrt(2), dsqrt(2)],
    2: lambda: quadratic(1, -1, -2),                      # x^2 - x - 2 = (x + 1)(x - 2)
    # sqrt(2x+10) = 7 - x gives x^2 - 16x + 39 = 0: 3 and 13, where 13 makes 7 - x negative.
    4: lambda: [Decimal(3)],
    # sqrt(x) = x^2 / 10: x = 0 or x^(3/2) = 10.
    5: lambda: [Decimal(0), Decimal(100) ** (Decimal(1) / 3)],
    6: lambda: [Decimal(121)],                            # x + 4 = 125
    7: lambda: [Decimal(float("3.976277948")).ln() / Decimal(3).ln()],
    10: lambda: [Decimal(0), Decimal(1)],                 # x^4 = x on x >= 0
    # 4(x+4)(x+1) - 2(x-5)(x+1) + 5(x-5)(x+4) = 7x^2 + 23x - 74
    18: lambda: quadratic(7, 23, -74),
    24: lambda: quadratic(1, 31, -690),                   # -46 and 15
    25: lambda: quadratic(1, 2, -168),                    # -14 and 12
    26: lambda: linear(F(2, 5), -36),                     # 0.6 (x + 60) = x
    27: lambda: quadratic(1, -75, -236),                  # (x - 78)(x + 3) = 2
    28: lambda: quadratic(1, -32, -107),                  # (x - 35)(x + 3) = 2
    29: lambda: quadratic(1, -3, -25),                    # (x - 5)(x + 5) = 3x
    30: lambda: linear(F(13, 25), F(-36, 5)),             # 0.48 (x + 15) = x
    31: lambda: linear(1, F(5, 2) - F(17, 5)),
    32: lambda: linear(F(1, 3), 17),
    33: lambda: linear(-2, -11),
    34: lambda: linear(F(-3, 2), F(-1, 2)),
    37: lambda: [frac(F(-13, 7))],                        # 3 / (x + 2) = 21
    38: lambda: [frac(F(-13, 7))],
    39: lambda: quadratic(1, 35, -900),                   # (40 + 2x)(30 + 2x) = 4800
    40: lambda: [Decimal(1)],
    41: lambda: [frac(F(4, 9))],
    42: lambda: [Decimal(20)],
    43: lambda: [Decimal(56)],
    44: lambda: [Decimal(10)],
    45: lambda: [frac(F(27, 10) * F(52, 10))],
    46: lambda: [Decimal(2)],
    47: lambda: [frac(5 * (6 + F(2, 15)))],
    48: lambda: [frac((4 + F(2, 3)) / 2)],
    49: lambda: [frac((3 + F(2, 5)) * (4 + F(7, 17)))],
    50: lambda: [Decimal(36)],
    51: lambda: [Decimal(1)],
    52: lambda: [frac(F(4, 5) / 8)],
    53: lambda: [frac((3 + F(3, 5)) / (2 + F(1, 2)))],
    54: lambda: [frac((4 + F(2, 3)) / (1 + F(3, 7)))],
    55: lambda: [Decimal(10)],
    56: lambda: [frac((3 + F(1, 2)) / 2)],
    57: lambda: [frac((4 + F(1, 5)) * (3 + F(5, 7)))],
    58: lambda: [Decimal(2)],
    59: lambda: [Decimal(3)],
    60: lambda: [frac(5 / F(3, 14))],
    61: lambda: [frac(13 / (5 + F(1, 5)))],
    62: lambda: [frac(20 / (3 + F(1, 3)))],
    63: lambda: [frac(F(54, 10) / (1 + F(4, 5)))],
    64: lambda: [frac(72 / F(99, 55))],
    65: lambda: [frac(72 / F(6, 14))],
    66: lambda: [frac(F(5, 3) * 112 / (1 + F(5, 3)))],   # (5/3)(112 - x) = x
    67: lambda: linear(F(2, 5), -36),
}


def cubic_35():
    """x - 5 = 1/x + 1/(x + 1) gives x^3 - 4x^2 - 7x - 1 = 0 (no root at 0 or -1)."""
    def p(v):
        return ((v - 4) * v - 7) * v - 1

    roots = []
    for lo, hi in ((-2, -1), (-1, 0), (5, 6)):   # p changes sign on each: p(-2)<0<p(-1), p(0)<0
        lo, hi = Decimal(lo), Decimal(hi)
        for _ in range(200):
            mid = (lo + hi) / 2
            if (p(mid) < 0) == (p(lo) < 0):
                lo = mid
            else:
                hi = mid
        roots.append(lo)
    return roots


CLOSED_FORMS[35] = cubic_35
CLOSED_FORMS[36] = lambda: quadratic(3, -41, -3)          # 3x^2 - 41x - 3 = 0

# Periodic families: offset + k * period for all k with the root in [-1000, 1000].
FAMILIES = {
    19: (Decimal(0), PI / 10),                                        # sin(10x) = 0
    20: (_atan_small(Decimal("0.5")), PI),                            # x = atan(0.5) + k pi
    21: (PI / 4, PI),                                                 # tan(x) = 1
}


def family_range(offset, period):
    k_first = -((Decimal(1000) + offset) / period).to_integral_value(rounding="ROUND_FLOOR")
    k_last = ((Decimal(1000) - offset) / period).to_integral_value(rounding="ROUND_FLOOR")
    return int(k_first), int(k_last)


# Remarks carried into the header, above the example's entry.
NOTES = {
    3: "0 is a grid point where both sides are exactly 0; x < 0 fails (sqrt).",
    5: "0 is a grid point where both sides are exactly 0; x < 0 fails (sqrt).",
    8: "\"1,34\" reads as 1.34. x^x fails for negative non-integers; the integer points -8 "
       "and -7 differ in sign with no valid point between: no root there.",
    9: "A second root near 2.3e-8 lies between the failing point 0 (ln 0) and 0.01: followed "
       "from 0.01 toward the border, d changes sign there.",
    10: "0 is a grid point where both sides are exactly 0; x < 0 fails (sqrt).",
    18: "The poles -4, -1 and 5 change sign but are no roots.",
    19: "k pi / 10; 0 is an exact zero at a grid point.",
    20: "atan(0.5) + k pi; the 637 sign changes at the poles of tan are no roots.",
    21: "pi / 4 + k pi.",
    27: "The root near -3.0247 is steep: |d| is 19 at the grid point after it.",
    40: "0.3 is a double literal and 3/10 an extended quotient: the root is 1 + 4e-17.",
}
for _pole_example in (26, 28, 29, 30, 35, 36, 37, 38, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67):
    NOTES.setdefault(_pole_example, "The sign change at the pole is no root.")


# --------------------------------------------------------------------------------------------
# The scan.

def evaluate(d, x, backend):
    try:
        return d(x, backend)
    except (Fail, ZeroDivisionError, OverflowError):
        return None


def classify(d, lo, hi, dlo, dhi):
    """Bisects a sign change in doubles: ('root', x), ('pole', x) or ('gap', x)."""
    while True:
        mid = (lo + hi) / 2
        if mid in (lo, hi):
            break
        dm = evaluate(d, mid, FloatBackend)
        if dm is None:
            return "gap", mid
        if dm == 0:
            return "root", mid
        if (dm < 0) == (dlo < 0):
            lo, dlo = mid, dm
        else:
            hi, dhi = mid, dm
    if max(abs(dlo), abs(dhi)) < 1e-6:
        return "root", lo if abs(dlo) <= abs(dhi) else hi
    if min(abs(dlo), abs(dhi)) > 1:
        return "pole", lo
    raise RuntimeError(f"unclear sign change near {lo}: d = {dlo}, {dhi}")


def toward_border(d, valid_x, valid_d, failed_x):
    """Halves toward a failing neighbour; a sign change met on the way is a root or a pole."""
    lo, hi = valid_x, failed_x
    for _ in range(2000):
        mid = (lo + hi) / 2
        if mid in (lo, hi):
            return None
        dm = evaluate(d, mid, FloatBackend)
        if dm is None:
            hi = mid
        elif (dm < 0) != (valid_d < 0):
            a, b, da, db = (lo, mid, valid_d, dm) if lo < mid else (mid, lo, dm, valid_d)
            return classify(d, a, b, da, db)
        else:
            lo, valid_d = mid, dm
    return None


def scan(d, steps_per_unit=100, lower=-1000, upper=1000):
    """Returns (roots, notes): roots as (x, kind, newer |d|), notes about what is dropped."""
    roots, notes, dropped = [], [], []
    count = (upper - lower) * steps_per_unit
    base = lower * steps_per_unit
    prev_x = base / steps_per_unit
    prev_d = evaluate(d, prev_x, FloatBackend)
    if prev_d == 0:
        roots.append((prev_x, "zero", 0.0))
    tiny = []
    last_x, last_d = prev_x, prev_d
    for j in range(1, count + 1):
        x = (base + j) / steps_per_unit
        dx = evaluate(d, x, FloatBackend)
        # Where a valid grid point neighbours a failing one, d is followed to the border.
        if (dx is None) != (last_d is None):
            valid_x, valid_d, failed_x = (x, dx, last_x) if dx is not None else (last_x, last_d, x)
            hit = toward_border(d, valid_x, valid_d, failed_x) if valid_d != 0 else None
            if hit is not None and hit[0] == "root":
                roots.append((hit[1], "border", 0.0))
        last_x, last_d = x, dx
        if dx is None:
            continue
        if dx == 0:
            roots.append((x, "zero", 0.0))
        elif prev_d is not None and prev_d * dx < 0:
            kind, where = classify(d, prev_x, x, prev_d, dx)
            if kind == "root":
                roots.append((where, "steep" if abs(dx) >= 3 else "sign", abs(dx)))
            else:
                dropped.append(f"{kind} near {where:.6g} (bracket [{prev_x:g}, {x:g}], "
                               f"|d| at the newer point {abs(dx):.3g})")
                if kind == "pole" and abs(dx) < 3:
                    notes.append(f"pole near {where:.6g} whose newer point has |d| < 3!")
        elif abs(dx) < 1e-12:
            tiny.append(x)
        prev_x, prev_d = x, dx
    roots.sort()
    if dropped:
        shown = dropped if len(dropped) <= 4 else dropped[:2] + ["..."] + dropped[-1:]
        notes.append(f"{len(dropped)} sign changes dropped: " + "; ".join(shown))
    for x in tiny:
        if all(abs(x - r) > 0.011 for r, _, _ in roots):
            notes.append(f"near-zero d at grid point {x:g} without a root: check by hand")
    return roots, notes


def refine_decimal(d, approx):
    """Refines a root in 50-digit decimals from its double approximation."""
    x = Decimal(approx)
    if evaluate(d, x, DecimalBackend) == 0:
        return x
    width = Decimal("1e-10") * max(Decimal(1), abs(x))
    lo, hi = x - width, x + width
    dlo, dhi = evaluate(d, lo, DecimalBackend), evaluate(d, hi, DecimalBackend)
    if dlo is None or dhi is None or (dlo < 0) == (dhi < 0):
        # A root at the edge of the domain (sqrt, ln): it must be exact.
        value = evaluate(d, x, DecimalBackend)
        if value is not None and abs(value) < Decimal("1e-40"):
            return x
        raise RuntimeError(f"no decimal sign change around {approx}")
    for _ in range(120):
        mid = (lo + hi) / 2
        dm = evaluate(d, mid, DecimalBackend)
        if dm == 0:
            return mid
        if (dm < 0) == (dlo < 0):
            lo, dlo = mid, dm
        else:
            hi = mid
    return (lo + hi) / 2


def relative_gap(a, b):
    a, b = Decimal(a), Decimal(b)
    return abs(a - b) / max(Decimal(1), abs(b))


# --------------------------------------------------------------------------------------------

def derive(number, text, d):
    """Returns a record for the header; checks every closed form against the scan."""
    found, notes = scan(d)
    xs = [x for x, _, _ in found]
    assert xs == sorted(xs) and len(set(xs)) == len(xs), f"{number}: roots out of order"
    record = {"number": number, "text": text, "count": len(found), "notes": notes,
              "steep": [(x, g) for x, kind, g in found if kind == "steep"],
              "zeros": [x for x, kind, _ in found if kind == "zero"]}
    if number in FAMILIES:
        offset, period = FAMILIES[number]
        k_first, k_last = family_range(offset, period)
        exact = [offset + k * period for k in range(k_first, k_last + 1)]
        assert len(exact) == len(found), f"{number}: family {len(exact)} vs scan {len(found)}"
        worst = max(relative_gap(a, b) for a, b in zip(xs, exact))
        assert worst < Decimal("1e-12"), f"{number}: family off by {worst}"
        record.update(family=(offset, period, k_first, k_last), roots=exact,
                      check=f"closed form {k_last - k_first + 1} roots, worst gap {worst:.1e}")
        return record
    refined = [refine_decimal(d, x) for x in xs]
    worst = max((relative_gap(a, b) for a, b in zip(xs, refined)), default=Decimal(0))
    check = f"double vs decimal {worst:.1e}"
    if number in CLOSED_FORMS:
        exact = [r for r in CLOSED_FORMS[number]() if -1000 <= r <= 1000]
        assert len(exact) == len(refined), f"{number}: closed form {exact} vs scan {refined}"
        gap = max((relative_gap(a, b) for a, b in zip(refined, exact)), default=Decimal(0))
        # Literals are doubles (0.3, 2.7, ...) and sums are rounded, so the program's equation
        # differs from the exact one by about 1e-16.
        assert gap < Decimal("1e-13"), f"{number}: closed form off by {gap}"
        check += f", closed form {gap:.1e}"
        refined = exact
    record.update(roots=refined, check=check)
    return record


def fine_check(number, d, coarse_count):
    found, _ = scan(d, steps_per_unit=1000)
    return len(found) == coarse_count, len(found)


def literal(value):
    if value == 0:
        return "0.0L"
    text = f"{Decimal(value):.21g}"
    if "e" not in text and "." not in text:
        text += ".0"
    return text + "L"


def heading(text):
    left, right = text.split("=", 1)
    return f"{left.replace(' ', '').lower()} = {right.replace(' ', '').lower()}"


SAMPLE_LIMIT = 12


def samples(roots):
    if len(roots) <= SAMPLE_LIMIT:
        return list(roots)
    last = len(roots) - 1
    picks = sorted({0, 1, last // 4, last // 2, last // 2 + 1, 3 * last // 4, last - 1, last})
    return [roots[i] for i in picks]


def emit(records):
    out = []
    w = out.append
    w("// Expected results of the 67 catalogue equations at the start settings (centre 0,")
    w("// half-width 1000, step 0.01). Generated by tools/catalogue_expectations.py, which")
    w("// derives them from closed forms and from its own scan of the grid x = k / 100.")
    w("#pragma once")
    w("")
    w("#include <optional>")
    w("#include <vector>")
    w("")
    w("// Roots offset + k * period for k = kFirst .. kLast, in increasing order.")
    w("struct RootFamily {")
    w("    long double offset;")
    w("    long double period;")
    w("    int kFirst;")
    w("    int kLast;")
    w("};")
    w("")
    w("struct CatalogueExpectation {")
    w("    int number;")
    w("    const char* text;    // the catalogue row: left side, \"=\", right side")
    w("    const char* heading; // the normalised heading line")
    w("    int rootCount;       // result lines")
    w("    std::vector<long double> roots; // every root, or a sample of them when family is set")
    w("    std::optional<RootFamily> family;")
    w("};")
    w("")
    w("inline const std::vector<CatalogueExpectation> catalogueExpectations = {")
    for r in records:
        if r["number"] in NOTES:
            w(f"    // {r['number']}: {NOTES[r['number']]}")
        roots = r["roots"] if "family" not in r else samples(r["roots"])
        values = ", ".join(literal(v) for v in roots)
        family = "std::nullopt"
        if "family" in r:
            offset, period, k_first, k_last = r["family"]
            family = (f"RootFamily{{{literal(offset)}, {literal(period)}, {k_first}, "
                      f"{k_last}}}")
        w(f"    {{{r['number']}, \"{r['text']}\", \"{heading(r['text'])}\", {r['count']},")
        w(f"     {{{values}}},")
        w(f"     {family}}},")
    w("};")
    return "\n".join(out) + "\n"


def main():
    fine = "--fine" in sys.argv[1:]
    records = []
    for number, text, d in CATALOGUE:
        record = derive(number, text, d)
        records.append(record)
        summary = f"{number:2d} {text:42s} {record['count']:5d}  {record['check']}"
        if record["zeros"]:
            summary += f"; zero at grid points {[float(z) for z in record['zeros'][:4]]}"
        if record["steep"]:
            summary += "; steep (|d| >= 3 at the newer point): " + ", ".join(
                f"{x:.6g} (|d| {g:.3g})" for x, g in record["steep"])
        print(summary, file=sys.stderr)
        for note in record["notes"]:
            print(f"     {note}", file=sys.stderr)
        if fine and number in TRANSCENDENTAL:
            same, count = fine_check(number, d, record["count"])
            print(f"     step 0.001: {count} roots ({'same' if same else 'DIFFERENT'})",
                  file=sys.stderr)
    sys.stdout.write(emit(records))


if __name__ == "__main__":
    main()
