#include "tools/steam_command.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

#include "model/chart_range.h"
#include "model/state_region.h"
#include "numeric/number_text.h"
#include "readout/state_panel.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"
#include "tools/cycle_command.h"
#include "tools/number_arguments.h"
#include "tools/state_command.h"

namespace calorix {
namespace {

std::string ValueText(const PropertyValue& value) {
    return value.empty() ? "empty" : Number17(value);
}

// A whole number from 0 to limit (decimals and widths stay small).
int StrictCount(const std::string& arg, int limit) {
    int value = 0;
    const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), value);
    if (arg.empty() || ec != std::errc() || end != arg.data() + arg.size() || value < 0 ||
        value > limit) {
        throw UsageError("not a whole number from 0 to " + std::to_string(limit) + ": '" + arg +
                         "'");
    }
    return value;
}

constexpr int kMaxDecimals = 15;
constexpr int kMaxWidth = 30;

// The range an argument must lie in for the correlation behind a name to
// hold; outside it the model still gives a value, printed all the same.
struct ArgumentRange {
    std::size_t index;  // of the argument after the name
    const char* symbol;
    double low;
    double high;
    const char* unit;
};

// Saturated states up to the critical point, superheated steam as far as the
// searches carry it, pressures of the saturation line up to where it is
// clipped, and the chart itself for the region and the panel.
constexpr ArgumentRange kSaturatedT{0, "T", kTriplePointTemperature, kCriticalTemperature, "K"};
constexpr ArgumentRange kSuperheatedT{0, "T", kTriplePointTemperature, kSearchTopTemperature, "K"};
constexpr ArgumentRange kSaturationP{0, "P", 0.000611, kCriticalPressure, "MPa"};
constexpr ArgumentRange ChartEntropy(std::size_t index) {
    return {index, "s", kChartMinEntropy, kChartMaxEntropy, "kJ/kg-K"};
}
constexpr ArgumentRange ChartTemperature(std::size_t index) {
    return {index, "T", kChartMinTemperature, kChartMaxTemperature, "K"};
}

struct Command {
    int arity;
    const char* usage;
    std::function<void(const std::vector<std::string>&, std::ostream&)> run;
    std::vector<ArgumentRange> ranges = {};
};

Command Saturated(PropertyValue (*f)(double)) {
    return {
        1,
        "T",
        [f](const auto& a, std::ostream& out) { out << ValueText(f(StrictNumber(a[0]))) << '\n'; },
        {kSaturatedT}};
}

Command Superheated(PropertyValue (*f)(double, double&)) {
    ArgumentRange pressure = kSaturationP;
    pressure.index = 1;
    return {2,
            "T P",
            [f](const auto& a, std::ostream& out) {
                const double T = StrictNumber(a[0]);
                double P = StrictNumber(a[1]);
                out << ValueText(f(T, P)) << '\n' << "P=" << Number17(P) << '\n';
            },
            {kSuperheatedT, pressure}};
}

