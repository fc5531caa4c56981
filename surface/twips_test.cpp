#include "surface/twips.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <limits>

namespace calorix {
namespace {

TEST(TwipsPerPixelTest, FollowsTheLogicalDpi) {
    EXPECT_DOUBLE_EQ(TwipsPerPixel(96.0), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(120.0), 12.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(144.0), 10.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(72.0), 20.0);
}

TEST(TwipsPerPixelTest, UnusableDpiCountsAsNinetySix) {
    EXPECT_DOUBLE_EQ(TwipsPerPixel(0.0), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(-96.0), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(std::nan("")), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(std::numeric_limits<double>::infinity()), 15.0);
}

TEST(TwipsPerPixelTest, AWidgetUsesItsScreensLogicalDpi) {
    QWidget widget;
    EXPECT_DOUBLE_EQ(TwipsPerPixel(widget), 1440.0 / widget.logicalDpiX());
}

TEST(TwipsToPixelsTest, RoundsToWholePixelsHalfAwayFromZero) {
    EXPECT_EQ(TwipsToPixels(150.0, 15.0), 10);
    EXPECT_EQ(TwipsToPixels(157.0, 15.0), 10);
    EXPECT_EQ(TwipsToPixels(158.0, 15.0), 11);
    EXPECT_EQ(TwipsToPixels(7.5, 15.0), 1);
    EXPECT_EQ(TwipsToPixels(-7.5, 15.0), -1);
    EXPECT_EQ(TwipsToPixels(-500.0, 15.0), -33);
    EXPECT_EQ(TwipsToPixels(120.0, 12.0), 10);
}

TEST(TwipsToPixelsTest, NonFiniteAndHugeLengthsStayInsideTheIntRange) {
    EXPECT_EQ(TwipsToPixels(std::nan(""), 15.0), 0);
    EXPECT_EQ(TwipsToPixels(1e300, 15.0), std::numeric_limits<int>::max());
    EXPECT_EQ(TwipsToPixels(-1e300, 15.0), std::numeric_limits<int>::min());
    EXPECT_EQ(TwipsToPixels(std::numeric_limits<double>::infinity(), 15.0),
              std::numeric_limits<int>::max());
    EXPECT_EQ(TwipsToPixels(150.0, 0.0), std::numeric_limits<int>::max());
}

TEST(PixelsToTwipsTest, IsTheInverseOfWholePixelLengths) {
    EXPECT_DOUBLE_EQ(PixelsToTwips(10.0, 15.0), 150.0);
    EXPECT_DOUBLE_EQ(PixelsToTwips(-3.0, 12.0), -36.0);
    for (int pixels = -50; pixels <= 50; ++pixels) {
        EXPECT_EQ(TwipsToPixels(PixelsToTwips(pixels, 15.0), 15.0), pixels);
    }
}

// The tests below need the headless screen's usual 96 DPI, 15 twips per pixel.
class TwipsGeometryTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(parent_.logicalDpiX(), 96); }

    QWidget parent_;
};

TEST_F(TwipsGeometryTest, PlacesAChildControlFromTwips) {
    QWidget child(&parent_);
    // A text box of the chart window's side panel: 390, 240, 825, 345 twips.
    SetGeometryTwips(child, 390, 240, 825, 345);
    EXPECT_EQ(child.geometry(), QRect(26, 16, 55, 23));
    EXPECT_EQ(GeometryTwips(child), QRectF(390, 240, 825, 345));
}

TEST_F(TwipsGeometryTest, RoundsPositionsAndSizesToWholePixels) {
    QWidget child(&parent_);
    SetGeometryTwips(child, 30.0, -500.0, 855.0, 375.0);
    EXPECT_EQ(child.geometry(), QRect(2, -33, 57, 25));
    EXPECT_EQ(GeometryTwips(child), QRectF(30, -495, 855, 375));
}

TEST_F(TwipsGeometryTest, NegativeAndHugeSizesAreKeptInRange) {
    QWidget child(&parent_);
    SetGeometryTwips(child, 0, 0, -300, -1);
    EXPECT_EQ(child.size(), QSize(0, 0));
    SetGeometryTwips(child, -1e12, 1e12, 1e12, std::nan(""));
    EXPECT_EQ(child.x(), -QWIDGETSIZE_MAX);
    EXPECT_EQ(child.y(), QWIDGETSIZE_MAX);
    EXPECT_EQ(child.height(), 0);
    EXPECT_LE(child.width(), QWIDGETSIZE_MAX);
}

TEST_F(TwipsGeometryTest, ClientSizeInTwips) {
    parent_.resize(745, 392);
    EXPECT_DOUBLE_EQ(ScaleWidth(parent_), 11175.0);
    EXPECT_DOUBLE_EQ(ScaleHeight(parent_), 5880.0);
}

}  // namespace
}  // namespace calorix
