#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cycle/process.h"
#include "model/property_model.h"

// The Rankine cycle of a steam power plant, with optional reheat and open
// feedwater heaters, evaluated on a property model.
//
// The flow: the condenser's saturated liquid is pumped to the lowest heater
// pressure, leaves that heater as saturated liquid, is pumped to the next
// heater and so on; the last pump feeds the boiler, which heats the water to
// the turbine inlet. The turbine expands the steam stage by stage: each
// stage runs from the inlet, a reheat or an extraction to the next
// extraction pressure, the reheat pressure or the condenser, with the
// turbine's isentropic efficiency from its own actual inlet state. At a
// heater pressure part of the steam leaves for that heater; at the reheat
// pressure the rest is heated again at constant pressure (a heater at the
// reheat pressure takes its steam before the reheater). The condenser turns
// what reaches it into saturated liquid.
//
// Under a model that has no compressed liquid (the chart's correlations) a
// pump's outlet comes from the incompressible-liquid approximation
// w = v1 (P2 - P1) / eta, h2 = h1 + w, with the pump inlet's T, s and v (so
// it lies on the saturated-liquid line of the chart), and the result says
// so. The choice is made state by state, never by the model's name: the
// model is asked for the pump's isentropic outlet (P2, s1), and the
// approximation stands in only where the model answers that this state lies
// outside it. The turbine inlet, at the cycle's highest pressure, is found
// first, so such an answer means a liquid the model lacks, not a pressure
// beyond its range.
//
// Units: T in K, P in MPa, v in m^3/kg, h, q and w in kJ/kg (per kg of the
// stream of each process, per kg of boiler flow for the cycle's totals), s in
// kJ/(kg K), power and heat rates in MW, mass flow in kg/s. Efficiencies,
// fractions and the back-work ratio run from 0 to 1.
namespace calorix {

inline constexpr std::size_t kMaxFeedwaterHeaters = 10;

struct Reheat {
    double pressure = 0;     // MPa, between the condenser and the boiler
    double temperature = 0;  // K, the reheater's outlet
};

struct RankineInputs {
    double boilerPressure = 0;  // MPa
    // K; none means saturated vapour at the boiler pressure.
    std::optional<double> turbineInletTemperature;
    double condenserPressure = 0;  // MPa; the condenser's outlet is saturated liquid
    std::optional<Reheat> reheat;
    // MPa, in any order, each strictly between the condenser and the boiler
    // and all different; at most kMaxFeedwaterHeaters.
    std::vector<double> heaterPressures;
    double turbineEfficiency = 1;    // isentropic, in (0, 1]
    double pumpEfficiency = 1;       // isentropic, in (0, 1]
    std::optional<double> netPower;  // MW; gives the mass flow and heat rates
};

// The input a cycle cannot be made of.
enum class CycleInput {
    kBoilerPressure,
    kTurbineInletTemperature,
    kCondenserPressure,
    kReheatPressure,
    kReheatTemperature,
    kHeaterPressure,
    kTurbineEfficiency,
    kPumpEfficiency,
    kNetPower,
};

// "boiler pressure", "turbine inlet temperature", "condenser pressure",
// "reheat pressure", "reheat temperature", "heater pressure", "turbine
// efficiency", "pump efficiency", "net power".
std::string_view CycleInputName(CycleInput input);

enum class CycleProblem {
    kNotFinite,          // NaN or infinite
    kNotPositive,        // zero or negative
    kEfficiencyRange,    // an efficiency outside (0, 1]
    kTooManyHeaters,     // more than kMaxFeedwaterHeaters
    kSamePressure,       // two heaters at one pressure
    kNotBelowBoiler,     // a condenser at or above the boiler pressure
    kNotBetween,         // a heater or reheat pressure not between condenser and boiler
    kBelowSaturation,    // a turbine inlet or reheat temperature at or below saturation
    kNoSaturation,       // no saturated vapour or liquid at the pressure in the model
    kOutsideModel,       // a state of the cycle that the model does not give
    kNotReheating,       // a reheat temperature not above the steam that reaches it
    kNoExtraction,       // a heater whose energy balance takes no steam, or all of it
    kNoNetWork,          // the pumps take as much work as the turbines give, or more
    kImpossibleProcess,  // two states no process of the cycle can join (a pump so
                         // inefficient that its outlet is hotter than the boiler's)
};

struct CycleError {
    CycleInput input;
    // For kHeaterPressure: the index of the heater in the inputs' list.
    std::optional<std::size_t> heater;
    CycleProblem problem;
    std::string why;  // one line for a person: "must lie below the boiler pressure, 8 MPa"
};

// A state of the cycle, numbered in the order of the flow from 1.
struct CycleState {
    State state;
    // Computed with the incompressible-liquid approximation, not the model.
    bool approximate = false;
};

// A process of the cycle, between two of its states.
struct CycleProcess {
    int from = 0;  // state numbers, from 1
    int to = 0;
    // The stream's mass per kg of boiler flow; q and w of the process are per
    // kg of the stream, so the cycle's totals weigh them by it.
    double fraction = 1;
    Process process;
};

struct RankineCycle {
    std::vector<CycleState> states;
    // In the order of the flow: the pumps and the heaters' feedwater, the
    // boiler, the turbine stages, each followed by the reheater or the
    // extraction stream that leaves at its end, and last the condenser.
    std::vector<CycleProcess> processes;
    double netWork = 0;  // turbines less pumps, kJ/kg of boiler flow
    double heatIn = 0;   // boiler and reheater
    double heatOut = 0;  // condenser, positive
    double turbineWork = 0;
    double pumpWork = 0;           // positive
    double thermalEfficiency = 0;  // net work / heat in
    double backWorkRatio = 0;      // pump work / turbine work
    // Per kg of boiler flow, from the highest heater pressure down (the
    // order the steam meets them), and the pressures in that order.
    std::vector<double> extractionFractions;
    std::vector<double> extractionPressures;
    // With a net power: kg/s through the boiler, and MW.
    std::optional<double> massFlow;
    std::optional<double> heatInRate;
    std::optional<double> heatOutRate;
    // 1 - lowest / highest temperature among the cycle's states.
    double lowestTemperature = 0;
    double highestTemperature = 0;
    double carnotEfficiency = 0;
    // Says how the pump outlets were computed where the model could not give
    // them; empty when every state is the model's.
    std::string note;
};

using RankineOrError = std::variant<RankineCycle, CycleError>;

// The cycle of the inputs under the model, or the first input that makes it
// impossible and why.
RankineOrError ComputeRankine(const PropertyModel& model, const RankineInputs& inputs);

// The paths of the cycle's processes on the chart, in the order of its
// processes (see PathOf).
std::vector<ProcessPath> CyclePaths(const PropertyModel& model, const RankineCycle& cycle);

}  // namespace calorix
