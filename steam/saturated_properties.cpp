#include "steam/saturated_properties.h"

#include "steam/saturation_line.h"
#include "steam/skip_on_error.h"
#include "steam/water_constants.h"

namespace calorix {
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

// Y of the series, the statements one by one, each skipped when it faults.
PropertyValue CheckedSeries(const SeriesCoefficients& k, double X) {
    double S = 0;
    for (int i = 1; i <= 7; ++i) {
        fault::Assign(S, S + double(k.b[i - 1]) * fault::Power(X, i));
    }
    PropertyValue Y;
    fault::Assign(Y, k.c0 + k.a1 * fault::Power(X, 1.0 / 3.0) + k.a2 * fault::Power(X, 5.0 / 6.0) +
                         k.a3 * fault::Power(X, 7.0 / 8.0) + S);
    return Y;
}

// Y of the series; empty above the critical point, where X is negative and
// the fractional powers fault. For 0 <= X <= 10^6 (T from about -6.5E+08 K
// up to 647.3 K) nothing faults, and a term whose coefficient is 0 adds
// exactly 0 (the powers are finite and not negative, and S is never -0), so
// it is left out.
PropertyValue Series(const SeriesCoefficients& k, double T) {
    const double X = (kCriticalTemperature - T) / kCriticalTemperature;
    if (!(X >= 0 && X <= 1e6)) return CheckedSeries(k, X);
    double S = 0;
    for (int i = 1; i <= 7; ++i) {
        if (k.b[i - 1] != 0) S = S + double(k.b[i - 1]) * fault::TermPower(X, i);
    }
    if (k.a1 == 0 && k.a2 == 0 && k.a3 == 0) return k.c0 + S;
    return k.c0 + k.a1 * fault::UncheckedPower(X, 1.0 / 3.0) +
           k.a2 * fault::UncheckedPower(X, 5.0 / 6.0) + k.a3 * fault::UncheckedPower(X, 7.0 / 8.0) +
           S;
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

}  // namespace calorix
