#include "if97/region4.h"

#include <cmath>

#include "if97/constants.h"

namespace calorix::if97 {
namespace {

// Table 34 of the Revised Release on IAPWS-IF97: the coefficients of the
// saturation equations, Eqs. (29) to (31). kN[i] is ni; kN[0] is unused.
constexpr double kN[11] = {
    0,
    0.116'705'214'527'67e4,   //  1
    -0.724'213'167'032'06e6,  //  2
    -0.170'738'469'400'92e2,  //  3
    0.120'208'247'024'70e5,   //  4
    -0.323'255'503'223'33e7,  //  5
    0.149'151'086'135'30e2,   //  6
    -0.482'326'573'615'91e4,  //  7
    0.405'113'405'420'57e6,   //  8
    -0.238'555'575'678'49,    //  9
    0.650'175'348'447'98e3,   // 10
};

}  // namespace

// Eq. (30) with theta of Eq. (29b); T* = 1 K and p* = 1 MPa.
double SaturationPressure(double T) {
    // The release has Eqs. (29) to (31) reproduce the critical point exactly,
    // but with its coefficients rounded to 14 digits Eq. (30) gives
    // 22.0640000003 MPa at 647.096 K (1.5e-11 too high), so the critical
    // temperature is answered with the critical pressure itself: the
    // saturation line ends on the critical point that the other regions use.
    if (T == kCriticalTemperature) return kCriticalPressure;
    const double theta = T + kN[9] / (T - kN[10]);
    const double A = theta * theta + kN[1] * theta + kN[2];
    const double B = kN[3] * theta * theta + kN[4] * theta + kN[5];
    const double C = kN[6] * theta * theta + kN[7] * theta + kN[8];
    const double x = 2 * C / (-B + std::sqrt(B * B - 4 * A * C));
    const double x2 = x * x;
    const double ps = x2 * x2;
    // For the same reason Eq. (30) still exceeds the critical pressure up to
    // about 1.2e-9 K below the critical temperature; there the line is held
    // at the critical pressure, so that it rises monotonically to the
    // critical point and no saturation pressure is above it.
    if (T < kCriticalTemperature && ps > kCriticalPressure) return kCriticalPressure;
    return ps;
}

// Eq. (31) with beta of Eq. (29a); T* = 1 K and p* = 1 MPa.
double SaturationTemperature(double P) {
    // As in SaturationPressure: the critical pressure gives the critical
    // temperature exactly, not Eq. (31)'s 647.0959999988 K.
    if (P == kCriticalPressure) return kCriticalTemperature;
    const double beta = std::sqrt(std::sqrt(P));
    const double E = beta * beta + kN[3] * beta + kN[6];
    const double F = kN[1] * beta * beta + kN[4] * beta + kN[7];
    const double G = kN[2] * beta * beta + kN[5] * beta + kN[8];
    const double D = 2 * G / (-F - std::sqrt(F * F - 4 * E * G));
    const double a = kN[10] + D;
    return (a - std::sqrt(a * a - 4 * (kN[9] + kN[10] * D))) / 2;
}

}  // namespace calorix::if97
