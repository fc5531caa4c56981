// The drawing surface at a scale factor of 1.25, where a logical pixel is
// not a whole number of device pixels: axis-parallel lines still land on
// whole device pixels in their exact colour.
#include <gtest/gtest.h>

#include <QtGlobal>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/test_support.h"

namespace calorix {
namespace {

using test::CountOtherThan;
using test::PixelColor;
using test::Snapshot;

// Set before the test environment creates the application.
[[maybe_unused]] const bool kScaleFactorSet = qputenv("QT_SCALE_FACTOR", "1.25");

const QColor kWhite(255, 255, 255);

TEST(FractionalDpiTest, AFrameAndItsTicksAreWholeDevicePixelsInFullColour) {
    DrawingSurface surface;
    surface.resize(200, 120);
    ASSERT_DOUBLE_EQ(surface.devicePixelRatioF(), 1.25);
    surface.SetForeColor(QBColor(0));
    surface.Box(558.75f, 1500.6f, 2250.4f, 300.25f);
    surface.Line(1200.7f, 300.25f, 1200.7f, 375.25f);
    surface.SetForeColor(QBColor(13));
    surface.Line(100.3f, 1700.9f, 2800.1f, 1700.9f);
    const QImage image = Snapshot(surface);
    ASSERT_EQ(image.size(), QSize(250, 150));
    int black = 0;
    int lightMagenta = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = PixelColor(image, x, y);
            if (pixel == kWhite) continue;
            black += pixel == QBColor(0);
            lightMagenta += pixel == QBColor(13);
            ASSERT_TRUE(pixel == QBColor(0) || pixel == QBColor(13))
                << "a blended pixel at " << x << "," << y;
        }
    }
    // The box's edges are single rows and columns of device pixels: 37.25 px
    // is device column 46.5625, drawn as column 47.
    for (int y = 25; y <= 125; ++y)
        EXPECT_EQ(PixelColor(image, 47, y), QBColor(0)) << y;
    EXPECT_EQ(CountOtherThan(image, QRect(46, 40, 1, 60), kWhite), 0);
    EXPECT_EQ(CountOtherThan(image, QRect(48, 40, 1, 60), kWhite), 0);
    EXPECT_GT(black, 0);
    EXPECT_GT(lightMagenta, 0);
}

}  // namespace
}  // namespace calorix
