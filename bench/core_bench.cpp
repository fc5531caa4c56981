// Time per call of the property functions, the two kinds of halving search
// and the panel text.
#include <benchmark/benchmark.h>

#include "lines/bisect_root.h"
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

}  // namespace
}  // namespace calorix
