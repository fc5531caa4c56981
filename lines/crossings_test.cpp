#include "lines/crossings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <vector>

#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

constexpr BoxPair kUnsolvedPairs[] = {BoxPair::kPv, BoxPair::kPh, BoxPair::kvh, BoxPair::kvs,
                                      BoxPair::khs};

// A state of the model, computed here straight from the property functions.
struct Known {
    double T, P, v, h, s;
    std::optional<double> x;
};

Known Wet(double T, double x) {
    const double vf = SatLiquidVolume(T), vg = SatVaporVolume(T);
    const double hf = SatLiquidEnthalpy(T), hg = SatVaporEnthalpy(T);
    const double sf = SatLiquidEntropy(T), sg = SatVaporEntropy(T);
    return {T, SatPressure(T), vf + x * (vg - vf), hf + x * (hg - hf), sf + x * (sg - sf), x};
}

Known Superheated(double T, double P) {
    double p1 = P, p2 = P, p3 = P;
    return {T,
            P,
            SuperheatedVolume(T, p1),
            SuperheatedEnthalpy(T, p2),
            SuperheatedEntropy(T, p3),
            std::nullopt};
}

// The model evaluated afresh at the state a search reports.
Known Recomputed(const ModelState& state) {
    return state.x ? Wet(state.T, *state.x) : Superheated(state.T, state.P);
}

double Value(const Known& k, int property) {
    switch (property) {
        case kP:
            return k.P;
        case kV:
            return k.v;
        case kH:
            return k.h;
        default:
            return k.s;
    }
}

// The ranges of the boxes: Draw asks only for values inside them.
bool InBoxRange(int property, double value) {
    switch (property) {
        case kP:
            return value >= 0.00062 && value <= 22;
        case kV:
            return value >= 0.005 && value <= 200;
        case kH:
            return value >= 200 && value <= 4600;
        default:
            return value >= 0 && value <= 12;
    }
}

std::string Describe(BoxPair pair, double first, double second) {
    const PairBoxes boxes = BoxesOf(pair);
    std::ostringstream out;
    out.precision(17);
    out << "pair ("
        << "TPvhs"[boxes.first] << ", "
        << "TPvhs"[boxes.second] << ") = (" << first << ", " << second << ")";
    return out.str();
}

// Every state found: inside the chart and its region, its fields those of
// the model at its temperature and pressure or quality, both given values
// reproduced better than the panel shows them, lowest temperature first.
void ExpectSoundCrossings(BoxPair pair, double first, double second,
                          const std::vector<ModelState>& found) {
    const PairBoxes boxes = BoxesOf(pair);
    for (size_t i = 0; i < found.size(); ++i) {
        const ModelState& state = found[i];
        SCOPED_TRACE("crossing at T = " + std::to_string(state.T) + " K");
        if (i > 0) {
            EXPECT_LT(found[i - 1].T, state.T) << "lowest temperature first";
        }
        EXPECT_GE(state.T, 273.16);
        EXPECT_LE(state.T, 1273.16);
        EXPECT_GE(state.s, 0);
        EXPECT_LE(state.s, 12);
        if (state.x) {
            EXPECT_GE(*state.x, 0);
            EXPECT_LE(*state.x, 1);
            EXPECT_LE(state.T, 647.3);
        } else {
            EXPECT_GE(state.P, SatPressure(273.16));
            EXPECT_LE(state.P, 22.0891);
            EXPECT_GT(state.s, double(SatVaporEntropy(state.T))) << "superheated";
        }
        const Known model = Recomputed(state);
        EXPECT_DOUBLE_EQ(state.P, model.P);
        EXPECT_DOUBLE_EQ(state.v, model.v);
        EXPECT_DOUBLE_EQ(state.h, model.h);
        EXPECT_DOUBLE_EQ(state.s, model.s);
        for (const auto& [property, given] :
             {std::pair{boxes.first, first}, std::pair{boxes.second, second}}) {
            const double tolerance = property == kH || property == kS ? 1e-6 : 1e-7;
            EXPECT_LE(std::fabs(Value(model, property) - given),
                      tolerance * std::fabs(given) + 1e-12)
                << "property "
                << "TPvhs"[property];
        }
    }
}

