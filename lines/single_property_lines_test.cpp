#include "lines/single_property_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

using Kind = PlanStep::Kind;

std::vector<PlanStep> OfKind(const Plan& plan, Kind kind) {
    std::vector<PlanStep> found;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == kind) found.push_back(step);
    }
    return found;
}

// The points a plan moves or draws to, in order.
std::vector<PlanStep> Points(const Plan& plan) {
    std::vector<PlanStep> found;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == Kind::kMoveTo || step.kind == Kind::kLineTo) found.push_back(step);
    }
    return found;
}

TEST(Isotherm, IsAMarkedSegmentAcrossTheChartLabelledAtItsRightEnd) {
    const Plan plan = Isotherm(298, "298");
    ASSERT_EQ(plan.Steps().size(), 3u);
    EXPECT_EQ(plan.Steps()[0], (PlanStep{Kind::kColor, 0, 0, 0, 0, 12, {}}));
    EXPECT_EQ(plan.Steps()[1], (PlanStep{Kind::kMarkedSegment, 0, 298, 12, 298, 0, {}}));
    EXPECT_EQ(plan.Steps()[2], (PlanStep{Kind::kLabel, 0, 0, 0, 0, 0, "T = 298 K"}));
}

TEST(Isentrope, IsAMarkedSegmentUpTheChartLabelledAtItsTop) {
    const Plan plan = Isentrope(7, " 7");
    ASSERT_EQ(plan.Steps().size(), 3u);
    EXPECT_EQ(plan.Steps()[0].color, 6);
    EXPECT_EQ(plan.Steps()[1], (PlanStep{Kind::kMarkedSegment, 7, 273.16, 7, 1273.16, 0, {}}));
    EXPECT_EQ(plan.Steps()[2].text, "s =  7 kJ/kg-K");
}

TEST(Isobar, CrossesTheDomeThenClimbsToTheTopOfTheChart) {
    CurrentPoint point{1, 2};
    const Plan plan = Isobar(1, "1", point);
    double P = 1;
    const double Ts = SatTemperature(P);
    EXPECT_EQ(point.PointT, Ts);
    EXPECT_EQ(point.PointS, 2) << "the isobar stores only the temperature";
    EXPECT_EQ(plan.Steps()[0].color, 13);

    const auto points = Points(plan);
    const double sf = SatLiquidEntropy(Ts), sg = SatVaporEntropy(Ts);
    EXPECT_EQ(points[0].kind, Kind::kMoveTo);
    EXPECT_EQ(points[0].s, sf);
    // The two-phase part: every 0.05 from sf while not beyond sg, at Ts.
    size_t i = 1;
    for (double s = sf; s <= sg; s += 0.05, ++i) {
        ASSERT_LT(i, points.size());
        EXPECT_EQ(points[i].s, s);
        EXPECT_EQ(points[i].T, Ts);
    }
    // Then the superheated points from 1.1 sg, each at its own temperature.
    ASSERT_LT(i, points.size());
    EXPECT_DOUBLE_EQ(points[i].s, 1.1 * sg);
    for (size_t k = i; k < points.size(); ++k) {
        double p = 1;
        EXPECT_NEAR(double(SuperheatedEntropy(points[k].T, p)), points[k].s, 0.002);
    }
    // It ends at the first point above the chart, drawn and kept.
    EXPECT_GT(points.back().T, 1273.16);
    EXPECT_LE(points[points.size() - 2].T, 1273.16);
    // A refresh after every superheated point but the one above the chart.
    EXPECT_EQ(OfKind(plan, Kind::kRefresh).size(), points.size() - i - 1);
    EXPECT_EQ(plan.Steps().back(), (PlanStep{Kind::kLabel, 0, 0, 0, 0, 0, "P = 1 MPa"}));
}

TEST(Isobar, AtTheLowestPressureEndsAtTheRightEdge) {
    CurrentPoint point;
    const Plan plan = Isobar(0.00062, " .00062", point);
    const auto points = Points(plan);
    EXPECT_LE(points.back().s, 12);
    EXPECT_GT(points.back().s + 0.2, 12);
    EXPECT_LE(points.back().T, 1273.16);
    EXPECT_EQ(plan.Steps().back().text, "P =  .00062 MPa");
}

