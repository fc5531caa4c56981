#include "lines/box_values.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>
#include <string>
#include <vector>

namespace calorix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ValueRow {
    const char* text;
    double expected;
};

const std::vector<ValueRow> kValueRows = {
    // blanks and signs
    {"300", 300},
    {"  300", 300},
    {"\t 12.5", 12.5},
    {"+7", 7},
    {"-7", -7},
    {"-.5", -0.5},
    {".5", 0.5},
    {"5.", 5},
    {"00012", 12},
    {" .62e-3", 0.00062},
    // exponents, taken only with digits
    {"1e5", 1e5},
    {"1.5E-3", 0.0015},
    {"2e+2", 200},
    {"1.e2", 100},
    {"1e", 1},
    {"1e+", 1},
    {"1E-x", 1},
    // trailing junk is ignored
    {"300abc", 300},
    {"1e5x", 1e5},
    {"1.2.3", 1.2},
    {"1,5", 1},
    {"1 000", 1},
    {"12 C", 12},
    // no number reads 0
    {"", 0},
    {"   ", 0},
    {"abc", 0},
    {".", 0},
    {"-", 0},
    {"+", 0},
    {"-.", 0},
    {"- 5", 0},
    {"e5", 0},
    {"\n5", 0},
    {"inf", 0},
    {"-inf", 0},
    {"infinity", 0},
    {"nan", 0},
    {"0x1A", 0},
    {",5", 0},
    // beyond a double: too large is infinity, too small is 0
    {"1e400", kInf},
    {"-1e400", -kInf},
    {"1e-400", 0},
    {"-1e-400", 0},
    {"1e99999999999999999999", kInf},
    {"-1e99999999999999999999", -kInf},
    {"1e-99999999999999999999", 0},
    {"0e99999999999999999999", 0},
    {"0.0001e309", 1e305},
    {"1000e-326", 1e-323},
};

TEST(BoxValue, LeadingNumberRule) {
    for (const ValueRow& row : kValueRows) {
        EXPECT_EQ(BoxValue(row.text), row.expected) << '"' << row.text << '"';
    }
}

TEST(BoxValue, VeryLongTexts) {
    EXPECT_EQ(BoxValue(std::string(10000, '9')), kInf);
    EXPECT_EQ(BoxValue("-" + std::string(10000, '9')), -kInf);
    EXPECT_EQ(BoxValue("0." + std::string(10000, '0') + "1"), 0);
    // The exponent brings a long mantissa back into range.
    EXPECT_EQ(BoxValue("1" + std::string(9999, '0') + "e-9999"), 1);
    EXPECT_EQ(BoxValue("0." + std::string(9998, '0') + "1e9999"), 1);
    EXPECT_EQ(BoxValue(std::string(400, '9') + "e-50"), kInf);
    EXPECT_EQ(BoxValue("0." + std::string(300, '0') + "1e-50"), 0);
    EXPECT_EQ(BoxValue(std::string(9998, ' ') + "42"), 42);
    EXPECT_EQ(BoxValue("7" + std::string(9999, 'x')), 7);
    EXPECT_EQ(BoxValue("1e" + std::string(10000, '9')), kInf);
    EXPECT_EQ(BoxValue("1e-" + std::string(10000, '9')), 0);
    EXPECT_EQ(BoxValue(std::string(10000, '.')), 0);
}

TEST(BoxValue, NumbersInsideALongerView) {
    // Only the view is read, not what follows it in memory.
    const std::string text = "12345";
    EXPECT_EQ(BoxValue(std::string_view(text).substr(0, 2)), 12);
}

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

class CommaDecimalPoint : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(BoxValueLocale, PointStaysTheSeparatorUnderACommaLocale) {
    const std::locale savedCpp;
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    std::locale::global(std::locale(std::locale::classic(), new CommaDecimalPoint));
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

    std::locale::global(savedCpp);
    std::setlocale(LC_ALL, savedC.c_str());
}

}  // namespace
}  // namespace calorix
