#pragma once

#include <optional>

#include "model/property_model.h"
#include "readout/state_panel.h"

// The property panel of a state of a property model, in the layout of the
// chart's own panel (readout/state_panel.h), with one line more: right after
// "Location:" the phase of the state as the model names it ("liquid", "wet",
// "steam", "supercritical", "high-temperature steam").
//
// A wet state lists T, P, x, vx, hx, sx, one blank line (two for Locate),
// then vf, vg, hf, hg, sf and sg of the saturated phases at its temperature;
// any other state T, P, a blank line, v, h and s. Widths, decimals and the
// Locate variant's fewer decimals are the chart panel's; every value is the
// model's own, truncated only in the text shown (ReadoutText), never
// recomputed from a truncated value. Units: T in K, P in MPa, v in m^3/kg,
// h in kJ/kg, s in kJ/kg-K.
namespace calorix {

// The panel of a state of the model, with the values it lists: region
// kWetMixture for a wet state, kLiquid for a liquid and kSuperheated for
// steam, supercritical and high-temperature steam; the model's name and the
// phase's.
StatePanel DescribeModelState(const PropertyModel& model, PanelVariant variant, const State& state);

// The panel of the chart point (T in K, s in kJ/kg-K): the model's state of
// (T, s), the point taken as it is. Where the model has no state there, only
// "Location:" and no values.
StatePanel DescribeModelPoint(const PropertyModel& model, PanelVariant variant, double T, double s);

// The quality of the chart point (T in K, s in kJ/kg-K) strictly inside the
// model's dome: (s - sf) / (sg - sf) of the saturated phases at T; nothing
// outside it, on its lines or where the model has no saturation at T.
std::optional<double> ModelQualityAt(const PropertyModel& model, double T, double s);

}  // namespace calorix
