#include "journal/journal.h"

#include <gtest/gtest.h>

namespace calorix::journal {
namespace {

Step Locate(BoxTexts boxes) {
    return Step{LocateCommand{std::move(boxes), true, true, false}};
}
Step Click(double s, double T) {
    return Step{ClickCommand{s, T, true}};
}

TEST(JournalTest, UndoAndRedoMoveThroughTheStepsAndANewStepEndsTheRedoableOnes) {
    Journal journal;
    EXPECT_FALSE(journal.CanUndo());
    EXPECT_FALSE(journal.CanRedo());
    EXPECT_FALSE(journal.Undo());
    EXPECT_FALSE(journal.Redo());

    journal.Record(Click(1, 300));
    journal.Record(Click(2, 400));
    journal.Record(Click(3, 500));
    EXPECT_EQ(journal.DoneCount(), 3u);
    EXPECT_EQ(journal.UndoStep(), Click(3, 500));

    EXPECT_TRUE(journal.Undo());
    EXPECT_TRUE(journal.Undo());
    EXPECT_EQ(journal.DoneCount(), 1u);
    EXPECT_EQ(journal.RedoStep(), Click(2, 400));
    EXPECT_EQ(journal.DoneSteps(), std::vector<Step>{Click(1, 300)});
    EXPECT_EQ(journal.Steps().size(), 3u) << "undone steps wait to be redone";

    EXPECT_TRUE(journal.Redo());
    EXPECT_EQ(journal.UndoStep(), Click(2, 400));

    journal.Record(Click(4, 600));
    EXPECT_FALSE(journal.CanRedo());
    EXPECT_EQ(journal.Steps(), (std::vector<Step>{Click(1, 300), Click(2, 400), Click(4, 600)}));

    while (journal.Undo()) {
    }
    EXPECT_EQ(journal.DoneCount(), 0u);
    journal.Record(Click(5, 700));
    EXPECT_EQ(journal.Steps(), std::vector<Step>{Click(5, 700)});
}

TEST(JournalTest, DescribesEachKindOfStepForTheUndoAndRedoItems) {
    EXPECT_EQ(Describe(Locate({"", "1", "", "", ""})), "isobar P = 1");
    EXPECT_EQ(Describe(Locate({" 500 ", "", "", "", ""})), "isotherm T = 500");
    EXPECT_EQ(Describe(Locate({"", "", ".5", "", ""})), "isochore v = .5");
    EXPECT_EQ(Describe(Locate({"", "", "", "3000", ""})), "isenthalp h = 3000");
    EXPECT_EQ(Describe(Locate({"", "", "", "", "7"})), "isentrope s = 7");
    EXPECT_EQ(Describe(Locate({"500", "1", "", "", ""})), "state T = 500, P = 1");
    EXPECT_EQ(Describe(Locate({"", "", "", "", ""})), "Locate");
    EXPECT_EQ(Describe(Locate({"1", "2", "3", "", ""})), "Locate");

    EXPECT_EQ(Describe(Click(5, 500.0625)), "click at T = 500.1 K");
    EXPECT_EQ(Describe(Step{ClearCommand{}}), "Clear");
    EXPECT_EQ(Describe(Step{OpenCommand{"work.calorix", {}}}), "open of work.calorix");
    EXPECT_EQ(Describe(Step{ModelCommand{"if97"}}), "IAPWS-IF97");
    EXPECT_EQ(Describe(Step{ModelCommand{"classic"}}), "Chart correlations");
    CycleCommand cycle{{" 15 ", "873.15", "10k", "", "", "", "", "", ""}};
    EXPECT_EQ(Describe(Step{cycle}), "Rankine cycle 15 MPa");
    cycle.texts.boilerPressure = "8000k";
    EXPECT_EQ(Describe(Step{cycle}), "Rankine cycle 8 MPa") << "the kPa suffix read";
    cycle.texts.boilerPressure = "abc";
    EXPECT_EQ(Describe(Step{cycle}), "Rankine cycle abc MPa") << "as typed";

    SeriesCommand series{kP, "0", "20", "1", "20", SeriesMode::kCount, true, true};
    EXPECT_EQ(Describe(Step{series}), "series of 21 isobars");
    series.mode = SeriesMode::kIncrement;
    series.increment = "10";
    EXPECT_EQ(Describe(Step{series}), "series of 3 isobars");
    series.increment = "0";
    EXPECT_EQ(Describe(Step{series}), "series of 0 isobars") << "a zero step draws nothing";
    series.property = kS;
    series.to = "0";
    series.increment = "1";
    EXPECT_EQ(Describe(Step{series}), "series of 1 isentrope");
}

TEST(JournalTest, FlatStepsStartAfreshAtEachOpen) {
    const Step open{OpenCommand{"a.calorix", {Click(1, 300), Step{ClearCommand{}}}}};
    EXPECT_EQ(FlatSteps({Locate({"1", "", "", "", ""}), open, Click(2, 400)}),
              (std::vector<Step>{Click(1, 300), Step{ClearCommand{}}, Click(2, 400)}));
    const Step nested{OpenCommand{"b.calorix", {Click(9, 900), open}}};
    EXPECT_EQ(FlatSteps({nested}), (std::vector<Step>{Click(1, 300), Step{ClearCommand{}}}));
    EXPECT_TRUE(FlatSteps({}).empty());
}

// The model the flat steps start under is the last Open's, whatever was
// chosen before it.
TEST(JournalTest, TheFlatStepsStartUnderTheLastOpensModel) {
    const Step toIf97{ModelCommand{"if97"}};
    const Step openIf97{OpenCommand{"a.calorix", {Click(1, 300)}, "if97"}};
    const Step openClassic{OpenCommand{"b.calorix", {toIf97}, "classic"}};
    EXPECT_EQ(FlatStartModel({Click(2, 400), toIf97}, "classic"), "classic");
    EXPECT_EQ(FlatStartModel({Click(2, 400)}, "if97"), "if97");
    EXPECT_EQ(FlatStartModel({toIf97, openIf97, Click(2, 400)}, "classic"), "if97");
    EXPECT_EQ(FlatStartModel({openIf97, openClassic}, "if97"), "classic");
    EXPECT_EQ(FlatStartModel({Step{OpenCommand{"c.calorix", {openIf97}, "classic"}}}, "classic"),
              "if97");
}

}  // namespace
}  // namespace calorix::journal
