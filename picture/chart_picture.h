#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QByteArray;
class QIODevice;
class QImage;
class QMimeData;
class QPainter;
class QPrinter;
class QRectF;

namespace calorix {

class DrawingSurface;

enum class PictureFormat { kPng, kSvg, kPdf };

// The scales a PNG picture may have, in device pixels per pixel of the window.
inline constexpr int kPictureScales[] = {1, 2, 4};
inline constexpr int kDefaultPictureScale = 2;

// The format a file name asks for by its extension (any case): ".png",
// ".svg", ".pdf"; nothing for another or no extension.
std::optional<PictureFormat> FormatOfPath(const QString& path);
// "png", "svg", "pdf".
QString ExtensionOf(PictureFormat format);

// A picture of what a drawing surface shows within an area of it: white
// paper, the whole display list, and the label controls that stand on the
// surface (its visible QLabel children) at their places, in their fonts and
// colours. Line controls (the cross-hair) and other child widgets are left
// out. The surface is read when the picture is painted, not before.
//
// Axis-parallel lines stand on whole device pixels in raster pictures, as on
// the screen; SVG, PDF and printed pictures keep every line a vector line and
// every text a text.
class ChartPicture {
  public:
    // area: the part of the surface shown, in its logical pixels.
    ChartPicture(const DrawingSurface& surface, const QRect& area);

    // The picture's size in the surface's logical pixels.
    QSize Size() const { return area_.size(); }
    // The surface's logical DPI, at which its fonts have their size.
    double Dpi() const;

    // Paints the picture with its top-left corner at the painter's origin,
    // one pixel of the painter's transform per pixel of the picture, lines
    // and texts as vectors.
    void PaintVector(QPainter& painter) const;
    // Paints the picture scaled into target (in the painter's coordinates),
    // its proportions kept, centred.
    void PaintFitted(QPainter& painter, const QRectF& target) const;

    // The picture at `scale` device pixels per pixel, on white paper; its
    // dots per metre say the window's DPI times the scale, so that it keeps
    // the window's size on paper.
    QImage Image(int scale) const;
    // The picture as an SVG document.
    QByteArray Svg() const;
    // Writes the picture in a format onto an open device; false when the
    // device refuses it (a PNG scale outside kPictureScales is refused too).
    bool Write(QIODevice& device, PictureFormat format, int scale) const;
    // Prints the picture on one page of the printer, scaled to the printable
    // area with its proportions kept; false when the printer cannot start.
    bool Print(QPrinter& printer) const;
    // The picture for the clipboard: an image at the default scale and the
    // SVG document as "image/svg+xml".
    QMimeData* MimeData() const;

  private:
    void Paint(QPainter& painter, bool vector) const;

    const DrawingSurface& surface_;
    QRect area_;
};

// Writes the picture to a file through a temporary file beside it that is
// renamed at the end, so that a failed export leaves nothing at the path and
// no partial file. On failure, error (when given) says why.
bool ExportPicture(const ChartPicture& picture, const QString& path, PictureFormat format,
                   int scale, QString* error = nullptr);

}  // namespace calorix
