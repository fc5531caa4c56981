// What the drawing surface really paints: pixels of grabbed snapshots and the
// regions its paint events cover. The headless screen has 96 DPI, so one pixel
// is 15 twips and pixel (n, m) stands for the twips point (15 n, 15 m).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtTest/QTest>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/test_support.h"

namespace calorix {
namespace {

using test::CountOtherThan;
using test::MostlyInk;
using test::PaintRecorder;
using test::PixelColor;
using test::Snapshot;

constexpr float kTwips = 15.0f;  // one pixel
const QColor kWhite(255, 255, 255);

class SurfacePaintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        surface_.resize(200, 120);
        ASSERT_EQ(surface_.logicalDpiX(), 96);
    }

    // Shows the surface and lets the first paint happen.
    void ShowAndSettle() {
        surface_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface_));
        QCoreApplication::processEvents();
    }

    DrawingSurface surface_;
};

TEST_F(SurfacePaintTest, BlankSurfaceIsWhite) {
    const QImage image = Snapshot(surface_);
    ASSERT_EQ(image.size(), QSize(200, 120));
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 0);
}

TEST_F(SurfacePaintTest, HorizontalLineCoversItsPixelsInItsColour) {
    surface_.SetForeColor(QBColor(12));
    surface_.Line(10 * kTwips, 20 * kTwips, 100 * kTwips, 20 * kTwips);
    const QImage image = Snapshot(surface_);
    for (int x = 10; x <= 100; ++x) {
        EXPECT_EQ(PixelColor(image, x, 20), QBColor(12)) << "x " << x;
    }
    EXPECT_EQ(PixelColor(image, 9, 20), kWhite);
    EXPECT_EQ(PixelColor(image, 101, 20), kWhite);
    EXPECT_EQ(CountOtherThan(image, QRect(0, 0, 200, 20), kWhite), 0);
    EXPECT_EQ(CountOtherThan(image, QRect(0, 21, 200, 99), kWhite), 0);
}

TEST_F(SurfacePaintTest, VerticalLineCoversItsPixelsInItsColour) {
    surface_.SetForeColor(QBColor(2));
    surface_.Line(30 * kTwips, 100 * kTwips, 30 * kTwips, 5 * kTwips);
    const QImage image = Snapshot(surface_);
    for (int y = 5; y <= 100; ++y)
        EXPECT_EQ(PixelColor(image, 30, y), QBColor(2)) << "y " << y;
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 96);
}

TEST_F(SurfacePaintTest, ZeroLengthLineIsOnePixel) {
    surface_.SetForeColor(QBColor(9));
    surface_.Line(50 * kTwips, 60 * kTwips, 50 * kTwips, 60 * kTwips);
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(PixelColor(image, 50, 60), QBColor(9));
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 1);
}

TEST_F(SurfacePaintTest, BoxDrawsFourEdgesAndLeavesTheInsideEmpty) {
    surface_.Box(20 * kTwips, 80 * kTwips, 120 * kTwips, 10 * kTwips);
    const QImage image = Snapshot(surface_);
    const QColor black(0, 0, 0);
    for (const QPoint corner : {QPoint(20, 80), QPoint(120, 80), QPoint(20, 10), QPoint(120, 10)}) {
        EXPECT_EQ(PixelColor(image, corner.x(), corner.y()), black)
            << corner.x() << "," << corner.y();
    }
    EXPECT_EQ(PixelColor(image, 70, 10), black);
    EXPECT_EQ(PixelColor(image, 70, 80), black);
    EXPECT_EQ(PixelColor(image, 20, 45), black);
    EXPECT_EQ(PixelColor(image, 120, 45), black);
    EXPECT_EQ(CountOtherThan(image, QRect(21, 11, 99, 69), kWhite), 0);
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 2 * 101 + 2 * 69);
}

