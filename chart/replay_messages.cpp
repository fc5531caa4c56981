#include "chart/replay_messages.h"

#include <utility>

namespace calorix {

int ReplayMessages::MsgBox(const QString& prompt, int buttons, const QString& title) {
    if (!gathering_) return shown_.MsgBox(prompt, buttons, title);
    gathered_.push_back({step_, prompt});
    return FirstButtonAnswer(buttons);
}

void ReplayMessages::Beep() {
    if (!gathering_) shown_.Beep();
}

void ReplayMessages::StartGathering() {
    gathering_ = true;
    step_ = 0;
    gathered_.clear();
}

std::vector<GatheredMessage> ReplayMessages::StopGathering() {
    gathering_ = false;
    step_ = 0;
    return std::exchange(gathered_, {});
}

QString ReplayMessages::Summary(const std::vector<GatheredMessage>& messages, std::size_t shown) {
    QString text;
    for (std::size_t i = 0; i < messages.size() && i < shown; ++i) {
        if (!text.isEmpty()) text += QStringLiteral("\r\r");
        if (messages[i].step > 0) text += QStringLiteral("Step %1: ").arg(messages[i].step);
        text += messages[i].prompt;
    }
    if (messages.size() > shown) {
        text += QStringLiteral("\r\r... and %1 more.").arg(messages.size() - shown);
    }
    return text;
}

}  // namespace calorix
