#include "picture/chart_picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStyle>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "surface/drawing_surface.h"
#include "surface/primitive_painter.h"
#include "surface/twips.h"
#include "surface/whole_file.h"

namespace calorix {
namespace {

constexpr double kMetresPerInch = 0.0254;
constexpr int kPngQuality = 80;

bool AllowedScale(int scale) {
    return std::find(std::begin(kPictureScales), std::end(kPictureScales), scale) !=
           std::end(kPictureScales);
}

int DotsPerMetre(double dpi) {
    return int(std::lround(dpi / kMetresPerInch));
}

// A label's text where the label paints it, as QLabel paints plain text.
void PaintLabel(QPainter& painter, const QLabel& label, double fontDpi) {
    const QRect box =
        label.contentsRect()
            .adjusted(label.margin(), label.margin(), -label.margin(), -label.margin())
            .translated(label.pos());
    int flags = int(QStyle::visualAlignment(label.layoutDirection(), label.alignment()));
    if (label.wordWrap()) flags |= Qt::TextWordWrap;
    painter.setFont(FontForDevice(label.font(), fontDpi, *painter.device()));
    label.style()->drawItemText(&painter, box, flags, label.palette(), label.isEnabled(),
                                label.text(), label.foregroundRole());
}

}  // namespace

std::optional<PictureFormat> FormatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::kPng;
    if (suffix == QLatin1String("svg")) return PictureFormat::kSvg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::kPdf;
    return std::nullopt;
}

QString ExtensionOf(PictureFormat format) {
    switch (format) {
        case PictureFormat::kPng:
            return QStringLiteral("png");
        case PictureFormat::kSvg:
            return QStringLiteral("svg");
        case PictureFormat::kPdf:
            return QStringLiteral("pdf");
    }
    return QString();
}

ChartPicture::ChartPicture(const DrawingSurface& surface, const QRect& area)
    : surface_(surface), area_(area) {}

double ChartPicture::Dpi() const {
    return kTwipsPerInch / TwipsPerPixel(surface_);
}

void ChartPicture::Paint(QPainter& painter, bool vector) const {
    painter.save();
    const QRectF paper(QPointF(0, 0), QSizeF(area_.size()));
    painter.setClipRect(paper, Qt::IntersectClip);
    painter.fillRect(paper, surface_.palette().color(surface_.backgroundRole()));
    painter.translate(-area_.topLeft());
    const std::vector<Primitive>& list = surface_.DisplayList();
    PaintPrimitives(painter, list, 0, list.size(),
                    PaintSettings{TwipsPerPixel(surface_),
                                  vector ? AxisLines::kVector : AxisLines::kDevicePixels, Dpi()});
    // The labels stand over the drawing, as child controls do on screen.
    for (const QLabel* label : surface_.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->isHidden() || !label->geometry().intersects(area_)) continue;
        PaintLabel(painter, *label, Dpi());
    }
    painter.restore();
}

void ChartPicture::PaintVector(QPainter& painter) const {
    Paint(painter, true);
}

void ChartPicture::PaintFitted(QPainter& painter, const QRectF& target) const {
    const QSizeF size(Size());
    if (size.isEmpty() || target.isEmpty()) return;
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    PaintVector(painter);
    painter.restore();
}

QImage ChartPicture::Image(int scale) const {
    QImage image(Size() * scale, QImage::Format_RGB32);
    if (image.isNull()) return image;
    // Painted at the window's DPI, where its fonts have their size, and the
    // scale as the device pixel ratio: a sharp drawing, not a stretched one.
    image.setDevicePixelRatio(scale);
    image.setDotsPerMeterX(DotsPerMetre(Dpi()));
    image.setDotsPerMeterY(DotsPerMetre(Dpi()));
    {
        QPainter painter(&image);
        Paint(painter, false);
    }
    image.setDevicePixelRatio(1);
    image.setDotsPerMeterX(DotsPerMetre(Dpi() * scale));
    image.setDotsPerMeterY(DotsPerMetre(Dpi() * scale));
    return image;
}

QByteArray ChartPicture::Svg() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Write(buffer, PictureFormat::kSvg, 1);
    return buffer.data();
}

bool ChartPicture::Write(QIODevice& device, PictureFormat format, int scale) const {
    switch (format) {
        case PictureFormat::kPng: {
            if (!AllowedScale(scale)) return false;
            const QImage image = Image(scale);
            if (image.isNull()) return false;
            // zlib's fastest level (quality 80 maps to level 1): twice as fast
            // as the default level for a tenth more bytes on a chart.
            QImageWriter writer(&device, "png");
            writer.setQuality(kPngQuality);
            return writer.write(image);
        }
        case PictureFormat::kSvg: {
            QSvgGenerator generator;
            generator.setOutputDevice(&device);
            generator.setSize(Size());
            generator.setViewBox(QRect(QPoint(0, 0), Size()));
            generator.setResolution(int(std::lround(Dpi())));
            generator.setTitle(QStringLiteral("Calorix"));
            generator.setDescription(
                QStringLiteral("Temperature-entropy chart of water and steam"));
            QPainter painter;
            if (!painter.begin(&generator)) return false;
            PaintVector(painter);
            return painter.end();
        }
        case PictureFormat::kPdf: {
            QPdfWriter writer(&device);
            writer.setCreator(QStringLiteral("Calorix"));
            writer.setTitle(QStringLiteral("Temperature-entropy chart of water and steam"));
            writer.setResolution(int(std::lround(Dpi())));
            // One page the size the chart has on the screen.
            const QSizeF inches = QSizeF(Size()) / Dpi();
            writer.setPageLayout(
                QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                            QPageLayout::Portrait, QMarginsF()));
            QPainter painter;
            if (!painter.begin(&writer)) return false;
            PaintFitted(painter, QRectF(0, 0, writer.width(), writer.height()));
            return painter.end();
        }
    }
    return false;
}

bool ChartPicture::Print(QPrinter& printer) const {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintFitted(painter, QRectF(0, 0, printer.width(), printer.height()));
    return painter.end();
}

QMimeData* ChartPicture::MimeData() const {
    auto* data = new QMimeData;
    data->setImageData(Image(kDefaultPictureScale));
    data->setData(QStringLiteral("image/svg+xml"), Svg());
    return data;
}

bool ExportPicture(const ChartPicture& picture, const QString& path, PictureFormat format,
                   int scale, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (format == PictureFormat::kPng && !AllowedScale(scale)) {
        return fail(
            QStringLiteral("a PNG picture is drawn at 1, 2 or 4 times the window's pixels"));
    }
    const QString why = WriteWholeFile(path, [&](QSaveFile& file) {
        if (picture.Write(file, format, scale)) return QString();
        return file.error() != QFileDevice::NoError
                   ? file.errorString()
                   : QStringLiteral("the picture could not be drawn");
    });
    if (!why.isEmpty()) return fail(why);
    return true;
}

}  // namespace calorix
