// The drawing surface on a screen with two device pixels per logical pixel:
// the drawing is rendered at device resolution, not scaled up.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/test_support.h"
#include "surface/twips.h"

namespace calorix {
namespace {

using test::CountOtherThan;
using test::PixelColor;
using test::Snapshot;

// Set before the test environment creates the application.
[[maybe_unused]] const bool kScaleFactorSet = qputenv("QT_SCALE_FACTOR", "2");

const QColor kWhite(255, 255, 255);

class HighDpiTest : public ::testing::Test {
  protected:
    void SetUp() override {
        surface_.resize(100, 60);
        ASSERT_DOUBLE_EQ(surface_.devicePixelRatioF(), 2.0);
        perPixel_ = static_cast<float>(TwipsPerPixel(surface_));
    }

    DrawingSurface surface_;
    float perPixel_ = 0;
};

TEST_F(HighDpiTest, TwipsStillCountLogicalPixels) {
    // The doubled device pixels leave the logical 96 DPI alone.
    EXPECT_EQ(surface_.logicalDpiX(), 96);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(surface_), 15.0);
    EXPECT_DOUBLE_EQ(ScaleWidth(surface_), 1500.0);
}

TEST_F(HighDpiTest, ALineIsTwoDevicePixelsWideInItsExactColour) {
    surface_.SetForeColor(QBColor(12));
    surface_.Line(10 * perPixel_, 20 * perPixel_, 50 * perPixel_, 20 * perPixel_);
    const QImage image = Snapshot(surface_);
    ASSERT_EQ(image.size(), QSize(200, 120));
    for (int x = 20; x <= 101; ++x) {
        EXPECT_EQ(PixelColor(image, x, 40), QBColor(12)) << x;
        EXPECT_EQ(PixelColor(image, x, 41), QBColor(12)) << x;
    }
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 2 * 82);
}

TEST_F(HighDpiTest, HalfALogicalPixelIsResolved) {
    // Half a logical pixel lower: at device resolution still two whole device
    // rows, where an upscaled cache would smear it over four.
    surface_.SetForeColor(QBColor(9));
    surface_.Line(10 * perPixel_, 20.5f * perPixel_, 50 * perPixel_, 20.5f * perPixel_);
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(PixelColor(image, 60, 41), QBColor(9));
    EXPECT_EQ(PixelColor(image, 60, 42), QBColor(9));
    EXPECT_EQ(PixelColor(image, 60, 40), kWhite);
    EXPECT_EQ(PixelColor(image, 60, 43), kWhite);
}

TEST_F(HighDpiTest, ADotIsOneLogicalPixel) {
    surface_.Line(30 * perPixel_, 30 * perPixel_, 30 * perPixel_, 30 * perPixel_);
    const QImage image = Snapshot(surface_);
    EXPECT_EQ(CountOtherThan(image, image.rect(), kWhite), 4);
    EXPECT_EQ(CountOtherThan(image, QRect(60, 60, 2, 2), kWhite), 4);
}

}  // namespace
}  // namespace calorix
