#include "surface/message_boxes.h"

namespace calorix {

MessageBoxes::~MessageBoxes() = default;

QString MessageBoxes::ApplicationTitle() {
    return QStringLiteral("Calorix");
}

int ButtonGroup(int buttons) {
    const int group = buttons & 15;
    return group <= MessageBoxes::kRetryCancel ? group : MessageBoxes::kOkOnly;
}

int FirstButtonAnswer(int buttons) {
    switch (ButtonGroup(buttons)) {
        case MessageBoxes::kAbortRetryIgnore:
            return MessageBoxes::kAbort;
        case MessageBoxes::kYesNoCancel:
        case MessageBoxes::kYesNo:
            return MessageBoxes::kYes;
        case MessageBoxes::kRetryCancel:
            return MessageBoxes::kRetry;
        default:
            return MessageBoxes::kOk;
    }
}

}  // namespace calorix
