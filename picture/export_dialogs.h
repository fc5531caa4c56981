#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

namespace calorix {

// A file name chosen in a save dialog and the filter that was selected there.
struct SaveChoice {
    QString path;  // empty when the dialog was cancelled
    QString filter;
};

// The dialogs of export and print, behind one small interface so that no
// command talks to a dialog itself and tests can answer in its place.
class ExportDialogs {
  public:
    virtual ~ExportDialogs();

    // Asks for a file to write, offering the filters ("PNG image (*.png)"),
    // the first selected.
    virtual SaveChoice AskSaveFile(QWidget* parent, const QString& caption,
                                   const QStringList& filters) = 0;
    // Shows the print dialog for the printer; false when it was cancelled.
    virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;
};

// The dialogs shown with QFileDialog and QPrintDialog, modal over the parent.
class QtExportDialogs : public ExportDialogs {
  public:
    SaveChoice AskSaveFile(QWidget* parent, const QString& caption,
                           const QStringList& filters) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
};

}  // namespace calorix
