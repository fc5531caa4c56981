#pragma once

// Helpers shared by the surface tests: snapshots of a widget's pixels and a
// recorder of the regions its paint events covered.

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>
#include <QWidget>

namespace calorix::test {

// The widget as it paints itself, one QImage pixel per device pixel.
inline QImage Snapshot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor PixelColor(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// Whether an antialiased pixel is closer to the ink than to a white paper.
inline bool MostlyInk(const QColor& pixel, const QColor& ink) {
    const auto distance = [](const QColor& a, const QColor& b) {
        const int red = a.red() - b.red();
        const int green = a.green() - b.green();
        const int blue = a.blue() - b.blue();
        return red * red + green * green + blue * blue;
    };
    return distance(pixel, ink) < distance(pixel, QColor(255, 255, 255));
}

// Number of pixels in a rectangle of the image that are not the given colour.
inline int CountOtherThan(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (QColor(image.pixel(x, y)) != color) ++count;
        }
    }
    return count;
}

// Collects the region of every paint event the watched widget receives.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget& widget) : widget_(widget) { widget.installEventFilter(this); }
    ~PaintRecorder() override { widget_.removeEventFilter(this); }

    int Count() const { return count_; }
    const QRegion& Painted() const { return painted_; }
    void Clear() {
        count_ = 0;
        painted_ = QRegion();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && event->type() == QEvent::Paint) {
            ++count_;
            painted_ += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

  private:
    QWidget& widget_;
    int count_ = 0;
    QRegion painted_;
};

}  // namespace calorix::test
