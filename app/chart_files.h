#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace calorix {

class ChartWindow;
class MessageBoxes;

// File > Open chart... and Save chart... of the chart window: the file
// dialogs, the chart file's reader and writer, their messages and the
// progress of a long Open.
class ChartFiles : public QObject {
    Q_OBJECT

  public:
    // Asks for the file to open (save false) or to save to (save true),
    // proposing `proposed`; an empty answer cancels.
    using AskPath = std::function<QString(bool save, const QString& proposed)>;

    ChartFiles(QWidget& window, MessageBoxes& messages, QObject* parent = nullptr);

    // The chart whose File items these are.
    void Attach(ChartWindow& chart);
    // Opens the file onto the chart; a file that cannot be opened is named in
    // a message with its first problem and the chart stays as it was.
    bool Open(ChartWindow& chart, const QString& path);
    // Saves the chart's steps; a failed write says so and leaves the old file.
    bool Save(ChartWindow& chart, const QString& path);

    // The file last opened or saved, which Save chart... proposes.
    const QString& LastPath() const { return lastPath_; }
    // In place of the file dialogs.
    void SetAskPath(AskPath askPath) { askPath_ = std::move(askPath); }
    // How long a long Open runs before its progress shows; tests take 0.
    void SetProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

  private:
    QString AskPathWithDialog(bool save, const QString& proposed);

    QWidget& window_;
    MessageBoxes& messages_;
    AskPath askPath_;
    QString lastPath_;
    int progressDelay_ = 500;
};

}  // namespace calorix
