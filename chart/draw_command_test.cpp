// The Draw command through the real chart window: unit suffixes, the range
// check, the count of boxes, and each single-property line.
#include <QAction>

#include "surface/mouse_pointer.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

class DrawTest : public test::ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        start_ = Chart().DisplayList().size();
    }

    // Presses Draw on the boxes as they stand.
    void Draw() { Chart().DrawButton().click(); }
    // What the last command printed.
    QStringList Printed() { return ChartDriving::Printed(start_); }
    size_t DrawnCount() const { return area_->Chart()->DisplayList().size() - start_; }
    QStringList Prompts() const {
        QStringList prompts;
        for (const MsgBoxCall& call : messages_.Calls())
            prompts << call.prompt;
        return prompts;
    }

    size_t start_ = 0;
};

const QString kRangeHeader =
    "The value specified for the following variables is beyond the\r"
    "limits of the T-s diagram\r\r"
    "Make sure that the values are in the range given against each\r"
    "parameter\r\r";

TEST_F(DrawTest, AllBoxesEmptyDrawNothingAndEndWithTheCrossHair) {
    Chart().SetMousePointer(kMousePointerDefault);
    Draw();
    EXPECT_EQ(DrawnCount(), 0u);
    EXPECT_TRUE(messages_.Calls().empty());
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
}

TEST_F(DrawTest, CelsiusAndKiloPascalSuffixesAreRewrittenInTheBoxes) {
    Box(kT).setText("25c");
    Draw();
    EXPECT_EQ(Box(kT).text(), "298");
    EXPECT_EQ(Printed(), QStringList{"T = 298 K"});

    Box(kT).clear();
    Box(kP).setText("100k");
    Draw();
    EXPECT_EQ(Box(kP).text(), " .1");
    EXPECT_EQ(Printed().back(), "P =  .1 MPa") << "two blanks after the equals sign";
}

TEST_F(DrawTest, ALoneCBecomes273WhichIsOutOfRange) {
    Box(kT).setText("c");
    Chart().SetMousePointer(kMousePointerDefault);
    Draw();
    EXPECT_EQ(Box(kT).text(), "273");
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_EQ(messages_.Calls()[0].prompt,
              kRangeHeader + "        1.  Temperature (273.16 - 1273.16  K)\r\r");
    EXPECT_EQ(messages_.Calls()[0].buttons, 0);
    EXPECT_EQ(messages_.Calls()[0].title, "");
    EXPECT_EQ(DrawnCount(), 0u);
    EXPECT_EQ(Chart().MousePointer(), kMousePointerDefault) << "the cursor is not touched";
}

TEST_F(DrawTest, TemperaturesAtTheBoundsPassAndJustBelowOffends) {
    Box(kT).setText("273.16");
    Draw();
    Box(kT).setText("1273.16");
    Draw();
    EXPECT_TRUE(messages_.Calls().empty());
    EXPECT_EQ(Printed(), (QStringList{"T = 273.16 K", "T = 1273.16 K"}));
    // The isotherm at 273.16 K lies along the bottom edge.
    const auto lines = Drawn<LinePrimitive>(start_);
    EXPECT_EQ(lines[0].y1, float(area_->Frame().ChartBottom));
    Box(kT).setText("273.15");
    Draw();
    EXPECT_EQ(messages_.Calls().size(), 1u);
}

TEST_F(DrawTest, TextWithoutANumberReadsZero) {
    Box(kS).setText("abc");
    Draw();
    EXPECT_TRUE(messages_.Calls().empty());
    EXPECT_EQ(Printed(), QStringList{"s = abc kJ/kg-K"});
    const auto lines = Drawn<LinePrimitive>(start_);
    EXPECT_EQ(lines[0].x1, float(area_->Frame().ChartLeft)) << "the isentrope at s = 0";
    Box(kS).clear();
    Box(kT).setText("abc");
    Draw();
    EXPECT_EQ(messages_.Calls().size(), 1u);
}

