#include "if97/region3.h"

#include <array>
#include <cmath>

#include "if97/constants.h"

namespace calorix::if97 {
namespace {

// Table 30 of the Revised Release on IAPWS-IF97: the coefficients and
// exponents of the dimensionless Helmholtz free energy, Eq. (28),
//   phi(delta, tau) = n1 ln(delta) + sum over i = 2..40 of ni delta^Ii tau^Ji,
// with delta = rho/rho_c and tau = Tc/T.
constexpr double kN1 = 0.106'580'700'285'13e1;  // i = 1, the coefficient of ln(delta)

struct Term {
    int I, J;
    double n;
};

// Table 30, i = 2 to 40.
constexpr std::array<Term, 39> kTable30{{
    {0, 0, -0.157'328'452'902'39e2},     //  2
    {0, 1, 0.209'443'969'743'07e2},      //  3
    {0, 2, -0.768'677'078'787'16e1},     //  4
    {0, 7, 0.261'859'477'879'54e1},      //  5
    {0, 10, -0.280'807'811'486'20e1},    //  6
    {0, 12, 0.120'533'696'965'17e1},     //  7
    {0, 23, -0.845'668'128'125'02e-2},   //  8
    {1, 2, -0.126'543'154'777'14e1},     //  9
    {1, 6, -0.115'244'078'066'81e1},     // 10
    {1, 15, 0.885'210'439'843'18},       // 11
    {1, 17, -0.642'077'651'816'07},      // 12
    {2, 0, 0.384'934'601'866'71},        // 13
    {2, 2, -0.852'147'088'242'06},       // 14
    {2, 6, 0.489'722'815'418'77e1},      // 15
    {2, 7, -0.305'026'172'569'65e1},     // 16
    {2, 22, 0.394'205'368'791'54e-1},    // 17
    {2, 26, 0.125'584'084'243'08},       // 18
    {3, 0, -0.279'993'296'987'10},       // 19
    {3, 2, 0.138'997'995'694'60e1},      // 20
    {3, 4, -0.201'899'150'235'70e1},     // 21
    {3, 16, -0.821'476'371'739'63e-2},   // 22
    {3, 26, -0.475'960'357'349'23},      // 23
    {4, 0, 0.439'840'744'735'00e-1},     // 24
    {4, 2, -0.444'764'354'287'39},       // 25
    {4, 4, 0.905'720'707'197'33},        // 26
    {4, 26, 0.705'224'500'879'67},       // 27
    {5, 1, 0.107'705'126'263'32},        // 28
    {5, 3, -0.329'136'232'589'54},       // 29
    {5, 26, -0.508'710'620'411'58},      // 30
    {6, 0, -0.221'754'008'730'96e-1},    // 31
    {6, 2, 0.942'607'516'650'92e-1},     // 32
    {6, 26, 0.164'362'784'479'61},       // 33
    {7, 2, -0.135'033'722'413'48e-1},    // 34
    {8, 26, -0.148'343'453'524'72e-1},   // 35
    {9, 2, 0.579'229'536'280'84e-3},     // 36
    {9, 26, 0.323'089'047'037'11e-2},    // 37
    {10, 0, 0.809'648'029'962'15e-4},    // 38
    {10, 1, -0.165'576'797'950'37e-3},   // 39
    {11, 26, -0.449'238'990'618'15e-4},  // 40
}};

constexpr int kMaxI = 11;
constexpr int kMaxJ = 26;

// x^0 to x^N, each power the product of two lower ones. The loops over
// the powers and the tables are unrolled so that every exponent and factor
// is a constant and the powers stay in registers: several times faster.
template <int N>
std::array<double, N + 1> Powers(double x) {
    std::array<double, N + 1> p{};
    p[0] = 1;
    if constexpr (N >= 1) p[1] = x;
#pragma GCC unroll 32
    for (int k = 2; k <= N; ++k)
        p[k] = p[k / 2] * p[k - k / 2];
    return p;
}

// phi of Eq. (28) and its derivatives, each multiplied by the powers of
// delta and tau of its order, the way Table 31 uses them: d = delta
// phi_delta, dd = delta^2 phi_deltadelta, t = tau phi_tau, tt = tau^2
// phi_tautau and dt = delta tau phi_deltatau. A term ni delta^I tau^J adds
// I, I (I - 1), J, J (J - 1) and I J times itself; n1 ln(delta) adds n1 and
// -n1 to the delta derivatives. Table 32 gives the same derivatives
// unmultiplied.
struct Sums {
    double phi = 0, d = 0, dd = 0, t = 0, tt = 0, dt = 0;
};

Sums Table30Sums(double delta, double tau) {
    const auto dp = Powers<kMaxI>(delta);
    const auto tp = Powers<kMaxJ>(tau);
    Sums s;
#pragma GCC unroll 40
    for (const Term& term : kTable30) {
        const double x = term.n * dp[term.I] * tp[term.J];
        const double I = term.I, J = term.J;
        s.phi += x;
        s.d += I * x;
        s.dd += I * (I - 1) * x;
        s.t += J * x;
        s.tt += J * (J - 1) * x;
        s.dt += I * J * x;
    }
    s.phi += kN1 * std::log(delta);
    s.d += kN1;
    s.dd -= kN1;
    return s;
}

// The delta derivatives alone, for the pressure and its density
// derivatives, with the third one as well: ddd = delta^3
// phi_deltadeltadelta, to which a term ni delta^I tau^J adds I (I - 1) (I - 2)
// times itself and n1 ln(delta) adds 2 n1 (phi_deltadeltadelta is not in
// Table 32; it is the derivative by delta of phi_deltadelta there).
struct DeltaSums {
    double d = 0, dd = 0, ddd = 0;
};

DeltaSums Table30DeltaSums(double delta, double tau) {
    const auto dp = Powers<kMaxI>(delta);
    const auto tp = Powers<kMaxJ>(tau);
    DeltaSums s;
#pragma GCC unroll 40
    for (const Term& term : kTable30) {
        const double x = term.n * dp[term.I] * tp[term.J];
        const double I = term.I;
        s.d += I * x;
        s.dd += I * (I - 1) * x;
        s.ddd += I * (I - 1) * (I - 2) * x;
    }
    s.d += kN1;
    s.dd -= kN1;
    s.ddd += 2 * kN1;
    return s;
}

}  // namespace

// Table 31 of the Revised Release on IAPWS-IF97, with R T in kJ/kg and
// rho R T in kPa (hence the factors 1000).
Properties Region3(double rho, double T) {
    const double delta = rho / kCriticalDensity;
    const double tau = kCriticalTemperature / T;
    const Sums s = Table30Sums(delta, tau);
    const double RT = kGasConstant * T;  // kJ/kg

    Properties p;
    p.T = T;
    p.v = 1 / rho;
    p.P = rho * RT * s.d / 1000;
    p.u = RT * s.t;
    p.s = kGasConstant * (s.t - s.phi);
    p.h = RT * (s.t + s.d);
    p.cv = -kGasConstant * s.tt;
    // rho (dP/drho)_T / (rho R T) and T (dP/dT)_rho / (rho R T).
    const double stiffness = 2 * s.d + s.dd;
    const double thermal = s.d - s.dt;
    p.cp = kGasConstant * (-s.tt + thermal * thermal / stiffness);
    p.w = std::sqrt(1000 * RT * (stiffness - thermal * thermal / s.tt));
    // (dP/drho)_T in MPa m^3/kg and (dP/dT)_rho in MPa/K, then
    // (dv/dP)_T = -1 / (rho^2 (dP/drho)_T) and
    // (dv/dT)_P = -(dP/dT)_v (dv/dP)_T.
    const double dPdrho = RT * stiffness / 1000;
    const double dPdT = rho * kGasConstant * thermal / 1000;
    p.dvdP = -1 / (rho * rho * dPdrho);
    p.dvdT = -dPdT * p.dvdP;
    return p;
}

// P = rho R T delta phi_delta (in kPa, with R T in kJ/kg). With delta =
// rho/rho_c, by density:
//   dP/drho   = R T (2 delta phi_delta + delta^2 phi_deltadelta),
//   d2P/drho2 = (R T / rho) (2 delta phi_delta + 4 delta^2 phi_deltadelta
//                            + delta^3 phi_deltadeltadelta),
// the second from d/ddelta of delta^2 phi_delta and delta^2 phi_deltadelta.
// The third derivative phi_deltadeltadelta is not in Table 32; it follows
// the same way: n1 ln(delta) gives 2 n1 / delta^3 and ni delta^Ii tau^Ji
// gives ni Ii (Ii - 1) (Ii - 2) delta^(Ii - 3) tau^Ji.
Region3Isotherm Region3Pressure(double rho, double T) {
    const double delta = rho / kCriticalDensity;
    const double tau = kCriticalTemperature / T;
    const DeltaSums s = Table30DeltaSums(delta, tau);
    const double RT = kGasConstant * T;  // kJ/kg

    Region3Isotherm iso;
    iso.P = rho * RT * s.d / 1000;
    iso.dPdrho = RT * (2 * s.d + s.dd) / 1000;
    iso.d2Pdrho2 = RT * (2 * s.d + 4 * s.dd + s.ddd) / (1000 * rho);
    return iso;
}

}  // namespace calorix::if97
