#pragma once

#include "if97/properties.h"

// Region 3 of IAPWS-IF97: the states near the critical point, 623.15 K <=
// T <= 863.15 K between the B23 line and 100 MPa. The basic equation is in
// density and temperature; the function computes what it gives for any
// density and temperature, and the callers keep to the region.
namespace calorix::if97 {

// Every property from the dimensionless Helmholtz free energy, Eq. (28),
// with the coefficients of Table 30 and the relations of Table 31; the
// pressure is one of the results. rho in kg/m^3, T in K.
// (500 kg/m^3, 650 K) -> P = 25.5837018 MPa, h = 1863.43019 (Table 33).
Properties Region3(double rho, double T);

// The pressure in MPa along an isotherm and its first two derivatives by
// density, for the searches that find the density of a pressure.
struct Region3Isotherm {
    double P = 0;         // MPa
    double dPdrho = 0;    // MPa m^3/kg
    double d2Pdrho2 = 0;  // MPa m^6/kg^2
};
Region3Isotherm Region3Pressure(double rho, double T);

}  // namespace calorix::if97
