#include "chart/chart_area.h"

#include <QMdiSubWindow>

#include "chart/chart_window.h"
#include "surface/twips.h"

namespace calorix {

ChartArea::ChartArea(MessageBoxes& messages, QWidget* parent)
    : QMdiArea(parent), messages_(messages) {
    setObjectName(QStringLiteral("ClientArea"));
    setBackground(palette().brush(QPalette::Dark));
    connect(this, &QMdiArea::subWindowActivated, this, &ChartArea::OnSubWindowActivated);
    // While the user drags the frame's edge the chart waits for the size to
    // stand still.
    fitTimer_.setSingleShot(true);
    fitTimer_.setInterval(100);
    connect(&fitTimer_, &QTimer::timeout, this, &ChartArea::FitChartToArea);
}

ChartArea::~ChartArea() {
    // The sub-windows go after this object's members: nothing they signal
    // may reach it by then.
    disconnect(this, nullptr, this, nullptr);
    if (ChartWindow* chart = Chart()) chart->disconnect(this);
}

double ChartArea::ScaleWidth() const {
    return calorix::ScaleWidth(*this);
}

double ChartArea::ScaleHeight() const {
    return calorix::ScaleHeight(*this);
}

ChartWindow* ChartArea::Chart() const {
    return chartWindow_ ? qobject_cast<ChartWindow*>(chartWindow_->widget()) : nullptr;
}

void ChartArea::OpenChartWindow() {
    if (chartWindow_) return;
    opening_ = true;
    auto* chart = new ChartWindow(chartFrame_, currentPoint_, messages_);
    chartWindow_ = addSubWindow(chart, Qt::FramelessWindowHint);
    chartWindow_->setAttribute(Qt::WA_DeleteOnClose);
    chartWindow_->setWindowTitle(QStringLiteral("Steam"));
    connect(chart, &ChartWindow::CloseRequested, this, &ChartArea::CloseChartWindow);
    connect(chart, &ChartWindow::Closed, this, &ChartArea::ForgetChartWindow);
    connect(chart, &ChartWindow::FitToWindowToggled, this, [this](bool checked) {
        if (checked) FitChartToArea();
    });
    chartWindow_->showMaximized();
    setActiveSubWindow(chartWindow_);

    const double width = ScaleWidth();
    const double height = ScaleHeight();
    chartFrame_ = ChartFrame::ForClientArea(width, height);
    chart->DrawChartRectangle();
    chart->LayOut(width, height);
    chart->DrawTicks();
    chart->DrawReferenceIsobars();
    chart->PlaceCrossHairAlongEdges();
    opening_ = false;
    // The activation of the newly shown window, once its chart frame is set.
    chart->DrawChartBackground();
    emit ChartOpened(chart);
}

void ChartArea::OnSubWindowActivated(QMdiSubWindow* window) {
    // Every activation of the chart window draws the dome over what is there.
    if (opening_ || !window || window != chartWindow_) return;
    if (ChartWindow* chart = Chart()) chart->DrawChartBackground();
}

void ChartArea::resizeEvent(QResizeEvent* event) {
    QMdiArea::resizeEvent(event);
    const ChartWindow* chart = Chart();
    if (chart && !opening_ && chart->FitsToWindow()) fitTimer_.start();
}

void ChartArea::FitChartToArea() {
    fitTimer_.stop();
    ChartWindow* chart = Chart();
    if (!chart) return;
    if (chart->Busy()) {
        fitTimer_.start();
        return;
    }
    const double width = ScaleWidth();
    const double height = ScaleHeight();
    chartFrame_ = ChartFrame::ForClientArea(width, height);
    chart->LayOut(width, height);
    chart->Rebuild();
}

void ChartArea::CloseChartWindow() {
    // The sub-window closes the chart window inside it, which reports back.
    if (chartWindow_) chartWindow_->close();
}

void ChartArea::ForgetChartWindow() {
    // From now on there is no chart window.
    QMdiSubWindow* window = chartWindow_;
    if (!window) return;
    chartWindow_ = nullptr;
    window->close();
    emit ChartClosed();
}

}  // namespace calorix
