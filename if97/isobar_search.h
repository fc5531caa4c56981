#pragma once

#include <optional>

#include "if97/curve_search.h"
#include "if97/single_phase.h"
#include "if97/state.h"

// The states of IAPWS-IF97 along one isobar: (P, h), (P, s) and (P, v) over
// the isobar's single-phase stretches region by region and its wet states,
// and the search within one region on an isobar that the search over
// pressure repeats at each pressure.
namespace calorix::if97::detail {

// The state on the isobar P in MPa whose value q (v in m^3/kg, h in kJ/kg,
// s in kJ/(kg K)) is target: wet between the saturated phases, else the
// single-phase temperature.
Solution AlongIsobar(double P, Quantity q, double target);

// The state of one region on the isobar P that has the value (h or s,
// which rise with temperature along it), or on which side of the region's
// values on the isobar the value lies: -1 below them, +1 above, 0 where the
// region has no states at P or the value falls across the dome between its
// liquid and vapour stretches.
struct RegionAnswer {
    std::optional<State> state;
    int side = 0;
};

RegionAnswer OneRegionAlongIsobar(double P, Quantity q, double target, Region region);

}  // namespace calorix::if97::detail
