#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cycle/rankine.h"

// The results of a Rankine cycle as tables of texts: what the cycle's
// results window shows, what its Copy puts on the clipboard and what its
// Export CSV writes. Three parts: the states in the order of the flow, the
// processes, and the cycle's figures.
//
// Units: T in K, P in MPa, v in m^3/kg, h, q and w in kJ/kg, s in kJ/kg-K;
// efficiencies and the back-work ratio in percent, extraction fractions in
// kg per kg of boiler flow, the mass flow in kg/s, heat rates in MW.
namespace calorix {

// One value: the text shown and the number behind it at full precision
// (none for a text, such as a region, or an empty quality).
struct ReportCell {
    std::string shown;
    std::optional<double> number;
    bool operator==(const ReportCell&) const = default;
};

using ReportRow = std::vector<ReportCell>;

// The columns of the cycle's states: the table of states' without the
// model, which the cycle names once for all its states.
inline constexpr std::array<std::string_view, 8> kCycleStateColumns = {
    "No.", "T (K)", "P (MPa)", "v (m^3/kg)", "h (kJ/kg)", "s (kJ/kg-K)", "x", "region"};
// The processes' columns.
inline constexpr std::array<std::string_view, 6> kCycleProcessColumns = {
    "from", "to", "process", "fraction", "q (kJ/kg)", "w (kJ/kg)"};
inline constexpr std::array<std::string_view, 3> kCycleFigureColumns = {"figure", "value", "unit"};

// A figure of the cycle: "thermal efficiency", 43.03, "%".
struct ReportFigure {
    std::string name;
    ReportCell value;
    std::string unit;
    bool operator==(const ReportFigure&) const = default;
};

struct CycleReport {
    // One row a state: its number, T, P, v, h, s, the quality (empty
    // outside the dome) and the region ("wet", "steam", "liquid"; a pump
    // outlet of the incompressible-liquid approximation "liquid
    // (approximate)").
    std::vector<ReportRow> states;
    // One row a process: from, to, its kind ("pump", "open heater"), the
    // stream's fraction of the boiler flow, q and w per kg of the stream.
    std::vector<ReportRow> processes;
    // Net work, heat in, heat out, turbine work, pump work (kJ/kg of boiler
    // flow), thermal efficiency and back-work ratio (%), the extraction
    // fraction at each heater's pressure from the highest down, the mass
    // flow and the heat rates when a net power was given, and the Carnot
    // efficiency between the cycle's lowest and highest temperatures (%).
    std::vector<ReportFigure> figures;
    // How the pump outlets were computed where the model has no compressed
    // liquid; empty when every state is the model's.
    std::string note;
};

// The report of the cycle. Shown texts: T, h, q, w, the figures in kJ/kg,
// %, kg/s and MW with 2 decimals, s with 4, x and fractions with 4, P and v
// with 6 significant digits; "." in every locale and never "-0.00".
CycleReport ReportOf(const RankineCycle& cycle);

// The report as the window shows it, for pasting into a spreadsheet: each
// part's title ("States", "Processes", "Cycle"), its header line and its
// rows, fields separated by tabs; a blank line between parts; the note last,
// as "note" and its text. Lines end with a line feed.
std::string CycleReportTabText(const CycleReport& report);

// The report as an RFC 4180 CSV file: the same parts and lines, every
// number at full precision (readout's FullPrecisionText), lines ended by
// CR LF.
std::string CycleReportCsv(const CycleReport& report);

}  // namespace calorix
