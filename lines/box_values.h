#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/property_index.h"
#include "numeric/box_value.h"

// The five property boxes: their texts (read as numbers by BoxValue) and the
// two unit-suffix rewrites the Draw command applies before anything else.
namespace calorix {

using BoxTexts = std::array<std::string, kPropertyCount>;

// A box is filled when its text is not empty (blanks alone count as filled).
inline bool IsFilled(std::string_view text) {
    return !text.empty();
}
int CountFilled(const BoxTexts& texts);

// Temperature box: a trailing C (either case) means degrees Celsius. The
// text without it, read as a number, plus 273, in general decimal text.
// "25c" -> "298"; "c" -> "273". Other texts come back unchanged.
std::string RewriteCelsius(std::string_view temperatureText);

// Pressure box: a trailing K (either case) means kPa. The text without it,
// read as a number, divided by 1000, as NumberText. "100K" -> " .1".
std::string RewriteKiloPascal(std::string_view pressureText);

// Applies both rewrites to the T and P boxes in place.
void ApplyUnitSuffixes(BoxTexts& texts);

}  // namespace calorix
