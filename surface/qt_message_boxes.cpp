#include "surface/qt_message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <vector>

namespace calorix {

namespace {

QMessageBox::Icon IconFor(int buttons) {
    switch (buttons & 0x70) {
        case MessageBoxes::kCritical:
            return QMessageBox::Critical;
        case MessageBoxes::kQuestion:
            return QMessageBox::Question;
        case MessageBoxes::kExclamation:
            return QMessageBox::Warning;
        case MessageBoxes::kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// The buttons of a group, in the order they are offered; the first is the
// default.
std::vector<QMessageBox::StandardButton> ButtonsOf(int buttons) {
    switch (ButtonGroup(buttons)) {
        case MessageBoxes::kOkCancel:
            return {QMessageBox::Ok, QMessageBox::Cancel};
        case MessageBoxes::kAbortRetryIgnore:
            return {QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore};
        case MessageBoxes::kYesNoCancel:
            return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
        case MessageBoxes::kYesNo:
            return {QMessageBox::Yes, QMessageBox::No};
        case MessageBoxes::kRetryCancel:
            return {QMessageBox::Retry, QMessageBox::Cancel};
        default:
            return {QMessageBox::Ok};
    }
}

int AnswerFor(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Cancel:
            return MessageBoxes::kCancel;
        case QMessageBox::Abort:
            return MessageBoxes::kAbort;
        case QMessageBox::Retry:
            return MessageBoxes::kRetry;
        case QMessageBox::Ignore:
            return MessageBoxes::kIgnore;
        case QMessageBox::Yes:
            return MessageBoxes::kYes;
        case QMessageBox::No:
            return MessageBoxes::kNo;
        default:
            return MessageBoxes::kOk;
    }
}

int DismissAnswer(int buttons) {
    switch (ButtonGroup(buttons)) {
        case MessageBoxes::kOkCancel:
        case MessageBoxes::kYesNoCancel:
        case MessageBoxes::kRetryCancel:
            return MessageBoxes::kCancel;
        case MessageBoxes::kYesNo:
            return MessageBoxes::kNo;
        case MessageBoxes::kAbortRetryIgnore:
            return MessageBoxes::kAbort;
        default:
            return MessageBoxes::kOk;
    }
}

}  // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* parent) : parent_(parent) {}

QString QtMessageBoxes::DisplayText(const QString& prompt) {
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::unique_ptr<QMessageBox> QtMessageBoxes::CreateMessageBox(const QString& prompt, int buttons,
                                                              const QString& title,
                                                              QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(title.isEmpty() ? ApplicationTitle() : title);
    box->setTextFormat(Qt::PlainText);
    box->setText(DisplayText(prompt));
    box->setIcon(IconFor(buttons));
    const std::vector<QMessageBox::StandardButton> offered = ButtonsOf(buttons);
    for (QMessageBox::StandardButton button : offered)
        box->addButton(button);
    box->setDefaultButton(offered.front());
    return box;
}

int QtMessageBoxes::MsgBox(const QString& prompt, int buttons, const QString& title) {
    QWidget* parent = parent_ ? parent_.data() : QApplication::activeWindow();
    // The parent owns the box while it is shown; a parent closed and deleted
    // meanwhile takes the box with it, which the guard notices.
    QPointer<QMessageBox> box = CreateMessageBox(prompt, buttons, title, parent).release();
    box->exec();
    if (!box) return DismissAnswer(buttons);
    QAbstractButton* clicked = box->clickedButton();
    const int answer = clicked ? AnswerFor(box->standardButton(clicked)) : DismissAnswer(buttons);
    delete box.data();
    return answer;
}

void QtMessageBoxes::Beep() {
    QApplication::beep();
}

}  // namespace calorix
