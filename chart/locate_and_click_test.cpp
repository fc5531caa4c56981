// Two boxes, Locate, the mouse readout and the click panel, through the real
// chart window.
#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QWindow>

#include "steam/saturated_properties.h"
#include "surface/mouse_pointer.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

class LocateTest : public test::ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        start_ = Chart().DisplayList().size();
    }
    QStringList Printed() { return ChartDriving::Printed(start_); }
    QString StatusPanel(int i) const { return readout_[size_t(i - 1)]; }
    QPointF At(double s, double T) const {
        const ChartPoint p = area_->Frame().Map(s, T);
        return {p.x, p.y};
    }
    void Click(double s, double T) {
        const QPointF p = At(s, T);
        emit Chart().MouseDown(float(p.x()), float(p.y()));
    }

    size_t start_ = 0;
};

TEST_F(LocateTest, TemperatureAndPressureMarkASuperheatedStateAndListIt) {
    Type(kT, "500");
    Type(kP, "1");
    PressEnter(kP);
    const auto circles = Drawn<CirclePrimitive>(start_);
    // Draw's marker (two coincident circles) and Locate's circle, all light blue.
    ASSERT_EQ(circles.size(), 3u);
    for (const CirclePrimitive& circle : circles) {
        EXPECT_EQ(circle.color, QBColor(9));
        EXPECT_EQ(circle.radius, 30);
        EXPECT_EQ(circle.x, circles[0].x);
    }
    EXPECT_EQ(Printed(), QStringList{"(T=500, P=1)"});
    const QStringList lines = PanelLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "Location:");
    EXPECT_EQ(lines[1], "T= 500");
    EXPECT_TRUE(lines[2].startsWith("P= .99") || lines[2].startsWith("P= 1"))
        << lines[2].toStdString();
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
}

TEST_F(LocateTest, TemperatureAndEntropyUnderTheDomeGiveTheWetPanel) {
    Type(kT, "400");
    Type(kS, "4");
    PressEnter(kS);
    const QStringList lines = PanelLines();
    ASSERT_EQ(lines.size(), 15);
    EXPECT_EQ(lines[1], "T  = 400");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[9], "vf = .001") << "vf with 4 decimals";
    EXPECT_EQ(area_->Point().PointT, 400);
    EXPECT_EQ(area_->Point().PointS, 4);
}

TEST_F(LocateTest, AnUnsolvedPairExplainsAndDrawsBothLines) {
    Type(kP, "1");
    Type(kV, "0.2");
    const QString panelBefore = Chart().Panel().Caption();
    PressEnter(kV);
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_EQ(messages_.Calls()[0].prompt,
              "The specified point may be located manually \r"
              "at the intersection of the lines\r\r"
              "              P = 1 MPa\r"
              "and\r"
              "              v = 0.2 m^3/kg");
    EXPECT_EQ(Printed(), (QStringList{"P = 1 MPa", "v = 0.2 m^3/kg"}));
    bool isobar = false, isochore = false;
    for (const LinePrimitive& line : Drawn<LinePrimitive>(start_)) {
        isobar |= line.color == QBColor(13);
        isochore |= line.color == QBColor(2);
        EXPECT_NE(line.color, QBColor(9));
    }
    EXPECT_TRUE(isobar && isochore);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Box(i).text(), "") << i;
    // Locate found no state to describe.
    EXPECT_EQ(Chart().Panel().Caption(), panelBefore);
    EXPECT_TRUE(Drawn<CirclePrimitive>(start_).empty());
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
}

TEST_F(LocateTest, AKiloPascalPressureShowsRewrittenInTheMessage) {
    Type(kP, "100K");
    Type(kH, "3000");
    PressEnter(kH);
    ASSERT_FALSE(messages_.Calls().empty());
    EXPECT_TRUE(messages_.Calls()[0].prompt.contains("              P =  .1 MPa\r"));
}

