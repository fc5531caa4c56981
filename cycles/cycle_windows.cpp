#include "cycles/cycle_windows.h"

#include <QWidget>

#include "chart/chart_window.h"
#include "cycles/cycle_results.h"
#include "cycles/rankine_dialog.h"

namespace calorix {
namespace {

void ToFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

CycleWindows::CycleWindows(QWidget& frame, MessageBoxes& messages, QObject* parent)
    : QObject(parent), frame_(frame), messages_(messages) {}

void CycleWindows::Attach(ChartWindow& chart) {
    connect(&chart, &ChartWindow::CycleDialogRequested, this,
            [this, &chart] { OpenDialog(chart); });
    connect(&chart, &ChartWindow::CycleResultsRequested, this,
            [this, &chart] { OpenResults(chart); });
}

RankineDialog* CycleWindows::Dialog() const {
    return dialog_;
}

CycleResults* CycleWindows::Results() const {
    return results_;
}

void CycleWindows::OpenDialog(ChartWindow& chart) {
    // A dialog of a chart window that has gone is on its way out.
    if (dialog_ && dialog_->Chart() != &chart) {
        dialog_->close();
        dialog_ = nullptr;
    }
    if (!dialog_) {
        dialog_ = new RankineDialog(frame_, chart);
        connect(dialog_, &RankineDialog::CycleDrawn, this, [this, &chart] { OpenResults(chart); });
    }
    ToFront(*dialog_);
}

void CycleWindows::OpenResults(ChartWindow& chart) {
    if (results_ && results_->Chart() != &chart) results_ = nullptr;
    if (!results_) results_ = new CycleResults(chart, messages_);
    ToFront(*results_);
}

}  // namespace calorix
