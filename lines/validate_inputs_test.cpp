#include "lines/validate_inputs.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "model/chart_range.h"

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

// ---- Under a property model --------------------------------------------------

TEST(ModelRanges, OfTheChartsCorrelationsAreTheChartsOwn) {
    EXPECT_EQ(&ModelRanges(ClassicModel()), &ChartRanges());
    std::vector<std::string> shown, shownByModel;
    for (const BoxTexts& texts : {BoxTexts{"0", "", "0", "", "13"}, BoxTexts{"", "60", "", "", ""},
                                  BoxTexts{"300", "1", "", "", ""}, BoxTexts{}}) {
        EXPECT_EQ(RangeMessage(texts, ModelRanges(ClassicModel())), RangeMessage(texts));
        EXPECT_EQ(ValidateInputs(texts, ClassicModel(),
                                 [&](const std::string& m) { shownByModel.push_back(m); }),
                  ValidateInputs(texts, [&](const std::string& m) { shown.push_back(m); }));
    }
    EXPECT_EQ(shownByModel, shown);
    EXPECT_EQ(shown.size(), 2u);
}

const std::vector<BoundRow> kIf97BoundRows = {
    {kT, "273.16", false}, {kT, "1273.16", false},   {kT, "273.15", true},
    {kT, "1273.17", true}, {kP, "0.000001", false},  {kP, "100", false},
    {kP, "60", false},     {kP, "0.00000099", true}, {kP, "100.001", true},
    {kP, "abc", true},     {kV, "0.00095", false},   {kV, "100000", false},
    {kV, "0.00094", true}, {kV, "100001", true},     {kV, "abc", true},
    {kH, "0", false},      {kH, "4700", false},      {kH, "-0.01", true},
    {kH, "4700.01", true}, {kH, "abc", false},       {kS, "0", false},
    {kS, "12", false},     {kS, "-0.001", true},     {kS, "12.001", true},
};

TEST(RangeMessage, ClosedRangeOfEachBoxUnderIf97) {
    const PropertyRanges& ranges = ModelRanges(If97Model());
    for (const BoundRow& row : kIf97BoundRows) {
        const std::optional<std::string> message =
            RangeMessage(OneBox(row.index, row.text), ranges);
        EXPECT_EQ(message.has_value(), row.offends) << row.index << " \"" << row.text << '"';
        if (message) {
            EXPECT_EQ(*message, kHeader + "        1.  " +
                                    ranges[static_cast<std::size_t>(row.index)].text + "\r\r");
        }
    }
}

TEST(RangeMessage, ExactTextUnderIf97) {
    const std::optional<std::string> five =
        RangeMessage(BoxTexts{"x", "x", "x", "-1", "-1"}, ModelRanges(If97Model()));
    ASSERT_TRUE(five.has_value());
    EXPECT_EQ(*five, kHeader +
                         "        1.  Temperature (273.16 - 1273.16  K)\r\r"
                         "        2.  Pressure (0.000001 - 100  MPa)\r\r"
                         "        3.  Specific volume (0.00095  - 100000  m^3/kg)\r\r"
                         "        4.  Enthalpy (0    - 4700  kJ/kg)\r\r"
                         "        5.  Entropy (0    - 12  kJ/kg-K)\r\r" +
                         kMoreover);
    std::vector<std::string> shown;
    EXPECT_EQ(ValidateInputs(BoxTexts{"", "120", "", "", ""}, If97Model(),
                             [&](const std::string& m) { shown.push_back(m); }),
              1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], kHeader + "        1.  Pressure (0.000001 - 100  MPa)\r\r");
    EXPECT_EQ(ValidateInputs(BoxTexts{"", "60", "", "", ""}, If97Model(), nullptr), 0);
}

// No value of a state of IAPWS-IF97 on the chart is refused, and the bounds
// lie close to the extreme states.
TEST(ModelRanges, OfIf97HoldEveryStateOnTheChart) {
    const PropertyRanges& ranges = ModelRanges(If97Model());
    const auto inside = [&ranges](int index, double value) {
        const PropertyRange& range = ranges[static_cast<std::size_t>(index)];
        return value >= range.lower && value <= range.upper;
    };
    int states = 0;
    for (int i = 0; i <= 50; ++i) {
        const double T = kChartMinTemperature + kChartTemperatureSpan * i / 50;
        for (int j = 0; j <= 48; ++j) {
            const double s = kChartMaxEntropy * j / 48;
            const StateOrWhy found = If97Model().StateFrom(Property::kT, T, Property::kS, s);
            const State* state = std::get_if<State>(&found);
            if (!state) continue;
            ++states;
            EXPECT_TRUE(inside(kP, state->P)) << T << " " << s << ": " << state->P;
            EXPECT_TRUE(inside(kV, state->v)) << T << " " << s << ": " << state->v;
            EXPECT_TRUE(inside(kH, state->h)) << T << " " << s << ": " << state->h;
        }
    }
    EXPECT_GT(states, 1500) << "most of the chart has states";
    // The extremes: the lowest pressure and largest volume at the
    // bottom-right corner, the densest state at 100 MPa and 273.16 K, the
    // largest enthalpy at the top-right corner.
    const State corner =
        std::get<State>(If97Model().StateFrom(Property::kT, 273.16, Property::kS, 12));
    EXPECT_TRUE(inside(kP, corner.P));
    EXPECT_LT(corner.P, 2 * ranges[kP].lower);
    EXPECT_GT(corner.v, 0.9 * ranges[kV].upper);
    const State densest =
        std::get<State>(If97Model().StateFrom(Property::kT, 273.16, Property::kP, 100));
    EXPECT_TRUE(inside(kV, densest.v));
    EXPECT_LT(densest.v, 1.01 * ranges[kV].lower);
    const State hottest =
        std::get<State>(If97Model().StateFrom(Property::kT, 1273.16, Property::kS, 12));
    EXPECT_TRUE(inside(kH, hottest.h));
    EXPECT_GT(hottest.h, 0.98 * ranges[kH].upper);
}

}  // namespace
}  // namespace calorix
