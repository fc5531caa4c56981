#include "chart/control_place.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>

#include "surface/twips.h"

namespace calorix {
namespace {

// Puts a control at its place, letting a label that does not wrap grow to
// show its whole caption.
void Show(QWidget& control, const ControlPlace& place) {
    double width = place.width;
    double height = place.height;
    if (const auto* label = qobject_cast<const QLabel*>(&control); label && !label->wordWrap()) {
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

void SetPlace(QWidget& control, const ControlPlace& place) {
    control.setProperty("Left", place.left);
    control.setProperty("Top", place.top);
    control.setProperty("Width", place.width);
    control.setProperty("Height", place.height);
    Show(control, place);
}

ControlPlace PlaceOf(const QWidget& control) {
    return {control.property("Left").toDouble(), control.property("Top").toDouble(),
            control.property("Width").toDouble(), control.property("Height").toDouble()};
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
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A wrapping label breaks at every blank, whatever the font's width.
    if (wordWrap()) shown = shown.trimmed().replace(QLatin1Char(' '), QLatin1Char('\n'));
    setText(shown);
    Show(*this, PlaceOf(*this));
}

PropertyBox::PropertyBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
}

void PropertyBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // QLineEdit selects everything when the focus comes by Tab.
    deselect();
    setCursorPosition(int(text().size()));
}

SidePanel::SidePanel(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setMouseTracking(true);
}

void SidePanel::enterEvent(QEnterEvent* event) {
    QFrame::enterEvent(event);
    emit MouseMoved();
}

// The panel's mouse events are its own: they do not reach the chart under it.
void SidePanel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMoved();
}

void SidePanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void SidePanel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace calorix
