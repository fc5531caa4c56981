#include "cycle/rankine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace calorix {
namespace {

constexpr std::array<std::string_view, 9> kInputNames = {
    "boiler pressure",    "turbine inlet temperature", "condenser pressure",
    "reheat pressure",    "reheat temperature",        "heater pressure",
    "turbine efficiency", "pump efficiency",           "net power"};

// A number as a message shows it: six significant digits, "." in every
// locale.
std::string Shown(double x) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string Why(const NoState& none) {
    return none.why;
}

// What went wrong, as the error's type: thrown inside ComputeRankine and
// caught at its end, so that each step can stop the computation.
struct Stop {
    CycleError error;
};

[[noreturn]] void Fail(CycleInput input, CycleProblem problem, std::string why,
                       std::optional<std::size_t> heater = std::nullopt) {
    throw Stop{CycleError{input, heater, problem, std::move(why)}};
}

// A value that must be a finite positive number.
void CheckPositive(CycleInput input, double value, std::optional<std::size_t> heater = {}) {
    if (!std::isfinite(value))
        Fail(input, CycleProblem::kNotFinite, "is not a finite number", heater);
    if (!(value > 0)) Fail(input, CycleProblem::kNotPositive, "must be above zero", heater);
}

void CheckEfficiency(CycleInput input, double value) {
    if (!std::isfinite(value)) Fail(input, CycleProblem::kNotFinite, "is not a finite number");
    if (!(value > 0 && value <= 1)) {
        Fail(input, CycleProblem::kEfficiencyRange, "must lie above 0 and at most 1");
    }
}

// Where a pressure of the cycle came from, for the messages about it.
struct PressureInput {
    CycleInput input;
    std::optional<std::size_t> heater;
};

// One level of the feedwater train: a heater (or the boiler, last) and the
// pump that feeds it.
struct Level {
    double pressure = 0;
    PressureInput source;
    int pumpIn = 0;  // state numbers
    int pumpOut = 0;
    int heaterOut = 0;    // heaters only
    int extraction = 0;   // the turbine state that feeds the heater
    double fraction = 0;  // of the boiler flow extracted for the heater
};

// One pressure at which a turbine stage ends.
struct StageEnd {
    double pressure = 0;
    PressureInput source;
    std::optional<std::size_t> level;  // the heater fed there
    bool reheat = false;
};

class Builder {
  public:
    Builder(const PropertyModel& model, const RankineInputs& inputs)
        : model_(model), inputs_(inputs) {}

    RankineCycle Build() {
        CheckInputs();
        // The turbine inlet first: the boiler pressure is the cycle's
        // highest, so where the model has this steam it covers every pressure
        // of the pumps, and a pump outlet it does not give is a liquid it
        // lacks (not a pressure beyond its range).
        inletState_ = TurbineInlet();
        BuildFeedwater();
        BuildTurbine();
        return Finish();
    }

  private:
    int Add(State state, bool approximate = false) {
        cycle_.states.push_back({std::move(state), approximate});
        return static_cast<int>(cycle_.states.size());
    }
    const State& At(int number) const { return cycle_.states[number - 1].state; }

