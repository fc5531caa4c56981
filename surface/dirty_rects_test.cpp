// The rectangles a window keeps of what it drew and has not yet shown.
#include "surface/dirty_rects.h"

#include <gtest/gtest.h>

namespace calorix {
namespace {

long long AreaOf(const std::vector<QRect>& rects) {
    long long area = 0;
    for (const QRect& r : rects)
        area += static_cast<long long>(r.width()) * r.height();
    return area;
}

TEST(DirtyRectsTest, ASlantingLineIsAStaircaseThatCoversEverySegment) {
    DirtyRects dirty;
    std::vector<QRect> segments;
    for (int i = 0; i < 200; ++i) {
        segments.emplace_back(5 * i - 2, 3 * i - 2, 10, 8);
        dirty.Add(segments.back());
    }
    const QRegion region = dirty.Region();
    for (const QRect& segment : segments)
        EXPECT_TRUE((QRegion(segment) - region).isEmpty()) << segment.x();
    // A fifth of the bounding box at most of 1005 by 605 pixels, in few rectangles.
    EXPECT_LT(AreaOf(dirty.Rects()), 1005LL * 605 / 5);
    EXPECT_LE(dirty.Rects().size(), 32u);
}

TEST(DirtyRectsTest, ScatteredRectanglesBeyondTheLimitBecomeTheirBoundingBox) {
    DirtyRects dirty;
    for (int i = 0; i < 40; ++i)
        dirty.Add(QRect((i % 2) * 900, i * 20, 4, 4));
    ASSERT_EQ(dirty.Rects().size(), 1u);
    EXPECT_EQ(dirty.Rects().front(), QRect(0, 0, 904, 784));
}

TEST(DirtyRectsTest, EmptyRectanglesAddNothingAndClearEmpties) {
    DirtyRects dirty;
    dirty.Add(QRect());
    EXPECT_TRUE(dirty.Empty());
    dirty.Add(QRect(1, 1, 2, 2));
    EXPECT_FALSE(dirty.Empty());
    EXPECT_TRUE(dirty.CoveredBy(QRegion(0, 0, 5, 5)));
    EXPECT_FALSE(dirty.CoveredBy(QRegion(0, 0, 2, 2)));
    dirty.Clear();
    EXPECT_TRUE(dirty.Empty());
}

}  // namespace
}  // namespace calorix
