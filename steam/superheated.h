#pragma once

#include "steam/property_value.h"

// Superheated steam: v, h and s from the temperature T in K and the pressure
// P in MPa. Each hands the caller's own pressure variable to SatTemperature,
// so a pressure above 22.0891 MPa is lowered to 22.0891 in place.
//
// What the searches over these functions rely on: at fixed P, entropy and
// enthalpy rise with T over 273.16 to 1591.45 K; at fixed T, entropy and
// volume fall with P over SatPressure(273.16) to 22.0891 MPa.
namespace calorix {

// v in m^3/kg. (473.15 K, 0.1 MPa) -> 2.17411. P = 0 gives empty.
PropertyValue SuperheatedVolume(double T, double& P);

// h in kJ/kg. (473.15 K, 0.1 MPa) -> 2875.919. The pressure terms use P as
// passed in, the saturation terms the clipped P: (700, 25) -> 2843.869.
PropertyValue SuperheatedEnthalpy(double T, double& P);

// s in kJ/kg-K. (473.15 K, 0.1 MPa) -> 7.83223.
PropertyValue SuperheatedEntropy(double T, double& P);

}  // namespace calorix
