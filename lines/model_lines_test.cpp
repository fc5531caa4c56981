// The lines under IAPWS-IF97: each runs through every region it crosses,
// every point it draws is a state of the model with the line's value, and
// consecutive points lie close together on the chart.
#include "lines/model_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "if97/constants.h"
#include "lines/single_property_lines.h"
#include "model/chart_range.h"

namespace calorix {
namespace {

using Kind = PlanStep::Kind;

// Below about 277 K liquid water expands as it cools, so on the chart a
// compressed liquid there lies right of the saturated-liquid line, where
// the same (T, s) is also a wet state: a point's (T, s) names one state
// only above this temperature.
constexpr double kSingleStateAbove = 278;  // K

// The chart of about 10,000 by 5,600 twips that the lines are drawn for.
double Twips(const PlanStep& a, const PlanStep& b) {
    return std::hypot((b.s - a.s) * 10000 / 12, (b.T - a.T) * 5.6);
}

// The points a plan moves or draws to, in order.
std::vector<PlanStep> Points(const Plan& plan) {
    std::vector<PlanStep> found;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == Kind::kMoveTo || step.kind == Kind::kLineTo) found.push_back(step);
    }
    return found;
}

std::vector<PlanStep> OfKind(const Plan& plan, Kind kind) {
    std::vector<PlanStep> found;
    for (const PlanStep& step : plan.Steps()) {
        if (step.kind == kind) found.push_back(step);
    }
    return found;
}

std::optional<State> StateFrom(Property a, double va, Property b, double vb) {
    const StateOrWhy found = If97Model().StateFrom(a, va, b, vb);
    if (const State* state = std::get_if<State>(&found)) return *state;
    return std::nullopt;
}

State Solved(Property a, double va, Property b, double vb) {
    const std::optional<State> state = StateFrom(a, va, b, vb);
    EXPECT_TRUE(state) << PropertyName(a) << "=" << va << " " << PropertyName(b) << "=" << vb;
    return state.value_or(State{});
}

// The largest distance between consecutive points of one piece (a move
// starts a new piece), leaving out the segments from index skip.
double LargestStep(const std::vector<PlanStep>& points, std::set<std::size_t> skip = {}) {
    double largest = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].kind == Kind::kMoveTo || skip.count(i - 1)) continue;
        largest = std::max(largest, Twips(points[i - 1], points[i]));
    }
    return largest;
}

std::size_t Moves(const std::vector<PlanStep>& points) {
    std::size_t moves = 0;
    for (const PlanStep& p : points)
        moves += p.kind == Kind::kMoveTo;
    return moves;
}

void ExpectOnChart(const std::vector<PlanStep>& points) {
    for (const PlanStep& p : points)
        EXPECT_TRUE(OnChart(p.s, p.T)) << p.s << ", " << p.T;
}

// ---- Isobars ---------------------------------------------------------------

struct IsobarCase {
    double P;
    std::set<Phase> phases;  // of the states along it, off the dome
    double firstT;           // K, where it starts (0: at the left edge s = 0)
    double lastT;            // K, where it ends (0: at the right edge s = 12)
};

class ModelIsobarTest : public testing::TestWithParam<IsobarCase> {};