// Whether a crossing is the state the values came from. The superheated
// enthalpy moves in steps of about 1e-4 kJ/kg (single-precision
// coefficients), so a line may meet the value up to a fraction of a
// millikelvin away.
bool IsSource(const ModelState& state, const Known& source) {
    if (std::fabs(state.T - source.T) > 1e-3) return false;
    if (bool(state.x) != bool(source.x)) return false;
    if (source.x) return std::fabs(*state.x - *source.x) <= 1e-5;
    return std::fabs(state.P - source.P) <= 1e-5 * source.P;
}

std::vector<Known> GridOfStates() {
    std::vector<Known> states;
    // In the dome, on both of its edges, next to the band edges of the
    // liquid functions and close to the critical point.
    for (const double T : {275.0, 290.0, 299.99, 300.0, 330.0, 373.15, 410.0, 453.0, 500.0, 550.0,
                           599.99, 600.01, 620.0, 640.0, 646.0}) {
        for (const double x : {0.0, 0.02, 0.25, 0.5, 0.75, 0.98, 1.0})
            states.push_back(Wet(T, x));
    }
    // Superheated, from the lowest pressures to the highest, on both sides
    // of 12.33 MPa, where the saturation temperature changes band.
    for (double T = 290; T <= 1270; T += 35) {
        for (const double P :
             {0.001, 0.005, 0.02, 0.1, 0.4, 1.0, 3.0, 7.0, 12.0, 12.5, 16.0, 20.0, 22.0}) {
            const Known state = Superheated(T, P);
            if (state.s > double(SatVaporEntropy(T))) states.push_back(state);
        }
    }
    return states;
}

TEST(FindCrossingsTest, EveryPairFindsTheStateItsValuesCameFrom) {
    const std::vector<Known> states = GridOfStates();
    for (const BoxPair pair : kUnsolvedPairs) {
        const PairBoxes boxes = BoxesOf(pair);
        int checked = 0, wet = 0;
        for (const Known& source : states) {
            if (source.s < 0 || source.s > 12) continue;  // not on the chart
            const double first = Value(source, boxes.first);
            const double second = Value(source, boxes.second);
            if (!InBoxRange(boxes.first, first) || !InBoxRange(boxes.second, second)) continue;
            SCOPED_TRACE(Describe(pair, first, second));
            const std::vector<ModelState> found = FindCrossings(pair, first, second);
            ExpectSoundCrossings(pair, first, second, found);
            bool hasSource = false;
            for (const ModelState& state : found)
                hasSource |= IsSource(state, source);
            EXPECT_TRUE(hasSource)
                << "from T = " << source.T << " K, " << (source.x ? "x = " : "P = ")
                << (source.x ? *source.x : source.P);
            ++checked;
            if (source.x) ++wet;
        }
        // Each pair met states of both regions.
        EXPECT_GT(checked, 150) << Describe(pair, 0, 0);
        EXPECT_GT(wet, 20) << Describe(pair, 0, 0);
    }
}

TEST(FindCrossingsTest, AtAPressureTheWetStateLiesWhereTheSaturationPressureIsThatPressure) {
    // P = 1 and h = 2500: the reading a user tried by eye.
    const std::vector<ModelState> found = FindCrossings(BoxPair::kPh, 1, 2500);
    ASSERT_EQ(found.size(), 1u);
    ASSERT_TRUE(found[0].x);
    EXPECT_NEAR(found[0].P, 1, 1e-12);
    EXPECT_NEAR(found[0].h, 2500, 1e-9);
    EXPECT_NEAR(found[0].T, 453.0253, 1e-4) << "not SatTemperature(1) = 453.0169";
    EXPECT_NEAR(*found[0].x, 0.86193, 1e-5);
}

