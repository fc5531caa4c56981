#pragma once

// The chart frame: where the chart lies in the chart window, in twips, and
// the mapping between states (s, T) and drawing points. Set when the chart
// window opens; it outlives a closed chart window.
#include "model/chart_range.h"

namespace calorix {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartFrame {
    double ChartLeft = 0;    // x where s = 0
    double ChartBottom = 0;  // y where T = 273.16 K
    double ChartWidth = 0;   // covers s = 0 to 12
    double ChartHeight = 0;  // covers T = 273.16 to 1273.16 K

    // The frame for a frame window's client area of the given size in twips.
    static ChartFrame ForClientArea(double scaleWidth, double scaleHeight) {
        ChartFrame frame;
        frame.ChartWidth = scaleWidth * 0.75;
        frame.ChartHeight = scaleHeight * 0.8;
        frame.ChartLeft = scaleWidth * 0.05;
        frame.ChartBottom = scaleHeight * 0.9;
        return frame;
    }

    double Top() const { return ChartBottom - ChartHeight; }
    double Right() const { return ChartLeft + ChartWidth; }

    // Drawing point of the state with entropy s in kJ/kg-K and temperature T in K.
    ChartPoint Map(double s, double T) const {
        return {ChartLeft + ChartWidth * s / kChartMaxEntropy,
                ChartBottom - ChartHeight * (T - kChartMinTemperature) / kChartTemperatureSpan};
    }
    // Entropy and temperature under a drawing point.
    double EntropyAt(double x) const { return kChartMaxEntropy * (x - ChartLeft) / ChartWidth; }
    double TemperatureAt(double y) const {
        return kChartMinTemperature + kChartTemperatureSpan * (ChartBottom - y) / ChartHeight;
    }
};

}  // namespace calorix
