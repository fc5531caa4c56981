#include "steam/superheated.h"

#include <gtest/gtest.h>

#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "testing/quoted_value.h"

namespace calorix {
namespace {

struct SuperheatedRow {
    double T, P;
    const char *v, *h, *s;
};

class SuperheatedTable : public ::testing::TestWithParam<SuperheatedRow> {};

TEST_P(SuperheatedTable, MatchesTheQuotedValues) {
    const SuperheatedRow& row = GetParam();
    double P = row.P;
    EXPECT_TRUE(MatchesQuoted(SuperheatedVolume(row.T, P), row.v));
    P = row.P;
    EXPECT_TRUE(MatchesQuoted(SuperheatedEnthalpy(row.T, P), row.h));
    P = row.P;
    EXPECT_TRUE(MatchesQuoted(SuperheatedEntropy(row.T, P), row.s));
}

INSTANTIATE_TEST_SUITE_P(
    QuotedValues, SuperheatedTable,
    ::testing::Values(SuperheatedRow{473.15, 0.1, "2.17411", "2875.919", "7.83223"},
                      SuperheatedRow{573.15, 1, "0.258217", "3056.789", "7.13046"},
                      SuperheatedRow{773.15, 10, "0.0327767", "3379.378", "6.64362"},
                      SuperheatedRow{1273.16, 0.01, "58.7726", "4640.234", "11.04615"}));

TEST(Superheated, APressureAboveTheCriticalIsClippedInTheCallersVariable) {
    double P = 25;
    EXPECT_TRUE(MatchesQuoted(SuperheatedVolume(700, P), "0.00982745"));
    EXPECT_EQ(P, 22.0891);
    P = 25;
    EXPECT_TRUE(MatchesQuoted(SuperheatedEntropy(700, P), "5.58535"));
    EXPECT_EQ(P, 22.0891);
    // The enthalpy's pressure terms keep the pressure as given.
    P = 25;
    EXPECT_TRUE(MatchesQuoted(SuperheatedEnthalpy(700, P), "2843.869"));
    EXPECT_EQ(P, 22.0891);
    double atLimit = 22.0891;
    EXPECT_TRUE(MatchesQuoted(SuperheatedEnthalpy(700, atLimit), "2891.248"));
}

TEST(Superheated, DoesNotMeetTheSaturatedVapourExactly) {
    double P = 0.1;
    const double Ts = SatTemperature(P);
    EXPECT_TRUE(MatchesQuoted(Ts, "372.872"));
    EXPECT_TRUE(MatchesQuoted(SuperheatedVolume(Ts, P), "1.69382"));
    EXPECT_TRUE(MatchesQuoted(SatVaporVolume(Ts), "1.68755"));
    EXPECT_TRUE(MatchesQuoted(SuperheatedEnthalpy(Ts, P), "2675.10"));
    EXPECT_TRUE(MatchesQuoted(SatVaporEnthalpy(Ts), "2675.71"));
    EXPECT_TRUE(MatchesQuoted(SuperheatedEntropy(Ts, P), "7.3558"));
    EXPECT_TRUE(MatchesQuoted(SatVaporEntropy(Ts), "7.3571"));
}

TEST(Superheated, FaultsLeaveTheResultEmpty) {
    double zero = 0;
    EXPECT_TRUE(SuperheatedVolume(500, zero).empty());
    double negative = -1;
    EXPECT_TRUE(SuperheatedEntropy(500, negative).empty());
    // Below the saturation line's lower end Ts is 0 and the formulas still run.
    double tiny = 0.0005;
    EXPECT_FALSE(SuperheatedVolume(500, tiny).empty());
}

TEST(Superheated, EntropyAndEnthalpyRiseWithTemperature) {
    for (double P : {0.000611, 0.001, 0.1, 1.0, 10.0, 22.0891}) {
        double previousS = -1e9, previousH = -1e9;
        for (double T = 273.16; T <= 1591.45; T += 2) {
            double p = P;
            const double s = SuperheatedEntropy(T, p);
            const double h = SuperheatedEnthalpy(T, p);
            EXPECT_GT(s, previousS) << "P = " << P << ", T = " << T;
            EXPECT_GT(h, previousH) << "P = " << P << ", T = " << T;
            previousS = s;
            previousH = h;
        }
    }
}

TEST(Superheated, EntropyAndVolumeFallWithPressure) {
    for (double T : {300.0, 373.15, 500.0, 647.3, 900.0, 1273.16, 1591.45}) {
        double previousS = 1e9, previousV = 1e9;
        for (double P = SatPressure(273.16); P <= 22.0891; P *= 1.05) {
            double p = P;
            const double s = SuperheatedEntropy(T, p);
            const double v = SuperheatedVolume(T, p);
            EXPECT_LT(s, previousS) << "T = " << T << ", P = " << P;
            EXPECT_LT(v, previousV) << "T = " << T << ", P = " << P;
            previousS = s;
            previousV = v;
        }
    }
}

}  // namespace
}  // namespace calorix
