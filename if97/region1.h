#pragma once

#include "if97/properties.h"

// Region 1 of IAPWS-IF97: compressed liquid, 273.15 K <= T <= 623.15 K and
// the saturation pressure <= P <= 100 MPa. The functions compute what the
// equations give for any T and P; the callers keep to the region.
namespace calorix::if97 {

// Every property from the dimensionless Gibbs free energy, Eq. (7) with the
// coefficients of Table 2 and the relations of Table 3.
// (300 K, 3 MPa) -> v = 0.00100215168, h = 115.331273 (Table 5).
Properties Region1(double T, double P);

// h in kJ/kg and s in kJ/(kg K) alone, for searches that need only one of
// them: the same sums, without the second derivatives.
double Region1Enthalpy(double T, double P);
double Region1Entropy(double T, double P);

// The backward equations: temperature in K from P in MPa and h in kJ/kg,
// Eq. (11) with Table 6, and from P and s in kJ/(kg K), Eq. (13) with
// Table 8. Within about 25 mK of the basic equation.
// (3 MPa, 500 kJ/kg) -> 391.798509 K (Table 7).
double Region1TemperatureOfPH(double P, double h);
double Region1TemperatureOfPS(double P, double s);

}  // namespace calorix::if97
