#pragma once

#include <cmath>
#include <optional>

// The one interval-halving search of the program. Every inverse problem (a
// temperature, a pressure or a dryness fraction from another property) runs
// through it.
namespace calorix {

enum class SearchMeasure {
    kRelative,  // |lo - hi| / lo <= 0.0001: temperature and pressure searches
    kAbsolute,  // |lo - hi| <= 0.001: dryness-fraction searches on [0, 1]
};

enum class CollapseDetection { kOff, kOn };

namespace detail {
inline int Sign(double d) {
    return (d > 0.0) - (d < 0.0);
}
}  // namespace detail

// Finds u in [lo, hi] with f(u) = target. f takes its argument by reference
// (double&): it may change the bracket end or midpoint it is handed, as the
// superheated functions clip a pressure above 22.0891 MPa in place, and the
// search then goes on with the changed value.
//
// Each step forms mid = (lo + hi) / 2, evaluates f at lo, hi and mid in that
// order, moves lo to mid when f(mid) lies on the same side of the target as
// f(lo), then hi to mid when it lies on the same side as f(hi). A bracket
// without a sign change thus collapses in one step. With collapse detection a
// collapsed bracket (lo = hi) gives nothing; otherwise the search ends when
// the measure is within its tolerance and returns lo (so an unbracketed
// search returns the midpoint of its initial bracket).
//
// A step that moves neither end would repeat forever: f(mid) hit the target
// exactly, or f(mid) lies on the other side of both ends. The search then
// ends with mid.
template <class F>
std::optional<double> BisectRoot(F&& f, double target, double lo, double hi, SearchMeasure measure,
                                 CollapseDetection collapse) {
    for (;;) {
        const double lo0 = lo;
        const double hi0 = hi;
        double mid = (lo + hi) / 2;
        const int signLo = detail::Sign(f(lo) - target);
        const int signHi = detail::Sign(f(hi) - target);
        const int signMid = detail::Sign(f(mid) - target);
        if (signMid == signLo) lo = mid;
        if (signMid == signHi) hi = mid;

        // A bracket end that is not a number can never close in.
        if (std::isnan(lo) || std::isnan(hi)) {
            if (collapse == CollapseDetection::kOn) return std::nullopt;
            return mid;
        }
        const double width = std::fabs(lo - hi);
        if (collapse == CollapseDetection::kOn && width == 0.0) return std::nullopt;
        if (measure == SearchMeasure::kRelative ? width / lo <= 0.0001 : width <= 0.001) return lo;
        if (lo == lo0 && hi == hi0) return mid;
    }
}

}  // namespace calorix