TEST(FindCrossingsTest, WhereTheDomeAndTheSuperheatedRegionOverlapBothStatesAreCrossings) {
    // At 1 MPa the superheated enthalpy on the edge of its region (2776.70)
    // lies below the saturated-vapour enthalpy (2778.31): 2777.5 is met by
    // a wet state and by a superheated one 0.38 K higher.
    const std::vector<ModelState> overlap = FindCrossings(BoxPair::kPh, 1, 2777.5);
    ExpectSoundCrossings(BoxPair::kPh, 1, 2777.5, overlap);
    ASSERT_EQ(overlap.size(), 2u);
    EXPECT_TRUE(overlap[0].x);
    EXPECT_FALSE(overlap[1].x);
    EXPECT_NEAR(overlap[1].T - overlap[0].T, 0.377, 0.001);

    // A saturated vapour at 425 K: the isochore and the isentrope through it
    // meet again just outside the dome.
    const Known vapor = Wet(425, 1);
    const std::vector<ModelState> edge = FindCrossings(BoxPair::kvs, vapor.v, vapor.s);
    ExpectSoundCrossings(BoxPair::kvs, vapor.v, vapor.s, edge);
    ASSERT_EQ(edge.size(), 2u);
    EXPECT_TRUE(IsSource(edge[0], vapor));
    EXPECT_FALSE(edge[1].x);

    // Just above the saturated-liquid line the model's isenthalp and
    // isentrope run almost together and cross twice within 0.1 K.
    const Known liquid = Wet(335, 0);
    const std::vector<ModelState> twice = FindCrossings(BoxPair::khs, liquid.h, liquid.s);
    ExpectSoundCrossings(BoxPair::khs, liquid.h, liquid.s, twice);
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_TRUE(IsSource(twice[1], liquid));
    EXPECT_NEAR(twice[0].T, 334.914, 0.001);

    // At 12.33 MPa the saturation temperature changes band and the
    // superheated entropy and enthalpy step up with pressure: a state at
    // 12.33 MPa has a twin just above it.
    const Known band = Superheated(700, 12.33);
    const std::vector<ModelState> twins = FindCrossings(BoxPair::khs, band.h, band.s);
    ExpectSoundCrossings(BoxPair::khs, band.h, band.s, twins);
    ASSERT_EQ(twins.size(), 2u);
    EXPECT_TRUE(IsSource(twins[0], band));
    EXPECT_GT(twins[1].P, 12.33);
}

TEST(FindCrossingsTest, ValuesThatNoStateOfTheChartHasTogetherGiveNothing) {
    struct Case {
        BoxPair pair;
        double first, second;
    };
    const Case cases[] = {
        // A volume no state reaches at that pressure.
        {BoxPair::kPv, 22, 200},
        // Above any enthalpy of the chart at 22 MPa.
        {BoxPair::kPh, 22, 4600},
        // The smallest volume belongs to states near the critical point.
        {BoxPair::kvh, 0.005, 4600},
        {BoxPair::kvs, 0.005, 12},
        // An enthalpy of 200 lies deep in the dome, far left of s = 12.
        {BoxPair::khs, 200, 12},
        // At 1 MPa the superheated volumes start above the saturated-vapour
        // volume (0.194648 against 0.194423): between them lies no state.
        {BoxPair::kPv, 1, 0.1945},
        // At 5 MPa the superheated enthalpies start above hg (2795.21
        // against 2794.56).
        {BoxPair::kPh, 5, 2795},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(FindCrossings(c.pair, c.first, c.second).empty())
            << Describe(c.pair, c.first, c.second);
    }
}

