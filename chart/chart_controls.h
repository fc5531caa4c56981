#pragma once

#include <QFrame>
#include <QLineEdit>
#include <QString>

// The chart window's own kinds of control.
namespace calorix {

// An input box: when it receives the focus, by mouse or by Tab, the caret
// goes to the end of its text, so typing continues after what is there.
class PropertyBox : public QLineEdit {
    Q_OBJECT

  public:
    PropertyBox(const QString& name, QWidget* parent);

  protected:
    void focusInEvent(QFocusEvent* event) override;
};

// The side panel of the chart window; it reports the mouse moving over it or
// onto anything on it (a pointer that enters one of its controls straight
// from the chart enters the panel too, though the panel sees no move).
class SidePanel : public QFrame {
    Q_OBJECT

  public:
    SidePanel(const QString& name, QWidget* parent);

  signals:
    void MouseMoved();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace calorix
