#include "chart/export_commands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <algorithm>

#include "chart/chart_window.h"
#include "chart/states_table.h"
#include "surface/message_boxes.h"

namespace calorix {
namespace {

struct PictureFilter {
    const char* filter;
    PictureFormat format;
    int scale;
};

// The save dialog's filters: the first is the default.
constexpr PictureFilter kPictureFilters[] = {
    {"PNG image at 2x (*.png)", PictureFormat::kPng, 2},
    {"PNG image at 1x (*.png)", PictureFormat::kPng, 1},
    {"PNG image at 4x (*.png)", PictureFormat::kPng, 4},
    {"SVG drawing (*.svg)", PictureFormat::kSvg, 1},
    {"PDF document (*.pdf)", PictureFormat::kPdf, 1},
};

const PictureFilter& FilterNamed(const QString& filter) {
    for (const PictureFilter& known : kPictureFilters) {
        if (filter == QLatin1String(known.filter)) return known;
    }
    return kPictureFilters[0];
}

}  // namespace

QRect PictureArea(const ChartWindow& chart) {
    // The side panel stands along the right edge: the picture ends where it begins.
    const int right = std::clamp(chart.PanelBox().x(), 0, chart.width());
    return QRect(0, 0, right, chart.height());
}

ExportCommands::ExportCommands(ChartWindow& chart, MessageBoxes& messages, QMenu& fileMenu,
                               QMenu& editMenu)
    : QObject(&chart), chart_(chart), messages_(messages) {
    states_ = new StatesModel(this);
    connect(&chart_, &ChartWindow::StateListed, states_, &StatesModel::Append);

    fileMenu.addSeparator();
    QAction* exportPicture = AddAction(&fileMenu, "mnuExportChart", "Export picture...",
                                       QKeySequence(Qt::CTRL | Qt::Key_E));
    QAction* print =
        AddAction(&fileMenu, "mnuPrintChart", "Print...", QKeySequence(Qt::CTRL | Qt::Key_P));

    editMenu.addSeparator();
    QAction* copyPicture = AddAction(&editMenu, "mnuCopyChart", "Copy picture", QKeySequence());
    QAction* copyProperties =
        AddAction(&editMenu, "mnuCopyProperties", "Copy properties", QKeySequence());
    editMenu.addSeparator();
    QAction* states =
        AddAction(&editMenu, "mnuStates", "States", QKeySequence(Qt::CTRL | Qt::Key_T));

    connect(exportPicture, &QAction::triggered, this, &ExportCommands::OnExportPictureClicked);
    connect(print, &QAction::triggered, this, &ExportCommands::OnPrintClicked);
    connect(copyPicture, &QAction::triggered, this, &ExportCommands::OnCopyPictureClicked);
    connect(copyProperties, &QAction::triggered, this, &ExportCommands::OnCopyPropertiesClicked);
    connect(states, &QAction::triggered, this, &ExportCommands::OnStatesClicked);

    // The property panel: its text can be selected, and copied whole from
    // its context menu or by Ctrl+C.
    panel_ = &chart_.Panel();
    panel_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    panel_->setContextMenuPolicy(Qt::ActionsContextMenu);
    panel_->addAction(copyProperties);
    panel_->installEventFilter(this);
}

QAction* ExportCommands::AddAction(QMenu* menu, const char* name, const char* caption,
                                   QKeySequence key) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        // The menu stands on the frame's bar: the key works wherever the
        // focus is in the chart window, as Close's does.
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        chart_.addAction(action);
    }
    return action;
}

void ExportCommands::SetDialogs(ExportDialogs& dialogs) {
    dialogs_ = &dialogs;
    if (table_) table_->SetDialogs(dialogs);
}

StatesTable* ExportCommands::Table() const {
    return table_;
}

ChartPicture ExportCommands::Picture() const {
    return ChartPicture(chart_, PictureArea(chart_));
}

void ExportCommands::OnExportPictureClicked() {
    QStringList filters;
    for (const PictureFilter& filter : kPictureFilters)
        filters << QString::fromLatin1(filter.filter);
    const SaveChoice choice =
        dialogs_->AskSaveFile(&chart_, QStringLiteral("Export picture"), filters);
    if (choice.path.isEmpty()) return;
    // The file's extension decides; without a known one, the filter does and
    // gives the file its extension.
    const PictureFilter& filter = FilterNamed(choice.filter);
    QString path = choice.path;
    std::optional<PictureFormat> format = FormatOfPath(path);
    if (!format) {
        format = filter.format;
        path += QLatin1Char('.') + ExtensionOf(filter.format);
    }
    const int scale = filter.format == PictureFormat::kPng ? filter.scale : kDefaultPictureScale;
    QString error;
    if (!ExportPicture(Picture(), path, *format, scale, &error)) {
        messages_.MsgBox(
            QStringLiteral("The picture could not be saved as\r%1\r\r%2").arg(path, error),
            MessageBoxes::kExclamation);
    }
}

void ExportCommands::OnPrintClicked() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Calorix"));
    if (!dialogs_->AskPrint(&chart_, printer)) return;
    if (!Picture().Print(printer)) {
        messages_.MsgBox(QStringLiteral("The chart could not be printed."),
                         MessageBoxes::kExclamation);
    }
}

void ExportCommands::OnCopyPictureClicked() {
    QGuiApplication::clipboard()->setMimeData(Picture().MimeData());
}

void ExportCommands::OnCopyPropertiesClicked() {
    QString text = panel_->Caption();
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QGuiApplication::clipboard()->setText(text);
}

void ExportCommands::OnStatesClicked() {
    if (!table_) table_ = new StatesTable(*states_, *dialogs_, messages_, &chart_);
    table_->show();
    table_->raise();
    table_->activateWindow();
}

bool ExportCommands::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+C on the panel copies what is selected of it, or all of it when
    // nothing is.
    // The panel is asked for by pointer: while the chart window goes, the
    // panel still reports its children leaving, and the window is no longer
    // a chart window to ask.
    if (event->type() == QEvent::KeyPress && watched == panel_ &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !panel_->hasSelectedText()) {
        OnCopyPropertiesClicked();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace calorix
