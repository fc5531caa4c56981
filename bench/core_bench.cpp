// Time per call of the property functions, the two kinds of halving search,
// the panel text and the search for the crossing of two lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "lines/bisect_root.h"
#include "lines/crossings.h"
#include "readout/state_panel.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

// Temperatures swept so that no call is answered from a constant.
double NextTemperature(double& T) {
    T += 0.37;
    if (T > 640) T = 280;
    return T;
}

void BM_SatPressure(benchmark::State& state) {
    double T = 280;
    for (auto _ : state)
        benchmark::DoNotOptimize(SatPressure(NextTemperature(T)));
}
BENCHMARK(BM_SatPressure);

void BM_SatTemperature(benchmark::State& state) {
    double base = 0.001;
    for (auto _ : state) {
        base = base > 20 ? 0.001 : base * 1.01;
        double P = base;
        benchmark::DoNotOptimize(SatTemperature(P));
    }
}
BENCHMARK(BM_SatTemperature);

template <PropertyValue (*F)(double)>
void BM_Saturated(benchmark::State& state) {
    double T = 280;
    for (auto _ : state)
        benchmark::DoNotOptimize(F(NextTemperature(T)));
}
BENCHMARK(BM_Saturated<SatLiquidVolume>)->Name("SatLiquidVolume");
BENCHMARK(BM_Saturated<SatVaporVolume>)->Name("SatVaporVolume");
BENCHMARK(BM_Saturated<SatLiquidEnthalpy>)->Name("SatLiquidEnthalpy");
BENCHMARK(BM_Saturated<SatVaporEnthalpy>)->Name("SatVaporEnthalpy");
BENCHMARK(BM_Saturated<EvaporationEnthalpy>)->Name("EvaporationEnthalpy");
BENCHMARK(BM_Saturated<SatLiquidEntropy>)->Name("SatLiquidEntropy");
BENCHMARK(BM_Saturated<SatVaporEntropy>)->Name("SatVaporEntropy");

template <PropertyValue (*F)(double, double&)>
void BM_Superheated(benchmark::State& state) {
    double T = 280;
    for (auto _ : state) {
        double P = 1.5;
        benchmark::DoNotOptimize(F(NextTemperature(T) + 400, P));
    }
}
BENCHMARK(BM_Superheated<SuperheatedVolume>)->Name("SuperheatedVolume");
BENCHMARK(BM_Superheated<SuperheatedEnthalpy>)->Name("SuperheatedEnthalpy");
BENCHMARK(BM_Superheated<SuperheatedEntropy>)->Name("SuperheatedEntropy");

// The isobar's temperature search for one superheated point.
void BM_TemperatureSearch(benchmark::State& state) {
    double s = 7;
    for (auto _ : state) {
        s = s > 9 ? 7 : s + 0.01;
        const double P = 1;
        benchmark::DoNotOptimize(BisectRoot(
            [P](double& T) {
                double p = P;
                return SuperheatedEntropy(T, p);
            },
            s, 273.16, 1591.45, SearchMeasure::kRelative, CollapseDetection::kOff));
    }
}
BENCHMARK(BM_TemperatureSearch);

// The panel's pressure search for a superheated state.
void BM_PressureSearch(benchmark::State& state) {
    double s = 7;
    for (auto _ : state) {
        s = s > 8 ? 7 : s + 0.01;
        benchmark::DoNotOptimize(SuperheatedPressure(600, s));
    }
}
BENCHMARK(BM_PressureSearch);

void BM_PanelTextWet(benchmark::State& state) {
    for (auto _ : state) {
        double T = 373.15;
        benchmark::DoNotOptimize(StatePanelText(PanelVariant::kClick, T, 4.0));
    }
}
BENCHMARK(BM_PanelTextWet);

void BM_PanelTextSuperheated(benchmark::State& state) {
    for (auto _ : state) {
        double T = 500;
        benchmark::DoNotOptimize(StatePanelText(PanelVariant::kClick, T, 7.5));
    }
}
BENCHMARK(BM_PanelTextSuperheated);

// Values over the range of a box: 13 from its lower to its upper end,
// pressures and volumes evenly on a logarithmic scale.
std::vector<double> AcrossBox(int property) {
    struct Range {
        double lo, hi;
        bool logarithmic;
    };
    const Range ranges[kPropertyCount] = {{273.16, 1273.16, false},
                                          {0.00062, 22, true},
                                          {0.005, 200, true},
                                          {200, 4600, false},
                                          {0, 12, false}};
    const Range r = ranges[property];
    std::vector<double> values;
    for (int i = 0; i <= 12; ++i) {
        values.push_back(r.logarithmic ? r.lo * std::pow(r.hi / r.lo, i / 12.0)
                                       : r.lo + (r.hi - r.lo) * i / 12.0);
    }
    return values;
}

// The values of a pair at states of the chart, wet and superheated, where
// its lines do cross.
std::vector<std::pair<double, double>> AtStates(BoxPair pair) {
    const PairBoxes boxes = BoxesOf(pair);
    std::vector<std::pair<double, double>> inputs;
    const auto add = [&](double P, double v, double h, double s) {
        const double values[kPropertyCount] = {0, P, v, h, s};
        inputs.emplace_back(values[boxes.first], values[boxes.second]);
    };
    for (double T = 280; T < 645; T += 45) {
        for (const double x : {0.0, 0.1, 0.5, 0.9, 1.0}) {
            const double vf = SatLiquidVolume(T), hf = SatLiquidEnthalpy(T);
            const double sf = SatLiquidEntropy(T);
            add(SatPressure(T), vf + x * (double(SatVaporVolume(T)) - vf),
                hf + x * (double(SatVaporEnthalpy(T)) - hf),
                sf + x * (double(SatVaporEntropy(T)) - sf));
        }
    }
    for (double T = 400; T <= 1250; T += 85) {
        for (const double P : {0.002, 0.05, 1.0, 12.33, 21.0}) {
            double p1 = P, p2 = P, p3 = P;
            add(P, SuperheatedVolume(T, p1), SuperheatedEnthalpy(T, p2), SuperheatedEntropy(T, p3));
        }
    }
    return inputs;
}

// Locating the crossing of an unsolved pair, over a grid of inputs: every
// pair of values across the two boxes' ranges, and the values of states on
// the chart. The time is the mean per input; worst_ms is the slowest input,
// each input timed by its fastest run so that a pause of the machine does
// not count.
void BM_LocateCrossing(benchmark::State& state, BoxPair pair) {
    const PairBoxes boxes = BoxesOf(pair);
    std::vector<std::pair<double, double>> inputs = AtStates(pair);
    for (const double first : AcrossBox(boxes.first)) {
        for (const double second : AcrossBox(boxes.second))
            inputs.emplace_back(first, second);
    }
    std::vector<double> fastest(inputs.size(), std::numeric_limits<double>::infinity());
    for (auto _ : state) {
        for (size_t i = 0; i < inputs.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(FindCrossings(pair, inputs[i].first, inputs[i].second));
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            fastest[i] = std::min(fastest[i], took.count());
        }
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(inputs.size()));
    state.counters["inputs"] = double(inputs.size());
    state.counters["worst_ms"] = *std::max_element(fastest.begin(), fastest.end());
}
BENCHMARK_CAPTURE(BM_LocateCrossing, P_v, BoxPair::kPv)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LocateCrossing, P_h, BoxPair::kPh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LocateCrossing, v_h, BoxPair::kvh)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LocateCrossing, v_s, BoxPair::kvs)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LocateCrossing, h_s, BoxPair::khs)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace calorix