    void CheckInputs() {
        const RankineInputs& in = inputs_;
        using enum CycleInput;
        CheckPositive(kBoilerPressure, in.boilerPressure);
        if (in.turbineInletTemperature) {
            CheckPositive(kTurbineInletTemperature, *in.turbineInletTemperature);
        }
        CheckPositive(kCondenserPressure, in.condenserPressure);
        if (in.reheat) {
            CheckPositive(kReheatPressure, in.reheat->pressure);
            CheckPositive(kReheatTemperature, in.reheat->temperature);
        }
        if (in.heaterPressures.size() > kMaxFeedwaterHeaters) {
            Fail(kHeaterPressure, CycleProblem::kTooManyHeaters,
                 "is one heater too many: at most " + std::to_string(kMaxFeedwaterHeaters),
                 kMaxFeedwaterHeaters);
        }
        for (std::size_t i = 0; i < in.heaterPressures.size(); ++i) {
            CheckPositive(kHeaterPressure, in.heaterPressures[i], i);
        }
        CheckEfficiency(kTurbineEfficiency, in.turbineEfficiency);
        CheckEfficiency(kPumpEfficiency, in.pumpEfficiency);
        if (in.netPower) CheckPositive(kNetPower, *in.netPower);

        const double boiler = in.boilerPressure, condenser = in.condenserPressure;
        if (!(condenser < boiler)) {
            Fail(kCondenserPressure, CycleProblem::kNotBelowBoiler,
                 "must lie below the boiler pressure, " + Shown(boiler) + " MPa");
        }
        const std::string between = "must lie between the condenser and the boiler pressures, " +
                                    Shown(condenser) + " and " + Shown(boiler) + " MPa";
        for (std::size_t i = 0; i < in.heaterPressures.size(); ++i) {
            const double p = in.heaterPressures[i];
            if (!(p > condenser && p < boiler)) {
                Fail(kHeaterPressure, CycleProblem::kNotBetween, between, i);
            }
            for (std::size_t j = 0; j < i; ++j) {
                if (in.heaterPressures[j] == p) {
                    Fail(kHeaterPressure, CycleProblem::kSamePressure,
                         "is the pressure of another heater: each heater needs its own", i);
                }
            }
        }
        if (in.reheat && !(in.reheat->pressure > condenser && in.reheat->pressure < boiler)) {
            Fail(kReheatPressure, CycleProblem::kNotBetween, between);
        }
    }

    // The saturated liquid at a pressure of the feedwater train.
    State SaturatedLiquid(double pressure, PressureInput source) const {
        const std::optional<Saturation> saturation = model_.SaturationAtPressure(pressure);
        if (!saturation) {
            Fail(source.input, CycleProblem::kNoSaturation,
                 "has no saturated liquid in the model (" + std::string(model_.Name()) +
                     "): off its saturation line",
                 source.heater);
        }
        return saturation->liquid;
    }

    // The pump from the saturated liquid of state `in` to the pressure:
    // the model's state where it has it, otherwise the incompressible-liquid
    // approximation.
    int Pump(int in, double pressure, PressureInput source) {
        const State inlet = At(in);
        const double eta = inputs_.pumpEfficiency;
        const PressureInput blame =
            eta < 1 ? PressureInput{CycleInput::kPumpEfficiency, std::nullopt} : source;
        const StateOrWhy isentropic =
            model_.StateFrom(Property::kP, pressure, Property::kS, inlet.s);
        if (const State* ideal = std::get_if<State>(&isentropic)) {
            if (eta == 1) return Add(*ideal);
            const double h = inlet.h + (ideal->h - inlet.h) / eta;
            const StateOrWhy actual = model_.StateFrom(Property::kP, pressure, Property::kH, h);
            if (const NoState* none = std::get_if<NoState>(&actual)) {
                Fail(blame.input, CycleProblem::kOutsideModel,
                     "puts the pump outlet (" + Shown(pressure) + " MPa, " + Shown(h) +
                         " kJ/kg) outside the model: " + Why(*none),
                     blame.heater);
            }
            return Add(std::get<State>(actual));
        }
        const NoState& none = std::get<NoState>(isentropic);
        if (none.reason != NoStateReason::kOutsideModel) {
            Fail(source.input, CycleProblem::kOutsideModel,
                 "puts the pump outlet outside the model: " + Why(none), source.heater);
        }
        // No compressed liquid in the model: w = v1 (P2 - P1) / eta, with
        // MPa m^3/kg = 1000 kJ/kg, at the inlet's T, s and v.
        State outlet;
        outlet.phase = Phase::kLiquid;
        outlet.T = inlet.T;
        outlet.P = pressure;
        outlet.v = inlet.v;
        outlet.s = inlet.s;
        outlet.h = inlet.h + 1000 * inlet.v * (pressure - inlet.P) / eta;
        if (!std::isfinite(outlet.h)) {
            Fail(blame.input, CycleProblem::kOutsideModel,
                 "gives a pump work that is not a finite number", blame.heater);
        }
        return Add(outlet, true);
    }