TEST_P(ModelIsobarTest, RunsThroughEveryRegionItCrosses) {
    const IsobarCase& c = GetParam();
    CurrentPoint point{-1, -2};
    const Plan plan = ModelIsobar(If97Model(), c.P, "text", point);
    ASSERT_FALSE(plan.Empty());
    EXPECT_EQ(plan.Steps().front(), (PlanStep{Kind::kColor, 0, 0, 0, 0, kIsobarColor, {}}));
    const std::vector<PlanStep> points = Points(plan);
    ASSERT_GT(points.size(), 50u) << "enough points to look smooth";
    EXPECT_EQ(Moves(points), 1u) << "one line without a break";
    ExpectOnChart(points);

    // Across the dome: the saturated liquid, then the saturated vapour, at
    // the saturation temperature of P.
    const std::optional<Saturation> saturation = If97Model().SaturationAtPressure(c.P);
    std::set<std::size_t> dome;
    if (saturation) {
        EXPECT_EQ(point.PointT, saturation->T);
        std::size_t k = 0;
        while (k + 1 < points.size() &&
               !(points[k].s == saturation->liquid.s && points[k].T == saturation->T))
            ++k;
        ASSERT_LT(k + 1, points.size()) << "the saturated liquid is a point of the isobar";
        EXPECT_EQ(points[k + 1].s, saturation->vapour.s);
        EXPECT_EQ(points[k + 1].T, saturation->T);
        dome.insert(k);
        // Every wet point reproduces the pressure.
        for (const std::size_t i : {k, k + 1}) {
            if (points[i].T <= kSingleStateAbove) continue;
            const State wet = Solved(Property::kT, points[i].T, Property::kS, points[i].s);
            EXPECT_NEAR(wet.P, c.P, 1e-6 * c.P);
        }
    } else {
        EXPECT_EQ(point.PointT, -1) << "no saturation temperature to store";
    }

    // Every other point is the state of (T, P): the pressure reproduced.
    std::set<Phase> phases;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (dome.count(i) || (i > 0 && dome.count(i - 1))) continue;
        const PlanStep& p = points[i];
        const State state = Solved(Property::kT, p.T, Property::kP, c.P);
        EXPECT_NEAR(state.s, p.s, 1e-9) << "T = " << p.T;
        phases.insert(state.phase);
        if (p.T > kSingleStateAbove) {
            const State back = Solved(Property::kT, p.T, Property::kS, p.s);
            EXPECT_NEAR(back.P, c.P, 1e-6 * c.P) << "T = " << p.T << ", s = " << p.s;
        }
        // Upwards, except across the dome.
        if (i > 0) {
            EXPECT_GT(p.T, points[i - 1].T);
        }
    }
    EXPECT_EQ(phases, c.phases);

    // From the bottom of the chart or its left edge to its top, its right
    // edge or the end of the model's states.
    if (c.firstT == 0) {
        EXPECT_NEAR(points.front().s, kChartMinEntropy, 1e-6);
    } else {
        EXPECT_NEAR(points.front().T, c.firstT, 1e-4);
    }
    if (c.lastT == 0) {
        EXPECT_NEAR(points.back().s, kChartMaxEntropy, 1e-6);
    } else {
        EXPECT_NEAR(points.back().T, c.lastT, 1e-4);
    }
    EXPECT_LT(LargestStep(points, dome), 300) << "no jump between points";
    // Labelled at its last point.
    EXPECT_EQ(plan.Steps()[plan.Steps().size() - 2].text, "P = text MPa");
    EXPECT_EQ(plan.Steps()[plan.Steps().size() - 3], points.back());
}

INSTANTIATE_TEST_SUITE_P(
    Pressures, ModelIsobarTest,
    testing::Values(
        // Just above the triple point's pressure: across the dome at 273.3 K
        // and out of the chart at its right edge.
        IsobarCase{0.00062, {Phase::kLiquid, Phase::kSteam, Phase::kHighTemperatureSteam}, 0, 0},
        IsobarCase{
            0.1, {Phase::kLiquid, Phase::kSteam, Phase::kHighTemperatureSteam}, 273.16, 1273.16},
        IsobarCase{
            8, {Phase::kLiquid, Phase::kSteam, Phase::kHighTemperatureSteam}, 273.16, 1273.16},
        IsobarCase{
            22, {Phase::kLiquid, Phase::kSteam, Phase::kHighTemperatureSteam}, 273.16, 1273.16},
        // Above the critical pressure: liquid, supercritical, without a break.
        IsobarCase{25,
                   {Phase::kLiquid, Phase::kSupercritical, Phase::kHighTemperatureSteam},
                   273.16,
                   1273.16},
        // Above 50 MPa the model ends at 1073.15 K. At 60 and 100 MPa the liquid at
        // 273.16 K lies left of s = 0.
        IsobarCase{60, {Phase::kLiquid, Phase::kSupercritical}, 0, 1073.15},
        IsobarCase{100, {Phase::kLiquid, Phase::kSupercritical}, 0, 1073.15}),
    [](const testing::TestParamInfo<IsobarCase>& info) {
        return "P" + std::to_string(info.index);
    });

TEST(ModelIsobar, ThatHasNoStateOnTheChartDrawsNothing) {
    // At 1e-6 MPa steam lies right of s = 12 at every temperature of the chart.
    CurrentPoint point;
    const Plan plan = ModelIsobar(If97Model(), 0.000001, "1E-6", point);
    ASSERT_EQ(plan.Steps().size(), 1u);
    EXPECT_EQ(plan.Steps()[0].kind, Kind::kColor);
}

