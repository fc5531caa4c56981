#include "lines/property_searches.h"

#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

// The superheated functions clip a pressure above 22.0891 MPa in place; the
// temperature searches hand each call a copy of their fixed pressure.
template <PropertyValue (*F)(double, double&)>
std::optional<double> TemperatureSearch(double P, double target, CollapseDetection collapse) {
    return BisectRoot(
        [P](double& T) {
            double p = P;
            return F(T, p);
        },
        target, kTriplePointTemperature, kSearchTopTemperature, SearchMeasure::kRelative, collapse);
}

// The pressure searches hand the search's own bracket ends and midpoint.
template <PropertyValue (*F)(double, double&)>
std::optional<double> PressureSearch(double T, double target, CollapseDetection collapse) {
    return BisectRoot([T](double& P) { return F(T, P); }, target,
                      SatPressure(kTriplePointTemperature), kCriticalPressure,
                      SearchMeasure::kRelative, collapse);
}

}  // namespace

std::optional<double> DrynessFraction(double liquid, double span, double target) {
    return BisectRoot([liquid, span](double& x) { return liquid + x * span; }, target, 0.0, 1.0,
                      SearchMeasure::kAbsolute, CollapseDetection::kOn);
}

std::optional<double> TemperatureOfEntropy(double P, double s, CollapseDetection collapse) {
    return TemperatureSearch<SuperheatedEntropy>(P, s, collapse);
}

std::optional<double> TemperatureOfEnthalpy(double P, double h, CollapseDetection collapse) {
    return TemperatureSearch<SuperheatedEnthalpy>(P, h, collapse);
}

std::optional<double> PressureOfVolume(double T, double v, CollapseDetection collapse) {
    return PressureSearch<SuperheatedVolume>(T, v, collapse);
}

std::optional<double> PressureOfEnthalpy(double T, double h, CollapseDetection collapse) {
    return PressureSearch<SuperheatedEnthalpy>(T, h, collapse);
}

}  // namespace calorix
