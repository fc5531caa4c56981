#include "surface/line_control.h"

namespace calorix {

LineControl::LineControl(const QString& name, QColor borderColor, QObject* parent)
    : QObject(parent), borderColor_(borderColor) {
    setObjectName(name);
}

void LineControl::SetX1(float x1) {
    Apply(x1, y1_, x2_, y2_, visible_, borderColor_);
}
void LineControl::SetY1(float y1) {
    Apply(x1_, y1, x2_, y2_, visible_, borderColor_);
}
void LineControl::SetX2(float x2) {
    Apply(x1_, y1_, x2, y2_, visible_, borderColor_);
}
void LineControl::SetY2(float y2) {
    Apply(x1_, y1_, x2_, y2, visible_, borderColor_);
}

void LineControl::SetLine(float x1, float y1, float x2, float y2) {
    Apply(x1, y1, x2, y2, visible_, borderColor_);
}

void LineControl::SetVisible(bool visible) {
    Apply(x1_, y1_, x2_, y2_, visible, borderColor_);
}

void LineControl::SetBorderColor(QColor color) {
    Apply(x1_, y1_, x2_, y2_, visible_, color);
}

void LineControl::Apply(float x1, float y1, float x2, float y2, bool visible, QColor color) {
    if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_ && visible == visible_ &&
        color == borderColor_) {
        return;
    }
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    visible_ = visible;
    borderColor_ = color;
    emit Changed();
}

}  // namespace calorix
