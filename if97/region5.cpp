#include "if97/region5.h"

#include <array>
#include <cmath>

#include "if97/constants.h"

namespace calorix::if97 {
namespace {

constexpr double kReducingTemperature = 1000;  // T* in K, Eqs. (33) and (34)

// Table 37 of the Revised Release on IAPWS-IF97: the ideal-gas part of
// Eq. (32), gamma_o = ln(pi) + sum of ni_o tau^Ji_o, Eq. (33).
struct IdealTerm {
    int J;
    double n;
};

constexpr std::array<IdealTerm, 6> kTable37{{
    {0, -0.131'799'836'742'01e2},    // 1
    {1, 0.685'408'416'344'34e1},     // 2
    {-3, -0.248'051'489'334'66e-1},  // 3
    {-2, 0.369'015'349'803'33},      // 4
    {-1, -0.311'613'182'139'25e1},   // 5
    {2, -0.329'616'265'389'17},      // 6
}};

// Table 38: the residual part, gamma_r = sum of ni pi^Ii tau^Ji, Eq. (34).
struct ResidualTerm {
    int I, J;
    double n;
};

constexpr std::array<ResidualTerm, 6> kTable38{{
    {1, 1, 0.157'364'048'552'59e-2},   // 1
    {1, 2, 0.901'537'616'739'44e-3},   // 2
    {1, 3, -0.502'700'776'776'48e-2},  // 3
    {2, 3, 0.224'400'374'094'85e-5},   // 4
    {2, 9, -0.411'632'754'534'71e-5},  // 5
    {3, 7, 0.379'194'548'229'55e-7},   // 6
}};

constexpr int kMinIdealJ = -3, kMaxIdealJ = 2;
constexpr int kMaxI = 3, kMaxJ = 9;

// x^0 to x^N, each power the product of two lower ones. The loops over
// the powers and the tables are unrolled so that every exponent and factor
// is a constant and the powers stay in registers: several times faster.
template <int N>
std::array<double, N + 1> Powers(double x) {
    std::array<double, N + 1> p{};
    p[0] = 1;
    if constexpr (N >= 1) p[1] = x;
#pragma GCC unroll 16
    for (int k = 2; k <= N; ++k)
        p[k] = p[k / 2] * p[k - k / 2];
    return p;
}

// The ideal-gas part without ln(pi), and its tau derivatives times tau and
// tau^2 (a term n tau^J adds J and J (J - 1) times itself).
struct IdealSums {
    double g = 0, t = 0, tt = 0;
};

IdealSums Table37Sums(double tau) {
    const auto up = Powers<kMaxIdealJ>(tau);
    const auto down = Powers<-kMinIdealJ>(1 / tau);
    IdealSums s;
#pragma GCC unroll 8
    for (const IdealTerm& term : kTable37) {
        const double x = term.n * (term.J >= 0 ? up[term.J] : down[-term.J]);
        const double J = term.J;
        s.g += x;
        s.t += J * x;
        s.tt += J * (J - 1) * x;
    }
    return s;
}

// The residual part and its derivatives, each times the powers of pi and
// tau of its order: p = pi gamma_r_pi, pp = pi^2 gamma_r_pipi, t = tau
// gamma_r_tau, tt = tau^2 gamma_r_tautau, pt = pi tau gamma_r_pitau.
struct ResidualSums {
    double g = 0, p = 0, pp = 0, t = 0, tt = 0, pt = 0;
};

ResidualSums Table38Sums(double pi, double tau) {
    const auto pp = Powers<kMaxI>(pi);
    const auto tp = Powers<kMaxJ>(tau);
    ResidualSums s;
#pragma GCC unroll 8
    for (const ResidualTerm& term : kTable38) {
        const double x = term.n * pp[term.I] * tp[term.J];
        const double I = term.I, J = term.J;
        s.g += x;
        s.p += I * x;
        s.pp += I * (I - 1) * x;
        s.t += J * x;
        s.tt += J * (J - 1) * x;
        s.pt += I * J * x;
    }
    return s;
}

}  // namespace

// Table 39 of the Revised Release on IAPWS-IF97, with pi = P / (1 MPa) and
// tau = 1000 K / T. pi gamma_o_pi = 1 and gamma_o_pitau = 0; R T in kJ/kg and
// R T / P in 10^-3 m^3/kg (hence the factors 1000).
Properties Region5(double T, double P) {
    const double pi = P;
    const double tau = kReducingTemperature / T;
    const IdealSums o = Table37Sums(tau);
    const ResidualSums r = Table38Sums(pi, tau);
    const double RT = kGasConstant * T;  // kJ/kg

    Properties p;
    p.T = T;
    p.P = P;
    // v, -P (dv/dP)_T and T (dv/dT)_P, each divided by the ideal gas's R T / P:
    const double volume = 1 + r.p;            // pi gamma_pi
    const double compression = 1 - r.pp;      // -pi^2 gamma_pipi
    const double expansion = 1 + r.p - r.pt;  // pi gamma_pi - pi tau gamma_pitau
    const double tt = o.tt + r.tt;            // tau^2 gamma_tautau
    p.v = RT * volume / (1000 * P);
    p.h = RT * (o.t + r.t);
    p.u = RT * (o.t + r.t - volume);
    p.s = kGasConstant * (o.t + r.t - (std::log(pi) + o.g + r.g));
    p.cp = -kGasConstant * tt;
    p.cv = kGasConstant * (-tt - expansion * expansion / compression);
    const double w2 = (1 + 2 * r.p + r.p * r.p) / (compression + expansion * expansion / tt);
    p.w = std::sqrt(1000 * RT * w2);
    // v = (R T / P) pi gamma_pi, so (dv/dT)_P = (R / P) (pi gamma_pi - pi tau
    // gamma_pitau) and (dv/dP)_T = (R T / P^2) pi^2 gamma_pipi, in m^3/(kg K)
    // and m^3/(kg MPa).
    p.dvdT = kGasConstant * expansion / (1000 * P);
    p.dvdP = -RT * compression / (1000 * P * P);
    return p;
}

}  // namespace calorix::if97
