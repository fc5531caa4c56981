// The Rankine cycle dialog over a real chart window: the Cycle menu, the
// dialog's controls, OK drawing the cycle as one step of the journal along
// its paths with its states marked and numbered and listed, Undo and Redo
// entry for entry, and a message naming the box for every bad input, which
// changes nothing.
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <cmath>
#include <set>

#include "chart/export_commands.h"
#include "chart/states_table.h"
#include "cycle/rankine.h"
#include "cycles/cycle_test.h"
#include "journal/journal.h"
#include "surface/qb_color.h"

namespace calorix {
namespace {

using test::CycleTest;
using test::kCycleInputs;
using test::ReheatWithTwoHeaters;

QStringList Names(const QList<QAction*>& actions) {
    QStringList names;
    for (const QAction* action : actions)
        names << action->objectName();
    return names;
}

TEST_F(CycleTest, TheCycleMenuStandsAfterOptionsWithItsTwoItems) {
    const QList<QAction*> bar = Chart().MenuBarActions();
    EXPECT_EQ(Names(bar), (QStringList{"mnuChartFile", "mnuEdit", "mnuOptions", "mnuCycle",
                                       "mnuForm1Tips", "mnuAbout"}));
    const QMenu* menu = bar[3]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "mnuCycle");
    EXPECT_EQ(menu->title(), "&Cycle");
    EXPECT_EQ(Names(menu->actions()), (QStringList{"mnuRankine", "mnuCycleResults"}));
    EXPECT_EQ(Item("mnuRankine").text(), "&Rankine cycle...");
    EXPECT_EQ(Item("mnuRankine").shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(Item("mnuCycleResults").text(), "Re&sults");
}

TEST_F(CycleTest, RankineCycleOpensOneNonModalDialogAndCtrlRReachesItFromABox) {
    EXPECT_EQ(windows_->Dialog(), nullptr);
    Item("mnuRankine").trigger();
    QPointer<RankineDialog> dialog = windows_->Dialog();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->objectName(), "RankineDialog");
    EXPECT_EQ(dialog->windowTitle(), "Rankine cycle");
    EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
    Item("mnuRankine").trigger();
    EXPECT_EQ(windows_->Dialog(), dialog.data()) << "one dialog, brought to the front";

    // Esc closes it, as Close does; it goes.
    QApplication::processEvents();  // the dialog becomes the active window
    ASSERT_TRUE(dialog->isActiveWindow());
    QTest::keyClick(&dialog->Box(CycleInput::kBoilerPressure), Qt::Key_Escape);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());

