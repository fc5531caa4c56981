#pragma once

#include "if97/properties.h"

// Region 2 of IAPWS-IF97: steam, 273.15 K <= T <= 1073.15 K, 0 < P up to
// the saturation pressure (below 623.15 K) or the B23 line (above). The
// functions compute what the equations give for any T and P; the callers
// keep to the region.
namespace calorix::if97 {

// Every property from the dimensionless Gibbs free energy, Eq. (15): the
// ideal-gas part of Eq. (16) with Table 10 and the residual part of
// Eq. (17) with Table 11, through the relations of Table 12.
// (300 K, 0.0035 MPa) -> v = 39.4913866, h = 2549.91145 (Table 15).
Properties Region2(double T, double P);

// h in kJ/kg and s in kJ/(kg K) alone.
double Region2Enthalpy(double T, double P);
double Region2Entropy(double T, double P);

// Metastable vapour from the saturated-vapour line down to where the
// equilibrium steam line of 5 % moisture runs, up to 10 MPa: Eq. (18) with
// the ideal-gas part of Eq. (19) and the residual part of Table 16.
// (450 K, 1 MPa) -> v = 0.192516540 (Table 18).
Properties Region2Metastable(double T, double P);

// The boundary between subregions 2b and 2c: pressure in MPa from h in
// kJ/kg, Eq. (20), and h from P, Eq. (21), Table 19.
// 3516.004323 kJ/kg <-> 100 MPa. The line runs from the saturated vapour at
// 6.5467 MPa up; Eq. (21) has no root below 4.5258 MPa and gives NaN there.
double B2bcPressure(double h);
double B2bcEnthalpy(double P);

// The backward equations, temperature in K: from P in MPa and h in kJ/kg,
// Eqs. (22) to (24) with Tables 20 to 22 (subregion 2a up to 4 MPa, 2b
// and 2c either side of B2bc, all 2b below B2bc's lowest pressure of
// 4.5258 MPa), and from P and s in kJ/(kg K), Eqs. (25)
// to (27) with Tables 25 to 27 (2a up to 4 MPa, 2b from s = 5.85 up, 2c
// below). Within about 10 mK (2a, 2b) and 25 mK (2c) of the basic equation.
// (0.001 MPa, 3000 kJ/kg) -> 534.433241 K (Table 24).
double Region2TemperatureOfPH(double P, double h);
double Region2TemperatureOfPS(double P, double s);

}  // namespace calorix::if97
