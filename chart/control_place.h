#pragma once

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QString>

class QWidget;

// Controls placed in twips. A control keeps its place as the program set it
// (Left, Top, Width, Height, readable back exactly); on screen it stands at
// the nearest whole pixels.
namespace calorix {

// The small condensed sans-serif that the design sizes of labels and panels
// assume (about the classic 8.25 pt dialog font).
QFont SmallDialogFont();

struct ControlPlace {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

void SetPlace(QWidget& control, const ControlPlace& place);
ControlPlace PlaceOf(const QWidget& control);
void SetLeft(QWidget& control, double left);
void SetTop(QWidget& control, double top);
void SetWidth(QWidget& control, double width);

// A label whose caption keeps its carriage returns (they show as line
// breaks). A label that does not wrap grows on screen to show its whole
// caption, rather than cutting it; its place stays as set. A label that wraps
// breaks its caption at every blank.
class CaptionLabel : public QLabel {
    Q_OBJECT

  public:
    CaptionLabel(const QString& name, const QString& caption, QWidget* parent);

    void SetCaption(const QString& caption);
    const QString& Caption() const { return caption_; }

  private:
    QString caption_;
};

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
