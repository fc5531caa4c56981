#pragma once

#include "if97/state.h"
#include "model/property_model.h"

// IAPWS-IF97 behind the property model's interface.
namespace calorix {

// The phase of an IAPWS-IF97 state: region 5 is high-temperature steam,
// region 4 wet; otherwise supercritical above both the critical temperature
// and pressure, liquid below the critical temperature at or above the
// saturation pressure, steam elsewhere.
Phase PhaseOf(const if97::State& state);

// An IAPWS-IF97 state as the model's interface gives it.
State ModelState(const if97::State& state);

}  // namespace calorix
