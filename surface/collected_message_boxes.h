#pragma once

#include <QStringList>

#include "surface/message_boxes.h"

namespace calorix {

// Message boxes that nobody sees: each prompt is kept, in order, and answered
// as a user who presses Enter would answer it (its first button); a beep is
// silent. For the work the program does without a window, such as an export
// from the command line.
class CollectedMessageBoxes : public MessageBoxes {
  public:
    int MsgBox(const QString& prompt, int buttons = 0, const QString& title = QString()) override;
    void Beep() override {}

    const QStringList& Prompts() const { return prompts_; }

  private:
    QStringList prompts_;
};

}  // namespace calorix
