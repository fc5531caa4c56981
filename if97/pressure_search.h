#pragma once

#include "if97/curve_search.h"
#include "if97/state.h"

// The pairs of IAPWS-IF97 without T or P ((h, s), (v, h), (v, s); v in
// m^3/kg, h in kJ/kg, s in kJ/(kg K)): at each pressure (in MPa, from 1e-10
// to 100) one value is solved along the isobar within one region, and the
// pressure is searched until the state there has the other value.
namespace calorix::if97::detail {

// The state of lowest pressure, over the regions one by one, whose inner
// value solved along its isobar gives the outer value.
Solution InEveryRegion(Quantity inner, double innerValue, Quantity outer, double outerValue);

}  // namespace calorix::if97::detail
