// The one painter of display lists, onto devices other than the screen: a
// translated image, and fonts for devices of another DPI.
#include "surface/primitive_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "surface/qb_color.h"
#include "surface/test_support.h"

namespace calorix {
namespace {

QImage WhiteImage(QSize size, double dpi) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

// A painter that translates moves whole-pixel lines by its translation: the
// box's edges land on the pixels the translation names, still sharp.
TEST(PaintPrimitives, DevicePixelLinesFollowATranslationOfThePainter) {
    const std::vector<Primitive> list = {BoxPrimitive{150, 150, 600, 450, QBColor(4)},
                                         LinePrimitive{150, 750, 600, 750, QBColor(1)}};
    for (const double ratio : {1.0, 2.0}) {
        QImage image = WhiteImage(QSize(80, 80) * int(ratio), 96);
        image.setDevicePixelRatio(ratio);
        {
            QPainter painter(&image);
            painter.translate(-5, 3);
            PaintPrimitives(painter, list, 0, list.size(),
                            PaintSettings{15, AxisLines::kDevicePixels, 0});
        }
        const auto at = [&](int x, int y) {
            return test::PixelColor(image, int(x * ratio), int(y * ratio));
        };
        // Box from pixel (10, 10) to (40, 30), moved by (-5, 3).
        EXPECT_EQ(at(5, 13), QBColor(4)) << ratio;
        EXPECT_EQ(at(35, 33), QBColor(4)) << ratio;
        EXPECT_EQ(at(20, 13), QBColor(4)) << ratio;
        EXPECT_EQ(at(20, 20), QColor(Qt::white)) << ratio;
        EXPECT_EQ(at(4, 20), QColor(Qt::white)) << ratio;
        // Line at pixel row 50, moved to 53, from x 5 to 35.
        EXPECT_EQ(at(5, 53), QBColor(1)) << ratio;
        EXPECT_EQ(at(35, 53), QBColor(1)) << ratio;
        EXPECT_EQ(at(20, 52), QColor(Qt::white)) << ratio;
        EXPECT_EQ(at(36, 53), QColor(Qt::white)) << ratio;
    }
}

// Stroked as vectors, the same lines cover the same pixels at 1x, where a
// one-pixel line on a pixel's centre fills that pixel (the raster engine
// leaves a box's corner pixels partly covered; vector viewers join them).
TEST(PaintPrimitives, VectorLinesCoverTheSamePixelsOnAPlainImage) {
    const std::vector<Primitive> list = {BoxPrimitive{150, 150, 600, 450, QColor(Qt::black)},
                                         LinePrimitive{150, 750, 600, 750, QColor(Qt::black)}};
    QImage snapped = WhiteImage(QSize(60, 60), 96);
    QImage stroked = WhiteImage(QSize(60, 60), 96);
    {
        QPainter painter(&snapped);
        PaintPrimitives(painter, list, 0, list.size(),
                        PaintSettings{15, AxisLines::kDevicePixels, 0});
    }
    {
        QPainter painter(&stroked);
        PaintPrimitives(painter, list, 0, list.size(), PaintSettings{15, AxisLines::kVector, 0});
    }
    const QList<QPoint> corners = {{10, 10}, {40, 10}, {10, 30}, {40, 30}};
    int black = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (corners.contains(QPoint(x, y))) continue;
            EXPECT_EQ(test::PixelColor(stroked, x, y), test::PixelColor(snapped, x, y))
                << x << ", " << y;
            black += test::PixelColor(stroked, x, y) == QColor(Qt::black);
        }
    }
    // The box's edges without their corners, and the line.
    EXPECT_EQ(black, 2 * 29 + 2 * 19 + 31);
}

TEST(FontForDevice, KeepsTheTextsSizeInPixelsOnADeviceOfAnotherDpi) {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPointSizeF(8.25);
    const QImage printer = WhiteImage(QSize(10, 10), 1200);
    ASSERT_EQ(printer.logicalDpiY(), 1200);
    EXPECT_DOUBLE_EQ(FontForDevice(font, 96, printer).pointSizeF(), 8.25 * 96 / 1200);
    const QImage screen = WhiteImage(QSize(10, 10), 96);
    EXPECT_EQ(FontForDevice(font, 96, screen), font);
    EXPECT_EQ(FontForDevice(font, 0, printer), font) << "0: the device's own DPI";
    QFont pixels = font;
    pixels.setPixelSize(11);
    EXPECT_EQ(FontForDevice(pixels, 96, printer), pixels) << "pixels are the painter's pixels";
}

}  // namespace
}  // namespace calorix