TEST(ModelIsobar, OfTwentyFiveMegapascalsPassesTheCriticalTemperatureSmoothly) {
    CurrentPoint point;
    const std::vector<PlanStep> points = Points(ModelIsobar(If97Model(), 25, "25", point));
    // Finer near the critical point, where the isobar turns, than elsewhere.
    std::size_t near = 0, far = 0;
    for (const PlanStep& p : points) {
        near += std::fabs(p.T - if97::kCriticalTemperature) < 25;
        far += p.T > 900 && p.T < 950;
    }
    EXPECT_GT(near, 2 * far);
    EXPECT_LT(LargestStep(points), 300);
}

// ---- Isochores and isenthalps -----------------------------------------------

struct LineCase {
    double value;
    std::set<Phase> phases;  // some of the phases of its states
};

class ModelIsochoreTest : public testing::TestWithParam<LineCase> {};

TEST_P(ModelIsochoreTest, EveryPointHasTheVolume) {
    const LineCase& c = GetParam();
    const Plan plan = ModelIsochore(If97Model(), c.value, "v");
    EXPECT_EQ(plan.Steps().front().color, kIsochoreColor);
    const std::vector<PlanStep> points = Points(plan);
    ASSERT_GT(points.size(), 3u);
    EXPECT_EQ(Moves(points), 1u);
    ExpectOnChart(points);
    std::set<Phase> phases;
    for (const PlanStep& p : points) {
        const State state = Solved(Property::kT, p.T, Property::kV, c.value);
        EXPECT_NEAR(state.s, p.s, 1e-9 * std::max(1.0, p.s)) << "T = " << p.T;
        phases.insert(state.phase);
        if (p.T > kSingleStateAbove) {
            const State back = Solved(Property::kT, p.T, Property::kS, p.s);
            EXPECT_NEAR(back.v, c.value, 1e-6 * c.value) << "T = " << p.T;
        }
    }
    for (const Phase phase : c.phases)
        EXPECT_TRUE(phases.count(phase)) << PhaseName(phase);
    EXPECT_EQ(points.front().T, kChartMinTemperature);
    EXPECT_LT(LargestStep(points), 300);
    // Labelled at the last point.
    EXPECT_EQ(plan.Steps()[plan.Steps().size() - 2].text, "v = v m^3/kg");
    EXPECT_EQ(plan.Steps()[plan.Steps().size() - 3], points.back());
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, ModelIsochoreTest,
    testing::Values(
        // Compressed liquid from the bottom of the chart up to 100 MPa.
        LineCase{0.001, {Phase::kLiquid}},
        // Wet, then liquid once the saturated liquid is that large.
        LineCase{0.0015, {Phase::kWet, Phase::kLiquid}},
        // Wet up to near the critical point, then supercritical.
        LineCase{0.003, {Phase::kWet, Phase::kSupercritical}},
        LineCase{0.005, {Phase::kWet, Phase::kSteam, Phase::kSupercritical}},
        LineCase{10, {Phase::kWet, Phase::kSteam, Phase::kHighTemperatureSteam}},
        LineCase{200, {Phase::kWet, Phase::kSteam, Phase::kHighTemperatureSteam}}),
    [](const testing::TestParamInfo<LineCase>& info) { return "v" + std::to_string(info.index); });

class ModelIsenthalpTest : public testing::TestWithParam<LineCase> {};

TEST_P(ModelIsenthalpTest, EveryPointHasTheEnthalpy) {
    const LineCase& c = GetParam();
    const Plan plan = ModelIsenthalp(If97Model(), c.value, "h");
    EXPECT_EQ(plan.Steps().front().color, kIsenthalpColor);
    const std::vector<PlanStep> points = Points(plan);
    ASSERT_GT(points.size(), 10u);
    ExpectOnChart(points);
    // Labelled at its first point, then drawn from there in one line.
    ASSERT_GE(plan.Steps().size(), 4u);
    EXPECT_EQ(plan.Steps()[1].kind, Kind::kMoveTo);
    EXPECT_EQ(plan.Steps()[2].text, "h = h kJ/kg");
    EXPECT_EQ(plan.Steps()[3], plan.Steps()[1]);
    EXPECT_EQ(Moves(points), 2u);
    std::set<Phase> phases;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const PlanStep& p = points[i];
        if (p.T <= kSingleStateAbove) continue;
        const State state = Solved(Property::kT, p.T, Property::kS, p.s);
        EXPECT_NEAR(state.h, c.value, 1e-6 * c.value) << "T = " << p.T << ", s = " << p.s;
        phases.insert(state.phase);
        // The entropy falls as the pressure rises along it.
        if (i > 1) {
            EXPECT_LT(p.s, points[i - 1].s);
        }
    }
    for (const Phase phase : c.phases)
        EXPECT_TRUE(phases.count(phase)) << PhaseName(phase);
    EXPECT_LT(LargestStep(points), 300);
}

