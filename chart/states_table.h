#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>
#include <vector>

#include "readout/state_panel.h"
#include "readout/states_text.h"

class QPushButton;

namespace calorix {

class ExportDialogs;
class MessageBoxes;

// The states that Locate and clicks listed in the property panel, in order,
// with the values the panel showed and, behind them, the numbers at full
// precision. Rows are only added at the end or cut from the end, so that the
// table can follow the chart's steps back and forth.
class StatesModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    void Append(const PanelValues& state);
    // Keeps the first `count` rows (all when there are no more).
    void TruncateTo(int count);
    int Count() const { return int(states_.size()); }
    const std::vector<PanelValues>& States() const { return states_; }
    // The rows with their numbers, in the order given.
    std::vector<NumberedState> Numbered(const std::vector<int>& rows) const;
    std::vector<NumberedState> All() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole: the panel's text of the value; Qt::UserRole: the number
    // at full precision (nothing for the region and an absent quality).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<PanelValues> states_;
};

// The table view: Ctrl+C copies the selected rows as tab-separated text with
// a header line.
class StatesView : public QTableView {
    Q_OBJECT

  public:
    explicit StatesView(QWidget* parent = nullptr);
    void CopySelectedRows();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The window "States" (objectName StatesTable): the table and Export CSV...
class StatesTable : public QWidget {
    Q_OBJECT

  public:
    StatesTable(StatesModel& model, ExportDialogs& dialogs, MessageBoxes& messages,
                QWidget* parent);

    void SetDialogs(ExportDialogs& dialogs) { dialogs_ = &dialogs; }
    StatesView& View() const { return *view_; }
    QPushButton& ExportCsvButton() const { return *exportCsv_; }

  private:
    void OnExportCsvClicked();

    StatesModel& model_;
    ExportDialogs* dialogs_;
    MessageBoxes& messages_;
    StatesView* view_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
};

// Writes the rows as CSV through a temporary file renamed at the end; on
// failure error says why and nothing is left at the path.
bool WriteStatesCsv(const QString& path, const std::vector<NumberedState>& rows, QString* error);

}  // namespace calorix
