#include "cycles/cycle_results.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "chart/chart_cycle.h"
#include "chart/chart_window.h"
#include "readout/states_text.h"
#include "surface/message_boxes.h"
#include "surface/whole_file.h"

namespace calorix {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template <class Columns>
QTableWidget* MakeTable(const char* name, const Columns& columns, bool stretchLast,
                        QWidget* parent) {
    auto* table = new QTableWidget(0, int(columns.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    QStringList headers;
    for (const std::string_view column : columns)
        headers << Text(column);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    // Rows as tall as a line of text; a last column of texts to the table's
    // edge.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(stretchLast);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    return table;
}

QTableWidgetItem* Item(const ReportCell& cell) {
    auto* item = new QTableWidgetItem(QString::fromStdString(cell.shown));
    if (cell.number) {
        item->setData(Qt::UserRole, *cell.number);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

void Fill(QTableWidget& table, const std::vector<ReportRow>& rows) {
    table.setRowCount(int(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            table.setItem(int(r), int(c), Item(rows[r][c]));
    }
    table.resizeColumnsToContents();
}

}  // namespace

CycleResults::CycleResults(ChartWindow& chart, MessageBoxes& messages)
    : QWidget(&chart, Qt::Window), chart_(&chart), messages_(messages) {
    setObjectName(QStringLiteral("CycleResults"));
    setWindowTitle(QStringLiteral("Cycle results"));
    CreateControls();
    connect(&chart, &ChartWindow::CycleChanged, this, &CycleResults::Refresh);
    Refresh();
    resize(720, 640);
}

void CycleResults::CreateControls() {
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("CycleTitle"));
    title_->setWordWrap(true);
    states_ = MakeTable("CycleStatesView", kCycleStateColumns, true, this);
    processes_ = MakeTable("CycleProcessesView", kCycleProcessColumns, false, this);
    figures_ = MakeTable("CycleFiguresView", kCycleFigureColumns, true, this);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("CycleNote"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    copy_ = new QPushButton(QStringLiteral("Copy"), this);
    copy_->setObjectName(QStringLiteral("CopyCycleResults"));
    exportCsv_ = new QPushButton(QStringLiteral("Export CSV..."), this);
    exportCsv_->setObjectName(QStringLiteral("ExportCycleCsv"));
    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setObjectName(QStringLiteral("CloseCycleResults"));
    for (QPushButton* button : {copy_, exportCsv_, close_})
        button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    const auto part = [this, layout](const char* caption, QTableWidget* table, int stretch) {
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(table);
        layout->addWidget(label);
        layout->addWidget(table, stretch);
    };
    part("&States", states_, 3);
    part("&Processes", processes_, 3);
    part("C&ycle", figures_, 2);
    layout->addWidget(note_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(exportCsv_);
    buttons->addStretch();
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    // Ctrl+C in a table copies the whole report, not the current cell
    // alone as a table view copies.
    for (QTableWidget* table : {states_, processes_, figures_})
        table->installEventFilter(this);
    connect(copy_, &QPushButton::clicked, this, &CycleResults::Copy);
    connect(exportCsv_, &QPushButton::clicked, this, &CycleResults::OnExportCsvClicked);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void CycleResults::Refresh() {
    const DrawnCycle* drawn = chart_ ? chart_->LastCycle() : nullptr;
    hasCycle_ = drawn != nullptr;
    report_ = drawn ? ReportOf(drawn->cycle) : CycleReport{};
    if (drawn) {
        const std::string name = journal::Describe(journal::Step{drawn->command}) + " under " +
                                 std::string(ModelCaption(drawn->model->Name()));
        title_->setText(QString::fromStdString(name));
    } else {
        title_->setText(
            QStringLiteral("No cycle is drawn on the chart: Cycle > Rankine cycle... draws one."));
    }
    Fill(*states_, report_.states);
    Fill(*processes_, report_.processes);
    std::vector<ReportRow> figures;
    for (const ReportFigure& figure : report_.figures) {
        figures.push_back({{figure.name, std::nullopt}, figure.value, {figure.unit, std::nullopt}});
    }
    Fill(*figures_, figures);
    note_->setText(report_.note.empty()
                       ? QString()
                       : QStringLiteral("Note: ") + QString::fromStdString(report_.note) +
                             QLatin1Char('.'));
    note_->setVisible(!report_.note.empty());
    copy_->setEnabled(hasCycle_);
    exportCsv_->setEnabled(hasCycle_);
}

bool CycleResults::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        Copy();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CycleResults::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CycleResults::Copy() {
    if (!hasCycle_) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(CycleReportTabText(report_)));
}

void CycleResults::OnExportCsvClicked() {
    if (!hasCycle_) return;
    const SaveChoice choice = dialogs_->AskSaveFile(this, QStringLiteral("Export CSV"),
                                                    {QStringLiteral("CSV file (*.csv)")});
    if (choice.path.isEmpty()) return;
    QString path = choice.path;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    QString error;
    if (!WriteCycleCsv(path, report_, &error)) {
        messages_.MsgBox(
            QStringLiteral("The cycle's results could not be saved as\r%1\r\r%2").arg(path, error),
            MessageBoxes::kExclamation);
    }
}

bool WriteCycleCsv(const QString& path, const CycleReport& report, QString* error) {
    const std::string csv = CycleReportCsv(report);
    const QString why =
        WriteWholeFile(path, WriteBytes(QByteArray(csv.data(), qsizetype(csv.size()))));
    if (error) *error = why;
    return why.isEmpty();
}

ChartWindow* CycleResults::Chart() const {
    return chart_;
}

}  // namespace calorix
