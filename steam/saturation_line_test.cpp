#include "steam/saturation_line.h"

#include <gtest/gtest.h>

#include "testing/quoted_value.h"

namespace calorix {
namespace {

TEST(SatPressure, MatchesTheTableAlongTheSaturationLine) {
    EXPECT_TRUE(MatchesQuoted(SatPressure(273.16), "0.000611048"));
    EXPECT_TRUE(MatchesQuoted(SatPressure(373.15), "0.101409"));
    EXPECT_TRUE(MatchesQuoted(SatPressure(473.15), "1.55473"));
    EXPECT_TRUE(MatchesQuoted(SatPressure(600), "12.345"));
    EXPECT_TRUE(MatchesQuoted(SatPressure(647.3), "22.1231"));
}

TEST(SatPressure, ExtrapolatesAboveTheCriticalPointUntilThePowerOverflows) {
    EXPECT_TRUE(MatchesQuoted(SatPressure(700), "42.68"));
    EXPECT_TRUE(MatchesQuoted(SatPressure(800), "507.9"));
    const double p1234 = SatPressure(1234);
    EXPECT_GT(p1234, 3.0e305);
    EXPECT_LT(p1234, 3.2e305);
    // Past the overflow the exponent itself comes back.
    EXPECT_TRUE(MatchesQuoted(SatPressure(1273.16), "1005.7388"));
}

TEST(SatPressure, RisesMonotonicallyOverTheDome) {
    double previous = SatPressure(273.16);
    for (double T = 274; T <= 647.3; T += 1) {
        const double P = SatPressure(T);
        EXPECT_GT(P, previous) << "T = " << T;
        previous = P;
    }
}

double SatTemperatureOf(double P) {
    return SatTemperature(P);
}

TEST(SatTemperature, MatchesTheTableInBothBands) {
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(0.101325), "373.2408"));
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(1), "453.0169"));
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(20), "638.9478"));
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(0.000611), "273.1928"));
    // The bands meet at 12.33 MPa with a step; 12.33 itself is in the low band.
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(12.33), "600.8104"));
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(12.330000001), "599.991"));
    EXPECT_TRUE(MatchesQuoted(SatTemperatureOf(12.33 + 1e-12), "599.991"));
}

TEST(SatTemperature, IsNotTheExactInverseOfSatPressure) {
    double P = SatPressure(373.15);
    EXPECT_TRUE(MatchesQuoted(SatTemperature(P), "373.26"));
}

TEST(SatTemperature, ClipsTheCallersPressureAboveTheCriticalPressure) {
    for (double given : {25.0, 22.1231, 1e6}) {
        double P = given;
        const PropertyValue T = SatTemperature(P);
        EXPECT_EQ(P, 22.0891) << given;
        EXPECT_TRUE(MatchesQuoted(T, "647.3331")) << given;
    }
    double atLimit = 22.0891;
    EXPECT_TRUE(MatchesQuoted(SatTemperature(atLimit), "647.3331"));
    double below = 21.0;
    SatTemperature(below);
    EXPECT_EQ(below, 21.0);
}

TEST(SatTemperature, FaultsGiveZeroOrEmpty) {
    // Below the low band no coefficients apply: 0.
    double low = 0.0005;
    const PropertyValue atLow = SatTemperature(low);
    EXPECT_FALSE(atLow.empty());
    EXPECT_EQ(double(atLow), 0.0);
    EXPECT_FALSE(std::signbit(double(atLow)));
    // The logarithm of a non-positive pressure faults: nothing is returned.
    for (double given : {0.0, -1.0}) {
        double P = given;
        const PropertyValue T = SatTemperature(P);
        EXPECT_TRUE(T.empty()) << given;
        EXPECT_EQ(double(T), 0.0);
    }
}

}  // namespace
}  // namespace calorix