    // The feedwater train: states 1 (the condenser's outlet), then each
    // pump's outlet and heater's outlet from the lowest heater pressure up,
    // and the last pump's outlet at the boiler pressure.
    void BuildFeedwater() {
        std::vector<std::size_t> order(inputs_.heaterPressures.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
            return inputs_.heaterPressures[a] < inputs_.heaterPressures[b];
        });
        for (const std::size_t i : order) {
            levels_.push_back({inputs_.heaterPressures[i], {CycleInput::kHeaterPressure, i}});
        }
        levels_.push_back({inputs_.boilerPressure, {CycleInput::kBoilerPressure, std::nullopt}});

        int liquid = Add(SaturatedLiquid(inputs_.condenserPressure,
                                         {CycleInput::kCondenserPressure, std::nullopt}));
        for (std::size_t k = 0; k < levels_.size(); ++k) {
            Level& level = levels_[k];
            level.pumpIn = liquid;
            level.pumpOut = Pump(liquid, level.pressure, level.source);
            if (k + 1 < levels_.size()) {
                level.heaterOut = Add(SaturatedLiquid(level.pressure, level.source));
                liquid = level.heaterOut;
            }
        }
    }

    State TurbineInlet() const {
        const RankineInputs& in = inputs_;
        const std::optional<Saturation> saturation = model_.SaturationAtPressure(in.boilerPressure);
        if (!in.turbineInletTemperature) {
            if (!saturation) {
                Fail(CycleInput::kBoilerPressure, CycleProblem::kNoSaturation,
                     "has no saturated vapour in the model (" + std::string(model_.Name()) +
                         "): give a turbine inlet temperature");
            }
            return saturation->vapour;
        }
        const double T = *in.turbineInletTemperature;
        if (saturation && !(T > saturation->T)) {
            Fail(CycleInput::kTurbineInletTemperature, CycleProblem::kBelowSaturation,
                 "must lie above the saturation temperature at the boiler pressure, " +
                     Shown(saturation->T) + " K");
        }
        return SteamAt(T, in.boilerPressure, CycleInput::kTurbineInletTemperature, "turbine inlet");
    }

    // Steam at (T, P) for the turbine inlet or the reheater's outlet.
    State SteamAt(double T, double P, CycleInput input, const char* what) const {
        const StateOrWhy answer = model_.StateFrom(Property::kT, T, Property::kP, P);
        if (const NoState* none = std::get_if<NoState>(&answer)) {
            Fail(input, CycleProblem::kOutsideModel,
                 std::string("puts the ") + what + " (" + Shown(T) + " K, " + Shown(P) +
                     " MPa) outside the model: " + Why(*none));
        }
        const State& state = std::get<State>(answer);
        if (state.phase == Phase::kLiquid || state.phase == Phase::kWet) {
            Fail(input, CycleProblem::kBelowSaturation,
                 std::string("makes the ") + what + " liquid at " + Shown(P) + " MPa, not steam");
        }
        return state;
    }

    // A turbine stage from state `in` down to the pressure.
    int Expand(int in, double pressure, PressureInput source) {
        const State inlet = At(in);
        const StateOrWhy isentropic =
            model_.StateFrom(Property::kP, pressure, Property::kS, inlet.s);
        if (const NoState* none = std::get_if<NoState>(&isentropic)) {
            Fail(source.input, CycleProblem::kOutsideModel,
                 "puts the turbine outlet (" + Shown(pressure) + " MPa, s = " + Shown(inlet.s) +
                     " kJ/kg-K) outside the model: " + Why(*none),
                 source.heater);
        }
        const State& ideal = std::get<State>(isentropic);
        const double eta = inputs_.turbineEfficiency;
        if (eta == 1) return Add(ideal);
        const double h = inlet.h - eta * (inlet.h - ideal.h);
        const StateOrWhy actual = model_.StateFrom(Property::kP, pressure, Property::kH, h);
        if (const NoState* none = std::get_if<NoState>(&actual)) {
            Fail(source.input, CycleProblem::kOutsideModel,
                 "puts the turbine outlet (" + Shown(pressure) + " MPa, h = " + Shown(h) +
                     " kJ/kg) outside the model: " + Why(*none),
                 source.heater);
        }
        return Add(std::get<State>(actual));
    }