    // The key works from the chart window's boxes.
    area_->activateWindow();
    QApplication::processEvents();
    QTest::keyClick(&Box(kT), Qt::Key_R, Qt::ControlModifier);
    ASSERT_NE(windows_->Dialog(), nullptr);
    EXPECT_TRUE(windows_->Dialog()->isVisible());
    dialog = windows_->Dialog();
    dialog->CloseButton().click();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(CycleTest, EveryControlIsNamedWithItsCaption) {
    RankineDialog& dialog = Dialog();
    const struct {
        CycleInput input;
        const char* box;
        const char* caption;
        const char* frame;
        const char* placeholder;
    } rows[] = {
        {CycleInput::kBoilerPressure, "BoilerPressure", "Boiler pressure (MPa)",
         "RankineBoilerFrame", ""},
        {CycleInput::kTurbineInletTemperature, "TurbineInletTemperature",
         "Turbine inlet temperature (K)", "RankineBoilerFrame", "saturated vapour"},
        {CycleInput::kCondenserPressure, "CondenserPressure", "Condenser pressure (MPa)",
         "RankineCondenserFrame", ""},
        {CycleInput::kReheatPressure, "ReheatPressure", "Reheat pressure (MPa)",
         "RankineReheatFrame", "none"},
        {CycleInput::kReheatTemperature, "ReheatTemperature", "Reheat temperature (K)",
         "RankineReheatFrame", "none"},
        {CycleInput::kHeaterPressure, "HeaterPressures", "Heater pressures (MPa)",
         "RankineHeaterFrame", "none"},
        {CycleInput::kTurbineEfficiency, "TurbineEfficiency", "Turbine efficiency",
         "RankineEfficiencyFrame", "1"},
        {CycleInput::kPumpEfficiency, "PumpEfficiency", "Pump efficiency", "RankineEfficiencyFrame",
         "1"},
        {CycleInput::kNetPower, "NetPower", "Net power (MW)", "RankineEfficiencyFrame", "none"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.box);
        auto* box = dialog.findChild<QLineEdit*>(QString::fromLatin1(row.box));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box, &dialog.Box(row.input));
        EXPECT_TRUE(box->text().isEmpty()) << "no cycle drawn yet: the boxes are empty";
        EXPECT_EQ(box->placeholderText(), row.placeholder);
        EXPECT_FALSE(box->toolTip().isEmpty());
        EXPECT_EQ(box->parentWidget()->objectName(), row.frame);
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(row.box) + "Label");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label, &dialog.Caption(row.input));
        EXPECT_EQ(label->text(), row.caption);
        EXPECT_EQ(label->buddy(), box);
    }
    EXPECT_EQ(dialog.findChild<QGroupBox*>("RankineReheatFrame")->title(), "Reheat (optional)");
    EXPECT_EQ(dialog.findChild<QPushButton*>("RankineOk"), &dialog.OkButton());
    EXPECT_EQ(dialog.OkButton().text(), "OK");
    EXPECT_TRUE(dialog.OkButton().isDefault());
    EXPECT_EQ(dialog.findChild<QPushButton*>("RankineClose"), &dialog.CloseButton());
    EXPECT_EQ(dialog.CloseButton().text(), "Close");
    EXPECT_FALSE(dialog.CloseButton().isDefault());
}

TEST_F(CycleTest, TheDialogStandsAtTheFramesRightEdgeBelowItsTop) {
    const RankineDialog& dialog = Dialog();
    const double perPixel = TwipsPerPixel(*area_);
    const QRect frame = area_->frameGeometry();
    const double width = PixelsToTwips(dialog.frameGeometry().width(), perPixel);
    EXPECT_NEAR(dialog.PlacedLeft() + width, PixelsToTwips(frame.x() + frame.width(), perPixel),
                perPixel);
    EXPECT_NEAR(dialog.PlacedTop(), PixelsToTwips(frame.y(), perPixel) + 1000, perPixel);
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              QPoint(TwipsToPixels(dialog.PlacedLeft(), perPixel),
                     TwipsToPixels(dialog.PlacedTop(), perPixel)));
}

