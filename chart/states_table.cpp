#include "chart/states_table.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/property_model.h"
#include "picture/export_dialogs.h"
#include "surface/message_boxes.h"
#include "surface/whole_file.h"

namespace calorix {
namespace {

enum Column {
    kNumber,
    kTemperature,
    kPressure,
    kVolume,
    kEnthalpy,
    kEntropy,
    kQuality,
    kRegion,
    kModel
};

QString Shown(const std::string& text) {
    return QString::fromStdString(text).trimmed();
}

}  // namespace

void StatesModel::Append(const PanelValues& state) {
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    states_.push_back(state);
    endInsertRows();
}

void StatesModel::TruncateTo(int count) {
    if (count < 0) count = 0;
    if (count >= Count()) return;
    beginRemoveRows(QModelIndex(), count, Count() - 1);
    states_.resize(std::size_t(count));
    endRemoveRows();
}

std::vector<NumberedState> StatesModel::Numbered(const std::vector<int>& rows) const {
    std::vector<NumberedState> numbered;
    for (const int row : rows) {
        if (row >= 0 && row < Count()) numbered.push_back({row + 1, states_[std::size_t(row)]});
    }
    return numbered;
}

std::vector<NumberedState> StatesModel::All() const {
    std::vector<int> rows(states_.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = int(i);
    return Numbered(rows);
}

int StatesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int StatesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(kStateColumns.size());
}

QVariant StatesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count()) return QVariant();
    const PanelValues& state = states_[std::size_t(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case kNumber:
                return QString::number(index.row() + 1);
            case kTemperature:
                return Shown(state.TText);
            case kPressure:
                return Shown(state.PText);
            case kVolume:
                return Shown(state.vText);
            case kEnthalpy:
                return Shown(state.hText);
            case kEntropy:
                return Shown(state.sText);
            case kQuality:
                return Shown(state.xText);
            case kRegion:
                return QString::fromUtf8(RegionOf(state));
            case kModel:
                return QString::fromUtf8(ModelCaption(state.model));
        }
    } else if (role == Qt::UserRole) {
        switch (index.column()) {
            case kNumber:
                return index.row() + 1;
            case kTemperature:
                return state.T;
            case kPressure:
                return state.P;
            case kVolume:
                return state.v;
            case kEnthalpy:
                return state.h;
            case kEntropy:
                return state.s;
            case kQuality:
                return state.x ? QVariant(*state.x) : QVariant();
        }
    } else if (role == Qt::TextAlignmentRole && index.column() < kRegion) {
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant StatesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return QVariant();
    if (section < 0 || section >= int(kStateColumns.size())) return QVariant();
    return QString::fromLatin1(kStateColumns[std::size_t(section)]);
}

StatesView::StatesView(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
}

void StatesView::CopySelectedRows() {
    const auto* states = qobject_cast<const StatesModel*>(model());
    if (!states || !selectionModel()) return;
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(StatesTabText(states->Numbered(rows))));
}

void StatesView::keyPressEvent(QKeyEvent* event) {
    // The whole rows, not the current cell alone as a table view copies.
    if (event->matches(QKeySequence::Copy)) {
        CopySelectedRows();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

StatesTable::StatesTable(StatesModel& model, ExportDialogs& dialogs, MessageBoxes& messages,
                         QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), dialogs_(&dialogs), messages_(messages) {
    setObjectName(QStringLiteral("StatesTable"));
    setWindowTitle(QStringLiteral("States"));
    view_ = new StatesView(this);
    view_->setObjectName(QStringLiteral("StatesView"));
    view_->setModel(&model_);
    exportCsv_ = new QPushButton(QStringLiteral("Export CSV..."), this);
    exportCsv_->setObjectName(QStringLiteral("ExportStatesCsv"));
    exportCsv_->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addWidget(exportCsv_, 0, Qt::AlignRight);
    connect(exportCsv_, &QPushButton::clicked, this, &StatesTable::OnExportCsvClicked);
    resize(720, 300);
}

void StatesTable::OnExportCsvClicked() {
    const SaveChoice choice = dialogs_->AskSaveFile(this, QStringLiteral("Export CSV"),
                                                    {QStringLiteral("CSV file (*.csv)")});
    if (choice.path.isEmpty()) return;
    QString path = choice.path;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    QString error;
    if (!WriteStatesCsv(path, model_.All(), &error)) {
        messages_.MsgBox(
            QStringLiteral("The states could not be saved as\r%1\r\r%2").arg(path, error),
            MessageBoxes::kExclamation);
    }
}

bool WriteStatesCsv(const QString& path, const std::vector<NumberedState>& rows, QString* error) {
    const std::string csv = StatesCsv(rows);
    const QString why =
        WriteWholeFile(path, WriteBytes(QByteArray(csv.data(), qsizetype(csv.size()))));
    if (error) *error = why;
    return why.isEmpty();
}

}  // namespace calorix