    // The boiler's outlet, the turbine stages, the reheater and the
    // extractions, with each heater's extraction fraction from its energy
    // balance.
    void BuildTurbine() {
        inlet_ = Add(inletState_);
        if (inputs_.reheat) {
            const std::optional<Saturation> saturation =
                model_.SaturationAtPressure(inputs_.reheat->pressure);
            if (saturation && !(inputs_.reheat->temperature > saturation->T)) {
                Fail(CycleInput::kReheatTemperature, CycleProblem::kBelowSaturation,
                     "must lie above the saturation temperature at the reheat pressure, " +
                         Shown(saturation->T) + " K");
            }
        }

        std::vector<StageEnd> ends;
        for (std::size_t k = 0; k + 1 < levels_.size(); ++k) {
            ends.push_back({levels_[k].pressure, levels_[k].source, k, false});
        }
        if (inputs_.reheat) {
            const double p = inputs_.reheat->pressure;
            const auto same = std::find_if(ends.begin(), ends.end(),
                                           [p](const StageEnd& end) { return end.pressure == p; });
            if (same != ends.end()) {
                same->reheat = true;
            } else {
                ends.push_back(
                    {p, {CycleInput::kReheatPressure, std::nullopt}, std::nullopt, true});
            }
        }
        std::sort(ends.begin(), ends.end(),
                  [](const StageEnd& a, const StageEnd& b) { return a.pressure > b.pressure; });
        ends.push_back({inputs_.condenserPressure,
                        {CycleInput::kCondenserPressure, std::nullopt},
                        std::nullopt,
                        false});

        int current = inlet_;
        double mass = 1;  // per kg of boiler flow
        for (const StageEnd& end : ends) {
            const int out = Expand(current, end.pressure, end.source);
            stages_.push_back({current, out, mass});
            current = out;
            if (end.level) {
                Level& level = levels_[*end.level];
                level.extraction = out;
                level.fraction = ExtractionFraction(level, mass);
                mass -= level.fraction;
                extractions_.push_back({static_cast<int>(stages_.size()) - 1, *end.level});
            }
            if (end.reheat) {
                const State& exhaust = At(out);
                const double T = inputs_.reheat->temperature;
                if (!(T > exhaust.T)) {
                    Fail(CycleInput::kReheatTemperature, CycleProblem::kNotReheating,
                         "must lie above the temperature of the steam that reaches the reheater, " +
                             Shown(exhaust.T) + " K");
                }
                const int reheated = Add(
                    SteamAt(T, end.pressure, CycleInput::kReheatTemperature, "reheater outlet"));
                reheats_.push_back({static_cast<int>(stages_.size()) - 1, out, reheated, mass});
                current = reheated;
            }
        }
        exhaust_ = current;
        condenserMass_ = mass;
    }

    // The heater's energy balance: the extracted steam y and the feedwater
    // (mass - y) leave together as the heater's saturated liquid, where mass
    // is the flow that leaves the heater (all the flow not yet extracted
    // above it): y h_ext + (mass - y) h_feed = mass h_f.
    double ExtractionFraction(const Level& level, double mass) const {
        const double hExt = At(level.extraction).h;
        const double hFeed = At(level.pumpOut).h;
        const double hf = At(level.heaterOut).h;
        if (!(hFeed < hf)) {
            const PressureInput blame =
                inputs_.pumpEfficiency < 1
                    ? PressureInput{CycleInput::kPumpEfficiency, std::nullopt}
                    : level.source;
            Fail(blame.input, CycleProblem::kNoExtraction,
                 "makes the feedwater reach the heater at " + Shown(level.pressure) + " MPa with " +
                     Shown(hFeed) + " kJ/kg, not below its saturated liquid's " + Shown(hf) +
                     " kJ/kg",
                 blame.heater);
        }
        if (!(hExt > hf)) {
            Fail(level.source.input, CycleProblem::kNoExtraction,
                 "gives extraction steam of " + Shown(hExt) +
                     " kJ/kg, which cannot heat the feedwater to its saturated liquid's " +
                     Shown(hf) + " kJ/kg",
                 level.source.heater);
        }
        return mass * (hf - hFeed) / (hExt - hFeed);
    }