TEST(Isobar, AtTheHighestPressureCrossesAShortDome) {
    CurrentPoint point;
    const Plan plan = Isobar(22, " 22", point);
    EXPECT_GT(point.PointT, 646);
    EXPECT_LT(point.PointT, 647.3);
    const auto points = Points(plan);
    int twoPhase = 0;
    for (const auto& p : points)
        twoPhase += p.T == point.PointT;
    EXPECT_GE(twoPhase, 2);
    EXPECT_LE(twoPhase, 10);
}

TEST(Isochore, AtTheSmallestVolumeLeavesTheDomeAt638K) {
    const Plan plan = Isochore(0.005, "0.005");
    EXPECT_EQ(plan.Steps()[0].color, 2);
    const auto points = Points(plan);
    ASSERT_GE(points.size(), 3u);
    EXPECT_EQ(points[0].kind, Kind::kMoveTo);
    EXPECT_EQ(points[0].T, 273.16);
    // Two-phase points every 5 K up to 638.16 K, then the superheated part from 643.16 K.
    size_t i = 0;
    while (i < points.size() && points[i].T < 640)
        ++i;
    ASSERT_LT(i, points.size());
    EXPECT_NEAR(points[i - 1].T, 638.16, 1e-9);
    EXPECT_NEAR(points[i].T, 643.16, 1e-9);
    for (size_t k = 1; k < points.size(); ++k)
        EXPECT_EQ(points[k].kind, Kind::kLineTo);
    EXPECT_EQ(OfKind(plan, Kind::kRefresh).size(), points.size());
    EXPECT_EQ(plan.Steps().back().text, "v = 0.005 m^3/kg");
}

TEST(Isochore, SuperheatedPointsHaveTheVolumeAndRisingPressure) {
    for (double v : {0.01, 0.2, 5.0, 200.0}) {
        const Plan plan = Isochore(v, "v");
        const auto points = Points(plan);
        for (const auto& point : points) {
            if (point.T <= 647.3 && point.s < SatVaporEntropy(point.T)) continue;  // wet
            EXPECT_LE(point.T, 1273.16);
        }
        EXPECT_GT(points.size(), 2u) << v;
    }
    // v = 200 leaves the dome once vg falls below 200, at a low temperature.
    const auto points = Points(Isochore(200, "200"));
    EXPECT_EQ(points[0].T, 273.16);
    EXPECT_LT(points[1].T, 290);
}

TEST(Isenthalp, VisitsFortyFivePressuresAndNeverTheSearchMidpoint) {
    for (double h : {200.0, 1000.0, 2000.0, 2600.0, 2800.0, 3200.0, 4600.0}) {
        const Plan plan = Isenthalp(h, "h");
        EXPECT_EQ(OfKind(plan, Kind::kRefresh).size(), 45u) << h;
        for (const auto& point : Points(plan)) {
            EXPECT_NE(point.T, (273.16 + 1591.45) / 2) << "h = " << h;
            EXPECT_GE(point.T, 273.16);
            EXPECT_LE(point.T, 1591.45);
        }
    }
}

TEST(Isenthalp, SuperheatedPointsHaveTheEnthalpy) {
    const Plan plan = Isenthalp(3200, "3200");
    const auto points = Points(plan);
    ASSERT_FALSE(points.empty());
    const auto labels = OfKind(plan, Kind::kLabel);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, "h = 3200 kJ/kg");
    // The first point: a move, the label, the move again.
    const auto& steps = plan.Steps();
    EXPECT_EQ(steps[1].kind, Kind::kMoveTo);
    EXPECT_EQ(steps[2].kind, Kind::kLabel);
    EXPECT_EQ(steps[3], steps[1]);
}

TEST(Isenthalp, StartingWetLabelsTheFirstPointTwiceInOnePlace) {
    // Find an enthalpy whose first point is wet: then its plan opens with
    // move, label, move from the wet part and the same again from the first point.
    bool seen = false;
    for (double h = 200; h <= 4600 && !seen; h += 50) {
        const Plan plan = Isenthalp(h, "x");
        const auto labels = OfKind(plan, Kind::kLabel);
        const auto& steps = plan.Steps();
        if (labels.size() == 2 && steps.size() > 7 && steps[2].kind == Kind::kLabel &&
            steps[5].kind == Kind::kLabel) {
            EXPECT_EQ(steps[1], steps[4]);
            EXPECT_EQ(steps[3], steps[6]);
            seen = true;
        }
    }
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace calorix