TEST_F(CycleTest, OkDrawsTheCycleAsOneStepAndListsItsStates) {
    ChooseIf97();
    const size_t steps = Chart().Journal().DoneCount();
    const int rows = Chart().Exports().States().Count();
    const size_t before = Draw(ReheatWithTwoHeaters());
    ASSERT_TRUE(messages_.Calls().empty()) << messages_.Calls().front().prompt.toStdString();

    // One step, with the texts as typed.
    EXPECT_EQ(Chart().Journal().DoneCount(), steps + 1);
    EXPECT_EQ(Chart().Journal().UndoStep(),
              (journal::Step{journal::CycleCommand{ReheatWithTwoHeaters()}}));
    EXPECT_EQ(Item("mnuUndo").text(), "&Undo Rankine cycle 15 MPa");

    // The cycle of the texts under the chart's model.
    const DrawnCycle* drawn = Chart().LastCycle();
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->model, &If97Model());
    const RankineInputs inputs = std::get<RankineInputs>(ReadRankineTexts(ReheatWithTwoHeaters()));
    const RankineCycle expected = std::get<RankineCycle>(ComputeRankine(If97Model(), inputs));
    ASSERT_EQ(drawn->cycle.states.size(), expected.states.size());
    EXPECT_EQ(drawn->cycle.thermalEfficiency, expected.thermalEfficiency);
    const size_t n = expected.states.size();
    // The condenser's outlet, the three pumps' and two heaters' outlets,
    // the turbine inlet, the high-pressure turbine's exhaust, the
    // reheater's outlet and the two low-pressure stages' outlets.
    EXPECT_EQ(n, 11u);

    // Everything in the cycle's own colour: a marker at each state and its
    // number beside it, once each.
    for (size_t i = before; i < Chart().DisplayList().size(); ++i) {
        const Primitive& entry = Chart().DisplayList()[i];
        const QColor color = std::visit([](const auto& p) { return p.color; }, entry);
        EXPECT_EQ(color, QBColor(kCycleColor)) << i;
    }
    const auto circles = Drawn<CirclePrimitive>(before);
    ASSERT_EQ(circles.size(), n);
    for (size_t i = 0; i < n; ++i) {
        const State& s = expected.states[i].state;
        const ChartPoint p = area_->Frame().Map(s.s, s.T);
        EXPECT_FLOAT_EQ(circles[i].x, float(p.x)) << i + 1;
        EXPECT_FLOAT_EQ(circles[i].y, float(p.y)) << i + 1;
        EXPECT_EQ(circles[i].radius, float(kCycleMarkerRadius));
    }
    QStringList numbers;
    for (size_t i = 1; i <= n; ++i)
        numbers << QString::number(i);
    EXPECT_EQ(Printed(before), numbers) << "numbered in the order of the flow";
    // Numbers stand clear of each other and of every marker where they can.
    const auto texts = Drawn<TextPrimitive>(before);
    for (size_t i = 0; i < texts.size(); ++i) {
        EXPECT_NEAR(std::hypot(texts[i].x - circles[i].x, texts[i].y - circles[i].y), 60, 400)
            << "number " << i + 1 << " beside its marker";
    }

    // Lines along every process's path: at least as many as the paths have
    // segments between states that are apart.
    EXPECT_GT(Drawn<LinePrimitive>(before).size(), expected.processes.size());

    // The states in the table of states, as the model gives them.
    ASSERT_EQ(Chart().Exports().States().Count(), rows + int(n));
    for (size_t i = 0; i < n; ++i) {
        const PanelValues& listed = Chart().Exports().States().States()[size_t(rows) + i];
        EXPECT_EQ(listed.T, expected.states[i].state.T) << i + 1;
        EXPECT_EQ(listed.s, expected.states[i].state.s) << i + 1;
        EXPECT_EQ(listed.model, "if97");
    }

    // And the results open.
    ASSERT_NE(Results(), nullptr);
    EXPECT_TRUE(Results()->isVisible());
    EXPECT_TRUE(Results()->HasCycle());
}

// The lines drawn on the segment between two drawing points.
std::vector<LinePrimitive> LinesOn(const std::vector<LinePrimitive>& lines, ChartPoint a,
                                   ChartPoint b) {
    std::vector<LinePrimitive> on;
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const auto offLine = [&](double x, double y) {
        return std::fabs((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x)) / length;
    };
    const auto inside = [&](double x, double y) {
        const double t = ((x - a.x) * (b.x - a.x) + (y - a.y) * (b.y - a.y)) / (length * length);
        return t > -1e-4 && t < 1 + 1e-4;
    };
    for (const LinePrimitive& line : lines) {
        if (offLine(line.x1, line.y1) < 0.5 && offLine(line.x2, line.y2) < 0.5 &&
            inside(line.x1, line.y1) && inside(line.x2, line.y2)) {
            on.push_back(line);
        }
    }
    return on;
}

