#include "cycle/cycle_report.h"

#include <charconv>
#include <cmath>

#include "readout/states_text.h"

namespace calorix {
namespace {

// x with `decimals` decimals, "." in every locale; a value that rounds to
// zero is "0.00", never "-0.00". 43.027, 2 -> "43.03".
std::string Fixed(double x, int decimals) {
    if (!std::isfinite(x)) return "";
    if (std::fabs(x) < 0.5 * std::pow(10.0, -decimals)) x = 0;
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "";
    return std::string(buffer, result.ptr);
}

// x with `digits` significant digits: 0.008 -> "0.008", 15 -> "15".
std::string Significant(double x, int digits) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, digits);
    if (result.ec != std::errc()) return "";
    return std::string(buffer, result.ptr);
}

ReportCell FixedCell(double x, int decimals) {
    return {Fixed(x, decimals), x};
}

ReportCell SignificantCell(double x, int digits) {
    return {Significant(x, digits), x};
}

ReportCell TextCell(std::string text) {
    return {std::move(text), std::nullopt};
}

ReportCell NumberCell(int n) {
    return {std::to_string(n), double(n)};
}

// "open_heater" -> "open heater".
std::string Spoken(std::string_view name) {
    std::string text(name);
    for (char& c : text) {
        if (c == '_') c = ' ';
    }
    return text;
}

void AddFigure(CycleReport& report, std::string name, double value, int decimals,
               std::string unit) {
    report.figures.push_back({std::move(name), FixedCell(value, decimals), std::move(unit)});
}

// The lines of one part: its title, the header and the rows, each field
// given by `field` and joined by `separator`.
template <class Field>
void AddPart(std::string& text, std::string_view title, const std::vector<std::string>& header,
             const std::vector<std::vector<ReportCell>>& rows, char separator, const char* lineEnd,
             Field field) {
    text += field(ReportCell{std::string(title), std::nullopt});
    text += lineEnd;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (i > 0) text += separator;
        text += field(ReportCell{header[i], std::nullopt});
    }
    text += lineEnd;
    for (const std::vector<ReportCell>& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += separator;
            text += field(row[i]);
        }
        text += lineEnd;
    }
}

template <std::size_t N>
std::vector<std::string> Header(const std::array<std::string_view, N>& columns) {
    return std::vector<std::string>(columns.begin(), columns.end());
}

template <class Field>
std::string ReportText(const CycleReport& report, char separator, const char* lineEnd,
                       Field field) {
    std::vector<std::vector<ReportCell>> figures;
    for (const ReportFigure& figure : report.figures) {
        figures.push_back({TextCell(figure.name), figure.value, TextCell(figure.unit)});
    }
    std::string text;
    AddPart(text, "States", Header(kCycleStateColumns), report.states, separator, lineEnd, field);
    text += lineEnd;
    AddPart(text, "Processes", Header(kCycleProcessColumns), report.processes, separator, lineEnd,
            field);
    text += lineEnd;
    AddPart(text, "Cycle", Header(kCycleFigureColumns), figures, separator, lineEnd, field);
    if (!report.note.empty()) {
        text += field(TextCell("note"));
        text += separator;
        text += field(TextCell(report.note));
        text += lineEnd;
    }
    return text;
}

}  // namespace

CycleReport ReportOf(const RankineCycle& cycle) {
    CycleReport report;
    for (std::size_t i = 0; i < cycle.states.size(); ++i) {
        const State& s = cycle.states[i].state;
        std::string region(PhaseName(s.phase));
        if (cycle.states[i].approximate) region += " (approximate)";
        report.states.push_back({NumberCell(int(i + 1)), FixedCell(s.T, 2), SignificantCell(s.P, 6),
                                 SignificantCell(s.v, 6), FixedCell(s.h, 2), FixedCell(s.s, 4),
                                 s.x ? FixedCell(*s.x, 4) : TextCell(""), TextCell(region)});
    }
    for (const CycleProcess& p : cycle.processes) {
        report.processes.push_back({NumberCell(p.from), NumberCell(p.to),
                                    TextCell(Spoken(ProcessKindName(p.process.kind))),
                                    FixedCell(p.fraction, 4), FixedCell(p.process.q, 2),
                                    FixedCell(p.process.w, 2)});
    }
    AddFigure(report, "net work", cycle.netWork, 2, "kJ/kg");
    AddFigure(report, "heat in", cycle.heatIn, 2, "kJ/kg");
    AddFigure(report, "heat out", cycle.heatOut, 2, "kJ/kg");
    AddFigure(report, "turbine work", cycle.turbineWork, 2, "kJ/kg");
    AddFigure(report, "pump work", cycle.pumpWork, 2, "kJ/kg");
    AddFigure(report, "thermal efficiency", 100 * cycle.thermalEfficiency, 2, "%");
    AddFigure(report, "back-work ratio", 100 * cycle.backWorkRatio, 2, "%");
    for (std::size_t i = 0; i < cycle.extractionFractions.size(); ++i) {
        const std::string at = i < cycle.extractionPressures.size()
                                   ? " at " + Significant(cycle.extractionPressures[i], 6) + " MPa"
                                   : "";
        AddFigure(report, "extraction fraction" + at, cycle.extractionFractions[i], 4,
                  "kg/kg of boiler flow");
    }
    if (cycle.massFlow) AddFigure(report, "mass flow", *cycle.massFlow, 2, "kg/s");
    if (cycle.heatInRate) AddFigure(report, "heat in rate", *cycle.heatInRate, 2, "MW");
    if (cycle.heatOutRate) AddFigure(report, "heat out rate", *cycle.heatOutRate, 2, "MW");
    AddFigure(report,
              "Carnot efficiency between " + Fixed(cycle.lowestTemperature, 2) + " and " +
                  Fixed(cycle.highestTemperature, 2) + " K",
              100 * cycle.carnotEfficiency, 2, "%");
    report.note = cycle.note;
    return report;
}

std::string CycleReportTabText(const CycleReport& report) {
    return ReportText(report, '\t', "\n", [](const ReportCell& cell) { return cell.shown; });
}

std::string CycleReportCsv(const CycleReport& report) {
    return ReportText(report, ',', "\r\n", [](const ReportCell& cell) {
        return CsvField(cell.number ? FullPrecisionText(*cell.number) : cell.shown);
    });
}

}  // namespace calorix
