#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cycle/rankine.h"

// The Rankine cycle as a user types it: the texts of the cycle dialog's
// boxes, read into the cycle's inputs, and the messages that name the box a
// cycle cannot be made of.
//
// Every box holds one decimal number ("15", ".5", "2e-3", blanks around it
// allowed), with the unit suffixes of the chart's own boxes: a pressure
// ending in k or K is in kPa (10k is .01 MPa, as the pressure box reads it),
// a temperature ending in c or C in degrees Celsius plus 273 (600c is 873 K,
// as the temperature box reads it). The heater box holds any number of
// pressures separated by blanks or commas ("4, 0.5" or "4 500k").
//
// Units: pressures in MPa, temperatures in K, efficiencies from 0 to 1, the
// net power in MW.
namespace calorix {

struct RankineTexts {
    std::string boilerPressure;
    // Empty: saturated vapour at the boiler pressure.
    std::string turbineInletTemperature;
    std::string condenserPressure;
    // Both empty: no reheat.
    std::string reheatPressure;
    std::string reheatTemperature;
    // Empty: no feedwater heater.
    std::string heaterPressures;
    // Empty: 1.
    std::string turbineEfficiency;
    std::string pumpEfficiency;
    // Empty: none, and no mass flow or heat rates.
    std::string netPower;
    bool operator==(const RankineTexts&) const = default;
};

// The text of the box that holds the input.
const std::string& TextOf(const RankineTexts& texts, CycleInput input);
std::string& TextOf(RankineTexts& texts, CycleInput input);

// The entries of the heater box, in order, without the blanks and commas
// between them: "4, 0.5  100k" -> {"4", "0.5", "100k"}; "" -> {}.
std::vector<std::string> HeaterPressureTexts(std::string_view text);

// A box whose text cannot be read, and why: "\"abc\" is not a number".
struct RankineTextError {
    CycleInput input;
    std::string why;
    bool operator==(const RankineTextError&) const = default;
};

using RankineInputsOrError = std::variant<RankineInputs, RankineTextError>;

// The inputs the texts give, or the first box (in the order of CycleInput)
// that cannot be read: a required box left empty (boiler or condenser
// pressure), a text that is not wholly a number with its unit suffix, a
// reheat pressure without its temperature or the reverse. Values are not
// judged here: ComputeRankine says whether a cycle can be made of them.
RankineInputsOrError ReadRankineTexts(const RankineTexts& texts);

// The box's caption in the cycle dialog, with its unit: "Boiler pressure
// (MPa)", "Turbine inlet temperature (K)", "Condenser pressure (MPa)",
// "Reheat pressure (MPa)", "Reheat temperature (K)", "Heater pressures
// (MPa)", "Turbine efficiency", "Pump efficiency", "Net power (MW)".
std::string_view RankineBoxCaption(CycleInput input);

// The message for a box that cannot be read, naming it:
// "Boiler pressure (MPa): \"abc\" is not a number."
std::string RankineTextMessage(const RankineTextError& error);

// The message for a cycle that cannot exist, naming the box with the text
// that was typed into it (for a heater, that heater's entry):
// "Condenser pressure (MPa): 10 must lie below the boiler pressure, 8 MPa."
// An empty efficiency box reads "the default 1".
std::string RankineCycleMessage(const RankineTexts& texts, const CycleError& error);

}  // namespace calorix
