#include "surface/qb_color.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace calorix {
namespace {

struct PaletteRow {
    int n;
    const char* name;
    int red;
    int green;
    int blue;
};

constexpr std::array<PaletteRow, 16> kRows = {{
    {0, "black", 0, 0, 0},
    {1, "blue", 0, 0, 128},
    {2, "green", 0, 128, 0},
    {3, "cyan", 0, 128, 128},
    {4, "red", 128, 0, 0},
    {5, "magenta", 128, 0, 128},
    {6, "brown", 128, 128, 0},
    {7, "light grey", 192, 192, 192},
    {8, "grey", 128, 128, 128},
    {9, "light blue", 0, 0, 255},
    {10, "light green", 0, 255, 0},
    {11, "light cyan", 0, 255, 255},
    {12, "light red", 255, 0, 0},
    {13, "light magenta", 255, 0, 255},
    {14, "yellow", 255, 255, 0},
    {15, "white", 255, 255, 255},
}};

TEST(QBColorTest, EachPaletteEntryHasItsRgbValueAndIsOpaque) {
    for (const PaletteRow& row : kRows) {
        SCOPED_TRACE(row.name);
        const QColor color = QBColor(row.n);
        EXPECT_EQ(color, QColor(row.red, row.green, row.blue));
        EXPECT_EQ(color.alpha(), 255);
    }
}

TEST(QBColorTest, NumbersOutsideThePaletteUseTheirLowFourBits) {
    EXPECT_EQ(QBColor(16), QBColor(0));
    EXPECT_EQ(QBColor(16 + 9), QColor(0, 0, 255));
    EXPECT_EQ(QBColor(-1), QColor(255, 255, 255));
    EXPECT_EQ(QBColor(-16), QBColor(0));
    EXPECT_TRUE(QBColor(std::numeric_limits<int>::min()).isValid());
    EXPECT_EQ(QBColor(std::numeric_limits<int>::max()), QBColor(15));
}

}  // namespace
}  // namespace calorix