TEST(FindCrossingsTest, EverySearchEndsAtTheLimitsOfTheRangesAtTheCriticalPointAndOnBadInput) {
    struct Limits {
        double lo, hi;
    };
    const Limits limits[kPropertyCount] = {
        {273.16, 1273.16}, {0.00062, 22}, {0.005, 200}, {200, 4600}, {0, 12}};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    int found = 0;
    for (const BoxPair pair : kUnsolvedPairs) {
        const PairBoxes boxes = BoxesOf(pair);
        const Limits a = limits[boxes.first], b = limits[boxes.second];
        const Known critical = Wet(647.3, 0);
        const double cases[][2] = {
            {a.lo, b.lo},
            {a.lo, b.hi},
            {a.hi, b.lo},
            {a.hi, b.hi},
            {Value(critical, boxes.first), Value(critical, boxes.second)},
            {nan, b.lo},
            {a.lo, inf},
            {-inf, nan},
            {0, 0},
            {-1, -1},
        };
        for (const auto& [first, second] : cases) {
            SCOPED_TRACE(Describe(pair, first, second));
            const std::vector<ModelState> crossings = FindCrossings(pair, first, second);
            if (!std::isfinite(first) || !std::isfinite(second)) {
                EXPECT_TRUE(crossings.empty());
                continue;
            }
            ExpectSoundCrossings(pair, first, second, crossings);
            found += int(crossings.size());
        }
    }
    // Some corners of the ranges do hold states: (P, v) = (0.00062, 0.005)
    // just above the triple point, (v, s) = (0.005, 0), (h, s) = (4600, 12).
    EXPECT_GE(found, 5);
}

TEST(FindCrossingsTest, ThePairsThatDrawSolvesItselfAreNotSearched) {
    for (const BoxPair pair :
         {BoxPair::kTP, BoxPair::kTh, BoxPair::kTv, BoxPair::kTs, BoxPair::kPs}) {
        EXPECT_TRUE(FindCrossings(pair, 500, 1).empty());
    }
}

BoxTexts Texts(int first, const std::string& firstText, int second, const std::string& secondText) {
    BoxTexts texts;
    texts[size_t(first)] = firstText;
    texts[size_t(second)] = secondText;
    return texts;
}

TEST(LocateCrossingsTest, MarksEveryCrossingWithBothValuesAndMakesTheLowestTheCurrentPoint) {
    CurrentPoint point{700, 8};
    const CrossingLocation location =
        LocateCrossings(BoxPair::kPh, Texts(kP, "1", kH, "2777.5"), point);
    ASSERT_TRUE(location.located);
    ASSERT_EQ(location.states.size(), 2u);
    const ModelState& low = location.states[0];
    const ModelState& high = location.states[1];
    Plan expected;
    expected.Color(9);
    expected.Mark(low.s, low.T);
    expected.Label("(P=1, h=2777.5)");
    expected.Mark(high.s, high.T);
    expected.Label("(P=1, h=2777.5)");
    expected.Refresh();
    EXPECT_EQ(location.plan.Steps(), expected.Steps());
    EXPECT_EQ(point.PointT, low.T);
    EXPECT_EQ(point.PointS, low.s);
}

TEST(LocateCrossingsTest, LabelsQuoteTheBoxTextsAndValuesFollowTheLeadingNumberRule) {
    CurrentPoint point;
    const CrossingLocation location =
        LocateCrossings(BoxPair::kvs, Texts(kV, " .2 m3", kS, "7abc"), point);
    ASSERT_EQ(location.states.size(), 1u);
    EXPECT_NEAR(location.states[0].v, 0.2, 0.2 * 1e-7);
    EXPECT_NEAR(location.states[0].s, 7, 7e-6);
    EXPECT_EQ(location.plan.Steps()[2].text, "(v= .2 m3, s=7abc)");
}

TEST(LocateCrossingsTest, WithoutACrossingNothingIsDrawnAndThePointStays) {
    CurrentPoint point{500, 7.5};
    const CrossingLocation location =
        LocateCrossings(BoxPair::khs, Texts(kH, "200", kS, "12"), point);
    EXPECT_FALSE(location.located);
    EXPECT_TRUE(location.plan.Empty());
    EXPECT_EQ(point.PointT, 500);
    EXPECT_EQ(point.PointS, 7.5);
}

}  // namespace
}  // namespace calorix
