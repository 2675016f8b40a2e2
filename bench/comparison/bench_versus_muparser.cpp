// One evaluation of each benchmark formula: the flat evaluation path, the same formula
// written by hand, and muparser (double precision), measured side by side in one run.
#include "../formulas.h"
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <string>

namespace {

// muparser spells the decimal comma as a point and is case-sensitive.
const char* const muparserTexts[] = {
    "x^2",         "x^2-2",      "sqrt(x)-sin(x)*3",       "x^x+2*x^2+1.34*x",
    "(x+4)^(1/3)", "tan(x)-0.5", "4/(x-5)-2/(x+4)+5/(x+1)"};

void muparser(benchmark::State& state, const char* text) {
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    parser.SetExpr(text);
    long i = 0;
    for (auto _ : state) {
        x = static_cast<double>(bench::samplePoint(i++));
        benchmark::DoNotOptimize(parser.Eval());
    }
}

int registerAll() {
    for (size_t k = 0; k < std::size(bench::formulas); ++k) {
        const bench::Formula& formula = bench::formulas[k];
        const std::string name = formula.name;
        benchmark::RegisterBenchmark(("FlatProgram/" + name).c_str(), bench::benchmarkFlat,
                                     formula);
        benchmark::RegisterBenchmark(("FlatBlock/" + name).c_str(), bench::benchmarkFlatBlock,
                                     formula);
        benchmark::RegisterBenchmark(("HandWritten/" + name).c_str(), bench::benchmarkHandWritten,
                                     formula);
        benchmark::RegisterBenchmark(("muparser/" + name).c_str(), muparser, muparserTexts[k]);
    }
    return 0;
}

const int registered = registerAll();

} // namespace

BENCHMARK_MAIN();
