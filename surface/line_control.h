#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace calorix {

// A line control: a straight line lying over a drawing surface, such as the
// cross-hair lines that follow the mouse. It is not part of the surface's
// display list, Cls leaves it alone, and moving it repaints only where it was
// and where it goes. End points are in twips. A new line control is hidden,
// with both ends at (0, 0).
class LineControl : public QObject {
    Q_OBJECT

  public:
    LineControl(const QString& name, QColor borderColor, QObject* parent = nullptr);

    float X1() const { return x1_; }
    float Y1() const { return y1_; }
    float X2() const { return x2_; }
    float Y2() const { return y2_; }
    bool Visible() const { return visible_; }
    QColor BorderColor() const { return borderColor_; }

    void SetX1(float x1);
    void SetY1(float y1);
    void SetX2(float x2);
    void SetY2(float y2);
    // Moves both ends at once, with a single repaint request.
    void SetLine(float x1, float y1, float x2, float y2);
    void SetVisible(bool visible);
    void SetBorderColor(QColor color);

  signals:
    // An end, the visibility or the colour changed (setting a value the line
    // already has does not count).
    void Changed();

  private:
    void Apply(float x1, float y1, float x2, float y2, bool visible, QColor color);

    float x1_ = 0;
    float y1_ = 0;
    float x2_ = 0;
    float y2_ = 0;
    bool visible_ = false;
    QColor borderColor_;
};

}  // namespace calorix
