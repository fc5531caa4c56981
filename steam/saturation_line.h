#pragma once

#include <cmath>

#include "steam/property_value.h"
#include "steam/water_constants.h"

// The saturation line of water: pressure from temperature and temperature
// from pressure. The two correlations are not exact inverses of each other
// (SatTemperature(SatPressure(373.15)) is 373.26 K).
namespace calorix {

// Saturation pressure in MPa at temperature T in K. No range check: above
// the critical point the formula extrapolates (42.68 MPa at 700 K), and from
// about 1234.96 K on, where the exponential overflows, it returns the
// exponent itself (1005.7388 at 1273.16 K).
double SatPressure(double T);

namespace saturation_temperature {

// T = a + b / (ln P + c), in two bands of P.
struct Band {
    double a, b, c;
};
inline constexpr Band kLowBand = {42.6776, -3892.7, -9.48654};     // 0.000611 <= P <= 12.33
inline constexpr Band kHighBand = {-387.592, -12587.5, -15.2578};  // 12.33 < P <= 22.1

// SatTemperature of a pressure in no band (below 0.000611 MPa, or not a
// number), statement by statement: 0, or empty where the logarithm faults.
PropertyValue OutsideTheBands(double P);

}  // namespace saturation_temperature

// Saturation temperature in K at pressure P in MPa. A pressure above
// 22.0891 MPa is first lowered to 22.0891 in the caller's variable.
// 0 < P < 0.000611 gives 0; P <= 0 gives empty.
// SatTemperature(1) = 453.0169; SatTemperature(25) = 647.3331, P -> 22.0891.
//
// Inline, as every superheated property calls it. Inside the two bands
// ln P + c stays below -6.9 and the formula cannot fault.
inline PropertyValue SatTemperature(double& P) {
    using namespace saturation_temperature;
    if (P > kCriticalPressure) P = kCriticalPressure;
    if (P > 12.33) return kHighBand.a + kHighBand.b / (std::log(P) + kHighBand.c);
    if (P >= 0.000611) return kLowBand.a + kLowBand.b / (std::log(P) + kLowBand.c);
    return OutsideTheBands(P);
}

}  // namespace calorix
