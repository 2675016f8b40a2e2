// Grid scan throughput: the root search over the formula interpreter beside a hand-written
// loop over the same formulas, each at step 0.001 over [-1000, 1000] (2,000,001 points).
#include "interpreter/formelinterpreter.h"
#include "solver/bracket_scan.h"
#include "solver/root_search_state.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cmath>

namespace {

constexpr int Lower = -1000;
constexpr int Upper = 1000;
constexpr long double StepsPerUnit = 1000;
constexpr int64_t GridPoints = (Upper - Lower) * 1000 + 1;

void setEquation(const char* left, const char* right) {
    links.setFormel(left);
    links.Formel_compillieren();
    rechts.setFormel(right);
    rechts.Formel_compillieren();
}

void reportThroughput(benchmark::State& state, int brackets) {
    state.SetItemsProcessed(state.iterations() * GridPoints);
    state.counters["brackets"] = brackets;
}

void BM_InterpreterScan(benchmark::State& state, const char* left, const char* right) {
    setEquation(left, right);
    Schrittweite = StepsPerUnit;
    int brackets = 0;
    for (auto _ : state) {
        work = true;
        brackets = scanBrackets(Lower, Upper, nullptr);
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
template <long double (*Difference)(long double)> int handWrittenScan() {
    const int64_t n = static_cast<int64_t>((Upper - Lower) * StepsPerUnit);
    const long double start = Lower * StepsPerUnit;
    int brackets = 0;
    bool hasPrevious = false;
    long double previous = 0;
    for (int64_t j = 0; j <= n; ++j) {
        const long double x = (start + static_cast<long double>(j)) / StepsPerUnit;
        errno = 0;
        const long double d = Difference(x);
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

template <long double (*Difference)(long double)> void BM_HandWrittenScan(benchmark::State& state) {
    int brackets = 0;
    for (auto _ : state) {
        brackets = handWrittenScan<Difference>();
        benchmark::DoNotOptimize(brackets);
    }
    reportThroughput(state, brackets);
}

} // namespace

BENCHMARK_CAPTURE(BM_InterpreterScan, square_is_two, "X^2", "2")->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_HandWrittenScan, squareDifference)
    ->Name("BM_HandWrittenScan/square_is_two")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InterpreterScan, root_is_sine, "sqrt(x)", "sin(x)*3")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_HandWrittenScan, rootSineDifference)
    ->Name("BM_HandWrittenScan/root_is_sine")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InterpreterScan, tangent_is_half, "tan(x)", "0.5")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_HandWrittenScan, tangentDifference)
    ->Name("BM_HandWrittenScan/tangent_is_half")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
