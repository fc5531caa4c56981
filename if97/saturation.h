#pragma once

#include <optional>

#include "if97/properties.h"

// The saturated liquid and vapour of IAPWS-IF97 (region 4): the saturation
// line of Eqs. (30) and (31) with the phases' properties from the basic
// equations on either side of it, regions 1 and 2 up to 623.15 K and
// region 3 from there to the critical point.
namespace calorix::if97 {

// The saturation pressure in MPa at 273.15 K, the lowest of the range
// (0.000611 MPa), and at 623.15 K (16.529 MPa), up to which the phases come
// from regions 1 and 2 and above which from region 3.
double LowestSaturationPressure();
double Region12SaturationPressure();

struct Saturation {
    double T = 0;  // K
    double P = 0;  // MPa
    Properties liquid;
    Properties vapour;
};

// The saturated phases at T in K, from 273.15 K to the critical temperature
// 647.096 K (where both are the critical state). Nothing outside.
// 373.15 K -> P = 0.101418, h' = 419.10, h'' = 2675.57.
std::optional<Saturation> SaturationAtTemperature(double T);

// The saturated phases at P in MPa, from the saturation pressure at
// 273.15 K (0.000611 MPa) to the critical pressure 22.064 MPa, at the
// saturation temperature of Eq. (31). Nothing outside.
std::optional<Saturation> SaturationAtPressure(double P);

// The wet state of quality x (0 liquid to 1 vapour) between the phases:
// v, h, s and u weighted by x; T and P of the line. Its cp, cv, w and
// derivatives are not defined and left 0.
Properties WetMixture(const Saturation& saturation, double x);

}  // namespace calorix::if97