TEST_F(LocateTest, LocateDescribesNothingWhenDrawLocatedNothing) {
    // A stale current point from the mouse must not be described.
    emit Chart().MouseMove(float(At(8, 500).x()), float(At(8, 500).y()));
    const QString panelBefore = Chart().Panel().Caption();
    struct Case {
        const char *t, *p, *h;
    };
    // Two-phase (T, P), an abandoned (T, h), and a value out of range.
    for (const Case& c : {Case{"400", "1", ""}, Case{"300", "", "4600"}, Case{"100", "1", ""}}) {
        Chart().ClearBoxesButton().click();
        Box(kT).setText(c.t);
        Box(kP).setText(c.p);
        Box(kH).setText(c.h);
        const size_t before = Chart().DisplayList().size();
        Chart().LocateButton().click();
        EXPECT_EQ(Chart().Panel().Caption(), panelBefore) << c.t;
        for (const CirclePrimitive& circle : Drawn<CirclePrimitive>(before)) {
            ADD_FAILURE() << "a marker at " << circle.x << ", " << circle.y << " for T = " << c.t;
        }
    }
    EXPECT_EQ(messages_.BeepCount(), 1) << "the abandoned (T, h) search beeps";
}

TEST_F(LocateTest, AnAbandonedSearchLeavesTheArrowAndBeeps) {
    Type(kT, "700");
    Type(kV, "0.005");
    PressEnter(kV);
    EXPECT_EQ(messages_.BeepCount(), 1);
    EXPECT_EQ(Chart().MousePointer(), kMousePointerDefault);
    EXPECT_TRUE(Drawn<CirclePrimitive>(start_).empty());
}

TEST_F(LocateTest, AWetTemperatureAndVolumeEndWithTheCrossHairAfterLocate) {
    Box(kT).setText("400");
    Box(kV).setText("0.2");
    Chart().DrawButton().click();
    EXPECT_EQ(Chart().MousePointer(), kMousePointerDefault) << "Draw alone leaves the arrow";
    Chart().LocateButton().click();
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
    EXPECT_EQ(PanelLines()[1], "T  = 400");
}

TEST_F(LocateTest, OneBoxDoesWhatDrawDoes) {
    const QString panelBefore = Chart().Panel().Caption();
    Type(kT, "400");
    PressEnter(kT);
    EXPECT_EQ(Chart().Panel().Caption(), panelBefore);
    EXPECT_EQ(Drawn<CirclePrimitive>(start_).size(), 2u) << "only the isotherm's end circles";
}

TEST_F(LocateTest, FocusPutsTheCaretAtTheEnd) {
    Box(kV).setText("0.25");
    Box(kT).setFocus();
    QTest::keyClick(&Box(kT), Qt::Key_Tab);
    QTest::keyClick(&Box(kP), Qt::Key_Tab);
    ASSERT_TRUE(Box(kV).hasFocus());
    EXPECT_EQ(Box(kV).cursorPosition(), 4);
    EXPECT_FALSE(Box(kV).hasSelectedText());
    QTest::keyClicks(&Box(kV), "1");
    EXPECT_EQ(Box(kV).text(), "0.251");
}

TEST_F(LocateTest, TheReadoutFollowsThePointer) {
    // One twip inside the top-left corner.
    emit Chart().MouseMove(559.75f, 589.0f);
    EXPECT_EQ(StatusPanel(1), "T =  1272.94 K");
    EXPECT_EQ(StatusPanel(2), "s =  .001 kJ/kg-K");
    EXPECT_EQ(StatusPanel(3), "");
    EXPECT_DOUBLE_EQ(area_->Point().PointT, 1272.94);
    EXPECT_DOUBLE_EQ(area_->Point().PointS, 0.001);
    const LineControl* line1 = Chart().findChild<LineControl*>("Line1");
    EXPECT_EQ(line1->X1(), 559.75f);
    EXPECT_TRUE(line1->Visible());

    // Under the dome the quality shows too.
    const QPointF wet = At(4, 400);
    emit Chart().MouseMove(float(wet.x()), float(wet.y()));
    EXPECT_TRUE(StatusPanel(3).startsWith("x =  .")) << StatusPanel(3).toStdString();

    // On the edge: all three emptied, the point keeps full precision.
    emit Chart().MouseMove(558.75f, 3000.5f);
    EXPECT_EQ(StatusPanel(1), "");
    EXPECT_EQ(StatusPanel(2), "");
    EXPECT_EQ(StatusPanel(3), "");
    EXPECT_EQ(area_->Point().PointS, 0);
    EXPECT_DOUBLE_EQ(area_->Point().PointT, area_->Frame().TemperatureAt(3000.5f));
}

