#pragma once

#include <QPointer>
#include <QWidget>

#include "cycle/cycle_report.h"
#include "picture/export_dialogs.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace calorix {

class ChartWindow;
class MessageBoxes;

// The cycle's results (objectName CycleResults), Cycle > Results and after
// each OK of the Rankine cycle dialog: the cycle the chart's last cycle step
// drew (ChartWindow::LastCycle), in three tables (CycleStatesView,
// CycleProcessesView, CycleFiguresView) under a title (CycleTitle) that
// names the cycle and its model, with the note on the correlations' pump
// outlets below (CycleNote, hidden when there is none). It follows the
// chart: an Undo, Redo, Open or model switch shows the cycle then drawn, or
// says that there is none.
//
// Copy (CopyCycleResults, and Ctrl+C in the window) puts the whole report on
// the clipboard as tab-separated text; Export CSV... (ExportCycleCsv) writes
// it as CSV with every number at full precision, through a temporary file
// renamed at the end; Close (CloseCycleResults). Each table cell holds the
// text shown and, as Qt::UserRole, the number behind it.
//
// A window of its own, owned by the chart window, which it goes with.
class CycleResults : public QWidget {
    Q_OBJECT

  public:
    CycleResults(ChartWindow& chart, MessageBoxes& messages);

    // The dialogs to ask with from now on (the Qt dialogs until then).
    void SetDialogs(ExportDialogs& dialogs) { dialogs_ = &dialogs; }

    ChartWindow* Chart() const;
    QLabel& Title() const { return *title_; }
    QLabel& Note() const { return *note_; }
    QTableWidget& StatesView() const { return *states_; }
    QTableWidget& ProcessesView() const { return *processes_; }
    QTableWidget& FiguresView() const { return *figures_; }
    QPushButton& CopyButton() const { return *copy_; }
    QPushButton& ExportCsvButton() const { return *exportCsv_; }
    QPushButton& CloseButton() const { return *close_; }

    // The report shown; empty without a cycle.
    const CycleReport& Report() const { return report_; }
    bool HasCycle() const { return hasCycle_; }

    // Shows the chart's last cycle as it now stands.
    void Refresh();
    void Copy();
    void OnExportCsvClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();

    QPointer<ChartWindow> chart_;
    MessageBoxes& messages_;
    QtExportDialogs qtDialogs_;
    ExportDialogs* dialogs_ = &qtDialogs_;
    CycleReport report_;
    bool hasCycle_ = false;

    QLabel* title_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* states_ = nullptr;
    QTableWidget* processes_ = nullptr;
    QTableWidget* figures_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
    QPushButton* close_ = nullptr;
};

// Writes the report as CSV through a temporary file renamed at the end; on
// failure error says why and nothing is left at the path.
bool WriteCycleCsv(const QString& path, const CycleReport& report, QString* error);

}  // namespace calorix
