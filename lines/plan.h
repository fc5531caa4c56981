#pragma once

#include <string>
#include <vector>

// A construction as a plan: the colours, moves, lines, markers, labels and
// refreshes it makes, in chart coordinates (entropy s in kJ/kg-K,
// temperature T in K). The chart window replays a plan onto its drawing
// surface through the chart frame; the core computes it without a window.
namespace calorix {

struct PlanStep {
    enum Kind {
        kColor,          // ForeColor = QBColor(color)
        kMoveTo,         // a dot at (s, T) that becomes the current point
        kLineTo,         // a line from the current point to (s, T)
        kMarkedSegment,  // DrawMarkedSegment(s, T, s2, T2): line and two end circles
        kLabel,          // print text at the current point, while labels are shown
        kRefresh,        // show the drawing at once
    };
    Kind kind;
    double s = 0;
    double T = 0;
    double s2 = 0;
    double T2 = 0;
    int color = 0;
    std::string text;

    bool operator==(const PlanStep&) const = default;
};

// Builds a plan step by step.
class Plan {
  public:
    void Color(int qbColor) { steps_.push_back({PlanStep::kColor, 0, 0, 0, 0, qbColor, {}}); }
    void MoveTo(double s, double T) { steps_.push_back({PlanStep::kMoveTo, s, T, 0, 0, 0, {}}); }
    void LineTo(double s, double T) { steps_.push_back({PlanStep::kLineTo, s, T, 0, 0, 0, {}}); }
    void MarkedSegment(double s1, double T1, double s2, double T2) {
        steps_.push_back({PlanStep::kMarkedSegment, s1, T1, s2, T2, 0, {}});
    }
    // A marked state: a dot with a circle around it.
    void Mark(double s, double T) { MarkedSegment(s, T, s, T); }
    void Label(std::string text) {
        steps_.push_back({PlanStep::kLabel, 0, 0, 0, 0, 0, std::move(text)});
    }
    void Refresh() { steps_.push_back({PlanStep::kRefresh, 0, 0, 0, 0, 0, {}}); }

    const std::vector<PlanStep>& Steps() const { return steps_; }
    bool Empty() const { return steps_.empty(); }

  private:
    std::vector<PlanStep> steps_;
};

}  // namespace calorix
