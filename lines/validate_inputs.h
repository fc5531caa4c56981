#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lines/box_values.h"

// The range check of the five boxes against the chart.
namespace calorix {

struct PropertyRange {
    double lower;
    double upper;
    const char* text;  // as the range message names it
};

// Closed ranges of the chart, in PropertyIndex order.
const std::array<PropertyRange, kPropertyCount>& ChartRanges();

// The range message when at least one filled box lies outside its closed
// range; nothing otherwise. Lines are separated by a carriage return alone.
std::optional<std::string> RangeMessage(const BoxTexts& texts);

// Shows the range message through `show` and returns 1 when a filled box is
// out of range; returns 0 (valid) otherwise without calling `show`.
int ValidateInputs(const BoxTexts& texts, const std::function<void(const std::string&)>& show);

}  // namespace calorix
