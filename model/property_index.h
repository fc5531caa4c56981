#pragma once

// The five properties of the chart's boxes, in their order.
namespace calorix {

// Index of a property, of its input box and of its series option:
// temperature T in K, pressure P in MPa, specific volume v in m^3/kg,
// specific enthalpy h in kJ/kg, specific entropy s in kJ/kg-K.
enum PropertyIndex : int { kT = 0, kP = 1, kV = 2, kH = 3, kS = 4 };
inline constexpr int kPropertyCount = 5;

}  // namespace calorix
