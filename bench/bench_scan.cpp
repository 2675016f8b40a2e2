// Grid scan throughput: the root search over the formula interpreter beside a hand-written
// loop over the same formulas, each at step 0.001 over [-1000, 1000] (2,000,001 points).
#include "examples/equation_texts.h"
#include "reference_scan.h"
#include "reference_sides.h"
#include "solver/bracket_scan.h"
#include "solver/equation_sides.h"
#include "solver/root_finder.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cmath>
#include <iterator>
#include <string>

namespace {

constexpr int Lower = -1000;
constexpr int Upper = 1000;
constexpr long double StepsPerUnit = 1000;
constexpr int64_t GridPoints = (Upper - Lower) * 1000 + 1;

// The equation of the benchmark running, as flat programs and through the reference
// evaluator.
EquationSides sides;
ReferenceSides reference;

void setEquation(const char* left, const char* right) {
    sides.compile(left, right);
    reference.compile(left, right);
}

void reportThroughput(benchmark::State& state, int brackets) {
    state.SetItemsProcessed(state.iterations() * GridPoints);
    state.counters["brackets"] = brackets;
}

int parallelScan(int a, int b) {
    return static_cast<int>(
        scanGridForRoots(sides, makeGrid(a, b, StepsPerUnit), nullptr).brackets.size());
}
int sequentialScan(int a, int b) {
    return static_cast<int>(
        scanSequentially(reference, makeGrid(a, b, StepsPerUnit), nullptr).brackets.size());
}

// The scan on every core with the flat evaluation path, and the point-by-point reference.
template <int (*Scan)(int, int)>
void BM_Scan(benchmark::State& state, const char* left, const char* right) {
    setEquation(left, right);
    int brackets = 0;
    for (auto _ : state) {
        brackets = Scan(Lower, Upper);
        benchmark::DoNotOptimize(brackets);
    }
    reportThroughput(state, brackets);
}

// The formulas as the interpreter computes them: powers and functions in double,
// everything else in long double; errno tells a failed point.
long double squareDifference(long double x) {
    return std::pow(static_cast<double>(x), 2.0) - 2;
}
long double rootSineDifference(long double x) {
    const double v = static_cast<double>(x);
    return std::sqrt(v) - std::sin(v) * 3.0L;
}
long double tangentDifference(long double x) {
    return std::tan(static_cast<double>(x)) - 0.5L;
}

// The scan's sign-change test without progress or steep roots.
int handWrittenScan(long double (*difference)(long double)) {
    const int64_t n = static_cast<int64_t>((Upper - Lower) * StepsPerUnit);
    const long double start = Lower * StepsPerUnit;
    int brackets = 0;
    bool hasPrevious = false;
    long double previous = 0;
    for (int64_t j = 0; j <= n; ++j) {
        const long double x = (start + static_cast<long double>(j)) / StepsPerUnit;
        errno = 0;
        const long double d = difference(x);
        if (errno != 0) {
            continue;
        }
        if (d == 0 || (hasPrevious && std::fabs(d) < 3 && previous * d < 0)) {
            ++brackets;
        }
        previous = d;
        hasPrevious = true;
    }
    return brackets;
}

} // namespace

// Every example equation scanned at step 0.001 over [-1000, 1000]; the brackets of all
// of them are counted.
template <int (*Scan)(int, int)> void BM_Catalogue(benchmark::State& state) {
    int brackets = 0;
    for (auto _ : state) {
        brackets = 0;
        for (const char* text : BeispielTexte) {
            const std::string equation = text;
            const size_t equals = equation.find('=');
            setEquation(equation.substr(0, equals).c_str(), equation.substr(equals + 1).c_str());
            brackets += Scan(Lower, Upper);
        }
    }
    state.SetItemsProcessed(state.iterations() * GridPoints *
                            static_cast<int64_t>(std::size(BeispielTexte)));
    state.counters["brackets"] = brackets;
}

// sin(x) = 0 far from 0, where the sides see x rounded to double: the scan alone, and the
// scan with every sign change refined, on [99000, 101000] at step 0.01 (637 roots).
template <bool Refine> void BM_FarSine(benchmark::State& state) {
    setEquation("sin(x)", "0");
    const ScanGrid grid = makeGrid(99000, 101000, 100);
    size_t roots = 0;
    for (auto _ : state) {
        roots = Refine ? findRoots(sides, grid).size()
                       : scanGridForRoots(sides, grid, nullptr).brackets.size();
        benchmark::DoNotOptimize(roots);
    }
    state.counters["roots"] = static_cast<double>(roots);
}

int registerAll() {
    benchmark::RegisterBenchmark("FarSine/scan", BM_FarSine<false>)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("FarSine/scan_and_refinement", BM_FarSine<true>)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ParallelScan/catalogue", BM_Catalogue<parallelScan>)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    benchmark::RegisterBenchmark("SequentialReferenceScan/catalogue", BM_Catalogue<sequentialScan>)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(1);
    struct Equation {
        const char* name;
        const char* left;
        const char* right;
    };
    const Equation equations[] = {{"square_is_two", "X^2", "2"},
                                  {"root_is_sine", "sqrt(x)", "sin(x)*3"},
                                  {"tangent_is_half", "tan(x)", "0.5"}};
    long double (*const handWritten[])(long double) = {squareDifference, rootSineDifference,
                                                       tangentDifference};
    for (size_t i = 0; i < std::size(equations); ++i) {
        const Equation& e = equations[i];
        const std::string name = e.name;
        benchmark::RegisterBenchmark(("ParallelScan/" + name).c_str(), BM_Scan<parallelScan>,
                                     e.left, e.right)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("SequentialReferenceScan/" + name).c_str(),
                                     BM_Scan<sequentialScan>, e.left, e.right)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("HandWrittenScan/" + name).c_str(),
                                     [f = handWritten[i]](benchmark::State& state) {
                                         int brackets = 0;
                                         for (auto _ : state) {
                                             brackets = handWrittenScan(f);
                                             benchmark::DoNotOptimize(brackets);
                                         }
                                         reportThroughput(state, brackets);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    return 0;
}

const int registered = registerAll();

BENCHMARK_MAIN();
