// The chart's work under IAPWS-IF97 beside the same work under the chart's
// correlations, in the same run: the 19 default isochores of the series
// dialog, one isobar, the dome, a click's panel, the mouse readout's quality
// and the location of a pair.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "lines/model_lines.h"
#include "lines/model_location.h"
#include "lines/series_values.h"
#include "lines/single_property_lines.h"
#include "lines/two_box_location.h"
#include "model/chart_range.h"
#include "model/state_region.h"
#include "numeric/box_value.h"
#include "numeric/number_text.h"
#include "readout/model_panel.h"
#include "readout/state_panel.h"
#include "steam/saturated_properties.h"

namespace calorix {
namespace {

// The values of the series dialog's default volume series: 0.005 to 200 in
// 19 steps.
std::vector<double> DefaultVolumes() {
    const SeriesOption& option = SeriesOptions(If97Model())[kV];
    const double from = BoxValue(option.from), to = BoxValue(option.to);
    return Series(from, to, SeriesStep(from, to, 0, 19, true)).values;
}

std::size_t Steps(const Plan& plan) {
    return plan.Steps().size();
}

void BM_DefaultIsochores(benchmark::State& state, bool if97) {
    const std::vector<double> volumes = DefaultVolumes();
    std::vector<std::string> texts;
    for (const double v : volumes)
        texts.push_back(GeneralText(v));
    std::size_t steps = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < volumes.size(); ++i) {
            steps += if97 ? Steps(ModelIsochore(If97Model(), volumes[i], texts[i]))
                          : Steps(Isochore(volumes[i], texts[i]));
        }
    }
    state.counters["lines"] = double(volumes.size());
    state.counters["steps/series"] = double(steps) / double(state.iterations());
}
BENCHMARK_CAPTURE(BM_DefaultIsochores, classic, false)
    ->Name("Model/19 default isochores/classic")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DefaultIsochores, if97, true)
    ->Name("Model/19 default isochores/if97")
    ->Unit(benchmark::kMillisecond);

void BM_Isobar(benchmark::State& state, bool if97, double P) {
    CurrentPoint point;
    const std::string text = GeneralText(P);
    std::size_t steps = 0;
    for (auto _ : state) {
        steps +=
            if97 ? Steps(ModelIsobar(If97Model(), P, text, point)) : Steps(Isobar(P, text, point));
    }
    state.counters["steps"] = double(steps) / double(state.iterations());
}
BENCHMARK_CAPTURE(BM_Isobar, classic, false, 8.0)
    ->Name("Model/isobar 8 MPa/classic")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Isobar, if97, true, 8.0)
    ->Name("Model/isobar 8 MPa/if97")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Isobar, if97Supercritical, true, 25.0)
    ->Name("Model/isobar 25 MPa/if97")
    ->Unit(benchmark::kMicrosecond);

void BM_Isochore(benchmark::State& state, double v) {
    const std::string text = GeneralText(v);
    for (auto _ : state)
        benchmark::DoNotOptimize(Steps(ModelIsochore(If97Model(), v, text)));
}
BENCHMARK_CAPTURE(BM_Isochore, liquid, 0.0015)
    ->Name("Model/isochore 0.0015 m^3/kg/if97")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Isochore, steam, 10.0)
    ->Name("Model/isochore 10 m^3/kg/if97")
    ->Unit(benchmark::kMicrosecond);

void BM_Isenthalp(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Steps(ModelIsenthalp(If97Model(), 2500, "2500")));
}
BENCHMARK(BM_Isenthalp)->Name("Model/isenthalp 2500 kJ/kg/if97")->Unit(benchmark::kMicrosecond);

void BM_Dome(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Steps(ModelDome(If97Model())));
}
BENCHMARK(BM_Dome)->Name("Model/dome/if97")->Unit(benchmark::kMicrosecond);

// Chart points swept over the whole chart, so that no call is answered from
// a constant: (T, s) with T from 280 to 1270 K and s from 0.2 to 11.8.
struct ChartPoint {
    double T, s;
};

const std::vector<ChartPoint>& ChartPoints() {
    static const std::vector<ChartPoint> points = [] {
        std::vector<ChartPoint> chart;
        for (int i = 0; i < 1024; ++i) {
            chart.push_back(
                {280 + 990 * ((i * 37) % 101) / 100.0, 0.2 + 11.6 * ((i * 53) % 97) / 96.0});
        }
        return chart;
    }();
    return points;
}

// A click's panel: the state of the point and its text.
void BM_ClickPanel(benchmark::State& state, bool if97) {
    const std::vector<ChartPoint>& points = ChartPoints();
    std::size_t i = 0;
    for (auto _ : state) {
        const ChartPoint& p = points[i++ & 1023];
        if (if97) {
            benchmark::DoNotOptimize(
                DescribeModelPoint(If97Model(), PanelVariant::kClick, p.T, p.s));
        } else {
            double T = p.T;
            benchmark::DoNotOptimize(DescribeState(PanelVariant::kClick, T, p.s));
        }
    }
}
BENCHMARK_CAPTURE(BM_ClickPanel, classic, false)->Name("Model/click panel/classic");
BENCHMARK_CAPTURE(BM_ClickPanel, if97, true)->Name("Model/click panel/if97");

// The mouse readout's quality: the readout truncates T and s first, then
// asks for the quality (empty outside the dome).
void BM_ReadoutQuality(benchmark::State& state, bool if97) {
    const std::vector<ChartPoint>& points = ChartPoints();
    std::size_t i = 0;
    for (auto _ : state) {
        const ChartPoint& p = points[i++ & 1023];
        double T = p.T, s = p.s;
        std::string text = ReadoutText(T, 3, 2) + ReadoutText(s, 2, 3);
        std::optional<double> x;
        if (if97) {
            x = ModelQualityAt(If97Model(), T, s);
        } else if (StateRegion(s, T) == kWetMixture) {
            const double sf = SatLiquidEntropy(T);
            x = (s - sf) / (double(SatVaporEntropy(T)) - sf);
        }
        if (x) text += ReadoutText(*x, 2, 3);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK_CAPTURE(BM_ReadoutQuality, classic, false)->Name("Model/mouse readout/classic");
BENCHMARK_CAPTURE(BM_ReadoutQuality, if97, true)->Name("Model/mouse readout/if97");

// Locate (T, P) and its panel, over states of the chart.
void BM_LocateTP(benchmark::State& state) {
    std::vector<BoxTexts> boxes;
    for (int i = 0; i < 64; ++i) {
        BoxTexts texts;
        texts[kT] = GeneralText(300 + 11.3 * i);
        texts[kP] = GeneralText(0.01 * (1 + (i * 7) % 64));
        boxes.push_back(texts);
    }
    std::size_t i = 0;
    CurrentPoint point;
    for (auto _ : state) {
        const Location location =
            LocateModelState(If97Model(), BoxPair::kTP, boxes[i++ & 63], point);
        if (location.state) {
            benchmark::DoNotOptimize(
                DescribeModelState(If97Model(), PanelVariant::kLocate, *location.state));
        }
    }
}
BENCHMARK(BM_LocateTP)->Name("Model/locate (T,P) with its panel/if97");

}  // namespace
}  // namespace calorix
