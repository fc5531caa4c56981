// The searches as first written, kept for the tests: the searches, the
// panel's pressure search and the constructions built on the halving search
// that evaluates f at both ends and the midpoint on every step
// (numeric/bisect_root_reference.h), over the first property model
// (steam/formula_reference.h). The program's searches
// and plans must come out the same, bit for bit. Not part of the program.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "lines/current_point.h"
#include "lines/plan.h"
#include "numeric/bisect_root.h"
#include "numeric/bisect_root_reference.h"

namespace calorix::reference {

std::optional<double> DrynessFraction(double liquid, double span, double target);
std::optional<double> TemperatureOfEntropy(double P, double s, CollapseDetection collapse);
std::optional<double> TemperatureOfEnthalpy(double P, double h, CollapseDetection collapse);
std::optional<double> PressureOfVolume(double T, double v, CollapseDetection collapse);
std::optional<double> PressureOfEnthalpy(double T, double h, CollapseDetection collapse);
std::optional<double> SuperheatedPressure(double T, double s);

Plan Isobar(double P, const std::string& pText, CurrentPoint& point);
Plan Isochore(double v, const std::string& vText);
Plan Isenthalp(double h, const std::string& hText);

}  // namespace calorix::reference
