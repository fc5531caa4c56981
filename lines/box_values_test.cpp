#include "lines/box_values.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "testing/comma_decimal_locale.h"

namespace calorix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(CountFilled, BlanksCountAsFilled) {
    EXPECT_EQ(CountFilled(BoxTexts{}), 0);
    EXPECT_EQ(CountFilled(BoxTexts{"", " ", "abc", "", "0"}), 3);
    EXPECT_EQ(CountFilled(BoxTexts{"1", "2", "3", "4", "5"}), 5);
    EXPECT_FALSE(IsFilled(""));
    EXPECT_TRUE(IsFilled(" "));
}

struct RewriteRow {
    const char* text;
    const char* expected;
};

const std::vector<RewriteRow> kCelsiusRows = {
    {"25c", "298"},     {"25C", "298"},    {"c", "273"},    {"C", "273"},     {"-5c", "268"},
    {"25.5c", "298.5"}, {"0.1c", "273.1"}, {"25 c", "298"}, {"abcc", "273"},  {"-273c", "0"},
    {"298", "298"},     {"", ""},          {"25k", "25k"},  {"25c ", "25c "}, {"1e20c", "1e+20"},
};

const std::vector<RewriteRow> kKiloPascalRows = {
    {"100K", " .1"},   {"100k", " .1"},      {"k", " 0"},         {"-5k", "-.005"},
    {"22000k", " 22"}, {"0.62K", " .00062"}, {"1.5", "1.5"},      {"", ""},
    {"100", "100"},    {"100c", "100c"},     {"0.01k", " 1E-05"}, {"1e25k", " 1E+22"},
};

TEST(UnitSuffixes, Celsius) {
    for (const RewriteRow& row : kCelsiusRows) {
        EXPECT_EQ(RewriteCelsius(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(UnitSuffixes, KiloPascal) {
    for (const RewriteRow& row : kKiloPascalRows) {
        EXPECT_EQ(RewriteKiloPascal(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(UnitSuffixes, RewrittenTextsReadBackToTheConvertedValue) {
    EXPECT_EQ(BoxValue(RewriteKiloPascal("0.01k")), 1e-5);
    EXPECT_EQ(BoxValue(RewriteKiloPascal("1e25k")), 1e22);
    EXPECT_EQ(BoxValue(RewriteCelsius("1e400c")), kInf);
    EXPECT_EQ(BoxValue(RewriteCelsius("-1e400c")), -kInf);
    EXPECT_EQ(BoxValue(RewriteKiloPascal("1e400k")), kInf);
}

TEST(UnitSuffixes, OnlyTemperatureAndPressureBoxesAreRewritten) {
    BoxTexts texts{"25c", "100k", "1c", "2k", "3C"};
    ApplyUnitSuffixes(texts);
    EXPECT_EQ(texts, (BoxTexts{"298", " .1", "1c", "2k", "3C"}));

    BoxTexts swapped{"100k", "25c", "", "", ""};
    ApplyUnitSuffixes(swapped);
    EXPECT_EQ(swapped, (BoxTexts{"100k", "25c", "", "", ""}));
}

TEST(BoxValueLocale, PointStaysTheSeparatorUnderACommaLocale) {
    test::LocaleRestorer restorer;
    std::locale::global(std::locale(std::locale::classic(), new test::CommaDecimalPoint));
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                        std::setlocale(LC_ALL, "de_DE") != nullptr;
    if (german) {
        EXPECT_EQ(std::string(std::localeconv()->decimal_point), ",");
    }

    EXPECT_EQ(BoxValue("1.5"), 1.5);
    EXPECT_EQ(BoxValue("1,5"), 1);
    EXPECT_EQ(BoxValue("1.000,5"), 1);
    EXPECT_EQ(RewriteCelsius("0.5c"), "273.5");
    EXPECT_EQ(RewriteKiloPascal("1.5k"), " .0015");
}

}  // namespace
}  // namespace calorix
