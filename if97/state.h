#pragma once

#include <optional>
#include <variant>

#include "if97/properties.h"
#include "if97/single_phase.h"

// The state of water in IAPWS-IF97 from any pair of its properties. Each
// pair is solved against the basic equations, so that the state found gives
// back both values it was asked for: T to 1e-7 K and P, v, h and s to about
// 1e-9 of their values. The backward equations only start the searches.
//
// Inputs: T in K, P in MPa, v in m^3/kg, h in kJ/kg, s in kJ/(kg K), x the
// quality from 0 to 1.
namespace calorix::if97 {

struct State {
    Region region = Region::kNone;  // 1, 2, 3 or 5; kSaturation4 for a wet state
    // A wet state gives T, P, v, h, s and u only (the rest is 0).
    Properties properties;
    std::optional<double> x;  // the quality of a wet state
};

enum class Failure {
    kNotANumber,    // an input is not a finite number (or not positive where it must be)
    kOutsideRange,  // the pair lies outside IAPWS-IF97's range
    kNoState,       // no state of the range has both values
};

// A state, or why there is none.
using Solution = std::variant<State, Failure>;

// The single-phase state; on the saturation line the liquid (as region 1).
Solution FromTP(double T, double P);
// Wet states: x in [0, 1], T from 273.15 K to 647.096 K, P from 0.000611 to
// 22.064 MPa.
Solution FromTX(double T, double x);
Solution FromPX(double P, double x);
// Along an isobar: wet where the value lies between the saturated liquid's
// and the saturated vapour's at P, else the single-phase temperature.
Solution FromPH(double P, double h);
Solution FromPS(double P, double s);
// Where two temperatures of one pressure have the volume (liquid water
// near 277 K is densest), the lower.
Solution FromPV(double P, double v);
// Along an isotherm: wet between the saturated phases at T, else the
// single-phase pressure.
Solution FromTS(double T, double s);
Solution FromTV(double T, double v);
// Where two pressures of one temperature have the enthalpy, the lower.
Solution FromTH(double T, double h);
// The pairs without T or P: a search over the pressure of the states of
// the second value (the pressure's states of one s or h), on a grid of
// pressures from 1e-10 to 100 MPa refined where the first value is crossed;
// the lowest pressure that has the pair.
Solution FromHS(double h, double s);
Solution FromVH(double v, double h);
Solution FromVS(double v, double s);

}  // namespace calorix::if97
