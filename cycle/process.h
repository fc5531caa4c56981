#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/property_model.h"

// A process of water between two states, as plain data: what kind of change
// it is, its heat and work per unit mass, and the path it takes on the
// temperature-entropy chart under a property model.
//
// Every process is a steady-flow process of one stream, per kg of that
// stream, kinetic and potential energy left out. Signs: q is the heat into
// the fluid (positive in a boiler, negative in a condenser), w the work done
// by the fluid (positive in a turbine, negative in a pump), so that
// q - w = h2 - h1.
//
// Units: T in K, P in MPa, v in m^3/kg, h, q and w in kJ/kg, s in
// kJ/(kg K).
namespace calorix {

enum class ProcessKind {
    kConstantPressure,
    kConstantTemperature,
    kConstantEntropy,
    kConstantEnthalpy,  // a throttle
    kConstantVolume,
    kIrreversibleExpansion,    // adiabatic, entropy rising, path not a line
    kIrreversibleCompression,  // adiabatic, entropy rising, path not a line
    kPump,                     // adiabatic compression of the liquid
    kTurbine,                  // adiabatic expansion
    kBoiler,                   // heat added at constant pressure
    kReheater,                 // heat added at constant pressure between turbines
    kCondenser,                // heat taken out at constant pressure
    kOpenHeater,               // a stream of an open feedwater heater, at its pressure
};

// "constant_pressure", "constant_temperature", "constant_entropy",
// "constant_enthalpy", "constant_volume", "irreversible_expansion",
// "irreversible_compression", "pump", "turbine", "boiler", "reheater",
// "condenser", "open_heater".
std::string_view ProcessKindName(ProcessKind kind);

// One process: the two states, their heat and work.
struct Process {
    ProcessKind kind = ProcessKind::kConstantPressure;
    State from;
    State to;
    double q = 0;   // heat into the fluid, kJ/kg
    double w = 0;   // work done by the fluid, kJ/kg
    double dh = 0;  // h(to) - h(from), kJ/kg
    double ds = 0;  // s(to) - s(from), kJ/(kg K)
};

// Why two states cannot be joined by a process of a kind.
struct ProcessError {
    std::string why;  // one line for a person: "the pressures differ: 1 and 2 MPa"
};

using ProcessOrWhy = std::variant<Process, ProcessError>;

// The process of the kind from one state to the other. The kinds of a
// constant property need that property equal at both ends (to 1e-6 of its
// value, the entropy to 1e-3 kJ/(kg K): the chart's correlations find the
// state of a pressure and entropy to 6e-4 kJ/(kg K)); the heaters, the boiler and the condenser a
// constant pressure, with the enthalpy rising in the boiler and reheater and falling in the
// condenser; a throttle a pressure that does not rise; the turbine and an
// irreversible expansion a falling pressure, the pump and an irreversible
// compression a rising one, and every adiabatic kind an entropy that does
// not fall (to 1e-3 kJ/(kg K)). Heat and work:
// - constant pressure, boiler, reheater, condenser, open heater: q = dh, w = 0;
// - constant temperature (reversible): q = T ds, w = q - dh;
// - constant entropy, turbine, pump, irreversible: q = 0, w = -dh;
// - constant enthalpy: q = 0, w = 0;
// - constant volume (reversible): w = -v dP (1000 kJ per MPa m^3), q = dh + w.
ProcessOrWhy MakeProcess(ProcessKind kind, const State& from, const State& to);

// A point of a path on the chart: entropy in kJ/(kg K) across, temperature
// in K up. (The chart frame's ChartPoint is a drawing point in twips.)
struct PathPoint {
    double s = 0;
    double T = 0;
};

enum class PathShape {
    // The model's line of the constant property, point for point.
    kLine,
    // The line of the constant property where the model has it; where the
    // model has no compressed liquid (the chart's correlations), the liquid
    // part of an isobar follows the saturated-liquid line instead.
    kSaturatedLiquidLine,
    // The two end states only: the path is not a line of constant property
    // (an irreversible process), or the model has no state somewhere along
    // the line. Drawn dashed.
    kSchematic,
};

struct ProcessPath {
    PathShape shape = PathShape::kSchematic;
    // From the process's first state to its second; the end points are the
    // states' own (s, T).
    std::vector<PathPoint> points;
};

// The path of the process on the chart under the model:
// - constant pressure, boiler, reheater, condenser, open heater: the
//   isobar, through liquid, dome and steam, with its corners where it meets
//   the saturation line;
// - constant temperature: a horizontal line; constant entropy a vertical one;
// - constant enthalpy: the isenthalp, point by point over the pressure;
// - constant volume: the isochore, point by point over the temperature;
// - turbine and pump: the isentrope where the entropy does not change (to
//   1e-3 kJ/(kg K), less than a twip), otherwise schematic, as every
//   irreversible process is.
// Curves are refined by halving until, on a chart whose entropy runs from 0
// to 12 kJ/(kg K) and temperature over 1000 K, the curve's middle point
// strays no more than 2e-4 of the chart's span from each chord, and no chord
// is longer than 1/100 of it; that middle point is kept, so the segments are
// about 1/200 long (2 twips and 50 twips on a chart 10,000 twips wide).
ProcessPath PathOf(const PropertyModel& model, const Process& process);

}  // namespace calorix
