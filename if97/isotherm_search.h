#pragma once

#include "if97/curve_search.h"
#include "if97/state.h"

// The states of IAPWS-IF97 along one isotherm: (T, s), (T, v) and (T, h)
// over the isotherm's single-phase stretches (in ln P, and in density
// within region 3) and its wet states.
namespace calorix::if97::detail {

// The state on the isotherm T in K whose value q (v in m^3/kg, h in kJ/kg,
// s in kJ/(kg K)) is target: wet between the saturated phases, else the
// single-phase pressure.
Solution AlongIsotherm(double T, Quantity q, double target);

}  // namespace calorix::if97::detail
