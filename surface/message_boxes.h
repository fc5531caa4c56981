#pragma once

#include <QString>

namespace calorix {

// The one way the program shows a message box or beeps, so that no logic
// talks to QMessageBox itself and tests can answer in its place.
//
// Prompts keep their carriage returns as line separators; showing them is
// the implementation's business.
class MessageBoxes {
  public:
    // Button groups (the low bits of buttons).
    static constexpr int kOkOnly = 0;
    static constexpr int kOkCancel = 1;
    static constexpr int kAbortRetryIgnore = 2;
    static constexpr int kYesNoCancel = 3;
    static constexpr int kYesNo = 4;
    static constexpr int kRetryCancel = 5;
    // Icons, added to a button group: 52 = kExclamation + kYesNo.
    static constexpr int kCritical = 16;
    static constexpr int kQuestion = 32;
    static constexpr int kExclamation = 48;
    static constexpr int kInformation = 64;
    // Answers: the button pressed.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    static constexpr int kAbort = 3;
    static constexpr int kRetry = 4;
    static constexpr int kIgnore = 5;
    static constexpr int kYes = 6;
    static constexpr int kNo = 7;

    // The title shown by a box given none.
    static QString ApplicationTitle();

    virtual ~MessageBoxes();

    // Shows a modal message box and returns the button pressed, one of the
    // answers above. An empty title shows the application title.
    virtual int MsgBox(const QString& prompt, int buttons = 0,
                       const QString& title = QString()) = 0;
    virtual void Beep() = 0;
};

// The button group of a buttons value (an unknown group counts as kOkOnly).
int ButtonGroup(int buttons);

// The answer a user gives by pressing Enter on a box: its first button.
// kOkOnly, kOkCancel -> kOk; kAbortRetryIgnore -> kAbort; kYesNoCancel,
// kYesNo -> kYes; kRetryCancel -> kRetry.
int FirstButtonAnswer(int buttons);

}  // namespace calorix
