#include "lines/series_values.h"

#include <cmath>

namespace calorix {

const std::array<SeriesOption, kPropertyCount>& SeriesOptions(const PropertyModel& model) {
    static const std::array<SeriesOption, kPropertyCount> chart = {{
        {"Temperature [273.16 to 1273.16 K]", "274", "1273", "100"},
        {"Pressure [0.00062 to 22]", "0.00062", "22", "1"},
        {"Specific volume [0.005 to 200]", "0.005", "200", "10"},
        {"Specific enthalpy [200 to 4600]", "200", "4600", "400"},
        {"Specific entropy [0 to 12]", "0", "12", "1"},
    }};
    static const std::array<SeriesOption, kPropertyCount> if97 = {{
        {"Temperature [273.16 to 1273.16 K]", "274", "1273", "100"},
        {"Pressure [0.000001 to 100]", "0.00062", "22", "1"},
        {"Specific volume [0.00095 to 100000]", "0.005", "200", "10"},
        {"Specific enthalpy [0 to 4700]", "200", "4600", "400"},
        {"Specific entropy [0 to 12]", "0", "12", "1"},
    }};
    switch (model.Kind()) {
        case ModelKind::kClassic:
            return chart;
        case ModelKind::kIf97:
            return if97;
    }
    return chart;
}

std::optional<double> SeriesStep(double from, double to, double increment, double count,
                                 bool byCount) {
    if (!byCount) return increment;
    if (count == 0) return std::nullopt;
    return (to - from) / count;
}

SeriesValues Series(double from, double to, std::optional<double> step, int maxLines) {
    SeriesValues series;
    if (!step || *step == 0 || std::isnan(*step)) {
        series.outcome = SeriesOutcome::kNoStep;
        return series;
    }
    const double by = *step;
    // Refused up front when the steps between From and To are too many to
    // draw; a range that is not a number (From and To both infinite) is left
    // to the running value, which stops changing at once.
    const double steps = (to - from) / by;
    if (steps >= maxLines) {
        series.outcome = SeriesOutcome::kTooMany;
        return series;
    }
    double v = from;
    while (by >= 0 ? v <= to : v >= to) {
        // Rounding in the running value can add a pass or two.
        if (series.values.size() >= size_t(maxLines)) {
            series.outcome = SeriesOutcome::kTooMany;
            series.values.clear();
            return series;
        }
        series.values.push_back(v);
        const double next = v + by;
        if (next == v) break;
        v = next;
    }
    return series;
}

}  // namespace calorix
