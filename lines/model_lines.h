#pragma once

#include <string>

#include "lines/current_point.h"
#include "lines/plan.h"
#include "model/property_model.h"

// The lines of constant value of one property, and the saturation dome,
// under a property model, across every region of the chart (T 273.16 to
// 1273.16 K, s 0 to 12 kJ/kg-K) where the model has states: liquid, wet,
// steam and supercritical. Every point a line draws is a state of the model
// on the chart that has the line's value. Where the model has no state, or
// its states leave the chart, a line stops without a message and starts
// again, by a move, where they come back.
//
// The labels and colours are those of the chart's own lines
// (lines/single_property_lines.h). Each takes the box value (T in K, s in
// kJ/kg-K, P in MPa, v in m^3/kg, h in kJ/kg) and the box text as typed.
namespace calorix {

inline constexpr int kSaturationDomeColor = 5;  // magenta

// A horizontal marked segment at T from the smallest entropy of the chart
// that has a state at T (the state at the highest pressure of the model
// there, or s = 0) to the largest (s = 12, or where the states end),
// labelled at its right end: "T = 300 K". Nothing but the colour where no
// entropy of the chart has a state at T.
Plan ModelIsotherm(const PropertyModel& model, double T, const std::string& tText);

// A vertical marked segment at s over the temperatures of the chart at which
// (T, s) has a state, from the lowest (273.16 K) up to 1273.16 K or where the
// states stop, labelled at its top end: "s = 7 kJ/kg-K".
Plan ModelIsentrope(const PropertyModel& model, double s, const std::string& sText);

// Up the liquid from 273.16 K (where P has a liquid state there), across the
// dome at the saturation temperature from the saturated liquid's entropy to
// the saturated vapour's, and up through the steam to 1273.16 K or where the
// states stop; above the critical pressure one line from bottom to top.
// Labelled at its last point: "P = 8 MPa". Where P has a saturation
// temperature on the chart, it is stored in point.PointT, as the chart's own
// isobar stores its own.
Plan ModelIsobar(const PropertyModel& model, double P, const std::string& pText,
                 CurrentPoint& point);

// The states of v at every temperature of the chart, from 273.16 K up,
// labelled at the last point: "v = 0.01 m^3/kg".
Plan ModelIsochore(const PropertyModel& model, double v, const std::string& vText);

// The states of h at every pressure from below the chart's (1e-7 MPa) up to
// 100 MPa; the entropy falls as the pressure rises along it, so the line is
// one continuous curve. Labelled at its first point, where it comes onto the
// chart: "h = 2500 kJ/kg".
Plan ModelIsenthalp(const PropertyModel& model, double h, const std::string& hText);

// The saturated-liquid line from 273.16 K up to the critical point (the top
// of the model's saturation line), the critical point marked as a located
// state is (a dot in a circle of the marker's radius), and the
// saturated-vapour line from there down to 273.16 K, in magenta.
Plan ModelDome(const PropertyModel& model);

}  // namespace calorix
