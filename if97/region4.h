#pragma once

// Region 4 of IAPWS-IF97: the saturation line from 273.15 K to the critical
// point, Eqs. (29) to (31) with the coefficients of Table 34.
namespace calorix::if97 {

// Saturation pressure in MPa at T in K, Eq. (30). Exactly 22.064 MPa at the
// critical temperature 647.096 K. 300 K -> 0.00353658941 (Table 35).
double SaturationPressure(double T);

// Saturation temperature in K at P in MPa, Eq. (31). Exactly 647.096 K at
// the critical pressure 22.064 MPa. 0.1 MPa -> 372.755919 (Table 36).
double SaturationTemperature(double P);

}  // namespace calorix::if97
