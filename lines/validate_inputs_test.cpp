#include "lines/validate_inputs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace calorix {
namespace {

const std::string kHeader =
    "The value specified for the following variables is beyond the\r"
    "limits of the T-s diagram\r\r"
    "Make sure that the values are in the range given against each\r"
    "parameter\r\r";

const std::string kMoreover =
    "Moreover, please specify upto TWO parameters only\r"
    "for locating a state point on the diagram";

BoxTexts OneBox(int index, const std::string& text) {
    BoxTexts texts;
    texts[static_cast<std::size_t>(index)] = text;
    return texts;
}

struct BoundRow {
    int index;
    const char* text;
    bool offends;
};

const std::vector<BoundRow> kBoundRows = {
    {kT, "273.16", false}, {kT, "1273.16", false}, {kT, "273.15", true}, {kT, "1273.17", true},
    {kT, "500", false},    {kT, "abc", true},      {kT, " ", true},      {kT, "273.16abc", false},
    {kT, "1e400", true},   {kP, "0.00062", false}, {kP, "22", false},    {kP, "0.00061", true},
    {kP, "22.0001", true}, {kP, " .1", false},     {kP, "abc", true},    {kV, "0.005", false},
    {kV, "200", false},    {kV, "0.0049", true},   {kV, "200.1", true},  {kV, "abc", true},
    {kH, "200", false},    {kH, "4600", false},    {kH, "199.9", true},  {kH, "4600.1", true},
    {kH, "abc", true},     {kS, "0", false},       {kS, "12", false},    {kS, "-0.001", true},
    {kS, "12.001", true},  {kS, "abc", false},     {kS, " ", false},     {kS, "1e-400", false},
    {kS, "1e400", true},   {kS, "-1e400", true},   {kS, "-0", false},
};

TEST(RangeMessage, ClosedRangeOfEachBox) {
    for (const BoundRow& row : kBoundRows) {
        const std::optional<std::string> message = RangeMessage(OneBox(row.index, row.text));
        EXPECT_EQ(message.has_value(), row.offends) << row.index << " \"" << row.text << '"';
        if (message) {
            const std::string item =
                "        1.  " +
                std::string(ChartRanges()[static_cast<std::size_t>(row.index)].text) + "\r\r";
            EXPECT_EQ(*message, kHeader + item) << row.text;
        }
    }
}

TEST(RangeMessage, EmptyBoxesAreNeverChecked) {
    EXPECT_FALSE(RangeMessage(BoxTexts{}).has_value());
    EXPECT_FALSE(RangeMessage(BoxTexts{"", "1", "", "", ""}).has_value());
}

TEST(RangeMessage, ExactTextForOneOffendingBox) {
    const std::optional<std::string> message = RangeMessage(BoxTexts{"100", "1", "", "", ""});
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message,
              "The value specified for the following variables is beyond the\r"
              "limits of the T-s diagram\r\r"
              "Make sure that the values are in the range given against each\r"
              "parameter\r\r"
              "        1.  Temperature (273.16 - 1273.16  K)\r\r");
}

TEST(RangeMessage, TwoOffendingBoxesHaveNoClosingLines) {
    const std::optional<std::string> message = RangeMessage(BoxTexts{"0", "1", "", "0", ""});
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, kHeader +
                            "        1.  Temperature (273.16 - 1273.16  K)\r\r"
                            "        2.  Enthalpy (200    - 4600  kJ/kg)\r\r");
}

TEST(RangeMessage, MoreThanTwoOffendingBoxesAddTheClosingLines) {
    const std::optional<std::string> three = RangeMessage(BoxTexts{"0", "", "0", "", "13"});
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(*three, kHeader +
                          "        1.  Temperature (273.16 - 1273.16  K)\r\r"
                          "        2.  Specific volume (0.005  - 200  m^3/kg)\r\r"
                          "        3.  Entropy (0    - 12  kJ/kg)\r\r" +
                          kMoreover);

    const std::optional<std::string> five = RangeMessage(BoxTexts{"x", "x", "x", "x", "-1"});
    ASSERT_TRUE(five.has_value());
    EXPECT_EQ(*five, kHeader +
                         "        1.  Temperature (273.16 - 1273.16  K)\r\r"
                         "        2.  Pressure (0.00062 - 22  MPa)\r\r"
                         "        3.  Specific volume (0.005  - 200  m^3/kg)\r\r"
                         "        4.  Enthalpy (200    - 4600  kJ/kg)\r\r"
                         "        5.  Entropy (0    - 12  kJ/kg)\r\r" +
                         kMoreover);
}

TEST(RangeMessage, NoLineFeeds) {
    const std::optional<std::string> message = RangeMessage(BoxTexts{"0", "0", "0", "0", "-1"});
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->find('\n'), std::string::npos);
}

TEST(ValidateInputs, ShowsTheMessageOnceAndReturnsOne) {
    std::vector<std::string> shown;
    const auto show = [&](const std::string& text) { shown.push_back(text); };

    const BoxTexts offending{"273.15", "", "", "", ""};
    EXPECT_EQ(ValidateInputs(offending, show), 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], *RangeMessage(offending));
}

TEST(ValidateInputs, ValidBoxesShowNothing) {
    int calls = 0;
    const auto show = [&](const std::string&) { ++calls; };
    EXPECT_EQ(ValidateInputs(BoxTexts{}, show), 0);
    EXPECT_EQ(ValidateInputs(BoxTexts{"273.16", "22", "", "", ""}, show), 0);
    EXPECT_EQ(ValidateInputs(BoxTexts{"1273.16", "0.00062", "200", "4600", "abc"}, show), 0);
    EXPECT_EQ(calls, 0);
}

TEST(ValidateInputs, WithoutAShowFunction) {
    EXPECT_EQ(ValidateInputs(BoxTexts{"0", "", "", "", ""}, nullptr), 1);
    EXPECT_EQ(ValidateInputs(BoxTexts{"300", "", "", "", ""}, nullptr), 0);
}

}  // namespace
}  // namespace calorix
