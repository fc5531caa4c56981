#pragma once

#include <QList>
#include <array>

#include "chart/chart_controls.h"
#include "chart/chart_frame.h"
#include "lines/box_values.h"
#include "lines/current_point.h"
#include "lines/plan.h"
#include "readout/state_panel.h"
#include "surface/control_place.h"
#include "surface/drawing_surface.h"

class QAction;
class QFrame;
class QMenu;
class QPushButton;

namespace calorix {

class ExportCommands;
class MessageBoxes;

// The chart window: the temperature-entropy chart on a persistent drawing
// surface, with the side panel of property boxes and command buttons.
// The chart frame and the current point belong to the frame window, which
// lends them to each chart window it opens.
class ChartWindow : public DrawingSurface {
    Q_OBJECT

  public:
    ChartWindow(ChartFrame& chartFrame, calorix::CurrentPoint& currentPoint, MessageBoxes& messages,
                QWidget* parent = nullptr);

    // Opening, in the order the frame window runs them: the frame rectangle
    // (DrawChartRectangle), the layout of panel and axis labels for the frame
    // window's client size in twips (LayOut), the ticks (DrawTicks), the
    // reference isobars and the cross-hair along the edges.
    void DrawChartRectangle();
    void LayOut(double frameScaleWidth, double frameScaleHeight);
    void DrawTicks();
    // Frame rectangle, ticks and tick values, in the current fore colour.
    void DrawChartFrame();
    // The isobars of 22 and 0.00062 MPa, through the pressure box and Draw.
    void DrawReferenceIsobars();
    // The cross-hair lines along the chart's left and bottom edges, shown.
    void PlaceCrossHairAlongEdges();
    // The saturation dome and its critical point, in magenta, over what is
    // there; run on every activation of the window.
    void DrawChartBackground();

    // The marker radius in twips, read from Show markers at each use.
    double MarkerRadius() const;
    bool ShowLabels() const;
    // Whether Draw locates the crossing of the two lines of an unsolved
    // pair itself (Options > Locate crossings, kept between runs).
    bool LocatesCrossings() const;

    // A segment between two states with a circle of MarkerRadius at each end;
    // the current point ends at the second state.
    void DrawMarkedSegment(double s1, double T1, double s2, double T2);
    // Replays a construction onto the surface.
    void Replay(const Plan& plan);
    // Draws the lines of two properties, one after the other, through the
    // boxes and Draw; all five boxes are empty afterwards.
    void DrawTwoLines(int i1, const QString& value1, int i2, const QString& value2);

    PropertyBox& InputBox(int index) const { return *boxes_[size_t(index)]; }
    BoxTexts BoxTextsNow() const;
    CaptionLabel& Panel() const { return *panel_; }
    QPushButton& DrawButton() const { return *drawButton_; }
    QPushButton& LocateButton() const { return *locateButton_; }
    QPushButton& ClearButton() const { return *clearButton_; }
    QPushButton& PlotButton() const { return *plotButton_; }
    QPushButton& ClearBoxesButton() const { return *clearBoxesButton_; }
    SidePanel& PanelBox() const { return *sidePanel_; }

    // The items this window puts on the frame's menu bar while it is open:
    // File, Edit, Options, Help, About.
    QList<QAction*> MenuBarActions() const;
    // Export, print, copy and the table of listed states.
    ExportCommands& Exports() const { return *exports_; }

  signals:
    // Close of the Options menu, or Ctrl+F4.
    void CloseRequested();
    // The window was closed, by whatever route: its menus must leave the
    // frame's menu bar and its sub-window close with it.
    void Closed();
    void QuitRequested();
    void AboutRequested();
    void HelpRequested();
    void PlotRequested();
    // The readout of the point under the mouse pointer: the texts of the
    // frame's three status-bar panels (T, s and the quality).
    void ReadoutChanged(const QString& temperature, const QString& entropy, const QString& quality);
    // Locate or a click listed the properties of a state in the panel.
    void StateListed(const calorix::PanelValues& state);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void CreateMenus();
    void CreateKeys();
    void DockSidePanel();
    // What a click and Locate do with a state outside the chart or in the
    // liquid, where they mark nothing: true when the command ends there.
    enum class OutsideMessage { kNone, kShow };
    bool EndsWithoutMarker(double s, double T, OutsideMessage outside);
    // Drawing point of a state through the chart frame.
    QPointF Map(double s, double T) const;

    // Handlers of the buttons and the mouse.
    void OnDrawClicked();
    void OnClearClicked();
    void OnLocateClicked();
    void OnClearBoxesClicked();
    void OnMouseMoved(float x, float y);
    void OnChartClicked(float x, float y);

    ChartFrame& chartFrame_;
    calorix::CurrentPoint& currentPoint_;
    MessageBoxes& messages_;
    // Whether the last press of Draw located a state (Locate describes only such a state).
    bool lastDrawLocated_ = false;
    // The display list's length and last entry right after the dome was last
    // drawn: while they stand, the drawing ends with that dome.
    std::size_t domeEnd_ = 0;
    Primitive domeLast_;

    SidePanel* sidePanel_ = nullptr;
    std::array<PropertyBox*, kPropertyCount> boxes_{};
    std::array<CaptionLabel*, kPropertyCount> boxLabels_{};
    std::array<CaptionLabel*, 6> axisLabels_{};
    CaptionLabel* panel_ = nullptr;
    QPushButton* drawButton_ = nullptr;
    QPushButton* locateButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* plotButton_ = nullptr;
    QPushButton* clearBoxesButton_ = nullptr;
    LineControl* crossHairVertical_ = nullptr;
    LineControl* crossHairHorizontal_ = nullptr;

    QMenu* optionsMenu_ = nullptr;
    QAction* showLabels_ = nullptr;
    QAction* showMarkers_ = nullptr;
    QAction* locateCrossings_ = nullptr;
    QAction* help_ = nullptr;
    QAction* about_ = nullptr;
    ExportCommands* exports_ = nullptr;
};

}  // namespace calorix
