#include "picture/export_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace calorix {

ExportDialogs::~ExportDialogs() = default;

SaveChoice QtExportDialogs::AskSaveFile(QWidget* parent, const QString& caption,
                                        const QStringList& filters) {
    SaveChoice choice;
    choice.filter = filters.value(0);
    choice.path = QFileDialog::getSaveFileName(parent, caption, QString(),
                                               filters.join(QStringLiteral(";;")), &choice.filter);
    return choice;
}

bool QtExportDialogs::AskPrint(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace calorix
