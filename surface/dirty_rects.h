#pragma once

#include <QRect>
#include <QRegion>
#include <cstddef>
#include <vector>

namespace calorix {

// The part of a window drawn on and not yet shown, kept as a few rectangles.
// The primitives of a line follow each other, so each new rectangle joins the
// last one while their union is not much larger than the rectangles joined in
// it; a slanting
// line across the window thus becomes a short staircase of rectangles rather
// than its whole bounding box, and a long curve costs a few dozen rectangles
// rather than one region operation per segment.
class DirtyRects {
  public:
    void Add(const QRect& rect);
    void Clear() {
        rects_.clear();
        drawnAreas_.clear();
    }
    bool Empty() const { return rects_.empty(); }
    const std::vector<QRect>& Rects() const { return rects_; }
    QRegion Region() const;
    // Whether every rectangle lies in `region`.
    bool CoveredBy(const QRegion& region) const;

  private:
    std::vector<QRect> rects_;
    std::vector<long long> drawnAreas_;  // of the rectangles joined in each
};

}  // namespace calorix
