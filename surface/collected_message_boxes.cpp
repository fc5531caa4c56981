#include "surface/collected_message_boxes.h"

namespace calorix {

int CollectedMessageBoxes::MsgBox(const QString& prompt, int buttons, const QString& title) {
    (void)title;
    prompts_.append(prompt);
    return FirstButtonAnswer(buttons);
}

}  // namespace calorix
