#include "app/chart_files.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>
#include <memory>

#include "app/chart_file.h"
#include "chart/chart_window.h"
#include "surface/message_boxes.h"

namespace calorix {
namespace {

const char* const kFilter = "Calorix charts (*.calorix);;All files (*)";
// An Open of fewer steps than this ends before anyone could cancel it.
constexpr std::size_t kStepsWorthProgress = 2000;

}  // namespace

ChartFiles::ChartFiles(QWidget& window, MessageBoxes& messages, QObject* parent)
    : QObject(parent), window_(window), messages_(messages) {
    askPath_ = [this](bool save, const QString& proposed) {
        return AskPathWithDialog(save, proposed);
    };
}

QString ChartFiles::AskPathWithDialog(bool save, const QString& proposed) {
    const QString filter = QString::fromLatin1(kFilter);
    if (save) {
        QString path =
            QFileDialog::getSaveFileName(&window_, QStringLiteral("Save chart"), proposed, filter);
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".calorix");
        }
        return path;
    }
    return QFileDialog::getOpenFileName(&window_, QStringLiteral("Open chart"), proposed, filter);
}

void ChartFiles::Attach(ChartWindow& chart) {
    QPointer<ChartWindow> target(&chart);
    connect(&chart, &ChartWindow::OpenChartRequested, this, [this, target] {
        if (!target) return;
        const QString path = askPath_(false, QFileInfo(lastPath_).absolutePath());
        if (!path.isEmpty() && target) Open(*target, path);
    });
    connect(&chart, &ChartWindow::SaveChartRequested, this, [this, target] {
        if (!target) return;
        const QString path = askPath_(true, lastPath_);
        if (!path.isEmpty() && target) Save(*target, path);
    });
}

bool ChartFiles::Open(ChartWindow& chart, const QString& path) {
    const QString name = QFileInfo(path).fileName();
    ChartFileContents contents = ReadChartFile(path);
    if (!contents.Sound()) {
        messages_.MsgBox(QStringLiteral("The chart %1 cannot be opened:\r%2.")
                             .arg(QDir::toNativeSeparators(path), contents.problem),
                         MessageBoxes::kExclamation);
        return false;
    }
    // A long Open shows how far it has come and can be cancelled.
    std::unique_ptr<QProgressDialog> progress;
    ChartWindow::Progress report;
    if (contents.steps.size() >= kStepsWorthProgress) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Opening %1...").arg(name),
                                                     QStringLiteral("Cancel"), 0,
                                                     int(contents.steps.size()), &window_);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(progressDelay_);
        report = [&progress](std::size_t done, std::size_t) {
            if (done % 64 == 0) progress->setValue(int(done));
            return !progress->wasCanceled();
        };
    }
    const bool opened =
        chart.OpenSteps(name.toStdString(), std::move(contents.steps), report, contents.model);
    if (opened) lastPath_ = path;
    return opened;
}

bool ChartFiles::Save(ChartWindow& chart, const QString& path) {
    const std::vector<journal::Step> done = chart.Journal().DoneSteps();
    const QString error = WriteChartFile(path, journal::FlatSteps(done),
                                         journal::FlatStartModel(done, chart.StartModel()));
    if (!error.isEmpty()) {
        messages_.MsgBox(QStringLiteral("The chart could not be saved to %1:\r%2.\r\r"
                                        "Any file of that name is as it was.")
                             .arg(QDir::toNativeSeparators(path), error),
                         MessageBoxes::kExclamation);
        return false;
    }
    lastPath_ = path;
    return true;
}

}  // namespace calorix
