#include "lines/box_values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

#include "numeric/number_text.h"

namespace calorix {

int CountFilled(const BoxTexts& texts) {
    return static_cast<int>(std::count_if(texts.begin(), texts.end(),
                                          [](const std::string& t) { return IsFilled(t); }));
}

std::string RewriteCelsius(std::string_view temperatureText) {
    if (temperatureText.empty()) return std::string(temperatureText);
    const char last = temperatureText.back();
    if (last != 'c' && last != 'C') return std::string(temperatureText);
    temperatureText.remove_suffix(1);
    return GeneralText(BoxValue(temperatureText) + 273);
}

std::string RewriteKiloPascal(std::string_view pressureText) {
    if (pressureText.empty()) return std::string(pressureText);
    const char last = pressureText.back();
    if (last != 'k' && last != 'K') return std::string(pressureText);
    pressureText.remove_suffix(1);
    return NumberText(BoxValue(pressureText) / 1000);
}

void ApplyUnitSuffixes(BoxTexts& texts) {
    texts[kT] = RewriteCelsius(texts[kT]);
    texts[kP] = RewriteKiloPascal(texts[kP]);
}

}  // namespace calorix
