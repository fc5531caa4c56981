#pragma once

// Which part of the chart a state (s, T) lies in.
namespace calorix {

enum StateRegionCode : int {
    kNoRegion = 0,     // exactly on a saturation boundary
    kLiquid = 1,       // left of the dome, or above 647.3 K with s < 4.4289
    kWetMixture = 2,   // under the dome
    kSuperheated = 3,  // right of the dome, or above 647.3 K
};

// s in kJ/kg-K, T in K; every comparison is strict.
// (4.4289, 700) -> 3; (4.4, 700) -> 1; (2, 400) -> 2.
int StateRegion(double s, double T);

}  // namespace calorix