TEST_F(DrawTest, ThreeBoxesInRangeGiveOnlyTheCountMessage) {
    Box(kT).setText("300");
    Box(kP).setText("1");
    Box(kS).setText("6");
    Chart().SetMousePointer(kMousePointerDefault);
    int pointerDuringMessage = -1;
    messages_.SetOnMsgBox(
        [&](const MsgBoxCall&) { pointerDuringMessage = Chart().MousePointer(); });
    Draw();
    EXPECT_EQ(Prompts(), QStringList{"Please specify either 1 or 2 parameters only."});
    EXPECT_EQ(pointerDuringMessage, kMousePointerHourglass);
    EXPECT_EQ(Chart().MousePointer(), kMousePointerCross);
    EXPECT_EQ(DrawnCount(), 0u);
}

TEST_F(DrawTest, ThreeOffendingBoxesAddTheMoreoverLines) {
    Box(kT).setText("100");
    Box(kV).setText("1000");
    Box(kH).setText("50");
    Draw();
    EXPECT_EQ(Prompts(),
              QStringList{kRangeHeader + "        1.  Temperature (273.16 - 1273.16  K)\r\r"
                                         "        2.  Specific volume (0.005  - 200  m^3/kg)\r\r"
                                         "        3.  Enthalpy (200    - 4600  kJ/kg)\r\r"
                                         "Moreover, please specify upto TWO parameters only\r"
                                         "for locating a state point on the diagram"});
    messages_.SetOnMsgBox(nullptr);
    Box(kH).setText("3000");
    Draw();
    ASSERT_EQ(Prompts().size(), 2);
    EXPECT_EQ(Prompts()[1], kRangeHeader +
                                "        1.  Temperature (273.16 - 1273.16  K)\r\r"
                                "        2.  Specific volume (0.005  - 200  m^3/kg)\r\r");
}

TEST_F(DrawTest, BadInputNeverCrashesOrHangs) {
    const QString inputs[] = {"1e999", "-1e999", "   ",         QString(100000, '9'),
                              "k",     "c",      "nan",         "inf",
                              "0x10",  "1,5",    "--5",         ".",
                              "+",     "1e",     "\u00e9\u4e2d"};
    for (int box = 0; box < 5; ++box) {
        for (const QString& input : inputs) {
            Chart().ClearBoxesButton().click();
            Box(box).setText(input);
            Draw();
        }
    }
    // Every value out of range was refused with the range message.
    for (const MsgBoxCall& call : messages_.Calls())
        EXPECT_TRUE(call.prompt.startsWith(kRangeHeader));
    EXPECT_FALSE(messages_.Calls().empty());
}

TEST_F(DrawTest, IsothermIsALightRedMarkedSegmentAcrossTheChart) {
    Box(kT).setText("500");
    Draw();
    const ChartFrame& f = area_->Frame();
    const auto lines = Drawn<LinePrimitive>(start_);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].color, QBColor(12));
    EXPECT_EQ(lines[0].x1, float(f.ChartLeft));
    EXPECT_EQ(lines[0].x2, float(f.Right()));
    const auto circles = Drawn<CirclePrimitive>(start_);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].radius, 30);
    // The label starts at the centre of the right-hand circle.
    const auto texts = Drawn<TextPrimitive>(start_);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].x, circles[1].x);
    EXPECT_EQ(texts[0].y, circles[1].y);
    EXPECT_EQ(texts[0].color, QBColor(12));
}

TEST_F(DrawTest, IsentropeIsBrownAndLabelledAtItsTop) {
    Box(kS).setText("12");
    Draw();
    const auto lines = Drawn<LinePrimitive>(start_);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].color, QBColor(6));
    EXPECT_EQ(lines[0].x1, float(area_->Frame().Right())) << "s = 12 along the right edge";
    EXPECT_EQ(Printed(), QStringList{"s = 12 kJ/kg-K"});
    EXPECT_EQ(Drawn<TextPrimitive>(start_)[0].y, float(area_->Frame().Top()));
}

