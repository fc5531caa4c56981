#include "surface/primitive_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "numeric/overloaded.h"

namespace calorix {

namespace {

// One pixel wide, square caps so that a line covers its end pixels fully,
// mitred corners so that a box has full corners.
QPen PenFor(const QColor& color, double twipsPerPixel) {
    return QPen(color, twipsPerPixel, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// A one-pixel dot at a twips point, in the twips transform.
QRectF DotRect(float x, float y, double twipsPerPixel) {
    return QRectF(x - twipsPerPixel / 2, y - twipsPerPixel / 2, twipsPerPixel, twipsPerPixel);
}

bool AxisParallel(float x1, float y1, float x2, float y2) {
    return (x1 == x2) != (y1 == y2);
}

// An axis-parallel line of one pixel's width drawn as whole device pixels, so
// that it shows sharp in its exact colour at any position, DPI and scale
// factor: the row or column its twips coordinate falls on (rounded to the
// nearest device pixel), as many device pixels thick as a logical pixel is
// wide (at least one), and its end pixels covered as square caps cover them.
// offset: where the painter's own transform moves the pixels (a translation).
void FillRule(QPainter& painter, float x1, float y1, float x2, float y2, double twipsPerPixel,
              const QColor& color, QPointF offset) {
    const double ratio = painter.device()->devicePixelRatioF();
    const double thickness = std::max(1.0, std::round(ratio));
    const auto device = [&](float twips, double shift) {
        return std::round((twips / twipsPerPixel + shift) * ratio);
    };
    const double left = device(std::min(x1, x2), offset.x());
    const double top = device(std::min(y1, y2), offset.y());
    const double right = device(std::max(x1, x2), offset.x()) + thickness;
    const double bottom = device(std::max(y1, y2), offset.y()) + thickness;
    const QTransform saved = painter.transform();
    painter.setTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    painter.fillRect(QRectF(QPointF(left, top), QPointF(right, bottom)), color);
    painter.setTransform(saved);
}

}  // namespace

QTransform TwipsTransform(double twipsPerPixel) {
    QTransform transform;
    transform.translate(0.5, 0.5);
    transform.scale(1.0 / twipsPerPixel, 1.0 / twipsPerPixel);
    return transform;
}

QFont FontForDevice(const QFont& font, double fontDpi, const QPaintDevice& device) {
    const double deviceDpi = device.logicalDpiY();
    if (fontDpi <= 0 || deviceDpi <= 0 || deviceDpi == fontDpi || font.pointSizeF() <= 0) {
        return font;
    }
    QFont resized = font;
    resized.setPointSizeF(font.pointSizeF() * fontDpi / deviceDpi);
    return resized;
}

void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& primitives, std::size_t first,
                     std::size_t last, const PaintSettings& settings) {
    const double twipsPerPixel = settings.twipsPerPixel;
    const bool snap = settings.axisLines == AxisLines::kDevicePixels;
    const QTransform base = painter.transform();
    const QPointF offset(base.dx(), base.dy());
    const QTransform transform = TwipsTransform(twipsPerPixel) * base;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setTransform(transform);
    painter.setBrush(Qt::NoBrush);
    QColor penColor;
    bool penSet = false;
    const auto usePen = [&](const QColor& color) {
        if (penSet && color == penColor) return;
        penColor = color;
        penSet = true;
        painter.setPen(PenFor(penColor, twipsPerPixel));
    };
    const auto draw = Overloaded{
        [&](const LinePrimitive& line) {
            if (line.x1 == line.x2 && line.y1 == line.y2) {
                painter.fillRect(DotRect(line.x1, line.y1, twipsPerPixel), line.color);
                return;
            }
            if (snap && AxisParallel(line.x1, line.y1, line.x2, line.y2)) {
                FillRule(painter, line.x1, line.y1, line.x2, line.y2, twipsPerPixel, line.color,
                         offset);
                return;
            }
            usePen(line.color);
            painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
        },
        [&](const BoxPrimitive& box) {
            if (box.x1 == box.x2 && box.y1 == box.y2) {
                painter.fillRect(DotRect(box.x1, box.y1, twipsPerPixel), box.color);
                return;
            }
            if (!snap) {
                usePen(box.color);
                painter.drawRect(QRectF(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2)));
                return;
            }
            // Four sharp edges whose end pixels fill the corners fully.
            FillRule(painter, box.x1, box.y1, box.x2, box.y1, twipsPerPixel, box.color, offset);
            FillRule(painter, box.x2, box.y1, box.x2, box.y2, twipsPerPixel, box.color, offset);
            FillRule(painter, box.x1, box.y2, box.x2, box.y2, twipsPerPixel, box.color, offset);
            FillRule(painter, box.x1, box.y1, box.x1, box.y2, twipsPerPixel, box.color, offset);
        },
        [&](const CirclePrimitive& circle) {
            if (circle.radius == 0) {
                painter.fillRect(DotRect(circle.x, circle.y, twipsPerPixel), circle.color);
                return;
            }
            usePen(circle.color);
            painter.drawEllipse(QPointF(circle.x, circle.y), circle.radius, circle.radius);
        },
        [&](const TextPrimitive& text) {
            usePen(text.color);
            // Texts are laid out in pixels, where their fonts have their size.
            painter.setFont(FontForDevice(text.font, settings.fontDpi, *painter.device()));
            const QFontMetricsF metrics(painter.font(), painter.device());
            painter.setTransform(base);
            painter.drawText(
                QPointF(text.x / twipsPerPixel, text.y / twipsPerPixel + metrics.ascent()),
                text.text);
            painter.setTransform(transform);
        },
    };
    for (std::size_t i = first; i < last; ++i)
        std::visit(draw, primitives[i]);
    painter.setTransform(base);
}

}  // namespace calorix
