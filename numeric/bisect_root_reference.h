// The halving search as first written, kept for the tests: it evaluates f at
// both ends and the midpoint on every step. BisectRoot must come out the
// same, bit for bit. Not part of the program.
#pragma once

#include <cmath>
#include <optional>

#include "numeric/bisect_root.h"

namespace calorix::reference {

namespace detail {
inline int Sign(double d) {
    return (d > 0.0) - (d < 0.0);
}
}  // namespace detail

// Three evaluations on every step: f(lo), f(hi), f(mid).
template <class F>
std::optional<double> ThreeEvaluationBisectRoot(F&& f, double target, double lo, double hi,
                                                SearchMeasure measure, CollapseDetection collapse) {
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

}  // namespace calorix::reference
