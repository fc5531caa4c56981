#pragma once

#include <QPrinter>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

#include "picture/export_dialogs.h"

namespace calorix {

// Export dialogs for tests: nothing is shown. A save dialog answers with the
// prepared choice (cancelled when there is none) and records what it
// offered; the print dialog answers through a prepared function that may set
// the printer up (to print to a PDF file), or cancels.
class ScriptedExportDialogs : public ExportDialogs {
  public:
    SaveChoice AskSaveFile(QWidget*, const QString& caption, const QStringList& filters) override {
        captions.push_back(caption);
        offeredFilters = filters;
        return std::exchange(nextChoice, SaveChoice{});
    }
    bool AskPrint(QWidget*, QPrinter& printer) override {
        ++printAsked;
        printerOrientation = printer.pageLayout().orientation();
        return onPrint ? onPrint(printer) : false;
    }

    SaveChoice nextChoice;
    std::function<bool(QPrinter&)> onPrint;
    QStringList captions;
    QStringList offeredFilters;
    int printAsked = 0;
    QPageLayout::Orientation printerOrientation = QPageLayout::Portrait;
};

}  // namespace calorix
