#pragma once

#include <QList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "chart/chart_controls.h"
#include "chart/chart_frame.h"
#include "chart/replay_messages.h"
#include "cycle/rankine.h"
#include "journal/journal.h"
#include "lines/box_values.h"
#include "lines/current_point.h"
#include "lines/plan.h"
#include "model/property_model.h"
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
struct DrawnCycle;

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
    bool ShowMarkers() const;

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
    // File, Edit, Options, Cycle, Help, About.
    QList<QAction*> MenuBarActions() const;
    // Export, print, copy and the table of listed states.
    ExportCommands& Exports() const { return *exports_; }

    // The user's steps on this chart. Every command the user starts (Locate
    // or Enter, a click on the chart, one OK of the line-series dialog, a
    // confirmed Clear, an Open) is one step, however many commands it runs
    // in turn.
    const journal::Journal& Journal() const { return journal_; }
    // Takes the last done step back: drawing, panel, boxes and current point
    // as they were before it. Repeats the first undone step exactly.
    void Undo();
    void Redo();
    // One OK of the line-series dialog: the lines of the series, drawn with
    // the check marks it carries, one step.
    void PlotSeries(const journal::SeriesCommand& series);
    // Reports how far an Open has come (steps run, steps in all); false
    // cancels it.
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;
    // Replaces the chart by a fresh chart and the given steps, one step that
    // Undo takes back. The messages the steps would show are gathered, each
    // with its step number, and shown once at the end. A cancelled Open
    // leaves the chart and its steps as they were; returns false then.
    // The file's steps start under its model.
    bool OpenSteps(const std::string& fileName, std::vector<journal::Step> steps,
                   const Progress& progress = {}, const std::string& model = "classic");
    // The messages the last Open that ran to its end gathered, in order, each
    // with its step number (counted from 1); empty after a cancelled Open.
    const std::vector<GatheredMessage>& OpenMessages() const { return openMessages_; }
    // The chart drawn afresh for the current chart frame and layout, and the
    // done steps run again on it, without a message.
    void Rebuild();
    // Options > Fit chart to window, kept between runs.
    bool FitsToWindow() const;
    // The property model the chart is drawn on (Options > Property model,
    // kept between runs).
    const PropertyModel& Model() const { return *model_; }
    // The model the journal's steps start under: the choice kept when the
    // window opened.
    const std::string& StartModel() const { return startModel_; }
    // A choice of model ("classic" or "if97") by the user: one step, after
    // which the whole chart is drawn again under the model.
    void ChooseModel(const std::string& name);
    // Whether a command or a replay is running (an Open shows its progress
    // while it runs): the drawing cannot be rebuilt until it has ended.
    bool Busy() const { return stepDepth_ > 0; }

    // One OK of the Rankine cycle dialog (chart_cycle.cpp): the cycle of the
    // texts computed under the chart's model and drawn, its states listed
    // in the table of states, one step. A cycle that cannot be read or
    // cannot exist is a message naming the box and why; nothing is drawn or
    // recorded, `blamed` (when given) names the box, and false is returned.
    bool DrawCycle(const journal::CycleCommand& cycle, CycleInput* blamed = nullptr);
    // The cycle that the last cycle step drew, as the done steps last ran
    // (under the model they were drawn on); nothing when none did.
    const DrawnCycle* LastCycle() const { return lastCycle_.get(); }

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
    // File > Open chart... and Save chart... (the frame asks for the file).
    void OpenChartRequested();
    void SaveChartRequested();
    // Fit chart to window was checked or unchecked.
    void FitToWindowToggled(bool checked);
    // The chart is drawn on another property model: "Chart correlations" or
    // "IAPWS-IF97".
    void ModelChanged(const QString& caption);
    // Cycle > Rankine cycle... and Cycle > Results (app/ opens the windows).
    void CycleDialogRequested();
    void CycleResultsRequested();
    // LastCycle changed: a cycle was drawn, taken back or drawn again.
    void CycleChanged();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The side panel with its boxes, buttons and location panel, the axis
    // labels and the cross-hair, created in this order; places in twips.
    void CreateControls();
    // The parts of CreateControls, in the order it runs them: the side panel
    // (750 twips wide until LayOut), the five property boxes and their
    // letters, the command buttons, the location panel, the tab order of
    // boxes and buttons, the six axis titles and end values, the two lines
    // of the cross-hair, and the signals of buttons and mouse.
    void CreateSidePanel();
    void CreatePropertyBoxes();
    void CreateButtons();
    void CreateLocationPanel();
    void OrderTabs();
    void CreateAxisLabels();
    void CreateCrossHair();
    void ConnectControls();
    void CreateMenus();
    void CreateKeys();
    // The File and Edit menus of the chart, and Fit chart to window.
    void CreateFileAndEditMenus();
    // Options > Property model.
    void CreateModelMenu();
    void SetModel(const PropertyModel& model);
    // The Cycle menu; a cycle step run again, with its message if it cannot
    // be drawn; a computed cycle drawn, listed and made the last cycle.
    void CreateCycleMenu();
    void RunCycle(const journal::CycleCommand& cycle);
    void ShowCycle(std::shared_ptr<const DrawnCycle> cycle);
    void SetLastCycle(std::shared_ptr<const DrawnCycle> cycle);
    // A fresh chart under the current model with the steps drawn before.
    void RedrawUnderModel(std::span<const journal::Step> before);
    // A state listed in the panel joins the table of states, except while
    // the chart is drawn again under another model.
    void ListState(const PanelValues& state);
    void UpdateUndoItems();
    void DockSidePanel();
    // What a click and Locate do with a state outside the chart or in the
    // liquid, where they mark nothing: true when the command ends there.
    enum class OutsideMessage { kNone, kShow };
    bool EndsWithoutMarker(double s, double T, OutsideMessage outside);
    // Under a model other than the chart's correlations: a click at (s, T)
    // and Locate's listing of the state Draw located.
    void ClickUnderModel(double s, double T);
    void ListModelState(const State& state);
    // A listed state's marker of MarkerRadius at (s, T), refreshed; and its
    // panel: the text shown, its values in the table of states and the
    // cross-hair pointer back.
    void MarkState(double s, double T);
    void ShowStatePanel(const StatePanel& described);
    // Drawing point of a state through the chart frame.
    QPointF Map(double s, double T) const;

    // The line of the one filled box under a model other than the chart's
    // correlations.
    void DrawModelLine(const BoxTexts& texts);

    // Handlers of the buttons and the mouse.
    void OnDrawClicked();
    void OnClearClicked();
    void OnLocateClicked();
    void OnClearBoxesClicked();
    void OnMouseMoved(float x, float y);
    void OnChartClicked(float x, float y);

    // What the user's steps do, recorded or replayed: a click at the state
    // (s, T), the lines of a series, the emptied chart of Clear, and the
    // chart as a fresh opening draws it.
    void ClickAt(double s, double T);
    void RunSeries(const journal::SeriesCommand& series);
    void ClearChart();
    void DrawFreshChart();

    // The options a replayed step reads, in place of the menu's check marks.
    struct StepOptions {
        bool showLabels = true;
        bool showMarkers = true;
        bool locateCrossings = false;
    };
    // Everything Undo puts back: the display list (its length, or all of it
    // when the step may erase it), the surface's colour and point, the
    // panel, the boxes, the current point and what Draw and the dome keep.
    struct ChartState {
        std::size_t listLength = 0;
        std::optional<std::vector<Primitive>> list;
        QColor foreColor;
        QPointF drawingPoint;
        QString panel;
        std::array<QString, kPropertyCount> boxes;
        calorix::CurrentPoint point;
        std::size_t domeEnd = 0;
        Primitive domeLast;
        bool lastDrawLocated = false;
        int mousePointer = 0;
        int stateRows = 0;  // rows of the table of states
        const PropertyModel* model = nullptr;
        std::shared_ptr<const DrawnCycle> cycle;
    };
    ChartState StateBefore(const journal::Step& step) const;
    void RestoreState(const ChartState& state);
    // A user command begins: at the outermost level it becomes a step.
    void RecordStep(journal::Step step);
    // Runs a step again, with the options it read; nothing is recorded. A
    // choice of model draws the steps before it again.
    void RunStep(const journal::Step& step, const Progress& progress = {},
                 std::span<const journal::Step> before = {});
    bool AtUserLevel() const { return stepDepth_ == 0; }

    ChartFrame& chartFrame_;
    calorix::CurrentPoint& currentPoint_;
    // Passes boxes on, or gathers them while steps are replayed.
    ReplayMessages replayMessages_;
    MessageBoxes& messages_;
    // Whether the last press of Draw located a state (Locate describes only such a state).
    bool lastDrawLocated_ = false;
    // Under a model other than the chart's correlations, the state it located.
    std::optional<State> lastLocatedState_;
    // The display list's length and last entry right after the dome was last
    // drawn: while they stand, the drawing ends with that dome.
    std::size_t domeEnd_ = 0;
    Primitive domeLast_;
    // The dome of a model other than the chart's correlations, as last planned.
    std::optional<std::pair<const PropertyModel*, Plan>> domePlan_;

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

    journal::Journal journal_;
    // The state before each done step, for Undo.
    std::vector<ChartState> undoStates_;
    // How deep inside a user command the window is: commands that one runs
    // in turn are not steps of their own.
    int stepDepth_ = 0;
    std::optional<StepOptions> stepOptions_;
    // Set while an Open runs and it has been cancelled.
    bool cancelled_ = false;
    std::vector<GatheredMessage> openMessages_;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* fitToWindow_ = nullptr;

    const PropertyModel* model_ = &ClassicModel();
    std::string startModel_ = "classic";
    QMenu* modelMenu_ = nullptr;
    QAction* modelClassic_ = nullptr;
    QAction* modelIf97_ = nullptr;
    int quietListing_ = 0;

    QMenu* cycleMenu_ = nullptr;
    std::shared_ptr<const DrawnCycle> lastCycle_;
};

}  // namespace calorix
