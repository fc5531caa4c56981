#include "steam/superheated.h"

#include <cmath>

#include "steam/saturation_line.h"
#include "steam/skip_on_error.h"

namespace calorix {
namespace {

using fault::Exp;
using fault::Power;
using fault::Quot;
using fault::TermPower;
using fault::UncheckedExp;
using fault::UncheckedPower;

namespace volume {
constexpr double R = 0.000461631;  // MPa m^3/(kg K)
constexpr float B1 = 0.0527993f, B2 = 0.00375928f, B3 = 0.022f;
constexpr float C0 = -3.741378f, C1 = -0.0047838281f, C2 = 1.5923433E-05f;
constexpr double kDecay = 40;  // K
}  // namespace volume

namespace enthalpy {
// Row r gives K(r-1); the second digit is the power plus one.
constexpr float A11 = 2041.21f, A12 = -40.40021f, A13 = -0.48095f;
constexpr float A21 = 1.610693f, A22 = 0.05472051f, A23 = 0.0007517537f;
constexpr float A31 = 0.0003383117f, A32 = -1.975736E-05f, A33 = -2.87409E-07f;
constexpr float A41 = 1707.82f, A42 = -16.99419f, A43 = 0.062746294f, A44 = -0.00010284259f,
                A45 = 6.45613E-08f;
constexpr double kDecay = 45;  // K
}  // namespace enthalpy

namespace entropy {
constexpr float A[5] = {4.6162963f, 0.01039008f, -9.873085E-06f, 5.43411E-09f, -1.170465E-12f};
constexpr float C[5] = {1.777804f, -0.01802468f, 6.854459E-05f, -1.184424E-07f, 8.142201E-11f};
constexpr float D1 = -0.4650306f, D2 = 0.001f;
constexpr double kDecay = 85;  // K
}  // namespace entropy

// Where the fast paths hold: temperatures from -10^4 to 10^6 K keep every
// power and exponential finite; the pressure bounds follow each function.
bool FastTemperature(double T) {
    return T >= -1e4 && T <= 1e6;
}

// The statements one by one, each skipped when it faults.
PropertyValue CheckedVolume(double T, double P, double Ts) {
    using namespace volume;
    double E1 = 0;
    fault::Assign(E1, Exp(C0 + C1 * Ts + C2 * Power(Ts, 2)));
    PropertyValue v;
    fault::Assign(v, (Quot(R * T, P) - B1 * Exp(-B2 * T)) +
                         (Quot(1, 10 * P) * (B3 - E1)) * Exp((Ts - T) / kDecay));
    return v;
}

PropertyValue CheckedEnthalpy(double T, double P, double Ts) {
    using namespace enthalpy;
    // All four K are kept in single precision.
    float K0 = 0, K1 = 0, K2 = 0, K3 = 0;
    fault::Assign(K0, A11 + A12 * P + A13 * Power(P, 2));
    fault::Assign(K1, A21 + A22 * P + A23 * Power(P, 2));
    fault::Assign(K2, A31 + A32 * P + A33 * Power(P, 2));
    fault::Assign(K3,
                  A41 + A42 * Ts + A43 * Power(Ts, 2) + A44 * Power(Ts, 3) + A45 * Power(Ts, 4));
    PropertyValue h;
    fault::Assign(h, (K0 + K1 * T + K2 * Power(T, 2)) - K3 * Exp((Ts - T) / kDecay));
    return h;
}

PropertyValue CheckedEntropy(double T, double P, double Ts) {
    using namespace entropy;
    double S1 = 0;
    for (int i = 0; i <= 4; ++i)
        fault::Assign(S1, S1 + A[i] * Power(T, i));
    double S2 = 0;
    for (int i = 0; i <= 4; ++i) {
        fault::Assign(S2, S2 + (C[i] * Power(Ts, i)) * Exp((Ts - T) / kDecay));
    }
    PropertyValue s;
    fault::Assign(s, (S1 + D1 * fault::Ln(10 * P + D2)) - S2);
    return s;
}

// The fast paths, built from the parts of each formula that depend on T
// alone, on P alone or on both, so that a caller holding one fixed computes
// its parts once. Put together they run the formulas' operations in their
// order.

double VolumeAt(double T, double RT, double decayingT, double P, double Ts) {
    using namespace volume;
    const double E1 = UncheckedExp(C0 + C1 * Ts + C2 * UncheckedPower(Ts, 2));
    return (RT / P - decayingT) + ((1 / (10 * P)) * (B3 - E1)) * UncheckedExp((Ts - T) / kDecay);
}

double DecayingT(double T) {
    using namespace volume;
    return B1 * UncheckedExp(-B2 * T);
}

// K0..K2 from the pressure as given, K3 from the saturation temperature.
void EnthalpyCoefficients(double given, double Ts, float (&K)[4]) {
    using namespace enthalpy;
    const double given2 = UncheckedPower(given, 2);
    K[0] = float(A11 + A12 * given + A13 * given2);
    K[1] = float(A21 + A22 * given + A23 * given2);
    K[2] = float(A31 + A32 * given + A33 * given2);
    K[3] = float(A41 + A42 * Ts + A43 * UncheckedPower(Ts, 2) + A44 * UncheckedPower(Ts, 3) +
                 A45 * UncheckedPower(Ts, 4));
}

double EnthalpyAt(double T, double T2, const float (&K)[4], double Ts) {
    using namespace enthalpy;
    return (K[0] + K[1] * T + K[2] * T2) - K[3] * UncheckedExp((Ts - T) / kDecay);
}

// S1, the sum of the powers of T.
double TemperatureSum(double T) {
    using namespace entropy;
    double S1 = 0;
    for (int i = 0; i <= 4; ++i)
        S1 = S1 + A[i] * TermPower(T, i);
    return S1;
}

// The terms of S2 before their common exponential: C[i] Ts^i.
void SaturationTerms(double Ts, double (&terms)[5]) {
    using namespace entropy;
    for (int i = 0; i <= 4; ++i)
        terms[i] = C[i] * TermPower(Ts, i);
}

double PressureTerm(double P) {
    using namespace entropy;
    return D1 * std::log(10 * P + D2);
}

double Decay(double T, double Ts) {
    return UncheckedExp((Ts - T) / entropy::kDecay);
}

// s from S1, the pressure term and Ts, the terms of S2 computed as they are
// summed (kept in an array just before, they would be read back from memory
// while still being written, which stalls).
double EntropyAt(double T, double S1, double pressureTerm, double Ts) {
    using namespace entropy;
    const double decay = Decay(T, Ts);
    double S2 = 0;
    for (int i = 0; i <= 4; ++i)
        S2 = S2 + (C[i] * TermPower(Ts, i)) * decay;
    return (S1 + pressureTerm) - S2;
}

// The same with the terms of S2 computed beforehand.
double EntropyAt(double T, double S1, double pressureTerm, double Ts, const double (&terms)[5]) {
    const double decay = Decay(T, Ts);
    double S2 = 0;
    for (int i = 0; i <= 4; ++i)
        S2 = S2 + terms[i] * decay;
    return (S1 + pressureTerm) - S2;
}

// Where the fast paths hold for P, given T in FastTemperature. Ts =
// SatTemperature(P) lies in [0, 648] K whatever P is, so the pressure enters
// the statements only through the divisions, the logarithm and K0..K2.
bool FastVolumePressure(double clipped) {
    return clipped >= 1e-10;  // R T / P and 1 / (10 P) stay finite
}
bool FastEnthalpyPressure(double given) {
    return given >= -1e15 && given <= 1e15;  // K0..K2 fit in single precision
}
bool FastEntropyPressure(double clipped) {
    return clipped >= 0;  // 10 P + 0.001 > 0 for the logarithm
}

}  // namespace

PropertyValue SuperheatedVolume(double T, double& P) {
    const double Ts = SatTemperature(P);
    if (!(FastTemperature(T) && FastVolumePressure(P))) return CheckedVolume(T, P, Ts);
    return VolumeAt(T, volume::R * T, DecayingT(T), P, Ts);
}

PropertyValue SuperheatedEnthalpy(double T, double& P) {
    const double given = P;
    const double Ts = SatTemperature(P);
    if (!(FastTemperature(T) && FastEnthalpyPressure(given))) {
        return CheckedEnthalpy(T, given, Ts);
    }
    float K[4];
    EnthalpyCoefficients(given, Ts, K);
    return EnthalpyAt(T, UncheckedPower(T, 2), K, Ts);
}

PropertyValue SuperheatedEntropy(double T, double& P) {
    const double Ts = SatTemperature(P);
    if (!(FastTemperature(T) && FastEntropyPressure(P))) return CheckedEntropy(T, P, Ts);
    return EntropyAt(T, TemperatureSum(T), PressureTerm(P), Ts);
}

SuperheatedAtPressure::SuperheatedAtPressure(double P)
    : given_(P),
      clipped_(P),
      Ts_(SatTemperature(clipped_)),
      fastEnthalpy_(FastEnthalpyPressure(given_)),
      fastEntropy_(FastEntropyPressure(clipped_)) {
    if (fastEnthalpy_) EnthalpyCoefficients(given_, Ts_, K_);
    if (fastEntropy_) {
        SaturationTerms(Ts_, saturationTerms_);
        pressureTerm_ = PressureTerm(clipped_);
    }
}

PropertyValue SuperheatedAtPressure::Enthalpy(double T) const {
    if (!(fastEnthalpy_ && FastTemperature(T))) return CheckedEnthalpy(T, given_, Ts_);
    return EnthalpyAt(T, UncheckedPower(T, 2), K_, Ts_);
}

PropertyValue SuperheatedAtPressure::Entropy(double T) const {
    if (!(fastEntropy_ && FastTemperature(T))) return CheckedEntropy(T, clipped_, Ts_);
    return EntropyAt(T, TemperatureSum(T), pressureTerm_, Ts_, saturationTerms_);
}

SuperheatedAtTemperature::SuperheatedAtTemperature(double T) : T_(T), fast_(FastTemperature(T)) {
    if (!fast_) return;
    RT_ = volume::R * T;
    decayingT_ = DecayingT(T);
    T2_ = UncheckedPower(T, 2);
    temperatureSum_ = TemperatureSum(T);
}

PropertyValue SuperheatedAtTemperature::Volume(double& P) const {
    const double Ts = SatTemperature(P);
    if (!(fast_ && FastVolumePressure(P))) return CheckedVolume(T_, P, Ts);
    return VolumeAt(T_, RT_, decayingT_, P, Ts);
}

PropertyValue SuperheatedAtTemperature::Enthalpy(double& P) const {
    const double given = P;
    const double Ts = SatTemperature(P);
    if (!(fast_ && FastEnthalpyPressure(given))) return CheckedEnthalpy(T_, given, Ts);
    float K[4];
    EnthalpyCoefficients(given, Ts, K);
    return EnthalpyAt(T_, T2_, K, Ts);
}

PropertyValue SuperheatedAtTemperature::Entropy(double& P) const {
    const double Ts = SatTemperature(P);
    if (!(fast_ && FastEntropyPressure(P))) return CheckedEntropy(T_, P, Ts);
    return EntropyAt(T_, temperatureSum_, PressureTerm(P), Ts);
}

}  // namespace calorix
