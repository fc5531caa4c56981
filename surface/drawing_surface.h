#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <vector>

#include "surface/dirty_rects.h"
#include "surface/line_control.h"
#include "surface/primitive.h"

class QPainter;

namespace calorix {

// The persistent drawing surface of a window: everything drawn stays until
// Cls, also when the window is covered and uncovered or resized. Meant as the
// base class of a window that draws (child controls are placed on it as
// usual).
//
// Drawing operations take twips (1/1440 inch), single precision, with y
// growing downwards, and draw in ForeColor. Each one appends a primitive to
// the display list, moves the current point and asks for a repaint of the
// primitive's own rectangle (within a command, at its next Refresh or at its
// end: see CommandScope). The list is rendered into a cached pixmap at the
// screen's device pixel ratio, one painter for all primitives added since the
// last paint; a paint event copies only the exposed part of that cache and
// then draws the line controls over it. A resize or a change of DPI renders
// the whole list again.
//
// A pixel's centre stands for the twips point at its top-left corner, so a
// one-pixel line drawn at whole pixels covers whole pixels in its exact
// colour. Lines parallel to an axis and the edges of boxes are put on the
// nearest whole device pixels wherever their twips fall, so that they show
// sharp in their exact colour at any DPI and scale factor; slanting lines and
// circles are antialiased.
//
// A drawing operation given a coordinate that is not a finite number (NaN,
// infinity) or a negative radius draws nothing and leaves the current point
// where it was.
class DrawingSurface : public QWidget {
    Q_OBJECT

  public:
    explicit DrawingSurface(QWidget* parent = nullptr);
    ~DrawingSurface() override;

    void SetForeColor(QColor color) { foreColor_ = color; }
    QColor ForeColor() const { return foreColor_; }

    // Where the next LineTo starts and the next Print writes, in twips.
    QPointF CurrentPoint() const { return QPointF(currentX_, currentY_); }

    // A line from (x1, y1) to (x2, y2); the current point moves to (x2, y2).
    // A line of length zero is a one-pixel dot and still moves the point.
    void Line(float x1, float y1, float x2, float y2);
    // A line from the current point to (x2, y2), which becomes the current point.
    void LineTo(float x2, float y2);
    // An unfilled rectangle with the two points as corners; the current point
    // moves to (x2, y2).
    void Box(float x1, float y1, float x2, float y2);
    // A circle around (x, y); the current point moves to the centre.
    void Circle(float x, float y, float radius);
    // Text whose top-left corner is the current point, in ForeColor and the
    // surface's font. Print leaves the current point at the start of the next
    // text line: x = 0, y one line height (the font's line spacing) lower.
    void Print(const QString& text);
    // Erases all drawing and printed text and moves the current point to
    // (0, 0). ForeColor, line controls and child controls stay.
    void Cls();
    // Shows what was drawn since the last paint at once (a synchronous repaint
    // of the rectangles it covers); inside a command, see CommandScope.
    void Refresh();

    // One command of the user's (a Draw, a click, a series): while it runs, a
    // Refresh shows the drawing at once only when a frame's time has passed
    // since the command began or since it was last shown, so that a long
    // construction still grows before the user's eyes while a short one costs
    // no painting of its own. What is left is painted by the event loop as
    // soon as the command returns, as any update is. Scopes may nest; the
    // outermost one counts.
    class CommandScope {
      public:
        explicit CommandScope(DrawingSurface& surface);
        ~CommandScope();
        CommandScope(const CommandScope&) = delete;
        CommandScope& operator=(const CommandScope&) = delete;

      private:
        DrawingSurface& surface_;
    };

    const std::vector<Primitive>& DisplayList() const { return displayList_; }
    // What undo needs: the display list cut back to its first `length`
    // entries (a length beyond its end changes nothing), or put back as a
    // whole; either way the window shows the list as it then stands.
    void CutDisplayList(std::size_t length);
    void SetDisplayList(std::vector<Primitive> list);
    // Moves the current point without drawing.
    void SetCurrentPoint(QPointF point);

    // A line control lying over the drawing, owned by this surface and named
    // (objectName) as given; hidden until made visible.
    LineControl* AddLineControl(const QString& name, QColor borderColor);
    std::vector<LineControl*> LineControls() const;

    // 0 arrow, 2 cross-hair, 11 hourglass; other values show the arrow. The
    // property reads back the value set.
    void SetMousePointer(int mousePointer);
    int MousePointer() const { return mousePointer_; }

  signals:
    // A mouse button went down, the pointer moved (with or without a button
    // held) or a button was released over the surface; position in twips.
    void MouseDown(float x, float y);
    void MouseMove(float x, float y);
    void MouseUp(float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct OverlayLine {
        LineControl* control = nullptr;
        QRect shownRect;  // where it was last asked to be painted, in pixels
    };

    void Append(Primitive primitive, const QRect& pixelBounds);
    QRect SegmentBounds(float x1, float y1, float x2, float y2, double twipsPerPixel) const;
    QRect TextBounds(const TextPrimitive& text, double twipsPerPixel) const;
    QRect OverlayBounds(const LineControl& line, double twipsPerPixel) const;
    void OnLineControlChanged(LineControl* line);
    void RequestRepaint();
    void PostRepaintRequest();
    void AllDirty();
    void BringCacheUpToDate();
    void Render(QPainter& painter, std::size_t first, std::size_t last, double twipsPerPixel) const;
    void DrawOverlay(QPainter& painter, double twipsPerPixel) const;
    void InvalidateCache();

    std::vector<Primitive> displayList_;
    QColor foreColor_ = Qt::black;
    float currentX_ = 0;
    float currentY_ = 0;
    int mousePointer_ = 0;

    QPixmap cache_;
    bool cacheValid_ = false;
    double cacheTwipsPerPixel_ = 0;
    std::size_t renderedCount_ = 0;  // display list entries already in cache_
    DirtyRects dirty_;               // drawn since the last paint that showed it
    DirtyRects unrequested_;         // drawn in a command, no repaint asked for yet
    bool repaintRequestPosted_ = false;
    int commandDepth_ = 0;          // open CommandScopes
    QElapsedTimer shownInCommand_;  // since the command began or last showed the drawing

    std::vector<OverlayLine> overlays_;
};

}  // namespace calorix
