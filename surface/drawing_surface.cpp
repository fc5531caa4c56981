#include "surface/drawing_surface.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "surface/mouse_pointer.h"
#include "surface/primitive_painter.h"
#include "surface/twips.h"

namespace calorix {

namespace {

// Within a command the drawing is shown at most once a frame (60 Hz).
constexpr qint64 kFrameMilliseconds = 16;

// Pixels added around a primitive's geometry for its pen (half a pixel), the
// square line caps (half a pixel) and antialiasing.
constexpr double kPixelMargin = 2.0;

bool Finite(float value) {
    return std::isfinite(value);
}

// A rectangle in logical pixels, grown outward to whole pixels and cut to the
// widget. Cutting first keeps huge coordinates inside the int range.
QRect ToWidgetPixels(const QRectF& pixels, const QRect& widgetRect) {
    const QRectF cut = pixels.intersected(QRectF(widgetRect));
    if (cut.isEmpty()) return QRect();
    return cut.toAlignedRect().intersected(widgetRect);
}

}  // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

DrawingSurface::~DrawingSurface() {
    // QWidget's destructor deletes the line controls after this object's
    // members are gone; they must no longer report to it by then.
    for (const OverlayLine& overlay : overlays_)
        overlay.control->disconnect(this);
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2) {
    if (!Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2)) return;
    const double perPixel = TwipsPerPixel(*this);
    Append(LinePrimitive{x1, y1, x2, y2, foreColor_}, SegmentBounds(x1, y1, x2, y2, perPixel));
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::LineTo(float x2, float y2) {
    Line(currentX_, currentY_, x2, y2);
}

void DrawingSurface::Box(float x1, float y1, float x2, float y2) {
    if (!Finite(x1) || !Finite(y1) || !Finite(x2) || !Finite(y2)) return;
    const double perPixel = TwipsPerPixel(*this);
    Append(BoxPrimitive{x1, y1, x2, y2, foreColor_}, SegmentBounds(x1, y1, x2, y2, perPixel));
    currentX_ = x2;
    currentY_ = y2;
}

void DrawingSurface::Circle(float x, float y, float radius) {
    if (!Finite(x) || !Finite(y) || !Finite(radius) || radius < 0) return;
    const double perPixel = TwipsPerPixel(*this);
    Append(CirclePrimitive{x, y, radius, foreColor_},
           SegmentBounds(x - radius, y - radius, x + radius, y + radius, perPixel));
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::Print(const QString& text) {
    const double perPixel = TwipsPerPixel(*this);
    TextPrimitive primitive{currentX_, currentY_, text, foreColor_, font()};
    const QRect bounds = TextBounds(primitive, perPixel);
    Append(std::move(primitive), bounds);
    const QFontMetricsF metrics(font(), this);
    currentX_ = 0;
    currentY_ = static_cast<float>(currentY_ + metrics.lineSpacing() * perPixel);
}

void DrawingSurface::Cls() {
    displayList_.clear();
    currentX_ = 0;
    currentY_ = 0;
    AllDirty();
}

void DrawingSurface::CutDisplayList(std::size_t length) {
    if (length >= displayList_.size()) return;
    displayList_.resize(length);
    AllDirty();
}

void DrawingSurface::SetDisplayList(std::vector<Primitive> list) {
    displayList_ = std::move(list);
    AllDirty();
}

void DrawingSurface::AllDirty() {
    InvalidateCache();
    dirty_.Clear();
    dirty_.Add(rect());
    unrequested_.Clear();
    update();
}

void DrawingSurface::SetCurrentPoint(QPointF point) {
    currentX_ = static_cast<float>(point.x());
    currentY_ = static_cast<float>(point.y());
}

void DrawingSurface::Refresh() {
    if (dirty_.Empty()) return;
    if (commandDepth_ > 0) {
        if (shownInCommand_.elapsed() < kFrameMilliseconds) {
            PostRepaintRequest();
            return;
        }
        shownInCommand_.restart();
    }
    // The repaint covers all that is dirty, what no update asked for yet too.
    unrequested_.Clear();
    const QRegion dirty = dirty_.Region();
    dirty_.Clear();
    repaint(dirty);
}

void DrawingSurface::PostRepaintRequest() {
    // One request waits at a time, and runs only if an event loop runs before
    // the command ends (a message box's): then what was drawn shows behind
    // the box.
    if (repaintRequestPosted_ || unrequested_.Empty()) return;
    repaintRequestPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintRequestPosted_ = false;
            RequestRepaint();
        },
        Qt::QueuedConnection);
}