// The chart's frame at 558.75 twips, a quarter pixel off the grid: its edges
// and ticks stand on whole pixels in full black, not smeared over two grey
// columns; a slanting line keeps its smoothing.
TEST_F(SurfacePaintTest, AxisParallelLinesOffTheGridAreSharpAndBlack) {
    const QColor black(0, 0, 0);
    surface_.Box(558.75f, 1500.6f, 2250.4f, 300.25f);   // pixels 37.25, 100.04, 150.03, 20.02
    surface_.Line(1200.7f, 300.25f, 1200.7f, 375.25f);  // a tick: column 80.05, rows 20..25
    surface_.Line(558.75f, 900.5f, 633.75f, 900.5f);    // a tick: row 60.03, columns 37..42
    const QImage image = Snapshot(surface_);
    for (int y = 20; y <= 100; ++y) {
        EXPECT_EQ(PixelColor(image, 37, y), black) << "left edge, y " << y;
        EXPECT_EQ(PixelColor(image, 150, y), black) << "right edge, y " << y;
    }
    for (int x = 37; x <= 150; ++x) {
        EXPECT_EQ(PixelColor(image, x, 20), black) << "top edge, x " << x;
        EXPECT_EQ(PixelColor(image, x, 100), black) << "bottom edge, x " << x;
    }
    for (int y = 20; y <= 25; ++y)
        EXPECT_EQ(PixelColor(image, 80, y), black) << "tick, y " << y;
    for (int x = 37; x <= 42; ++x)
        EXPECT_EQ(PixelColor(image, x, 60), black) << "tick, x " << x;
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 2 * 114 + 2 * 79 + 5 + 5);

    surface_.Cls();
    surface_.Line(10 * kTwips, 10 * kTwips, 90.5f * kTwips, 47.25f * kTwips);
    const QImage slanting = Snapshot(surface_);
    int partly = 0;
    for (int y = 0; y < slanting.height(); ++y) {
        for (int x = 0; x < slanting.width(); ++x) {
            const QColor pixel = PixelColor(slanting, x, y);
            partly += pixel != kWhite && pixel != black;
        }
    }
    EXPECT_GT(partly, 20) << "a slanting line is antialiased";
}

TEST_F(SurfacePaintTest, CircleDrawsItsOutlineOnly) {
    surface_.SetForeColor(QBColor(5));
    surface_.Circle(100 * kTwips, 60 * kTwips, 30 * kTwips);
    const QImage image = Snapshot(surface_);
    // Where the outline crosses the axes through the centre it is nearly
    // fully covered (antialiased, so not quite the pure colour).
    EXPECT_TRUE(MostlyInk(PixelColor(image, 130, 60), QBColor(5)));
    EXPECT_TRUE(MostlyInk(PixelColor(image, 70, 60), QBColor(5)));
    EXPECT_TRUE(MostlyInk(PixelColor(image, 100, 30), QBColor(5)));
    EXPECT_TRUE(MostlyInk(PixelColor(image, 100, 90), QBColor(5)));
    EXPECT_EQ(CountOtherThan(image, QRect(85, 45, 31, 31), kWhite), 0);  // inside
    EXPECT_EQ(CountOtherThan(image, QRect(0, 0, 68, 120), kWhite), 0);   // left of it
    EXPECT_EQ(CountOtherThan(image, QRect(0, 93, 200, 27), kWhite), 0);  // below it
}

// A circle shows in its own colour, whatever was drawn before it and
// whatever the fore colour is when the drawing is painted.
TEST_F(SurfacePaintTest, ACircleIsPaintedInItsOwnColour) {
    surface_.SetForeColor(QBColor(12));
    surface_.Line(10 * kTwips, 10 * kTwips, 60 * kTwips, 40 * kTwips);
    surface_.SetForeColor(QBColor(9));
    surface_.Circle(100 * kTwips, 60 * kTwips, 30 * kTwips);
    surface_.SetForeColor(QBColor(14));
    const QImage image = Snapshot(surface_);
    for (const QPoint crossing :
         {QPoint(130, 60), QPoint(70, 60), QPoint(100, 30), QPoint(100, 90)}) {
        EXPECT_TRUE(MostlyInk(PixelColor(image, crossing.x(), crossing.y()), QBColor(9)))
            << crossing.x() << "," << crossing.y();
    }
}

