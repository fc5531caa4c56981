#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>
#include <vector>

#include "numeric/box_value.h"
#include "testing/comma_decimal_locale.h"

namespace calorix {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct TruncateRow {
    double x;
    int n;
    double expected;
};

const std::vector<TruncateRow> kTruncateRows = {
    {0.29, 2, 0.28},  // 0.29 is held below 0.29: one unit lost
    {4.4289, 4, 4.4288},  {2.675, 2, 2.67}, {-1.234, 2, -1.24},  // towards minus infinity
    {373.159, 2, 373.15}, {12.7, 0, 12},    {-0.001, 2, -0.01}, {5, 3, 5}, {0, 7, 0},
};

struct NumberRow {
    double x;
    const char* expected;
};

const std::vector<NumberRow> kNumberRows = {
    {0, " 0"},
    {-0.0, " 0"},
    {12, " 12"},
    {373.15, " 373.15"},
    {0.0006, " .0006"},
    {-1.24, "-1.24"},
    {0.25, " .25"},
    {-0.5, "-.5"},
    {0.1 + 0.2, " .3"},
    {1.0 / 3, " .333333333333333"},
    {2.0 / 3, " .666666666666667"},
    {-1234.5, "-1234.5"},
    {0.0001, " .0001"},
    {100000000000000, " 100000000000000"},
    {123456789012345.6, " 123456789012346"},
    // Exponent form from 1E+15 up and below 1E-04, decided on the rounded value.
    {999999999999999.9, " 1E+15"},
    {1.5e15, " 1.5E+15"},
    {-1e20, "-1E+20"},
    {2e-5, " 2E-05"},
    {0.00009999, " 9.999E-05"},
    {-1e-300, "-1E-300"},
};

struct GeneralRow {
    double x;
    const char* expected;
};

const std::vector<GeneralRow> kGeneralRows = {
    {298, "298"},     {0.00062, "0.00062"},
    {-5.5, "-5.5"},   {1e20, "1e+20"},
    {1e-5, "1e-05"},  {0.1 + 0.2, "0.3"},
    {273.1, "273.1"}, {123456789012345678.0, "1.23456789012346e+17"},
};

struct FixedRow {
    double x;
    int w;
    int n;
    const char* expected;
    double truncated;  // what the variable holds afterwards
};

const std::vector<FixedRow> kFixedRows = {
    {12.345, 5, 2, "   12.34", 12.34},
    {0.5, 2, 3, "  .500", 0.5},
    {373, 3, 2, " 373.00", 373},  // " 373" already fills four places
    {-0.25, 2, 2, " -.25", -0.25},
    {12.7, 4, 0, "  12.", 12},  // an integral result keeps its point
    {373.159, 3, 2, " 373.15", 373.15},
    {-12.345, 4, 2, " -12.35", -12.35},
    {4.3, 1, 2, " 4.30", 4.3},  // 4.3 - 4 is 0.2999...98: still two decimals
    {0, 3, 2, "  0.00", 0},
    {123456, 2, 1, " 123456.0", 123456},  // too wide: never cut
    {1, 1, 7, " 1.0000000", 1},
    // A fraction below 1E-04 still counts its decimals.
    {0.00001, 2, 7, "  .0000100", 0.00001},
    {1.00001, 1, 7, " 1.0000100", 1.00001},
    // Past 15 significant digits the text drops the .5: the zeros still
    // follow a point, not the integer part.
    {100000000000000.5, 1, 2, " 100000000000000.00", 100000000000000.5},
};

struct ReadoutRow {
    double x;
    int w;
    int n;
    const char* expected;
};

const std::vector<ReadoutRow> kReadoutRows = {
    {373.159, 3, 2, " 373.15"}, {0.5, 2, 3, " .5"},     {1, 1, 7, " 1"},
    {373.1, 3, 2, " 373.1"},    {-0.256, 2, 2, "-.26"}, {12.7, 4, 0, " 12"},
    {0.00001, 2, 7, " 1E-05"},  {0.29, 2, 2, " .28"},   {4.4289, 1, 4, " 4.4288"},
};

void CheckTruncateDecimals() {
    for (const TruncateRow& row : kTruncateRows) {
        EXPECT_EQ(TruncateDecimals(row.x, row.n), row.expected) << row.x << ", " << row.n;
    }
}

void CheckNumberText() {
    for (const NumberRow& row : kNumberRows) {
        EXPECT_EQ(NumberText(row.x), row.expected) << row.expected;
    }
}

void CheckGeneralText() {
    for (const GeneralRow& row : kGeneralRows) {
        EXPECT_EQ(GeneralText(row.x), row.expected) << row.expected;
    }
}

void CheckFixedDecimalText() {
    for (const FixedRow& row : kFixedRows) {
        double x = row.x;
        EXPECT_EQ(FixedDecimalText(x, row.w, row.n), row.expected) << row.x;
        EXPECT_EQ(x, row.truncated) << row.x;
    }
}

void CheckReadoutText() {
    for (const ReadoutRow& row : kReadoutRows) {
        double x = row.x;
        EXPECT_EQ(ReadoutText(x, row.w, row.n), row.expected) << row.x;
        EXPECT_EQ(x, TruncateDecimals(row.x, row.n)) << row.x;
    }
}

void CheckAllTables() {
    CheckTruncateDecimals();
    CheckNumberText();
    CheckGeneralText();
    CheckFixedDecimalText();
    CheckReadoutText();
}

TEST(TruncateDecimals, CutsTowardsMinusInfinity) {
    CheckTruncateDecimals();
}

TEST(TruncateDecimals, HugeAndInfiniteValues) {
    // The product overflows, but a value this large has no decimals to cut.
    EXPECT_EQ(TruncateDecimals(1e305, 7), 1e305);
    EXPECT_EQ(TruncateDecimals(-1e305, 7), -1e305);
    EXPECT_EQ(TruncateDecimals(kInf, 2), kInf);
}

TEST(NumberText, SignPositionDigitsAndExponent) {
    CheckNumberText();
}

TEST(NumberText, ReadsBackThroughTheBoxValueRule) {
    for (const double x : {1.5e15, 2e-5, -1e-300, 1e300, 373.15, -0.0006, 0.1, 9.999e-5}) {
        EXPECT_EQ(BoxValue(NumberText(x)), x) << NumberText(x);
    }
}

TEST(NumberText, NonFiniteValues) {
    EXPECT_EQ(BoxValue(NumberText(kInf)), kInf);
    EXPECT_EQ(BoxValue(NumberText(-kInf)), -kInf);
    EXPECT_EQ(NumberText(kInf).front(), ' ');
    EXPECT_EQ(NumberText(-kInf).front(), '-');
    const std::string nan = NumberText(std::nan(""));
    EXPECT_EQ(nan.front(), ' ');
    EXPECT_EQ(BoxValue(nan), 0);
}

TEST(GeneralText, FifteenSignificantDigitsNoLeadingBlank) {
    CheckGeneralText();
}

TEST(GeneralText, InfinityReadsBackAsInfinity) {
    EXPECT_EQ(BoxValue(GeneralText(kInf)), kInf);
    EXPECT_EQ(BoxValue(GeneralText(-kInf)), -kInf);
}

TEST(FixedDecimalText, PadsAndFillsDecimals) {
    CheckFixedDecimalText();
}

TEST(FixedDecimalText, NonFiniteValues) {
    double x = kInf;
    EXPECT_EQ(BoxValue(FixedDecimalText(x, 3, 2)), kInf);
    EXPECT_EQ(x, kInf);
    x = std::nan("");
    EXPECT_FALSE(FixedDecimalText(x, 3, 2).empty());
}

TEST(ReadoutText, ExamplesAndTruncatedVariable) {
    CheckReadoutText();
    double x = 373.159;
    EXPECT_EQ(ReadoutText(x, 3, 2), " 373.15");
    EXPECT_EQ(x, 373.15);
}

// The visible text is the number text of the truncated value, whatever the
// width and however many zeros the fixed text carries.
TEST(ReadoutText, EqualsNumberTextOfTruncatedValue) {
    const double values[] = {0,           0.1,        0.3,         4.3,     -4.3,
                             22.0891,     0.00062,    0.000123456, -0.0001, 1273.16,
                             3.999999999, 1e14 + 0.5, 2.5e15,      -7.25e-6};
    for (const double value : values) {
        for (int n = 0; n <= 7; ++n) {
            for (const int w : {1, 3, 5}) {
                double x = value;
                EXPECT_EQ(ReadoutText(x, w, n), NumberText(TruncateDecimals(value, n)))
                    << value << ", " << w << ", " << n;
            }
        }
    }
}

TEST(ReadoutText, NonFiniteValues) {
    double x = -kInf;
    EXPECT_EQ(ReadoutText(x, 3, 2), NumberText(-kInf));
    x = std::nan("");
    EXPECT_EQ(ReadoutText(x, 3, 2), NumberText(std::nan("")));
}

TEST(NumberTextLocale, CommaDecimalPointInTheGlobalLocale) {
    test::LocaleRestorer restorer;
    std::locale::global(std::locale(std::locale::classic(), new test::CommaDecimalPoint));
    ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    CheckAllTables();
}

TEST(NumberTextLocale, GermanCLocale) {
    test::LocaleRestorer restorer;
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "de_DE") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    CheckAllTables();
}

}  // namespace
}  // namespace calorix
