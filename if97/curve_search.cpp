#include "if97/curve_search.h"

#include <cmath>
#include <optional>
#include <utility>

#include "if97/region3.h"
#include "if97/single_phase.h"
#include "numeric/bracketed_root.h"

// The search along one curve of single-phase states: how a state and its
// value's slope are evaluated at a parameter of the curve, and the
// bracketed Newton search between two of them.
namespace calorix::if97::detail {
namespace {

// MPa m^3/kg in kJ/kg: pressure times volume in the energy balances.
constexpr double kKilojoulePerMegapascal = 1000;

}  // namespace

bool ResolveEnds(Curve& curve) {
    if (curve.kind != Curve::kIsothermInDensity) return true;
    if (std::isnan(curve.lo)) {
        const std::optional<double> rho =
            Region3Density(curve.fixed, curve.pressureLo, Branch::kVapour);
        if (!rho) return false;
        curve.lo = *rho;
    }
    if (std::isnan(curve.hi)) {
        const std::optional<double> rho =
            Region3Density(curve.fixed, curve.pressureHi, Branch::kLiquid);
        if (!rho) return false;
        curve.hi = *rho;
    }
    return true;
}

std::optional<Sample> Evaluate(const Curve& curve, double y, Quantity q) {
    Sample sample;
    switch (curve.kind) {
        case Curve::kIsobar: {
            const std::optional<Properties> p =
                InRegion(curve.region, y, curve.fixed, curve.branch);
            if (!p) return std::nullopt;
            sample.p = *p;
            // Along an isobar: dh/dT = cp, ds/dT = cp / T.
            sample.slope = q == Quantity::kH ? p->cp : q == Quantity::kS ? p->cp / y : p->dvdT;
            break;
        }
        case Curve::kIsothermInLogP: {
            // The ends are the pressures themselves, not exp(ln P).
            const double P = y <= curve.lo   ? curve.pressureLo
                             : y >= curve.hi ? curve.pressureHi
                                             : std::exp(y);
            const std::optional<Properties> p = InRegion(curve.region, curve.fixed, P);
            if (!p) return std::nullopt;
            sample.p = *p;
            sample.p.P = P;
            // d/d(ln P) = P d/dP at constant T: dh/dP = v - T dv/dT and
            // ds/dP = -dv/dT (a Maxwell relation).
            const double T = curve.fixed;
            sample.slope = q == Quantity::kH   ? kKilojoulePerMegapascal * P * (p->v - T * p->dvdT)
                           : q == Quantity::kS ? -kKilojoulePerMegapascal * P * p->dvdT
                                               : P * p->dvdP;
            break;
        }
        case Curve::kIsothermInDensity: {
            sample.p = Region3(y, curve.fixed);
            const Properties& p = sample.p;
            // d/d(rho) = -v^2 d/dv at constant T, with (dP/dv) = 1 / (dv/dP)
            // and (dP/dT)_v = -(dv/dT) / (dv/dP).
            const double T = curve.fixed, v2 = p.v * p.v;
            sample.slope = q == Quantity::kH
                               ? kKilojoulePerMegapascal * v2 * (T * p.dvdT - p.v) / p.dvdP
                           : q == Quantity::kS ? kKilojoulePerMegapascal * v2 * p.dvdT / p.dvdP
                                               : -v2;
            break;
        }
    }
    sample.value = ValueOf(sample.p, q);
    if (!Finite(sample.value) || !Finite(sample.slope)) return std::nullopt;
    return sample;
}

namespace {

double Tolerance(const Curve& curve, double y) {
    switch (curve.kind) {
        case Curve::kIsobar:
            return kTemperatureTolerance * y;
        case Curve::kIsothermInLogP:
            return kLogPressureTolerance;
        case Curve::kIsothermInDensity:
            return kDensityTolerance * y;
    }
    return 0;
}

}  // namespace

std::optional<Sample> SolveBetween(const Curve& curve, Quantity q, double target, double lo,
                                   const Sample& a, double hi, const Sample& b, double start,
                                   bool mayTurn) {
    const double tolerance = Tolerance(curve, hi);
    if (mayTurn && a.slope * b.slope < 0) {
        const auto slopeAt = [&](double y) {
            const std::optional<Sample> s = Evaluate(curve, y, q);
            return s ? s->slope : kNaN;
        };
        const std::optional<double> turn = BrentRoot(slopeAt, lo, hi, a.slope, b.slope, tolerance);
        if (turn) {
            if (const std::optional<Sample> t = Evaluate(curve, *turn, q)) {
                if (auto found = SolveBetween(curve, q, target, lo, a, *turn, *t, kNaN, false)) {
                    return found;
                }
                return SolveBetween(curve, q, target, *turn, *t, hi, b, kNaN, false);
            }
        }
    }
    const double missLo = a.value - target, missHi = b.value - target;
    if (missLo == 0) return a;
    if (missHi == 0) return b;
    if (!Brackets(missLo, missHi)) return std::nullopt;
    if (!(start > lo && start < hi)) start = lo + missLo * (hi - lo) / (missLo - missHi);
    bool failed = false;
    const auto miss = [&](double y) {
        const std::optional<Sample> at = Evaluate(curve, y, q);
        if (!at) failed = true;
        return at ? std::pair{at->value - target, at->slope} : std::pair{0.0, 0.0};
    };
    const double y = NewtonBracketedRoot(miss, lo, hi, missLo < 0 ? -1 : 1, start, tolerance);
    if (failed) return std::nullopt;
    return Evaluate(curve, y, q);
}

State WetState(const Saturation& saturation, double x) {
    return State{Region::kSaturation4, WetMixture(saturation, x), x};
}

std::optional<double> Quality(const Saturation& saturation, Quantity q, double value) {
    const double liquid = ValueOf(saturation.liquid, q), vapour = ValueOf(saturation.vapour, q);
    if (!(value >= liquid && value <= vapour)) return std::nullopt;
    if (vapour == liquid) return 0.0;  // the critical point
    return (value - liquid) / (vapour - liquid);
}

}  // namespace calorix::if97::detail