TEST_F(SurfacePaintTest, PrintedTextInksTheCellBelowAndRightOfThePoint) {
    QFont font = surface_.font();
    font.setPixelSize(16);
    surface_.setFont(font);
    surface_.SetForeColor(QBColor(4));
    surface_.Line(40 * kTwips, 30 * kTwips, 40 * kTwips, 30 * kTwips);
    surface_.Print("MMM");
    const QImage image = Snapshot(surface_);
    // The dot at the point plus the letters.
    EXPECT_GT(CountOtherThan(image, QRect(40, 30, 60, 20), kWhite), 30);
    EXPECT_EQ(CountOtherThan(image, QRect(0, 0, 200, 29), kWhite), 0);
    EXPECT_EQ(CountOtherThan(image, QRect(0, 0, 39, 120), kWhite), 0);
    bool inkInTextColour = false;
    for (int y = 30; y < 50 && !inkInTextColour; ++y) {
        for (int x = 41; x < 100 && !inkInTextColour; ++x) {
            inkInTextColour = PixelColor(image, x, y) == QBColor(4);
        }
    }
    EXPECT_TRUE(inkInTextColour);
}

TEST_F(SurfacePaintTest, ClsErasesWhatWasPainted) {
    ShowAndSettle();
    surface_.Line(0, 0, 199 * kTwips, 119 * kTwips);
    surface_.Circle(100 * kTwips, 60 * kTwips, 20 * kTwips);
    surface_.Refresh();
    ASSERT_GT(CountOtherThan(Snapshot(surface_), surface_.rect(), kWhite), 0);
    surface_.Cls();
    QCoreApplication::processEvents();
    EXPECT_EQ(CountOtherThan(Snapshot(surface_), surface_.rect(), kWhite), 0);
    surface_.Line(10 * kTwips, 10 * kTwips, 10 * kTwips, 10 * kTwips);
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 1);
}

TEST_F(SurfacePaintTest, DrawingPersistsAcrossPaintsAndResizes) {
    ShowAndSettle();
    surface_.SetForeColor(QBColor(12));
    surface_.Line(10 * kTwips, 10 * kTwips, 50 * kTwips, 10 * kTwips);
    surface_.Refresh();
    surface_.SetForeColor(QBColor(2));
    surface_.Line(10 * kTwips, 20 * kTwips, 50 * kTwips, 20 * kTwips);
    surface_.Line(10 * kTwips, 150 * kTwips, 250 * kTwips, 150 * kTwips);  // beyond the edge
    surface_.Refresh();
    surface_.repaint();  // as when the window is uncovered

    QImage image = Snapshot(surface_);
    EXPECT_EQ(PixelColor(image, 30, 10), QBColor(12));
    EXPECT_EQ(PixelColor(image, 30, 20), QBColor(2));

    surface_.resize(300, 200);
    QCoreApplication::processEvents();
    image = Snapshot(surface_);
    ASSERT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(PixelColor(image, 30, 10), QBColor(12));
    EXPECT_EQ(PixelColor(image, 30, 20), QBColor(2));
    EXPECT_EQ(PixelColor(image, 249, 150), QBColor(2));  // now inside
    EXPECT_EQ(CountOtherThan(image, QRect(0, 160, 300, 40), kWhite), 0);
}

TEST_F(SurfacePaintTest, RefreshPaintsTheNewDrawingAtOnce) {
    ShowAndSettle();
    PaintRecorder recorder(surface_);
    surface_.SetForeColor(QBColor(1));
    surface_.Line(20 * kTwips, 30 * kTwips, 60 * kTwips, 40 * kTwips);
    EXPECT_EQ(recorder.Count(), 0);  // asked for, not yet painted
    surface_.Refresh();
    ASSERT_EQ(recorder.Count(), 1);
    EXPECT_TRUE(recorder.Painted().contains(QPoint(20, 30)));
    EXPECT_TRUE(recorder.Painted().contains(QPoint(60, 40)));

    recorder.Clear();
    surface_.Refresh();  // nothing new: nothing to paint
    EXPECT_EQ(recorder.Count(), 0);
}

// A slanting polyline across the surface, in 40 segments, each followed by a
// Refresh as a construction draws it.
void DrawSlantWithRefreshes(DrawingSurface& surface) {
    surface.SetForeColor(QBColor(1));
    surface.Line(10 * kTwips, 10 * kTwips, 10 * kTwips, 10 * kTwips);
    for (int i = 1; i <= 40; ++i) {
        surface.LineTo(float(10 + 4.5 * i) * kTwips, float(10 + 2.5 * i) * kTwips);
        surface.Refresh();
    }
}