    // The process of the kind between two states; where the states cannot be
    // joined so (a pump so inefficient that its outlet is hotter than the
    // boiler's), the input to blame and why.
    void Join(ProcessKind kind, int from, int to, double fraction, PressureInput blame) {
        const ProcessOrWhy made = MakeProcess(kind, At(from), At(to));
        if (const ProcessError* error = std::get_if<ProcessError>(&made)) {
            std::string name(ProcessKindName(kind));
            std::replace(name.begin(), name.end(), '_', ' ');
            Fail(blame.input, CycleProblem::kImpossibleProcess,
                 "makes the " + name + " from state " + std::to_string(from) + " to " +
                     std::to_string(to) + " impossible: " + error->why,
                 blame.heater);
        }
        cycle_.processes.push_back({from, to, fraction, std::get<Process>(made)});
    }

    RankineCycle Finish() {
        const double etaPump = inputs_.pumpEfficiency;
        const PressureInput pumpBlame{CycleInput::kPumpEfficiency, std::nullopt};
        // The feedwater: level k's pump carries what leaves heater k less the
        // steam extracted for it, the boiler's pump all of it.
        double leaving = 1;
        std::vector<double> fed(levels_.size());
        for (std::size_t k = levels_.size(); k-- > 0;) {
            fed[k] = leaving - levels_[k].fraction;  // the boiler level extracts nothing
            leaving = fed[k];
        }
        for (std::size_t k = 0; k < levels_.size(); ++k) {
            const Level& level = levels_[k];
            Join(ProcessKind::kPump, level.pumpIn, level.pumpOut, fed[k],
                 etaPump < 1 ? pumpBlame : level.source);
            if (level.heaterOut) {
                Join(ProcessKind::kOpenHeater, level.pumpOut, level.heaterOut, fed[k],
                     level.source);
            }
        }
        Join(ProcessKind::kBoiler, levels_.back().pumpOut, inlet_, 1, pumpBlame);
        const PressureInput turbineBlame{CycleInput::kTurbineEfficiency, std::nullopt};
        for (std::size_t i = 0; i < stages_.size(); ++i) {
            Join(ProcessKind::kTurbine, stages_[i].from, stages_[i].to, stages_[i].mass,
                 turbineBlame);
            for (const auto& [stage, k] : extractions_) {
                if (stage != static_cast<int>(i)) continue;
                const Level& level = levels_[k];
                Join(ProcessKind::kOpenHeater, level.extraction, level.heaterOut, level.fraction,
                     level.source);
            }
            for (const Reheating& reheat : reheats_) {
                if (reheat.stage != static_cast<int>(i)) continue;
                Join(ProcessKind::kReheater, reheat.from, reheat.to, reheat.mass,
                     {CycleInput::kReheatTemperature, std::nullopt});
            }
        }
        Join(ProcessKind::kCondenser, exhaust_, 1, condenserMass_,
             {CycleInput::kCondenserPressure, std::nullopt});

        for (const CycleProcess& p : cycle_.processes) {
            const double q = p.fraction * p.process.q, w = p.fraction * p.process.w;
            switch (p.process.kind) {
                case ProcessKind::kBoiler:
                case ProcessKind::kReheater:
                    cycle_.heatIn += q;
                    break;
                case ProcessKind::kCondenser:
                    cycle_.heatOut -= q;
                    break;
                case ProcessKind::kTurbine:
                    cycle_.turbineWork += w;
                    break;
                case ProcessKind::kPump:
                    cycle_.pumpWork -= w;
                    break;
                default:
                    break;
            }
        }
        cycle_.netWork = cycle_.turbineWork - cycle_.pumpWork;
        if (!(cycle_.netWork > 0)) {
            Fail(etaPump < 1 ? CycleInput::kPumpEfficiency : CycleInput::kTurbineEfficiency,
                 CycleProblem::kNoNetWork,
                 "leaves no net work: the pumps take " + Shown(cycle_.pumpWork) +
                     " kJ/kg and the turbines give " + Shown(cycle_.turbineWork) + " kJ/kg");
        }
        cycle_.thermalEfficiency = cycle_.netWork / cycle_.heatIn;
        cycle_.backWorkRatio = cycle_.pumpWork / cycle_.turbineWork;

        for (std::size_t k = levels_.size() - 1; k-- > 0;) {
            cycle_.extractionFractions.push_back(levels_[k].fraction);
            cycle_.extractionPressures.push_back(levels_[k].pressure);
        }
        if (inputs_.netPower) {
            cycle_.massFlow = 1000 * *inputs_.netPower / cycle_.netWork;  // MW / (kJ/kg)
            cycle_.heatInRate = *cycle_.massFlow * cycle_.heatIn / 1000;
            cycle_.heatOutRate = *cycle_.massFlow * cycle_.heatOut / 1000;
        }

        cycle_.lowestTemperature = cycle_.highestTemperature = cycle_.states.front().state.T;
        std::string approximated;
        int count = 0;
        for (std::size_t i = 0; i < cycle_.states.size(); ++i) {
            const CycleState& state = cycle_.states[i];
            cycle_.lowestTemperature = std::min(cycle_.lowestTemperature, state.state.T);
            cycle_.highestTemperature = std::max(cycle_.highestTemperature, state.state.T);
            if (state.approximate) {
                approximated += (approximated.empty() ? "" : ", ") + std::to_string(i + 1);
                ++count;
            }
        }
        cycle_.carnotEfficiency = 1 - cycle_.lowestTemperature / cycle_.highestTemperature;
        if (!approximated.empty()) {
            cycle_.note =
                "the model has no compressed liquid: the incompressible-liquid approximation "
                "w = v1 (P2 - P1) / eta, h2 = h1 + w gives the pump " +
                std::string(count == 1 ? "outlet (state " : "outlets (states ") + approximated +
                "), at the pump inlet's T, s and v";
        }
        return std::move(cycle_);
    }

