#include "if97/region1.h"

#include <array>
#include <cmath>

#include "if97/constants.h"
#include "if97/term_sums.h"

// Region 1 of the Revised Release on the IAPWS Industrial Formulation 1997
// for the Thermodynamic Properties of Water and Steam (IAPWS-IF97): the basic
// equation, Eq. (7), and the backward equations T(p,h), Eq. (11), and
// T(p,s), Eq. (13).
namespace calorix::if97 {
namespace {

using detail::kAllSums;
using detail::kDy;
using detail::kValue;
using detail::PowersFor;
using detail::Sums;
using detail::SumTerms;
using detail::Term;

// Table 2: the dimensionless Gibbs free energy of Eq. (7),
// gamma = sum n (7.1 - pi)^I (tau - 1.222)^J. Rows {I, J, n}, numbered i.
constexpr std::array<Term, 34> kTable2 = {{
    {0, -2, 0.146'329'712'131'67},         //  1
    {0, -1, -0.845'481'871'691'14},        //  2
    {0, 0, -0.375'636'036'720'40e1},       //  3
    {0, 1, 0.338'551'691'683'85e1},        //  4
    {0, 2, -0.957'919'633'878'72},         //  5
    {0, 3, 0.157'720'385'132'28},          //  6
    {0, 4, -0.166'164'171'995'01e-1},      //  7
    {0, 5, 0.812'146'299'835'68e-3},       //  8
    {1, -9, 0.283'190'801'238'04e-3},      //  9
    {1, -7, -0.607'063'015'658'74e-3},     // 10
    {1, -1, -0.189'900'682'184'19e-1},     // 11
    {1, 0, -0.325'297'487'705'05e-1},      // 12
    {1, 1, -0.218'417'171'754'14e-1},      // 13
    {1, 3, -0.528'383'579'699'30e-4},      // 14
    {2, -3, -0.471'843'210'732'67e-3},     // 15
    {2, 0, -0.300'017'807'930'26e-3},      // 16
    {2, 1, 0.476'613'939'069'87e-4},       // 17
    {2, 3, -0.441'418'453'308'46e-5},      // 18
    {2, 17, -0.726'949'962'975'94e-15},    // 19
    {3, -4, -0.316'796'448'450'54e-4},     // 20
    {3, 0, -0.282'707'979'853'12e-5},      // 21
    {3, 6, -0.852'051'281'201'03e-9},      // 22
    {4, -5, -0.224'252'819'080'00e-5},     // 23
    {4, -2, -0.651'712'228'956'01e-6},     // 24
    {4, 10, -0.143'417'299'379'24e-12},    // 25
    {5, -8, -0.405'169'968'601'17e-6},     // 26
    {8, -11, -0.127'343'017'416'41e-8},    // 27
    {8, -6, -0.174'248'712'306'34e-9},     // 28
    {21, -29, -0.687'621'312'955'31e-18},  // 29
    {23, -31, 0.144'783'078'285'21e-19},   // 30
    {29, -38, 0.263'357'816'627'95e-22},   // 31
    {30, -39, -0.119'476'226'400'71e-22},  // 32
    {31, -40, 0.182'280'945'814'04e-23},   // 33
    {32, -41, -0.935'370'872'924'58e-25},  // 34
}};

// Table 6: the backward equation T(p,h), Eq. (11),
// theta = sum n pi^I (eta + 1)^J.
constexpr std::array<Term, 20> kTable6 = {{
    {0, 0, -0.238'724'899'245'21e3},     //  1
    {0, 1, 0.404'211'886'379'45e3},      //  2
    {0, 2, 0.113'497'468'817'18e3},      //  3
    {0, 6, -0.584'576'160'480'39e1},     //  4
    {0, 22, -0.152'854'824'131'40e-3},   //  5
    {0, 32, -0.108'667'076'953'77e-5},   //  6
    {1, 0, -0.133'917'448'726'02e2},     //  7
    {1, 1, 0.432'110'391'835'59e2},      //  8
    {1, 2, -0.540'100'671'705'06e2},     //  9
    {1, 3, 0.305'358'922'039'16e2},      // 10
    {1, 4, -0.659'647'494'236'38e1},     // 11
    {1, 10, 0.939'654'008'783'63e-2},    // 12
    {1, 32, 0.115'736'475'053'40e-6},    // 13
    {2, 10, -0.258'586'412'820'73e-4},   // 14
    {2, 32, -0.406'443'630'847'99e-8},   // 15
    {3, 10, 0.664'561'861'916'35e-7},    // 16
    {3, 32, 0.806'707'341'030'27e-10},   // 17
    {4, 32, -0.934'777'712'139'47e-12},  // 18
    {5, 32, 0.582'654'420'206'01e-14},   // 19
    {6, 32, -0.150'201'859'535'03e-16},  // 20
}};

// Table 8: the backward equation T(p,s), Eq. (13),
// theta = sum n pi^I (sigma + 2)^J.
constexpr std::array<Term, 20> kTable8 = {{
    {0, 0, 0.174'782'680'583'07e3},      //  1
    {0, 1, 0.348'069'308'928'73e2},      //  2
    {0, 2, 0.652'925'849'784'55e1},      //  3
    {0, 3, 0.330'399'817'754'89},        //  4
    {0, 11, -0.192'813'829'231'96e-6},   //  5
    {0, 31, -0.249'091'972'445'73e-22},  //  6
    {1, 0, -0.261'076'364'893'32},       //  7
    {1, 1, 0.225'929'659'815'86},        //  8
    {1, 2, -0.642'564'633'952'26e-1},    //  9
    {1, 3, 0.788'762'892'705'26e-2},     // 10
    {1, 12, 0.356'721'106'073'66e-9},    // 11
    {1, 31, 0.173'324'969'948'95e-23},   // 12
    {2, 0, 0.566'089'006'548'37e-3},     // 13
    {2, 1, -0.326'354'831'397'17e-3},    // 14
    {2, 2, 0.447'782'866'906'32e-4},     // 15
    {2, 9, -0.513'221'569'085'07e-9},    // 16
    {2, 31, -0.425'226'570'422'07e-25},  // 17
    {3, 10, 0.264'004'413'606'89e-12},   // 18
    {3, 32, 0.781'246'004'597'23e-28},   // 19
    {4, 32, -0.307'321'999'036'68e-30},  // 20
}};

// The reducing quantities of Eq. (7): p* = 16.53 MPa, T* = 1386 K.
constexpr double kReducingPressure = 16.53;    // MPa
constexpr double kReducingTemperature = 1386;  // K

// gamma of Eq. (7) and those of its derivatives by x = 7.1 - pi and by
// y = tau - 1.222 that `need` names, at T in K and P in MPa.
template <unsigned need>
Sums Gamma(double T, double P) {
    const PowersFor<kTable2, &Term::I> x(7.1 - P / kReducingPressure);
    const PowersFor<kTable2, &Term::J> y(kReducingTemperature / T - 1.222);
    return SumTerms<need, kTable2>(x, y);
}

}  // namespace

Properties Region1(double T, double P) {
    const Sums sums = Gamma<kAllSums>(T, P);
    const double pi = P / kReducingPressure;
    const double tau = kReducingTemperature / T;
    // The derivatives of Table 4: d/dpi = -d/dx, d/dtau = d/dy.
    const double gamma = sums.value;
    const double gammaPi = -sums.dx;
    const double gammaPiPi = sums.dxx;
    const double gammaTau = sums.dy;
    const double gammaTauTau = sums.dyy;
    const double gammaPiTau = -sums.dxy;

    // The relations of Table 3. R T / P in kJ/(kg MPa) is 10^-3 m^3/kg; R in
    // J/(kg K) is 10^3 R in kJ/(kg K).
    const double RT = kGasConstant * T;
    Properties state;
    state.T = T;
    state.P = P;
    state.v = RT / P * pi * gammaPi * 1e-3;
    state.h = RT * tau * gammaTau;
    state.s = kGasConstant * (tau * gammaTau - gamma);
    state.u = RT * (tau * gammaTau - pi * gammaPi);
    state.cp = -kGasConstant * tau * tau * gammaTauTau;
    // gamma_pi - tau gamma_pitau of cv and w in Table 3. With
    // v = R T gamma_pi / p* it is also in v's derivatives:
    // (dv/dT)_P = R expansion / p* and (dv/dP)_T = R T gamma_pipi / p*^2.
    const double expansion = gammaPi - tau * gammaPiTau;
    state.cv = kGasConstant * (-tau * tau * gammaTauTau + expansion * expansion / gammaPiPi);
    state.w = std::sqrt(RT * 1e3 * gammaPi * gammaPi /
                        (expansion * expansion / (tau * tau * gammaTauTau) - gammaPiPi));
    state.dvdT = kGasConstant * expansion / kReducingPressure * 1e-3;
    state.dvdP = RT * gammaPiPi / (kReducingPressure * kReducingPressure) * 1e-3;
    return state;
}

double Region1Enthalpy(double T, double P) {
    const double tau = kReducingTemperature / T;
    return kGasConstant * T * tau * Gamma<kDy>(T, P).dy;
}

double Region1Entropy(double T, double P) {
    const double tau = kReducingTemperature / T;
    const Sums sums = Gamma<kValue | kDy>(T, P);
    return kGasConstant * (tau * sums.dy - sums.value);
}

double Region1TemperatureOfPH(double P, double h) {
    // p* = 1 MPa, h* = 2500 kJ/kg, T* = 1 K.
    const PowersFor<kTable6, &Term::I> x(P);
    const PowersFor<kTable6, &Term::J> y(h / 2500 + 1);
    return SumTerms<kValue, kTable6>(x, y).value;
}

double Region1TemperatureOfPS(double P, double s) {
    // p* = 1 MPa, s* = 1 kJ/(kg K), T* = 1 K.
    const PowersFor<kTable8, &Term::I> x(P);
    const PowersFor<kTable8, &Term::J> y(s + 2);
    return SumTerms<kValue, kTable8>(x, y).value;
}

}  // namespace calorix::if97
