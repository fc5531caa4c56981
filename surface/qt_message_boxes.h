#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "surface/message_boxes.h"

namespace calorix {

// Message boxes shown with QMessageBox, modal, over the given parent window or,
// without one, over the active window.
class QtMessageBoxes : public MessageBoxes {
  public:
    explicit QtMessageBoxes(QWidget* parent = nullptr);

    // Shows the box and waits for a button. A box that ends without one (its
    // parent window closed under it) answers as its cancelling button would:
    // kCancel where there is one, kNo for Yes/No, kAbort for
    // Abort/Retry/Ignore, kOk for OK only.
    int MsgBox(const QString& prompt, int buttons = 0, const QString& title = QString()) override;
    void Beep() override;

    // The box MsgBox shows, built but not shown: plain text (never rich text)
    // with its line breaks, the title or the application title, the buttons
    // and icon of the buttons value, the first button as default.
    static std::unique_ptr<QMessageBox> CreateMessageBox(const QString& prompt, int buttons,
                                                         const QString& title, QWidget* parent);

    // The prompt as shown: each carriage return, alone or before a line feed,
    // becomes one line break. "a\rb\r\nc" -> "a\nb\nc".
    static QString DisplayText(const QString& prompt);

  private:
    QPointer<QWidget> parent_;
};

}  // namespace calorix
