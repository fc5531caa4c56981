// IAPWS-IF97 beside the chart's correlations, in the same run: h and s from
// (T, P) in regions 1 and 2, the temperature of (P, h) and (P, s) refined
// against the basic equations, the state of a chart point (T, s) as a click
// needs it, region 3 from (T, P), and the correlations' SuperheatedEntropy.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <variant>
#include <vector>

#include "if97/region1.h"
#include "if97/region2.h"
#include "if97/region4.h"
#include "if97/single_phase.h"
#include "if97/state.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

struct Point {
    double a, b;
};

// 1024 points of (T, P) in one region, spread over it so that no call is
// answered from a constant.
std::vector<Point> PointsIn(if97::Region region, double Tlo, double Thi, double Plo, double Phi) {
    std::vector<Point> points;
    for (int i = 0; points.size() < 1024 && i < 1 << 20; ++i) {
        const double T = Tlo + (Thi - Tlo) * ((i * 37) % 101) / 100.0;
        const double P = Plo * std::pow(Phi / Plo, ((i * 53) % 97) / 96.0);
        if (if97::RegionOf(T, P) == region) points.push_back({T, P});
    }
    return points;
}

const std::vector<Point>& Region1Points() {
    static const auto points = PointsIn(if97::Region::kLiquid1, 280, 620, 1, 100);
    return points;
}

const std::vector<Point>& Region2Points() {
    static const auto points = PointsIn(if97::Region::kSteam2, 400, 1000, 0.01, 15);
    return points;
}

const std::vector<Point>& Region3Points() {
    static const auto points = PointsIn(if97::Region::kNearCritical3, 624, 860, 17, 100);
    return points;
}

template <class F>
void Over(benchmark::State& state, const std::vector<Point>& points, F&& f) {
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = points[i++ & 1023];
        benchmark::DoNotOptimize(f(p.a, p.b));
    }
}

void BM_ClassicSuperheatedEntropy(benchmark::State& state) {
    Over(state, Region2Points(),
         [](double T, double P) { return double(SuperheatedEntropy(T, P)); });
}
BENCHMARK(BM_ClassicSuperheatedEntropy)->Name("IF97/classic SuperheatedEntropy(T,P)");

void BM_Region1Enthalpy(benchmark::State& state) {
    Over(state, Region1Points(), if97::Region1Enthalpy);
}
BENCHMARK(BM_Region1Enthalpy)->Name("IF97/region 1 h(T,P)");

void BM_Region1Entropy(benchmark::State& state) {
    Over(state, Region1Points(), if97::Region1Entropy);
}
BENCHMARK(BM_Region1Entropy)->Name("IF97/region 1 s(T,P)");

void BM_Region2Enthalpy(benchmark::State& state) {
    Over(state, Region2Points(), if97::Region2Enthalpy);
}
BENCHMARK(BM_Region2Enthalpy)->Name("IF97/region 2 h(T,P)");

void BM_Region2Entropy(benchmark::State& state) {
    Over(state, Region2Points(), if97::Region2Entropy);
}
BENCHMARK(BM_Region2Entropy)->Name("IF97/region 2 s(T,P)");

void BM_Region2All(benchmark::State& state) {
    Over(state, Region2Points(), [](double T, double P) { return if97::Region2(T, P).w; });
}
BENCHMARK(BM_Region2All)->Name("IF97/region 2 every property (T,P)");

// The same points as (P, h) and (P, s).
std::vector<Point> Inverted(const std::vector<Point>& points, double (*value)(double, double)) {
    std::vector<Point> inverted;
    for (const Point& p : points)
        inverted.push_back({p.b, value(p.a, p.b)});
    return inverted;
}

template <class Solve>
auto Temperature(Solve solve) {
    return [solve](double a, double b) {
        const if97::Solution solution = solve(a, b);
        return std::get<if97::State>(solution).properties.T;
    };
}

void BM_TemperatureOfPH(benchmark::State& state) {
    static const auto points = Inverted(Region2Points(), if97::Region2Enthalpy);
    Over(state, points, Temperature(if97::FromPH));
}
BENCHMARK(BM_TemperatureOfPH)->Name("IF97/region 2 T(P,h) refined");

void BM_TemperatureOfPS(benchmark::State& state) {
    static const auto points = Inverted(Region2Points(), if97::Region2Entropy);
    Over(state, points, Temperature(if97::FromPS));
}
BENCHMARK(BM_TemperatureOfPS)->Name("IF97/region 2 T(P,s) refined");

void BM_TemperatureOfPSLiquid(benchmark::State& state) {
    static const auto points = Inverted(Region1Points(), if97::Region1Entropy);
    Over(state, points, Temperature(if97::FromPS));
}
BENCHMARK(BM_TemperatureOfPSLiquid)->Name("IF97/region 1 T(P,s) refined");

// Chart points (T, s) over the whole chart where IF97 has a state: what a
// click asks.
void BM_StateOfChartPoint(benchmark::State& state) {
    static const std::vector<Point> points = [] {
        std::vector<Point> chart;
        for (int i = 0; chart.size() < 1024; ++i) {
            const double T = 280 + 990 * ((i * 37) % 101) / 100.0;
            const double s = 0.2 + 11.6 * ((i * 53) % 97) / 96.0;
            if (std::holds_alternative<if97::State>(if97::FromTS(T, s))) chart.push_back({T, s});
        }
        return chart;
    }();
    Over(state, points, Temperature(if97::FromTS));
}
BENCHMARK(BM_StateOfChartPoint)->Name("IF97/state of a chart point (T,s)");

void BM_Region3FromTP(benchmark::State& state) {
    Over(state, Region3Points(), Temperature(if97::FromTP));
}
BENCHMARK(BM_Region3FromTP)->Name("IF97/region 3 state(T,P)");

void BM_StateOfHS(benchmark::State& state) {
    static const std::vector<Point> points = [] {
        std::vector<Point> hs;
        for (const Point& p : Region2Points()) {
            hs.push_back({if97::Region2Enthalpy(p.a, p.b), if97::Region2Entropy(p.a, p.b)});
            if (hs.size() == 64) break;
        }
        while (hs.size() < 1024)
            hs.push_back(hs[hs.size() % 64]);
        return hs;
    }();
    Over(state, points, Temperature(if97::FromHS));
}
BENCHMARK(BM_StateOfHS)->Name("IF97/state(h,s)")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace calorix
