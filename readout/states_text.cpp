#include "readout/states_text.h"

#include <charconv>
#include <system_error>

#include "model/property_model.h"
#include "model/state_region.h"

namespace calorix {
namespace {

// A value text of the panel without the blank of its sign position.
std::string_view Shown(const std::string& text) {
    std::string_view shown = text;
    while (!shown.empty() && shown.front() == ' ')
        shown.remove_prefix(1);
    return shown;
}

// The titles of the columns, one line.
std::string HeaderLine(char separator, const char* lineEnd, bool csv) {
    std::string text;
    for (std::size_t column = 0; column < kStateColumns.size(); ++column) {
        if (column > 0) text += separator;
        text += csv ? CsvField(kStateColumns[column]) : std::string(kStateColumns[column]);
    }
    text += lineEnd;
    return text;
}

}  // namespace

std::string_view RegionName(int region) {
    switch (region) {
        case kWetMixture:
            return "wet mixture";
        case kSuperheated:
            return "superheated";
        default:
            return "";
    }
}

std::string_view RegionOf(const PanelValues& state) {
    return state.phase.empty() ? RegionName(state.region) : std::string_view(state.phase);
}

std::string FullPrecisionText(double value) {
    char buffer[64];
    const std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc()) return std::string();
    return std::string(buffer, result.ptr);
}

std::string CsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string StatesCsv(const std::vector<NumberedState>& rows) {
    std::string text = HeaderLine(',', "\r\n", true);
    for (const NumberedState& row : rows) {
        const PanelValues& state = row.state;
        const std::string fields[] = {std::to_string(row.number),
                                      FullPrecisionText(state.T),
                                      FullPrecisionText(state.P),
                                      FullPrecisionText(state.v),
                                      FullPrecisionText(state.h),
                                      FullPrecisionText(state.s),
                                      state.x ? FullPrecisionText(*state.x) : std::string(),
                                      std::string(RegionOf(state)),
                                      std::string(ModelCaption(state.model))};
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i > 0) text += ',';
            text += CsvField(fields[i]);
        }
        text += "\r\n";
    }
    return text;
}

std::string StatesTabText(const std::vector<NumberedState>& rows) {
    std::string text = HeaderLine('\t', "\n", false);
    for (const NumberedState& row : rows) {
        const PanelValues& state = row.state;
        const std::string_view fields[] = {
            Shown(state.TText), Shown(state.PText), Shown(state.vText), Shown(state.hText),
            Shown(state.sText), Shown(state.xText), RegionOf(state),    ModelCaption(state.model)};
        text += std::to_string(row.number);
        for (const std::string_view field : fields) {
            text += '\t';
            text += field;
        }
        text += '\n';
    }
    return text;
}

}  // namespace calorix
