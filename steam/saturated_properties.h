#pragma once

#include "steam/property_value.h"

// Properties of saturated liquid water and saturated steam as functions of
// the temperature T in K alone. Valid from 273.16 K up to the critical point
// 647.3 K; above it every function returns 0. Below 273.16 K the liquid
// enthalpy and entropy return 0 and the others extrapolate.
namespace calorix {

PropertyValue SatLiquidVolume(double T);      // vf in m^3/kg; 0.001043586 at 373.15 K
PropertyValue SatVaporVolume(double T);       // vg in m^3/kg; 1.67193 at 373.15 K
PropertyValue SatLiquidEnthalpy(double T);    // hf in kJ/kg; 419.610 at 373.15 K
PropertyValue SatVaporEnthalpy(double T);     // hg in kJ/kg; 2676.151 at 373.15 K
PropertyValue EvaporationEnthalpy(double T);  // hfg in kJ/kg, its own correlation; 2256.118
PropertyValue SatLiquidEntropy(double T);     // sf in kJ/kg-K; 1.30808 at 373.15 K
PropertyValue SatVaporEntropy(double T);      // sg in kJ/kg-K; 7.35380 at 373.15 K

}  // namespace calorix
