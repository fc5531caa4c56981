#include "lines/two_box_location.h"

#include <gtest/gtest.h>

#include <algorithm>
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

BoxTexts Boxes(std::initializer_list<std::pair<int, std::string>> filled) {
    BoxTexts texts;
    for (const auto& [index, text] : filled)
        texts[size_t(index)] = text;
    return texts;
}

std::vector<PlanStep> OfKind(const Plan& plan, PlanStep::Kind kind) {
    std::vector<PlanStep> found;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == kind) found.push_back(step);
    }
    return found;
}

TEST(FirstFilledPair, FollowsTheFixedOrder) {
    EXPECT_EQ(FirstFilledPair(Boxes({{kT, "1"}, {kP, "1"}})), BoxPair::kTP);
    EXPECT_EQ(FirstFilledPair(Boxes({{kS, "1"}, {kT, "1"}})), BoxPair::kTs);
    EXPECT_EQ(FirstFilledPair(Boxes({{kP, "1"}, {kS, "1"}})), BoxPair::kPs);
    EXPECT_EQ(FirstFilledPair(Boxes({{kH, "1"}, {kV, "1"}})), BoxPair::kvh);
    EXPECT_EQ(FirstFilledPair(Boxes({{kH, " "}, {kS, "1"}})), BoxPair::khs);
    EXPECT_EQ(FirstFilledPair(Boxes({{kH, "1"}})), std::nullopt);
    EXPECT_TRUE(IsSolvedPair(BoxPair::kPs));
    EXPECT_FALSE(IsSolvedPair(BoxPair::kPv));
}

TEST(LocateState, SuperheatedTemperatureAndPressure) {
    CurrentPoint point;
    const Location location = LocateState(BoxPair::kTP, Boxes({{kT, "500"}, {kP, "1"}}), point);
    ASSERT_TRUE(location.located);
    double P = 1;
    EXPECT_EQ(point.PointT, 500);
    EXPECT_EQ(point.PointS, double(SuperheatedEntropy(500, P)));
    const auto marks = OfKind(location.plan, PlanStep::kMarkedSegment);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].s, marks[0].s2) << "a marked state is a segment of equal ends";
    EXPECT_EQ(OfKind(location.plan, PlanStep::kLabel)[0].text, "(T=500, P=1)");
    EXPECT_EQ(location.mousePointer, 2);
}

TEST(LocateState, TemperatureAndPressureWithoutASuperheatedStateDrawTheDomeSegment) {
    CurrentPoint point{0, 3.5};
    const Location location = LocateState(BoxPair::kTP, Boxes({{kT, "400"}, {kP, "1"}}), point);
    EXPECT_FALSE(location.located);
    EXPECT_EQ(point.PointT, 400);
    EXPECT_EQ(point.PointS, 3.5) << "the entropy stays";
    EXPECT_TRUE(OfKind(location.plan, PlanStep::kMarkedSegment).empty());
    const auto lines = OfKind(location.plan, PlanStep::kLineTo);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().s, double(SatLiquidEntropy(400)));
    EXPECT_LE(lines.back().s, double(SatVaporEntropy(400)));
    EXPECT_EQ(location.plan.Steps().back().text, "(T=400, P=1)");
}

TEST(LocateState, TemperatureAndEntropyMarkExactlyTheGivenState) {
    CurrentPoint point;
    const Location location = LocateState(BoxPair::kTs, Boxes({{kT, "400"}, {kS, "4"}}), point);
    EXPECT_TRUE(location.located);
    EXPECT_EQ(point.PointT, 400);
    EXPECT_EQ(point.PointS, 4);
    EXPECT_EQ(OfKind(location.plan, PlanStep::kColor).size(), 0u) << "the colour stays light blue";
    EXPECT_EQ(OfKind(location.plan, PlanStep::kLabel)[0].text, "(s=4, T=400)");
}

