// The cycle's results as texts: every number behind a cell is the cycle's
// own, every shown text that number rounded, and the tab-separated and CSV
// texts carry the three parts in order.
#include "cycle/cycle_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "readout/states_text.h"

namespace calorix {
namespace {

RankineCycle CycleOf(const PropertyModel& model, const RankineInputs& inputs) {
    const RankineOrError answer = ComputeRankine(model, inputs);
    if (!std::holds_alternative<RankineCycle>(answer)) {
        ADD_FAILURE() << std::get<CycleError>(answer).why;
        return {};
    }
    return std::get<RankineCycle>(answer);
}

RankineInputs ReheatWithTwoHeaters() {
    RankineInputs in;
    in.boilerPressure = 15;
    in.turbineInletTemperature = 873.15;
    in.condenserPressure = 0.01;
    in.reheat = Reheat{4, 873.15};
    in.heaterPressures = {4, 0.5};
    in.turbineEfficiency = 0.9;
    in.pumpEfficiency = 0.8;
    in.netPower = 250;
    return in;
}

RankineInputs IdealSaturated8MPa() {
    RankineInputs in;
    in.boilerPressure = 8;
    in.condenserPressure = 0.008;
    return in;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.push_back("");
    return parts;
}

// A shown number read back: it is the number rounded to its decimals.
void ExpectShows(const ReportCell& cell, double value) {
    ASSERT_TRUE(cell.number) << cell.shown;
    EXPECT_EQ(*cell.number, value) << cell.shown;
    const std::size_t point = cell.shown.find('.');
    const int decimals = point == std::string::npos ? 0 : int(cell.shown.size() - point - 1);
    const double shown = std::stod(cell.shown);
    // Fixed decimals round to half a unit of the last; six significant
    // digits to half a unit of the sixth.
    const double fixedTolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    const double significantTolerance = 5e-6 * std::fabs(value);
    EXPECT_LE(std::fabs(shown - value), std::max(fixedTolerance, significantTolerance))
        << cell.shown << " for " << value;
    EXPECT_NE(cell.shown.rfind("-0.0", 0), 0u) << "no negative zero: " << cell.shown;
}

TEST(CycleReport, EveryCellIsTheCyclesOwnNumberRounded) {
    const RankineCycle cycle = CycleOf(If97Model(), ReheatWithTwoHeaters());
    const CycleReport report = ReportOf(cycle);

    ASSERT_EQ(report.states.size(), cycle.states.size());
    for (std::size_t i = 0; i < cycle.states.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const ReportRow& row = report.states[i];
        const State& s = cycle.states[i].state;
        ASSERT_EQ(row.size(), kCycleStateColumns.size());
        EXPECT_EQ(row[0].shown, std::to_string(i + 1));
        ExpectShows(row[1], s.T);
        ExpectShows(row[2], s.P);
        ExpectShows(row[3], s.v);
        ExpectShows(row[4], s.h);
        ExpectShows(row[5], s.s);
        if (s.x) {
            ExpectShows(row[6], *s.x);
        } else {
            EXPECT_EQ(row[6], (ReportCell{"", std::nullopt}));
        }
        EXPECT_EQ(row[7], (ReportCell{std::string(PhaseName(s.phase)), std::nullopt}));
    }
    ASSERT_EQ(report.processes.size(), cycle.processes.size());
    for (std::size_t i = 0; i < cycle.processes.size(); ++i) {
        SCOPED_TRACE(i);
        const ReportRow& row = report.processes[i];
        const CycleProcess& p = cycle.processes[i];
        ASSERT_EQ(row.size(), kCycleProcessColumns.size());
        EXPECT_EQ(row[0].number, p.from);
        EXPECT_EQ(row[1].number, p.to);
        std::string kind(ProcessKindName(p.process.kind));
        for (char& c : kind)
            c = c == '_' ? ' ' : c;
        EXPECT_EQ(row[2].shown, kind);
        ExpectShows(row[3], p.fraction);
        ExpectShows(row[4], p.process.q);
        ExpectShows(row[5], p.process.w);
    }

    const std::vector<std::pair<std::string, double>> figures = {
        {"net work", cycle.netWork},
        {"heat in", cycle.heatIn},
        {"heat out", cycle.heatOut},
        {"turbine work", cycle.turbineWork},
        {"pump work", cycle.pumpWork},
        {"thermal efficiency", 100 * cycle.thermalEfficiency},
        {"back-work ratio", 100 * cycle.backWorkRatio},
        {"extraction fraction at 4 MPa", cycle.extractionFractions.at(0)},
        {"extraction fraction at 0.5 MPa", cycle.extractionFractions.at(1)},
        {"mass flow", *cycle.massFlow},
        {"heat in rate", *cycle.heatInRate},
        {"heat out rate", *cycle.heatOutRate},
        {"Carnot efficiency between 318.96 and 873.15 K", 100 * cycle.carnotEfficiency},
    };
    ASSERT_EQ(report.figures.size(), figures.size());
    for (std::size_t i = 0; i < figures.size(); ++i) {
        EXPECT_EQ(report.figures[i].name, figures[i].first);
        ExpectShows(report.figures[i].value, figures[i].second);
    }
    const std::vector<std::string> units = {"kJ/kg",
                                            "kJ/kg",
                                            "kJ/kg",
                                            "kJ/kg",
                                            "kJ/kg",
                                            "%",
                                            "%",
                                            "kg/kg of boiler flow",
                                            "kg/kg of boiler flow",
                                            "kg/s",
                                            "MW",
                                            "MW",
                                            "%"};
    for (std::size_t i = 0; i < units.size(); ++i)
        EXPECT_EQ(report.figures[i].unit, units[i]) << report.figures[i].name;
    EXPECT_TRUE(report.note.empty()) << "every state is IAPWS-IF97's";
}

TEST(CycleReport, WithoutNetPowerThereIsNoMassFlowNorHeatRate) {
    const CycleReport report = ReportOf(CycleOf(If97Model(), IdealSaturated8MPa()));
    std::vector<std::string> names;
    for (const ReportFigure& figure : report.figures)
        names.push_back(figure.name);
    EXPECT_EQ(names, (std::vector<std::string>{"net work", "heat in", "heat out", "turbine work",
                                               "pump work", "thermal efficiency", "back-work ratio",
                                               "Carnot efficiency between 314.66 and 568.16 K"}));
    // The textbook's 37.1 % and 0.84 %.
    EXPECT_EQ(report.figures[5].value.shown.substr(0, 3), "37.");
    EXPECT_NEAR(std::stod(report.figures[5].value.shown), 37.1, 0.1);
    EXPECT_NEAR(std::stod(report.figures[6].value.shown), 0.84, 0.01);
}

TEST(CycleReport, TheCorrelationsPumpOutletsAreMarkedApproximateAndNoted) {
    const RankineCycle cycle = CycleOf(ClassicModel(), IdealSaturated8MPa());
    const CycleReport report = ReportOf(cycle);
    ASSERT_TRUE(cycle.states.at(1).approximate);
    EXPECT_EQ(report.states[1][7].shown, "liquid (approximate)");
    EXPECT_EQ(report.states[0][7].shown, PhaseName(cycle.states[0].state.phase))
        << "the condenser's outlet is the model's";
    EXPECT_EQ(report.note, cycle.note);
    EXPECT_FALSE(report.note.empty());
}

TEST(CycleReport, AValueThatRoundsToZeroShowsNoSign) {
    RankineCycle cycle;
    Process turbine;
    turbine.kind = ProcessKind::kTurbine;
    turbine.q = -1e-12;
    turbine.w = -0.004;
    cycle.processes.push_back({1, 2, 1, turbine});
    cycle.netWork = -0.0;
    const CycleReport report = ReportOf(cycle);
    EXPECT_EQ(report.processes[0][4].shown, "0.00");
    EXPECT_EQ(report.processes[0][5].shown, "0.00");
    EXPECT_EQ(report.figures[0].value.shown, "0.00");
    EXPECT_EQ(report.processes[0][4].number, -1e-12) << "the number stays as it is";
}

TEST(CycleReport, TheTabTextHoldsThePartsAsShown) {
    const CycleReport report = ReportOf(CycleOf(ClassicModel(), IdealSaturated8MPa()));
    const std::vector<std::string> lines = Split(CycleReportTabText(report), '\n');
    // States: title, header, 4 rows, blank; processes: title, header, 4
    // rows, blank; cycle: title, header, 8 figures; the note; the end.
    ASSERT_EQ(lines.size(), 7u + 7u + 10u + 1u + 1u);
    EXPECT_EQ(lines[0], "States");
    EXPECT_EQ(lines[1], "No.\tT (K)\tP (MPa)\tv (m^3/kg)\th (kJ/kg)\ts (kJ/kg-K)\tx\tregion");
    std::string state2;
    for (const ReportCell& cell : report.states[1])
        state2 += (state2.empty() ? "" : "\t") + cell.shown;
    EXPECT_EQ(lines[3], state2);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Processes");
    EXPECT_EQ(lines[8], "from\tto\tprocess\tfraction\tq (kJ/kg)\tw (kJ/kg)");
    EXPECT_EQ(Split(lines[9], '\t').at(2), "pump");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "Cycle");
    EXPECT_EQ(lines[15], "figure\tvalue\tunit");
    EXPECT_EQ(lines[21], "thermal efficiency\t" + report.figures[5].value.shown + "\t%");
    EXPECT_EQ(lines[24], "note\t" + report.note);
    EXPECT_EQ(lines[25], "") << "the last line ends with a line feed";
}

TEST(CycleReport, TheCsvCarriesEveryNumberAtFullPrecision) {
    const RankineCycle cycle = CycleOf(If97Model(), ReheatWithTwoHeaters());
    CycleReport report = ReportOf(cycle);
    report.note = "a note, \"quoted\"";
    const std::string csv = CycleReportCsv(report);
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1) << "lines end with CR LF";
    std::vector<std::string> lines;
    for (std::string& line : Split(csv, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    EXPECT_EQ(lines[0], "States");
    EXPECT_EQ(lines[1], "No.,T (K),P (MPa),v (m^3/kg),h (kJ/kg),s (kJ/kg-K),x,region");
    for (std::size_t i = 0; i < cycle.states.size(); ++i) {
        const State& s = cycle.states[i].state;
        const std::vector<std::string> fields = Split(lines[2 + i], ',');
        ASSERT_EQ(fields.size(), 8u) << lines[2 + i];
        EXPECT_EQ(fields[0], std::to_string(i + 1));
        EXPECT_EQ(fields[1], FullPrecisionText(s.T));
        EXPECT_EQ(fields[2], FullPrecisionText(s.P));
        EXPECT_EQ(fields[3], FullPrecisionText(s.v));
        EXPECT_EQ(fields[4], FullPrecisionText(s.h));
        EXPECT_EQ(fields[5], FullPrecisionText(s.s));
        EXPECT_EQ(fields[6], s.x ? FullPrecisionText(*s.x) : "");
        EXPECT_EQ(fields[7], PhaseName(s.phase));
    }
    const std::size_t processes = 2 + cycle.states.size() + 1;
    EXPECT_EQ(lines[processes], "Processes");
    const std::vector<std::string> first = Split(lines[processes + 2], ',');
    EXPECT_EQ(first.at(4), FullPrecisionText(cycle.processes[0].process.q));
    EXPECT_EQ(first.at(5), FullPrecisionText(cycle.processes[0].process.w));
    const std::size_t figures = processes + 2 + cycle.processes.size() + 1;
    EXPECT_EQ(lines[figures], "Cycle");
    EXPECT_EQ(lines[figures + 2], "net work," + FullPrecisionText(cycle.netWork) + ",kJ/kg");
    EXPECT_EQ(lines[figures + 7],
              "thermal efficiency," + FullPrecisionText(100 * cycle.thermalEfficiency) + ",%");
    EXPECT_EQ(lines[lines.size() - 2], "note,\"a note, \"\"quoted\"\"\"");
}

}  // namespace
}  // namespace calorix
