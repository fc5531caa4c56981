// The Rankine cycle the chart draws at its largest common size: 15 MPa and
// 873.15 K, reheated at 4 MPa to 873.15 K, open feedwater heaters at 4 and
// 0.5 MPa, turbines of 90 % and pumps of 80 %, to 10 kPa. Its states and
// processes, the paths of its processes on the chart, and both together, under
// IAPWS-IF97 and the chart's correlations.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <variant>
#include <vector>

#include "cycle/rankine.h"

namespace calorix {
namespace {

RankineInputs ReheatWithTwoHeaters() {
    RankineInputs inputs;
    inputs.boilerPressure = 15;
    inputs.turbineInletTemperature = 873.15;
    inputs.condenserPressure = 0.01;
    inputs.reheat = Reheat{4, 873.15};
    inputs.heaterPressures = {4, 0.5};
    inputs.turbineEfficiency = 0.9;
    inputs.pumpEfficiency = 0.8;
    inputs.netPower = 250;
    return inputs;
}

// The cycle computed and, with draw, every process's path built.
void ComputeCycle(benchmark::State& state, const PropertyModel& model, bool draw) {
    const RankineInputs inputs = ReheatWithTwoHeaters();
    std::size_t points = 0;
    for (auto _ : state) {
        const RankineOrError answer = ComputeRankine(model, inputs);
        if (!std::holds_alternative<RankineCycle>(answer)) {
            state.SkipWithError("the cycle has an error");
            break;
        }
        benchmark::DoNotOptimize(answer);
        if (draw) {
            const std::vector<ProcessPath> paths =
                CyclePaths(model, std::get<RankineCycle>(answer));
            points = 0;
            for (const ProcessPath& path : paths)
                points += path.points.size();
            benchmark::DoNotOptimize(paths);
        }
    }
    if (draw) state.counters["points"] = static_cast<double>(points);
}

void DrawOnly(benchmark::State& state, const PropertyModel& model) {
    const RankineCycle cycle =
        std::get<RankineCycle>(ComputeRankine(model, ReheatWithTwoHeaters()));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CyclePaths(model, cycle));
    }
}

void BM_If97Cycle(benchmark::State& state) {
    ComputeCycle(state, If97Model(), false);
}
BENCHMARK(BM_If97Cycle)
    ->Name("Cycle/IF97 reheat, two heaters: computed")
    ->Unit(benchmark::kMillisecond);

void BM_If97CyclePaths(benchmark::State& state) {
    DrawOnly(state, If97Model());
}
BENCHMARK(BM_If97CyclePaths)
    ->Name("Cycle/IF97 reheat, two heaters: paths")
    ->Unit(benchmark::kMillisecond);

void BM_If97CycleDrawn(benchmark::State& state) {
    ComputeCycle(state, If97Model(), true);
}
BENCHMARK(BM_If97CycleDrawn)
    ->Name("Cycle/IF97 reheat, two heaters: computed and paths")
    ->Unit(benchmark::kMillisecond);

void BM_ClassicCycleDrawn(benchmark::State& state) {
    ComputeCycle(state, ClassicModel(), true);
}
BENCHMARK(BM_ClassicCycleDrawn)
    ->Name("Cycle/classic reheat, two heaters: computed and paths")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calorix
