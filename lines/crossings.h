#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lines/box_values.h"
#include "lines/current_point.h"
#include "lines/plan.h"
#include "lines/two_box_location.h"
#include "model/correlation_crossings.h"

// The crossing of the two lines of a pair that Draw does not solve by
// itself: (P, v), (P, h), (v, h), (v, s) and (h, s). A crossing is a state of
// the property model inside the chart that has both values
// (model/correlation_crossings.h says which states the model has).
namespace calorix {

// FindModelCrossings for the pair's two boxes; nothing for a pair that Draw
// solves itself. (P, h) = (1, 2500) -> one wet state at 453.03 K with
// x = 0.862.
std::vector<ModelState> FindCrossings(BoxPair pair, double first, double second);

// What locating the crossing of an unsolved pair did.
struct CrossingLocation {
    Plan plan;
    // The crossings found, lowest temperature first.
    std::vector<ModelState> states;
    // At least one crossing was marked; the current point holds the first.
    bool located = false;
};

// Marks every crossing of the pair's two box values in the location colour
// with the label "(P=1, h=2500)" built from the box texts, and makes the
// crossing of lowest temperature the current point. With no crossing nothing
// is drawn and the current point is left alone.
CrossingLocation LocateCrossings(BoxPair pair, const BoxTexts& texts, CurrentPoint& point);

// The property panel when no state has both values: "Location:" and one line.
std::string NoCrossingPanelText();

}  // namespace calorix
