#pragma once

#include <QString>
#include <cstddef>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "surface/message_boxes.h"

namespace calorix {

// One message box asked for: the prompt exactly as passed, buttons and title.
struct MsgBoxCall {
    QString prompt;
    int buttons = 0;
    QString title;
    bool operator==(const MsgBoxCall&) const = default;
};

// Message boxes for tests: nothing is shown. Every box is recorded and
// answered from a queue of prepared answers; with the queue empty a box gets
// the answer of its first button, as if the user pressed Enter (1 for OK-only
// and OK/Cancel boxes, 6 for Yes/No boxes). Beeps are counted.
class ScriptedMessageBoxes : public MessageBoxes {
  public:
    // Runs while a box is "open": after the call is recorded, before it is
    // answered. It may queue the answer, inspect the program's state, or show
    // another box.
    using OnMsgBox = std::function<void(const MsgBoxCall&)>;

    int MsgBox(const QString& prompt, int buttons = 0, const QString& title = QString()) override;
    void Beep() override { ++beepCount_; }

    // The answer for the next box that finds the queue non-empty.
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    void SetOnMsgBox(OnMsgBox onMsgBox) { onMsgBox_ = std::move(onMsgBox); }

    const std::vector<MsgBoxCall>& Calls() const { return calls_; }
    int BeepCount() const { return beepCount_; }
    // Answers queued but not used yet.
    std::size_t PendingAnswers() const { return answers_.size(); }

  private:
    std::vector<MsgBoxCall> calls_;
    std::deque<int> answers_;
    OnMsgBox onMsgBox_;
    int beepCount_ = 0;
};

}  // namespace calorix
