#pragma once

#include <string>

#include "lines/box_values.h"
#include "lines/current_point.h"
#include "lines/two_box_location.h"
#include "model/property_model.h"

// Two filled boxes under a property model: every one of the ten pairs is
// solved by the model itself, in every region of the chart.
namespace calorix {

// The label of a located pair, quoting the box texts as typed: for the pairs
// the chart locates itself as it labels them ("(T=500, P=1)", "(h=2800,
// T=500)", "(v=0.2, T=500)", "(s=7, T=500)", "(P=1, s=7)"), for the others
// in the order of their boxes as the crossings label them ("(P=1, h=2500)").
std::string LocationLabel(BoxPair pair, const BoxTexts& texts);

// Locates the state of the pair's two box values (T in K, P in MPa, v in
// m^3/kg, h in kJ/kg, s in kJ/kg-K, read from the texts) under the model. A
// state on the chart is marked in kLocationColor with LocationLabel and
// becomes the current point (its s and T); located is set. Where the model
// has no state, or its state lies off the chart, nothing is marked, the
// current point stays, the arrow pointer is left and a beep asked for, as
// after a search of the chart's own that found nothing. The model's state,
// where there is one (on the chart or off it), is in state.
Location LocateModelState(const PropertyModel& model, BoxPair pair, const BoxTexts& texts,
                          CurrentPoint& point);

}  // namespace calorix
