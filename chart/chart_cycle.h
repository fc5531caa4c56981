#pragma once

#include "cycle/rankine.h"
#include "journal/journal_step.h"
#include "model/property_model.h"

// A power cycle on the chart: what a cycle step drew, and how a cycle is
// drawn.
namespace calorix {

// A cycle drawn on the chart: the step's texts, the property model it was
// computed under and the cycle it gave.
struct DrawnCycle {
    journal::CycleCommand command;
    const PropertyModel* model = nullptr;
    RankineCycle cycle;
};

// The colour of a cycle's paths, markers and numbers (QBColor 4, dark red,
// which no line of the chart uses).
inline constexpr int kCycleColor = 4;
// In twips: the radius of a state's marker; the dashes and gaps of a
// schematic path (an irreversible turbine or pump, whose path is no line of
// constant property), 6 and 4 pixels at 96 DPI; the room between a marker
// and its number.
inline constexpr double kCycleMarkerRadius = 30;
inline constexpr double kCycleDash = 90;
inline constexpr double kCycleGap = 60;
inline constexpr double kCycleLabelGap = 15;

}  // namespace calorix
