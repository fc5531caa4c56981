#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>

#include "if97/properties.h"
#include "if97/saturation.h"
#include "if97/single_phase.h"
#include "if97/state.h"
#include "numeric/bracketed_root.h"

// The machinery that every state search of IAPWS-IF97 shares: a stretch of
// single-phase states of one region along an isobar or an isotherm (a
// curve with one parameter), a value of v, h or s sampled on it with its
// slope, and the bracketed search for the parameter where the value meets
// a target; with the wet states between the saturated phases. The searches
// along isobars, along isotherms and over pressure build on it.
namespace calorix::if97::detail {

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The bottom of every search over pressure, in MPa: the range has no lower
// pressure, but steam there is an ideal gas whose entropy and volume only
// grow (at 1e-10 MPa s is above 14 kJ/(kg K) even at 273.15 K).
inline constexpr double kLowestPressure = 1e-10;

// The quick searches stop one Newton step after a step below this
// (relative in T, absolute in ln P).
inline constexpr double kQuickTolerance = 1e-9;

// Steps of the parameter of a search below these end it: temperatures to
// 1e-12 of their value, ln P to 1e-14, densities to 1e-14 of theirs.
inline constexpr double kTemperatureTolerance = 1e-12;
inline constexpr double kLogPressureTolerance = 1e-14;
inline constexpr double kDensityTolerance = 1e-14;

// A value the searches may be asked to reproduce.
enum class Quantity { kV, kH, kS };

inline double ValueOf(const Properties& p, Quantity q) {
    switch (q) {
        case Quantity::kV:
            return p.v;
        case Quantity::kH:
            return p.h;
        case Quantity::kS:
            return p.s;
    }
    return kNaN;
}

inline bool Finite(double a) {
    return std::isfinite(a);
}

// One stretch of single-phase states of one region along an isobar (the
// parameter y is T) or an isotherm (y is ln P, or in region 3 the density).
struct Curve {
    enum Kind { kIsobar, kIsothermInLogP, kIsothermInDensity };
    Kind kind;
    Region region;
    Branch branch;  // region 3 on an isobar below the critical temperature
    double fixed;   // P of an isobar, T of an isotherm
    double lo, hi;  // the parameter's ends, lo < hi
    // The pressures at the ends of an isotherm in ln P.
    double pressureLo = 0, pressureHi = 0;
};

// A state on a curve, one value of it and that value's slope along it.
struct Sample {
    Properties p;
    double value = 0;
    double slope = 0;
};

// A curve of region 3 along an isotherm may leave its ends' densities to be
// found when the curve is searched (NaN until then): the density of the
// vapour at pressureLo and of the liquid at pressureHi. Whether they could
// be found.
bool ResolveEnds(Curve& curve);

// The state at y along the curve (T in K on an isobar, ln P of P in MPa or
// the density in kg/m^3 on an isotherm), its value q and that value's slope
// in y. Nothing where the region has no state there or the value or slope
// is not finite.
std::optional<Sample> Evaluate(const Curve& curve, double y, Quantity q);

// Where along the curve between lo and hi (samples a and b) the value meets
// the target: a bracketed Newton search where the value is monotonic; where
// the slopes at the ends differ in sign, the curve is first split at its
// turning point and the two halves searched in order.
std::optional<Sample> SolveBetween(const Curve& curve, Quantity q, double target, double lo,
                                   const Sample& a, double hi, const Sample& b, double start,
                                   bool mayTurn);

// A state found on a curve: the curve's region and the sample there.
struct Found {
    Region region;
    Sample sample;
};

// The first state along the curves, in their order, whose value is the
// target. Where the target falls in a gap between the ends of two curves
// that meet (the equations of neighbouring regions agree only to within
// their tolerances), the nearer end.
template <std::size_t N>
std::optional<Found> SolveAlong(const std::array<std::optional<Curve>, N>& curves, Quantity q,
                                double target, double (*start)(const Curve&, double)) {
    std::optional<Found> previousEnd;
    for (std::optional<Curve> curve : curves) {
        if (!curve || !ResolveEnds(*curve) || !(curve->lo < curve->hi)) continue;
        const std::optional<Sample> a = Evaluate(*curve, curve->lo, q);
        const std::optional<Sample> b = Evaluate(*curve, curve->hi, q);
        if (!a || !b) continue;
        if (previousEnd && Brackets(previousEnd->sample.value - target, a->value - target)) {
            const bool nearerPrevious =
                std::fabs(previousEnd->sample.value - target) < std::fabs(a->value - target);
            return nearerPrevious ? *previousEnd : Found{curve->region, *a};
        }
        const double guess = start ? start(*curve, target) : kNaN;
        const bool mayTurn = curve->region == Region::kLiquid1 || q == Quantity::kH;
        if (auto found =
                SolveBetween(*curve, q, target, curve->lo, *a, curve->hi, *b, guess, mayTurn)) {
            return Found{curve->region, *found};
        }
        previousEnd = Found{curve->region, *b};
    }
    return std::nullopt;
}

// The wet state of quality x (0 to 1) between the saturated phases.
State WetState(const Saturation& saturation, double x);

// The quality with which a value lies between the saturated phases, or
// nothing outside them.
std::optional<double> Quality(const Saturation& saturation, Quantity q, double value);

}  // namespace calorix::if97::detail
