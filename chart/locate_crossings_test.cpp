// Options > Locate crossings: the state where the two lines of an unsolved
// pair cross, found, marked and listed, through the real chart window.
#include <QAction>
#include <algorithm>
#include <vector>

#include "lines/crossings.h"
#include "surface/mouse_pointer.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

class LocateCrossingsTest : public test::ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        ASSERT_NE(Chart().findChild<QAction*>(QStringLiteral("mnuLocateCrossings")), nullptr);
        start_ = Chart().DisplayList().size();
    }

    QAction& Option() { return *Chart().findChild<QAction*>(QStringLiteral("mnuLocateCrossings")); }
    void TurnOn() {
        if (!Option().isChecked()) Option().trigger();
        ASSERT_TRUE(Option().isChecked());
    }
    void Enter(int first, const QString& firstText, int second, const QString& secondText) {
        Type(first, firstText);
        Type(second, secondText);
        PressEnter(second);
    }
    QStringList Printed() { return ChartDriving::Printed(start_); }
    bool DrawnIn(int qbColor) {
        for (const LinePrimitive& line : Drawn<LinePrimitive>(start_)) {
            if (line.color == QBColor(qbColor)) return true;
        }
        return false;
    }
    // The circles drawn around the chart point of a state.
    int CirclesAt(const ModelState& state) {
        const ChartPoint p = area_->Frame().Map(state.s, state.T);
        int count = 0;
        for (const CirclePrimitive& circle : Drawn<CirclePrimitive>(start_)) {
            if (circle.x == float(p.x) && circle.y == float(p.y)) {
                EXPECT_EQ(circle.color, QBColor(9)) << "in the location colour";
                ++count;
            }
        }
        return count;
    }

    size_t start_ = 0;
};

TEST_F(LocateCrossingsTest, OffAtTheFirstRunTheUnsolvedPairExplainsAndDrawsTheLines) {
    EXPECT_TRUE(Option().isCheckable());
    EXPECT_FALSE(Option().isChecked());
    EXPECT_EQ(Option().text(), "Locate crossings");
    const QString panelBefore = Chart().Panel().Caption();
    Enter(kP, "1", kH, "2500");
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_TRUE(messages_.Calls()[0].prompt.startsWith("The specified point may be located"));
    EXPECT_TRUE(DrawnIn(13) && DrawnIn(3)) << "the isobar and the isenthalp";
    EXPECT_TRUE(Drawn<CirclePrimitive>(start_).empty());
    EXPECT_EQ(Chart().Panel().Caption(), panelBefore);
}

TEST_F(LocateCrossingsTest, OnTheCrossingInTheDomeIsMarkedAndListedWithoutAMessage) {
    Enter(kP, "1", kH, "2500");
    ASSERT_EQ(messages_.Calls().size(), 1u);
    const auto& list = Chart().DisplayList();
    const std::vector<Primitive> withoutOption(list.begin() + long(start_), list.end());
    Chart().ClearButton().click();  // answered Yes
    start_ = list.size();

    TurnOn();
    Enter(kP, "1", kH, "2500");
    EXPECT_EQ(messages_.Calls().size(), 2u) << "only Clear's question";
    // The two lines exactly as without the option, then the crossing.
    const std::vector<Primitive> withOption(list.begin() + long(start_), list.end());
    ASSERT_GT(withOption.size(), withoutOption.size());
    EXPECT_TRUE(std::equal(withoutOption.begin(), withoutOption.end(), withOption.begin()));
    EXPECT_EQ(Printed().back(), "(P=1, h=2500)");
    const std::vector<ModelState> crossing = FindCrossings(BoxPair::kPh, 1, 2500);
    ASSERT_EQ(crossing.size(), 1u);
    // Draw's marker (two coincident circles) and Locate's circle.
    EXPECT_EQ(CirclesAt(crossing[0]), 3);
    EXPECT_EQ(Drawn<CirclePrimitive>(start_).size(), 3u);
    EXPECT_EQ(area_->Point().PointS, crossing[0].s);
    EXPECT_EQ(area_->Point().PointT, 453.02) << "truncated by the panel";

    const QStringList lines = PanelLines();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[0], "Location:");
    EXPECT_EQ(lines[1], "T  = 453.02");
    EXPECT_TRUE(lines[2].startsWith("P  = .99")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], "x  = .861");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Box(i).text(), "") << i;
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
}

TEST_F(LocateCrossingsTest, OnASuperheatedCrossingGetsTheSuperheatedPanel) {
    TurnOn();
    Enter(kV, "0.2", kS, "7");
    EXPECT_TRUE(messages_.Calls().empty());
    const std::vector<ModelState> crossing = FindCrossings(BoxPair::kvs, 0.2, 7);
    ASSERT_EQ(crossing.size(), 1u);
    ASSERT_FALSE(crossing[0].x);
    EXPECT_EQ(CirclesAt(crossing[0]), 3);
    EXPECT_EQ(Printed().back(), "(v=0.2, s=7)");
    const QStringList lines = PanelLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[1].startsWith("T= ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[6].startsWith("s= 6.99") || lines[6].startsWith("s= 7"))
        << lines[6].toStdString();
}

TEST_F(LocateCrossingsTest, EveryCrossingIsMarkedAndTheLowestListed) {
    TurnOn();
    // At 1 MPa this enthalpy belongs to a wet state and to a superheated
    // one 0.38 K higher.
    Enter(kP, "1", kH, "2777.5");
    const std::vector<ModelState> crossings = FindCrossings(BoxPair::kPh, 1, 2777.5);
    ASSERT_EQ(crossings.size(), 2u);
    EXPECT_EQ(CirclesAt(crossings[0]), 3) << "marked, and circled by Locate";
    EXPECT_EQ(CirclesAt(crossings[1]), 2) << "marked";
    EXPECT_EQ(Printed().count("(P=1, h=2777.5)"), 2);
    EXPECT_EQ(PanelLines()[1], "T  = 453.02") << "the wet state, the lower";
}

TEST_F(LocateCrossingsTest, WhereNoStateHasBothValuesThePanelSaysSo) {
    TurnOn();
    Enter(kH, "200", kS, "12");
    EXPECT_TRUE(messages_.Calls().empty());
    EXPECT_TRUE(DrawnIn(3) && DrawnIn(6)) << "the isenthalp and the isentrope";
    // Only the isentrope's end circles.
    EXPECT_EQ(Drawn<CirclePrimitive>(start_).size(), 2u);
    EXPECT_EQ(Chart().Panel().Caption(), "Location:\rNo state has both\r");
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);

    // A pair that is located afterwards replaces the note.
    Enter(kT, "500", kP, "1");
    EXPECT_EQ(PanelLines()[1], "T= 500");
}

TEST_F(LocateCrossingsTest, TheChoiceIsKeptForTheNextWindowAndTheNextRun) {
    TurnOn();
    Chart().findChild<QAction*>(QStringLiteral("mnuClose"))->trigger();
    ASSERT_EQ(area_->Chart(), nullptr);
    area_->OpenChartWindow();
    ASSERT_NE(area_->Chart(), nullptr);
    EXPECT_TRUE(Option().isChecked()) << "a reopened chart window";

    // A new client area stands for the next run of the program.
    area_ = std::make_unique<ChartArea>(messages_);
    area_->OpenChartWindow();
    EXPECT_TRUE(Option().isChecked());
    Option().trigger();
    area_ = std::make_unique<ChartArea>(messages_);
    area_->OpenChartWindow();
    EXPECT_FALSE(Option().isChecked());
}

}  // namespace
}  // namespace calorix
