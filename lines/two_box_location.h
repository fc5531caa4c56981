#pragma once

#include <optional>
#include <string>

#include "lines/box_values.h"
#include "lines/current_point.h"
#include "lines/plan.h"
#include "lines/pointer_shape.h"
#include "model/property_model.h"

// Two filled boxes: the state they define, located and marked, or for the
// pairs that are not computed, the two lines whose crossing the user reads.
namespace calorix {

// The ten pairs in the order Draw tries them.
enum class BoxPair { kTP, kTh, kTv, kTs, kPv, kPh, kPs, kvh, kvs, khs };

struct PairBoxes {
    int first;   // PropertyIndex
    int second;  // PropertyIndex
};
PairBoxes BoxesOf(BoxPair pair);

// The first pair, in Draw's order, whose two boxes are filled.
std::optional<BoxPair> FirstFilledPair(const BoxTexts& texts);

// Whether Draw locates the pair's state itself: (T,P), (T,h), (T,v), (T,s)
// and (P,s).
bool IsSolvedPair(BoxPair pair);

inline constexpr int kLocationColor = 9;  // light blue, before any pair is tried

// What locating a solved pair did.
struct Location {
    Plan plan;
    // A state was located and marked; PointT and PointS hold it.
    bool located = false;
    // The window's mouse pointer at the end: the cross-hair, or the arrow
    // where the command ends early (a wet (T,v) state, or a search that found
    // nothing).
    MousePointerShape mousePointer = kMousePointerCross;
    bool beep = false;
    // The property model's state of the pair, where a location under a
    // model (lines/model_location.h) found one; the chart's own locations
    // leave it empty.
    std::optional<State> state;
};

// Locates the state of a solved pair from the box values and texts (labels
// quote the texts) and updates the current point. A state is marked only
// where its search found one: a superheated search without a sign change in
// its bracket marks nothing, beeps and leaves the arrow pointer.
Location LocateState(BoxPair pair, const BoxTexts& texts, CurrentPoint& point);

// The message for a pair left to the user: the two lines to read the
// crossing of, with the box texts and their units.
std::string UnsolvedPairMessage(BoxPair pair, const BoxTexts& texts);

}  // namespace calorix
