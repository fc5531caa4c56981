#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
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

// The side of the target on which f(u) lies, and whether evaluating f left u
// exactly as it was (the same bits). Only then does the side belong to u as
// it now stands and can stand for another evaluation at u.
struct Side {
    int sign;
    bool kept;
};

template <class F>
Side SideOf(F& f, double target, double& u) {
    const std::uint64_t before = std::bit_cast<std::uint64_t>(u);
    const int sign = Sign(f(u) - target);
    return {sign, std::bit_cast<std::uint64_t>(u) == before};
}
}  // namespace detail

// Finds u in [lo, hi] with f(u) = target. f takes its argument by reference
// (double&): it may change the bracket end or midpoint it is handed, as the
// superheated functions clip a pressure above 22.0891 MPa in place, and the
// search then goes on with the changed value. f must give the same value
// for the same argument every time.
//
// Each step forms mid = (lo + hi) / 2 and takes the sides of the target on
// which f lies at lo, hi and mid in that order, moves lo to mid when f(mid)
// lies on the same side of the target as f(lo), then hi to mid when it lies
// on the same side as f(hi). A bracket without a sign change thus collapses
// in one step. With collapse detection a collapsed bracket (lo = hi) gives
// nothing; otherwise the search ends when the measure is within its
// tolerance and returns lo (so an unbracketed search returns the midpoint of
// its initial bracket).
//
// A bracket end keeps the side it had at the step before (as an end or as
// that step's midpoint) when that evaluation left its argument unchanged:
// f would give the same value there again. So a step costs one evaluation,
// at its midpoint; an end that f changed (a clipped pressure) is evaluated
// again at the next step, with its changed value, as a fresh end would be.
//
// A step that moves neither end would repeat forever: f(mid) hit the target
// exactly, or f(mid) lies on the other side of both ends. The search then
// ends with mid.
template <class F>
std::optional<double> BisectRoot(F&& f, double target, double lo, double hi, SearchMeasure measure,
                                 CollapseDetection collapse) {
    detail::Side sideLo{0, false};
    detail::Side sideHi{0, false};
    for (;;) {
        const double lo0 = lo;
        const double hi0 = hi;
        double mid = (lo + hi) / 2;
        if (!sideLo.kept) sideLo = detail::SideOf(f, target, lo);
        if (!sideHi.kept) sideHi = detail::SideOf(f, target, hi);
        const detail::Side sideMid = detail::SideOf(f, target, mid);
        // A moved end takes the midpoint's side; its sign is the same.
        if (sideMid.sign == sideLo.sign) {
            lo = mid;
            sideLo = sideMid;
        }
        if (sideMid.sign == sideHi.sign) {
            hi = mid;
            sideHi = sideMid;
        }

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
