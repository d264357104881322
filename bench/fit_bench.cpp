// spanwise-cli's answers that walk many states: fit --all over every combination of a model's
// condition lists, beside table for one set of conditions.

#include "cli/Commands.h"
#include "cli/Scenario.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void RunCommand(benchmark::State& state, const char* name,
                const spanwise::cli::CCommandOptions& options,
                const std::vector<std::string>& selections) {
    const spanwise::cli::CCommand* pCommand = spanwise::cli::FindCommand(name);
    for (auto _ : state) {
        const spanwise::cli::CAnswer answer =
            spanwise::cli::RunScenario(*pCommand, options, selections);
        if (!answer.error.empty()) {
            state.SkipWithError(answer.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(answer.text.data());
    }
}

// fit 3d --all for one model; Alder/Alder-W and Birch/Birch-W have the most combinations.
void BM_FitAll(benchmark::State& state, const std::string& model) {
    spanwise::cli::CCommandOptions options;
    options.duration = "3d";
    options.bAll = true;
    RunCommand(state, "fit", options, {"model=" + model});
}
BENCHMARK_CAPTURE(BM_FitAll, Alder, std::string("Alder/Alder-W"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitAll, Birch, std::string("Birch/Birch-W"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FitAll, Cedar, std::string("Cedar"))->Unit(benchmark::kMillisecond);

// table for the opening conditions: every range of the list picked in turn.
void BM_Table(benchmark::State& state) {
    RunCommand(state, "table", {}, {});
}
BENCHMARK(BM_Table)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
