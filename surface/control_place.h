#pragma once

#include <QFont>
#include <QLabel>
#include <QMetaType>
#include <QString>

class QPushButton;
class QWidget;

// Controls placed in twips. A control keeps its place as the program set it
// (left, top, width, height, readable back exactly); on screen it stands at
// the nearest whole pixels. A control never placed reads as all zero.
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

// The name of one control of a control array: IndexedName("Text1", 2) ->
// "Text1(2)".
QString IndexedName(const char* name, int index);

void SetPlace(QWidget& control, const ControlPlace& place);
ControlPlace PlaceOf(const QWidget& control);
void SetLeft(QWidget& control, double left);
void SetTop(QWidget& control, double top);
void SetWidth(QWidget& control, double width);

// A push button named and placed as designed.
QPushButton* MakeButton(const QString& name, const QString& caption, const ControlPlace& place,
                        QWidget* parent);

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

    // While a hold lasts, captions are only kept and the last one is shown
    // when the hold ends: a replay of thousands of steps lays out one text
    // instead of every one. Holds nest.
    void HoldDisplay();
    void ReleaseDisplay();

    // A label whose caption changes often (a panel of properties, at every
    // click) is shown out to its parent's far corner instead of growing to
    // its measured text: top-left aligned and unfilled, it shows the same
    // text, and a new caption costs no layout of the text until it is
    // painted. It follows the parent's size.
    void ReachParentCorner();
    bool ReachesParentCorner() const { return reachesCorner_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Display();

    QString caption_;
    int holds_ = 0;
    bool reachesCorner_ = false;
};

}  // namespace calorix

Q_DECLARE_METATYPE(calorix::ControlPlace)
