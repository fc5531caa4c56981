#include "steam/superheated.h"

#include "steam/saturation_line.h"
#include "steam/skip_on_error.h"

namespace calorix {
namespace {

using fault::Exp;
using fault::Power;
using fault::Quot;

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

}  // namespace

PropertyValue SuperheatedVolume(double T, double& P) {
    using namespace volume;
    const double Ts = SatTemperature(P);
    double E1 = 0;
    fault::Assign(E1, Exp(C0 + C1 * Ts + C2 * Power(Ts, 2)));
    PropertyValue v;
    fault::Assign(v, (Quot(R * T, P) - B1 * Exp(-B2 * T)) +
                         (Quot(1, 10 * P) * (B3 - E1)) * Exp((Ts - T) / kDecay));
    return v;
}

PropertyValue SuperheatedEnthalpy(double T, double& P) {
    using namespace enthalpy;
    // K0..K2 come from the pressure as passed in, before SatTemperature
    // clips it; all four K are kept in single precision.
    float K0 = 0, K1 = 0, K2 = 0, K3 = 0;
    fault::Assign(K0, A11 + A12 * P + A13 * Power(P, 2));
    fault::Assign(K1, A21 + A22 * P + A23 * Power(P, 2));
    fault::Assign(K2, A31 + A32 * P + A33 * Power(P, 2));
    const double Ts = SatTemperature(P);
    fault::Assign(K3,
                  A41 + A42 * Ts + A43 * Power(Ts, 2) + A44 * Power(Ts, 3) + A45 * Power(Ts, 4));
    PropertyValue h;
    fault::Assign(h, (K0 + K1 * T + K2 * Power(T, 2)) - K3 * Exp((Ts - T) / kDecay));
    return h;
}

PropertyValue SuperheatedEntropy(double T, double& P) {
    using namespace entropy;
    const double Ts = SatTemperature(P);
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

}  // namespace calorix
