#pragma once

#include "if97/properties.h"

// Region 5 of IAPWS-IF97: high-temperature steam, 1073.15 K < T <=
// 2273.15 K and 0 < P <= 50 MPa.
namespace calorix::if97 {

// Every property from the dimensionless Gibbs free energy, Eq. (32): the
// ideal-gas part of Eq. (33) with Table 37 and the residual part of
// Eq. (34) with Table 38, through the relations of Table 39.
// (1500 K, 0.5 MPa) -> v = 1.38455090, h = 5219.76855 (Table 42).
Properties Region5(double T, double P);

}  // namespace calorix::if97
