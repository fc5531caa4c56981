#pragma once

#include <optional>
#include <vector>

#include "model/property_index.h"

// The states of the chart's correlations that have two given values of the
// pairs that Draw does not solve by itself: (P, v), (P, h), (v, h), (v, s)
// and (h, s), where the lines of the two values cross on the chart.
//
// The states of the model:
// - In the dome, (T, x) with T from 273.16 to 647.3 K and x from 0 to 1:
//   P = SatPressure(T), v = vf + x (vg - vf), h = hf + x (hg - hf) and
//   s = sf + x (sg - sf), the saturated properties taken at T. The pressure
//   is the one the property panel shows for a wet state, so the state of a
//   pressure P lies at the temperature whose SatPressure is P (not at
//   SatTemperature(P), which differs by about 0.1 K).
// - Superheated steam, (T, P) with T from 273.16 to 1273.16 K and P from
//   SatPressure(273.16) to 22.0891 MPa where SuperheatedEntropy(T, P) exceeds
//   SatVaporEntropy(T) (always above 647.3 K): v, h and s of the superheated
//   correlations.
// There is no compressed-liquid state. The superheated correlations do not
// meet the saturated ones on the saturation line, so along a line the values
// jump where it leaves the dome: a value inside such a jump has no state
// (no crossing), and where the two regions overlap a pair can have one state
// in the dome and another just outside it.
namespace calorix {

struct ModelState {
    double T = 0;  // temperature in K
    double P = 0;  // pressure in MPa
    double v = 0;  // specific volume in m^3/kg
    double h = 0;  // specific enthalpy in kJ/kg
    double s = 0;  // specific entropy in kJ/kg-K
    // Dryness fraction of a state in the dome; none for superheated steam.
    std::optional<double> x;
};

// Every state of the model inside the chart (T 273.16 to 1273.16 K, s 0 to
// 12 kJ/kg-K) whose properties firstProperty and secondProperty (indices,
// first < second, one of the pairs above) have the two values, lowest
// temperature first. Each reproduces P and v to 1e-7 and h and s to 1e-6 of
// their values. Nothing for a value that is not a finite number. (P, h) = (1, 2500) -> one wet
// state at 453.03 K with x = 0.862.
std::vector<ModelState> FindModelCrossings(int firstProperty, int secondProperty, double first,
                                           double second);

}  // namespace calorix
