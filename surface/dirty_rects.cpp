#include "surface/dirty_rects.h"

namespace calorix {
namespace {

// A union at most this many times the area of the rectangles it joins is
// taken as one rectangle.
constexpr long long kJoinFactor = 4;
// Beyond this many rectangles they are kept as their bounding box.
constexpr std::size_t kMaxRects = 32;

long long Area(const QRect& rect) {
    return static_cast<long long>(rect.width()) * rect.height();
}

}  // namespace

void DirtyRects::Add(const QRect& rect) {
    if (rect.isEmpty()) return;
    if (!rects_.empty()) {
        QRect& last = rects_.back();
        const QRect joined = last.united(rect);
        const long long drawn = drawnAreas_.back() + Area(rect);
        if (Area(joined) <= kJoinFactor * drawn) {
            last = joined;
            drawnAreas_.back() = drawn;
            return;
        }
    }
    if (rects_.size() == kMaxRects) {
        QRect bounds = rect;
        for (const QRect& r : rects_)
            bounds |= r;
        rects_.assign(1, bounds);
        drawnAreas_.assign(1, Area(bounds));
        return;
    }
    rects_.push_back(rect);
    drawnAreas_.push_back(Area(rect));
}

QRegion DirtyRects::Region() const {
    QRegion region;
    for (const QRect& rect : rects_)
        region += rect;
    return region;
}

bool DirtyRects::CoveredBy(const QRegion& region) const {
    for (const QRect& rect : rects_) {
        if (!(QRegion(rect) - region).isEmpty()) return false;
    }
    return true;
}

}  // namespace calorix
