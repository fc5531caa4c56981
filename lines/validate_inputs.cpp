#include "lines/validate_inputs.h"

#include "model/chart_range.h"
#include "numeric/number_text.h"

namespace calorix {
namespace {

// The values of IAPWS-IF97's states on the chart, with room to spare only
// where it costs nothing:
// - P: from 1.29e-6 MPa (steam at 273.16 K and s = 12, the lowest pressure
//   on the chart) up to 100 MPa, the top of the model (50 MPa above
//   1073.15 K);
// - v: from 0.000957 m^3/kg (liquid at 273.16 K and 100 MPa, the densest
//   state on the chart) to 97,543 m^3/kg (steam at 273.16 K and s = 12);
// - h: from 0.0006 kJ/kg (the saturated liquid at 273.16 K) to 4643 kJ/kg
//   (steam at 1273.16 K and the lowest pressures).
// A value within these bounds may still have no state on the chart: its
// line then draws nothing, its location beeps.
const PropertyRanges& If97Ranges() {
    static const PropertyRanges ranges{{
        {kChartMinTemperature, kChartMaxTemperature, "Temperature (273.16 - 1273.16  K)"},
        {0.000001, 100, "Pressure (0.000001 - 100  MPa)"},
        {0.00095, 100000, "Specific volume (0.00095  - 100000  m^3/kg)"},
        {0, 4700, "Enthalpy (0    - 4700  kJ/kg)"},
        {kChartMinEntropy, kChartMaxEntropy, "Entropy (0    - 12  kJ/kg-K)"},
    }};
    return ranges;
}

}  // namespace

const PropertyRanges& ChartRanges() {
    static const PropertyRanges ranges{{
        {kChartMinTemperature, kChartMaxTemperature, "Temperature (273.16 - 1273.16  K)"},
        {0.00062, 22, "Pressure (0.00062 - 22  MPa)"},
        {0.005, 200, "Specific volume (0.005  - 200  m^3/kg)"},
        {200, 4600, "Enthalpy (200    - 4600  kJ/kg)"},
        {kChartMinEntropy, kChartMaxEntropy, "Entropy (0    - 12  kJ/kg)"},
    }};
    return ranges;
}

const PropertyRanges& ModelRanges(const PropertyModel& model) {
    switch (model.Kind()) {
        case ModelKind::kClassic:
            return ChartRanges();
        case ModelKind::kIf97:
            return If97Ranges();
    }
    return ChartRanges();
}

std::optional<std::string> RangeMessage(const BoxTexts& texts) {
    return RangeMessage(texts, ChartRanges());
}

std::optional<std::string> RangeMessage(const BoxTexts& texts, const PropertyRanges& ranges) {
    std::string items;
    int offending = 0;
    for (int index = 0; index < kPropertyCount; ++index) {
        const std::string& text = texts[static_cast<std::size_t>(index)];
        if (!IsFilled(text)) continue;
        const PropertyRange& range = ranges[static_cast<std::size_t>(index)];
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
    return ValidateInputs(texts, ClassicModel(), show);
}

int ValidateInputs(const BoxTexts& texts, const PropertyModel& model,
                   const std::function<void(const std::string&)>& show) {
    const std::optional<std::string> message = RangeMessage(texts, ModelRanges(model));
    if (!message) return 0;
    if (show) show(*message);
    return 1;
}

}  // namespace calorix