INSTANTIATE_TEST_SUITE_P(
    Enthalpies, ModelIsenthalpTest,
    testing::Values(
        // Up the dome to the saturated liquid, then down through the liquid.
        LineCase{1000, {Phase::kWet, Phase::kLiquid}},
        // Out of the dome just below the critical point, into the supercritical.
        LineCase{2000, {Phase::kWet, Phase::kSupercritical}},
        LineCase{2500, {Phase::kWet, Phase::kSteam, Phase::kSupercritical}},
        LineCase{3000, {Phase::kSteam, Phase::kSupercritical}},
        LineCase{4600, {Phase::kHighTemperatureSteam}}),
    [](const testing::TestParamInfo<LineCase>& info) { return "h" + std::to_string(info.index); });

// IAPWS-IF97 without its states from 500 to 600 K: the lines stop at the
// hole and start again past it.
class HoledModel final : public PropertyModel {
  public:
    ModelKind Kind() const override { return ModelKind::kIf97; }
    std::string_view Name() const override { return "holed"; }
    StateOrWhy StateOfPair(Property a, double va, Property b, double vb) const override {
        StateOrWhy found = If97Model().StateFrom(a, va, b, vb);
        if (const State* state = std::get_if<State>(&found); state && InHole(state->T)) {
            return NoState{NoStateReason::kNoState, "in the hole"};
        }
        return found;
    }
    std::optional<Saturation> SaturationAtTemperature(double T) const override {
        if (InHole(T)) return std::nullopt;
        return If97Model().SaturationAtTemperature(T);
    }
    std::optional<Saturation> SaturationAtPressure(double P) const override {
        std::optional<Saturation> saturation = If97Model().SaturationAtPressure(P);
        if (saturation && InHole(saturation->T)) return std::nullopt;
        return saturation;
    }
    std::optional<Phase> PhaseAt(double T, double s) const override {
        if (InHole(T)) return std::nullopt;
        return If97Model().PhaseAt(T, s);
    }

  private:
    static bool InHole(double T) { return T > 500 && T < 600; }
};

TEST(ModelLines, MoveAcrossWhereTheModelHasNoState) {
    const HoledModel holed;
    CurrentPoint point;
    for (const Plan& plan : {ModelIsochore(holed, 0.1, "0.1"), ModelIsobar(holed, 25, "25", point),
                             ModelIsenthalp(holed, 2000, "2000")}) {
        const std::vector<PlanStep> points = Points(plan);
        std::size_t breaks = 0;
        for (std::size_t i = 1; i < points.size(); ++i) {
            const PlanStep& a = points[i - 1];
            const PlanStep& b = points[i];
            EXPECT_FALSE(b.T > 500 && b.T < 600) << "a point in the hole";
            if (std::min(a.T, b.T) <= 500 && std::max(a.T, b.T) >= 600) {
                // Across the hole only by a move, from its one edge to the other.
                EXPECT_EQ(b.kind, Kind::kMoveTo);
                EXPECT_NEAR(a.T, a.T < b.T ? 500 : 600, 1e-3);
                EXPECT_NEAR(b.T, a.T < b.T ? 600 : 500, 1e-3);
                ++breaks;
            }
        }
        EXPECT_EQ(breaks, 1u);
    }
}

// ---- Isotherms and isentropes ------------------------------------------------

struct SegmentCase {
    double value;
    double from, to;  // the other coordinate's ends
};

class ModelIsothermTest : public testing::TestWithParam<SegmentCase> {};

TEST_P(ModelIsothermTest, RunsFromTheDensestStateToTheRightEdge) {
    const SegmentCase& c = GetParam();
    const Plan plan = ModelIsotherm(If97Model(), c.value, "t");
    ASSERT_EQ(plan.Steps().size(), 3u);
    EXPECT_EQ(plan.Steps()[0].color, kIsothermColor);
    const PlanStep& segment = plan.Steps()[1];
    EXPECT_EQ(segment.kind, Kind::kMarkedSegment);
    EXPECT_EQ(segment.T, c.value);
    EXPECT_EQ(segment.T2, c.value);
    EXPECT_NEAR(segment.s, c.from, 1e-6);
    EXPECT_EQ(segment.s2, c.to);
    EXPECT_EQ(plan.Steps()[2].text, "T = t K");
}

