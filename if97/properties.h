#pragma once

// What a basic equation of IAPWS-IF97 gives at one single-phase state.
namespace calorix::if97 {

struct Properties {
    double T = 0;   // temperature in K
    double P = 0;   // pressure in MPa
    double v = 0;   // specific volume in m^3/kg
    double h = 0;   // specific enthalpy in kJ/kg
    double s = 0;   // specific entropy in kJ/(kg K)
    double u = 0;   // specific internal energy in kJ/kg
    double cp = 0;  // isobaric heat capacity in kJ/(kg K)
    double cv = 0;  // isochoric heat capacity in kJ/(kg K)
    double w = 0;   // speed of sound in m/s
    // The two first derivatives of v that the searches over T and P need:
    double dvdT = 0;  // (dv/dT) at constant P, in m^3/(kg K)
    double dvdP = 0;  // (dv/dP) at constant T, in m^3/(kg MPa)
};

}  // namespace calorix::if97
