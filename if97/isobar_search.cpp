#include "if97/isobar_search.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <optional>

#include "if97/b23.h"
#include "if97/constants.h"
#include "if97/region1.h"
#include "if97/region2.h"
#include "if97/region4.h"
#include "if97/saturation.h"

// The isobar's stretches of each region in the order of temperature, the
// backward equations that start the searches on regions 1 and 2, and the
// quick path for the common states outside the dome.
namespace calorix::if97::detail {
namespace {

double HighestTemperature(double P) {
    return P <= kMaxHighPressure ? kMaxHighTemperature : kMaxTemperature;
}

// The single-phase stretches of the isobar P, in the order of temperature:
// the liquid side (up to the saturation temperature, or all below the
// regions 2 and 3 above the critical pressure) and the vapour side.
struct Isobar {
    std::array<std::optional<Curve>, 2> liquid;
    std::optional<Saturation> saturation;
    std::array<std::optional<Curve>, 3> vapour;
};

Curve IsobarCurve(Region region, Branch branch, double P, double lo, double hi) {
    return Curve{Curve::kIsobar, region, branch, P, lo, hi, 0, 0};
}

std::optional<Isobar> IsobarOf(double P) {
    if (!(P > 0 && P <= kMaxPressure)) return std::nullopt;
    Isobar isobar;
    const double top = HighestTemperature(P);
    std::optional<Curve> highTemperature;
    if (top > kMaxTemperature) {
        highTemperature =
            IsobarCurve(Region::kHighTemperature5, Branch::kVapour, P, kMaxTemperature, top);
    }
    if (P < LowestSaturationPressure()) {
        isobar.vapour = {
            IsobarCurve(Region::kSteam2, Branch::kVapour, P, kMinTemperature, kMaxTemperature),
            highTemperature, std::nullopt};
        return isobar;
    }
    const Curve lowLiquid =
        IsobarCurve(Region::kLiquid1, Branch::kLiquid, P, kMinTemperature, kRegion13Temperature);
    if (P < kCriticalPressure) {
        isobar.saturation = SaturationAtPressure(P);
        if (!isobar.saturation) return std::nullopt;
        const double Ts = isobar.saturation->T;
        // Regions 1 and 2 meet on the line up to its pressure at 623.15 K.
        if (P <= Region12SaturationPressure()) {
            isobar.liquid = {IsobarCurve(Region::kLiquid1, Branch::kLiquid, P, kMinTemperature, Ts),
                             std::nullopt};
            isobar.vapour = {IsobarCurve(Region::kSteam2, Branch::kVapour, P, Ts, kMaxTemperature),
                             highTemperature, std::nullopt};
            return isobar;
        }
        const double Tb = B23Temperature(P);
        isobar.liquid = {lowLiquid, IsobarCurve(Region::kNearCritical3, Branch::kLiquid, P,
                                                kRegion13Temperature, Ts)};
        isobar.vapour = {IsobarCurve(Region::kNearCritical3, Branch::kVapour, P, Ts, Tb),
                         IsobarCurve(Region::kSteam2, Branch::kVapour, P, Tb, kMaxTemperature),
                         highTemperature};
        return isobar;
    }
    const double Tb = B23Temperature(P);
    isobar.liquid = {lowLiquid, IsobarCurve(Region::kNearCritical3, Branch::kLiquid, P,
                                            kRegion13Temperature, Tb)};
    isobar.vapour = {IsobarCurve(Region::kSteam2, Branch::kVapour, P, Tb, kMaxTemperature),
                     highTemperature, std::nullopt};
    return isobar;
}

// The backward equations' temperature, where the curve has one.
double BackwardStart(const Curve& curve, double target, Quantity q) {
    const double P = curve.fixed;
    if (curve.region == Region::kLiquid1) {
        return q == Quantity::kH ? Region1TemperatureOfPH(P, target)
                                 : Region1TemperatureOfPS(P, target);
    }
    if (curve.region == Region::kSteam2) {
        return q == Quantity::kH ? Region2TemperatureOfPH(P, target)
                                 : Region2TemperatureOfPS(P, target);
    }
    return kNaN;
}

double EnthalpyStart(const Curve& curve, double h) {
    return BackwardStart(curve, h, Quantity::kH);
}

double EntropyStart(const Curve& curve, double s) {
    return BackwardStart(curve, s, Quantity::kS);
}

// The common case of (P, h) and (P, s) quickly: an isobar of regions 1 and
// 2 and a value outside the dome. The saturated phases' value alone decides
// the side (without their other properties), the backward equation starts
// Newton's method on the side's basic equation, and the state is taken when
// it lies on that side's stretch of the isobar. Nothing otherwise: the
// general search then decides.
std::optional<State> QuickOnIsobar(double P, Quantity q, double target) {
    if (q == Quantity::kV ||
        !(P > LowestSaturationPressure() && P <= Region12SaturationPressure())) {
        return std::nullopt;
    }
    const double Ts = SaturationTemperature(P);
    const bool h = q == Quantity::kH;
    const double liquid = h ? Region1Enthalpy(Ts, P) : Region1Entropy(Ts, P);
    const double vapour = h ? Region2Enthalpy(Ts, P) : Region2Entropy(Ts, P);
    if (!(target < liquid || target > vapour)) return std::nullopt;  // wet
    const bool steam = target > vapour;
    const Curve curve =
        steam ? IsobarCurve(Region::kSteam2, Branch::kVapour, P, Ts, kMaxTemperature)
              : IsobarCurve(Region::kLiquid1, Branch::kLiquid, P, kMinTemperature, Ts);
    double T = BackwardStart(curve, target, q);
    for (int step = 0; step < 8 && T >= curve.lo && T <= curve.hi; ++step) {
        const std::optional<Sample> at = Evaluate(curve, T, q);
        if (!at || at->slope <= 0) return std::nullopt;
        const double change = (target - at->value) / at->slope;
        T += change;
        // Within 1e-9 of T Newton's next step leaves an error of its square:
        // the state there is the answer, to the last bits.
        if (std::fabs(change) <= kQuickTolerance * T) {
            if (!(T >= curve.lo && T <= curve.hi)) return std::nullopt;
            const std::optional<Sample> last = Evaluate(curve, T, q);
            if (!last) return std::nullopt;
            return State{curve.region, last->p, std::nullopt};
        }
    }
    return std::nullopt;
}

}  // namespace

Solution AlongIsobar(double P, Quantity q, double target) {
    if (!Finite(P) || !Finite(target) || !(P > 0)) return Failure::kNotANumber;
    if (q == Quantity::kV && !(target > 0)) return Failure::kNotANumber;
    if (const std::optional<State> quick = QuickOnIsobar(P, q, target)) return *quick;
    const std::optional<Isobar> isobar = IsobarOf(P);
    if (!isobar) return Failure::kOutsideRange;
    double (*start)(const Curve&, double) = q == Quantity::kH   ? EnthalpyStart
                                            : q == Quantity::kS ? EntropyStart
                                                                : nullptr;
    // The phase by the saturated phases' own values, not by any temperature.
    if (isobar->saturation) {
        if (const std::optional<double> x = Quality(*isobar->saturation, q, target)) {
            return WetState(*isobar->saturation, *x);
        }
    }
    // Along an isobar the liquid's values lie below the saturated liquid's
    // and the steam's above the saturated vapour's: only one side can hold
    // a value outside the dome.
    const bool aboveDome = isobar->saturation && target > ValueOf(isobar->saturation->vapour, q);
    const bool belowDome = isobar->saturation && target < ValueOf(isobar->saturation->liquid, q);
    if (!aboveDome) {
        if (const auto found = SolveAlong(isobar->liquid, q, target, start)) {
            return State{found->region, found->sample.p, std::nullopt};
        }
    }
    if (belowDome) return Failure::kOutsideRange;
    if (const auto found = SolveAlong(isobar->vapour, q, target, start)) {
        return State{found->region, found->sample.p, std::nullopt};
    }
    return Failure::kOutsideRange;
}

RegionAnswer OneRegionAlongIsobar(double P, Quantity q, double target, Region region) {
    const std::optional<Isobar> isobar = IsobarOf(P);
    if (!isobar) return {};
    if (region == Region::kSaturation4) {
        if (!isobar->saturation) return {};
        const double liquid = ValueOf(isobar->saturation->liquid, q);
        const double vapour = ValueOf(isobar->saturation->vapour, q);
        if (target < liquid) return {std::nullopt, -1};
        if (target > vapour) return {std::nullopt, +1};
        // A value that is no number lies on neither side and has no quality.
        const std::optional<double> x = Quality(*isobar->saturation, q, target);
        if (!x) return {};
        return {WetState(*isobar->saturation, *x), 0};
    }
    std::array<Curve, 3> curves;
    std::size_t count = 0;
    for (const auto* side : {&isobar->liquid[0], &isobar->liquid[1], &isobar->vapour[0],
                             &isobar->vapour[1], &isobar->vapour[2]}) {
        if (*side && (*side)->region == region && (*side)->lo < (*side)->hi) {
            curves[count++] = **side;
        }
    }
    if (count == 0) return {};
    const std::optional<Sample> first = Evaluate(curves[0], curves[0].lo, q);
    const std::optional<Sample> last = Evaluate(curves[count - 1], curves[count - 1].hi, q);
    if (!first || !last) return {};
    if (target < first->value) return {std::nullopt, -1};
    if (target > last->value) return {std::nullopt, +1};
    double (*start)(const Curve&, double) = q == Quantity::kH ? EnthalpyStart : EntropyStart;
    for (std::size_t i = 0; i < count; ++i) {
        const Curve& curve = curves[i];
        const std::optional<Sample> a = i == 0 ? first : Evaluate(curve, curve.lo, q);
        const std::optional<Sample> b = i + 1 == count ? last : Evaluate(curve, curve.hi, q);
        if (!a || !b) continue;
        if (auto found = SolveBetween(curve, q, target, curve.lo, *a, curve.hi, *b,
                                      start(curve, target), false)) {
            return {State{region, found->p, std::nullopt}, 0};
        }
    }
    return {};
}

}  // namespace calorix::if97::detail
