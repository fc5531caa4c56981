// What each drawing operation puts into the display list and where it leaves
// the current point.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "surface/drawing_surface.h"
#include "surface/qb_color.h"
#include "surface/twips.h"

namespace calorix {
namespace {

template <class T>
const T& EntryAs(const DrawingSurface& surface, std::size_t index) {
    const T* entry = std::get_if<T>(&surface.DisplayList().at(index));
    if (entry == nullptr) throw std::logic_error("display list entry of another kind");
    return *entry;
}

class DisplayListTest : public ::testing::Test {
  protected:
    DrawingSurface surface_;
};

TEST_F(DisplayListTest, StartsEmptyInBlackAtTheOrigin) {
    EXPECT_TRUE(surface_.DisplayList().empty());
    EXPECT_EQ(surface_.ForeColor(), QColor(Qt::black));
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(0, 0));
}

TEST_F(DisplayListTest, LineKeepsItsEndsAndColourAndMovesToTheSecondPoint) {
    surface_.SetForeColor(QBColor(12));
    surface_.Line(558.75f, 5292.0f, 4749.375f, 2940.0f);
    ASSERT_EQ(surface_.DisplayList().size(), 1u);
    EXPECT_EQ(EntryAs<LinePrimitive>(surface_, 0),
              (LinePrimitive{558.75f, 5292.0f, 4749.375f, 2940.0f, QBColor(12)}));
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(4749.375, 2940.0));
}

TEST_F(DisplayListTest, LineToStartsAtTheCurrentPoint) {
    surface_.Line(100, 200, 300, 400);
    surface_.SetForeColor(QBColor(5));
    surface_.LineTo(500, 250);
    surface_.LineTo(600, 260);
    ASSERT_EQ(surface_.DisplayList().size(), 3u);
    EXPECT_EQ(EntryAs<LinePrimitive>(surface_, 1), (LinePrimitive{300, 400, 500, 250, QBColor(5)}));
    EXPECT_EQ(EntryAs<LinePrimitive>(surface_, 2), (LinePrimitive{500, 250, 600, 260, QBColor(5)}));
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(600, 260));
}

TEST_F(DisplayListTest, ZeroLengthLineIsKeptAsADotAndMovesThePoint) {
    surface_.Line(558.75f, 5292.0f, 558.75f, 5292.0f);
    ASSERT_EQ(surface_.DisplayList().size(), 1u);
    EXPECT_EQ(EntryAs<LinePrimitive>(surface_, 0),
              (LinePrimitive{558.75f, 5292.0f, 558.75f, 5292.0f, QColor(Qt::black)}));
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(558.75, 5292.0));
}

TEST_F(DisplayListTest, BoxKeepsItsCornersAndMovesToTheSecondCorner) {
    surface_.SetForeColor(QBColor(0));
    surface_.Box(558.75f, 5292.0f, 8940.0f, 588.0f);
    ASSERT_EQ(surface_.DisplayList().size(), 1u);
    EXPECT_EQ(EntryAs<BoxPrimitive>(surface_, 0),
              (BoxPrimitive{558.75f, 5292.0f, 8940.0f, 588.0f, QBColor(0)}));
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(8940.0, 588.0));
}

TEST_F(DisplayListTest, CircleKeepsCentreAndRadiusAndMovesToTheCentre) {
    surface_.Line(0, 0, 10, 10);
    surface_.SetForeColor(QBColor(9));
    surface_.Circle(2500.5f, 1300.25f, 30.0f);
    ASSERT_EQ(surface_.DisplayList().size(), 2u);
    EXPECT_EQ(EntryAs<CirclePrimitive>(surface_, 1),
              (CirclePrimitive{2500.5f, 1300.25f, 30.0f, QBColor(9)}));
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(2500.5, 1300.25));
}