    struct Stage {
        int from, to;
        double mass;
    };
    struct Reheating {
        int stage;  // the stage whose end it follows
        int from, to;
        double mass;
    };

    const PropertyModel& model_;
    const RankineInputs& inputs_;
    RankineCycle cycle_;
    std::vector<Level> levels_;  // the heaters from the lowest pressure up, then the boiler
    std::vector<Stage> stages_;
    std::vector<std::pair<int, std::size_t>> extractions_;  // stage, level
    std::vector<Reheating> reheats_;
    State inletState_;
    int inlet_ = 0;
    int exhaust_ = 0;
    double condenserMass_ = 1;
};

}  // namespace

std::string_view CycleInputName(CycleInput input) {
    return kInputNames[static_cast<std::size_t>(input)];
}

RankineOrError ComputeRankine(const PropertyModel& model, const RankineInputs& inputs) {
    try {
        return Builder(model, inputs).Build();
    } catch (const Stop& stop) {
        return stop.error;
    }
}

std::vector<ProcessPath> CyclePaths(const PropertyModel& model, const RankineCycle& cycle) {
    std::vector<ProcessPath> paths;
    paths.reserve(cycle.processes.size());
    for (const CycleProcess& process : cycle.processes) {
        paths.push_back(PathOf(model, process.process));
    }
    return paths;
}

}  // namespace calorix
