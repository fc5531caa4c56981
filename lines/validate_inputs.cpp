#include "lines/validate_inputs.h"

#include "model/chart_range.h"
#include "numeric/number_text.h"

namespace calorix {

const std::array<PropertyRange, kPropertyCount>& ChartRanges() {
    static const std::array<PropertyRange, kPropertyCount> ranges{{
        {kChartMinTemperature, kChartMaxTemperature, "Temperature (273.16 - 1273.16  K)"},
        {0.00062, 22, "Pressure (0.00062 - 22  MPa)"},
        {0.005, 200, "Specific volume (0.005  - 200  m^3/kg)"},
        {200, 4600, "Enthalpy (200    - 4600  kJ/kg)"},
        {kChartMinEntropy, kChartMaxEntropy, "Entropy (0    - 12  kJ/kg)"},
    }};
    return ranges;
}

std::optional<std::string> RangeMessage(const BoxTexts& texts) {
    std::string items;
    int offending = 0;
    for (int index = 0; index < kPropertyCount; ++index) {
        const std::string& text = texts[static_cast<std::size_t>(index)];
        if (!IsFilled(text)) continue;
        const PropertyRange& range = ChartRanges()[static_cast<std::size_t>(index)];
        const double value = BoxValue(text);
        // Written so that a value that is no number at all would offend too.
        if (value >= range.lower && value <= range.upper) continue;
        ++offending;
        items += "       " + NumberText(offending) + ".  " + range.text + "\r\r";
    }
    if (offending == 0) return std::nullopt;

    std::string message =
        "The value specified for the following variables is beyond the\r"
        "limits of the T-s diagram\r\r"
        "Make sure that the values are in the range given against each\r"
        "parameter\r\r";
    message += items;
    if (offending > 2) {
        message +=
            "Moreover, please specify upto TWO parameters only\r"
            "for locating a state point on the diagram";
    }
    return message;
}

int ValidateInputs(const BoxTexts& texts, const std::function<void(const std::string&)>& show) {
    const std::optional<std::string> message = RangeMessage(texts);
    if (!message) return 0;
    if (show) show(*message);
    return 1;
}

}  // namespace calorix
