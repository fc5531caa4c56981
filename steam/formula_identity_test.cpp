// The property functions take fast paths where no statement can fault; they
// must give, bit for bit, what the statement-by-statement model gives
// (steam/formula_reference.h), everywhere: over the ranges the chart and its
// searches use, at the edges of every fast path, and where statements fault.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "steam/formula_reference.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "testing/same_bits.h"

namespace calorix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

using test::Bits;
using test::ExactText;

::testing::AssertionResult Same(const PropertyValue& actual, const PropertyValue& expected) {
    if (actual.empty() == expected.empty() && Bits(actual) == Bits(expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << (actual.empty() ? "empty" : ExactText(double(actual))) << " instead of "
           << (expected.empty() ? "empty" : ExactText(double(expected)));
}

// x and the doubles either side of it.
void AddWithNeighbours(std::vector<double>& values, double x) {
    values.push_back(std::nextafter(x, -kInf));
    values.push_back(x);
    values.push_back(std::nextafter(x, kInf));
}

// Temperatures: a fine sweep over the chart and the temperature searches,
// a coarser one far beyond, the band edges, the edges of the fast paths and
// the arguments at which statements fault.
std::vector<double> Temperatures() {
    std::vector<double> values;
    for (double T = 200; T <= 700; T += 0.0731)
        values.push_back(T);
    for (double T = 700; T <= 1700; T += 0.731)
        values.push_back(T);
    for (double T = -3e4; T <= 3e6; T = T < 0 ? T * 0.93 + 1 : T * 1.07 + 1)
        values.push_back(T);
    for (const double edge : {0.0, 39.5735f + 0.0, 50.0, 273.16, 300.0, 600.0, 647.3, 1234.96,
                              1273.16, 1591.45, 1e4, -1e4, 1e6, -6.473e8, 1e34}) {
        AddWithNeighbours(values, edge);
    }
    for (const double special : {-0.0, kDenormal, 1e300, -1e300, kMax, -kMax, kInf, -kInf, kNaN})
        values.push_back(special);
    return values;
}

// Pressures: a fine logarithmic sweep over the pressure searches' bracket
// and beyond, the band edges of SatTemperature, the clipping limit, the
// edges of the fast paths and the arguments at which statements fault.
std::vector<double> Pressures() {
    std::vector<double> values;
    for (double P = 1e-6; P <= 40; P *= 1.013)
        values.push_back(P);
    for (const double edge : {0.0, 1e-10, 0.000611, 12.33, 22.0891, 22.1, 22.1231, 1e15, -1e15})
        AddWithNeighbours(values, edge);
    for (const double special :
         {-0.0, -1.0, -0.0001, kDenormal, 1e20, -1e20, kMax, kInf, -kInf, kNaN}) {
        values.push_back(special);
    }
    return values;
}

using Saturated = PropertyValue (*)(double);

struct SaturatedPair {
    const char* name;
    Saturated program;
    Saturated reference;
};

const SaturatedPair kSaturated[] = {
    {"SatLiquidVolume", SatLiquidVolume, reference::SatLiquidVolume},
    {"SatVaporVolume", SatVaporVolume, reference::SatVaporVolume},
    {"SatLiquidEnthalpy", SatLiquidEnthalpy, reference::SatLiquidEnthalpy},
    {"SatVaporEnthalpy", SatVaporEnthalpy, reference::SatVaporEnthalpy},
    {"EvaporationEnthalpy", EvaporationEnthalpy, reference::EvaporationEnthalpy},
    {"SatLiquidEntropy", SatLiquidEntropy, reference::SatLiquidEntropy},
    {"SatVaporEntropy", SatVaporEntropy, reference::SatVaporEntropy},
};

using Superheated = PropertyValue (*)(double, double&);

struct SuperheatedPair {
    const char* name;
    Superheated program;
    Superheated reference;
};

const SuperheatedPair kSuperheated[] = {
    {"SuperheatedVolume", SuperheatedVolume, reference::SuperheatedVolume},
    {"SuperheatedEnthalpy", SuperheatedEnthalpy, reference::SuperheatedEnthalpy},
    {"SuperheatedEntropy", SuperheatedEntropy, reference::SuperheatedEntropy},
};

// Stops a sweep after a few reports: one fault shows in many points.
constexpr int kMaxReports = 5;

TEST(FormulaIdentity, SatPressureAtEveryTemperature) {
    int reports = 0;
    for (const double T : Temperatures()) {
        const double program = SatPressure(T);
        const double expected = reference::SatPressure(T);
        EXPECT_EQ(Bits(program), Bits(expected))
            << "T = " << ExactText(T) << ": " << ExactText(program) << " instead of "
            << ExactText(expected);
        if (Bits(program) != Bits(expected) && ++reports == kMaxReports) return;
    }
}

TEST(FormulaIdentity, SatTemperatureAtEveryPressure) {
    int reports = 0;
    for (const double given : Pressures()) {
        double P = given, expectedP = given;
        const PropertyValue program = SatTemperature(P);
        const PropertyValue expected = reference::SatTemperature(expectedP);
        const ::testing::AssertionResult same = Same(program, expected);
        EXPECT_TRUE(same) << "P = " << ExactText(given);
        EXPECT_EQ(Bits(P), Bits(expectedP)) << "the caller's pressure, P = " << ExactText(given);
        if (!same && ++reports == kMaxReports) return;
    }
}

TEST(FormulaIdentity, SaturatedPropertiesAtEveryTemperature) {
    const std::vector<double> temperatures = Temperatures();
    for (const SaturatedPair& f : kSaturated) {
        int reports = 0;
        for (const double T : temperatures) {
            const ::testing::AssertionResult same = Same(f.program(T), f.reference(T));
            EXPECT_TRUE(same) << f.name << " at T = " << ExactText(T);
            if (!same && ++reports == kMaxReports) break;
        }
    }
}

// Every temperature with every 60th pressure, and every pressure with every
// 60th temperature, so that both fine sweeps meet everything.
TEST(FormulaIdentity, SuperheatedPropertiesAtEveryTemperatureAndPressure) {
    const std::vector<double> temperatures = Temperatures();
    const std::vector<double> pressures = Pressures();
    for (const SuperheatedPair& f : kSuperheated) {
        int reports = 0;
        for (std::size_t i = 0; i < temperatures.size() && reports < kMaxReports; ++i) {
            for (std::size_t j = 0; j < pressures.size(); ++j) {
                if (i % 60 != 0 && j % 60 != 0) continue;
                const double T = temperatures[i];
                double P = pressures[j], expectedP = pressures[j];
                const ::testing::AssertionResult same =
                    Same(f.program(T, P), f.reference(T, expectedP));
                EXPECT_TRUE(same) << f.name << " at T = " << ExactText(T)
                                  << ", P = " << ExactText(pressures[j]);
                EXPECT_EQ(Bits(P), Bits(expectedP))
                    << f.name << ": the caller's pressure, P = " << ExactText(pressures[j]);
                if (!same && ++reports == kMaxReports) break;
            }
        }
    }
}

// Along an isobar and along an isotherm the parts of the fixed argument are
// computed once; every value must still be what the function gives.
TEST(FormulaIdentity, SuperheatedAlongAnIsobar) {
    const std::vector<double> temperatures = Temperatures();
    const std::vector<double> pressures = Pressures();
    int reports = 0;
    for (std::size_t j = 0; j < pressures.size() && reports < kMaxReports; ++j) {
        const SuperheatedAtPressure isobar(pressures[j]);
        for (std::size_t i = 0; i < temperatures.size(); ++i) {
            if (i % 60 != 0 && j % 60 != 0) continue;
            const double T = temperatures[i];
            double forEnthalpy = pressures[j], forEntropy = pressures[j];
            const ::testing::AssertionResult sameEnthalpy =
                Same(isobar.Enthalpy(T), reference::SuperheatedEnthalpy(T, forEnthalpy));
            const ::testing::AssertionResult sameEntropy =
                Same(isobar.Entropy(T), reference::SuperheatedEntropy(T, forEntropy));
            EXPECT_TRUE(sameEnthalpy)
                << "enthalpy at T = " << ExactText(T) << ", P = " << ExactText(pressures[j]);
            EXPECT_TRUE(sameEntropy)
                << "entropy at T = " << ExactText(T) << ", P = " << ExactText(pressures[j]);
            if ((!sameEnthalpy || !sameEntropy) && ++reports == kMaxReports) break;
        }
    }
}

TEST(FormulaIdentity, SuperheatedAlongAnIsotherm) {
    const std::vector<double> temperatures = Temperatures();
    const std::vector<double> pressures = Pressures();
    using Along = PropertyValue (SuperheatedAtTemperature::*)(double&) const;
    const std::pair<Along, Superheated> pairs[] = {
        {&SuperheatedAtTemperature::Volume, reference::SuperheatedVolume},
        {&SuperheatedAtTemperature::Enthalpy, reference::SuperheatedEnthalpy},
        {&SuperheatedAtTemperature::Entropy, reference::SuperheatedEntropy},
    };
    int reports = 0;
    for (std::size_t i = 0; i < temperatures.size() && reports < kMaxReports; ++i) {
        const double T = temperatures[i];
        const SuperheatedAtTemperature isotherm(T);
        for (std::size_t j = 0; j < pressures.size(); ++j) {
            if (i % 60 != 0 && j % 60 != 0) continue;
            for (const auto& [along, expected] : pairs) {
                double P = pressures[j], expectedP = pressures[j];
                const ::testing::AssertionResult same =
                    Same((isotherm.*along)(P), expected(T, expectedP));
                EXPECT_TRUE(same) << "T = " << ExactText(T) << ", P = " << ExactText(pressures[j]);
                EXPECT_EQ(Bits(P), Bits(expectedP))
                    << "the caller's pressure, P = " << ExactText(pressures[j]);
                if (!same && ++reports == kMaxReports) break;
            }
        }
    }
}

// A few of the points above, by name: where the fast paths must hand over to
// the statements that skip their faults.
TEST(FormulaIdentity, FaultingStatementsStillSkipTheirTargets) {
    // Above the critical point the fractional powers fault: 0.
    EXPECT_EQ(double(SatVaporEntropy(700)), 0.0);
    EXPECT_FALSE(SatVaporEntropy(700).empty());
    // Past the overflow of its power SatPressure returns the exponent.
    EXPECT_EQ(Bits(SatPressure(1273.16)), Bits(reference::SatPressure(1273.16)));
    EXPECT_LT(SatPressure(1273.16), 2000);
    // No band of SatTemperature below 0.000611 MPa: 0; none at P <= 0: empty.
    double low = 0.0005, zero = 0;
    EXPECT_EQ(double(SatTemperature(low)), 0.0);
    EXPECT_FALSE(SatTemperature(low).empty());
    EXPECT_TRUE(SatTemperature(zero).empty());
    // P = 0 faults the last statement of the volume: empty.
    double P = 0;
    EXPECT_TRUE(SuperheatedVolume(500, P).empty());
    // A pressure beyond single precision leaves K0..K2 at 0.
    double huge = 1e20, hugeExpected = 1e20;
    EXPECT_TRUE(
        Same(SuperheatedEnthalpy(500, huge), reference::SuperheatedEnthalpy(500, hugeExpected)));
    EXPECT_EQ(huge, 22.0891);
}

}  // namespace
}  // namespace calorix
