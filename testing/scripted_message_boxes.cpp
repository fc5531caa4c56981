#include "testing/scripted_message_boxes.h"

namespace calorix {

int ScriptedMessageBoxes::MsgBox(const QString& prompt, int buttons, const QString& title) {
    const MsgBoxCall call{prompt, buttons, title};
    calls_.push_back(call);
    // The handler gets its own copy: a box shown from inside it grows calls_.
    if (onMsgBox_) {
        const OnMsgBox handler = onMsgBox_;
        handler(call);
    }
    if (answers_.empty()) return FirstButtonAnswer(buttons);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace calorix
