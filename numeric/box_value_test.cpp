// The leading-number rule by which every box text reads as a number.
#include "numeric/box_value.h"

#include <gtest/gtest.h>

#include <limits>
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

}  // namespace
}  // namespace calorix
