#pragma once

#include <string>

#include "lines/current_point.h"
#include "lines/plan.h"

// The line of constant value of one property across the chart, drawn when
// only that property's box is filled. Each takes the box value and the box
// text (labels quote the text as typed, not its value).
namespace calorix {

// Palette colours of the constructions.
inline constexpr int kIsothermColor = 12;  // light red
inline constexpr int kIsentropeColor = 6;  // brown
inline constexpr int kIsobarColor = 13;    // light magenta
inline constexpr int kIsochoreColor = 2;   // green
inline constexpr int kIsenthalpColor = 3;  // cyan

// The labels of the lines, quoting the box text as typed: "T = 300 K",
// "s = 7 kJ/kg-K", "P = 8 MPa", "v = 0.01 m^3/kg", "h = 2500 kJ/kg".
std::string IsothermLabel(const std::string& tText);
std::string IsentropeLabel(const std::string& sText);
std::string IsobarLabel(const std::string& pText);
std::string IsochoreLabel(const std::string& vText);
std::string IsenthalpLabel(const std::string& hText);

// A horizontal marked segment at T from s = 0 to s = 12, labelled at its
// right end: "T = 300 K".
Plan Isotherm(double T, const std::string& tText);

// A vertical marked segment at s from 273.16 K to 1273.16 K, labelled at its
// top end: "s = 7 kJ/kg".
Plan Isentrope(double s, const std::string& sText);

// The isobar's segment across the dome at the saturation temperature Ts: a
// move to sf, then lines every 0.05 kJ/kg-K while not beyond sg.
void DomeSegment(Plan& plan, double Ts);

// Across the dome at the saturation temperature in steps of 0.05 kJ/kg-K,
// then through the superheated region from 1.1 sg in steps of 0.2 until
// s = 12 or the first point above 1273.16 K. Stores the saturation
// temperature in point.PointT.
Plan Isobar(double P, const std::string& pText, CurrentPoint& point);

// Through the dome by the dryness fraction at every 5 K from 273.16 K until
// v leaves [vf, vg], then through the superheated region by pressure until
// the pressure found falls.
Plan Isochore(double v, const std::string& vText);

// Over 45 pressures from 0.001 MPa in steps of 0.5 MPa, each point by
// temperature, and inside the dome by dryness fraction. A pressure at which
// no superheated temperature of the chart's search range has this enthalpy
// gives no point.
Plan Isenthalp(double h, const std::string& hText);

}  // namespace calorix
