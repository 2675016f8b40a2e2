#include "formulas.h"
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

#include <benchmark/benchmark.h>

namespace {

void interpreted(benchmark::State& state, const bench::Formula& formula) {
    static Formelinterpreter f;
    f.setFormel(formula.text);
    f.Formel_compillieren();
    long i = 0;
    for (auto _ : state) {
        f.X = bench::samplePoint(i++);
        benchmark::DoNotOptimize(f.Formel_Berechnen());
    }
    state.SetItemsProcessed(state.iterations());
}

int registerAll() {
    for (const bench::Formula& formula : bench::formulas) {
        benchmark::RegisterBenchmark((std::string("Formel_Berechnen/") + formula.name).c_str(),
                                     interpreted, formula);
        benchmark::RegisterBenchmark((std::string("FlatProgram/") + formula.name).c_str(),
                                     bench::benchmarkFlat, formula);
        benchmark::RegisterBenchmark((std::string("FlatBlock/") + formula.name).c_str(),
                                     bench::benchmarkFlatBlock, formula);
        benchmark::RegisterBenchmark((std::string("HandWritten/") + formula.name).c_str(),
                                     bench::benchmarkHandWritten, formula);
    }
    return 0;
}

const int registered = registerAll();

} // namespace

BENCHMARK_MAIN();
