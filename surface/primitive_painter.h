#pragma once

#include <QFont>
#include <cstddef>
#include <vector>

#include "surface/primitive.h"

class QPaintDevice;
class QPainter;
class QTransform;

namespace calorix {

// How lines parallel to an axis and the edges of boxes reach the device.
enum class AxisLines {
    // Filled as whole device pixels, sharp in their exact colour at any DPI
    // and scale factor. For raster devices whose painter at most translates:
    // the screen's cache, an image.
    kDevicePixels,
    // Stroked as lines of the drawing, like every other line: SVG, PDF,
    // printers and any painter that scales, where there are no device pixels
    // to stand on.
    kVector,
};

struct PaintSettings {
    double twipsPerPixel = 15;  // of the surface the entries were drawn on
    AxisLines axisLines = AxisLines::kDevicePixels;
    // The logical DPI at which the texts' point sizes were measured (the
    // surface's). On a device of another logical DPI (a printer) the fonts
    // are resized so that texts keep their size in the painter's pixels;
    // 0 takes the device's own DPI.
    double fontDpi = 0;
};

// Paints display-list entries [first, last) onto the painter: one pixel of
// the painter's current transform is twipsPerPixel twips, and a twips point
// at the top-left corner of a pixel lands on that pixel's centre. Lines and
// circles are one pixel wide with square caps, antialiased; texts stand with
// their top-left corner at their point. The painter's transform is the same
// afterwards; its pen, brush and font are not.
//
// The screen and every picture of the chart are painted through this one
// function.
void PaintPrimitives(QPainter& painter, const std::vector<Primitive>& primitives, std::size_t first,
                     std::size_t last, const PaintSettings& settings);

// Twips to pixels of a painter, with a twips point at the top-left corner of a
// pixel landing on that pixel's centre.
QTransform TwipsTransform(double twipsPerPixel);

// The font that shows on `device` in the size that `font` has at `fontDpi`:
// a point size is scaled by fontDpi / the device's logical DPI; a pixel
// size, or a fontDpi of 0, leaves the font as it is.
// 8.25 pt at 96 DPI onto a 1200-DPI printer -> 0.66 pt.
QFont FontForDevice(const QFont& font, double fontDpi, const QPaintDevice& device);

}  // namespace calorix
