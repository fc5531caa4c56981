// Time per call of the property functions, beside the same formulas written
// out plainly without the skip-on-error rule (".../plain", same inputs, same
// run), the two kinds of halving search, the panel text and the search for
// the crossing of two lines.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "bench/plain_formulas.h"
#include "lines/crossings.h"
#include "model/property_searches.h"
#include "numeric/bisect_root.h"
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

// The liquid functions' middle band, where the plain transcription holds.
double NextMiddleBandTemperature(double& T) {
    T += 0.37;
    if (T > 600) T = 300;
    return T;
}

double NextPressure(double& base) {
    base = base > 20 ? 0.001 : base * 1.01;
    return base;
}

bool SameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The plain transcription is a yardstick only where it computes the same
// values: checked over a whole sweep before it is timed.
template <class Checked, class Plain>
bool SameOverSweep(benchmark::State& state, Checked checked, Plain plain) {
    for (int i = 0; i < 4000; ++i) {
        if (!SameBits(checked(), plain())) {
            state.SkipWithError("the plain transcription gives other values");
            return false;
        }
    }
    return true;
}

void BM_SatPressure(benchmark::State& state) {
    double T = 280;
    for (auto _ : state)
        benchmark::DoNotOptimize(SatPressure(NextTemperature(T)));
}
BENCHMARK(BM_SatPressure);

void BM_SatPressurePlain(benchmark::State& state) {
    double a = 280, b = 280;
    if (!SameOverSweep(
            state, [&] { return SatPressure(NextTemperature(a)); },
            [&] { return plain::SatPressure(NextTemperature(b)); }))
        return;
    double T = 280;
    for (auto _ : state)
        benchmark::DoNotOptimize(plain::SatPressure(NextTemperature(T)));
}
BENCHMARK(BM_SatPressurePlain)->Name("BM_SatPressure/plain");

void BM_SatTemperature(benchmark::State& state) {
    double base = 0.001;
    for (auto _ : state) {
        base = base > 20 ? 0.001 : base * 1.01;
        double P = base;
        benchmark::DoNotOptimize(SatTemperature(P));
    }
}
BENCHMARK(BM_SatTemperature);

void BM_SatTemperaturePlain(benchmark::State& state) {
    double a = 0.001, b = 0.001;
    if (!SameOverSweep(
            state,
            [&] {
                double P = NextPressure(a);
                return double(SatTemperature(P));
            },
            [&] {
                double P = NextPressure(b);
                return plain::SatTemperature(P);
            }))
        return;
    double base = 0.001;
    for (auto _ : state) {
        double P = NextPressure(base);
        benchmark::DoNotOptimize(plain::SatTemperature(P));
    }
}
BENCHMARK(BM_SatTemperaturePlain)->Name("BM_SatTemperature/plain");

template <PropertyValue (*F)(double)>
void BM_SaturatedProperty(benchmark::State& state) {
    double T = state.range(0) != 0 ? 300 : 280;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            F(state.range(0) != 0 ? NextMiddleBandTemperature(T) : NextTemperature(T)));
}

template <PropertyValue (*F)(double), double (*Plain)(double)>
void BM_SaturatedPlain(benchmark::State& state) {
    const bool middleBand = state.range(0) != 0;
    auto next = [middleBand](double& T) {
        return middleBand ? NextMiddleBandTemperature(T) : NextTemperature(T);
    };
    double a = middleBand ? 300 : 280, b = a;
    if (!SameOverSweep(
            state, [&] { return double(F(next(a))); }, [&] { return Plain(next(b)); }))
        return;
    double T = middleBand ? 300 : 280;
    for (auto _ : state)
        benchmark::DoNotOptimize(Plain(next(T)));
}

// Every function over 280 to 640 K (argument 0); the liquid enthalpy and
// entropy also in their middle band, 300 to 600 K (argument 1), the one band
// their plain transcriptions write out.
#define CALORIX_SATURATED_BENCHMARKS(name, plainBand)                             \
    BENCHMARK(BM_SaturatedProperty<name>)->Name(#name)->DenseRange(0, plainBand); \
    BENCHMARK(BM_SaturatedPlain<name, plain::name>)->Name(#name "/plain")->Arg(plainBand)

CALORIX_SATURATED_BENCHMARKS(SatLiquidVolume, 0);
CALORIX_SATURATED_BENCHMARKS(SatVaporVolume, 0);
CALORIX_SATURATED_BENCHMARKS(SatLiquidEnthalpy, 1);
CALORIX_SATURATED_BENCHMARKS(SatVaporEnthalpy, 0);
CALORIX_SATURATED_BENCHMARKS(EvaporationEnthalpy, 0);
CALORIX_SATURATED_BENCHMARKS(SatLiquidEntropy, 1);
CALORIX_SATURATED_BENCHMARKS(SatVaporEntropy, 0);

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

template <PropertyValue (*F)(double, double&), double (*Plain)(double, double&)>
void BM_SuperheatedPlain(benchmark::State& state) {
    double a = 280, b = 280;
    if (!SameOverSweep(
            state,
            [&] {
                double P = 1.5;
                return double(F(NextTemperature(a) + 400, P));
            },
            [&] {
                double P = 1.5;
                return Plain(NextTemperature(b) + 400, P);
            }))
        return;
    double T = 280;
    for (auto _ : state) {
        double P = 1.5;
        benchmark::DoNotOptimize(Plain(NextTemperature(T) + 400, P));
    }
}
BENCHMARK(BM_SuperheatedPlain<SuperheatedVolume, plain::SuperheatedVolume>)
    ->Name("SuperheatedVolume/plain");
BENCHMARK(BM_SuperheatedPlain<SuperheatedEnthalpy, plain::SuperheatedEnthalpy>)
    ->Name("SuperheatedEnthalpy/plain");
BENCHMARK(BM_SuperheatedPlain<SuperheatedEntropy, plain::SuperheatedEntropy>)
    ->Name("SuperheatedEntropy/plain");

// The isobar's temperature search for one superheated point.
void BM_TemperatureSearch(benchmark::State& state) {
    double s = 7;
    for (auto _ : state) {
        s = s > 9 ? 7 : s + 0.01;
        benchmark::DoNotOptimize(TemperatureOfEntropy(1, s, CollapseDetection::kOff));
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
