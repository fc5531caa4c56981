#include "tools/cycle_command.h"

#include <array>
#include <map>
#include <optional>
#include <string_view>

#include "cycle/rankine.h"
#include "model/property_model.h"
#include "tools/number_arguments.h"

namespace calorix {
namespace {

// The options that take a number, in the order of CycleInput.
constexpr std::array<std::string_view, 9> kOptions = {
    "--boiler-pressure",    "--turbine-inlet-temperature", "--condenser-pressure",
    "--reheat-pressure",    "--reheat-temperature",        "--heater-pressure",
    "--turbine-efficiency", "--pump-efficiency",           "--net-power"};

std::string_view OptionOf(CycleInput input) {
    return kOptions[static_cast<std::size_t>(input)];
}

std::optional<CycleInput> InputOf(std::string_view option) {
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        if (kOptions[i] == option) return static_cast<CycleInput>(i);
    }
    return std::nullopt;
}

// The options as typed: the texts of each, in order.
struct Given {
    const PropertyModel* model = nullptr;
    std::map<CycleInput, std::vector<std::string>> texts;
    std::map<CycleInput, std::vector<double>> values;

    std::optional<double> One(CycleInput input) const {
        const auto found = values.find(input);
        if (found == values.end()) return std::nullopt;
        return found->second.front();
    }
};

Given ReadOptions(const std::vector<std::string>& args) {
    Given given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool isModel = option == "--model";
        const std::optional<CycleInput> input = InputOf(option);
        if (!isModel && !input) throw UsageError("unknown option '" + option + "'");
        if (i + 1 == args.size()) throw UsageError(option + " takes a value");
        const std::string& value = args[++i];
        if (isModel) {
            if (given.model) throw UsageError("--model given twice");
            given.model = ModelNamed(value);
            if (!given.model) throw UsageError("no model named '" + value + "' (classic or if97)");
            continue;
        }
        if (*input != CycleInput::kHeaterPressure && given.values.count(*input)) {
            throw UsageError(option + " given twice");
        }
        given.values[*input].push_back(StrictNumber(value));
        given.texts[*input].push_back(value);
    }
    if (!given.model) throw UsageError("--model classic|if97 is required");
    for (const CycleInput required :
         {CycleInput::kBoilerPressure, CycleInput::kCondenserPressure}) {
        if (!given.values.count(required)) {
            throw UsageError(std::string(OptionOf(required)) + " is required");
        }
    }
    const bool reheatPressure = given.values.count(CycleInput::kReheatPressure) != 0;
    const bool reheatTemperature = given.values.count(CycleInput::kReheatTemperature) != 0;
    if (reheatPressure != reheatTemperature) {
        throw UsageError(reheatPressure ? "--reheat-pressure needs --reheat-temperature"
                                        : "--reheat-temperature needs --reheat-pressure");
    }
    return given;
}

RankineInputs InputsOf(const Given& given) {
    using enum CycleInput;
    RankineInputs inputs;
    inputs.boilerPressure = *given.One(kBoilerPressure);
    inputs.turbineInletTemperature = given.One(kTurbineInletTemperature);
    inputs.condenserPressure = *given.One(kCondenserPressure);
    if (given.One(kReheatPressure)) {
        inputs.reheat = Reheat{*given.One(kReheatPressure), *given.One(kReheatTemperature)};
    }
    if (const auto heaters = given.values.find(kHeaterPressure); heaters != given.values.end()) {
        inputs.heaterPressures = heaters->second;
    }
    inputs.turbineEfficiency = given.One(kTurbineEfficiency).value_or(1);
    inputs.pumpEfficiency = given.One(kPumpEfficiency).value_or(1);
    inputs.netPower = given.One(kNetPower);
    return inputs;
}

// "--condenser-pressure 10", or the option alone where it was not given.
std::string Named(const Given& given, const CycleError& error) {
    std::string named(OptionOf(error.input));
    const auto texts = given.texts.find(error.input);
    if (texts == given.texts.end()) return named;
    const std::size_t index = error.heater.value_or(0);
    if (index < texts->second.size()) named += " " + texts->second[index];
    return named;
}

