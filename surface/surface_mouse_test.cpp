// Mouse events of the drawing surface come out in twips, and the mouse pointer
// property sets the cursor shown over it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest/QTest>

#include "surface/drawing_surface.h"
#include "surface/mouse_pointer.h"

namespace calorix {
namespace {

class SurfaceMouseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        surface_.resize(300, 200);
        ASSERT_EQ(surface_.logicalDpiX(), 96);  // 15 twips per pixel
        surface_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface_));
    }

    static QPointF Position(const QList<QVariant>& arguments) {
        return QPointF(arguments.at(0).toFloat(), arguments.at(1).toFloat());
    }

    DrawingSurface surface_;
};

TEST_F(SurfaceMouseTest, MovesWithoutAButtonReportTheTwipsPosition) {
    QSignalSpy moves(&surface_, &DrawingSurface::MouseMove);
    QTest::mouseMove(&surface_, QPoint(20, 10));
    QTest::mouseMove(&surface_, QPoint(251, 187));
    ASSERT_GE(moves.count(), 2);
    EXPECT_EQ(Position(moves.at(moves.count() - 2)), QPointF(300, 150));
    EXPECT_EQ(Position(moves.last()), QPointF(3765, 2805));
}

TEST_F(SurfaceMouseTest, AClickReportsDownAndUpAtItsPosition) {
    QSignalSpy downs(&surface_, &DrawingSurface::MouseDown);
    QSignalSpy ups(&surface_, &DrawingSurface::MouseUp);
    QTest::mouseClick(&surface_, Qt::LeftButton, Qt::NoModifier, QPoint(100, 50));
    ASSERT_EQ(downs.count(), 1);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(Position(downs.first()), QPointF(1500, 750));
    EXPECT_EQ(Position(ups.first()), QPointF(1500, 750));
}

TEST_F(SurfaceMouseTest, AnyButtonCountsAndDragsReportEveryStep) {
    QSignalSpy downs(&surface_, &DrawingSurface::MouseDown);
    QSignalSpy moves(&surface_, &DrawingSurface::MouseMove);
    QSignalSpy ups(&surface_, &DrawingSurface::MouseUp);
    QTest::mousePress(&surface_, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 10));
    QTest::mouseMove(&surface_, QPoint(40, 30));
    QTest::mouseRelease(&surface_, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 30));
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(Position(downs.first()), QPointF(150, 150));
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(Position(moves.last()), QPointF(600, 450));
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(Position(ups.first()), QPointF(600, 450));
}

TEST_F(SurfaceMouseTest, MousePointerSetsTheCursorShape) {
    EXPECT_EQ(surface_.MousePointer(), kMousePointerDefault);
    surface_.SetMousePointer(11);
    EXPECT_EQ(surface_.MousePointer(), 11);
    EXPECT_EQ(surface_.cursor().shape(), Qt::WaitCursor);
    surface_.SetMousePointer(2);
    EXPECT_EQ(surface_.MousePointer(), 2);
    EXPECT_EQ(surface_.cursor().shape(), Qt::CrossCursor);
    surface_.SetMousePointer(0);
    EXPECT_EQ(surface_.MousePointer(), 0);
    EXPECT_EQ(surface_.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(SurfaceMouseTest, OtherMousePointerValuesShowTheArrow) {
    surface_.SetMousePointer(2);
    surface_.SetMousePointer(5);
    EXPECT_EQ(surface_.MousePointer(), 5);
    EXPECT_EQ(surface_.cursor().shape(), Qt::ArrowCursor);
    surface_.SetMousePointer(-1);
    EXPECT_EQ(surface_.cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace calorix