// One line naming every argument outside its range, or nothing.
std::string RangeWarning(const std::string& name, const Command& command,
                         const std::vector<std::string>& args) {
    std::string outside;
    for (const ArgumentRange& range : command.ranges) {
        const double value = StrictNumber(args[range.index]);
        if (value >= range.low && value <= range.high) continue;
        outside += outside.empty() ? "" : "; ";
        outside += std::string(range.symbol) + " = " + ShortNumber(value) + " lies outside " +
                   ShortNumber(range.low) + " to " + ShortNumber(range.high) + " " + range.unit;
    }
    if (outside.empty()) return {};
    return "calorix-steam: " + name + ": " + outside +
           ", where the correlation holds; the model's value is printed all the same\n";
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"SatPressure",
         {1,
          "T",
          [](const auto& a, std::ostream& out) {
              out << Number17(SatPressure(StrictNumber(a[0]))) << '\n';
          },
          {kSaturatedT}}},
        {"SatTemperature",
         {1,
          "P",
          [](const auto& a, std::ostream& out) {
              double P = StrictNumber(a[0]);
              out << ValueText(SatTemperature(P)) << '\n' << "P=" << Number17(P) << '\n';
          },
          {kSaturationP}}},
        {"SatLiquidVolume", Saturated(SatLiquidVolume)},
        {"SatVaporVolume", Saturated(SatVaporVolume)},
        {"SatLiquidEnthalpy", Saturated(SatLiquidEnthalpy)},
        {"SatVaporEnthalpy", Saturated(SatVaporEnthalpy)},
        {"EvaporationEnthalpy", Saturated(EvaporationEnthalpy)},
        {"SatLiquidEntropy", Saturated(SatLiquidEntropy)},
        {"SatVaporEntropy", Saturated(SatVaporEntropy)},
        {"SuperheatedVolume", Superheated(SuperheatedVolume)},
        {"SuperheatedEnthalpy", Superheated(SuperheatedEnthalpy)},
        {"SuperheatedEntropy", Superheated(SuperheatedEntropy)},
        {"TruncateDecimals",
         {2, "x n",
          [](const auto& a, std::ostream& out) {
              out << Number17(TruncateDecimals(StrictNumber(a[0]), StrictCount(a[1], kMaxDecimals)))
                  << '\n';
          }}},
        {"NumberText",
         {1, "x",
          [](const auto& a, std::ostream& out) {
              out << QuotedText(NumberText(StrictNumber(a[0]))) << '\n';
          }}},
        {"FixedDecimalText",
         {3, "x w n",
          [](const auto& a, std::ostream& out) {
              double x = StrictNumber(a[0]);
              out << QuotedText(FixedDecimalText(x, StrictCount(a[1], kMaxWidth),
                                                 StrictCount(a[2], kMaxDecimals)))
                  << '\n';
          }}},
        {"ReadoutText",
         {3, "x w n",
          [](const auto& a, std::ostream& out) {
              double x = StrictNumber(a[0]);
              out << QuotedText(ReadoutText(x, StrictCount(a[1], kMaxWidth),
                                            StrictCount(a[2], kMaxDecimals)))
                  << '\n';
          }}},
        {"StateRegion",
         {2,
          "s T",
          [](const auto& a, std::ostream& out) {
              out << StateRegion(StrictNumber(a[0]), StrictNumber(a[1])) << '\n';
          },
          {ChartEntropy(0), ChartTemperature(1)}}},
        {"panel",
         {3,
          "click|locate T s",
          [](const auto& a, std::ostream& out) {
              PanelVariant variant;
              if (a[0] == "click") {
                  variant = PanelVariant::kClick;
              } else if (a[0] == "locate") {
                  variant = PanelVariant::kLocate;
              } else {
                  throw UsageError("panel takes click or locate, not '" + a[0] + "'");
              }
              double T = StrictNumber(a[1]);
              out << QuotedText(StatePanelText(variant, T, StrictNumber(a[2]))) << '\n';
          },
          {ChartTemperature(1), ChartEntropy(2)}}},
    };
    return commands;
}

void PrintHelp(std::ostream& out) {
    out << "usage: calorix-steam NAME ARG...\n"
           "Units: T in K, P in MPa, s in kJ/kg-K. Numbers are printed with 17 significant\n"
           "digits; texts between double quotes with C escapes.\n"
           "Names:\n";
    for (const auto& [name, command] : Commands()) {
        out << "  " << name << ' ' << command.usage << '\n';
    }
    out << "  state " << kStateUsage
        << "\n"
           "      the state of two properties as one line of JSON: T in K, P in MPa,\n"
           "      v in m^3/kg, h and u in kJ/kg, s, cp and cv in kJ/kg-K, w in m/s,\n"
           "      x the quality; the chart's correlations (classic, the default) or\n"
           "      IAPWS-IF97. No state: one line on standard error and status 1.\n"
           "  cycle "
        << kCycleUsage
        << "\n"
           "      the Rankine cycle as one line of JSON: its states in the order of the\n"
           "      flow, processes, works, heats, efficiencies, extraction fractions and,\n"
           "      with a net power, mass flow (kg/s) and heat rates (MW). P in MPa, T in\n"
           "      K, efficiencies from 0 to 1 (1 by default), one --heater-pressure per\n"
           "      open feedwater heater (at most 10). A cycle that cannot exist: one line\n"
           "      on standard error naming the option and status 1.\n";
}

}  // namespace

std::string QuotedText(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '\r':
                quoted += "\\r";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            default:
                quoted += c;
        }
    }
    return quoted + '"';
}

namespace {

// A result that did not reach its reader (a full disk, a closed pipe) is a
// failure, never a success.
int Written(std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return 0;
    err << "calorix-steam: the result could not be written to the standard output\n";
    return 1;
}

}  // namespace

int RunSteamCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        PrintHelp(out);
        return Written(out, err);
    }
    if (args.empty()) {
        err << "calorix-steam: no name given; see calorix-steam --help\n";
        return 2;
    }
    if (args[0] == "state" || args[0] == "cycle") {
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        const int status =
            args[0] == "state" ? RunStateCommand(rest, out, err) : RunCycleCommand(rest, out, err);
        return status == 0 ? Written(out, err) : status;
    }
    const auto found = Commands().find(args[0]);
    if (found == Commands().end()) {
        err << "calorix-steam: unknown name '" << args[0] << "'; see calorix-steam --help\n";
        return 2;
    }
    const Command& command = found->second;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (int(rest.size()) != command.arity) {
        err << "calorix-steam: " << args[0] << " takes " << command.usage << '\n';
        return 2;
    }
    std::string warning;
    try {
        command.run(rest, out);
        warning = RangeWarning(args[0], command, rest);
    } catch (const UsageError& error) {
        err << "calorix-steam: " << args[0] << ": " << error.what() << '\n';
        return 2;
    }
    err << warning;
    return Written(out, err);
}

}  // namespace calorix
