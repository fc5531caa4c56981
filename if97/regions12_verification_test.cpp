// Regions 1 and 2 of IAPWS-IF97 against the computer-program verification
// values of the Revised Release (Tables 5, 7, 9, 15, 18, 24 and 29, and the
// B2bc point beside Eqs. (20) and (21)), the derivatives the tables do not
// list against finite differences of the basic equations, and the backward
// equations against the inverse of the basic equations.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>

#include "if97/region1.h"
#include "if97/region2.h"

namespace calorix::if97 {
namespace {

// Whether a value rounds to what the release prints: "0.100 215 168e-2" is
// 0.100 215 168 x 10^-2, met within half a unit of its last digit.
::testing::AssertionResult MatchesPrinted(double actual, const std::string& printed) {
    std::string text;
    for (char c : printed)
        if (c != ' ') text += c;
    double expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (error != std::errc() || end != text.data() + text.size())
        return ::testing::AssertionFailure() << "cannot read \"" << printed << '"';
    const std::size_t point = text.find('.');
    const std::size_t e = text.find('e');
    if (point == std::string::npos || (e != std::string::npos && e < point))
        return ::testing::AssertionFailure() << "no decimals in \"" << printed << '"';
    const int decimals = int((e == std::string::npos ? text.size() : e) - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    const double halfUnit = 0.5 * std::pow(10.0, exponent - decimals);
    if (std::fabs(actual - expected) <= halfUnit) return ::testing::AssertionSuccess();
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.12e", actual);
    return ::testing::AssertionFailure() << buffer << " is not " << printed;
}

// One column of Tables 5, 15 and 18: T in K, P in MPa and the properties
// the release lists.
struct StateRow {
    double T, P;
    const char *v, *h, *u, *s, *cp, *w;
};

void ExpectTheRow(const Properties& state, const StateRow& row) {
    EXPECT_EQ(state.T, row.T);
    EXPECT_EQ(state.P, row.P);
    EXPECT_TRUE(MatchesPrinted(state.v, row.v));
    EXPECT_TRUE(MatchesPrinted(state.h, row.h));
    EXPECT_TRUE(MatchesPrinted(state.u, row.u));
    EXPECT_TRUE(MatchesPrinted(state.s, row.s));
    EXPECT_TRUE(MatchesPrinted(state.cp, row.cp));
    EXPECT_TRUE(MatchesPrinted(state.w, row.w));
}

// Table 5: Eq. (7), region 1.
constexpr StateRow kTable5[] = {
    {300, 3, "0.100 215 168e-2", "0.115 331 273e3", "0.112 324 818e3", "0.392 294 792",
     "0.417 301 218e1", "0.150 773 921e4"},
    {300, 80, "0.971 180 894e-3", "0.184 142 828e3", "0.106 448 356e3", "0.368 563 852",
     "0.401 008 987e1", "0.163 469 054e4"},
    {500, 3, "0.120 241 800e-2", "0.975 542 239e3", "0.971 934 985e3", "0.258 041 912e1",
     "0.465 580 682e1", "0.124 071 337e4"},
};

// Table 15: Eq. (15), region 2.
constexpr StateRow kTable15[] = {
    {300, 0.0035, "0.394 913 866e2", "0.254 991 145e4", "0.241 169 160e4", "0.852 238 967e1",
     "0.191 300 162e1", "0.427 920 172e3"},
    {700, 0.0035, "0.923 015 898e2", "0.333 568 375e4", "0.301 262 819e4", "0.101 749 996e2",
     "0.208 141 274e1", "0.644 289 068e3"},
    {700, 30, "0.542 946 619e-2", "0.263 149 474e4", "0.246 861 076e4", "0.517 540 298e1",
     "0.103 505 092e2", "0.480 386 523e3"},
};

// Table 18: Eq. (18), the metastable vapour.
constexpr StateRow kTable18[] = {
    {450, 1, "0.192 516 540", "0.276 881 115e4", "0.257 629 461e4", "0.656 660 377e1",
     "0.276 349 265e1", "0.498 408 101e3"},
    {440, 1, "0.186 212 297", "0.274 015 123e4", "0.255 393 894e4", "0.650 218 759e1",
     "0.298 166 443e1", "0.489 363 295e3"},
    {450, 1.5, "0.121 685 206", "0.272 134 539e4", "0.253 881 758e4", "0.629 170 440e1",
     "0.362 795 578e1", "0.481 941 819e3"},
};

TEST(Region1, MatchesTable5) {
    for (const StateRow& row : kTable5) {
        SCOPED_TRACE(testing::Message() << row.T << " K, " << row.P << " MPa");
        ExpectTheRow(Region1(row.T, row.P), row);
    }
}

TEST(Region2, MatchesTable15) {
    for (const StateRow& row : kTable15) {
        SCOPED_TRACE(testing::Message() << row.T << " K, " << row.P << " MPa");
        ExpectTheRow(Region2(row.T, row.P), row);
    }
}

TEST(Region2Metastable, MatchesTable18) {
    for (const StateRow& row : kTable18) {
        SCOPED_TRACE(testing::Message() << row.T << " K, " << row.P << " MPa");
        ExpectTheRow(Region2Metastable(row.T, row.P), row);
    }
}

// The single-property functions run the same sums as the full ones and
// must give their h and s bit for bit.
TEST(Region1, EnthalpyAndEntropyAloneAreTheFullEquationsOwn) {
    for (const StateRow& row : kTable5) {
        const Properties state = Region1(row.T, row.P);
        EXPECT_EQ(Region1Enthalpy(row.T, row.P), state.h) << row.T << " K, " << row.P << " MPa";
        EXPECT_EQ(Region1Entropy(row.T, row.P), state.s) << row.T << " K, " << row.P << " MPa";
    }
}

TEST(Region2, EnthalpyAndEntropyAloneAreTheFullEquationsOwn) {
    for (const StateRow& row : kTable15) {
        const Properties state = Region2(row.T, row.P);
        EXPECT_EQ(Region2Enthalpy(row.T, row.P), state.h) << row.T << " K, " << row.P << " MPa";
        EXPECT_EQ(Region2Entropy(row.T, row.P), state.s) << row.T << " K, " << row.P << " MPa";
    }
}

// At 1080 K, tau - 0.5 of Eq. (17) is 0: the terms of exponent J = 0 and 1
// must leave their derivatives at 0 rather than multiply 0 by 1/0. Just
// above the region's 1073.15 K, where a search over T may step.
TEST(Region2, IsContinuousWhereTauIsOneHalf) {
    const Properties at = Region2(1080, 1);
    const Properties below = Region2(1080 - 1e-3, 1);
    const Properties above = Region2(1080 + 1e-3, 1);
    for (double Properties::*property :
         {&Properties::v, &Properties::h, &Properties::s, &Properties::u, &Properties::cp,
          &Properties::cv, &Properties::w, &Properties::dvdT, &Properties::dvdP}) {
        const double mean = (below.*property + above.*property) / 2;
        EXPECT_NEAR(at.*property, mean, 1e-9 * std::fabs(mean));
    }
}

// A row of Tables 7, 9, 24 and 29: the equation, P in MPa, h in kJ/kg or s
// in kJ/(kg K), and the temperature the release prints.
struct BackwardRow {
    int equation;
    double P, x;
    const char* T;
};

// Table 7: Eq. (11), T(p,h) of region 1.
constexpr BackwardRow kTable7[] = {
    {11, 3, 500, "0.391 798 509e3"},
    {11, 80, 500, "0.378 108 626e3"},
    {11, 80, 1500, "0.611 041 229e3"},
};

// Table 9: Eq. (13), T(p,s) of region 1.
constexpr BackwardRow kTable9[] = {
    {13, 3, 0.5, "0.307 842 258e3"},
    {13, 80, 0.5, "0.309 979 785e3"},
    {13, 80, 3, "0.565 899 909e3"},
};

// Table 24: Eqs. (22) to (24), T(p,h) of subregions 2a, 2b and 2c.
constexpr BackwardRow kTable24[] = {
    {22, 0.001, 3000, "0.534 433 241e3"}, {22, 3, 3000, "0.575 373 370e3"},
    {22, 3, 4000, "0.101 077 577e4"},     {23, 5, 3500, "0.801 299 102e3"},
    {23, 5, 4000, "0.101 531 583e4"},     {23, 25, 3500, "0.875 279 054e3"},
    {24, 40, 2700, "0.743 056 411e3"},    {24, 60, 2700, "0.791 137 067e3"},
    {24, 60, 3200, "0.882 756 860e3"},
};

// Table 29: Eqs. (25) to (27), T(p,s) of subregions 2a, 2b and 2c.
constexpr BackwardRow kTable29[] = {
    {25, 0.1, 7.5, "0.399 517 097e3"}, {25, 0.1, 8, "0.514 127 081e3"},
    {25, 2.5, 8, "0.103 984 917e4"},   {26, 8, 6, "0.600 484 040e3"},
    {26, 8, 7.5, "0.106 495 556e4"},   {26, 90, 6, "0.103 801 126e4"},
    {27, 20, 5.75, "0.697 992 849e3"}, {27, 80, 5.25, "0.854 011 484e3"},
    {27, 80, 5.75, "0.949 017 998e3"},
};

template <std::size_t N>
void ExpectTheTemperatures(double (*function)(double, double), const BackwardRow (&rows)[N]) {
    for (const BackwardRow& row : rows) {
        EXPECT_TRUE(MatchesPrinted(function(row.P, row.x), row.T))
            << "Eq. (" << row.equation << ") at " << row.P << " MPa and " << row.x;
    }
}

TEST(Region1Backward, TemperatureOfPHMatchesTable7) {
    ExpectTheTemperatures(Region1TemperatureOfPH, kTable7);
}

TEST(Region1Backward, TemperatureOfPSMatchesTable9) {
    ExpectTheTemperatures(Region1TemperatureOfPS, kTable9);
}

TEST(Region2Backward, TemperatureOfPHMatchesTable24InEachSubregion) {
    ExpectTheTemperatures(Region2TemperatureOfPH, kTable24);
}

TEST(Region2Backward, TemperatureOfPSMatchesTable29InEachSubregion) {
    ExpectTheTemperatures(Region2TemperatureOfPS, kTable29);
}

// The check point beside Eqs. (20) and (21): 100 MPa and 3516.004323 kJ/kg
// lie on the B2bc line, both ways.
TEST(B2bc, MeetsThePointOfTheRelease) {
    EXPECT_TRUE(MatchesPrinted(B2bcPressure(0.351'600'432'3e4), "0.100 000 000e3"));
    EXPECT_TRUE(MatchesPrinted(B2bcEnthalpy(0.100'000'000e3), "0.351 600 432 3e4"));
}

// The line begins at the saturated vapour of 6.5467 MPa (Section 6.3.1).
TEST(B2bc, TheTwoFormsAreInversesAlongTheLine) {
    for (double P : {6.5467, 10.0, 22.064, 50.0, 100.0}) {
        const double h = B2bcEnthalpy(P);
        EXPECT_NEAR(B2bcPressure(h), P, 1e-9 * P) << P << " MPa";
    }
}

// The derivatives that no verification table lists, against central
// differences of the basic equation: dv/dT at constant P, dv/dP at constant
// T, and cv = du/dT at constant v, where each side's pressure is found by
// Newton steps on v until v is the middle state's own.
struct DerivativePoint {
    const char* equation;
    Properties (*properties)(double, double);
    double T, P;
};

constexpr DerivativePoint kDerivativePoints[] = {
    {"Eq. (7)", Region1, 300, 3},
    {"Eq. (7)", Region1, 300, 80},
    {"Eq. (7)", Region1, 500, 3},
    {"Eq. (7)", Region1, 600, 50},
    {"Eq. (7)", Region1, 620, 100},
    {"Eq. (15)", Region2, 300, 0.0035},
    {"Eq. (15)", Region2, 700, 0.0035},
    {"Eq. (15)", Region2, 700, 30},
    {"Eq. (15)", Region2, 1000, 80},
    {"Eq. (15)", Region2, 500, 1},
    {"Eq. (18)", Region2Metastable, 450, 1},
    {"Eq. (18)", Region2Metastable, 440, 1.5},
};

// The pressure in MPa at which the equation gives the volume v at T.
double PressureOfVolume(const DerivativePoint& point, double T, double v, double P) {
    for (int step = 0; step < 50; ++step) {
        const Properties state = point.properties(T, P);
        const double change = (v - state.v) / state.dvdP;
        P += change;
        if (std::fabs(change) <= 1e-15 * P) break;
    }
    return P;
}

TEST(BasicEquations, VolumeDerivativesAreThoseOfTheVolume) {
    for (const DerivativePoint& point : kDerivativePoints) {
        SCOPED_TRACE(testing::Message()
                     << point.equation << " at " << point.T << " K, " << point.P << " MPa");
        const Properties state = point.properties(point.T, point.P);
        const double dT = 1e-3;
        const double dvdT = (point.properties(point.T + dT, point.P).v -
                             point.properties(point.T - dT, point.P).v) /
                            (2 * dT);
        EXPECT_NEAR(state.dvdT, dvdT, 1e-6 * std::fabs(dvdT));
        const double dP = 1e-5 * point.P;
        const double dvdP = (point.properties(point.T, point.P + dP).v -
                             point.properties(point.T, point.P - dP).v) /
                            (2 * dP);
        EXPECT_NEAR(state.dvdP, dvdP, 1e-6 * std::fabs(dvdP));
        EXPECT_LT(state.dvdP, 0);
    }
}

TEST(BasicEquations, IsochoricHeatCapacityIsDuDtAtConstantVolume) {
    for (const DerivativePoint& point : kDerivativePoints) {
        SCOPED_TRACE(testing::Message()
                     << point.equation << " at " << point.T << " K, " << point.P << " MPa");
        const Properties state = point.properties(point.T, point.P);
        const double dT = 1e-2;
        const double Pabove = PressureOfVolume(point, point.T + dT, state.v, point.P);
        const double Pbelow = PressureOfVolume(point, point.T - dT, state.v, point.P);
        const Properties above = point.properties(point.T + dT, Pabove);
        const Properties below = point.properties(point.T - dT, Pbelow);
        EXPECT_NEAR(above.v, state.v, 1e-14 * state.v);
        EXPECT_NEAR(below.v, state.v, 1e-14 * state.v);
        const double cv = (above.u - below.u) / (2 * dT);
        EXPECT_NEAR(state.cv, cv, 1e-6 * cv);
        EXPECT_LT(state.cv, state.cp);
    }
}

// The backward equations against the basic equation: T from h or s of a
// state that the basic equation gives, within the differences the release
// tolerates (Eqs. (12) and (14), Tables 23 and 28).
struct InverseRow {
    const char* subregion;
    double T, P;
    double tolerance;  // K
};

// States of region 1 from 275 K to 620 K, from near saturation to 100 MPa.
constexpr InverseRow kRegion1States[] = {
    {"1", 275, 0.01, 0.025}, {"1", 275, 100, 0.025},    {"1", 300, 0.01, 0.025},
    {"1", 300, 20, 0.025},   {"1", 350, 0.1, 0.025},    {"1", 350, 50, 0.025},
    {"1", 400, 0.5, 0.025},  {"1", 400, 100, 0.025},    {"1", 450, 1, 0.025},
    {"1", 500, 3, 0.025},    {"1", 500, 50, 0.025},     {"1", 550, 7, 0.025},
    {"1", 550, 100, 0.025},  {"1", 600, 13, 0.025},     {"1", 600, 20, 0.025},
    {"1", 620, 16.5, 0.025}, {"1", 623.15, 100, 0.025},
};

TEST(Region1Backward, TemperaturesAreWithin25MilliKelvinOfTheBasicEquation) {
    for (const InverseRow& row : kRegion1States) {
        SCOPED_TRACE(testing::Message() << row.T << " K, " << row.P << " MPa");
        const Properties state = Region1(row.T, row.P);
        EXPECT_NEAR(Region1TemperatureOfPH(row.P, state.h), row.T, row.tolerance);
        EXPECT_NEAR(Region1TemperatureOfPS(row.P, state.s), row.T, row.tolerance);
    }
}

// States of region 2 in each subregion: 2a up to 4 MPa and 2b at entropies
// above 5.85 kJ/(kg K) within 10 mK, 2c below within 25 mK. 4.3 MPa lies
// below the lowest pressure of the B2bc line, where the whole isobar is 2b.
constexpr InverseRow kRegion2States[] = {
    {"2a", 280, 0.000611153, 0.010}, {"2a", 300, 0.0035, 0.010}, {"2a", 500, 0.001, 0.010},
    {"2a", 1073.15, 0.001, 0.010},   {"2a", 400, 0.1, 0.010},    {"2a", 460, 1, 0.010},
    {"2a", 700, 1, 0.010},           {"2a", 520, 3, 0.010},      {"2a", 600, 4, 0.010},
    {"2a", 1073.15, 4, 0.010},       {"2b", 600, 4.0001, 0.010}, {"2b", 540, 4.3, 0.010},
    {"2b", 900, 4.3, 0.010},         {"2b", 560, 5, 0.010},      {"2b", 800, 5, 0.010},
    {"2b", 700, 10, 0.010},          {"2b", 1000, 20, 0.010},    {"2b", 1073.15, 50, 0.010},
    {"2c", 650, 18, 0.025},          {"2c", 700, 25, 0.025},     {"2c", 750, 40, 0.025},
    {"2c", 800, 60, 0.025},          {"2c", 900, 100, 0.025},
};

TEST(Region2Backward, TemperaturesAreWithinTheTolerancesOfEachSubregion) {
    for (const InverseRow& row : kRegion2States) {
        SCOPED_TRACE(testing::Message()
                     << row.subregion << ": " << row.T << " K, " << row.P << " MPa");
        const Properties state = Region2(row.T, row.P);
        // The row is where its label puts it.
        const bool in2a = row.P <= 4;
        const bool in2c = !in2a && state.s < 5.85;
        EXPECT_EQ(std::string(row.subregion), in2a ? "2a" : in2c ? "2c" : "2b");
        EXPECT_NEAR(Region2TemperatureOfPH(row.P, state.h), row.T, row.tolerance);
        EXPECT_NEAR(Region2TemperatureOfPS(row.P, state.s), row.T, row.tolerance);
    }
}

}  // namespace
}  // namespace calorix::if97