State At(double T, double P) {
    return Solved(Property::kT, T, Property::kP, P);
}

INSTANTIATE_TEST_SUITE_P(
    Temperatures, ModelIsothermTest,
    testing::Values(SegmentCase{273.16, 0, 12},  // the liquid at 100 MPa is left of s = 0
                    SegmentCase{300, At(300, 100).s, 12}, SegmentCase{700, At(700, 100).s, 12},
                    SegmentCase{1073.15, At(1073.15, 100).s, 12},
                    // Above 1073.15 K the model's states end at 50 MPa.
                    SegmentCase{1100, At(1100, 50).s, 12},
                    SegmentCase{1273.16, At(1273.16, 50).s, 12}));

class ModelIsentropeTest : public testing::TestWithParam<SegmentCase> {};

TEST_P(ModelIsentropeTest, RunsUpToWhereTheStatesStop) {
    const SegmentCase& c = GetParam();
    const Plan plan = ModelIsentrope(If97Model(), c.value, "s");
    ASSERT_EQ(plan.Steps().size(), 3u);
    EXPECT_EQ(plan.Steps()[0].color, kIsentropeColor);
    const PlanStep& segment = plan.Steps()[1];
    EXPECT_EQ(segment.kind, Kind::kMarkedSegment);
    EXPECT_EQ(segment.s, c.value);
    EXPECT_EQ(segment.s2, c.value);
    EXPECT_EQ(segment.T, c.from);
    EXPECT_NEAR(segment.T2, c.to, 1e-5);
    EXPECT_EQ(plan.Steps()[2].text, "s = s kJ/kg-K");
    // The top is a state with the entropy.
    const State top = Solved(Property::kT, segment.T2, Property::kS, c.value);
    EXPECT_NEAR(top.s, c.value, 1e-9);
}

// The temperature at which the state of P has the entropy s.
double TemperatureOf(double P, double s) {
    return Solved(Property::kP, P, Property::kS, s).T;
}

INSTANTIATE_TEST_SUITE_P(Entropies, ModelIsentropeTest,
                         testing::Values(
                             // Up to where even 100 MPa gives a larger entropy.
                             SegmentCase{0.1, 273.16, TemperatureOf(100, 0.1)},
                             SegmentCase{3, 273.16, TemperatureOf(100, 3)},
                             // Up to 1073.15 K, above which the model's states end at 50 MPa.
                             SegmentCase{6.5, 273.16, 1073.15},
                             SegmentCase{6.8, 273.16, TemperatureOf(50, 6.8)},
                             SegmentCase{8, 273.16, 1273.16}, SegmentCase{12, 273.16, 1273.16}));

// ---- The dome ---------------------------------------------------------------

TEST(ModelDome, RisesAlongTheSaturatedLiquidToTheCriticalPointAndFallsAlongTheVapour) {
    const Plan plan = ModelDome(If97Model());
    EXPECT_EQ(plan.Steps().front().color, 5) << "magenta";
    const std::vector<PlanStep> marks = OfKind(plan, Kind::kMarkedSegment);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].T, if97::kCriticalTemperature);
    EXPECT_EQ(marks[0].s, marks[0].s2);

    const std::vector<PlanStep> points = Points(plan);
    ExpectOnChart(points);
    std::size_t top = 0;
    while (top < points.size() && points[top].T < if97::kCriticalTemperature)
        ++top;
    ASSERT_LT(top + 1, points.size());
    EXPECT_EQ(points[top].s, marks[0].s) << "the liquid line ends at the critical point";
    EXPECT_EQ(points[top + 1].kind, Kind::kMoveTo) << "the vapour line starts there";
    EXPECT_EQ(points[top + 1].s, marks[0].s);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const bool liquid = i <= top;
        const std::optional<Saturation> saturation =
            If97Model().SaturationAtTemperature(points[i].T);
        ASSERT_TRUE(saturation);
        EXPECT_EQ(points[i].s, liquid ? saturation->liquid.s : saturation->vapour.s);
        if (i > 0 && i != top + 1) {
            if (liquid) {
                EXPECT_GT(points[i].T, points[i - 1].T);
            } else {
                EXPECT_LT(points[i].T, points[i - 1].T);
            }
        }
    }
    EXPECT_LT(points.front().T, kChartMinTemperature + 1e-3);
    EXPECT_EQ(points.back().T, kChartMinTemperature);
    EXPECT_LT(LargestStep(points), 300);
}

}  // namespace
}  // namespace calorix
