// The cycle dialog's texts read into the cycle's inputs: numbers with the
// chart boxes' unit suffixes, the optional boxes' defaults, every text that
// cannot be read named with its box, and the messages of impossible cycles.
#include "cycle/rankine_texts.h"

#include <gtest/gtest.h>

#include <variant>

#include "lines/box_values.h"
#include "numeric/box_value.h"

namespace calorix {
namespace {

RankineTexts Reheat15MPa() {
    return {"15", "873.15", "10k", "4", "600c", "4, 0.5", "0.9", ".8", "250"};
}

RankineInputs Read(const RankineTexts& texts) {
    const RankineInputsOrError read = ReadRankineTexts(texts);
    if (const auto* error = std::get_if<RankineTextError>(&read)) {
        ADD_FAILURE() << RankineTextMessage(*error);
        return {};
    }
    return std::get<RankineInputs>(read);
}

TEST(RankineTexts, EveryBoxReadsWithItsUnitSuffix) {
    const RankineInputs in = Read(Reheat15MPa());
    EXPECT_EQ(in.boilerPressure, 15);
    EXPECT_EQ(in.turbineInletTemperature, 873.15);
    EXPECT_EQ(in.condenserPressure, 0.01) << "10k is 10 kPa";
    ASSERT_TRUE(in.reheat);
    EXPECT_EQ(in.reheat->pressure, 4);
    EXPECT_EQ(in.reheat->temperature, 873) << "600c is 600 + 273 K, as the T box reads it";
    EXPECT_EQ(in.heaterPressures, (std::vector<double>{4, 0.5}));
    EXPECT_EQ(in.turbineEfficiency, 0.9);
    EXPECT_EQ(in.pumpEfficiency, 0.8);
    EXPECT_EQ(in.netPower, 250);
}

TEST(RankineTexts, TheSuffixesReadAsTheChartsBoxesReadThem) {
    for (const char* text : {"25c", "600C", " 326.85c ", "-10c", "1e2C"}) {
        RankineTexts texts = Reheat15MPa();
        texts.turbineInletTemperature = text;
        texts.reheatTemperature = text;
        const RankineInputs in = Read(texts);
        std::string trimmed(text);
        trimmed.erase(0, trimmed.find_first_not_of(' '));
        trimmed.erase(trimmed.find_last_not_of(' ') + 1);
        const double box = BoxValue(RewriteCelsius(trimmed));
        EXPECT_EQ(in.turbineInletTemperature, box) << text;
        EXPECT_EQ(in.reheat->temperature, box) << text;
    }
    for (const char* text : {"8k", "10K", "101.325k", "0.5k", "2e3k"}) {
        RankineTexts texts = Reheat15MPa();
        texts.boilerPressure = text;
        texts.condenserPressure = text;
        texts.reheatPressure = text;
        texts.heaterPressures = std::string(text) + " " + text;
        const RankineInputs in = Read(texts);
        const double box = BoxValue(RewriteKiloPascal(text));
        EXPECT_EQ(in.boilerPressure, box) << text;
        EXPECT_EQ(in.condenserPressure, box) << text;
        EXPECT_EQ(in.reheat->pressure, box) << text;
        EXPECT_EQ(in.heaterPressures, (std::vector<double>{box, box})) << text;
    }
    EXPECT_EQ(Read({"8000k", "", "8k", "", "", "", "", "", ""}).boilerPressure, 8);
}

TEST(RankineTexts, EmptyOptionalBoxesTakeTheirDefaults) {
    const RankineInputs in = Read({" 8 ", "", "0.008", "", "  ", "", "", " ", ""});
    EXPECT_EQ(in.boilerPressure, 8);
    EXPECT_EQ(in.condenserPressure, 0.008);
    EXPECT_FALSE(in.turbineInletTemperature) << "saturated vapour";
    EXPECT_FALSE(in.reheat);
    EXPECT_TRUE(in.heaterPressures.empty());
    EXPECT_EQ(in.turbineEfficiency, 1);
    EXPECT_EQ(in.pumpEfficiency, 1);
    EXPECT_FALSE(in.netPower);
}

TEST(RankineTexts, TheHeaterBoxHoldsPressuresSeparatedByBlanksOrCommas) {
    const struct {
        const char* text;
        std::vector<std::string> entries;
    } cases[] = {
        {"", {}},
        {" , ,", {}},
        {"4", {"4"}},
        {"4, 0.5", {"4", "0.5"}},
        {"4 500k,,0.1 ", {"4", "500k", "0.1"}},
        {",1,2,3,", {"1", "2", "3"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeaterPressureTexts(c.text), c.entries) << c.text;
    }
    RankineTexts texts = Reheat15MPa();
    texts.heaterPressures = "4 500k,,0.1 ";
    EXPECT_EQ(Read(texts).heaterPressures, (std::vector<double>{4, 0.5, 0.1}));
}

TEST(RankineTexts, ValuesAreReadNotJudged) {
    RankineTexts texts = Reheat15MPa();
    texts.boilerPressure = "-5";
    texts.turbineEfficiency = "+1.5";
    texts.heaterPressures = "4 4";
    const RankineInputs in = Read(texts);
    EXPECT_EQ(in.boilerPressure, -5);
    EXPECT_EQ(in.turbineEfficiency, 1.5);
    EXPECT_EQ(in.heaterPressures, (std::vector<double>{4, 4}));
}

TEST(RankineTexts, EveryTextThatCannotBeReadNamesItsBoxAndWhy) {
    using enum CycleInput;
    const struct {
        CycleInput box;
        const char* text;
        CycleInput blamed;
        const char* why;
    } cases[] = {
        {kBoilerPressure, "", kBoilerPressure, "the box is empty; a cycle needs a boiler pressure"},
        {kBoilerPressure, "   ", kBoilerPressure,
         "the box is empty; a cycle needs a boiler pressure"},
        {kBoilerPressure, "abc", kBoilerPressure, "\"abc\" is not a number"},
        {kBoilerPressure, "1,5", kBoilerPressure, "\"1,5\" is not a number"},
        {kBoilerPressure, "5 MPa", kBoilerPressure, "\"5 MPa\" is not a number"},
        {kBoilerPressure, "inf", kBoilerPressure, "\"inf\" is not a number"},
        {kBoilerPressure, "nan", kBoilerPressure, "\"nan\" is not a number"},
        {kBoilerPressure, "-inf", kBoilerPressure, "\"-inf\" is not a number"},
        {kBoilerPressure, "0x10", kBoilerPressure, "\"0x10\" is not a number"},
        {kBoilerPressure, "+-1", kBoilerPressure, "\"+-1\" is not a number"},
        {kBoilerPressure, "k", kBoilerPressure, "\"k\" is not a number"},
        {kBoilerPressure, "1e400", kBoilerPressure, "\"1e400\" lies outside the range of numbers"},
        {kBoilerPressure, "10c", kBoilerPressure, "\"10c\" is not a number"},
        {kTurbineInletTemperature, "600F", kTurbineInletTemperature, "\"600F\" is not a number"},
        {kTurbineInletTemperature, "873k", kTurbineInletTemperature, "\"873k\" is not a number"},
        {kTurbineInletTemperature, "c", kTurbineInletTemperature, "\"c\" is not a number"},
        {kCondenserPressure, "", kCondenserPressure,
         "the box is empty; a cycle needs a condenser pressure"},
        {kCondenserPressure, "10 k", kCondenserPressure, "\"10 k\" is not a number"},
        {kReheatPressure, "x4", kReheatPressure, "\"x4\" is not a number"},
        {kReheatPressure, "", kReheatPressure,
         "the box is empty; a reheat temperature needs its pressure"},
        {kReheatTemperature, "", kReheatTemperature,
         "the box is empty; a reheat pressure needs its temperature"},
        {kHeaterPressure, "4, x, 0.5", kHeaterPressure, "\"x\" is not a number"},
        {kHeaterPressure, "4;0.5", kHeaterPressure, "\"4;0.5\" is not a number"},
        {kTurbineEfficiency, "90%", kTurbineEfficiency, "\"90%\" is not a number"},
        {kPumpEfficiency, "0.8.1", kPumpEfficiency, "\"0.8.1\" is not a number"},
        {kNetPower, "big", kNetPower, "\"big\" is not a number"},
    };
    for (const auto& c : cases) {
        RankineTexts texts = Reheat15MPa();
        TextOf(texts, c.box) = c.text;
        const RankineInputsOrError read = ReadRankineTexts(texts);
        const auto* error = std::get_if<RankineTextError>(&read);
        ASSERT_NE(error, nullptr) << c.text;
        EXPECT_EQ(error->input, c.blamed) << c.text;
        EXPECT_EQ(error->why, c.why) << c.text;
    }
}

TEST(RankineTexts, TheFirstBoxThatCannotBeReadIsNamed) {
    RankineTexts texts = Reheat15MPa();
    texts.netPower = "x";
    texts.condenserPressure = "";
    texts.boilerPressure = "y";
    const auto read = ReadRankineTexts(texts);
    ASSERT_TRUE(std::holds_alternative<RankineTextError>(read));
    EXPECT_EQ(std::get<RankineTextError>(read).input, CycleInput::kBoilerPressure);
    EXPECT_EQ(RankineTextMessage(std::get<RankineTextError>(read)),
              "Boiler pressure (MPa): \"y\" is not a number.");
}

TEST(RankineTexts, EachBoxHasItsCaptionWithItsUnit) {
    using enum CycleInput;
    const std::pair<CycleInput, const char*> captions[] = {
        {kBoilerPressure, "Boiler pressure (MPa)"},
        {kTurbineInletTemperature, "Turbine inlet temperature (K)"},
        {kCondenserPressure, "Condenser pressure (MPa)"},
        {kReheatPressure, "Reheat pressure (MPa)"},
        {kReheatTemperature, "Reheat temperature (K)"},
        {kHeaterPressure, "Heater pressures (MPa)"},
        {kTurbineEfficiency, "Turbine efficiency"},
        {kPumpEfficiency, "Pump efficiency"},
        {kNetPower, "Net power (MW)"},
    };
    for (const auto& [input, caption] : captions) {
        EXPECT_EQ(RankineBoxCaption(input), caption);
        RankineTexts texts;
        TextOf(texts, input) = caption;
        EXPECT_EQ(TextOf(std::as_const(texts), input), caption) << "each input its own box";
    }
}

// The message of a cycle the texts give that ComputeRankine refuses.
std::string MessageOf(const RankineTexts& texts) {
    const RankineInputs inputs = Read(texts);
    const RankineOrError answer = ComputeRankine(If97Model(), inputs);
    const auto* error = std::get_if<CycleError>(&answer);
    if (!error) {
        ADD_FAILURE() << "the cycle exists";
        return {};
    }
    return RankineCycleMessage(texts, *error);
}

TEST(RankineTexts, AnImpossibleCycleNamesTheBoxWithItsTextAndWhy) {
    EXPECT_EQ(MessageOf({"8", "", " 10 ", "", "", "", "", "", ""}),
              "Condenser pressure (MPa): 10 must lie below the boiler pressure, 8 MPa.");
    EXPECT_EQ(MessageOf({"8", "", "20000k", "", "", "", "", "", ""}),
              "Condenser pressure (MPa): 20000k must lie below the boiler pressure, 8 MPa.");
    EXPECT_EQ(MessageOf({"8", "", "8k", "", "", "1, 0.5, 1", "", "", ""}),
              "Heater pressures (MPa): 1 is the pressure of another heater: each heater needs "
              "its own.");
    EXPECT_EQ(MessageOf({"8", "", "8k", "", "", "1 9", "", "", ""}),
              "Heater pressures (MPa): 9 must lie between the condenser and the boiler pressures, "
              "0.008 and 8 MPa.");
    EXPECT_EQ(MessageOf({"8", "", "8k", "", "", "", "", "1.5", ""}),
              "Pump efficiency: 1.5 must lie above 0 and at most 1.");
    EXPECT_EQ(MessageOf({"8", "", "8k", "", "", "", "", "", "-3"}),
              "Net power (MW): -3 must be above zero.");
    EXPECT_EQ(
        MessageOf({"8", "500", "8k", "", "", "", "", "", ""})
            .rfind("Turbine inlet temperature (K): 500 must lie above the saturation temperature",
                   0),
        0u);
    // A box left empty is named by what its emptiness means.
    const CycleError outlet{CycleInput::kTurbineEfficiency, std::nullopt,
                            CycleProblem::kOutsideModel, "puts the turbine outlet outside"};
    EXPECT_EQ(RankineCycleMessage({"8", "", "8k", "", "", "", "", "", ""}, outlet),
              "Turbine efficiency: the default 1 puts the turbine outlet outside.");
}

}  // namespace
}  // namespace calorix
