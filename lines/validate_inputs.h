#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lines/box_values.h"
#include "model/property_model.h"

// The range check of the five boxes against the chart.
namespace calorix {

struct PropertyRange {
    double lower;
    double upper;
    const char* text;  // as the range message names it
};

// Closed ranges of the five boxes, in PropertyIndex order.
using PropertyRanges = std::array<PropertyRange, kPropertyCount>;

// Closed ranges of the chart, in PropertyIndex order.
const PropertyRanges& ChartRanges();

// The ranges of the boxes under a property model: the chart's own
// (ChartRanges) for its correlations; for IAPWS-IF97 the values of its
// states on the chart: T 273.16 to 1273.16 K, P 0.000001 to 100 MPa,
// v 0.00095 to 100000 m^3/kg, h 0 to 4700 kJ/kg, s 0 to 12 kJ/kg-K.
const PropertyRanges& ModelRanges(const PropertyModel& model);

// The range message when at least one filled box lies outside its closed
// range; nothing otherwise. Lines are separated by a carriage return alone.
std::optional<std::string> RangeMessage(const BoxTexts& texts);
// The same against the given ranges.
std::optional<std::string> RangeMessage(const BoxTexts& texts, const PropertyRanges& ranges);

// Shows the range message through `show` and returns 1 when a filled box is
// out of range; returns 0 (valid) otherwise without calling `show`.
int ValidateInputs(const BoxTexts& texts, const std::function<void(const std::string&)>& show);
// The same against the model's ranges (ModelRanges).
int ValidateInputs(const BoxTexts& texts, const PropertyModel& model,
                   const std::function<void(const std::string&)>& show);

}  // namespace calorix