void DrawingSurface::RequestRepaint() {
    for (const QRect& rect : unrequested_.Rects())
        update(rect);
    unrequested_.Clear();
}

DrawingSurface::CommandScope::CommandScope(DrawingSurface& surface) : surface_(surface) {
    if (surface_.commandDepth_++ == 0) surface_.shownInCommand_.start();
}

DrawingSurface::CommandScope::~CommandScope() {
    if (--surface_.commandDepth_ == 0) surface_.RequestRepaint();
}

LineControl* DrawingSurface::AddLineControl(const QString& name, QColor borderColor) {
    auto* line = new LineControl(name, borderColor, this);
    overlays_.push_back(OverlayLine{line, QRect()});
    connect(line, &LineControl::Changed, this, [this, line] { OnLineControlChanged(line); });
    connect(line, &QObject::destroyed, this, [this, line] {
        std::erase_if(overlays_, [line](const OverlayLine& o) { return o.control == line; });
    });
    return line;
}

std::vector<LineControl*> DrawingSurface::LineControls() const {
    std::vector<LineControl*> lines;
    lines.reserve(overlays_.size());
    for (const OverlayLine& overlay : overlays_)
        lines.push_back(overlay.control);
    return lines;
}

void DrawingSurface::SetMousePointer(int mousePointer) {
    mousePointer_ = mousePointer;
    setCursor(CursorShapeForMousePointer(mousePointer));
}

void DrawingSurface::Append(Primitive primitive, const QRect& pixelBounds) {
    displayList_.push_back(std::move(primitive));
    if (pixelBounds.isEmpty()) return;
    dirty_.Add(pixelBounds);
    if (commandDepth_ > 0) {
        unrequested_.Add(pixelBounds);
    } else {
        update(pixelBounds);
    }
}

QRect DrawingSurface::SegmentBounds(float x1, float y1, float x2, float y2,
                                    double twipsPerPixel) const {
    const QTransform transform = TwipsTransform(twipsPerPixel);
    const QRectF pixels = transform.mapRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    return ToWidgetPixels(pixels.adjusted(-kPixelMargin, -kPixelMargin, kPixelMargin, kPixelMargin),
                          rect());
}

QRect DrawingSurface::TextBounds(const TextPrimitive& text, double twipsPerPixel) const {
    const QFontMetricsF metrics(text.font, this);
    const QPointF topLeft(text.x / twipsPerPixel, text.y / twipsPerPixel);
    const QRectF cell(topLeft, QSizeF(metrics.horizontalAdvance(text.text), metrics.height()));
    const QRectF ink =
        metrics.boundingRect(text.text).translated(topLeft.x(), topLeft.y() + metrics.ascent());
    return ToWidgetPixels(
        cell.united(ink).adjusted(-kPixelMargin, -kPixelMargin, kPixelMargin, kPixelMargin),
        rect());
}

QRect DrawingSurface::OverlayBounds(const LineControl& line, double twipsPerPixel) const {
    if (!line.Visible()) return QRect();
    if (!Finite(line.X1()) || !Finite(line.Y1()) || !Finite(line.X2()) || !Finite(line.Y2())) {
        return QRect();
    }
    return SegmentBounds(line.X1(), line.Y1(), line.X2(), line.Y2(), twipsPerPixel);
}

