#pragma once

#include "steam/property_value.h"

// The saturation line of water: pressure from temperature and temperature
// from pressure. The two correlations are not exact inverses of each other
// (SatTemperature(SatPressure(373.15)) is 373.26 K).
namespace calorix {

// Saturation pressure in MPa at temperature T in K. No range check: above
// the critical point the formula extrapolates (42.68 MPa at 700 K), and from
// about 1234.96 K on, where the exponential overflows, it returns the
// exponent itself (1005.7388 at 1273.16 K).
double SatPressure(double T);

// Saturation temperature in K at pressure P in MPa. A pressure above
// 22.0891 MPa is first lowered to 22.0891 in the caller's variable.
// 0 < P < 0.000611 gives 0; P <= 0 gives empty.
// SatTemperature(1) = 453.0169; SatTemperature(25) = 647.3331, P -> 22.0891.
PropertyValue SatTemperature(double& P);

}  // namespace calorix
