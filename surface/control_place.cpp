#include "surface/control_place.h"

#include <QEvent>
#include <QPushButton>
#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "surface/twips.h"

namespace calorix {
namespace {

// Where a control keeps the place the program set.
constexpr char kPlaceProperty[] = "calorixPlace";

// Puts a control at its place, letting a label that does not wrap grow to
// show its whole caption.
void Show(QWidget& control, const ControlPlace& place) {
    double width = place.width;
    double height = place.height;
    const auto* caption = qobject_cast<const CaptionLabel*>(&control);
    if (caption && caption->ReachesParentCorner() && control.parentWidget()) {
        const double twipsPerPixel = TwipsPerPixel(control);
        const QWidget& parent = *control.parentWidget();
        width = std::max(width, PixelsToTwips(parent.width(), twipsPerPixel) - place.left);
        height = std::max(height, PixelsToTwips(parent.height(), twipsPerPixel) - place.top);
    } else if (const auto* label = qobject_cast<const QLabel*>(&control);
               label && !label->wordWrap()) {
        const double twipsPerPixel = TwipsPerPixel(control);
        const QSize needed = label->sizeHint();
        width = std::max(width, PixelsToTwips(needed.width(), twipsPerPixel));
        height = std::max(height, PixelsToTwips(needed.height(), twipsPerPixel));
    }
    SetGeometryTwips(control, place.left, place.top, width, height);
}

}  // namespace

QFont SmallDialogFont() {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

QString IndexedName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

void SetPlace(QWidget& control, const ControlPlace& place) {
    control.setProperty(kPlaceProperty, QVariant::fromValue(place));
    Show(control, place);
}

ControlPlace PlaceOf(const QWidget& control) {
    return control.property(kPlaceProperty).value<ControlPlace>();
}

QPushButton* MakeButton(const QString& name, const QString& caption, const ControlPlace& place,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    SetPlace(*button, place);
    return button;
}

void SetLeft(QWidget& control, double left) {
    ControlPlace place = PlaceOf(control);
    place.left = left;
    SetPlace(control, place);
}

void SetTop(QWidget& control, double top) {
    ControlPlace place = PlaceOf(control);
    place.top = top;
    SetPlace(control, place);
}

void SetWidth(QWidget& control, double width) {
    ControlPlace place = PlaceOf(control);
    place.width = width;
    SetPlace(control, place);
}

CaptionLabel::CaptionLabel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    SetCaption(caption);
}

void CaptionLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    if (holds_ == 0) Display();
}

void CaptionLabel::HoldDisplay() {
    ++holds_;
}

void CaptionLabel::ReleaseDisplay() {
    if (holds_ > 0 && --holds_ == 0) Display();
}

void CaptionLabel::ReachParentCorner() {
    if (reachesCorner_) return;
    reachesCorner_ = true;
    if (parentWidget()) parentWidget()->installEventFilter(this);
    Show(*this, PlaceOf(*this));
}

bool CaptionLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) Show(*this, PlaceOf(*this));
    return QLabel::eventFilter(watched, event);
}

void CaptionLabel::Display() {
    QString shown = caption_;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A wrapping label breaks at every blank, whatever the font's width.
    if (wordWrap()) shown = shown.trimmed().replace(QLatin1Char(' '), QLatin1Char('\n'));
    setText(shown);
    Show(*this, PlaceOf(*this));
}

}  // namespace calorix
