// The computer-program verification values of the Revised Release on
// IAPWS-IF97 for region 3 (Table 33), the saturation line (Tables 35 and 36),
// region 5 (Table 42) and the B23-equation (beside Eqs. (5) and (6)), and the
// derivatives that the tables do not print, against finite differences.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "if97/b23.h"
#include "if97/constants.h"
#include "if97/region3.h"
#include "if97/region4.h"
#include "if97/region5.h"

namespace calorix::if97 {
namespace {

// A value as the release prints it, "0.255837018e2" for 0.255 837 018 x 10^2:
// the computed value must round to it, within half a unit of its last digit.
::testing::AssertionResult MatchesPrinted(double actual, const std::string& printed) {
    const auto point = printed.find('.');
    const auto e = printed.find('e');
    const int decimals = int((e == std::string::npos ? printed.size() : e) - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(printed.c_str() + e + 1);
    const double tolerance = 0.5 * std::pow(10.0, exponent - decimals) * (1 + 1e-9);
    const double expected = std::stod(printed);
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.12g", actual);
    return ::testing::AssertionFailure() << buffer << " does not round to " << printed;
}

// Agreement within a relative tolerance.
::testing::AssertionResult Near(double actual, double expected, double relative) {
    if (std::fabs(actual - expected) <= relative * std::fabs(expected))
        return ::testing::AssertionSuccess();
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%.15g instead of %.15g (relative %.2g)", actual, expected,
                  (actual - expected) / expected);
    return ::testing::AssertionFailure() << buffer;
}

// Table 33.
struct Region3Row {
    double T, rho;  // K, kg/m^3
    const char *P, *h, *u, *s, *cp, *w;
};

class Table33 : public ::testing::TestWithParam<Region3Row> {};

TEST_P(Table33, Region3GivesThePrintedProperties) {
    const Region3Row& row = GetParam();
    const Properties p = Region3(row.rho, row.T);
    EXPECT_EQ(p.T, row.T);
    EXPECT_DOUBLE_EQ(p.v, 1 / row.rho);
    EXPECT_TRUE(MatchesPrinted(p.P, row.P));
    EXPECT_TRUE(MatchesPrinted(p.h, row.h));
    EXPECT_TRUE(MatchesPrinted(p.u, row.u));
    EXPECT_TRUE(MatchesPrinted(p.s, row.s));
    EXPECT_TRUE(MatchesPrinted(p.cp, row.cp));
    EXPECT_TRUE(MatchesPrinted(p.w, row.w));
    EXPECT_TRUE(MatchesPrinted(Region3Pressure(row.rho, row.T).P, row.P));
}

INSTANTIATE_TEST_SUITE_P(
    Release, Table33,
    ::testing::Values(Region3Row{650, 500, "0.255837018e2", "0.186343019e4", "0.181226279e4",
                                 "0.405427273e1", "0.138935717e2", "0.502005554e3"},
                      Region3Row{650, 200, "0.222930643e2", "0.237512401e4", "0.226365868e4",
                                 "0.485438792e1", "0.446579342e2", "0.383444594e3"},
                      Region3Row{750, 500, "0.783095639e2", "0.225868845e4", "0.210206932e4",
                                 "0.446971906e1", "0.634165359e1", "0.760696041e3"}));

// Table 35.
struct SaturationPressureRow {
    double T;  // K
    const char* P;
};

class Table35 : public ::testing::TestWithParam<SaturationPressureRow> {};

TEST_P(Table35, SaturationPressureGivesThePrintedValue) {
    EXPECT_TRUE(MatchesPrinted(SaturationPressure(GetParam().T), GetParam().P));
}

INSTANTIATE_TEST_SUITE_P(Release, Table35,
                         ::testing::Values(SaturationPressureRow{300, "0.353658941e-2"},
                                           SaturationPressureRow{500, "0.263889776e1"},
                                           SaturationPressureRow{600, "0.123443146e2"}));

// Table 36.
struct SaturationTemperatureRow {
    double P;  // MPa
    const char* T;
};

class Table36 : public ::testing::TestWithParam<SaturationTemperatureRow> {};

TEST_P(Table36, SaturationTemperatureGivesThePrintedValue) {
    EXPECT_TRUE(MatchesPrinted(SaturationTemperature(GetParam().P), GetParam().T));
}

INSTANTIATE_TEST_SUITE_P(Release, Table36,
                         ::testing::Values(SaturationTemperatureRow{0.1, "0.372755919e3"},
                                           SaturationTemperatureRow{1, "0.453035632e3"},
                                           SaturationTemperatureRow{10, "0.584149488e3"}));

// Table 42.
struct Region5Row {
    double T, P;  // K, MPa
    const char *v, *h, *u, *s, *cp, *w;
};

class Table42 : public ::testing::TestWithParam<Region5Row> {};

TEST_P(Table42, Region5GivesThePrintedProperties) {
    const Region5Row& row = GetParam();
    const Properties p = Region5(row.T, row.P);
    EXPECT_EQ(p.T, row.T);
    EXPECT_EQ(p.P, row.P);
    EXPECT_TRUE(MatchesPrinted(p.v, row.v));
    EXPECT_TRUE(MatchesPrinted(p.h, row.h));
    EXPECT_TRUE(MatchesPrinted(p.u, row.u));
    EXPECT_TRUE(MatchesPrinted(p.s, row.s));
    EXPECT_TRUE(MatchesPrinted(p.cp, row.cp));
    EXPECT_TRUE(MatchesPrinted(p.w, row.w));
}

INSTANTIATE_TEST_SUITE_P(
    Release, Table42,
    ::testing::Values(Region5Row{1500, 0.5, "0.138455090e1", "0.521976855e4", "0.452749310e4",
                                 "0.965408875e1", "0.261609445e1", "0.917068690e3"},
                      Region5Row{1500, 30, "0.230761299e-1", "0.516723514e4", "0.447495124e4",
                                 "0.772970133e1", "0.272724317e1", "0.928548002e3"},
                      Region5Row{2000, 30, "0.311385219e-1", "0.657122604e4", "0.563707038e4",
                                 "0.853640523e1", "0.288569882e1", "0.106736948e4"}));

TEST(B23, MeetsTheReleasesCheckPointBothWays) {
    EXPECT_TRUE(MatchesPrinted(B23Pressure(623.15), "0.165291643e2"));
    EXPECT_TRUE(MatchesPrinted(B23Temperature(16.5291643), "0.623150000e3"));
}

TEST(B23, EachEquationInvertsTheOtherAlongTheBoundary) {
    for (double T = kRegion13Temperature; T <= kB23MaxTemperature; T += 10)
        EXPECT_TRUE(Near(B23Temperature(B23Pressure(T)), T, 1e-12)) << T;
    EXPECT_TRUE(Near(B23Pressure(kB23MaxTemperature), kMaxPressure, 1e-5));
}

TEST(Saturation, TheCriticalPointIsExact) {
    EXPECT_EQ(SaturationPressure(kCriticalTemperature), kCriticalPressure);
    EXPECT_EQ(SaturationTemperature(kCriticalPressure), kCriticalTemperature);
    // Next to it the equations come within their own rounding of it.
    const double belowP = std::nextafter(kCriticalPressure, 0.0);
    EXPECT_TRUE(Near(SaturationTemperature(belowP), kCriticalTemperature, 1e-11));
    EXPECT_LT(SaturationTemperature(belowP), kCriticalTemperature);
}

TEST(Saturation, PressureRisesToTheCriticalPointWithoutPassingIt) {
    // Eq. (30) alone exceeds the critical pressure in the last nanokelvin
    // below the critical temperature.
    double previous = SaturationPressure(kCriticalTemperature - 1e-6);
    for (int i = 999; i >= 0; --i) {
        const double T = kCriticalTemperature - i * 1e-9;
        const double P = SaturationPressure(T);
        EXPECT_GE(P, previous) << i;
        EXPECT_LE(P, kCriticalPressure) << i;
        previous = P;
    }
    double T = kCriticalTemperature;
    for (int i = 0; i < 1000; ++i) {
        T = std::nextafter(T, 0.0);
        EXPECT_LE(SaturationPressure(T), kCriticalPressure) << i;
    }
    EXPECT_TRUE(Near(SaturationPressure(kCriticalTemperature - 1e-6), kCriticalPressure, 1e-6));
}

TEST(Saturation, TemperatureAndPressureEquationsInvertEachOther) {
    constexpr int kSteps = 2000;
    for (int i = 0; i <= kSteps; ++i) {
        const double T = kMinTemperature + (kCriticalTemperature - kMinTemperature) * i / kSteps;
        const double P = SaturationPressure(T);
        ASSERT_GT(P, 0) << T;
        EXPECT_TRUE(Near(SaturationTemperature(P), T, 1e-9)) << T;
    }
}

TEST(Saturation, PressureRisesWithTemperature) {
    double previous = 0;
    for (double T = kMinTemperature; T < kCriticalTemperature; T += 0.5) {
        const double P = SaturationPressure(T);
        EXPECT_GT(P, previous) << T;
        previous = P;
    }
    EXPECT_GT(SaturationPressure(kCriticalTemperature), previous);
}

// Central differences of step h around x.
template <typename F>
double Slope(F f, double x, double h) {
    return (f(x + h) - f(x - h)) / (2 * h);
}

struct Region3Point {
    double rho, T;  // kg/m^3, K
};

class Region3Derivatives : public ::testing::TestWithParam<Region3Point> {};

TEST_P(Region3Derivatives, AgreeWithFiniteDifferences) {
    const double rho = GetParam().rho, T = GetParam().T;
    const double hr = rho * 1e-5, hT = T * 1e-6;
    const auto at = [](double r, double t) { return Region3(r, t); };
    const Properties p = at(rho, T);

    const double dPdrho = Slope([&](double r) { return at(r, T).P; }, rho, hr);
    const double dPdT = Slope([&](double t) { return at(rho, t).P; }, T, hT);
    const double dudT = Slope([&](double t) { return at(rho, t).u; }, T, hT);
    const double dhdT = Slope([&](double t) { return at(rho, t).h; }, T, hT);
    const double dhdrho = Slope([&](double r) { return at(r, T).h; }, rho, hr);
    const double dsdT = Slope([&](double t) { return at(rho, t).s; }, T, hT);
    const double dsdrho = Slope([&](double r) { return at(r, T).s; }, rho, hr);

    EXPECT_TRUE(Near(p.cv, dudT, 1e-7));
    EXPECT_TRUE(Near(p.dvdP, -1 / (rho * rho * dPdrho), 1e-7));
    // (dv/dT)_P = -(dP/dT)_v (dv/dP)_T.
    EXPECT_TRUE(Near(p.dvdT, dPdT / (rho * rho * dPdrho), 1e-7));
    // cp = (dh/dT)_rho + (dh/drho)_T (drho/dT)_P, (drho/dT)_P = -rho^2 (dv/dT)_P.
    EXPECT_TRUE(Near(p.cp, dhdT - dhdrho * dPdT / dPdrho, 1e-7));
    // w^2 = (dP/drho)_s = (dP/drho)_T + (dP/dT)_rho (dT/drho)_s, in MPa m^3/kg.
    const double dPdrhoAtS = dPdrho - dPdT * dsdrho / dsdT;
    EXPECT_TRUE(Near(p.w * p.w, 1e6 * dPdrhoAtS, 1e-7));

    const Region3Isotherm iso = Region3Pressure(rho, T);
    EXPECT_TRUE(Near(iso.P, p.P, 1e-14));
    EXPECT_TRUE(Near(iso.dPdrho, dPdrho, 1e-7));
    const double d2P = Slope([&](double r) { return Region3Pressure(r, T).dPdrho; }, rho, hr);
    EXPECT_TRUE(Near(iso.d2Pdrho2, d2P, 1e-6));
}

INSTANTIATE_TEST_SUITE_P(AcrossTheRegion, Region3Derivatives,
                         ::testing::Values(Region3Point{500, 650}, Region3Point{200, 650},
                                           Region3Point{500, 750}, Region3Point{700, 630},
                                           Region3Point{150, 700}, Region3Point{400, 860}));

TEST(Region3, ReproducesTheCriticalPoint) {
    const Region3Isotherm iso = Region3Pressure(kCriticalDensity, kCriticalTemperature);
    EXPECT_TRUE(MatchesPrinted(iso.P, "0.220640000e2"));
    EXPECT_TRUE(Near(iso.P, kCriticalPressure, 1e-11));
    EXPECT_TRUE(Near(Region3(kCriticalDensity, kCriticalTemperature).P, iso.P, 1e-14));
    // Both density derivatives vanish, on their scales pc/rho_c and pc/rho_c^2.
    EXPECT_LT(std::fabs(iso.dPdrho) * kCriticalDensity / kCriticalPressure, 1e-10);
    EXPECT_LT(std::fabs(iso.d2Pdrho2) * kCriticalDensity * kCriticalDensity / kCriticalPressure,
              1e-10);
}

struct Region5Point {
    double T, P;  // K, MPa
};

class Region5Derivatives : public ::testing::TestWithParam<Region5Point> {};

TEST_P(Region5Derivatives, AgreeWithFiniteDifferences) {
    const double T = GetParam().T, P = GetParam().P;
    const double hT = T * 1e-6, hP = P * 1e-6;
    const auto at = [](double t, double p) { return Region5(t, p); };
    const Properties p = at(T, P);

    const double dvdT = Slope([&](double t) { return at(t, P).v; }, T, hT);
    const double dvdP = Slope([&](double q) { return at(T, q).v; }, P, hP);
    const double dudT = Slope([&](double t) { return at(t, P).u; }, T, hT);
    const double dudP = Slope([&](double q) { return at(T, q).u; }, P, hP);
    const double dhdT = Slope([&](double t) { return at(t, P).h; }, T, hT);

    EXPECT_TRUE(Near(p.dvdT, dvdT, 1e-7));
    EXPECT_TRUE(Near(p.dvdP, dvdP, 1e-7));
    EXPECT_TRUE(Near(p.cp, dhdT, 1e-7));
    // cv = (du/dT)_v = (du/dT)_P + (du/dP)_T (dP/dT)_v, (dP/dT)_v = -(dv/dT)_P / (dv/dP)_T.
    EXPECT_TRUE(Near(p.cv, dudT - dudP * dvdT / dvdP, 1e-7));
}

INSTANTIATE_TEST_SUITE_P(AcrossTheRegion, Region5Derivatives,
                         ::testing::Values(Region5Point{1500, 0.5}, Region5Point{1500, 30},
                                           Region5Point{2000, 30}, Region5Point{1100, 50},
                                           Region5Point{2273.15, 0.01}));

}  // namespace
}  // namespace calorix::if97
