// The panel of a state of IAPWS-IF97: the chart panel's layout with the
// phase on a line of its own, every value the model's.
#include "readout/model_panel.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "model/state_region.h"
#include "numeric/number_text.h"

namespace calorix {
namespace {

std::vector<std::string> PanelLines(const std::string& text) {
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\r') << "the panel text ends with a carriage return";
    std::vector<std::string> lines;
    std::string current;
    for (const char c : text) {
        if (c == '\r') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return lines;
}

State Solved(Property a, double va, Property b, double vb) {
    const StateOrWhy found = If97Model().StateFrom(a, va, b, vb);
    EXPECT_TRUE(std::holds_alternative<State>(found));
    return std::holds_alternative<State>(found) ? std::get<State>(found) : State{};
}

// The text a value line shows: the value truncated to n decimals.
std::string Shown(double value, int n) {
    return NumberText(TruncateDecimals(value, n));
}

// The verification values of region 1 at 300 K and 3 MPa (Table 5 of the
// Revised Release on IAPWS-IF97): v = 0.00100215168, h = 115.331273,
// s = 0.392294792.
TEST(DescribeModelState, ListsALiquidWithItsPhase) {
    const State liquid = Solved(Property::kT, 300, Property::kP, 3);
    const StatePanel panel = DescribeModelState(If97Model(), PanelVariant::kClick, liquid);
    const std::vector<std::string> expected = {"Location:", "liquid",     "T= 300",    "P= 3",
                                               "",          "v= .001002", "h= 115.33", "s= .3922"};
    EXPECT_EQ(PanelLines(panel.text), expected);
    ASSERT_TRUE(panel.values);
    EXPECT_EQ(panel.values->model, "if97");
    EXPECT_EQ(panel.values->phase, "liquid");
    EXPECT_EQ(panel.values->region, kLiquid);
    EXPECT_EQ(panel.values->vText, " .001002");
    EXPECT_FALSE(panel.values->x);

    // Locate shows v with 4 decimals.
    const StatePanel located = DescribeModelState(If97Model(), PanelVariant::kLocate, liquid);
    EXPECT_EQ(PanelLines(located.text)[5], "v= .001");
}

// Saturation pressure at 500 K: 2.63889776 MPa (Table 35).
TEST(DescribeModelState, ListsAWetStateWithItsSaturatedPhases) {
    const State wet = Solved(Property::kT, 500, Property::kX, 0.5);
    const std::optional<Saturation> saturation = If97Model().SaturationAtTemperature(500);
    ASSERT_TRUE(saturation);
    for (const PanelVariant variant : {PanelVariant::kClick, PanelVariant::kLocate}) {
        const bool locate = variant == PanelVariant::kLocate;
        const StatePanel panel = DescribeModelState(If97Model(), variant, wet);
        std::vector<std::string> expected = {"Location:",
                                             "wet",
                                             "T  = 500",
                                             "P  = 2.6388",
                                             "x  = .5",
                                             "vx =" + Shown(wet.v, 7),
                                             "hx =" + Shown(wet.h, 2),
                                             "sx =" + Shown(wet.s, 4),
                                             ""};
        if (locate) expected.push_back("");
        for (const std::string& line :
             {"vf =" + Shown(saturation->liquid.v, locate ? 4 : 7),
              "vg =" + Shown(saturation->vapour.v, 2), "hf =" + Shown(saturation->liquid.h, 2),
              "hg =" + Shown(saturation->vapour.h, 2), "sf =" + Shown(saturation->liquid.s, 4),
              "sg =" + Shown(saturation->vapour.s, 4)})
            expected.push_back(line);
        EXPECT_EQ(PanelLines(panel.text), expected);
        ASSERT_TRUE(panel.values);
        EXPECT_EQ(panel.values->region, kWetMixture);
        EXPECT_EQ(panel.values->phase, "wet");
        EXPECT_EQ(panel.values->x, 0.5);
        EXPECT_EQ(panel.values->xText, " .5");
        // The mixture's values, untruncated.
        EXPECT_EQ(panel.values->v, wet.v);
        EXPECT_EQ(panel.values->h, wet.h);
        EXPECT_EQ(panel.values->s, wet.s);
    }
}

struct PointCase {
    const char* region;
    double T, P;  // the state whose chart point is clicked
    Phase phase;
    int regionCode;
};

class DescribeModelPointTest : public testing::TestWithParam<PointCase> {};

TEST_P(DescribeModelPointTest, ListsTheModelsStateOfTheClickedPoint) {
    const PointCase& c = GetParam();
    const double s = Solved(Property::kT, c.T, Property::kP, c.P).s;
    // The point as clicked, between two hundredths of a kelvin.
    const double T = c.T + 0.004321;
    const State state = Solved(Property::kT, T, Property::kS, s);
    ASSERT_EQ(state.phase, c.phase);
    const StatePanel panel = DescribeModelPoint(If97Model(), PanelVariant::kClick, T, s);
    const std::vector<std::string> expected = {"Location:",
                                               std::string(PhaseName(c.phase)),
                                               "T=" + Shown(T, 2),
                                               "P=" + Shown(state.P, 4),
                                               "",
                                               "v=" + Shown(state.v, 6),
                                               "h=" + Shown(state.h, 2),
                                               "s=" + Shown(state.s, 4)};
    EXPECT_EQ(PanelLines(panel.text), expected);
    ASSERT_TRUE(panel.values);
    const PanelValues& values = *panel.values;
    // The state of the point as clicked, not of its truncated temperature.
    EXPECT_EQ(values.T, T);
    EXPECT_EQ(values.P, state.P);
    EXPECT_EQ(values.v, state.v);
    EXPECT_EQ(values.h, state.h);
    EXPECT_EQ(values.s, state.s);
    EXPECT_EQ(values.TText, Shown(T, 2));
    EXPECT_EQ(values.region, c.regionCode);
    EXPECT_EQ(values.phase, PhaseName(c.phase));
    EXPECT_EQ(values.model, "if97");
}

INSTANTIATE_TEST_SUITE_P(
    Regions, DescribeModelPointTest,
    testing::Values(PointCase{"liquid", 350, 10, Phase::kLiquid, kLiquid},
                    PointCase{"steam", 600, 1, Phase::kSteam, kSuperheated},
                    PointCase{"supercritical", 700, 30, Phase::kSupercritical, kSuperheated},
                    PointCase{"hightemperature", 1200, 10, Phase::kHighTemperatureSteam,
                              kSuperheated}),
    [](const testing::TestParamInfo<PointCase>& info) { return info.param.region; });

TEST(DescribeModelPoint, InTheDomeListsTheWetState) {
    const double T = 400.017, s = 4;
    const State wet = Solved(Property::kT, T, Property::kS, s);
    ASSERT_EQ(wet.phase, Phase::kWet);
    const StatePanel panel = DescribeModelPoint(If97Model(), PanelVariant::kClick, T, s);
    EXPECT_EQ(panel.text, DescribeModelState(If97Model(), PanelVariant::kClick, wet).text);
    const std::vector<std::string> lines = PanelLines(panel.text);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], "wet");
    EXPECT_EQ(lines[2], "T  = 400.01");
    EXPECT_EQ(lines[4], "x  =" + Shown(*wet.x, 3));
    ASSERT_TRUE(panel.values);
    EXPECT_EQ(panel.values->x, wet.x);
    EXPECT_EQ(panel.values->s, s);
}

TEST(DescribeModelPoint, WithoutAStateListsOnlyLocation) {
    // Above 1073.15 K IAPWS-IF97 ends at 50 MPa, whose entropy there is above 6.
    const StatePanel panel = DescribeModelPoint(If97Model(), PanelVariant::kClick, 1200, 5);
    EXPECT_EQ(panel.text, "Location:\r");
    EXPECT_FALSE(panel.values);
}

TEST(DescribeState, TheChartsOwnPanelNamesItsModel) {
    double T = 500;
    const StatePanel panel = DescribeState(PanelVariant::kClick, T, 7.5);
    ASSERT_TRUE(panel.values);
    EXPECT_EQ(panel.values->model, "classic");
    EXPECT_EQ(panel.values->phase, "");
}

TEST(ModelQualityAt, IsTheQualityInsideTheDomeOnly) {
    for (const double x : {0.001, 0.3, 0.5, 0.999}) {
        for (const double T : {300.0, 400.0, 600.0, 647.0}) {
            const State wet = Solved(Property::kT, T, Property::kX, x);
            const std::optional<double> quality = ModelQualityAt(If97Model(), T, wet.s);
            ASSERT_TRUE(quality) << T << " " << x;
            EXPECT_NEAR(*quality, x, 1e-12);
        }
    }
    const std::optional<Saturation> at400 = If97Model().SaturationAtTemperature(400);
    ASSERT_TRUE(at400);
    EXPECT_FALSE(ModelQualityAt(If97Model(), 400, at400->liquid.s)) << "on the liquid line";
    EXPECT_FALSE(ModelQualityAt(If97Model(), 400, at400->vapour.s)) << "on the vapour line";
    EXPECT_FALSE(ModelQualityAt(If97Model(), 400, 1)) << "liquid";
    EXPECT_FALSE(ModelQualityAt(If97Model(), 400, 8)) << "steam";
    EXPECT_FALSE(ModelQualityAt(If97Model(), 700, 4.4)) << "above the critical temperature";
}

}  // namespace
}  // namespace calorix
