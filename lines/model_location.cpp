#include "lines/model_location.h"

#include "model/chart_range.h"

namespace calorix {
namespace {

// The model's property of a box.
Property PropertyOfBox(int index) {
    constexpr Property kProperties[kPropertyCount] = {Property::kT, Property::kP, Property::kV,
                                                      Property::kH, Property::kS};
    return kProperties[index];
}

std::string Item(int index, const BoxTexts& texts) {
    return std::string(PropertyName(PropertyOfBox(index))) + "=" + texts[size_t(index)];
}

}  // namespace

std::string LocationLabel(BoxPair pair, const BoxTexts& texts) {
    const PairBoxes boxes = BoxesOf(pair);
    // The located pairs with T name the other value first.
    const bool otherFirst = pair == BoxPair::kTh || pair == BoxPair::kTv || pair == BoxPair::kTs;
    const int first = otherFirst ? boxes.second : boxes.first;
    const int second = otherFirst ? boxes.first : boxes.second;
    return "(" + Item(first, texts) + ", " + Item(second, texts) + ")";
}

Location LocateModelState(const PropertyModel& model, BoxPair pair, const BoxTexts& texts,
                          CurrentPoint& point) {
    Location location;
    const PairBoxes boxes = BoxesOf(pair);
    const StateOrWhy found =
        model.StateFrom(PropertyOfBox(boxes.first), BoxValue(texts[size_t(boxes.first)]),
                        PropertyOfBox(boxes.second), BoxValue(texts[size_t(boxes.second)]));
    location.plan.Color(kLocationColor);
    if (const State* state = std::get_if<State>(&found)) {
        location.state = *state;
        if (OnChart(state->s, state->T)) {
            point.PointS = state->s;
            point.PointT = state->T;
            location.plan.Mark(state->s, state->T);
            location.plan.Label(LocationLabel(pair, texts));
            location.plan.Refresh();
            location.located = true;
            return location;
        }
    }
    // Nothing to mark: the arrow and a beep.
    location.mousePointer = kMousePointerDefault;
    location.plan.Refresh();
    location.beep = true;
    return location;
}

}  // namespace calorix