TEST_F(LocateTest, AMoveOverThePanelHidesTheCrossHair) {
    QTest::mouseMove(&Chart(), QPoint(100, 100));
    EXPECT_TRUE(Chart().findChild<LineControl*>("Line1")->Visible());
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&Chart().PanelBox(), &move);
    EXPECT_FALSE(Chart().findChild<LineControl*>("Line1")->Visible());
    EXPECT_FALSE(Chart().findChild<LineControl*>("Line2")->Visible());
    // A click on the panel is no click on the chart.
    const size_t before = Chart().DisplayList().size();
    QTest::mouseClick(&Chart().PanelBox(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 300));
    EXPECT_EQ(Chart().DisplayList().size(), before);
    EXPECT_TRUE(messages_.Calls().empty());
}

// A pointer that goes straight from the chart onto a control of the side
// panel (the panel never sees a move of its own) hides the cross-hair too.
TEST_F(LocateTest, AMoveStraightOntoAPanelControlHidesTheCrossHair) {
    QWindow* window = area_->windowHandle();
    ASSERT_NE(window, nullptr);
    const auto at = [this](QWidget& widget, QPoint point) {
        return widget.mapTo(area_.get(), point);
    };
    QWidget* targets[] = {&Chart().Panel(), &Box(kV), &Chart().ClearButton()};
    for (QWidget* target : targets) {
        QTest::mouseMove(window, at(Chart(), QPoint(200, 150)));
        ASSERT_TRUE(Chart().findChild<LineControl*>("Line1")->Visible());
        QTest::mouseMove(window, at(*target, QPoint(3, 3)));
        EXPECT_FALSE(Chart().findChild<LineControl*>("Line1")->Visible())
            << target->objectName().toStdString();
        EXPECT_FALSE(Chart().findChild<LineControl*>("Line2")->Visible());
    }
}

TEST_F(LocateTest, AClickUnderTheDomeListsTheWetState) {
    Click(4.0, 373.15);
    const QStringList lines = PanelLines();
    ASSERT_EQ(lines.size(), 14);
    EXPECT_TRUE(lines[1].startsWith("T  = 373.1")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith("P  = .10")) << lines[2].toStdString();
    EXPECT_EQ(lines[7], "");
    const auto circles = Drawn<CirclePrimitive>(start_);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].color, QColor(Qt::black));
    EXPECT_EQ(circles[0].radius, 30);
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
}

TEST_F(LocateTest, AClickInTheSuperheatedRegionFindsThePressure) {
    Click(7.5, 500);
    const QStringList lines = PanelLines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[2].startsWith("P= .25")) << lines[2].toStdString();
    EXPECT_TRUE(lines[6].startsWith("s= 7.5") || lines[6].startsWith("s= 7.49"))
        << lines[6].toStdString();
}

TEST_F(LocateTest, AClickAboveTheCriticalPointBelowTheTopIsobarListsNothing) {
    Click(4.5, 700);
    EXPECT_EQ(Chart().Panel().Caption(), "Location:\r");
    EXPECT_EQ(Drawn<CirclePrimitive>(start_).size(), 1u) << "the marker is drawn all the same";
}

TEST_F(LocateTest, ClicksOutsideTheChartAreRefused) {
    const ChartFrame& f = area_->Frame();
    emit Chart().MouseDown(float(f.ChartLeft + 1000), float(f.ChartBottom));  // on the 273.16 line
    EXPECT_TRUE(messages_.Calls().empty());
    emit Chart().MouseDown(float(f.ChartLeft + 1000), float(f.ChartBottom + 5));
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_EQ(messages_.Calls()[0].prompt, "Location outside digram.");
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
}

TEST_F(LocateTest, AClickInTheLiquidShowsOnlyTheHeading) {
    Click(0.5, 350);
    EXPECT_EQ(Chart().Panel().Caption(), "Location:\r");
    EXPECT_TRUE(Drawn<CirclePrimitive>(start_).empty());
}

TEST_F(LocateTest, ARealMouseClickReachesTheHandler) {
    Chart().findChild<QAction*>("mnuShowMarkers")->trigger();
    const QPointF p = At(7.5, 500);
    const double twipsPerPixel = TwipsPerPixel(Chart());
    QTest::mouseClick(&Chart(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(int(p.x() / twipsPerPixel), int(p.y() / twipsPerPixel)));
    const auto circles = Drawn<CirclePrimitive>(start_);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].radius, 15);
    EXPECT_EQ(PanelLines().size(), 7);
}

}  // namespace
}  // namespace calorix
