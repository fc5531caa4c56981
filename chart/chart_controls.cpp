#include "chart/chart_controls.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QMouseEvent>

namespace calorix {

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
