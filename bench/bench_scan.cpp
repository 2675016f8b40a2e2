// Grid scan throughput: the root search over the formula interpreter, pruned by enclosures and
// in full, the whole search with the one inside the grid steps, beside the point-by-point
// reference and hand-written loops over the same grids.
#include "examples/equation_texts.h"
#include "reference_scan.h"
#include "reference_sides.h"
#include "solver/bracket_scan.h"
#include "solver/equation_search.h"
#include "solver/equation_sides.h"
#include "solver/root_refinement.h"
#include "solver/settle_roots.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <iterator>
#include <string>

namespace {

// A request as the equation page makes it: both sides, centre, half-width and steps per unit.
struct Request {
    const char* name;
    const char* left;
    const char* right;
    int centre;
    int halfWidth;
    long double stepsPerUnit;

    ScanGrid grid() const { return makeGrid(centre - halfWidth, centre + halfWidth, stepsPerUnit); }
};

// The formulas scanned at step 0.001 over [-1000, 1000] (2,000,001 points), and the requests
// whose times the enclosures are to cut or keep.
const Request small[] = {
    {"square_is_two", "X^2", "2", 0, 1000, 1000},
    {"root_is_sine", "sqrt(x)", "sin(x)*3", 0, 1000, 1000},
    {"tangent_is_half", "tan(x)", "0.5", 0, 1000, 1000},
};
const Request large[] = {
    {"square_is_two_2e9", "X^2", "2", 0, 1000000, 1000},
    {"tangent_is_half_2e8", "tan(x)", "0.5", 0, 100000, 1000},
    {"sine_is_half_2e8", "sin(x)", "0.5", 0, 1000000, 100},
    {"power_tower", "X^X", "2", 0, 1000, 1000},
    {"sine_is_half_2e7", "sin(x)", "0.5", 0, 100000, 100},
    {"dependency", "x-x+x^2", "2", 0, 1000, 1000},
    // A pole in every stretch an enclosure could take: enclosures never pay.
    {"nothing_to_prune", "sin(1000*x)+tan(1000*x)*0", "5", 0, 1000, 1000},
};

// The equation of the benchmark running, as flat programs and through the reference
// evaluator.
EquationSides sides;
ReferenceSides reference;

void setEquation(const char* left, const char* right) {
    sides.compile(left, right);
    reference.compile(left, right);
}

int scanOnEveryCore(const ScanGrid& grid, bool prune) {
    ParallelScanOptions options;
    options.prune = prune;
    return static_cast<int>(scanGridForRoots(sides, grid, nullptr, options).brackets.size());
}

void reportThroughput(benchmark::State& state, const ScanGrid& grid, int brackets) {
    state.SetItemsProcessed(state.iterations() * (grid.n + 1));
    state.counters["brackets"] = brackets;
}

// The scan on every core with the flat evaluation path, pruned or in full.
void BM_Scan(benchmark::State& state, const Request& request, bool prune) {
    setEquation(request.left, request.right);
    const ScanGrid grid = request.grid();
    int brackets = 0;
    for (auto _ : state) {
        brackets = scanOnEveryCore(grid, prune);
        benchmark::DoNotOptimize(brackets);
    }
    reportThroughput(state, grid, brackets);
}

// The scan, then the search inside the grid steps: what a request runs before it refines.
void BM_Search(benchmark::State& state, const Request& request) {
    setEquation(request.left, request.right);
    const ScanGrid grid = request.grid();
    int brackets = 0;
    for (auto _ : state) {
        brackets = static_cast<int>(searchEquation(sides, grid, nullptr).findings.size());
        benchmark::DoNotOptimize(brackets);
    }
    reportThroughput(state, grid, brackets);
}

void BM_SequentialReference(benchmark::State& state, const Request& request) {
    setEquation(request.left, request.right);
    const ScanGrid grid = request.grid();
    int brackets = 0;
    for (auto _ : state) {
        brackets = static_cast<int>(scanSequentially(reference, grid, nullptr).brackets.size());
        benchmark::DoNotOptimize(brackets);
    }
    reportThroughput(state, grid, brackets);
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

// The scan's sign-change test on one thread, without progress or steep roots.
int handWrittenScan(long double (*difference)(long double), const ScanGrid& grid) {
    int brackets = 0;
    bool hasPrevious = false;
    long double previous = 0;
    for (int64_t j = 0; j <= grid.n; ++j) {
        const long double x = grid.at(j);
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

void BM_HandWritten(benchmark::State& state, long double (*difference)(long double),
                    const ScanGrid& grid) {
    int brackets = 0;
    for (auto _ : state) {
        brackets = handWrittenScan(difference, grid);
        benchmark::DoNotOptimize(brackets);
    }
    reportThroughput(state, grid, brackets);
}

// Every example equation scanned at step 0.001 over [-1000, 1000]; the brackets of all
// of them are counted.
void BM_Catalogue(benchmark::State& state, bool prune, bool sequential) {
    const ScanGrid grid = makeGrid(-1000, 1000, 1000);
    int brackets = 0;
    for (auto _ : state) {
        brackets = 0;
        for (const char* text : BeispielTexte) {
            const std::string equation = text;
            const size_t equals = equation.find('=');
            setEquation(equation.substr(0, equals).c_str(), equation.substr(equals + 1).c_str());
            brackets +=
                sequential
                    ? static_cast<int>(scanSequentially(reference, grid, nullptr).brackets.size())
                    : scanOnEveryCore(grid, prune);
        }
    }
    state.SetItemsProcessed(state.iterations() * (grid.n + 1) *
                            static_cast<int64_t>(std::size(BeispielTexte)));
    state.counters["brackets"] = brackets;
}

// The roots of the search, every sign change refined as the equation page refines them.
size_t rootsOf(const ScanGrid& grid) {
    const SettledFindings settled = settleRoots(
        searchEquation(sides, grid, nullptr).findings,
        [](long double lower, long double upper, bool& Fehler) {
            return refineBracket(sides, lower, upper, Fehler);
        },
        [] { return true; }, [] {});
    return static_cast<size_t>(
        std::count_if(settled.findings.begin(), settled.findings.end(),
                      [](const Finding& f) { return f.kind == FindingKind::Root; }));
}

// sin(x) = 0 far from 0, where the sides see x rounded to double: the scan alone, and the
// search with every sign change refined, on [99000, 101000] at step 0.01 (637 roots).
template <bool Refine> void BM_FarSine(benchmark::State& state) {
    setEquation("sin(x)", "0");
    const ScanGrid grid = makeGrid(99000, 101000, 100);
    size_t roots = 0;
    for (auto _ : state) {
        roots = Refine ? rootsOf(grid) : scanGridForRoots(sides, grid, nullptr).brackets.size();
        benchmark::DoNotOptimize(roots);
    }
    state.counters["roots"] = static_cast<double>(roots);
}

benchmark::internal::Benchmark* timed(benchmark::internal::Benchmark* b) {
    return b->Unit(benchmark::kMillisecond)->UseRealTime();
}

int registerAll() {
    timed(benchmark::RegisterBenchmark("FarSine/scan", BM_FarSine<false>));
    timed(benchmark::RegisterBenchmark("FarSine/scan_and_refinement", BM_FarSine<true>));
    timed(benchmark::RegisterBenchmark("Catalogue/pruned", BM_Catalogue, true, false))
        ->Iterations(3);
    timed(benchmark::RegisterBenchmark("Catalogue/full", BM_Catalogue, false, false))
        ->Iterations(3);
    timed(benchmark::RegisterBenchmark("Catalogue/sequential_reference", BM_Catalogue, false, true))
        ->Iterations(1);
    long double (*const handWritten[])(long double) = {squareDifference, rootSineDifference,
                                                       tangentDifference};
    for (size_t i = 0; i < std::size(small); ++i) {
        const Request& r = small[i];
        const std::string name = r.name;
        timed(benchmark::RegisterBenchmark(("Scan/" + name + "/pruned").c_str(), BM_Scan, r, true));
        timed(benchmark::RegisterBenchmark(("Scan/" + name + "/full").c_str(), BM_Scan, r, false));
        timed(benchmark::RegisterBenchmark(("Scan/" + name + "/search").c_str(), BM_Search, r));
        timed(benchmark::RegisterBenchmark(("Scan/" + name + "/sequential_reference").c_str(),
                                           BM_SequentialReference, r));
        timed(benchmark::RegisterBenchmark(("Scan/" + name + "/hand_written").c_str(),
                                           BM_HandWritten, handWritten[i], r.grid()));
    }
    for (const Request& r : large) {
        const std::string name = r.name;
        timed(
            benchmark::RegisterBenchmark(("Request/" + name + "/pruned").c_str(), BM_Scan, r, true))
            ->Iterations(3);
        timed(
            benchmark::RegisterBenchmark(("Request/" + name + "/full").c_str(), BM_Scan, r, false))
            ->Iterations(1);
        timed(benchmark::RegisterBenchmark(("Request/" + name + "/search").c_str(), BM_Search, r))
            ->Iterations(3);
        // x^2 - 2 by hand over the same grid: the measure the targets are given in.
        timed(benchmark::RegisterBenchmark(("Request/" + name + "/hand_written_square").c_str(),
                                           BM_HandWritten, squareDifference, r.grid()))
            ->Iterations(1);
    }
    return 0;
}

const int registered = registerAll();

} // namespace

BENCHMARK_MAIN();