TEST_F(CycleTest, IrreversibleTurbinesAndPumpsAreDrawnDashed) {
    ChooseIf97();
    const size_t before = Draw({"15", "873.15", "10k", "", "", "", "0.85", "0.8", ""});
    const DrawnCycle* drawn = Chart().LastCycle();
    ASSERT_NE(drawn, nullptr);
    const std::vector<LinePrimitive> lines = Drawn<LinePrimitive>(before);
    const std::vector<ProcessPath> paths = CyclePaths(If97Model(), drawn->cycle);
    int schematic = 0;
    for (size_t i = 0; i < paths.size(); ++i) {
        if (paths[i].shape != PathShape::kSchematic) continue;
        ++schematic;
        const CycleProcess& process = drawn->cycle.processes[i];
        const State& from = drawn->cycle.states[size_t(process.from - 1)].state;
        const State& to = drawn->cycle.states[size_t(process.to - 1)].state;
        const ChartPoint a = area_->Frame().Map(from.s, from.T);
        const ChartPoint b = area_->Frame().Map(to.s, to.T);
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const std::vector<LinePrimitive> dashes = LinesOn(lines, a, b);
        SCOPED_TRACE(i);
        ASSERT_FALSE(dashes.empty());
        double inked = 0;
        for (const LinePrimitive& dash : dashes) {
            const double d = std::hypot(dash.x2 - dash.x1, dash.y2 - dash.y1);
            EXPECT_LE(d, kCycleDash + 0.01);
            inked += d;
        }
        // Dashes of 90 and gaps of 60 twips: 3/5 of the path is inked.
        const double period = kCycleDash + kCycleGap;
        EXPECT_NEAR(inked,
                    std::floor(length / period) * kCycleDash +
                        std::min(kCycleDash, std::fmod(length, period)),
                    0.1);
        EXPECT_GE(dashes.size(), size_t(length / period));
    }
    EXPECT_EQ(schematic, 2) << "the turbine and the pump";

    // The same cycle of ideal machines has no schematic path: its turbine
    // and pump are isentropes.
    for (const ProcessPath& path : CyclePaths(
             If97Model(), std::get<RankineCycle>(ComputeRankine(
                              If97Model(), std::get<RankineInputs>(ReadRankineTexts(
                                               {"15", "873.15", "10k", "", "", "", "", "", ""}))))))
        EXPECT_NE(path.shape, PathShape::kSchematic);
}

TEST_F(CycleTest, UndoTakesTheCycleAwayWholeAndRedoDrawsItAgain) {
    Type(kP, "1");
    PressEnter(kP);
    const std::vector<Primitive> before = Chart().DisplayList();
    const int rows = Chart().Exports().States().Count();
    Draw(ReheatWithTwoHeaters());
    const std::vector<Primitive> after = Chart().DisplayList();
    ASSERT_GT(after.size(), before.size());
    const int listed = Chart().Exports().States().Count();
    ASSERT_GT(listed, rows);

    Item("mnuUndo").trigger();
    EXPECT_EQ(Chart().DisplayList().size(), before.size());
    EXPECT_TRUE(Chart().DisplayList() == before) << "entry for entry";
    EXPECT_EQ(Chart().Exports().States().Count(), rows);
    EXPECT_EQ(Chart().LastCycle(), nullptr);
    EXPECT_EQ(Item("mnuRedo").text(), "&Redo Rankine cycle 15 MPa");

    Item("mnuRedo").trigger();
    EXPECT_EQ(Chart().DisplayList().size(), after.size());
    EXPECT_TRUE(Chart().DisplayList() == after) << "entry for entry";
    EXPECT_EQ(Chart().Exports().States().Count(), listed);
    ASSERT_NE(Chart().LastCycle(), nullptr);
    EXPECT_TRUE(messages_.Calls().empty());

    // Twice more, the same.
    Item("mnuUndo").trigger();
    Item("mnuRedo").trigger();
    EXPECT_TRUE(Chart().DisplayList() == after);
}

