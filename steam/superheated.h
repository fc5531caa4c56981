#pragma once

#include "steam/property_value.h"

// Superheated steam: v, h and s from the temperature T in K and the pressure
// P in MPa. Each hands the caller's own pressure variable to SatTemperature,
// so a pressure above 22.0891 MPa is lowered to 22.0891 in place.
//
// What the searches over these functions rely on: at fixed P, entropy and
// enthalpy rise with T over 273.16 to 1591.45 K; at fixed T, entropy and
// volume fall with P over SatPressure(273.16) to 22.0891 MPa.
namespace calorix {

// v in m^3/kg. (473.15 K, 0.1 MPa) -> 2.17411. P = 0 gives empty.
PropertyValue SuperheatedVolume(double T, double& P);

// h in kJ/kg. (473.15 K, 0.1 MPa) -> 2875.919. The pressure terms use P as
// passed in, the saturation terms the clipped P: (700, 25) -> 2843.869.
PropertyValue SuperheatedEnthalpy(double T, double& P);

// s in kJ/kg-K. (473.15 K, 0.1 MPa) -> 7.83223.
PropertyValue SuperheatedEntropy(double T, double& P);

// The functions along one isobar, for a search over temperature that
// evaluates them many times: what depends on the pressure alone is computed
// once. Enthalpy(T) and Entropy(T) give bit for bit what the functions above
// give for T and a copy of P.
class SuperheatedAtPressure {
  public:
    explicit SuperheatedAtPressure(double P);

    PropertyValue Enthalpy(double T) const;
    PropertyValue Entropy(double T) const;

  private:
    double given_;    // P as given: the enthalpy's K0..K2 come from it
    double clipped_;  // P as SatTemperature leaves it
    double Ts_;
    bool fastEnthalpy_;
    bool fastEntropy_;
    float K_[4] = {};                 // the enthalpy's K0..K3
    double saturationTerms_[5] = {};  // the entropy's C[i] Ts^i
    double pressureTerm_ = 0;         // the entropy's D1 ln(10 P + D2)
};

// The functions along one isotherm, for a search over pressure that
// evaluates them many times: what depends on the temperature alone is
// computed once. Each gives bit for bit what the function above gives for T
// and P, and lowers P in the caller's variable in the same way.
class SuperheatedAtTemperature {
  public:
    explicit SuperheatedAtTemperature(double T);

    PropertyValue Volume(double& P) const;
    PropertyValue Enthalpy(double& P) const;
    PropertyValue Entropy(double& P) const;

  private:
    double T_;
    bool fast_;
    double RT_ = 0;              // the volume's R T
    double decayingT_ = 0;       // the volume's B1 e^(-B2 T)
    double T2_ = 0;              // the enthalpy's T^2
    double temperatureSum_ = 0;  // the entropy's S1
};

}  // namespace calorix
