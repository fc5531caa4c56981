// The two property models behind one interface: the chart's correlations
// give, bit for bit, what their own functions give; IAPWS-IF97 gives its
// states with the phase named as a steam table names it.
#include "model/property_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "if97/state.h"
#include "model/if97_model.h"
#include "model/property_searches.h"
#include "steam/formula_reference.h"
#include "testing/same_bits.h"

namespace calorix {
namespace {

using test::SameBits;

State Solved(const PropertyModel& model, Property a, double va, Property b, double vb) {
    const StateOrWhy answer = model.StateFrom(a, va, b, vb);
    EXPECT_TRUE(std::holds_alternative<State>(answer))
        << model.Name() << " " << PropertyName(a) << "=" << va << " " << PropertyName(b) << "="
        << vb << ": "
        << (std::holds_alternative<NoState>(answer) ? std::get<NoState>(answer).why : "");
    return std::holds_alternative<State>(answer) ? std::get<State>(answer) : State{};
}

NoStateReason Reason(const StateOrWhy& answer) {
    EXPECT_TRUE(std::holds_alternative<NoState>(answer));
    return std::holds_alternative<NoState>(answer) ? std::get<NoState>(answer).reason
                                                   : NoStateReason::kNoState;
}

// Superheated steam: v, h and s are the correlations' own, to the bit, with
// the pressure as given (never clipped), over the whole superheated range.
TEST(ClassicModel, SteamIsTheCorrelationsBitForBit) {
    int checked = 0;
    for (double T = 280; T <= 1591; T += 37.3) {
        for (double P = 0.0007; P <= 22.0891; P *= 1.7) {
            double copy = P;
            if (!(double(reference::SuperheatedEntropy(T, copy)) >
                  double(reference::SatVaporEntropy(T)))) {
                EXPECT_EQ(Reason(ClassicModel().StateFrom(Property::kT, T, Property::kP, P)),
                          NoStateReason::kOutsideModel);
                continue;
            }
            const State state = Solved(ClassicModel(), Property::kP, P, Property::kT, T);
            EXPECT_EQ(state.phase, Phase::kSteam);
            EXPECT_EQ(state.P, P);
            copy = P;
            EXPECT_TRUE(SameBits(state.v, double(reference::SuperheatedVolume(T, copy))));
            copy = P;
            EXPECT_TRUE(SameBits(state.h, double(reference::SuperheatedEnthalpy(T, copy))));
            copy = P;
            EXPECT_TRUE(SameBits(state.s, double(reference::SuperheatedEntropy(T, copy))));
            EXPECT_FALSE(state.cp || state.cv || state.w || state.x);
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

// Wet states mix the saturated values at T as the property panel does, and
// a click's (T, s) finds its steam by the panel's own pressure search.
TEST(ClassicModel, WetStatesAndClicksAreThePanels) {
    for (double T = 273.16; T < 647.3; T += 13.7) {
        for (const double x : {0.0, 0.25, 0.5, 1.0}) {
            const State state = Solved(ClassicModel(), Property::kT, T, Property::kX, x);
            const double vf = reference::SatLiquidVolume(T), vg = reference::SatVaporVolume(T);
            const double hf = reference::SatLiquidEnthalpy(T), hg = reference::SatVaporEnthalpy(T);
            const double sf = reference::SatLiquidEntropy(T), sg = reference::SatVaporEntropy(T);
            EXPECT_EQ(state.phase, Phase::kWet);
            EXPECT_TRUE(SameBits(state.P, reference::SatPressure(T)));
            EXPECT_TRUE(SameBits(state.v, vf + x * (vg - vf)));
            EXPECT_TRUE(SameBits(state.h, hf + x * (hg - hf)));
            EXPECT_TRUE(SameBits(state.s, sf + x * (sg - sf)));
            EXPECT_EQ(state.x, x);
        }
        for (const double ds : {0.01, 0.5, 2.0}) {
            const double s = double(reference::SatVaporEntropy(T)) + ds;
            const StateOrWhy click = ClassicModel().StateFrom(Property::kT, T, Property::kS, s);
            const std::optional<double> P = SuperheatedPressure(T, s);
            ASSERT_EQ(std::holds_alternative<State>(click), P.has_value()) << T << " " << s;
            if (P) {
                EXPECT_TRUE(SameBits(std::get<State>(click).P, *P));
            }
        }
    }
    // Left of the dome the correlations have no state.
    EXPECT_EQ(Reason(ClassicModel().StateFrom(Property::kT, 400, Property::kS, 0.5)),
              NoStateReason::kOutsideModel);
    EXPECT_EQ(Reason(ClassicModel().StateFrom(Property::kT, 400, Property::kP, 5)),
              NoStateReason::kOutsideModel);
    EXPECT_EQ(Reason(ClassicModel().StateFrom(Property::kT, 500, Property::kP, 25)),
              NoStateReason::kOutsideModel);
}

// The pairs the chart leaves to its crossing search give back both values.
TEST(ClassicModel, CrossingPairsGiveBackTheirValues) {
    const State wet = Solved(ClassicModel(), Property::kP, 1, Property::kH, 2500);
    EXPECT_EQ(wet.phase, Phase::kWet);
    EXPECT_NEAR(wet.T, 453.03, 0.01);
    EXPECT_NEAR(*wet.x, 0.862, 0.001);
    const State steam = Solved(ClassicModel(), Property::kH, 3000, Property::kS, 7);
    EXPECT_EQ(steam.phase, Phase::kSteam);
    EXPECT_NEAR(steam.h, 3000, 3000e-6);
    EXPECT_NEAR(steam.s, 7, 7e-6);
}

// IAPWS-IF97 through the interface: the core's states, whatever the order of
// the pair, with the phase a steam table would name.
TEST(If97Model, NamesThePhaseOfEveryRegion) {
    struct Row {
        double T, P;
        Phase phase;
    };
    const Row rows[] = {
        {300, 3, Phase::kLiquid},
        {600, 30, Phase::kLiquid},
        {640, 21, Phase::kLiquid},
        {645, 21, Phase::kSteam},
        {773.15, 10, Phase::kSteam},
        {700, 20, Phase::kSteam},
        {700, 30, Phase::kSupercritical},
        {900, 60, Phase::kSupercritical},
        {1500, 0.5, Phase::kHighTemperatureSteam},
    };
    for (const Row& row : rows) {
        const State state = Solved(If97Model(), Property::kP, row.P, Property::kT, row.T);
        EXPECT_EQ(state.phase, row.phase) << row.T << " K, " << row.P << " MPa";
        const if97::Solution core = if97::FromTP(row.T, row.P);
        ASSERT_TRUE(std::holds_alternative<if97::State>(core));
        EXPECT_EQ(state.h, std::get<if97::State>(core).properties.h);
        EXPECT_TRUE(state.cp && state.cv && state.w && state.u);
        EXPECT_FALSE(state.x);
    }
    const State wet = Solved(If97Model(), Property::kX, 0.5, Property::kP, 1);
    EXPECT_EQ(wet.phase, Phase::kWet);
    EXPECT_EQ(wet.x, 0.5);
    EXPECT_FALSE(wet.cp || wet.cv || wet.w);
}

TEST(PropertyModel, RefusesWhatNoModelSolves) {
    for (const PropertyModel* model : {&ClassicModel(), &If97Model()}) {
        EXPECT_EQ(Reason(model->StateFrom(Property::kT, 400, Property::kT, 500)),
                  NoStateReason::kSamePropertyTwice);
        EXPECT_EQ(Reason(model->StateFrom(Property::kH, 400, Property::kX, 0.5)),
                  NoStateReason::kUnsupportedPair);
        EXPECT_EQ(Reason(model->StateFrom(Property::kT, std::nan(""), Property::kP, 1)),
                  NoStateReason::kNotANumber);
        EXPECT_EQ(Reason(model->StateFrom(Property::kT, 400, Property::kX, 1.5)),
                  NoStateReason::kOutsideModel);
        EXPECT_EQ(ModelNamed(model->Name()), model);
    }
    EXPECT_EQ(Reason(If97Model().StateFrom(Property::kT, 1200, Property::kP, 60)),
              NoStateReason::kOutsideModel);
    EXPECT_EQ(ModelNamed("IF97"), nullptr);
    for (const char* name : {"T", "P", "v", "h", "s", "x"}) {
        ASSERT_TRUE(PropertyNamed(name).has_value());
        EXPECT_EQ(PropertyName(*PropertyNamed(name)), name);
    }
    EXPECT_FALSE(PropertyNamed("t").has_value());
}

TEST(PropertyModel, SaturationOfBothModelsLiesOnTheirLines) {
    for (const PropertyModel* model : {&ClassicModel(), &If97Model()}) {
        for (const double T : {300.0, 400.0, 500.0, 600.0, 640.0}) {
            const std::optional<Saturation> atT = model->SaturationAtTemperature(T);
            ASSERT_TRUE(atT.has_value()) << model->Name() << " " << T;
            EXPECT_LT(atT->liquid.s, atT->vapour.s);
            const std::optional<Saturation> atP = model->SaturationAtPressure(atT->P);
            ASSERT_TRUE(atP.has_value());
            EXPECT_NEAR(atP->T, T, 1e-6) << model->Name();
            EXPECT_EQ(model->PhaseAt(T, 0.5 * (atT->liquid.s + atT->vapour.s)), Phase::kWet);
            EXPECT_EQ(model->PhaseAt(T, atT->vapour.s + 0.5), Phase::kSteam);
        }
        EXPECT_FALSE(model->SaturationAtTemperature(700).has_value());
        EXPECT_FALSE(model->SaturationAtPressure(30).has_value());
    }
    const double sf = If97Model().SaturationAtTemperature(400)->liquid.s;
    EXPECT_EQ(If97Model().PhaseAt(400, sf - 0.002), Phase::kLiquid);
    EXPECT_EQ(If97Model().PhaseAt(700, 4), Phase::kSupercritical);
    EXPECT_FALSE(If97Model().PhaseAt(400, 1).has_value());  // colder than 100 MPa allows
}

}  // namespace
}  // namespace calorix
