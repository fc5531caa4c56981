#pragma once

#include <QRectF>

class QWidget;

namespace calorix {

// All window geometry and drawing is measured in twips, 1/1440 inch, through
// the logical DPI of the widget's screen: 15 twips per pixel at 96 DPI.
inline constexpr double kTwipsPerInch = 1440.0;

// Twips per pixel at a logical DPI: 96 -> 15, 120 -> 12, 144 -> 10.
// A DPI that is not a positive finite number counts as 96.
double TwipsPerPixel(double logicalDpi);

// Twips per pixel of a widget, from its horizontal logical DPI (pixels are
// taken as square).
double TwipsPerPixel(const QWidget& widget);

// Whole pixels for a length in twips, rounded half away from zero:
// 150 twips at 15 twips per pixel -> 10, 7.5 -> 1 (0.5 rounds up), -7.5 -> -1.
// Non-finite lengths give 0; lengths beyond the int range are clamped.
int TwipsToPixels(double twips, double twipsPerPixel);

// Twips for a length in pixels: 10 pixels at 15 twips per pixel -> 150.
double PixelsToTwips(double pixels, double twipsPerPixel);

// Places a child control from its left, top, width and height in twips,
// each rounded to whole pixels at the child's DPI. Negative sizes count as 0;
// values beyond Qt's widget size limit are clamped to it.
void SetGeometryTwips(QWidget& widget, double left, double top, double width, double height);

// A control's left, top, width and height in twips.
QRectF GeometryTwips(const QWidget& widget);

// A window's client width and height in twips.
double ScaleWidth(const QWidget& widget);
double ScaleHeight(const QWidget& widget);

}  // namespace calorix