TEST_F(DrawTest, MarkersAndLabelsFollowTheOptionsAtEachPress) {
    Chart().findChild<QAction*>("mnuShowMarkers")->trigger();
    Chart().findChild<QAction*>("mnuShowLabels")->trigger();
    Box(kT).setText("600");
    Draw();
    for (const CirclePrimitive& circle : Drawn<CirclePrimitive>(start_))
        EXPECT_EQ(circle.radius, 15);
    EXPECT_TRUE(Printed().isEmpty());
    Chart().findChild<QAction*>("mnuShowMarkers")->trigger();
    const size_t before = Chart().DisplayList().size();
    Draw();
    for (const CirclePrimitive& circle : Drawn<CirclePrimitive>(before))
        EXPECT_EQ(circle.radius, 30);
}

TEST_F(DrawTest, IsobarStoresItsSaturationTemperatureAndEndsAboveTheChart) {
    area_->Point() = {1, 2};
    Box(kP).setText("1");
    Draw();
    EXPECT_NEAR(area_->Point().PointT, 453.0169, 1e-4);
    EXPECT_EQ(area_->Point().PointS, 2);
    const auto lines = Drawn<LinePrimitive>(start_);
    for (const LinePrimitive& line : lines)
        EXPECT_EQ(line.color, QBColor(13));
    EXPECT_LT(lines.back().y2, float(area_->Frame().Top())) << "the last point lies above the top";
    EXPECT_EQ(Printed(), QStringList{"P = 1 MPa"});
}

TEST_F(DrawTest, IsochoreOfTheSmallestVolumeLeavesTheDomeAt638K) {
    Box(kV).setText("0.005");
    Draw();
    const ChartFrame& f = area_->Frame();
    const auto lines = Drawn<LinePrimitive>(start_);
    ASSERT_GT(lines.size(), 5u);
    for (const LinePrimitive& line : lines)
        EXPECT_EQ(line.color, QBColor(2));
    // The first point is a move to 273.16 K; the two-phase part ends at
    // 638.16 K and the next point is at 643.16 K.
    EXPECT_EQ(lines[0].y1, float(f.ChartBottom));
    auto temperature = [&f](float y) { return f.TemperatureAt(y); };
    bool found = false;
    for (const LinePrimitive& line : lines) {
        if (std::abs(temperature(line.y1) - 638.16) < 0.01) {
            EXPECT_NEAR(temperature(line.y2), 643.16, 0.01);
            found = true;
        }
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(Printed(), QStringList{"v = 0.005 m^3/kg"});
}

TEST_F(DrawTest, IsochoreOf200RunsOnThroughTheSuperheatedRegion) {
    Box(kV).setText("200");
    Draw();
    const auto lines = Drawn<LinePrimitive>(start_);
    const ChartFrame& f = area_->Frame();
    EXPECT_GT(f.TemperatureAt(lines.back().y2), 700);
}

TEST_F(DrawTest, IsenthalpHasNoPointAtTheSearchMidpoint) {
    for (const char* h : {"1000", "2000"}) {
        Chart().ClearBoxesButton().click();
        Box(kH).setText(h);
        const size_t before = Chart().DisplayList().size();
        Draw();
        for (const LinePrimitive& line : Drawn<LinePrimitive>(before)) {
            EXPECT_EQ(line.color, QBColor(3));
            EXPECT_GT(std::abs(area_->Frame().TemperatureAt(line.y2) - 932.305), 0.01) << h;
        }
    }
}

TEST_F(DrawTest, IsenthalpStartingWetPrintsItsLabelTwiceInOnePlace) {
    Box(kH).setText("2500");
    Draw();
    const auto texts = Drawn<TextPrimitive>(start_);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], texts[1]);
    EXPECT_EQ(texts[0].text, "h = 2500 kJ/kg");
}

TEST_F(DrawTest, WithoutLabelsTheLinesStillGetTheirMoves) {
    Chart().findChild<QAction*>("mnuShowLabels")->trigger();
    Box(kH).setText("3000");
    Draw();
    EXPECT_TRUE(Printed().isEmpty());
    EXPECT_GT(Drawn<LinePrimitive>(start_).size(), 10u);
}

}  // namespace
}  // namespace calorix
