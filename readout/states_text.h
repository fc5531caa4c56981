#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "readout/state_panel.h"

// The table of listed states as text for other programs: CSV files and
// tab-separated text for the clipboard.
namespace calorix {

// The columns of the table of states, with their units.
inline constexpr std::array<std::string_view, 9> kStateColumns = {
    "No.", "T (K)", "P (MPa)", "v (m^3/kg)", "h (kJ/kg)", "s (kJ/kg-K)", "x", "region", "model"};

// One row of the table: its number (from 1) and the state it lists.
struct NumberedState {
    int number = 0;
    PanelValues state;
};

// "wet mixture" or "superheated"; empty for any other region code.
std::string_view RegionName(int region);

// The region a listed state names: the phase a model gave it ("liquid",
// "supercritical"), or for the chart's correlations RegionName.
std::string_view RegionOf(const PanelValues& state);

// The shortest text that reads back as the same double, always with "." as
// the decimal point: 373.15 -> "373.15", 0.1 -> "0.1", 1e-07 -> "1e-07".
std::string FullPrecisionText(double value);

// One CSV field (RFC 4180): a field holding a comma, a double quote, a
// carriage return or a line feed is quoted, its quotes doubled.
// a,b -> "a,b"; say "hi" -> "say ""hi""".
std::string CsvField(std::string_view field);

// The rows as an RFC 4180 CSV file: a header line with the units, then one
// record per row, every number at full precision; lines end with CR LF.
// The quality is empty for a superheated state.
std::string StatesCsv(const std::vector<NumberedState>& rows);

// The rows as the table shows them, for pasting into a spreadsheet: a header
// line, then one line per row, the values as the panel showed them (without
// the sign position's blank), fields separated by tabs, lines ended by a
// line feed.
std::string StatesTabText(const std::vector<NumberedState>& rows);

}  // namespace calorix
