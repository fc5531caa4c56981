#include "tools/steam_command.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

#include "readout/number_text.h"
#include "readout/state_panel.h"
#include "readout/state_region.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

// An argument that is not what the command needs.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Number17(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

std::string ValueText(const PropertyValue& value) {
    return value.empty() ? "empty" : Number17(value);
}

// The whole argument must be a finite decimal number.
double StrictNumber(const std::string& arg) {
    std::string_view text = arg;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        throw UsageError("not a number: '" + arg + "'");
    }
    return value;
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

struct Command {
    int arity;
    const char* usage;
    std::function<void(const std::vector<std::string>&, std::ostream&)> run;
};

Command Saturated(PropertyValue (*f)(double)) {
    return {1, "T", [f](const auto& a, std::ostream& out) {
                out << ValueText(f(StrictNumber(a[0]))) << '\n';
            }};
}

Command Superheated(PropertyValue (*f)(double, double&)) {
    return {2, "T P", [f](const auto& a, std::ostream& out) {
                const double T = StrictNumber(a[0]);
                double P = StrictNumber(a[1]);
                out << ValueText(f(T, P)) << '\n' << "P=" << Number17(P) << '\n';
            }};
}

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands = {
        {"SatPressure",
         {1, "T",
          [](const auto& a, std::ostream& out) {
              out << Number17(SatPressure(StrictNumber(a[0]))) << '\n';
          }}},
        {"SatTemperature",
         {1, "P",
          [](const auto& a, std::ostream& out) {
              double P = StrictNumber(a[0]);
              out << ValueText(SatTemperature(P)) << '\n' << "P=" << Number17(P) << '\n';
          }}},
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
         {2, "s T",
          [](const auto& a, std::ostream& out) {
              out << StateRegion(StrictNumber(a[0]), StrictNumber(a[1])) << '\n';
          }}},
        {"panel",
         {3, "click|locate T s",
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
          }}},
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

int RunSteamCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        PrintHelp(out);
        return 0;
    }
    if (args.empty()) {
        err << "calorix-steam: no name given; see calorix-steam --help\n";
        return 2;
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
    try {
        command.run(rest, out);
    } catch (const UsageError& error) {
        err << "calorix-steam: " << args[0] << ": " << error.what() << '\n';
        return 2;
    }
    return 0;
}

}  // namespace calorix
