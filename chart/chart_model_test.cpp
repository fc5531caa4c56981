// The chart on a property model the user chooses: under IAPWS-IF97 a click,
// Locate and the lines reach every region of the chart, and a choice of
// model is a step that Undo and Redo take back and repeat exactly.
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <cmath>
#include <cstdio>

#include "chart/export_commands.h"
#include "chart/states_table.h"
#include "if97/region4.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

class ModelChartTest : public test::ChartTest {
  protected:
    QAction& Item(const char* name) {
        return *Chart().findChild<QAction*>(QString::fromLatin1(name));
    }
    void ChooseIf97() { Item("mnuModelIF97").trigger(); }
    const std::vector<PanelValues>& Listed() { return Chart().Exports().States().States(); }

    // A value as a box text that reads back to the same double.
    static QString Text(double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.17g", value);
        return QString::fromLatin1(buffer);
    }
    // The chart points (s, T) that the lines drawn from list index `from` on
    // pass through.
    std::vector<std::pair<double, double>> LinePoints(std::size_t from) {
        std::vector<std::pair<double, double>> points;
        const ChartFrame& frame = area_->Frame();
        for (std::size_t i = from; i < Chart().DisplayList().size(); ++i) {
            if (const auto* line = std::get_if<LinePrimitive>(&Chart().DisplayList()[i])) {
                points.emplace_back(frame.EntropyAt(line->x2), frame.TemperatureAt(line->y2));
            }
        }
        return points;
    }
};

double Relative(double a, double b) {
    return std::fabs(a - b) / std::max(std::fabs(b), 1e-3);
}

TEST_F(ModelChartTest, TheChoiceOfModelIsAnOptionKeptBetweenRuns) {
    EXPECT_EQ(Chart().Model().Kind(), ModelKind::kClassic);
    EXPECT_TRUE(Item("mnuModelClassic").isChecked());
    EXPECT_FALSE(Item("mnuModelIF97").isChecked());
    const auto* menu = Chart().findChild<QMenu*>("mnuPropertyModel");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), "Property model");

    ChooseIf97();
    EXPECT_EQ(Chart().Model().Kind(), ModelKind::kIf97);
    EXPECT_TRUE(Item("mnuModelIF97").isChecked());
    EXPECT_FALSE(Item("mnuModelClassic").isChecked());
    EXPECT_EQ(QSettings("Calorix", "Calorix").value("Options/PropertyModel").toString(), "if97");
    // The next window opens under it.
    ScriptedMessageBoxes messages;
    ChartArea other(messages);
    other.OpenChartWindow();
    EXPECT_EQ(other.Chart()->Model().Kind(), ModelKind::kIf97);
}

// A click lists the model's state of the clicked point in every region:
// liquid, wet, steam and supercritical.
TEST_F(ModelChartTest, AClickUnderIf97ListsTheStateOfEveryRegion) {
    ChooseIf97();
    struct Point {
        double s, T;
        const char* phase;
    };
    for (const Point& point :
         {Point{1.6, 400, "liquid"}, Point{4, 400, "wet"}, Point{7, 700, "steam"},
          Point{4.5, 700, "supercritical"}, Point{9, 1200, "high-temperature steam"}}) {
        const std::size_t listed = Listed().size();
        const std::size_t drawn = Chart().DisplayList().size();
        ClickOn(point.s, point.T);
        ASSERT_EQ(Listed().size(), listed + 1) << point.phase;
        const PanelValues& state = Listed().back();
        EXPECT_EQ(state.model, "if97");
        EXPECT_EQ(state.phase, point.phase);
        EXPECT_TRUE(Chart().Panel().Caption().startsWith(QStringLiteral("Location:\r") +
                                                         point.phase + "\r"))
            << Chart().Panel().Caption().toStdString();
        const State expected =
            std::get<State>(If97Model().StateFrom(Property::kT, state.T, Property::kS, state.s));
        EXPECT_NEAR(Relative(state.P, expected.P), 0, 1e-12) << point.phase;
        EXPECT_NEAR(Relative(state.h, expected.h), 0, 1e-12) << point.phase;
        EXPECT_NEAR(Relative(state.v, expected.v), 0, 1e-12) << point.phase;
        EXPECT_NEAR(state.s, point.s, 1e-2);
        EXPECT_NEAR(state.T, point.T, 1);
        // A marker where the state lies.
        ASSERT_GT(Chart().DisplayList().size(), drawn);
        EXPECT_TRUE(std::holds_alternative<CirclePrimitive>(Chart().DisplayList().back()));
    }
    // Where the model has no state (colder than 100 MPa allows at s = 1),
    // nothing is marked or listed.
    const std::size_t drawn = Chart().DisplayList().size();
    ClickOn(1, 400);
    EXPECT_EQ(Chart().DisplayList().size(), drawn);
    EXPECT_EQ(Chart().Panel().Caption(), "Location:\r");
}