TEST_F(CycleTest, EachBadInputGetsAMessageNamingTheBoxAndChangesNothing) {
    using enum CycleInput;
    const struct {
        CycleInput box;
        const char* text;
        const char* message;
    } cases[] = {
        {kBoilerPressure, "",
         "Boiler pressure (MPa): the box is empty; a cycle needs a boiler pressure."},
        {kBoilerPressure, "15 MPa", "Boiler pressure (MPa): \"15 MPa\" is not a number."},
        {kBoilerPressure, "-15", "Boiler pressure (MPa): -15 must be above zero."},
        {kTurbineInletTemperature, "hot",
         "Turbine inlet temperature (K): \"hot\" is not a number."},
        {kTurbineInletTemperature, "200c",
         "Turbine inlet temperature (K): 200c must lie above the saturation temperature at the "
         "boiler pressure, 615.308 K."},
        {kCondenserPressure, "20",
         "Condenser pressure (MPa): 20 must lie below the boiler pressure, 15 MPa."},
        {kReheatPressure, "",
         "Reheat pressure (MPa): the box is empty; a reheat temperature needs its pressure."},
        {kReheatPressure, "16",
         "Reheat pressure (MPa): 16 must lie between the condenser and the boiler pressures, 0.01 "
         "and 15 MPa."},
        {kReheatTemperature, "",
         "Reheat temperature (K): the box is empty; a reheat pressure needs its temperature."},
        {kHeaterPressure, "4, x", "Heater pressures (MPa): \"x\" is not a number."},
        {kHeaterPressure, "4, 0.5, 4",
         "Heater pressures (MPa): 4 is the pressure of another heater: each heater needs its own."},
        {kHeaterPressure, "4 5k",
         "Heater pressures (MPa): 5k must lie between the condenser and the boiler pressures, 0.01 "
         "and 15 MPa."},
        {kTurbineEfficiency, "1.2", "Turbine efficiency: 1.2 must lie above 0 and at most 1."},
        {kPumpEfficiency, "0", "Pump efficiency: 0 must lie above 0 and at most 1."},
        {kNetPower, "-250", "Net power (MW): -250 must be above zero."},
        {kNetPower, "250MW", "Net power (MW): \"250MW\" is not a number."},
    };
    ChooseIf97();
    Type(kT, "500");
    PressEnter(kT);
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const size_t steps = Chart().Journal().DoneCount();
    const int rows = Chart().Exports().States().Count();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        RankineTexts texts = ReheatWithTwoHeaters();
        TextOf(texts, c.box) = c.text;
        const size_t shown = messages_.Calls().size();
        Draw(texts);
        ASSERT_EQ(messages_.Calls().size(), shown + 1);
        EXPECT_EQ(messages_.Calls().back().prompt.toStdString(), c.message);
        EXPECT_EQ(messages_.Calls().back().buttons, MessageBoxes::kExclamation);
        EXPECT_TRUE(Chart().DisplayList() == drawn);
        EXPECT_EQ(Chart().Journal().DoneCount(), steps) << "no step";
        EXPECT_EQ(Chart().Exports().States().Count(), rows);
        EXPECT_EQ(Chart().LastCycle(), nullptr);
        EXPECT_EQ(Dialog().focusWidget(), &Dialog().Box(c.box)) << "the named box has the focus";
        EXPECT_TRUE(Dialog().isVisible()) << "the dialog stays open";
        EXPECT_EQ(Results(), nullptr) << "no results to show";
    }
}

TEST_F(CycleTest, ACycleTheModelCannotGiveIsNamedByItsBox) {
    // The chart's correlations have no steam above 22.0891 MPa.
    Draw({"25", "873.15", "10k", "", "", "", "", "", ""});
    ASSERT_EQ(messages_.Calls().size(), 1u);
    const std::string message = messages_.Calls().back().prompt.toStdString();
    EXPECT_EQ(message.rfind("Turbine inlet temperature (K): 873.15 puts the turbine inlet", 0), 0u)
        << message;
    EXPECT_EQ(Chart().LastCycle(), nullptr);
    EXPECT_EQ(Chart().Journal().DoneCount(), 0u);

    // Under IAPWS-IF97 the same cycle exists.
    ChooseIf97();
    Dialog().OkButton().click();
    EXPECT_EQ(messages_.Calls().size(), 1u);
    ASSERT_NE(Chart().LastCycle(), nullptr);
}

TEST_F(CycleTest, TheDialogOpensWithTheTextsOfTheCycleLastDrawn) {
    Draw(test::IdealSaturated());
    Dialog().close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(windows_->Dialog(), nullptr);
    EXPECT_EQ(Dialog().Texts(), test::IdealSaturated());
    EXPECT_EQ(Dialog().Box(CycleInput::kCondenserPressure).text(), "8k") << "as typed";
}

TEST_F(CycleTest, TheDialogClosesWithItsChartWindow) {
    QPointer<RankineDialog> dialog = &Dialog();
    Chart().findChild<QAction*>("mnuClose")->trigger();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

}  // namespace
}  // namespace calorix
