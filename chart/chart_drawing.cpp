// What the chart window draws of its own: the frame with its ticks, the
// saturation dome, marked segments, and the replay of constructions.
#include <QAction>

#include "chart/chart_window.h"
#include "lines/model_lines.h"
#include "numeric/number_text.h"
#include "steam/saturated_properties.h"
#include "steam/water_constants.h"
#include "surface/qb_color.h"

namespace calorix {
namespace {

constexpr int kEntropyTicks = 12;
constexpr int kTemperatureTicks = 10;
constexpr double kTickLength = 75;
constexpr double kMiddleTickLength = 150;
constexpr int kDomeColor = 5;  // magenta
constexpr double kCriticalPointRadius = 30;

}  // namespace

QPointF ChartWindow::Map(double s, double T) const {
    const ChartPoint p = chartFrame_.Map(s, T);
    return {p.x, p.y};
}

void ChartWindow::DrawChartRectangle() {
    const ChartFrame& f = chartFrame_;
    Box(float(f.ChartLeft), float(f.ChartBottom), float(f.Right()), float(f.Top()));
}

void ChartWindow::DrawTicks() {
    const ChartFrame& f = chartFrame_;
    const double top = f.Top();
    // The middle tick of each axis is longer and carries its value, printed
    // where the tick ends: 6 under the top and over the bottom tick, 773.16
    // at the left and at the right edge.
    const QString middleEntropy = QString::fromStdString(NumberText(kEntropyTicks / 2));
    for (int tick = 1; tick <= kEntropyTicks; ++tick) {
        const double x = f.ChartLeft + tick * f.ChartWidth / kEntropyTicks;
        const bool middle = tick == kEntropyTicks / 2;
        const double length = middle ? kMiddleTickLength : kTickLength;
        Line(float(x), float(top), float(x), float(top + length));
        if (middle) Print(middleEntropy);
        Line(float(x), float(f.ChartBottom), float(x), float(f.ChartBottom - length));
        if (middle) Print(middleEntropy);
    }
    const QString middleTemperature =
        QString::fromStdString(NumberText((kChartMinTemperature + kChartMaxTemperature) / 2));
    for (int tick = 1; tick <= kTemperatureTicks; ++tick) {
        const double y = f.ChartBottom - tick * f.ChartHeight / kTemperatureTicks;
        const bool middle = tick == kTemperatureTicks / 2;
        const double length = middle ? kMiddleTickLength : kTickLength;
        Line(float(f.ChartLeft), float(y), float(f.ChartLeft + length), float(y));
        if (middle) Print(middleTemperature);
        Line(float(f.Right()), float(y), float(f.Right() - length), float(y));
        if (middle) Print(middleTemperature);
    }
}

void ChartWindow::DrawChartFrame() {
    DrawChartRectangle();
    DrawTicks();
}

void ChartWindow::DrawChartBackground() {
    // A dome drawn over the very dome the drawing ends with changes nothing
    // the user sees: only the fore colour it leaves behind. Without this every
    // activation would add the whole dome to the drawing again.
    if (!DisplayList().empty() && DisplayList().size() == domeEnd_ &&
        DisplayList().back() == domeLast_) {
        SetForeColor(QBColor(kDomeColor));
        return;
    }
    if (model_->Kind() != ModelKind::kClassic) {
        // The model's own dome, planned once for each model.
        if (!domePlan_ || domePlan_->first != model_) domePlan_.emplace(model_, ModelDome(*model_));
        Replay(domePlan_->second);
        SetForeColor(QBColor(kDomeColor));
        domeEnd_ = DisplayList().size();
        if (!DisplayList().empty()) domeLast_ = DisplayList().back();
        Refresh();
        return;
    }
    const ChartFrame& f = chartFrame_;
    // A line of length zero: the dome starts from the chart's origin.
    Line(float(f.ChartLeft), float(f.ChartBottom), float(f.ChartLeft), float(f.ChartBottom));
    for (double T = 274; T <= 647; T += 1) {
        const QPointF p = Map(SatLiquidEntropy(T), T);
        SetForeColor(QBColor(kDomeColor));
        LineTo(float(p.x()), float(p.y()));
    }
    const QPointF critical = Map(SatLiquidEntropy(kCriticalTemperature), kCriticalTemperature);
    SetForeColor(QBColor(kDomeColor));
    Circle(float(critical.x()), float(critical.y()), float(kCriticalPointRadius));
    for (double T = 647; T >= 274; T -= 0.5) {
        const QPointF p = Map(SatVaporEntropy(T), T);
        SetForeColor(QBColor(kDomeColor));
        LineTo(float(p.x()), float(p.y()));
    }
    domeEnd_ = DisplayList().size();
    if (!DisplayList().empty()) domeLast_ = DisplayList().back();
    Refresh();
}

void ChartWindow::DrawMarkedSegment(double s1, double T1, double s2, double T2) {
    const double radius = MarkerRadius();
    const QPointF p1 = Map(s1, T1);
    const QPointF p2 = Map(s2, T2);
    Line(float(p1.x()), float(p1.y()), float(p2.x()), float(p2.y()));
    Circle(float(p1.x()), float(p1.y()), float(radius));
    Circle(float(p2.x()), float(p2.y()), float(radius));
}

void ChartWindow::Replay(const Plan& plan) {
    for (const PlanStep& step : plan.Steps()) {
        switch (step.kind) {
            case PlanStep::kColor:
                SetForeColor(QBColor(step.color));
                break;
            case PlanStep::kMoveTo: {
                const QPointF p = Map(step.s, step.T);
                Line(float(p.x()), float(p.y()), float(p.x()), float(p.y()));
                break;
            }
            case PlanStep::kLineTo: {
                const QPointF p = Map(step.s, step.T);
                LineTo(float(p.x()), float(p.y()));
                break;
            }
            case PlanStep::kMarkedSegment:
                DrawMarkedSegment(step.s, step.T, step.s2, step.T2);
                break;
            case PlanStep::kLabel:
                if (ShowLabels()) Print(QString::fromStdString(step.text));
                break;
            case PlanStep::kRefresh:
                Refresh();
                break;
        }
    }
}

}  // namespace calorix