// Locate of each of the ten pairs finds the state in each region.
TEST_F(ModelChartTest, LocateUnderIf97SolvesEveryPairInEveryRegion) {
    ChooseIf97();
    const State states[] = {
        std::get<State>(If97Model().StateFrom(Property::kT, 400, Property::kP, 10)),
        std::get<State>(If97Model().StateFrom(Property::kT, 450, Property::kX, 0.4)),
        std::get<State>(If97Model().StateFrom(Property::kT, 700, Property::kP, 1)),
        std::get<State>(If97Model().StateFrom(Property::kT, 700, Property::kP, 30)),
    };
    for (const State& state : states) {
        const double values[kPropertyCount] = {state.T, state.P, state.v, state.h, state.s};
        for (int a = 0; a < kPropertyCount; ++a) {
            for (int b = a + 1; b < kPropertyCount; ++b) {
                const std::size_t listed = Listed().size();
                Type(a, Text(values[a]));
                Type(b, Text(values[b]));
                PressEnter(b);
                ASSERT_EQ(Listed().size(), listed + 1)
                    << PhaseName(state.phase) << " pair " << a << b;
                const PanelValues& found = Listed().back();
                const double got[kPropertyCount] = {found.T, found.P, found.v, found.h, found.s};
                EXPECT_LT(Relative(got[a], values[a]), 1e-7) << "pair " << a << b;
                EXPECT_LT(Relative(got[b], values[b]), 1e-7) << "pair " << a << b;
                // (T, P) of a wet state is its saturated liquid; (T, h) of a
                // liquid has a wet state of lower pressure too.
                const bool twoStates = (a == kT && b == kP) || (a == kT && b == kH);
                if (!twoStates) {
                    EXPECT_EQ(found.phase, PhaseName(state.phase)) << "pair " << a << b;
                }
                Chart().ClearBoxesButton().click();
            }
        }
    }
}

// The isobars of 8 and 25 MPa run from the liquid at the chart's foot up
// through steam; 8 MPa crosses the dome at IF97's saturation temperature, 25
// MPa passes above the critical point without a break.
TEST_F(ModelChartTest, IsobarsUnderIf97RunThroughEveryRegionTheyCross) {
    ChooseIf97();
    const double Ts = if97::SaturationTemperature(8);
    for (const char* pressure : {"8", "25"}) {
        const std::size_t from = Chart().DisplayList().size();
        Type(kP, pressure);
        PressEnter(kP);
        const auto points = LinePoints(from);
        ASSERT_GT(points.size(), 50u) << pressure;
        double lowest = 1e9, highest = 0;
        int liquid = 0, onDome = 0;
        for (const auto& [s, T] : points) {
            lowest = std::min(lowest, T);
            highest = std::max(highest, T);
            if (T < Ts - 5 && s < 3.2) ++liquid;
            if (std::fabs(T - Ts) < 0.5 && s > 3.5 && s < 6) ++onDome;
        }
        EXPECT_LT(lowest, 280) << pressure;
        EXPECT_GT(highest, 1200) << pressure;
        EXPECT_GT(liquid, 5) << pressure;
        if (std::string(pressure) == "8") {
            EXPECT_GE(onDome, 1) << "the segment across the dome";
        } else {
            EXPECT_EQ(onDome, 0) << "no step at 8 MPa's saturation temperature";
        }
    }
}

// A choice of model draws the chart again under it; Undo gives back the
// drawing of the chart's correlations entry for entry, Redo that of IF97.
TEST_F(ModelChartTest, ChoosingAModelIsAStepThatUndoAndRedoRepeatExactly) {
    Type(kP, "1");
    PressEnter(kP);
    Type(kT, "500");
    Type(kP, "1");
    PressEnter(kP);
    ClickOn(7.5, 600);
    const std::vector<Primitive> classic = Chart().DisplayList();
    const QString classicPanel = Chart().Panel().Caption();

    ChooseIf97();
    const std::vector<Primitive> if97 = Chart().DisplayList();
    const QString if97Panel = Chart().Panel().Caption();
    EXPECT_FALSE(if97 == classic);
    EXPECT_TRUE(if97Panel.startsWith("Location:\rsteam\r")) << if97Panel.toStdString();
    // The states listed under the chart's correlations stay as they were.
    ASSERT_EQ(Listed().size(), 2u);
    EXPECT_EQ(Listed()[0].model, "classic");
    EXPECT_EQ(Chart().Journal().DoneSteps().size(), 4u);

    Chart().Undo();
    EXPECT_EQ(Chart().Model().Kind(), ModelKind::kClassic);
    EXPECT_TRUE(Item("mnuModelClassic").isChecked());
    EXPECT_TRUE(Chart().DisplayList() == classic);
    EXPECT_EQ(Chart().Panel().Caption(), classicPanel);

    Chart().Redo();
    EXPECT_EQ(Chart().Model().Kind(), ModelKind::kIf97);
    EXPECT_TRUE(Chart().DisplayList() == if97);
    EXPECT_EQ(Chart().Panel().Caption(), if97Panel);

    // Fit to window's rebuild draws the same again.
    Chart().Rebuild();
    EXPECT_TRUE(Chart().DisplayList() == if97);
    EXPECT_EQ(Chart().Model().Kind(), ModelKind::kIf97);
}

// The opening chart, and Clear, draw the reference isobars and the dome of
// the model: the same picture as a fresh window under that model.
TEST_F(ModelChartTest, AFreshChartUnderIf97IsTheOneAChoiceDraws) {
    ChooseIf97();
    const std::vector<Primitive> chosen = Chart().DisplayList();
    ScriptedMessageBoxes messages;
    ChartArea other(messages);
    other.resize(area_->size());
    other.OpenChartWindow();
    ASSERT_EQ(other.Chart()->Model().Kind(), ModelKind::kIf97);
    // The fresh window has its activation's dome drawn over it as well.
    EXPECT_TRUE(std::equal(chosen.begin(), chosen.end(), other.Chart()->DisplayList().begin(),
                           other.Chart()->DisplayList().begin() + long(chosen.size())) ||
                other.Chart()->DisplayList() == chosen);
}

}  // namespace
}  // namespace calorix
