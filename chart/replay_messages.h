#pragma once

#include <QString>
#include <vector>

#include "surface/message_boxes.h"

namespace calorix {

// A message that a replayed step would have shown; step 0 when the replay
// numbers no steps.
struct GatheredMessage {
    int step = 0;
    QString prompt;
    bool operator==(const GatheredMessage&) const = default;
};

// The chart window's message boxes: passed on to the program's own, except
// while steps are replayed, when every box is kept instead of shown and
// answered with its first button (OK, Yes), and beeps are silent.
class ReplayMessages : public MessageBoxes {
  public:
    explicit ReplayMessages(MessageBoxes& shown) : shown_(shown) {}

    int MsgBox(const QString& prompt, int buttons = 0, const QString& title = QString()) override;
    void Beep() override;

    // From now on boxes are gathered, counted against the given step.
    void StartGathering();
    void SetStep(int step) { step_ = step; }
    // The boxes gathered since StartGathering; they show again from now on.
    std::vector<GatheredMessage> StopGathering();
    bool Gathering() const { return gathering_; }

    // The gathered messages in one text, each after its step number, at most
    // `shown` of them: "Step 3: Value out of range...\r\rStep 7: ...".
    static QString Summary(const std::vector<GatheredMessage>& messages, std::size_t shown = 20);

  private:
    MessageBoxes& shown_;
    bool gathering_ = false;
    int step_ = 0;
    std::vector<GatheredMessage> gathered_;
};

}  // namespace calorix
