#pragma once

#include <QDialog>

namespace calorix {

// The About window: the program's title and credits. It has no buttons and
// closes itself as soon as it loses the focus.
class AboutWindow : public QDialog {
    Q_OBJECT

  public:
    explicit AboutWindow(QWidget* owner = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    bool hadFocus_ = false;
};

}  // namespace calorix
