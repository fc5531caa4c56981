// A verbatim copy of the property model as first written (see the header).
#include "steam/formula_reference.h"

#include "steam/water_constants.h"

namespace calorix::reference {

namespace {

// ln P = sum of A[i] * T^i for i = 0..9, + A[10] / (T - A[11]).
constexpr float kPressureCoefficients[12] = {
    10.4592f,     -4.04897E-03f, -4.1752E-05f, 3.6851E-07f,  -1.0152E-09f, 8.6531E-13f,
    9.03668E-16f, -1.9969E-18f,  7.79287E-22f, 1.91482E-25f, -3968.06f,    39.5735f,
};

struct TemperatureBand {
    double a, b, c;  // T = a + b / (ln P + c)
};
constexpr TemperatureBand kLowBand = {42.6776, -3892.7, -9.48654};     // 0.000611 <= P <= 12.33
constexpr TemperatureBand kHighBand = {-387.592, -12587.5, -15.2578};  // 12.33 < P <= 22.1

}  // namespace

double SatPressure(double T) {
    const float* A = kPressureCoefficients;
    double L = 0;
    for (int i = 0; i <= 9; ++i) {
        fault::Assign(L, L + double(A[i]) * fault::Power(T, i));
    }
    fault::Assign(L, L + fault::Quot(A[10], T - double(A[11])));
    // The result holds the exponent until the power replaces it; where the
    // power overflows the exponent is what comes back.
    double P = L;
    fault::Assign(P, fault::Exp(L));
    return P;
}

PropertyValue SatTemperature(double& P) {
    if (P > kCriticalPressure) P = kCriticalPressure;
    TemperatureBand band = {0, 0, 0};
    if (0.000611 <= P && P <= 12.33) {
        band = kLowBand;
    } else if (12.33 < P && P <= 22.1) {
        band = kHighBand;
    }
    PropertyValue T;
    fault::Assign(T, band.a + fault::Quot(band.b, fault::Ln(P) + band.c));
    return T;
}

namespace {

// Every saturated property is one series in X = (647.3 - T) / 647.3:
// Y = c0 + a1 X^(1/3) + a2 X^(5/6) + a3 X^(7/8) + sum of b[k] X^k, k = 1..7,
// times a scale. The b[k] are single precision, the rest double.
struct SeriesCoefficients {
    double c0, a1, a2, a3;
    float b[7];
};

constexpr SeriesCoefficients kNoBand = {0, 0, 0, 0, {0, 0, 0, 0, 0, 0, 0}};

constexpr SeriesCoefficients kLiquidVolume = {
    1,
    -1.9153882,
    12.015186,
    -7.8464025,
    {-3.888614f, 2.0582237f, -2.0829991f, 0.82180005f, 0.47549742f, 0, 0}};
constexpr SeriesCoefficients kVaporVolume = {
    1,
    1.6351057,
    52.584599,
    -44.694653,
    {-8.9751114f, -0.4384553f, -19.179576f, 36.76532f, -19.462437f, 0, 0}};
constexpr SeriesCoefficients kVaporEnthalpy = {
    1,
    0.457874342,
    5.08441288,
    -1.48513244,
    {-4.81351884f, 2.694118f, -7.39061542f, 10.496169f, -5.46840036f, 0, 0}};
constexpr SeriesCoefficients kEvaporationEnthalpy = {
    0, 0.779221, 4.62668, -1.07931, {-3.87446f, 2.94553f, -8.06395f, 11.5633f, -6.02884f, 0, 0}};
constexpr SeriesCoefficients kVaporEntropy = {
    1, 0.377391, -2.78368, 6.9315, {-4.34839f, 1.34672f, 1.75261f, -6.22295f, 9.99004f, 0, 0}};

// The liquid enthalpy and entropy have three temperature bands each:
// 273.16 <= T < 300, 300 <= T <= 600, 600 < T <= 647.3.
constexpr SeriesCoefficients kLiquidEnthalpyBands[3] = {
    {0,
     0,
     0,
     0,
     {624.69885f, -2343.85369f, -9508.12101f, 71628.79f, -163535.221f, 166531.1f, -64785.4585f}},
    {0.8839230108,
     0,
     0,
     0,
     {-2.67172935f, 6.2264004f, -13.1789573f, -1.91322436f, 68.79376f, -124.819906f, 72.14354f}},
    {1, -0.441057805, -5.52255517, 6.43994847, {-1.64575895f, -1.30574143f, 0, 0, 0, 0, 0}},
};
constexpr SeriesCoefficients kLiquidEntropyBands[3] = {
    {0,
     0,
     0,
     0,
     {-1836.92956f, 14706.635f, -43146.6046f, 48606.67f, 7997.51f, -58333.9887f, 33140.07f}},
    {0.912762917,
     0,
     0,
     0,
     {-1.75702956f, 1.687541f, 5.8221536f, -63.3354786f, 188.07655f, -252.344531f, 128.05853f}},
    {1, -0.32481765, -2.990556709, 3.23419, {-0.678067859f, -1.91910364f, 0, 0, 0, 0, 0}},
};

constexpr double kVolumeScale = 0.003155;  // m^3/kg at the critical point
constexpr double kEnthalpyScale = 2099.3;  // kJ/kg at the critical point
constexpr double kEntropyScale = kCriticalEntropy;
constexpr double kEvaporationScale = 2500.9;  // kJ/kg

const SeriesCoefficients& LiquidBand(const SeriesCoefficients (&bands)[3], double T) {
    if (273.16 <= T && T < 300) return bands[0];
    if (300 <= T && T <= 600) return bands[1];
    if (600 < T && T <= kCriticalTemperature) return bands[2];
    return kNoBand;
}

// Y of the series; empty above the critical point, where X is negative and
// the fractional powers fault.
PropertyValue Series(const SeriesCoefficients& k, double T) {
    const double X = (kCriticalTemperature - T) / kCriticalTemperature;
    double S = 0;
    for (int i = 1; i <= 7; ++i) {
        fault::Assign(S, S + double(k.b[i - 1]) * fault::Power(X, i));
    }
    PropertyValue Y;
    fault::Assign(Y, k.c0 + k.a1 * fault::Power(X, 1.0 / 3.0) + k.a2 * fault::Power(X, 5.0 / 6.0) +
                         k.a3 * fault::Power(X, 7.0 / 8.0) + S);
    return Y;
}

// Y * scale; an empty Y counts as 0.
PropertyValue Scaled(const SeriesCoefficients& k, double T, double scale) {
    PropertyValue result;
    fault::Assign(result, Series(k, T) * scale);
    return result;
}

}  // namespace

PropertyValue SatLiquidVolume(double T) {
    return Scaled(kLiquidVolume, T, kVolumeScale);
}

PropertyValue SatVaporVolume(double T) {
    const PropertyValue Y = Series(kVaporVolume, T);
    PropertyValue result;
    fault::Assign(result, fault::Quot((Y * kVolumeScale) * kCriticalPressure, SatPressure(T)));
    return result;
}

PropertyValue SatLiquidEnthalpy(double T) {
    return Scaled(LiquidBand(kLiquidEnthalpyBands, T), T, kEnthalpyScale);
}

PropertyValue SatVaporEnthalpy(double T) {
    return Scaled(kVaporEnthalpy, T, kEnthalpyScale);
}

PropertyValue EvaporationEnthalpy(double T) {
    return Scaled(kEvaporationEnthalpy, T, kEvaporationScale);
}

PropertyValue SatLiquidEntropy(double T) {
    return Scaled(LiquidBand(kLiquidEntropyBands, T), T, kEntropyScale);
}

PropertyValue SatVaporEntropy(double T) {
    return Scaled(kVaporEntropy, T, kEntropyScale);
}

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

}  // namespace calorix::reference
