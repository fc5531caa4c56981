#pragma once

#include <QMdiArea>
#include <QPointer>
#include <QTimer>

#include "chart/chart_frame.h"
#include "lines/current_point.h"

class QMdiSubWindow;

namespace calorix {

class ChartWindow;
class MessageBoxes;

// The frame window's client area, which holds the chart window. It owns the
// chart frame and the current point, which outlive a closed chart window; it
// opens the chart window laid out for its own size, draws the dome over the
// chart on every activation of the chart window, and reports when the chart
// window opens and when it has closed, by whatever route.
class ChartArea : public QMdiArea {
    Q_OBJECT

  public:
    explicit ChartArea(MessageBoxes& messages, QWidget* parent = nullptr);
    ~ChartArea() override;

    // Opens the chart window, maximised and frameless so that it fills the
    // area, laid out for the area's size, with its frame, ticks, reference
    // isobars and dome. Does nothing while one is open.
    void OpenChartWindow();
    // Closes the chart window, as its Close item does.
    void CloseChartWindow();

    // The open chart window, or nothing.
    ChartWindow* Chart() const;
    const ChartFrame& Frame() const { return chartFrame_; }
    CurrentPoint& Point() { return currentPoint_; }

    // With Fit chart to window checked: the chart laid out for the area's
    // size as a fresh opening would lay it out, and its steps drawn again.
    // A resize asks for it once the size has stood still for 100 ms.
    void FitChartToArea();
    bool FitPending() const { return fitTimer_.isActive(); }

    // The area's size in twips.
    double ScaleWidth() const;
    double ScaleHeight() const;

  signals:
    // The chart window is open, laid out and drawn.
    void ChartOpened(ChartWindow* chart);
    // The chart window has closed; it is deleted once the handler that
    // closed it has returned.
    void ChartClosed();

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void OnSubWindowActivated(QMdiSubWindow* window);
    void ForgetChartWindow();

    MessageBoxes& messages_;
    ChartFrame chartFrame_;
    CurrentPoint currentPoint_;
    QPointer<QMdiSubWindow> chartWindow_;
    bool opening_ = false;
    QTimer fitTimer_;
};

}  // namespace calorix
