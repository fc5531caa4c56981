// Two boxes under IAPWS-IF97: each of the ten pairs in each region locates a
// state with both values, marked and labelled as the chart labels it.
#include "lines/model_location.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "lines/crossings.h"
#include "numeric/number_text.h"

namespace calorix {
namespace {

constexpr BoxPair kAllPairs[] = {BoxPair::kTP, BoxPair::kTh, BoxPair::kTv, BoxPair::kTs,
                                 BoxPair::kPv, BoxPair::kPh, BoxPair::kPs, BoxPair::kvh,
                                 BoxPair::kvs, BoxPair::khs};

BoxTexts Boxes(std::initializer_list<std::pair<int, std::string>> filled) {
    BoxTexts texts;
    for (const auto& [index, text] : filled)
        texts[size_t(index)] = text;
    return texts;
}

const PlanStep* LabelOf(const Plan& plan) {
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == PlanStep::kLabel) return &step;
    }
    return nullptr;
}

double Value(const State& state, int index) {
    const double values[kPropertyCount] = {state.T, state.P, state.v, state.h, state.s};
    return values[index];
}

TEST(LocationLabel, IsTheChartsLabelOfThePair) {
    const BoxTexts texts = Boxes({{kT, "500"}, {kP, " .1"}, {kV, "2"}, {kH, "2800"}, {kS, "7"}});
    const struct {
        BoxPair pair;
        const char* label;
    } kLabels[] = {
        {BoxPair::kTP, "(T=500, P= .1)"}, {BoxPair::kTh, "(h=2800, T=500)"},
        {BoxPair::kTv, "(v=2, T=500)"},   {BoxPair::kTs, "(s=7, T=500)"},
        {BoxPair::kPv, "(P= .1, v=2)"},   {BoxPair::kPh, "(P= .1, h=2800)"},
        {BoxPair::kPs, "(P= .1, s=7)"},   {BoxPair::kvh, "(v=2, h=2800)"},
        {BoxPair::kvs, "(v=2, s=7)"},     {BoxPair::khs, "(h=2800, s=7)"},
    };
    for (const auto& [pair, label] : kLabels)
        EXPECT_EQ(LocationLabel(pair, texts), label);
}

TEST(LocationLabel, MatchesWhatTheChartsOwnLocationsPrint) {
    // Superheated states that the chart's correlations locate and mark.
    const BoxTexts located = Boxes({{kT, "600"}, {kP, "1"}, {kV, "0.3"}, {kH, "3000"}, {kS, "7"}});
    for (const BoxPair pair : {BoxPair::kTP, BoxPair::kTh, BoxPair::kTv, BoxPair::kTs}) {
        const PairBoxes boxes = BoxesOf(pair);
        BoxTexts texts;
        texts[size_t(boxes.first)] = located[size_t(boxes.first)];
        texts[size_t(boxes.second)] = located[size_t(boxes.second)];
        CurrentPoint point;
        const Location classic = LocateState(pair, texts, point);
        ASSERT_NE(LabelOf(classic.plan), nullptr);
        EXPECT_EQ(LocationLabel(pair, texts), LabelOf(classic.plan)->text);
    }
    CurrentPoint point;
    const BoxTexts ps = Boxes({{kP, "1"}, {kS, "7"}});
    EXPECT_EQ(LocationLabel(BoxPair::kPs, ps),
              LabelOf(LocateState(BoxPair::kPs, ps, point).plan)->text);
    const BoxTexts ph = Boxes({{kP, "1"}, {kH, "2500"}});
    const CrossingLocation crossing = LocateCrossings(BoxPair::kPh, ph, point);
    ASSERT_TRUE(crossing.located);
    EXPECT_EQ(LocationLabel(BoxPair::kPh, ph), LabelOf(crossing.plan)->text);
}

struct RegionCase {
    const char* region;
    Property a;
    double va;
    Property b;
    double vb;
    Phase phase;
};

class LocateModelStateTest : public testing::TestWithParam<RegionCase> {};