TEST(LocateState, WetTemperatureAndVolumeEndWithTheArrow) {
    CurrentPoint point;
    const Location location = LocateState(BoxPair::kTv, Boxes({{kT, "400"}, {kV, "0.2"}}), point);
    EXPECT_TRUE(location.located);
    EXPECT_EQ(location.mousePointer, 0);
    EXPECT_FALSE(location.beep);
    EXPECT_EQ(location.plan.Steps()[0].color, 2);
    EXPECT_EQ(OfKind(location.plan, PlanStep::kLabel)[0].text, "(v=0.2, T=400)");
}

TEST(LocateState, EnthalpyAtExactly2850IsSearchedAsSuperheated) {
    CurrentPoint point;
    const Location location = LocateState(BoxPair::kTh, Boxes({{kT, "500"}, {kH, "2850"}}), point);
    ASSERT_TRUE(location.located);
    // A superheated state: right of the dome.
    EXPECT_GT(point.PointS, double(SatVaporEntropy(500)));
}

TEST(LocateState, EnthalpyOutsideTheDomeBelow2850DrawsNothingAndEndsNormally) {
    CurrentPoint point{1, 2};
    const Location location = LocateState(BoxPair::kTh, Boxes({{kT, "700"}, {kH, "2800"}}), point);
    EXPECT_FALSE(location.located);
    EXPECT_EQ(location.mousePointer, 2);
    EXPECT_FALSE(location.beep);
    EXPECT_EQ(point.PointT, 1);
    EXPECT_TRUE(OfKind(location.plan, PlanStep::kMarkedSegment).empty());
}

// Searches without a sign change in their bracket mark nothing: no state at
// the bracket's midpoint labelled with the user's values.
TEST(LocateState, SuperheatedSearchesThatFindNothingBeepAndLeaveTheArrow) {
    struct Case {
        BoxPair pair;
        BoxTexts texts;
    };
    const Case cases[] = {
        {BoxPair::kTv, Boxes({{kT, "700"}, {kV, "0.005"}})},
        {BoxPair::kPs, Boxes({{kP, "22"}, {kS, "11"}})},
        {BoxPair::kTh, Boxes({{kT, "300"}, {kH, "4600"}})},
    };
    for (const Case& c : cases) {
        CurrentPoint point{1, 2};
        const Location location = LocateState(c.pair, c.texts, point);
        EXPECT_FALSE(location.located);
        EXPECT_TRUE(location.beep);
        EXPECT_EQ(location.mousePointer, 0);
        EXPECT_EQ(point.PointT, 1);
        EXPECT_EQ(point.PointS, 2);
        EXPECT_TRUE(OfKind(location.plan, PlanStep::kMarkedSegment).empty());
        EXPECT_TRUE(OfKind(location.plan, PlanStep::kLabel).empty());
    }
}

TEST(LocateState, WetPressureAndEntropyDrawTheIsobarSegmentAndMarkOnIt) {
    CurrentPoint point;
    const Location location = LocateState(BoxPair::kPs, Boxes({{kP, "1"}, {kS, "4"}}), point);
    ASSERT_TRUE(location.located);
    double P = 1;
    const double Ts = SatTemperature(P);
    EXPECT_EQ(point.PointT, Ts);
    EXPECT_EQ(point.PointS, 4);
    EXPECT_EQ(location.plan.Steps()[0].color, 13);
    EXPECT_EQ(location.plan.Steps()[1].kind, PlanStep::kMoveTo);
    EXPECT_EQ(location.plan.Steps()[1].s, double(SatLiquidEntropy(Ts)));
    EXPECT_EQ(OfKind(location.plan, PlanStep::kLabel)[0].text, "(P=1, s=4)");
}

