// The searches as first written, kept for the tests: the halving search that
// evaluates f at both ends and the midpoint on every step, and the searches,
// the panel's pressure search and the constructions built on it over the
// first property model (steam/formula_reference.h). The program's searches
// and plans must come out the same, bit for bit. Not part of the program.
#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "lines/bisect_root.h"
#include "lines/current_point.h"
#include "lines/plan.h"

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

std::optional<double> DrynessFraction(double liquid, double span, double target);
std::optional<double> TemperatureOfEntropy(double P, double s, CollapseDetection collapse);
std::optional<double> TemperatureOfEnthalpy(double P, double h, CollapseDetection collapse);
std::optional<double> PressureOfVolume(double T, double v, CollapseDetection collapse);
std::optional<double> PressureOfEnthalpy(double T, double h, CollapseDetection collapse);
std::optional<double> SuperheatedPressure(double T, double s);

Plan Isobar(double P, const std::string& pText, CurrentPoint& point);
Plan Isochore(double v, const std::string& vText);
Plan Isenthalp(double h, const std::string& hText);

}  // namespace calorix::reference
