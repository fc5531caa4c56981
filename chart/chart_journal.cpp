// The chart's journal of the user's steps: recording a step when a user
// command starts, Undo and Redo, Open of a list of steps, the rebuild of the
// drawing for a new layout, and the File and Edit menus that reach them.
#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <utility>

#include "chart/chart_window.h"
#include "chart/export_commands.h"
#include "chart/quiet_replay.h"
#include "chart/states_table.h"
#include "lines/series_values.h"
#include "numeric/number_text.h"
#include "numeric/overloaded.h"

namespace calorix {
namespace {

constexpr auto kFitToWindowKey = "Options/FitToWindow";

QString TooManyLinesMessage() {
    return QStringLiteral(
               "This series would draw more than %1 lines.\r\r"
               "Please choose a larger increment or fewer points.")
        .arg(kMaxSeriesLines);
}

// A step's description as a menu caption: an "&" of a box text stays an "&".
QString MenuText(const char* verb, const journal::Step& step) {
    QString description = QString::fromStdString(journal::Describe(step));
    description.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QString::fromLatin1(verb) + QLatin1Char(' ') + description;
}

// Ctrl+Z and the redo keys in a property box reach the chart's Undo and
// Redo rather than the box's own undo of its typing.
class UndoKeysFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

bool ErasesTheDrawing(const journal::Step& step) {
    return std::holds_alternative<journal::ClearCommand>(step.command) ||
           std::holds_alternative<journal::OpenCommand>(step.command) ||
           std::holds_alternative<journal::ModelCommand>(step.command);
}

}  // namespace

void ChartWindow::CreateFileAndEditMenus() {
    fileMenu_ = new QMenu(QStringLiteral("&File"), this);
    fileMenu_->setObjectName(QStringLiteral("mnuChartFile"));
    fileMenu_->menuAction()->setObjectName(QStringLiteral("mnuChartFile"));
    QAction* open = fileMenu_->addAction(QStringLiteral("&Open chart..."));
    open->setObjectName(QStringLiteral("mnuOpenChart"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction* save = fileMenu_->addAction(QStringLiteral("&Save chart..."));
    save->setObjectName(QStringLiteral("mnuSaveChart"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(open, &QAction::triggered, this, &ChartWindow::OpenChartRequested);
    connect(save, &QAction::triggered, this, &ChartWindow::SaveChartRequested);

    editMenu_ = new QMenu(QStringLiteral("&Edit"), this);
    editMenu_->setObjectName(QStringLiteral("mnuEdit"));
    editMenu_->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    undo_ = editMenu_->addAction(QStringLiteral("&Undo"));
    undo_->setObjectName(QStringLiteral("mnuUndo"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = editMenu_->addAction(QStringLiteral("&Redo"));
    redo_->setObjectName(QStringLiteral("mnuRedo"));
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, &ChartWindow::Undo);
    connect(redo_, &QAction::triggered, this, &ChartWindow::Redo);

    // The keys work wherever the focus is in the window, the menus being on
    // the frame's bar.
    for (QAction* action : {open, save, undo_, redo_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }

    auto* undoKeys = new UndoKeysFilter(this);
    for (PropertyBox* box : boxes_)
        box->installEventFilter(undoKeys);

    // Fit chart to window stands among the options, before Close.
    fitToWindow_ = new QAction(QStringLiteral("Fit chart to window"), optionsMenu_);
    fitToWindow_->setObjectName(QStringLiteral("mnuFitToWindow"));
    fitToWindow_->setCheckable(true);
    {
        const QSettings settings(QStringLiteral("Calorix"), QStringLiteral("Calorix"));
        fitToWindow_->setChecked(settings.value(kFitToWindowKey, false).toBool());
    }
    QAction* separator = optionsMenu_->findChild<QAction*>(QStringLiteral("mnuline1"));
    optionsMenu_->insertAction(separator, fitToWindow_);
    connect(fitToWindow_, &QAction::toggled, this, [this](bool checked) {
        QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix"))
            .setValue(kFitToWindowKey, checked);
        emit FitToWindowToggled(checked);
    });
    UpdateUndoItems();
}

bool ChartWindow::FitsToWindow() const {
    return fitToWindow_->isChecked();
}

void ChartWindow::UpdateUndoItems() {
    undo_->setEnabled(journal_.CanUndo());
    undo_->setText(journal_.CanUndo() ? MenuText("&Undo", journal_.UndoStep())
                                      : QStringLiteral("&Undo"));
    redo_->setEnabled(journal_.CanRedo());
    redo_->setText(journal_.CanRedo() ? MenuText("&Redo", journal_.RedoStep())
                                      : QStringLiteral("&Redo"));
}

ChartWindow::ChartState ChartWindow::StateBefore(const journal::Step& step) const {
    ChartState state;
    state.listLength = DisplayList().size();
    if (ErasesTheDrawing(step)) state.list = DisplayList();
    state.foreColor = ForeColor();
    state.drawingPoint = DrawingSurface::CurrentPoint();
    state.panel = panel_->Caption();
    for (int i = 0; i < kPropertyCount; ++i)
        state.boxes[size_t(i)] = InputBox(i).text();
    state.point = currentPoint_;
    state.domeEnd = domeEnd_;
    state.domeLast = domeLast_;
    state.lastDrawLocated = lastDrawLocated_;
    state.mousePointer = MousePointer();
    state.stateRows = exports_->States().rowCount();
    state.model = model_;
    state.cycle = lastCycle_;
    return state;
}

void ChartWindow::RestoreState(const ChartState& state) {
    if (state.list) {
        SetDisplayList(*state.list);
    } else {
        CutDisplayList(state.listLength);
    }
    SetForeColor(state.foreColor);
    SetCurrentPoint(state.drawingPoint);
    panel_->SetCaption(state.panel);
    for (int i = 0; i < kPropertyCount; ++i) {
        if (InputBox(i).text() != state.boxes[size_t(i)])
            InputBox(i).setText(state.boxes[size_t(i)]);
    }
    currentPoint_ = state.point;
    domeEnd_ = state.domeEnd;
    domeLast_ = state.domeLast;
    lastDrawLocated_ = state.lastDrawLocated;
    SetMousePointer(state.mousePointer);
    exports_->States().TruncateTo(state.stateRows);
    if (state.model != model_) SetModel(*state.model);
    SetLastCycle(state.cycle);
}

void ChartWindow::RecordStep(journal::Step step) {
    undoStates_.push_back(StateBefore(step));
    journal_.Record(std::move(step));
    UpdateUndoItems();
}

void ChartWindow::Undo() {
    if (!journal_.CanUndo() || undoStates_.empty()) return;
    RestoreState(undoStates_.back());
    undoStates_.pop_back();
    journal_.Undo();
    UpdateUndoItems();
}

void ChartWindow::Redo() {
    if (!journal_.CanRedo()) return;
    const journal::Step step = journal_.RedoStep();
    undoStates_.push_back(StateBefore(step));
    journal_.Redo();
    UpdateUndoItems();
    replayMessages_.StartGathering();
    {
        const QuietReplay quiet(*this, *panel_);
        const std::vector<journal::Step> done = journal_.DoneSteps();
        RunStep(step, {}, std::span(done.data(), done.size() - 1));
    }
    const std::vector<GatheredMessage> gathered = replayMessages_.StopGathering();
    if (!gathered.empty()) messages_.MsgBox(ReplayMessages::Summary(gathered));
}

void ChartWindow::PlotSeries(const journal::SeriesCommand& series) {
    const CommandScope command(*this);
    if (AtUserLevel()) RecordStep(journal::Step{series});
    ++stepDepth_;
    const std::optional<StepOptions> saved =
        std::exchange(stepOptions_, StepOptions{series.showLabels, series.showMarkers, false});
    RunSeries(series);
    stepOptions_ = saved;
    --stepDepth_;
}

void ChartWindow::RunSeries(const journal::SeriesCommand& series) {
    const double from = BoxValue(series.from);
    const double to = BoxValue(series.to);
    const std::optional<double> step =
        SeriesStep(from, to, BoxValue(series.increment), BoxValue(series.count),
                   series.mode == journal::SeriesMode::kCount);
    OnClearBoxesClicked();

    // A zero step would repeat From for ever and a count of 0 has no step:
    // nothing is drawn. A series too long to wait for is refused with a word.
    const SeriesValues values = Series(from, to, step);
    if (values.outcome == SeriesOutcome::kTooMany) {
        messages_.MsgBox(TooManyLinesMessage());
        return;
    }
    if (series.property < 0 || series.property >= kPropertyCount) return;
    for (const double v : values.values) {
        InputBox(series.property).setText(QString::fromStdString(GeneralText(v)));
        locateButton_->click();
    }
}

void ChartWindow::DrawFreshChart() {
    // As the opening draws it, with the options a new window starts with.
    const std::optional<StepOptions> saved = std::exchange(stepOptions_, StepOptions{});
    Cls();
    SetForeColor(Qt::black);
    OnClearBoxesClicked();
    panel_->SetCaption(QStringLiteral("Location:"));
    domeEnd_ = 0;
    domeLast_ = Primitive();
    lastDrawLocated_ = false;
    SetLastCycle(nullptr);
    DrawChartRectangle();
    DrawTicks();
    DrawReferenceIsobars();
    PlaceCrossHairAlongEdges();
    DrawChartBackground();
    stepOptions_ = saved;
}

void ChartWindow::RunStep(const journal::Step& step, const Progress& progress,
                          std::span<const journal::Step> before) {
    ++stepDepth_;
    const std::optional<StepOptions> saved = stepOptions_;
    const StepOptions current{ShowLabels(), ShowMarkers(), LocatesCrossings()};
    std::visit(
        Overloaded{
            [&](const journal::LocateCommand& locate) {
                stepOptions_ =
                    StepOptions{locate.showLabels, locate.showMarkers, locate.locateCrossings};
                for (int i = 0; i < kPropertyCount; ++i) {
                    InputBox(i).setText(QString::fromStdString(locate.boxes[size_t(i)]));
                }
                OnLocateClicked();
            },
            [&](const journal::ClickCommand& click) {
                stepOptions_ =
                    StepOptions{current.showLabels, click.showMarkers, current.locateCrossings};
                ClickAt(click.s, click.T);
            },
            [&](const journal::SeriesCommand& series) {
                stepOptions_ = StepOptions{series.showLabels, series.showMarkers, false};
                RunSeries(series);
            },
            [&](const journal::ClearCommand& clear) {
                stepOptions_ =
                    StepOptions{clear.showLabels, current.showMarkers, current.locateCrossings};
                ClearChart();
            },
            [&](const journal::OpenCommand& open) {
                SetModel(ModelNamed(open.model) ? *ModelNamed(open.model) : ClassicModel());
                DrawFreshChart();
                const std::size_t total = open.steps.size();
                for (std::size_t i = 0; i < total && !cancelled_; ++i) {
                    if (progress && !progress(i, total)) {
                        cancelled_ = true;
                        break;
                    }
                    replayMessages_.SetStep(int(i + 1));
                    RunStep(open.steps[i], {}, std::span(open.steps.data(), i));
                }
                replayMessages_.SetStep(0);
            },
            [&](const journal::ModelCommand& choice) {
                SetModel(ModelNamed(choice.model) ? *ModelNamed(choice.model) : ClassicModel());
                RedrawUnderModel(before);
            },
            [&](const journal::CycleCommand& cycle) { RunCycle(cycle); },
        },
        step.command);
    stepOptions_ = saved;
    --stepDepth_;
}

bool ChartWindow::OpenSteps(const std::string& fileName, std::vector<journal::Step> steps,
                            const Progress& progress, const std::string& model) {
    journal::Step step{journal::OpenCommand{fileName, std::move(steps), model}};
    ChartState before = StateBefore(step);
    cancelled_ = false;
    openMessages_.clear();
    replayMessages_.StartGathering();
    {
        const QuietReplay quiet(*this, *panel_);
        RunStep(step, progress);
    }
    std::vector<GatheredMessage> gathered = replayMessages_.StopGathering();
    if (std::exchange(cancelled_, false)) {
        RestoreState(before);
        return false;
    }
    undoStates_.push_back(std::move(before));
    journal_.Record(std::move(step));
    UpdateUndoItems();
    if (!gathered.empty()) {
        messages_.MsgBox(QStringLiteral("Opening %1:\r\r").arg(QString::fromStdString(fileName)) +
                         ReplayMessages::Summary(gathered));
    }
    openMessages_ = std::move(gathered);
    return true;
}

void ChartWindow::Rebuild() {
    const std::vector<journal::Step> done = journal_.DoneSteps();
    undoStates_.clear();
    // The steps list their states again.
    exports_->States().TruncateTo(0);
    replayMessages_.StartGathering();
    {
        const QuietReplay quiet(*this, *panel_);
        SetModel(*ModelNamed(startModel_));
        DrawFreshChart();
        for (std::size_t i = 0; i < done.size(); ++i) {
            undoStates_.push_back(StateBefore(done[i]));
            RunStep(done[i], {}, std::span(done.data(), i));
        }
    }
    replayMessages_.StopGathering();
    UpdateUndoItems();
}

}  // namespace calorix