// The pressure at which f(T, P) crosses target, found independently of the
// program's searches: a scan over the pressure range, then plain halving.
template <PropertyValue (*F)(double, double&)>
std::optional<double> CrossingPressure(double T, double target) {
    auto g = [T, target](double P) { return double(F(T, P)) - target; };
    double lo = SatPressure(273.16);
    for (int i = 0; i < 2000; ++i) {
        const double hi = std::min(lo * 1.01, 22.0891);
        if ((g(lo) < 0) != (g(hi) < 0)) {
            double a = lo, b = hi;
            for (int k = 0; k < 60; ++k) {
                const double m = (a + b) / 2;
                ((g(a) < 0) == (g(m) < 0) ? a : b) = m;
            }
            return a;
        }
        if (hi >= 22.0891) break;
        lo = hi;
    }
    return std::nullopt;
}

// Every state that is marked reproduces its two inputs: at the marked
// temperature, the pressure that gives the volume (or enthalpy) also gives
// the marked entropy.
TEST(LocateState, EveryMarkedStateReproducesItsInputs) {
    int superheatedChecked = 0;
    for (double T = 280; T <= 1270; T += 55) {
        const std::string tText = std::to_string(T);
        for (double v : {0.005, 0.02, 0.1, 0.5, 2.0, 10.0, 50.0, 200.0}) {
            CurrentPoint point;
            const Location location =
                LocateState(BoxPair::kTv, Boxes({{kT, tText}, {kV, std::to_string(v)}}), point);
            if (!location.located || location.mousePointer == 0) continue;  // wet or none
            const auto P = CrossingPressure<SuperheatedVolume>(T, v);
            ASSERT_TRUE(P.has_value()) << T << " K, v = " << v << " was marked";
            double p = *P;
            EXPECT_NEAR(double(SuperheatedEntropy(T, p)), point.PointS, 0.002)
                << T << " K, v = " << v;
            ++superheatedChecked;
        }
        for (double h : {2850.0, 3000.0, 3400.0, 4000.0, 4600.0}) {
            CurrentPoint point;
            const Location location =
                LocateState(BoxPair::kTh, Boxes({{kT, tText}, {kH, std::to_string(h)}}), point);
            if (!location.located) continue;
            const auto P = CrossingPressure<SuperheatedEnthalpy>(T, h);
            ASSERT_TRUE(P.has_value()) << T << " K, h = " << h << " was marked";
            double p = *P;
            EXPECT_NEAR(double(SuperheatedEntropy(T, p)), point.PointS, 0.002)
                << T << " K, h = " << h;
            ++superheatedChecked;
        }
    }
    for (double P : {0.00062, 0.01, 0.1, 1.0, 5.0, 20.0, 22.0}) {
        for (double s = 0; s <= 12; s += 0.75) {
            CurrentPoint point;
            const Location location = LocateState(
                BoxPair::kPs, Boxes({{kP, std::to_string(P)}, {kS, std::to_string(s)}}), point);
            if (!location.located) continue;
            double p = P;
            if (s < double(SatVaporEntropy(SatTemperature(p)))) continue;  // on the dome segment
            p = P;
            EXPECT_NEAR(double(SuperheatedEntropy(point.PointT, p)), s, 0.002) << P << ", " << s;
            EXPECT_EQ(point.PointS, s);
            ++superheatedChecked;
        }
    }
    EXPECT_GT(superheatedChecked, 60);
}

TEST(UnsolvedPairMessage, NamesBothLinesWithTheirUnits) {
    EXPECT_EQ(UnsolvedPairMessage(BoxPair::kPv, Boxes({{kP, "1"}, {kV, "0.2"}})),
              "The specified point may be located manually \r"
              "at the intersection of the lines\r\r"
              "              P = 1 MPa\r"
              "and\r"
              "              v = 0.2 m^3/kg");
    EXPECT_EQ(UnsolvedPairMessage(BoxPair::khs, Boxes({{kH, "3000"}, {kS, "7"}})),
              "The specified point may be located manually \r"
              "at the intersection of the lines\r\r"
              "              h = 3000 kJ/kg\r"
              "and\r"
              "              s = 7 kJ/kg-K");
}

}  // namespace
}  // namespace calorix