TEST_F(DisplayListTest, PrintWritesAtTheCurrentPointAndEndsTheTextLine) {
    QFont font = surface_.font();
    font.setPointSizeF(10.0);
    surface_.setFont(font);
    const double lineTwips = QFontMetricsF(font, &surface_).lineSpacing() * TwipsPerPixel(surface_);
    ASSERT_GT(lineTwips, 0.0);

    surface_.SetForeColor(QBColor(13));
    surface_.Line(0, 0, 4749.375f, 2940.0f);
    surface_.Print(" 6");
    ASSERT_EQ(surface_.DisplayList().size(), 2u);
    const TextPrimitive& text = EntryAs<TextPrimitive>(surface_, 1);
    EXPECT_EQ(text.x, 4749.375f);
    EXPECT_EQ(text.y, 2940.0f);
    EXPECT_EQ(text.text, QStringLiteral(" 6"));
    EXPECT_EQ(text.color, QBColor(13));
    EXPECT_EQ(text.font, font);
    EXPECT_EQ(surface_.CurrentPoint().x(), 0.0);
    EXPECT_FLOAT_EQ(surface_.CurrentPoint().y(), 2940.0 + lineTwips);

    // A second Print goes one line lower, at the left edge.
    surface_.Print("P = 22 MPa");
    const TextPrimitive& second = EntryAs<TextPrimitive>(surface_, 2);
    EXPECT_EQ(second.x, 0.0f);
    EXPECT_FLOAT_EQ(second.y, 2940.0 + lineTwips);
    EXPECT_FLOAT_EQ(surface_.CurrentPoint().y(), 2940.0 + 2 * lineTwips);
}

TEST_F(DisplayListTest, PrintUsesTheLineHeightOfTheCurrentFont) {
    QFont small = surface_.font();
    small.setPixelSize(10);
    QFont large = small;
    large.setPixelSize(30);
    surface_.setFont(small);
    surface_.Print("a");
    const double smallStep = surface_.CurrentPoint().y();
    surface_.Cls();
    surface_.setFont(large);
    surface_.Print("a");
    EXPECT_GT(surface_.CurrentPoint().y(), 2 * smallStep);
    EXPECT_EQ(EntryAs<TextPrimitive>(surface_, 0).font, large);
}

TEST_F(DisplayListTest, EachEntryKeepsTheColourItWasDrawnIn) {
    surface_.SetForeColor(QBColor(12));
    surface_.Line(0, 0, 100, 100);
    surface_.SetForeColor(QBColor(6));
    surface_.Circle(50, 50, 15);
    EXPECT_EQ(EntryAs<LinePrimitive>(surface_, 0).color, QBColor(12));
    EXPECT_EQ(EntryAs<CirclePrimitive>(surface_, 1).color, QBColor(6));
    EXPECT_EQ(surface_.ForeColor(), QBColor(6));
}

TEST_F(DisplayListTest, ClsErasesTheDrawingAndResetsThePointOnly) {
    auto* label = new QLabel(" 1273.16", &surface_);
    label->setObjectName("Label2");
    LineControl* crossHair = surface_.AddLineControl("Line1", QBColor(7));
    crossHair->SetVisible(true);
    surface_.SetForeColor(QBColor(5));
    surface_.Line(10, 20, 30, 40);
    surface_.Print("x");
    surface_.Circle(500, 600, 30);

    surface_.Cls();

    EXPECT_TRUE(surface_.DisplayList().empty());
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(0, 0));
    EXPECT_EQ(surface_.ForeColor(), QBColor(5));
    EXPECT_EQ(surface_.findChild<QLabel*>("Label2"), label);
    EXPECT_EQ(surface_.findChild<LineControl*>("Line1"), crossHair);
    EXPECT_TRUE(crossHair->Visible());

    surface_.LineTo(70, 80);
    EXPECT_EQ(EntryAs<LinePrimitive>(surface_, 0), (LinePrimitive{0, 0, 70, 80, QBColor(5)}));
}

TEST_F(DisplayListTest, CoordinatesThatAreNotNumbersDrawNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    surface_.Line(100, 200, 300, 400);
    surface_.Line(nan, 0, 10, 10);
    surface_.Line(0, 0, 10, -inf);
    surface_.LineTo(nan, 5);
    surface_.Box(0, 0, inf, 10);
    surface_.Circle(10, nan, 30);
    surface_.Circle(10, 10, inf);
    EXPECT_EQ(surface_.DisplayList().size(), 1u);
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(300, 400));
}

TEST_F(DisplayListTest, NegativeRadiusDrawsNothing) {
    surface_.Line(1, 2, 3, 4);
    surface_.Circle(500, 500, -30);
    EXPECT_EQ(surface_.DisplayList().size(), 1u);
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(3, 4));
}

TEST_F(DisplayListTest, FarAwayCoordinatesAreKept) {
    surface_.Line(0, 0, 3.0e38f, -3.0e38f);
    surface_.Circle(-1.0e30f, 5.0f, 1.0e30f);
    ASSERT_EQ(surface_.DisplayList().size(), 2u);
    EXPECT_EQ(surface_.CurrentPoint(), QPointF(-1.0e30f, 5.0f));
}

}  // namespace
}  // namespace calorix
