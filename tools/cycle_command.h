#pragma once

#include <ostream>
#include <string>
#include <vector>

// calorix-steam cycle: the Rankine cycle of the options under either
// property model, as one line of JSON.
namespace calorix {

inline constexpr const char* kCycleUsage =
    "--model classic|if97 --boiler-pressure P [--turbine-inlet-temperature T]\n"
    "      --condenser-pressure P [--reheat-pressure P --reheat-temperature T]\n"
    "      [--heater-pressure P]... [--turbine-efficiency E] [--pump-efficiency E]\n"
    "      [--net-power MW]";

// Runs `cycle` with the arguments after it. Pressures in MPa, temperatures
// in K, efficiencies from 0 to 1, the net power in MW. Writes one line:
//   {"model":"if97",
//    "states":[{"T":..,"P":..,"v":..,"h":..,"s":..,"x":..,"region":"liquid",
//               "approximate":false}, ...],
//    "processes":[{"from":1,"to":2,"kind":"pump","q":..,"w":..,"dh":..,"ds":..,
//                  "fraction":..}, ...],
//    "net_work":..,"heat_in":..,"heat_out":..,"turbine_work":..,"pump_work":..,
//    "thermal_efficiency":..,"back_work_ratio":..,
//    "extraction_fractions":[..],"extraction_pressures":[..],
//    "mass_flow":..,"heat_in_rate":..,"heat_out_rate":..,
//    "carnot_efficiency":..,"lowest_temperature":..,"highest_temperature":..,
//    "note":..}
// (T in K, P in MPa, v in m^3/kg, h, q, w and the works and heats in kJ/kg,
// s in kJ/kg-K; q and w per kg of the process's stream, the totals per kg of
// boiler flow; fraction the stream's mass per kg of boiler flow; mass flow in
// kg/s and heat rates in MW, null without a net power; x null outside the
// dome; note null unless a pump outlet came from the incompressible-liquid
// approximation) and returns 0. A cycle that cannot exist: one line on err
// naming the option and why, and 1. A malformed argument (an unknown option
// or model, a missing value or required option, a value that is not wholly
// a number, an option given twice other than --heater-pressure, a reheat
// pressure without its temperature or the reverse): one line and 2.
int RunCycleCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace calorix
