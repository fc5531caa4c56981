#pragma once

// The boundary between regions 2 and 3 of IAPWS-IF97, Eqs. (5) and (6) with
// the coefficients of Table 1: from 623.15 K at 16.5292 MPa to 863.15 K at
// 100 MPa.
namespace calorix::if97 {

// Pressure in MPa on the boundary at T in K. 623.15 K -> 16.5291643.
double B23Pressure(double T);

// Temperature in K on the boundary at P in MPa. 16.5291643 MPa -> 623.15.
double B23Temperature(double P);

}  // namespace calorix::if97
