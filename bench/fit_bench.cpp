// spanwise-cli's answers that walk many states: fit --all over every combination of a model's
// condition lists, beside table for one set of conditions.

#include "cli/Fit.h"
#include "cli/Scenario.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// fit --all for one model; Alder/Alder-W and Birch/Birch-W have the most combinations.
void BM_FitAll(benchmark::State& state, const std::string& model) {
    spanwise::cli::CFitRequest request;
    request.dSeconds = 3 * 86400.0;
    request.duration = "3d";
    request.bAll = true;
    const std::vector<std::string> selections = {"model=" + model};
    std::string out;
    std::string error;
    bool bFits = false;
    for (auto _ : state) {
        if (!spanwise::cli::RunFit(request, selections, out, bFits, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK_CAPTURE(BM_FitAll, Alder, std::string("Alder/Alder-W"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitAll, Birch, std::string("Birch/Birch-W"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitAll, Cedar, std::string("Cedar"))->Unit(benchmark::kMillisecond);

// table for the opening conditions: every range of the list picked in turn.
void BM_Table(benchmark::State& state) {
    const spanwise::cli::CCommand& table = *spanwise::cli::FindCommand("table");
    const spanwise::cli::CCommandOptions options;
    for (auto _ : state) {
        const spanwise::cli::CAnswer answer = spanwise::cli::RunScenario(table, options, {});
        benchmark::DoNotOptimize(answer.text.data());
    }
}
BENCHMARK(BM_Table)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