// --- JSON --------------------------------------------------------------------

// The numbers' own writers, beside this file's texts and flags.
using calorix::Json;

std::string Json(bool value) {
    return value ? "true" : "false";
}

std::string JsonText(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static const char* const kHex = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[(c >> 4) & 0xf];
            quoted += kHex[c & 0xf];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string Json(const std::vector<double>& values) {
    std::string json = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        json += (i ? "," : "") + Json(values[i]);
    return json + "]";
}

using Fields = std::vector<std::pair<const char*, std::string>>;

std::string Object(const Fields& fields) {
    std::string json = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        json += (i ? ",\"" : "\"") + std::string(fields[i].first) + "\":" + fields[i].second;
    }
    return json + "}";
}

std::string CycleJson(const PropertyModel& model, const RankineCycle& cycle) {
    std::string states = "[";
    for (std::size_t i = 0; i < cycle.states.size(); ++i) {
        const State& s = cycle.states[i].state;
        states += (i ? "," : "") + Object({{"T", Json(s.T)},
                                           {"P", Json(s.P)},
                                           {"v", Json(s.v)},
                                           {"h", Json(s.h)},
                                           {"s", Json(s.s)},
                                           {"x", Json(s.x)},
                                           {"region", JsonText(PhaseName(s.phase))},
                                           {"approximate", Json(cycle.states[i].approximate)}});
    }
    states += "]";
    std::string processes = "[";
    for (std::size_t i = 0; i < cycle.processes.size(); ++i) {
        const CycleProcess& p = cycle.processes[i];
        processes += (i ? "," : "") + Object({{"from", std::to_string(p.from)},
                                              {"to", std::to_string(p.to)},
                                              {"kind", JsonText(ProcessKindName(p.process.kind))},
                                              {"q", Json(p.process.q)},
                                              {"w", Json(p.process.w)},
                                              {"dh", Json(p.process.dh)},
                                              {"ds", Json(p.process.ds)},
                                              {"fraction", Json(p.fraction)}});
    }
    processes += "]";
    return Object({{"model", JsonText(model.Name())},
                   {"states", states},
                   {"processes", processes},
                   {"net_work", Json(cycle.netWork)},
                   {"heat_in", Json(cycle.heatIn)},
                   {"heat_out", Json(cycle.heatOut)},
                   {"turbine_work", Json(cycle.turbineWork)},
                   {"pump_work", Json(cycle.pumpWork)},
                   {"thermal_efficiency", Json(cycle.thermalEfficiency)},
                   {"back_work_ratio", Json(cycle.backWorkRatio)},
                   {"extraction_fractions", Json(cycle.extractionFractions)},
                   {"extraction_pressures", Json(cycle.extractionPressures)},
                   {"mass_flow", Json(cycle.massFlow)},
                   {"heat_in_rate", Json(cycle.heatInRate)},
                   {"heat_out_rate", Json(cycle.heatOutRate)},
                   {"carnot_efficiency", Json(cycle.carnotEfficiency)},
                   {"lowest_temperature", Json(cycle.lowestTemperature)},
                   {"highest_temperature", Json(cycle.highestTemperature)},
                   {"note", cycle.note.empty() ? "null" : JsonText(cycle.note)}});
}

}  // namespace

int RunCycleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Given given;
    try {
        given = ReadOptions(args);
    } catch (const UsageError& error) {
        err << "calorix-steam: cycle: " << error.what() << '\n';
        return 2;
    }
    const RankineOrError answer = ComputeRankine(*given.model, InputsOf(given));
    if (const CycleError* error = std::get_if<CycleError>(&answer)) {
        err << "calorix-steam: cycle (" << given.model->Name() << "): " << Named(given, *error)
            << ": " << error->why << '\n';
        return 1;
    }
    out << CycleJson(*given.model, std::get<RankineCycle>(answer)) << '\n';
    return 0;
}

}  // namespace calorix