TEST_F(SurfacePaintTest, ACommandPaintsAtMostOnceAFrameAndTheRestWhenItReturns) {
    ShowAndSettle();
    PaintRecorder recorder(surface_);
    QElapsedTimer clock;
    clock.start();
    {
        const DrawingSurface::CommandScope command(surface_);
        DrawSlantWithRefreshes(surface_);
        EXPECT_LE(recorder.Count(), clock.elapsed() / 16 + 1);
    }
    QCoreApplication::processEvents();
    // Along the line only, not its whole bounding box.
    const QRegion painted = recorder.Painted();
    EXPECT_FALSE(painted.contains(QPoint(180, 20)));
    EXPECT_FALSE(painted.contains(QPoint(20, 100)));
    const QImage image = Snapshot(surface_);
    for (const QPoint& p : {QPoint(10, 10), QPoint(100, 60), QPoint(190, 110)}) {
        EXPECT_TRUE(painted.contains(p)) << p.x() << "," << p.y();
        EXPECT_TRUE(MostlyInk(PixelColor(image, p.x(), p.y()), QBColor(1))) << p.x();
    }
}

TEST_F(SurfacePaintTest, WhatACommandDrewShowsWhenAnEventLoopRunsInsideIt) {
    // As under a message box that the command shows before it returns.
    ShowAndSettle();
    PaintRecorder recorder(surface_);
    const DrawingSurface::CommandScope command(surface_);
    DrawSlantWithRefreshes(surface_);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.Painted().contains(QPoint(100, 60)));
    EXPECT_TRUE(recorder.Painted().contains(QPoint(190, 110)));
}

TEST_F(SurfacePaintTest, ANewPrimitiveRepaintsOnlyItsOwnRectangle) {
    ShowAndSettle();
    surface_.Line(110 * kTwips, 0, 110 * kTwips, 119 * kTwips);
    surface_.Refresh();
    PaintRecorder recorder(surface_);
    surface_.Line(100 * kTwips, 50 * kTwips, 120 * kTwips, 50 * kTwips);
    QCoreApplication::processEvents();
    ASSERT_GE(recorder.Count(), 1);
    const QRect painted = recorder.Painted().boundingRect();
    EXPECT_TRUE(painted.contains(QRect(100, 50, 21, 1)));
    EXPECT_LE(painted.width(), 21 + 6);
    EXPECT_LE(painted.height(), 1 + 6);
    // The earlier line is still there in the part that was repainted.
    ASSERT_TRUE(painted.contains(QPoint(110, 52)));
    EXPECT_EQ(PixelColor(Snapshot(surface_), 110, 52), QColor(0, 0, 0));
}

TEST_F(SurfacePaintTest, BackgroundIsThePalettesBaseColour) {
    QPalette palette = surface_.palette();
    palette.setColor(QPalette::Base, QBColor(14));
    surface_.setPalette(palette);
    surface_.Line(10 * kTwips, 10 * kTwips, 10 * kTwips, 10 * kTwips);
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(PixelColor(image, 100, 100), QBColor(14));
    EXPECT_EQ(PixelColor(image, 10, 10), QColor(0, 0, 0));
    EXPECT_EQ(CountOtherThan(image, image.rect(), QBColor(14)), 1);
}

TEST_F(SurfacePaintTest, FarAwayCoordinatesPaintTheVisiblePartOnly) {
    surface_.SetForeColor(QBColor(12));
    surface_.Line(-3.0e38f, 40 * kTwips, 3.0e38f, 40 * kTwips);
    surface_.Circle(-1.0e30f, 5.0f, 1.0e30f);
    surface_.Line(3.0e38f, 3.0e38f, 3.0e38f, 3.0e38f);
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(PixelColor(image, 0, 40), QBColor(12));
    EXPECT_EQ(PixelColor(image, 199, 40), QBColor(12));
    EXPECT_EQ(PixelColor(image, 100, 80), kWhite);
}

}  // namespace
}  // namespace calorix
