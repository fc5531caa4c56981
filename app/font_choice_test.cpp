// Which family text in a font-table font asks for, with only the fonts that
// the tests are given (DejaVu and Liberation, with fontconfig's rules).
#include "app/font_choice.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace calorix {
namespace {

class FontChoiceTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "font_choice_test";
        static char* argv[] = {name, nullptr};
        static QGuiApplication application(argc, argv);
    }

    const QStringList base_{QStringLiteral("Base Family")};
};

TEST_F(FontChoiceTest, AnInstalledFixedPitchFontKeepsItsName) {
    ASSERT_TRUE(QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans Mono")));
    EXPECT_EQ(ChooseFontFamilies("DejaVu Sans Mono", true, base_), QStringList{"DejaVu Sans Mono"});
}

TEST_F(FontChoiceTest, AMissingFixedPitchFontGivesWayToTheSystemFixedFont) {
    const QString missing = QStringLiteral("Qzxv No Such Typeface");
    ASSERT_FALSE(QFontDatabase::hasFamily(missing));
    const QStringList chosen = ChooseFontFamilies(missing, true, base_);
    EXPECT_EQ(chosen, QStringList{QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    QFont shown;
    shown.setFamilies(chosen);
    EXPECT_TRUE(QFontInfo(shown).fixedPitch()) << QFontInfo(shown).family().toStdString();
}

TEST_F(FontChoiceTest, AFixedPitchNameWithAMetricStandInKeepsItsName) {
    // Courier New is not installed, but fontconfig stands Liberation Mono in
    // for it, with the same widths.
    ASSERT_FALSE(QFontDatabase::hasFamily(QStringLiteral("Courier New")));
    EXPECT_EQ(ChooseFontFamilies("Courier New", true, base_), QStringList{"Courier New"});
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Courier New"))).family(), "Liberation Mono");
}

TEST_F(FontChoiceTest, AProportionalFontKeepsItsNameAndNoNameTakesTheBase) {
    EXPECT_EQ(ChooseFontFamilies("Qzxv No Such Typeface", false, base_),
              QStringList{"Qzxv No Such Typeface"});
    EXPECT_EQ(ChooseFontFamilies("Liberation Serif", false, base_),
              QStringList{"Liberation Serif"});
    EXPECT_EQ(ChooseFontFamilies("", true, base_), base_);
}

}  // namespace
}  // namespace calorix
