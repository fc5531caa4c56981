#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "chart/chart_area.h"

class QAction;
class QLabel;
class QMenu;

namespace calorix {

class ChartFiles;
class ChartWindow;
class CycleWindows;
class MessageBoxes;
class SeriesDialog;
class TipsWindow;

// The frame window: the menu bar, the status bar and the client area that
// holds the chart window. While the chart window is open its menus stand in
// place of the frame's, and its readout shows in the status bar.
class FrameWindow : public QMainWindow {
    Q_OBJECT

  public:
    // tipsPath: the tips file; by default the one FindTipsFile finds for the
    // running program (beside it, or where it is installed).
    explicit FrameWindow(MessageBoxes& messages, QString tipsPath = DefaultTipsPath(),
                         QWidget* parent = nullptr);
    ~FrameWindow() override;

    static QString DefaultTipsPath();

    // Opens the chart window, laid out for the current client area, with its
    // frame, ticks, reference isobars and dome. Does nothing while one is open.
    void OpenChartWindow();

    // The open chart window, or nothing.
    ChartWindow* Chart() const { return area_->Chart(); }
    const ChartFrame& Frame() const { return area_->Frame(); }
    CurrentPoint& Point() { return area_->Point(); }
    ChartArea& Area() const { return *area_; }
    QAction& SteamItem() const { return *steamItem_; }
    // The open line-series dialog, or nothing.
    SeriesDialog* Series() const;
    // The Tips window, loaded at its first use and kept until the end.
    TipsWindow& Tips();

    // File > Open chart... and Save chart... of the chart window.
    ChartFiles& Files() const { return *chartFiles_; }
    // The Rankine cycle dialog and the cycle's results of the chart window.
    CycleWindows& Cycles() const { return *cycleWindows_; }
    // Opens a chart file onto the open chart window (`calorix FILE.calorix`).
    bool OpenChartFile(const QString& path);

    // The client area's size in twips, without menu bar and status bar.
    double ClientScaleWidth() const;
    double ClientScaleHeight() const;

  signals:
    // Quit from either menu, or the frame closed: the program ends.
    void EndRequested();
    // Plot... of the chart window (the frame opens the line-series dialog).
    void PlotRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void CreateStatusBar();
    // The chart window's menus stand in place of the frame's while it is open.
    void ShowMenusOf(ChartWindow* chart);
    // The chart window opened: its menus and its readout come to the frame.
    void OnChartOpened(ChartWindow* chart);
    void SizeStatusBar();
    void ShowAbout(bool modal);

    MessageBoxes& messages_;
    QString tipsPath_;
    std::unique_ptr<TipsWindow> tips_;
    // The property chosen in the line-series dialog; empty after its Close.
    std::optional<int> seriesProperty_;
    QPointer<SeriesDialog> seriesDialog_;

    ChartArea* area_ = nullptr;
    ChartFiles* chartFiles_ = nullptr;
    CycleWindows* cycleWindows_ = nullptr;

    QMenu* fileMenu_ = nullptr;
    QMenu* infoMenu_ = nullptr;
    QAction* steamItem_ = nullptr;
    std::array<QLabel*, 3> statusPanels_{};
    QLabel* modelPanel_ = nullptr;
};

}  // namespace calorix
