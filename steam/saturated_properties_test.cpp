#include "steam/saturated_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "testing/quoted_value.h"

namespace calorix {
namespace {

using SaturatedFunction = PropertyValue (*)(double);

struct SaturatedRow {
    const char* name;
    SaturatedFunction function;
    double T;
    const char* quoted;
};

class SaturatedTable : public ::testing::TestWithParam<SaturatedRow> {};

TEST_P(SaturatedTable, MatchesTheQuotedValue) {
    const SaturatedRow& row = GetParam();
    EXPECT_TRUE(MatchesQuoted(row.function(row.T), row.quoted)) << row.name << "(" << row.T << ")";
}

INSTANTIATE_TEST_SUITE_P(QuotedValues, SaturatedTable,
                         ::testing::Values(
                             // At 373.15 K.
                             SaturatedRow{"vf", SatLiquidVolume, 373.15, "0.001043586"},
                             SaturatedRow{"vg", SatVaporVolume, 373.15, "1.67193"},
                             SaturatedRow{"hf", SatLiquidEnthalpy, 373.15, "419.610"},
                             SaturatedRow{"hg", SatVaporEnthalpy, 373.15, "2676.151"},
                             SaturatedRow{"hfg", EvaporationEnthalpy, 373.15, "2256.118"},
                             SaturatedRow{"sf", SatLiquidEntropy, 373.15, "1.30808"},
                             SaturatedRow{"sg", SatVaporEntropy, 373.15, "7.35380"},
                             // At the triple point; the formulas give vf = 0.00099996367.
                             SaturatedRow{"vf", SatLiquidVolume, 273.16, "0.0009999637"},
                             SaturatedRow{"vg", SatVaporVolume, 273.16, "206.217"},
                             SaturatedRow{"hf", SatLiquidEnthalpy, 273.16, "-0.727"},
                             SaturatedRow{"hg", SatVaporEnthalpy, 273.16, "2501.303"},
                             SaturatedRow{"hfg", EvaporationEnthalpy, 273.16, "2501.385"},
                             SaturatedRow{"sf", SatLiquidEntropy, 273.16, "-0.00209"},
                             SaturatedRow{"sg", SatVaporEntropy, 273.16, "9.15424"},
                             // At the critical point X = 0: c0 times the scale.
                             SaturatedRow{"vf", SatLiquidVolume, 647.3, "0.003155"},
                             SaturatedRow{"vg", SatVaporVolume, 647.3, "0.00315014"},
                             SaturatedRow{"hf", SatLiquidEnthalpy, 647.3, "2099.3"},
                             SaturatedRow{"hg", SatVaporEnthalpy, 647.3, "2099.3"},
                             SaturatedRow{"hfg", EvaporationEnthalpy, 647.3, "0"},
                             SaturatedRow{"sf", SatLiquidEntropy, 647.3, "4.4289"},
                             SaturatedRow{"sg", SatVaporEntropy, 647.3, "4.4289"},
                             // The liquid bands do not join continuously.
                             SaturatedRow{"hf", SatLiquidEnthalpy, 300 - 1e-9, "111.2584"},
                             SaturatedRow{"hf", SatLiquidEnthalpy, 300, "111.7579"},
                             SaturatedRow{"sf", SatLiquidEntropy, 300 - 1e-9, "0.388276"},
                             SaturatedRow{"sf", SatLiquidEntropy, 300, "0.390106"},
                             SaturatedRow{"hf", SatLiquidEnthalpy, 600, "1504.9198"},
                             SaturatedRow{"hf", SatLiquidEnthalpy, 600 + 1e-9, "1504.9532"},
                             SaturatedRow{"sf", SatLiquidEntropy, 600, "3.517448"},
                             SaturatedRow{"sf", SatLiquidEntropy, 600 + 1e-9, "3.517393"}),
                         [](const auto& info) {
                             return std::string(info.param.name) + "_" + std::to_string(info.index);
                         });

const SaturatedFunction kAllSeven[] = {SatLiquidVolume,  SatVaporVolume,      SatLiquidEnthalpy,
                                       SatVaporEnthalpy, EvaporationEnthalpy, SatLiquidEntropy,
                                       SatVaporEntropy};

TEST(SaturatedProperties, AreZeroAboveTheCriticalPoint) {
    for (double T : {647.31, 700.0, 1273.16}) {
        for (SaturatedFunction f : kAllSeven) {
            const PropertyValue value = f(T);
            EXPECT_FALSE(value.empty()) << T;
            EXPECT_EQ(double(value), 0.0) << T;
        }
    }
}

TEST(SaturatedProperties, LiquidEnthalpyAndEntropyAreZeroBelowTheTriplePoint) {
    EXPECT_EQ(double(SatLiquidEnthalpy(273.15)), 0.0);
    EXPECT_EQ(double(SatLiquidEntropy(273.15)), 0.0);
    // The single-band functions extrapolate instead.
    EXPECT_GT(double(SatLiquidVolume(273.15)), 0.0009);
    EXPECT_GT(double(SatVaporEntropy(273.15)), 9.0);
}

TEST(SaturatedProperties, EvaporationEnthalpyIsACorrelationOfItsOwn) {
    EXPECT_TRUE(MatchesQuoted(
        SatVaporEnthalpy(273.16) - SatLiquidEnthalpy(273.16) - EvaporationEnthalpy(273.16),
        "0.64"));
    EXPECT_TRUE(MatchesQuoted(
        SatVaporEnthalpy(373.15) - SatLiquidEnthalpy(373.15) - EvaporationEnthalpy(373.15),
        "0.42"));
}

TEST(SaturatedProperties, TheDomeOpensDownwardsFromTheCriticalPoint) {
    // The searches of the isochore and the dome drawing rely on vf < vg and
    // sf < sg below the critical point, with vg falling as T rises.
    double previousVg = SatVaporVolume(273.16);
    for (double T = 274; T < 647.3; T += 1) {
        EXPECT_LT(double(SatLiquidVolume(T)), double(SatVaporVolume(T))) << T;
        EXPECT_LT(double(SatLiquidEntropy(T)), double(SatVaporEntropy(T))) << T;
        EXPECT_LT(double(SatVaporVolume(T)), previousVg) << T;
        previousVg = SatVaporVolume(T);
    }
}

}  // namespace
}  // namespace calorix
