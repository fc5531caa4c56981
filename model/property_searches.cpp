#include "model/property_searches.h"

#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

// The lower end of the pressure searches, SatPressure(273.16).
double LowestPressure() {
    static const double P = SatPressure(kTriplePointTemperature);
    return P;
}

// The temperature searches evaluate along their isobar, each call with a
// copy of the fixed pressure: the superheated functions clip a pressure
// above 22.0891 MPa in place.
template <PropertyValue (SuperheatedAtPressure::*F)(double) const>
std::optional<double> TemperatureSearch(double P, double target, CollapseDetection collapse) {
    const SuperheatedAtPressure isobar(P);
    return BisectRoot([&isobar](double& T) { return (isobar.*F)(T); }, target,
                      kTriplePointTemperature, kSearchTopTemperature, SearchMeasure::kRelative,
                      collapse);
}

// The pressure searches evaluate along their isotherm and hand the search's
// own bracket ends and midpoint.
template <PropertyValue (SuperheatedAtTemperature::*F)(double&) const>
std::optional<double> PressureSearch(double T, double target, CollapseDetection collapse) {
    const SuperheatedAtTemperature isotherm(T);
    return BisectRoot([&isotherm](double& P) { return (isotherm.*F)(P); }, target, LowestPressure(),
                      kCriticalPressure, SearchMeasure::kRelative, collapse);
}

}  // namespace

std::optional<double> DrynessFraction(double liquid, double span, double target) {
    return BisectRoot([liquid, span](double& x) { return liquid + x * span; }, target, 0.0, 1.0,
                      SearchMeasure::kAbsolute, CollapseDetection::kOn);
}

std::optional<double> TemperatureOfEntropy(double P, double s, CollapseDetection collapse) {
    return TemperatureSearch<&SuperheatedAtPressure::Entropy>(P, s, collapse);
}

std::optional<double> TemperatureOfEnthalpy(double P, double h, CollapseDetection collapse) {
    return TemperatureSearch<&SuperheatedAtPressure::Enthalpy>(P, h, collapse);
}

std::optional<double> PressureOfVolume(double T, double v, CollapseDetection collapse) {
    return PressureSearch<&SuperheatedAtTemperature::Volume>(T, v, collapse);
}

std::optional<double> PressureOfEnthalpy(double T, double h, CollapseDetection collapse) {
    return PressureSearch<&SuperheatedAtTemperature::Enthalpy>(T, h, collapse);
}

std::optional<double> SuperheatedPressure(double T, double s) {
    // The bracket, about 0.000611 to 22.1231 MPa.
    static const double lowest = SatPressure(kTriplePointTemperature);
    static const double highest = SatPressure(kCriticalTemperature);
    const SuperheatedAtTemperature isotherm(T);
    return BisectRoot([&isotherm](double& P) { return isotherm.Entropy(P); }, s, lowest, highest,
                      SearchMeasure::kRelative, CollapseDetection::kOn);
}

}  // namespace calorix
