#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lines/box_values.h"
#include "lines/current_point.h"
#include "lines/plan.h"
#include "lines/two_box_location.h"

// The crossing of the two lines of a pair that Draw does not solve by
// itself: (P, v), (P, h), (v, h), (v, s) and (h, s). A crossing is a state of
// the property model inside the chart that has both values.
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
// 12 kJ/kg-K) whose properties of the pair have the two values, lowest
// temperature first. Each reproduces P and v to 1e-7 and h and s to 1e-6 of
// their values. Nothing for a pair that Draw solves itself or for a value
// that is not a finite number. (P, h) = (1, 2500) -> one wet state at
// 453.03 K with x = 0.862.
std::vector<ModelState> FindCrossings(BoxPair pair, double first, double second);

// What locating the crossing of an unsolved pair did.
struct CrossingLocation {
    Plan plan;
    // The crossings found, lowest temperature first.
    std::vector<ModelState> states;
    // At least one crossing was marked; the current point holds the first.
    bool located = false;
};

// Marks every crossing of the pair's two box values in the location colour
// with the label "(P=1, h=2500)" built from the box texts, and makes the
// crossing of lowest temperature the current point. With no crossing nothing
// is drawn and the current point is left alone.
CrossingLocation LocateCrossings(BoxPair pair, const BoxTexts& texts, CurrentPoint& point);

// The property panel when no state has both values: "Location:" and one line.
std::string NoCrossingPanelText();

}  // namespace calorix
