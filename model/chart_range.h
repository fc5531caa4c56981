#pragma once

#include "steam/water_constants.h"

// The ranges of the temperature-entropy chart: entropy across, temperature
// upwards. Drawing, readout and every test of "inside the chart" use these.
namespace calorix {

inline constexpr double kChartMinEntropy = 0;                            // kJ/kg-K, left edge
inline constexpr double kChartMaxEntropy = 12;                           // kJ/kg-K, right edge
inline constexpr double kChartMinTemperature = kTriplePointTemperature;  // K, bottom edge
inline constexpr double kChartMaxTemperature = 1273.16;                  // K, top edge
// kChartMaxTemperature - kChartMinTemperature, as the mapping divides by it:
// exactly 1000 (the difference of the two doubles is not).
inline constexpr double kChartTemperatureSpan = 1000;  // K

// Whether a state lies on the chart, its edges included.
constexpr bool OnChart(double s, double T) {
    return T >= kChartMinTemperature && T <= kChartMaxTemperature && s >= kChartMinEntropy &&
           s <= kChartMaxEntropy;
}

}  // namespace calorix
