// The program's icon: the PNGs rendered from its drawings at build time and
// built into the program.
#include "icon/program_icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>

namespace calorix {
namespace {

bool IsWhite(QColor c) {
    return c.alpha() == 255 && c.red() > 220 && c.green() > 220 && c.blue() > 220;
}
bool IsOrange(QColor c) {
    return c.alpha() == 255 && c.red() > 220 && c.green() > 120 && c.green() < 200 &&
           c.blue() < 100;
}
bool IsBlue(QColor c) {
    return c.alpha() == 255 && c.blue() > 100 && c.blue() > c.red() + 40;
}

// Every size is a square of its side, drawn on a transparent background with
// rounded corners, and shows the dome (white), the isobar (orange) and the
// blue ground: a renderer that wrote an empty or a flat picture fails here.
TEST(ProgramIcon, EverySizeShowsTheDomeAndTheIsobarOnItsGround) {
    for (const int size : kProgramIconSizes) {
        SCOPED_TRACE(size);
        const QImage image(QStringLiteral(":/calorix/icon/calorix-%1.png").arg(size));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_TRUE(image.hasAlphaChannel());
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)}) {
            EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << ',' << corner.y();
        }
        int white = 0, orange = 0, blue = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                white += IsWhite(c);
                orange += IsOrange(c);
                blue += IsBlue(c);
            }
        }
        // Each colour covers a share of the picture that no stray pixel
        // would: the ground most of it, each line more than one per cent.
        const int area = size * size;
        EXPECT_GT(blue, area / 3) << blue;
        EXPECT_GT(white, area / 100) << white;
        EXPECT_GT(orange, area / 100) << orange;
    }
}

TEST(ProgramIcon, HoldsEverySize) {
    QList<QSize> sizes;
    for (const int size : kProgramIconSizes)
        sizes.append(QSize(size, size));
    EXPECT_EQ(ProgramIcon().availableSizes(), sizes);
}

}  // namespace
}  // namespace calorix
