#include "bench/plain_formulas.h"

#include <cmath>

#include "steam/skip_on_error.h"

namespace calorix::plain {
namespace {

constexpr double kE = 2.71828182;
constexpr double kCriticalTemperature = 647.3;
constexpr double kCriticalPressure = 22.0891;

// x^n by the library's pow, for the polynomial sums (as in the program).
double Pow(double x, int n) {
    return std::pow(x, fault::RuntimeExponent(n));
}

}  // namespace

double SatPressure(double T) {
    constexpr float A[12] = {
        10.4592f,     -4.04897E-03f, -4.1752E-05f, 3.6851E-07f,  -1.0152E-09f, 8.6531E-13f,
        9.03668E-16f, -1.9969E-18f,  7.79287E-22f, 1.91482E-25f, -3968.06f,    39.5735f,
    };
    double L = A[0] + A[1] * T;
    for (int i = 2; i <= 9; ++i)
        L = L + A[i] * Pow(T, i);
    L = L + A[10] / (T - double(A[11]));
    return std::pow(kE, L);
}

double SatTemperature(double& P) {
    if (P > kCriticalPressure) P = kCriticalPressure;
    if (P <= 12.33) return 42.6776 + -3892.7 / (std::log(P) + -9.48654);
    return -387.592 + -12587.5 / (std::log(P) + -15.2578);
}

namespace {

// c0 + a1 X^(1/3) + a2 X^(5/6) + a3 X^(7/8) + sum of b[k] X^k, with the
// terms the table gives.
template <int kTerms, bool kRoots>
double Series(double c0, double a1, double a2, double a3, const float (&b)[kTerms], double T) {
    const double X = (kCriticalTemperature - T) / kCriticalTemperature;
    double S = 0;
    S = S + double(b[0]) * X;
    for (int k = 2; k <= kTerms; ++k)
        S = S + double(b[k - 1]) * Pow(X, k);
    if (!kRoots) return c0 + S;
    return c0 + a1 * std::pow(X, 1.0 / 3.0) + a2 * std::pow(X, 5.0 / 6.0) +
           a3 * std::pow(X, 7.0 / 8.0) + S;
}

}  // namespace

double SatLiquidVolume(double T) {
    constexpr float b[5] = {-3.888614f, 2.0582237f, -2.0829991f, 0.82180005f, 0.47549742f};
    return Series<5, true>(1, -1.9153882, 12.015186, -7.8464025, b, T) * 0.003155;
}

double SatVaporVolume(double T) {
    constexpr float b[5] = {-8.9751114f, -0.4384553f, -19.179576f, 36.76532f, -19.462437f};
    const double Y = Series<5, true>(1, 1.6351057, 52.584599, -44.694653, b, T);
    return ((Y * 0.003155) * kCriticalPressure) / SatPressure(T);
}

double SatLiquidEnthalpy(double T) {
    constexpr float b[7] = {-2.67172935f, 6.2264004f,   -13.1789573f, -1.91322436f,
                            68.79376f,    -124.819906f, 72.14354f};
    return Series<7, false>(0.8839230108, 0, 0, 0, b, T) * 2099.3;
}

double SatVaporEnthalpy(double T) {
    constexpr float b[5] = {-4.81351884f, 2.694118f, -7.39061542f, 10.496169f, -5.46840036f};
    return Series<5, true>(1, 0.457874342, 5.08441288, -1.48513244, b, T) * 2099.3;
}

double EvaporationEnthalpy(double T) {
    constexpr float b[5] = {-3.87446f, 2.94553f, -8.06395f, 11.5633f, -6.02884f};
    return Series<5, true>(0, 0.779221, 4.62668, -1.07931, b, T) * 2500.9;
}

double SatLiquidEntropy(double T) {
    constexpr float b[7] = {-1.75702956f, 1.687541f,    5.8221536f, -63.3354786f,
                            188.07655f,   -252.344531f, 128.05853f};
    return Series<7, false>(0.912762917, 0, 0, 0, b, T) * 4.4289;
}

double SatVaporEntropy(double T) {
    constexpr float b[5] = {-4.34839f, 1.34672f, 1.75261f, -6.22295f, 9.99004f};
    return Series<5, true>(1, 0.377391, -2.78368, 6.9315, b, T) * 4.4289;
}

double SuperheatedVolume(double T, double& P) {
    constexpr double R = 0.000461631;
    constexpr float B1 = 0.0527993f, B2 = 0.00375928f, B3 = 0.022f;
    constexpr float C0 = -3.741378f, C1 = -0.0047838281f, C2 = 1.5923433E-05f;
    const double Ts = SatTemperature(P);
    const double E1 = std::pow(kE, C0 + C1 * Ts + C2 * std::pow(Ts, 2));
    return (R * T / P - B1 * std::pow(kE, -B2 * T)) +
           ((1 / (10 * P)) * (B3 - E1)) * std::pow(kE, (Ts - T) / 40);
}

double SuperheatedEnthalpy(double T, double& P) {
    constexpr float A11 = 2041.21f, A12 = -40.40021f, A13 = -0.48095f;
    constexpr float A21 = 1.610693f, A22 = 0.05472051f, A23 = 0.0007517537f;
    constexpr float A31 = 0.0003383117f, A32 = -1.975736E-05f, A33 = -2.87409E-07f;
    constexpr float A41 = 1707.82f, A42 = -16.99419f, A43 = 0.062746294f, A44 = -0.00010284259f,
                    A45 = 6.45613E-08f;
    const double P2 = std::pow(P, 2);
    const float K0 = float(A11 + A12 * P + A13 * P2);
    const float K1 = float(A21 + A22 * P + A23 * P2);
    const float K2 = float(A31 + A32 * P + A33 * P2);
    const double Ts = SatTemperature(P);
    const float K3 = float(A41 + A42 * Ts + A43 * std::pow(Ts, 2) + A44 * std::pow(Ts, 3) +
                           A45 * std::pow(Ts, 4));
    return (K0 + K1 * T + K2 * std::pow(T, 2)) - K3 * std::pow(kE, (Ts - T) / 45);
}

double SuperheatedEntropy(double T, double& P) {
    constexpr float A[5] = {4.6162963f, 0.01039008f, -9.873085E-06f, 5.43411E-09f, -1.170465E-12f};
    constexpr float C[5] = {1.777804f, -0.01802468f, 6.854459E-05f, -1.184424E-07f, 8.142201E-11f};
    constexpr float D1 = -0.4650306f, D2 = 0.001f;
    const double Ts = SatTemperature(P);
    double S1 = A[0];
    S1 = S1 + A[1] * T;
    for (int i = 2; i <= 4; ++i)
        S1 = S1 + A[i] * Pow(T, i);
    const double E = std::pow(kE, (Ts - T) / 85);
    double S2 = 0;
    S2 = S2 + C[0] * E;
    S2 = S2 + (C[1] * Ts) * E;
    for (int i = 2; i <= 4; ++i)
        S2 = S2 + (C[i] * Pow(Ts, i)) * E;
    return (S1 + D1 * std::log(10 * P + D2)) - S2;
}

}  // namespace calorix::plain
