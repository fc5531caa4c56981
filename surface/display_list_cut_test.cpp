// Cutting the display list back and putting a saved one back: the list, the
// current point and the painted pixels are those of the moment it was saved.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QtTest/QTest>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/test_support.h"

namespace calorix {
namespace {

using test::Snapshot;

class DisplayListCutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        surface_.resize(200, 120);
        surface_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface_));
        QCoreApplication::processEvents();
    }
    void DrawFirst() {
        surface_.SetForeColor(QBColor(12));
        surface_.Line(150, 300, 2400, 1200);
        surface_.Circle(900, 900, 300);
    }
    void DrawMore() {
        surface_.SetForeColor(QBColor(9));
        surface_.Box(300, 150, 1500, 1500);
        surface_.LineTo(2800, 1700);
        surface_.Print("text");
        surface_.Refresh();
    }

    DrawingSurface surface_;
};

TEST_F(DisplayListCutTest, CutBackShowsThePictureOfThatLength) {
    DrawFirst();
    const QImage before = Snapshot(surface_);
    const std::vector<Primitive> list = surface_.DisplayList();
    DrawMore();
    ASSERT_NE(Snapshot(surface_), before);

    surface_.CutDisplayList(list.size());
    EXPECT_EQ(surface_.DisplayList(), list);
    EXPECT_EQ(Snapshot(surface_), before);

    surface_.CutDisplayList(list.size() + 5);
    EXPECT_EQ(surface_.DisplayList(), list) << "a longer length changes nothing";
    surface_.CutDisplayList(0);
    EXPECT_TRUE(surface_.DisplayList().empty());
    EXPECT_EQ(test::CountOtherThan(Snapshot(surface_), QRect(0, 0, 200, 120), Qt::white), 0);
}

TEST_F(DisplayListCutTest, SavedListAndPointComeBackAfterCls) {
    DrawFirst();
    DrawMore();
    const QImage before = Snapshot(surface_);
    const std::vector<Primitive> list = surface_.DisplayList();
    const QPointF point = surface_.CurrentPoint();
    surface_.Cls();
    surface_.Line(0, 0, 3000, 1800);
    ASSERT_NE(Snapshot(surface_), before);

    surface_.SetDisplayList(list);
    surface_.SetCurrentPoint(point);
    EXPECT_EQ(surface_.DisplayList(), list);
    EXPECT_EQ(surface_.CurrentPoint(), point);
    EXPECT_EQ(Snapshot(surface_), before);
    // Drawing goes on from the restored point, onto the restored picture.
    surface_.LineTo(100, 100);
    ASSERT_EQ(surface_.DisplayList().size(), list.size() + 1);
    EXPECT_EQ(std::get<LinePrimitive>(surface_.DisplayList().back()).x1, float(point.x()));
}

}  // namespace
}  // namespace calorix
