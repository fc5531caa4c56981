#include "journal/journal_step.h"

#include <charconv>
#include <string_view>

#include "lines/series_values.h"
#include "model/property_model.h"
#include "numeric/overloaded.h"

namespace calorix::journal {
namespace {

const char* const kLetters[kPropertyCount] = {"T", "P", "v", "h", "s"};
const char* const kLineNames[kPropertyCount] = {"isotherm", "isobar", "isochore", "isenthalp",
                                                "isentrope"};

// A box text without the blanks around it: "  1 " -> "1".
std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string Assignment(int property, std::string_view text) {
    return std::string(kLetters[property]) + " = " + std::string(Trimmed(text));
}

// One decimal, whatever the locale: 500.0625 -> "500.1".
std::string OneDecimal(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    if (result.ec != std::errc()) return "?";
    return std::string(buffer, result.ptr);
}

std::string DescribeLocate(const LocateCommand& locate) {
    int filled[kPropertyCount] = {};
    int count = 0;
    for (int i = 0; i < kPropertyCount; ++i) {
        if (IsFilled(locate.boxes[size_t(i)])) filled[count++] = i;
    }
    if (count == 1) {
        return std::string(kLineNames[filled[0]]) + " " +
               Assignment(filled[0], locate.boxes[size_t(filled[0])]);
    }
    if (count == 2) {
        return "state " + Assignment(filled[0], locate.boxes[size_t(filled[0])]) + ", " +
               Assignment(filled[1], locate.boxes[size_t(filled[1])]);
    }
    return "Locate";
}

std::string DescribeSeries(const SeriesCommand& series) {
    const double from = BoxValue(series.from);
    const double to = BoxValue(series.to);
    const std::optional<double> step =
        calorix::SeriesStep(from, to, BoxValue(series.increment), BoxValue(series.count),
                            series.mode == SeriesMode::kCount);
    const std::size_t lines = Series(from, to, step).values.size();
    const bool known = series.property >= 0 && series.property < kPropertyCount;
    const std::string name = known ? kLineNames[series.property] : "line";
    return "series of " + std::to_string(lines) + " " + name + (lines == 1 ? "" : "s");
}

// "Rankine cycle 15 MPa": the boiler pressure as typed, or read when it
// carries the kPa suffix.
std::string DescribeCycle(const CycleCommand& cycle) {
    std::string_view pressure = Trimmed(cycle.texts.boilerPressure);
    std::string read;
    if (!pressure.empty() && (pressure.back() == 'k' || pressure.back() == 'K')) {
        read = RewriteKiloPascal(pressure);
        pressure = Trimmed(read);
    }
    return "Rankine cycle " + std::string(pressure) + " MPa";
}

}  // namespace

std::string Describe(const Step& step) {
    return std::visit(
        Overloaded{
            [](const LocateCommand& locate) { return DescribeLocate(locate); },
            [](const ClickCommand& click) { return "click at T = " + OneDecimal(click.T) + " K"; },
            [](const SeriesCommand& series) { return DescribeSeries(series); },
            [](const ClearCommand&) { return std::string("Clear"); },
            [](const OpenCommand& open) { return "open of " + open.fileName; },
            [](const ModelCommand& model) { return std::string(ModelCaption(model.model)); },
            [](const CycleCommand& cycle) { return DescribeCycle(cycle); },
        },
        step.command);
}

std::vector<Step> FlatSteps(const std::vector<Step>& steps) {
    std::vector<Step> flat;
    for (const Step& step : steps) {
        if (const auto* open = std::get_if<OpenCommand>(&step.command)) {
            flat = FlatSteps(open->steps);
        } else {
            flat.push_back(step);
        }
    }
    return flat;
}

std::string FlatStartModel(const std::vector<Step>& steps, const std::string& startModel) {
    std::string model = startModel;
    for (const Step& step : steps) {
        if (const auto* open = std::get_if<OpenCommand>(&step.command)) {
            model = FlatStartModel(open->steps, open->model);
        }
    }
    return model;
}

}  // namespace calorix::journal
