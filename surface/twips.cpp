#include "surface/twips.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace calorix {

double TwipsPerPixel(double logicalDpi) {
    if (!std::isfinite(logicalDpi) || logicalDpi <= 0.0) logicalDpi = 96.0;
    return kTwipsPerInch / logicalDpi;
}

double TwipsPerPixel(const QWidget& widget) {
    return TwipsPerPixel(widget.logicalDpiX());
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    const double pixels = std::round(twips / twipsPerPixel);
    if (!std::isfinite(pixels)) {
        if (std::isnan(pixels)) return 0;
        return pixels > 0 ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    }
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(pixels, kMin, kMax));
}

double PixelsToTwips(double pixels, double twipsPerPixel) {
    return pixels * twipsPerPixel;
}

void SetGeometryTwips(QWidget& widget, double left, double top, double width, double height) {
    // Qt's own size limit keeps left + width inside the int range.
    constexpr int kLimit = QWIDGETSIZE_MAX;
    const double perPixel = TwipsPerPixel(widget);
    widget.setGeometry(std::clamp(TwipsToPixels(left, perPixel), -kLimit, kLimit),
                       std::clamp(TwipsToPixels(top, perPixel), -kLimit, kLimit),
                       std::clamp(TwipsToPixels(width, perPixel), 0, kLimit),
                       std::clamp(TwipsToPixels(height, perPixel), 0, kLimit));
}

QRectF GeometryTwips(const QWidget& widget) {
    const double perPixel = TwipsPerPixel(widget);
    const QRect pixels = widget.geometry();
    return QRectF(PixelsToTwips(pixels.x(), perPixel), PixelsToTwips(pixels.y(), perPixel),
                  PixelsToTwips(pixels.width(), perPixel),
                  PixelsToTwips(pixels.height(), perPixel));
}

double ScaleWidth(const QWidget& widget) {
    return PixelsToTwips(widget.width(), TwipsPerPixel(widget));
}

double ScaleHeight(const QWidget& widget) {
    return PixelsToTwips(widget.height(), TwipsPerPixel(widget));
}

}  // namespace calorix
