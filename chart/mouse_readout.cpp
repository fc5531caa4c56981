// The mouse over the chart: the cross-hair and the status-bar readout on
// every move, and a click that marks the state under the pointer and lists
// its properties.
#include "chart/chart_window.h"
#include "model/chart_range.h"
#include "model/state_region.h"
#include "numeric/number_text.h"
#include "readout/model_panel.h"
#include "readout/state_panel.h"
#include "steam/saturated_properties.h"
#include "surface/mouse_pointer.h"

namespace calorix {

void ChartWindow::OnMouseMoved(float x, float y) {
    const ChartFrame& f = chartFrame_;
    crossHairVertical_->SetVisible(true);
    crossHairHorizontal_->SetVisible(true);
    crossHairVertical_->SetLine(x, float(f.Top()), x, float(f.ChartBottom));
    crossHairHorizontal_->SetLine(float(f.ChartLeft), y, float(f.Right()), y);

    double& s = currentPoint_.PointS;
    double& T = currentPoint_.PointT;
    s = f.EntropyAt(x);
    T = f.TemperatureAt(y);
    // The edges themselves count as outside.
    const bool inside = f.ChartLeft < x && x < f.Right() && f.Top() < y && y < f.ChartBottom;
    if (!inside) {
        emit ReadoutChanged(QString(), QString(), QString());
        return;
    }
    // The readout truncates the current point in place.
    const QString temperature = QStringLiteral("T = ") +
                                QString::fromStdString(ReadoutText(T, 3, 2)) + QStringLiteral(" K");
    const QString entropy = QStringLiteral("s = ") + QString::fromStdString(ReadoutText(s, 2, 3)) +
                            QStringLiteral(" kJ/kg-K");
    QString quality;
    if (model_->Kind() != ModelKind::kClassic) {
        if (std::optional<double> dryness = ModelQualityAt(*model_, T, s)) {
            quality = QStringLiteral("x = ") + QString::fromStdString(ReadoutText(*dryness, 2, 3));
        }
    } else if (StateRegion(s, T) == kWetMixture) {
        const double sf = SatLiquidEntropy(T);
        double dryness = (s - sf) / (double(SatVaporEntropy(T)) - sf);
        quality = QStringLiteral("x = ") + QString::fromStdString(ReadoutText(dryness, 2, 3));
    }
    emit ReadoutChanged(temperature, entropy, quality);
}

void ChartWindow::OnChartClicked(float x, float y) {
    const CommandScope command(*this);
    const double s = chartFrame_.EntropyAt(x);
    const double T = chartFrame_.TemperatureAt(y);
    if (AtUserLevel()) RecordStep(journal::Step{journal::ClickCommand{s, T, ShowMarkers()}});
    ClickAt(s, T);
}

void ChartWindow::ClickAt(double s, double T) {
    SetForeColor(Qt::black);
    SetMousePointer(kMousePointerHourglass);
    currentPoint_.PointS = s;
    currentPoint_.PointT = T;
    if (model_->Kind() != ModelKind::kClassic) {
        ClickUnderModel(s, T);
        return;
    }
    if (EndsWithoutMarker(s, T, OutsideMessage::kShow)) return;
    // The state's place through the chart frame is the clicked point itself,
    // and wherever the frame stands after the chart was laid out afresh.
    MarkState(s, T);
    // A superheated state needs a pressure search. It takes well under a
    // millisecond, so the click runs it without asking first.
    ShowStatePanel(DescribeState(PanelVariant::kClick, T, s));
}

void ChartWindow::ClickUnderModel(double s, double T) {
    if (!OnChart(s, T)) {
        messages_.MsgBox(QStringLiteral("Location outside digram."));
        SetMousePointer(kMousePointerCross);
        return;
    }
    // Every point of the chart where the model has a state is one: liquid,
    // wet, steam or supercritical. Where it has none, nothing is marked.
    const StatePanel described = DescribeModelPoint(*model_, PanelVariant::kClick, T, s);
    if (described.values) MarkState(s, T);
    ShowStatePanel(described);
}

}  // namespace calorix
