// The chart window's commands around Draw: Locate, Clear and Clr boxes.
#include <QPushButton>

#include "chart/chart_window.h"
#include "model/state_region.h"
#include "readout/model_panel.h"
#include "readout/state_panel.h"
#include "surface/message_boxes.h"
#include "surface/mouse_pointer.h"

namespace calorix {

void ChartWindow::OnLocateClicked() {
    const CommandScope command(*this);
    // The boxes as the user left them, before Draw rewrites any suffix.
    if (AtUserLevel()) {
        RecordStep(journal::Step{journal::LocateCommand{BoxTextsNow(), ShowLabels(), ShowMarkers(),
                                                        LocatesCrossings()}});
    }
    ++stepDepth_;
    const int filled = CountFilled(BoxTextsNow());
    drawButton_->click();
    --stepDepth_;
    if (filled != 2) return;
    // Only a state that this Draw located is marked and described: after a
    // Draw that located nothing the current point is a stale mouse position
    // or an isobar's saturation temperature, not what the user asked for.
    if (!lastDrawLocated_) return;
    if (lastLocatedState_) {
        ListModelState(*lastLocatedState_);
        return;
    }

    double& T = currentPoint_.PointT;
    const double s = currentPoint_.PointS;
    if (EndsWithoutMarker(s, T, OutsideMessage::kNone)) return;
    // The marker in the colour Draw used last.
    MarkState(s, T);
    ShowStatePanel(DescribeState(PanelVariant::kLocate, T, s));
}

void ChartWindow::ListModelState(const State& state) {
    // The marker in the colour Draw used last, as for the chart's own states.
    MarkState(state.s, state.T);
    ShowStatePanel(DescribeModelState(*model_, PanelVariant::kLocate, state));
}

void ChartWindow::MarkState(double s, double T) {
    const QPointF p = Map(s, T);
    Circle(float(p.x()), float(p.y()), float(MarkerRadius()));
    Refresh();
}

void ChartWindow::ShowStatePanel(const StatePanel& described) {
    panel_->SetCaption(QString::fromStdString(described.text));
    if (described.values) ListState(*described.values);
    SetMousePointer(kMousePointerCross);
}

bool ChartWindow::EndsWithoutMarker(double s, double T, OutsideMessage outside) {
    // The edges of the chart count as inside.
    if (!OnChart(s, T)) {
        if (outside == OutsideMessage::kShow) {
            messages_.MsgBox(QStringLiteral("Location outside digram."));
        }
        SetMousePointer(kMousePointerCross);
        return true;
    }
    // A liquid state has no properties of its own on this chart.
    if (StateRegion(s, T) == kLiquid) {
        panel_->SetCaption(QStringLiteral("Location:\r"));
        SetMousePointer(kMousePointerCross);
        return true;
    }
    return false;
}

void ChartWindow::OnClearClicked() {
    const int answer = messages_.MsgBox(
        QStringLiteral("This will clear all lines and points constructed on the diagram.\r\r"
                       "Do you want to continue?"),
        MessageBoxes::kYesNo);
    if (answer == MessageBoxes::kNo) return;
    if (AtUserLevel()) RecordStep(journal::Step{journal::ClearCommand{ShowLabels()}});
    ClearChart();
}

void ChartWindow::ClearChart() {
    const CommandScope command(*this);
    Cls();
    SetForeColor(Qt::black);
    OnClearBoxesClicked();
    panel_->SetCaption(QStringLiteral("Location:"));
    DrawChartBackground();
    SetForeColor(Qt::black);
    DrawChartFrame();
    DrawReferenceIsobars();
    SetForeColor(Qt::black);
}

void ChartWindow::OnClearBoxesClicked() {
    for (PropertyBox* box : boxes_)
        box->setText(QString());
}

}  // namespace calorix
