#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

class QTextEdit;
class QPushButton;

namespace calorix {

// The Tips window: the tips file, read-only rich text. Once loaded it stays
// loaded until the program ends; Close only hides it, so it keeps its place
// and reopens where it was left. The file is read again before every showing;
// while its bytes are those read last, the text already shown stays (reading
// a large file anew takes up to a second). A file that cannot be read is
// named in the window's text with the reason, in plain words.
class TipsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit TipsWindow(QString tipsPath);

    // Reads the tips file into the text box; false, with the text saying
    // which file could not be read and why, when it cannot be read.
    bool LoadFile();

    // "Tips..." of the frame: the file is read, then the window is shown
    // modal, returning when it is closed; while it is already open without
    // modality it simply stays so.
    void ShowFromTipsMenu();
    // "Help" of the chart window: the file is read and the window shows
    // without modality.
    void ShowFromHelpMenu();

    QTextEdit& Text() const { return *text_; }
    QPushButton& CloseButton() const { return *close_; }

  private:
    void ShowProblem(const QString& problem);

    QString tipsPath_;
    // The bytes of the tips file the text shows; empty while it shows none.
    QByteArray shownTips_;
    QTextEdit* text_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace calorix
