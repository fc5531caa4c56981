// Every search the program runs, and every construction built on them, must
// come out bit for bit as the three-evaluation search over the first
// property model gives it (lines/search_reference.h): the temperature,
// pressure and dryness searches with and without collapse detection, the
// isobars, isochores and isenthalps over their ranges and those of the
// default line series.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "lines/box_values.h"
#include "lines/search_reference.h"
#include "lines/series_values.h"
#include "lines/single_property_lines.h"
#include "model/property_searches.h"
#include "numeric/number_text.h"
#include "steam/saturated_properties.h"
#include "testing/same_bits.h"

namespace calorix {
namespace {

constexpr auto kDetect = CollapseDetection::kOn;
constexpr auto kNoDetect = CollapseDetection::kOff;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using test::Bits;
using test::ExactText;
using test::SameBits;

// first, first * factor, ... up to last.
std::vector<double> Geometric(double first, double last, double factor) {
    std::vector<double> values;
    for (double x = first; x <= last; x *= factor)
        values.push_back(x);
    return values;
}

std::vector<double> Arithmetic(double first, double last, double step) {
    std::vector<double> values;
    for (double x = first; x <= last; x += step)
        values.push_back(x);
    return values;
}

// Pressures of the temperature searches: the chart's range and beyond it,
// the clipping limit, the panel's upper end and no pressure at all.
std::vector<double> SearchPressures() {
    std::vector<double> values = Geometric(0.0004, 30, 1.33);
    for (const double P : {0.0, 0.000611, 12.33, 22.0891, 22.1231, 25.0, -1.0, kNaN})
        values.push_back(P);
    return values;
}

// Temperatures of the pressure searches: below, across and above the dome.
std::vector<double> SearchTemperatures() {
    std::vector<double> values = Arithmetic(250, 1650, 29.3);
    for (const double T : {273.16, 647.3, 1273.16, 1591.45, 0.0, kNaN})
        values.push_back(T);
    return values;
}

// One search over a grid of fixed values and targets, with and without
// collapse detection. Reports the first few differences.
template <class Program, class Reference>
void CompareSearches(const char* name, const std::vector<double>& fixed,
                     const std::vector<double>& targets, Program program, Reference reference) {
    int reports = 0;
    for (const double x : fixed) {
        for (const double target : targets) {
            for (const CollapseDetection collapse : {kNoDetect, kDetect}) {
                const ::testing::AssertionResult same =
                    SameBits(program(x, target, collapse), reference(x, target, collapse));
                EXPECT_TRUE(same) << name << "(" << ExactText(x) << ", " << ExactText(target)
                                  << "), collapse " << (collapse == kDetect);
                if (!same && ++reports == 5) return;
            }
        }
    }
}

TEST(SearchIdentity, TemperatureOfEntropy) {
    std::vector<double> targets = Arithmetic(3, 13.5, 0.037);
    targets.push_back(kNaN);
    CompareSearches("TemperatureOfEntropy", SearchPressures(), targets, TemperatureOfEntropy,
                    reference::TemperatureOfEntropy);
}

TEST(SearchIdentity, TemperatureOfEnthalpy) {
    std::vector<double> targets = Arithmetic(1000, 6000, 17.3);
    targets.push_back(kNaN);
    CompareSearches("TemperatureOfEnthalpy", SearchPressures(), targets, TemperatureOfEnthalpy,
                    reference::TemperatureOfEnthalpy);
}

TEST(SearchIdentity, PressureOfVolume) {
    std::vector<double> targets = Geometric(0.0005, 2000, 1.05);
    targets.push_back(0);
    targets.push_back(kNaN);
    CompareSearches("PressureOfVolume", SearchTemperatures(), targets, PressureOfVolume,
                    reference::PressureOfVolume);
}

TEST(SearchIdentity, PressureOfEnthalpy) {
    std::vector<double> targets = Arithmetic(1500, 5500, 13.7);
    targets.push_back(kNaN);
    CompareSearches("PressureOfEnthalpy", SearchTemperatures(), targets, PressureOfEnthalpy,
                    reference::PressureOfEnthalpy);
}

// Liquid and span as the isochores, the isenthalps and the two-box location
// hand them (vf and vg - vf, hf and hfg along the dome), spans that are 0,
// negative or not a number, and targets across and beyond each range.
TEST(SearchIdentity, DrynessFraction) {
    std::vector<std::pair<double, double>> ranges;
    for (double T = 273.16; T <= 647.3; T += 7.3) {
        const double vf = SatLiquidVolume(T), hf = SatLiquidEnthalpy(T);
        ranges.emplace_back(vf, double(SatVaporVolume(T)) - vf);
        ranges.emplace_back(hf, double(EvaporationEnthalpy(T)));
    }
    for (const double liquid : {0.0, -0.727, kNaN}) {
        for (const double span : {0.0, 1.0, -1.0, -2256.1, 1e-300, kNaN})
            ranges.emplace_back(liquid, span);
    }
    int reports = 0;
    for (const auto& [liquid, span] : ranges) {
        for (double q = -0.1; q <= 1.1; q += 0.00731) {
            const double target = liquid + q * span;
            const ::testing::AssertionResult same =
                SameBits(DrynessFraction(liquid, span, target),
                         reference::DrynessFraction(liquid, span, target));
            EXPECT_TRUE(same) << "DrynessFraction(" << ExactText(liquid) << ", " << ExactText(span)
                              << ", " << ExactText(target) << ")";
            if (!same && ++reports == 5) return;
        }
    }
}

::testing::AssertionResult SamePlans(const Plan& actual, const Plan& expected) {
    const auto& a = actual.Steps();
    const auto& e = expected.Steps();
    for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i) {
        const bool same = a[i].kind == e[i].kind && Bits(a[i].s) == Bits(e[i].s) &&
                          Bits(a[i].T) == Bits(e[i].T) && Bits(a[i].s2) == Bits(e[i].s2) &&
                          Bits(a[i].T2) == Bits(e[i].T2) && a[i].color == e[i].color &&
                          a[i].text == e[i].text;
        if (!same) {
            return ::testing::AssertionFailure()
                   << "step " << i << ": kind " << a[i].kind << " (" << ExactText(a[i].s) << ", "
                   << ExactText(a[i].T) << ") instead of kind " << e[i].kind << " ("
                   << ExactText(e[i].s) << ", " << ExactText(e[i].T) << ")";
        }
    }
    if (a.size() != e.size()) {
        return ::testing::AssertionFailure() << a.size() << " steps instead of " << e.size();
    }
    return ::testing::AssertionSuccess();
}

// The line of one property at value x, as Draw builds it from the box text.
struct Construction {
    const char* name;
    std::function<Plan(double, const std::string&)> program;
    std::function<Plan(double, const std::string&)> reference;
};

const Construction kIsobar = {"Isobar",
                              [](double P, const std::string& text) {
                                  CurrentPoint point;
                                  Plan plan = Isobar(P, text, point);
                                  plan.MoveTo(point.PointS,
                                              point.PointT);  // the current point it leaves
                                  return plan;
                              },
                              [](double P, const std::string& text) {
                                  CurrentPoint point;
                                  Plan plan = reference::Isobar(P, text, point);
                                  plan.MoveTo(point.PointS, point.PointT);
                                  return plan;
                              }};
const Construction kIsochore = {"Isochore", Isochore, reference::Isochore};
const Construction kIsenthalp = {"Isenthalp", Isenthalp, reference::Isenthalp};

void CompareConstructions(const Construction& construction, const std::vector<double>& values) {
    for (const double x : values) {
        const std::string text = GeneralText(x);
        const double value = BoxValue(text);
        ASSERT_TRUE(
            SamePlans(construction.program(value, text), construction.reference(value, text)))
            << construction.name << " at " << text;
    }
}

// Over the range Draw accepts for each box, and a little beyond.
TEST(PlanIdentity, Isobars) {
    std::vector<double> values = Geometric(0.0005, 25, 1.09);
    for (const double P : {0.000611, 0.1, 1.0, 12.33, 22.0891, 22.1231, 25.0})
        values.push_back(P);
    CompareConstructions(kIsobar, values);
}

TEST(PlanIdentity, Isochores) {
    std::vector<double> values = Geometric(0.0009, 300, 1.2);
    for (const double v : {0.001, 0.003155, 0.5, 206.2})
        values.push_back(v);
    CompareConstructions(kIsochore, values);
}

TEST(PlanIdentity, Isenthalps) {
    std::vector<double> values = Arithmetic(100, 5000, 53.7);
    for (const double h : {2850.0, 3000.0, 2675.0})
        values.push_back(h);
    CompareConstructions(kIsenthalp, values);
}

// The line series: the values the dialog's defaults give, by number of
// points and by increment, as texts written into the box.
std::vector<double> DefaultSeries(const char* from, const char* to, const char* increment) {
    const double f = BoxValue(from), t = BoxValue(to), inc = BoxValue(increment);
    const double count = std::floor(std::fabs((t - f) / inc));
    std::vector<double> values;
    for (const bool byCount : {true, false}) {
        const SeriesValues series = Series(f, t, SeriesStep(f, t, inc, count, byCount));
        EXPECT_EQ(series.outcome, SeriesOutcome::kValues);
        EXPECT_FALSE(series.values.empty());
        values.insert(values.end(), series.values.begin(), series.values.end());
    }
    return values;
}

// The temperature and entropy series are isotherms and isentropes, which
// run no search.
TEST(PlanIdentity, DefaultLineSeries) {
    CompareConstructions(kIsobar, DefaultSeries("0.00062", "22", "1"));
    CompareConstructions(kIsochore, DefaultSeries("0.005", "200", "10"));
    CompareConstructions(kIsenthalp, DefaultSeries("200", "4600", "400"));
}

}  // namespace
}  // namespace calorix
