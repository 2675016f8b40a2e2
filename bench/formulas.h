#pragma once

#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

#include <benchmark/benchmark.h>

#include <cmath>

// The benchmark formulas, each as the interpreter's text and written by hand in C++
// (long double arithmetic, double library calls, as the interpreter computes them).
namespace bench {

inline long double pw(long double a, long double b) {
    return std::pow(static_cast<double>(a), static_cast<double>(b));
}
inline long double fn(double (*f)(double), long double v) {
    return f(static_cast<double>(v));
}

struct Formula {
    const char* name;
    const char* text;
    long double (*native)(long double x);
};

inline const Formula formulas[] = {
    {"square", "x^2", [](long double x) { return pw(x, 2); }},
    {"square_minus_2", "x^2-2", [](long double x) { return pw(x, 2) - 2; }},
    {"sqrt_sin", "sqrt(x)-sin(x)*3",
     [](long double x) { return fn(std::sqrt, x) - fn(std::sin, x) * 3; }},
    {"x_pow_x", "X^X+2*X^2+1,34*X",
     [](long double x) { return pw(x, x) + 2 * pw(x, 2) + static_cast<long double>(1.34) * x; }},
    {"cube_root", "(x+4)^(1/3)", [](long double x) { return pw(x + 4, 1.0L / 3); }},
    {"tan", "tan(x)-0.5", [](long double x) { return fn(std::tan, x) - 0.5L; }},
    {"fractions", "4/(X-5)-2/(X+4)+5/(X+1)",
     [](long double x) { return 4 / (x - 5) - 2 / (x + 4) + 5 / (x + 1); }},
};

// Sample points sweeping [-10, 10], failing points (negative roots and bases) included.
inline long double samplePoint(long i) {
    return -10 + static_cast<long double>(i % 2000) / 100;
}

// One evaluation of the formula on the flat evaluation path.
// The formula compiled and recorded as a flat program, kept in static storage.
inline const FlatProgram& flatProgramOf(const Formula& formula) {
    static Formelinterpreter f;
    static FlatProgram program;
    f.setFormel(formula.text);
    f.Formel_compillieren();
    program.compile(f);
    return program;
}

inline void benchmarkFlat(benchmark::State& state, const Formula& formula) {
    const FlatProgram& program = flatProgramOf(formula);
    long i = 0;
    int status = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.evaluate(samplePoint(i++), status));
    }
    state.SetItemsProcessed(state.iterations());
}

// Evaluations of the formula a block of consecutive sample points at a time, as the scan
// makes them; items are points, so the rate gives the time per point.
inline void benchmarkFlatBlock(benchmark::State& state, const Formula& formula) {
    const FlatProgram& program = flatProgramOf(formula);
    long i = 0;
    long double x[FlatProgram::BlockSize];
    FlatProgram::BlockOutcome outcome;
    for (auto _ : state) {
        for (long double& point : x) {
            point = samplePoint(i++);
        }
        program.evaluateBlock(x, FlatProgram::BlockSize, outcome);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * FlatProgram::BlockSize);
}

// One evaluation of the formula written by hand.
inline void benchmarkHandWritten(benchmark::State& state, const Formula& formula) {
    long i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formula.native(samplePoint(i++)));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace bench
