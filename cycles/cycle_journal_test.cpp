// A cycle as a step of the chart's journal: replayed on a fresh chart (as an
// Open and calorix --export replay a file) it draws the same display list
// entry for entry, it is drawn again for Fit chart to window, and a switch
// of model draws it again under the new model.
#include <QAction>

#include "cycles/cycle_test.h"
#include "journal/journal.h"

namespace calorix {
namespace {

using test::CycleTest;
using test::ReheatWithTwoHeaters;

// A second chart area of the same size, opened afresh and not shown.
struct OtherChart {
    ScriptedMessageBoxes messages;
    std::unique_ptr<ChartArea> area;
    explicit OtherChart(QSize size) {
        area = std::make_unique<ChartArea>(messages);
        area->resize(size);
        area->OpenChartWindow();
    }
    ChartWindow& Chart() { return *area->Chart(); }
};

class CycleJournalTest : public CycleTest {
  protected:
    // A line, the cycle, a state, in this order.
    void Work(const RankineTexts& texts) {
        Type(kP, "1");
        PressEnter(kP);
        Draw(texts);
        Type(kT, "700");
        Type(kP, "2");
        PressEnter(kP);
        ASSERT_TRUE(messages_.Calls().empty()) << messages_.Calls().front().prompt.toStdString();
    }
    // The chart's done steps opened on a fresh chart under the model.
    void ExpectReplayGivesTheSameList(const std::string& model) {
        OtherChart other(area_->size());
        ASSERT_TRUE(other.Chart().OpenSteps(
            "replay", journal::FlatSteps(Chart().Journal().DoneSteps()), {}, model));
        EXPECT_TRUE(other.messages.Calls().empty());
        EXPECT_EQ(other.Chart().DisplayList().size(), Chart().DisplayList().size());
        EXPECT_TRUE(other.Chart().DisplayList() == Chart().DisplayList()) << "entry for entry";
        ASSERT_NE(other.Chart().LastCycle(), nullptr);
        EXPECT_EQ(other.Chart().LastCycle()->cycle.thermalEfficiency,
                  Chart().LastCycle()->cycle.thermalEfficiency);
    }
};

TEST_F(CycleJournalTest, AReplayedCycleDrawsTheSameListUnderTheCorrelations) {
    Work(ReheatWithTwoHeaters());
    ExpectReplayGivesTheSameList("classic");
}

TEST_F(CycleJournalTest, AReplayedCycleDrawsTheSameListUnderIf97) {
    ChooseIf97();
    Work(ReheatWithTwoHeaters());
    // The steps after the switch, opened under IAPWS-IF97.
    ExpectReplayGivesTheSameList("if97");
}

TEST_F(CycleJournalTest, FitToWindowDrawsTheCycleAgainForTheNewSize) {
    Work(ReheatWithTwoHeaters());
    const std::vector<Primitive> before = Chart().DisplayList();
    Chart().Rebuild();
    EXPECT_TRUE(Chart().DisplayList() == before) << "the same size, the same drawing";
    ASSERT_NE(Chart().LastCycle(), nullptr);

    Chart().findChild<QAction*>("mnuFitToWindow")->trigger();
    area_->resize(QSize(900, 540));
    QApplication::processEvents();
    area_->FitChartToArea();
    EXPECT_FALSE(Chart().DisplayList() == before);
    ExpectReplayGivesTheSameList("classic");
    // Undo of the last step still cuts back to the cycle at the new size.
    Item("mnuUndo").trigger();
    ASSERT_NE(Chart().LastCycle(), nullptr);
    ExpectReplayGivesTheSameList("classic");
}

TEST_F(CycleJournalTest, ASwitchOfModelDrawsTheCycleAgainUnderIt) {
    Work(ReheatWithTwoHeaters());
    const std::vector<Primitive> classic = Chart().DisplayList();
    const double classicEfficiency = Chart().LastCycle()->cycle.thermalEfficiency;
    ChooseIf97();
    EXPECT_TRUE(messages_.Calls().empty());
    ASSERT_NE(Chart().LastCycle(), nullptr);
    EXPECT_EQ(Chart().LastCycle()->model, &If97Model());
    EXPECT_NE(Chart().LastCycle()->cycle.thermalEfficiency, classicEfficiency);

    // As the same steps drawn on a chart opened under IAPWS-IF97.
    OtherChart other(area_->size());
    std::vector<journal::Step> steps = journal::FlatSteps(Chart().Journal().DoneSteps());
    steps.pop_back();  // the switch itself
    ASSERT_TRUE(other.Chart().OpenSteps("under if97", steps, {}, "if97"));
    EXPECT_TRUE(other.Chart().DisplayList() == Chart().DisplayList());

    Item("mnuUndo").trigger();
    EXPECT_TRUE(Chart().DisplayList() == classic);
    EXPECT_EQ(Chart().LastCycle()->cycle.thermalEfficiency, classicEfficiency);
}

TEST_F(CycleJournalTest, ACycleTheNewModelCannotGiveIsNamedAndLeavesNoResults) {
    ChooseIf97();
    // Above the correlations' 22.0891 MPa.
    Draw({"25", "873.15", "10k", "", "", "", "", "", ""});
    ASSERT_NE(Chart().LastCycle(), nullptr);
    Chart().ChooseModel("classic");
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_EQ(messages_.Calls()[0].prompt.toStdString().rfind("Turbine inlet temperature (K): ", 0),
              0u);
    EXPECT_EQ(Chart().LastCycle(), nullptr);
    Item("mnuUndo").trigger();
    ASSERT_NE(Chart().LastCycle(), nullptr);
    EXPECT_EQ(Chart().LastCycle()->model, &If97Model());
}

TEST_F(CycleJournalTest, AnOpenedStepThatCannotBeDrawnIsReportedWithItsNumber) {
    const std::vector<journal::Step> steps = {
        journal::Step{journal::LocateCommand{{"", "1", "", "", ""}}},
        journal::Step{journal::CycleCommand{{"8", "", "10", "", "", "", "", "", ""}}},
    };
    const size_t shown = messages_.Calls().size();
    ASSERT_TRUE(Chart().OpenSteps("bad.calorix", steps));
    ASSERT_EQ(Chart().OpenMessages().size(), 1u);
    EXPECT_EQ(Chart().OpenMessages()[0].step, 2);
    EXPECT_EQ(Chart().OpenMessages()[0].prompt,
              "Condenser pressure (MPa): 10 must lie below the boiler pressure, 8 MPa.");
    EXPECT_EQ(messages_.Calls().size(), shown + 1) << "shown once, at the end";
    EXPECT_EQ(Chart().LastCycle(), nullptr);
}

}  // namespace
}  // namespace calorix
