#pragma once

#include "interpreter/formelinterpreter.h"
#include "interpreter/function_list.h"
#include "interpreter/konstanten.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

// What each function of the formula language computes and what is known of the library
// function behind it: one entry per code (the rows of function_list.h), each pointing at the
// description of its library function. The evaluator's call, both readings of the
// enclosures and the slopes are derived from them.
namespace functions {

// What is done to a function's argument before the library call, or to its result after it,
// in extended precision.
enum class Transform : uint8_t {
    Plain,
    Degrees,    // argument times DegToRad; result times RadToDeg
    Reciprocal, // 1 / v, without a test for 0
};

// How a library function behaves over a range, which decides how its range is found.
enum class Family : uint8_t {
    SineLike,    // periodic: extrema located at quarterTurns * pi/2 + k pi, maxima at even k
    Tangent,     // increasing between poles located at quarterTurns * pi/2 + k pi
    Arc,         // monotone on a domain bounded by the library's domain errors
    Logarithm,   // increasing on the positive numbers, failing at 0 and below
    Exponential, // monotone, or falling to a minimum at 0 and rising, up to overflow edges
    Root,        // sqrt: increasing from 0, correctly rounded
    Power,       // pow: of a base and an exponent, enclosed with the powers
};

// How the library fails at one end of its domain.
enum class Edge : uint8_t {
    None,      // it does not
    Closed,    // beyond `at`, not at it: a domain error
    Open,      // at `at` and beyond: ERANGE at a pole, or EDOM
    Overflow,  // beyond `at`, found by measuring; a band around it cannot be told
    Underflow, // as Overflow, but the result is too small for a double: a value of the exact
               // function, a failure of the computed one
};

struct Bound {
    double at;
    Edge edge;
};

// What is known of the signs of a library function's results.
enum class Sign : uint8_t {
    Any,
    Positive,   // above 0 wherever it does not fail
    OfArgument, // other than 0 where the argument is, and of its sign
};

// One function of the C library, as glibc 2.36 on x86_64 computes it.
struct Library {
    const char* name;
    double (*call)(double);
    // The same function in extended precision, for the exact reading where its values reach
    // below the doubles; nullptr where the double one serves.
    long double (*extended)(long double);
    // The largest error in units in the last place that the glibc manual lists for x86_64
    // ("Known Maximum Errors in Math Functions", from sysdeps/x86_64/fpu/libm-test-ulps; -1:
    // correctly rounded); the largest that tests/interpreter/library_bounds_test.cpp met
    // against MPFI over a million arguments, in thousandths; and the bound the enclosures
    // allow: the listed one plus a margin of 2, as the listed ones are errors met, not
    // proven. 0 stands for correctly rounded.
    int listedUlps;
    int measuredMilliUlps;
    int errorUlps;
    Family family;
    Bound low;
    Bound high;
    int quarterTurns;
    // Falls to its smallest value at 0 and rises on either side (cosh); else monotone
    // between the extrema or poles its family locates.
    bool minimumAtZero;
    Sign sign;
};

inline constexpr int Margin = 2;

// Where exp, sinh and cosh overflow and exp underflows to 0, found on glibc 2.36 and checked
// by the tests; beyond the bands around them a finite argument fails, an infinite one is exact.
inline constexpr double ExpOverflow = 709.782712893384;
inline constexpr double ExpToZero = -745.1332191019411;
inline constexpr double HyperbolicOverflow = 710.475860073944;
inline constexpr double Infinity = std::numeric_limits<double>::infinity();

inline constexpr Bound Unbounded{-Infinity, Edge::None};
inline constexpr Bound UnboundedAbove{Infinity, Edge::None};
// sin, cos and tan of an infinite argument are domain errors.
inline constexpr Bound MinusInfinityFails{-Infinity, Edge::Open};
inline constexpr Bound InfinityFails{Infinity, Edge::Open};

// clang-format off
inline constexpr Library sine{"sin", [](double v) { return std::sin(v); }, nullptr,
    1, 515, 1 + Margin, Family::SineLike, MinusInfinityFails, InfinityFails, 1, false, Sign::Any};
inline constexpr Library cosine{"cos", [](double v) { return std::cos(v); }, nullptr,
    1, 514, 1 + Margin, Family::SineLike, MinusInfinityFails, InfinityFails, 0, false, Sign::Any};
inline constexpr Library tangent{"tan", [](double v) { return std::tan(v); }, nullptr,
    0, 539, 0 + Margin, Family::Tangent, MinusInfinityFails, InfinityFails, 1, false, Sign::Any};
inline constexpr Library arcSine{"asin", [](double v) { return std::asin(v); }, nullptr,
    1, 510, 1 + Margin, Family::Arc, {-1, Edge::Closed}, {1, Edge::Closed}, 0, false, Sign::OfArgument};
inline constexpr Library arcCosine{"acos", [](double v) { return std::acos(v); }, nullptr,
    1, 520, 1 + Margin, Family::Arc, {-1, Edge::Closed}, {1, Edge::Closed}, 0, false, Sign::Any};
inline constexpr Library arcTangent{"atan", [](double v) { return std::atan(v); }, nullptr,
    1, 507, 1 + Margin, Family::Arc, Unbounded, UnboundedAbove, 0, false, Sign::OfArgument};
inline constexpr Library hyperbolicSine{"sinh", [](double v) { return std::sinh(v); }, nullptr,
    2, 1667, 2 + Margin, Family::Exponential, {-HyperbolicOverflow, Edge::Overflow},
    {HyperbolicOverflow, Edge::Overflow}, 0, false, Sign::OfArgument};
inline constexpr Library hyperbolicCosine{"cosh", [](double v) { return std::cosh(v); }, nullptr,
    2, 1527, 2 + Margin, Family::Exponential, {-HyperbolicOverflow, Edge::Overflow},
    {HyperbolicOverflow, Edge::Overflow}, 0, true, Sign::Positive};
inline constexpr Library hyperbolicTangent{"tanh", [](double v) { return std::tanh(v); }, nullptr,
    2, 2146, 2 + Margin, Family::Exponential, Unbounded, UnboundedAbove, 0, false, Sign::OfArgument};
inline constexpr Library squareRoot{"sqrt", [](double v) { return std::sqrt(v); }, nullptr,
    -1, 500, 0, Family::Root, {0, Edge::Closed}, UnboundedAbove, 0, false, Sign::OfArgument};
inline constexpr Library decimalLogarithm{"log10", [](double v) { return std::log10(v); },
    [](long double v) { return std::log10(v); },
    2, 1504, 2 + Margin, Family::Logarithm, {0, Edge::Open}, UnboundedAbove, 0, false, Sign::Any};
inline constexpr Library naturalLogarithm{"log", [](double v) { return std::log(v); },
    [](long double v) { return std::log(v); },
    1, 501, 1 + Margin, Family::Logarithm, {0, Edge::Open}, UnboundedAbove, 0, false, Sign::Any};
// pow(10, v): enclosed as a power; its edges are those of every power.
inline constexpr Library powerOfTen{"pow", [](double v) { return std::pow(10.0, v); }, nullptr,
    1, 625, 1 + Margin, Family::Power, Unbounded, UnboundedAbove, 0, false, Sign::Positive};
inline constexpr Library exponential{"exp", [](double v) { return std::exp(v); },
    [](long double v) { return std::exp(v); },
    1, 1000, 1 + Margin, Family::Exponential, {ExpToZero, Edge::Underflow},
    {ExpOverflow, Edge::Overflow}, 0, false, Sign::Positive};
// clang-format on

// Every power the formula computes calls pow, as pow(10, v) does.
inline constexpr const Library& power = powerOfTen;

// The derivative of a function of the language where its argument is v and its value w.
// Degree conversions multiply it by their factor; a reciprocal is part of the form.
enum class Slope : uint8_t {
    CosineOfArgument,           // cos(a), a the library's argument
    MinusSineOfArgument,        // -sin(a)
    OnePlusSquareOfValue,       // 1 + w^2
    MinusOnePlusSquareOfValue,  // -(1 + w^2), of 1 / tan
    ArcSine,                    // 1 / sqrt(1 - v^2)
    MinusArcSine,               // -1 / sqrt(1 - v^2)
    ArcTangent,                 // 1 / (1 + v^2)
    MinusArcTangent,            // -1 / (1 + v^2), of atan(1 / v), which jumps at v = 0
    HyperbolicCosineOfArgument, // cosh(v)
    HyperbolicSineOfArgument,   // sinh(v)
    OneMinusSquareOfValue,      // 1 - w^2
    HalfOverValue,              // 1 / (2 w)
    OverArgumentTimesLn10,      // 1 / (v ln 10)
    OverArgument,               // 1 / v
    ValueTimesLn10,             // w ln 10
    Value,                      // w
};

struct Function {
    unsigned char code;
    const char* word;
    Transform argument;
    const Library* library;
    Transform result;
    Slope slope;
};

inline constexpr Function table[] = {
#define QUINT_FUNCTION_ENTRY(name, code, word, routine, argument, library, result, slope)          \
    {Formelinterpreter::name, word, Transform::argument, &library, Transform::result, Slope::slope},
    QUINT_FUNCTIONS(QUINT_FUNCTION_ENTRY)
#undef QUINT_FUNCTION_ENTRY
};

// The entry of each code, or -1.
inline constexpr std::array<int8_t, 256> entryIndex = [] {
    std::array<int8_t, 256> index{};
    index.fill(-1);
    for (int i = 0; i < static_cast<int>(std::size(table)); ++i) {
        index[table[i].code] = static_cast<int8_t>(i);
    }
    return index;
}();

// The entry of a function code; nullptr for any other code.
inline const Function* find(unsigned char code) {
    const int i = entryIndex[code];
    return i < 0 ? nullptr : &table[i];
}

// The function of one entry as the evaluator computes it: the argument transformed in
// extended precision, rounded to double for the library, the result taken as returned and
// transformed in extended precision.
template <Transform A, const Library& L, Transform R>
[[gnu::always_inline]] inline long double computed(long double v) {
    long double argument = v;
    if constexpr (A == Transform::Degrees) {
        argument = v * DegToRad;
    } else if constexpr (A == Transform::Reciprocal) {
        argument = 1 / v;
    }
    constexpr double (*call)(double) = L.call;
    const long double r = call(static_cast<double>(argument));
    if constexpr (R == Transform::Degrees) {
        return r * RadToDeg;
    } else if constexpr (R == Transform::Reciprocal) {
        return 1 / r;
    } else {
        return r;
    }
}

} // namespace functions

// The function of a function code applied to an evaluated argument: one definition for the
// evaluator's routines and the flat path. Always inline: an extended argument passed through
// memory costs more than most functions.
[[gnu::always_inline]] inline long double applyFunction(unsigned char code, long double v) {
    using functions::Transform;
    switch (code) {
#define QUINT_FUNCTION_CALL(name, code, word, routine, argument, library, result, slope)           \
    case Formelinterpreter::name:                                                                  \
        return functions::computed<Transform::argument, functions::library, Transform::result>(v);
        QUINT_FUNCTIONS(QUINT_FUNCTION_CALL)
#undef QUINT_FUNCTION_CALL
    default:
        return std::numeric_limits<long double>::quiet_NaN(); // no function has this code
    }
}
