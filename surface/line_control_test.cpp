// Line controls: overlay lines drawn over the display list, such as the
// cross-hair that follows the mouse.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/test_support.h"

namespace calorix {
namespace {

using test::CountOtherThan;
using test::PaintRecorder;
using test::PixelColor;
using test::Snapshot;

constexpr float kTwips = 15.0f;  // one pixel at the headless screen's 96 DPI
const QColor kWhite(255, 255, 255);
const QColor kLightGrey(192, 192, 192);

TEST(LineControlTest, StartsHiddenAtTheOriginWithItsNameAndColour) {
    LineControl line("Line1", kLightGrey);
    EXPECT_EQ(line.objectName(), QStringLiteral("Line1"));
    EXPECT_EQ(line.BorderColor(), kLightGrey);
    EXPECT_FALSE(line.Visible());
    EXPECT_EQ(line.X1(), 0.0f);
    EXPECT_EQ(line.Y1(), 0.0f);
    EXPECT_EQ(line.X2(), 0.0f);
    EXPECT_EQ(line.Y2(), 0.0f);
}

TEST(LineControlTest, ReportsChangesThatShowAndOnlyThose) {
    LineControl line("Line2", kLightGrey);
    QSignalSpy changed(&line, &LineControl::Changed);
    line.SetX1(558.75f);
    line.SetY1(5292.0f);
    line.SetX2(8940.0f);
    line.SetY2(5292.0f);
    line.SetVisible(true);
    line.SetBorderColor(QBColor(0));
    EXPECT_EQ(changed.count(), 6);
    EXPECT_EQ(line.X1(), 558.75f);
    EXPECT_EQ(line.Y1(), 5292.0f);
    EXPECT_EQ(line.X2(), 8940.0f);
    EXPECT_EQ(line.Y2(), 5292.0f);

    changed.clear();
    line.SetX1(558.75f);
    line.SetVisible(true);
    line.SetLine(558.75f, 5292.0f, 8940.0f, 5292.0f);
    line.SetBorderColor(QBColor(0));
    EXPECT_EQ(changed.count(), 0);

    line.SetLine(1, 2, 3, 4);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(line.X1(), 1.0f);
    EXPECT_EQ(line.Y2(), 4.0f);
}

class OverlayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        surface_.resize(200, 120);
        ASSERT_EQ(surface_.logicalDpiX(), 96);
        line1_ = surface_.AddLineControl("Line1", kLightGrey);
        line2_ = surface_.AddLineControl("Line2", kLightGrey);
    }

    void ShowAndSettle() {
        surface_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface_));
        QCoreApplication::processEvents();
    }

    DrawingSurface surface_;
    LineControl* line1_ = nullptr;
    LineControl* line2_ = nullptr;
};

TEST_F(OverlayTest, TheSurfaceOwnsItsNamedLineControls) {
    EXPECT_EQ(surface_.findChild<LineControl*>("Line1"), line1_);
    EXPECT_EQ(surface_.findChild<LineControl*>("Line2"), line2_);
    EXPECT_EQ(surface_.LineControls(), (std::vector<LineControl*>{line1_, line2_}));
    delete line1_;
    EXPECT_EQ(surface_.LineControls(), (std::vector<LineControl*>{line2_}));
    EXPECT_EQ(CountOtherThan(Snapshot(surface_), surface_.rect(), kWhite), 0);
}

TEST_F(OverlayTest, VisibleLinesAreDrawnButAreNotInTheDisplayList) {
    line1_->SetLine(50 * kTwips, 10 * kTwips, 50 * kTwips, 100 * kTwips);
    line2_->SetLine(10 * kTwips, 100 * kTwips, 150 * kTwips, 100 * kTwips);
    EXPECT_EQ(CountOtherThan(Snapshot(surface_), surface_.rect(), kWhite), 0);  // hidden

    line1_->SetVisible(true);
    line2_->SetVisible(true);
    const QImage image = Snapshot(surface_);
    EXPECT_TRUE(surface_.DisplayList().empty());
    for (int y = 10; y <= 100; ++y)
        EXPECT_EQ(PixelColor(image, 50, y), kLightGrey);
    for (int x = 10; x <= 150; ++x)
        EXPECT_EQ(PixelColor(image, x, 100), kLightGrey);
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 91 + 141 - 1);
}

TEST_F(OverlayTest, LinesLieOverTheDrawingAndLeaveItIntactWhenMoved) {
    ShowAndSettle();
    surface_.SetForeColor(QBColor(12));
    surface_.Line(0, 60 * kTwips, 199 * kTwips, 60 * kTwips);
    surface_.Refresh();
    line1_->SetLine(80 * kTwips, 0, 80 * kTwips, 119 * kTwips);
    line1_->SetVisible(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(PixelColor(Snapshot(surface_), 80, 60), kLightGrey);

    line1_->SetX1(120 * kTwips);
    line1_->SetX2(120 * kTwips);
    QCoreApplication::processEvents();
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(PixelColor(image, 80, 60), QBColor(12));
    EXPECT_EQ(PixelColor(image, 80, 30), kWhite);
    EXPECT_EQ(PixelColor(image, 120, 30), kLightGrey);
    EXPECT_EQ(PixelColor(image, 120, 60), kLightGrey);
}

TEST_F(OverlayTest, ClsLeavesTheLinesInPlace) {
    line2_->SetLine(10 * kTwips, 100 * kTwips, 150 * kTwips, 100 * kTwips);
    line2_->SetVisible(true);
    surface_.Line(0, 0, 199 * kTwips, 0);
    surface_.Cls();
    const QImage image = Snapshot(surface_);
    EXPECT_TRUE(line2_->Visible());
    EXPECT_EQ(PixelColor(image, 70, 100), kLightGrey);
    EXPECT_EQ(PixelColor(image, 70, 0), kWhite);
}

TEST_F(OverlayTest, MovingALineRepaintsOnlyWhereItWasAndWhereItGoes) {
    line1_->SetLine(50 * kTwips, 10 * kTwips, 50 * kTwips, 30 * kTwips);
    line1_->SetVisible(true);
    ShowAndSettle();
    PaintRecorder recorder(surface_);
    line1_->SetLine(150 * kTwips, 80 * kTwips, 150 * kTwips, 100 * kTwips);
    QCoreApplication::processEvents();
    ASSERT_GE(recorder.Count(), 1);
    const QRegion& painted = recorder.Painted();
    EXPECT_TRUE(painted.contains(QRect(50, 10, 1, 21)));
    EXPECT_TRUE(painted.contains(QRect(150, 80, 1, 21)));
    EXPECT_FALSE(painted.contains(QPoint(100, 55)));
    EXPECT_LE(painted.boundingRect().height(), 120);
    int area = 0;
    for (const QRect& r : painted)
        area += r.width() * r.height();
    EXPECT_LE(area, 2 * (1 + 6) * (21 + 6));
}

}  // namespace
}  // namespace calorix
