#pragma once

#include <QDialog>
#include <QString>

class QTextEdit;
class QPushButton;

namespace calorix {

// The Tips window: the tips file, read-only rich text. Once loaded it stays
// loaded until the program ends; Close only hides it, so it keeps its place
// and reopens where it was left. The file is read again before every showing.
class TipsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TipsWindow(QString tipsPath);

    // Reads the tips file into the text box; false, with the old content
    // kept, when it cannot be read.
    bool LoadFile();

    // "Tips..." of the frame: every step runs whatever the one before did.
    // The file is read (its old or empty content stays when it can't be), then
    // the window is shown modal, returning when it is closed; while it is
    // already open without modality it simply stays so.
    void ShowFromTipsMenu();
    // "Help" of the chart window: nothing happens when the file can't be read;
    // otherwise the window shows without modality.
    void ShowFromHelpMenu();

    QTextEdit& Text() const { return *text_; }
    QPushButton& CloseButton() const { return *close_; }

  private:
    QString tipsPath_;
    QTextEdit* text_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace calorix
