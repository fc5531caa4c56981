#include "lines/crossings.h"

namespace calorix {
namespace {

const char* Letter(int property) {
    static const char* const kLetters[kPropertyCount] = {"T", "P", "v", "h", "s"};
    return kLetters[property];
}

}  // namespace

std::vector<ModelState> FindCrossings(BoxPair pair, double first, double second) {
    if (IsSolvedPair(pair)) return {};
    const PairBoxes boxes = BoxesOf(pair);
    return FindModelCrossings(boxes.first, boxes.second, first, second);
}

CrossingLocation LocateCrossings(BoxPair pair, const BoxTexts& texts, CurrentPoint& point) {
    CrossingLocation location;
    const PairBoxes boxes = BoxesOf(pair);
    const std::string& firstText = texts[size_t(boxes.first)];
    const std::string& secondText = texts[size_t(boxes.second)];
    location.states = FindCrossings(pair, BoxValue(firstText), BoxValue(secondText));
    if (location.states.empty()) return location;

    const std::string label = std::string("(") + Letter(boxes.first) + "=" + firstText + ", " +
                              Letter(boxes.second) + "=" + secondText + ")";
    location.plan.Color(kLocationColor);
    for (const ModelState& state : location.states) {
        location.plan.Mark(state.s, state.T);
        location.plan.Label(label);
    }
    location.plan.Refresh();
    point.PointT = location.states.front().T;
    point.PointS = location.states.front().s;
    location.located = true;
    return location;
}

std::string NoCrossingPanelText() {
    return "Location:\rNo state has both\r";
}

}  // namespace calorix
