#pragma once

#include <optional>

#include "numeric/bisect_root.h"

// The inverse problems of the constructions, each one halving search over
// the property model.
namespace calorix {

// Dryness fraction x in [0, 1] with liquid + x * span = target, to 0.001;
// nothing when the target lies outside [liquid, liquid + span].
std::optional<double> DrynessFraction(double liquid, double span, double target);

// Temperature in K, from 273.16 to 1591.45 K, at which superheated steam at
// pressure P in MPa has the entropy s. Without collapse detection a target
// outside the range gives the range's midpoint, 932.305 K.
std::optional<double> TemperatureOfEntropy(double P, double s, CollapseDetection collapse);

// Temperature in K, from 273.16 to 1591.45 K, at which superheated steam at
// pressure P has the enthalpy h.
std::optional<double> TemperatureOfEnthalpy(double P, double h, CollapseDetection collapse);

// Pressure in MPa, from SatPressure(273.16) to 22.0891 MPa, at which
// superheated steam at temperature T has the volume v.
std::optional<double> PressureOfVolume(double T, double v, CollapseDetection collapse);

// Pressure in MPa, from SatPressure(273.16) to 22.0891 MPa, at which
// superheated steam at temperature T has the enthalpy h.
std::optional<double> PressureOfEnthalpy(double T, double h, CollapseDetection collapse);

// Pressure in MPa of a superheated state (T in K, s in kJ/kg-K), found by
// halving over SuperheatedEntropy on SatPressure(273.16)..SatPressure(647.3);
// nothing when the entropy lies outside that bracket. The upper end is
// clipped to 22.0891 at its first evaluation, after the first midpoint was
// formed from 22.1231.
std::optional<double> SuperheatedPressure(double T, double s);

}  // namespace calorix