TEST_P(LocateModelStateTest, EveryPairLocatesAStateWithBothValues) {
    const RegionCase& c = GetParam();
    const StateOrWhy made = If97Model().StateFrom(c.a, c.va, c.b, c.vb);
    ASSERT_TRUE(std::holds_alternative<State>(made));
    const State& original = std::get<State>(made);
    ASSERT_EQ(original.phase, c.phase);
    for (const BoxPair pair : kAllPairs) {
        const PairBoxes boxes = BoxesOf(pair);
        BoxTexts texts;
        for (const int i : {boxes.first, boxes.second})
            texts[size_t(i)] = GeneralText(Value(original, i));
        SCOPED_TRACE(LocationLabel(pair, texts));

        CurrentPoint point{-1, -1};
        const Location location = LocateModelState(If97Model(), pair, texts, point);
        ASSERT_TRUE(location.located);
        ASSERT_TRUE(location.state);
        const State& state = *location.state;
        for (const int i : {boxes.first, boxes.second}) {
            const double box = BoxValue(texts[size_t(i)]);
            EXPECT_NEAR(Value(state, i), box, 1e-7 * std::fabs(box)) << "property " << i;
        }
        EXPECT_EQ(point.PointS, state.s);
        EXPECT_EQ(point.PointT, state.T);
        const std::vector<PlanStep> expected = {
            {PlanStep::kColor, 0, 0, 0, 0, kLocationColor, {}},
            {PlanStep::kMarkedSegment, state.s, state.T, state.s, state.T, 0, {}},
            {PlanStep::kLabel, 0, 0, 0, 0, 0, LocationLabel(pair, texts)},
            {PlanStep::kRefresh, 0, 0, 0, 0, 0, {}},
        };
        EXPECT_EQ(location.plan.Steps(), expected);
        EXPECT_EQ(location.mousePointer, kMousePointerCross);
        EXPECT_FALSE(location.beep);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Regions, LocateModelStateTest,
    testing::Values(RegionCase{"liquid", Property::kT, 350, Property::kP, 10, Phase::kLiquid},
                    RegionCase{"wet", Property::kT, 450, Property::kX, 0.4, Phase::kWet},
                    RegionCase{"steam", Property::kT, 600, Property::kP, 1, Phase::kSteam},
                    RegionCase{"supercritical", Property::kT, 700, Property::kP, 30,
                               Phase::kSupercritical},
                    RegionCase{"hightemperature", Property::kT, 1200, Property::kP, 10,
                               Phase::kHighTemperatureSteam}),
    [](const testing::TestParamInfo<RegionCase>& info) { return info.param.region; });

TEST(LocateModelState, WithoutAStateMarksNothingAndBeeps) {
    // Above 1073.15 K IAPWS-IF97 ends at 50 MPa.
    CurrentPoint point{500, 7};
    const Location location =
        LocateModelState(If97Model(), BoxPair::kTP, Boxes({{kT, "1200"}, {kP, "80"}}), point);
    EXPECT_FALSE(location.located);
    EXPECT_FALSE(location.state);
    EXPECT_TRUE(location.beep);
    EXPECT_EQ(location.mousePointer, kMousePointerDefault);
    EXPECT_EQ(point.PointT, 500);
    EXPECT_EQ(point.PointS, 7);
    ASSERT_EQ(location.plan.Steps().size(), 2u);
    EXPECT_EQ(location.plan.Steps()[1].kind, PlanStep::kRefresh);
}

TEST(LocateModelState, AStateOffTheChartIsGivenButNotMarked) {
    // At 1e-6 MPa steam at 300 K lies right of s = 12.
    CurrentPoint point{500, 7};
    const Location location =
        LocateModelState(If97Model(), BoxPair::kTP, Boxes({{kT, "300"}, {kP, "0.000001"}}), point);
    EXPECT_FALSE(location.located);
    ASSERT_TRUE(location.state);
    EXPECT_GT(location.state->s, 12);
    EXPECT_TRUE(location.beep);
    EXPECT_EQ(location.mousePointer, kMousePointerDefault);
    EXPECT_EQ(point.PointT, 500);
    EXPECT_EQ(point.PointS, 7);
}

}  // namespace
}  // namespace calorix
