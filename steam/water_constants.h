#pragma once

// Constants that the whole property model and its callers share.
namespace calorix {

inline constexpr double kCriticalTemperature = 647.3;      // K, top of the saturation dome
inline constexpr double kCriticalPressure = 22.0891;       // MPa, clipping limit of SatTemperature
inline constexpr double kCriticalEntropy = 4.4289;         // kJ/kg-K, entropy scale of the dome
inline constexpr double kTriplePointTemperature = 273.16;  // K
inline constexpr double kSearchTopTemperature = 1591.45;   // K, upper end of temperature searches

}  // namespace calorix
