// The property model as it was first written, statement for statement: the
// skip-on-error helpers, the saturation line, the saturated properties and
// the superheated region. The tests hold the program's faster functions to
// these, bit for bit, and the search tests build their reference searches on
// them. Not part of the program.
#pragma once

#include <cmath>
#include <limits>
#include <type_traits>

#include "steam/property_value.h"

namespace calorix::reference {

namespace fault {

inline constexpr double kFault = std::numeric_limits<double>::quiet_NaN();

inline double Ln(double x) {
    return x > 0.0 ? std::log(x) : kFault;
}

inline double Quot(double a, double b) {
    if (b == 0.0 || !std::isfinite(a) || !std::isfinite(b)) return kFault;
    const double q = a / b;
    return std::isfinite(q) ? q : kFault;
}

inline double Power(double base, double exponent) {
    if (!std::isfinite(base) || !std::isfinite(exponent)) return kFault;
    const double p = std::pow(base, exponent);
    return std::isfinite(p) ? p : kFault;
}

inline double Exp(double x) {
    return Power(2.71828182, x);
}

template <class Target>
bool Assign(Target& target, double value) {
    if (!std::isfinite(value)) return false;
    if constexpr (std::is_same_v<Target, float>) {
        if (std::fabs(value) > std::numeric_limits<float>::max()) return false;
        target = static_cast<float>(value);
    } else {
        target = value;
    }
    return true;
}

}  // namespace fault

double SatPressure(double T);
PropertyValue SatTemperature(double& P);

PropertyValue SatLiquidVolume(double T);
PropertyValue SatVaporVolume(double T);
PropertyValue SatLiquidEnthalpy(double T);
PropertyValue SatVaporEnthalpy(double T);
PropertyValue EvaporationEnthalpy(double T);
PropertyValue SatLiquidEntropy(double T);
PropertyValue SatVaporEntropy(double T);

PropertyValue SuperheatedVolume(double T, double& P);
PropertyValue SuperheatedEnthalpy(double T, double& P);
PropertyValue SuperheatedEntropy(double T, double& P);

}  // namespace calorix::reference