void DrawingSurface::OnLineControlChanged(LineControl* line) {
    for (OverlayLine& overlay : overlays_) {
        if (overlay.control != line) continue;
        const QRect shown = OverlayBounds(*line, TwipsPerPixel(*this));
        if (!overlay.shownRect.isEmpty()) update(overlay.shownRect);
        if (!shown.isEmpty()) update(shown);
        overlay.shownRect = shown;
        return;
    }
}

void DrawingSurface::InvalidateCache() {
    cacheValid_ = false;
    renderedCount_ = 0;
}

void DrawingSurface::BringCacheUpToDate() {
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize(static_cast<int>(std::ceil(width() * ratio)),
                           static_cast<int>(std::ceil(height() * ratio)));
    if (deviceSize.isEmpty()) return;
    const double perPixel = TwipsPerPixel(*this);
    if (!cacheValid_ || cache_.size() != deviceSize || cache_.devicePixelRatio() != ratio ||
        cacheTwipsPerPixel_ != perPixel) {
        cache_ = QPixmap(deviceSize);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(palette().color(backgroundRole()));
        cacheValid_ = true;
        cacheTwipsPerPixel_ = perPixel;
        renderedCount_ = 0;
        for (OverlayLine& overlay : overlays_) {
            overlay.shownRect = OverlayBounds(*overlay.control, perPixel);
        }
    }
    if (renderedCount_ == displayList_.size()) return;
    QPainter painter(&cache_);
    Render(painter, renderedCount_, displayList_.size(), perPixel);
    renderedCount_ = displayList_.size();
}

void DrawingSurface::Render(QPainter& painter, std::size_t first, std::size_t last,
                            double twipsPerPixel) const {
    PaintPrimitives(painter, displayList_, first, last,
                    PaintSettings{twipsPerPixel, AxisLines::kDevicePixels, 0});
}

void DrawingSurface::DrawOverlay(QPainter& painter, double twipsPerPixel) const {
    // The line controls are painted as the drawing's own lines are.
    std::vector<Primitive> lines;
    for (const OverlayLine& overlay : overlays_) {
        if (overlay.shownRect.isEmpty()) continue;
        const LineControl& line = *overlay.control;
        lines.push_back(
            LinePrimitive{line.X1(), line.Y1(), line.X2(), line.Y2(), line.BorderColor()});
    }
    PaintPrimitives(painter, lines, 0, lines.size(),
                    PaintSettings{twipsPerPixel, AxisLines::kDevicePixels, 0});
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    BringCacheUpToDate();
    QPainter painter(this);
    if (!cache_.isNull()) {
        const qreal ratio = cache_.devicePixelRatio();
        for (const QRect& exposed : event->region()) {
            painter.drawPixmap(exposed, cache_,
                               QRectF(exposed.x() * ratio, exposed.y() * ratio,
                                      exposed.width() * ratio, exposed.height() * ratio));
        }
    }
    if (!dirty_.Empty() && dirty_.CoveredBy(event->region())) dirty_.Clear();
    DrawOverlay(painter, cacheTwipsPerPixel_ > 0 ? cacheTwipsPerPixel_ : TwipsPerPixel(*this));
}

void DrawingSurface::resizeEvent(QResizeEvent* event) {
    InvalidateCache();
    QWidget::resizeEvent(event);
}

void DrawingSurface::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        InvalidateCache();
        update();
    }
    QWidget::changeEvent(event);
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    const double perPixel = TwipsPerPixel(*this);
    const QPointF position = event->position();
    emit MouseDown(static_cast<float>(position.x() * perPixel),
                   static_cast<float>(position.y() * perPixel));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    const double perPixel = TwipsPerPixel(*this);
    const QPointF position = event->position();
    emit MouseMove(static_cast<float>(position.x() * perPixel),
                   static_cast<float>(position.y() * perPixel));
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    const double perPixel = TwipsPerPixel(*this);
    const QPointF position = event->position();
    emit MouseUp(static_cast<float>(position.x() * perPixel),
                 static_cast<float>(position.y() * perPixel));
}

}  // namespace calorix
