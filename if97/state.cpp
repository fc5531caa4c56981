#include "if97/state.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "if97/b23.h"
#include "if97/constants.h"
#include "if97/region1.h"
#include "if97/region2.h"
#include "if97/region3.h"
#include "if97/region4.h"
#include "if97/region5.h"
#include "if97/saturation.h"
#include "numeric/bracketed_root.h"

namespace calorix::if97 {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The bottom of every search over pressure, in MPa: the range has no lower
// pressure, but steam there is an ideal gas whose entropy and volume only
// grow (at 1e-10 MPa s is above 14 kJ/(kg K) even at 273.15 K).
constexpr double kLowestPressure = 1e-10;

// The quick searches stop one Newton step after a step below this
// (relative in T, absolute in ln P).
constexpr double kQuickTolerance = 1e-9;

// MPa m^3/kg in kJ/kg: pressure times volume in the energy balances.
constexpr double kKilojoulePerMegapascal = 1000;

// Steps of the parameter of a search below these end it: temperatures to
// 1e-12 of their value, ln P to 1e-14, densities to 1e-14 of theirs.
constexpr double kTemperatureTolerance = 1e-12;
constexpr double kLogPressureTolerance = 1e-14;
constexpr double kDensityTolerance = 1e-14;

// A value the searches may be asked to reproduce.
enum class Quantity { kV, kH, kS };

double ValueOf(const Properties& p, Quantity q) {
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

bool Finite(double a) {
    return std::isfinite(a);
}

double HighestTemperature(double P) {
    return P <= kMaxHighPressure ? kMaxHighTemperature : kMaxTemperature;
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

// Where along the curve between lo and hi (samples a and b) the value meets
// the target: a bracketed Newton search where the value is monotonic; where
// the slopes at the ends differ in sign, the curve is first split at its
// turning point and the two halves searched in order.
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

State WetState(const Saturation& saturation, double x) {
    return State{Region::kSaturation4, WetMixture(saturation, x), x};
}

// The quality with which a value lies between the saturated phases, or
// nothing outside them.
std::optional<double> Quality(const Saturation& saturation, Quantity q, double value) {
    const double liquid = ValueOf(saturation.liquid, q), vapour = ValueOf(saturation.vapour, q);
    if (!(value >= liquid && value <= vapour)) return std::nullopt;
    if (vapour == liquid) return 0.0;  // the critical point
    return (value - liquid) / (vapour - liquid);
}

// ---- Isobars -------------------------------------------------------------

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

// The state of one region on the isobar P that has the value (h or s,
// which rise with temperature along it), or on which side of the region's
// values on the isobar the value lies: -1 below them, +1 above, 0 where the
// region has no states at P or the value falls across the dome between its
// liquid and vapour stretches.
struct RegionAnswer {
    std::optional<State> state;
    int side = 0;
};

RegionAnswer OneRegionAlongIsobar(double P, Quantity q, double target, Region region) {
    const std::optional<Isobar> isobar = IsobarOf(P);
    if (!isobar) return {};
    if (region == Region::kSaturation4) {
        if (!isobar->saturation) return {};
        const double liquid = ValueOf(isobar->saturation->liquid, q);
        const double vapour = ValueOf(isobar->saturation->vapour, q);
        if (target < liquid) return {std::nullopt, -1};
        if (target > vapour) return {std::nullopt, +1};
        return {WetState(*isobar->saturation, *Quality(*isobar->saturation, q, target)), 0};
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

// ---- Isotherms -----------------------------------------------------------

// The single-phase stretches of the isotherm T in the order of pressure: the
// vapour side up to the saturation pressure and the liquid side above it
// (above the critical temperature all of it on the vapour side).
struct Isotherm {
    std::array<std::optional<Curve>, 2> vapour;
    std::optional<Saturation> saturation;
    std::array<std::optional<Curve>, 1> liquid;
};

Curve InLogP(Region region, double T, double Plo, double Phi) {
    return Curve{
        Curve::kIsothermInLogP, region, Branch::kVapour, T, std::log(Plo), std::log(Phi), Plo, Phi};
}

// Region 3 along the isotherm T between two densities, either of which may
// be left NaN for the density of the vapour at Plo or of the liquid at Phi.
Curve InDensity(double T, double rhoLo, double rhoHi, double Plo = 0, double Phi = 0) {
    return Curve{Curve::kIsothermInDensity,
                 Region::kNearCritical3,
                 Branch::kLiquid,
                 T,
                 rhoLo,
                 rhoHi,
                 Plo,
                 Phi};
}

std::optional<Isotherm> IsothermOf(double T) {
    if (!(T >= kMinTemperature && T <= kMaxHighTemperature)) return std::nullopt;
    Isotherm isotherm;
    if (T > kMaxTemperature) {
        isotherm.vapour[0] =
            InLogP(Region::kHighTemperature5, T, kLowestPressure, kMaxHighPressure);
        return isotherm;
    }
    if (T > kB23MaxTemperature) {
        isotherm.vapour[0] = InLogP(Region::kSteam2, T, kLowestPressure, kMaxPressure);
        return isotherm;
    }
    if (T <= kRegion13Temperature) {
        isotherm.saturation = SaturationAtTemperature(T);
        if (!isotherm.saturation) return std::nullopt;
        const double Ps = isotherm.saturation->P;
        isotherm.vapour[0] = InLogP(Region::kSteam2, T, kLowestPressure, Ps);
        isotherm.liquid[0] = InLogP(Region::kLiquid1, T, Ps, kMaxPressure);
        return isotherm;
    }
    const double Pb = B23Pressure(T);
    isotherm.vapour[0] = InLogP(Region::kSteam2, T, kLowestPressure, Pb);
    // Region 3's densities at B23 and at 100 MPa are found only when a
    // search reaches them.
    if (T >= kCriticalTemperature) {
        isotherm.vapour[1] = InDensity(T, kNaN, kNaN, Pb, kMaxPressure);
        return isotherm;
    }
    isotherm.saturation = SaturationAtTemperature(T);
    if (!isotherm.saturation) return std::nullopt;
    isotherm.vapour[1] = InDensity(T, kNaN, 1 / isotherm.saturation->vapour.v, Pb, 0);
    isotherm.liquid[0] = InDensity(T, 1 / isotherm.saturation->liquid.v, kNaN, 0, kMaxPressure);
    return isotherm;
}

// The common case of (T, s) quickly, as a click asks it: steam of one
// region along the whole isotherm below its top pressure (region 2 below
// the saturation pressure up to 623.15 K or up to 100 MPa above 863.15 K,
// region 5 up to 50 MPa). Steam's entropy falls nearly as R ln P, so
// Newton's method in ln P from that estimate takes a few steps. Nothing
// where the state is not such steam: the general search then decides.
std::optional<State> QuickOnIsotherm(double T, Quantity q, double target) {
    if (q != Quantity::kS) return std::nullopt;
    Region region = Region::kSteam2;
    double top = kMaxPressure;
    double atTop = 0;
    if (T >= kMinTemperature && T <= kRegion13Temperature) {
        top = SaturationPressure(T);
        atTop = Region2Entropy(T, top);  // the saturated vapour's
    } else if (T > kB23MaxTemperature && T <= kMaxTemperature) {
        atTop = Region2Entropy(T, top);
    } else if (T > kMaxTemperature && T <= kMaxHighTemperature) {
        region = Region::kHighTemperature5;
        top = kMaxHighPressure;
        atTop = Region5(T, top).s;
    } else {
        return std::nullopt;
    }
    if (!(target > atTop)) return std::nullopt;  // wet, liquid or beyond the top
    const Curve curve = InLogP(region, T, kLowestPressure, top);
    double y = curve.hi - (target - atTop) / kGasConstant;
    for (int step = 0; step < 12 && y >= curve.lo && y <= curve.hi; ++step) {
        const std::optional<Sample> at = Evaluate(curve, y, q);
        if (!at || !(at->slope < 0)) return std::nullopt;
        const double change = (target - at->value) / at->slope;
        if (std::fabs(change) <= kQuickTolerance) {
            y += change;
            if (!(y >= curve.lo && y <= curve.hi)) return std::nullopt;
            const std::optional<Sample> last = Evaluate(curve, y, q);
            if (!last) return std::nullopt;
            return State{region, last->p, std::nullopt};
        }
        y = std::min(y + change, curve.hi);
    }
    return std::nullopt;
}

Solution AlongIsotherm(double T, Quantity q, double target) {
    if (!Finite(T) || !Finite(target) || !(T > 0)) return Failure::kNotANumber;
    if (q == Quantity::kV && !(target > 0)) return Failure::kNotANumber;
    if (const std::optional<State> quick = QuickOnIsotherm(T, q, target)) return *quick;
    const std::optional<Isotherm> isotherm = IsothermOf(T);
    if (!isotherm) return Failure::kOutsideRange;
    // The saturated phases first, so that they are wet states of quality 0
    // and 1; the steam's values lie beyond them, the liquid's at higher
    // pressures.
    if (isotherm->saturation) {
        if (const std::optional<double> x = Quality(*isotherm->saturation, q, target)) {
            return WetState(*isotherm->saturation, *x);
        }
    }
    // Along an isotherm the steam's values lie above the saturated vapour's
    // (v, h and s all fall with pressure there); the liquid's entropy and
    // volume lie below the saturated liquid's, its enthalpy either side.
    const bool belowDome =
        isotherm->saturation && target < ValueOf(isotherm->saturation->liquid, q);
    const bool aboveDome =
        isotherm->saturation && target > ValueOf(isotherm->saturation->vapour, q);
    if (!belowDome) {
        if (const auto found = SolveAlong(isotherm->vapour, q, target, nullptr)) {
            return State{found->region, found->sample.p, std::nullopt};
        }
    }
    if (aboveDome && q != Quantity::kH) return Failure::kOutsideRange;
    if (const auto found = SolveAlong(isotherm->liquid, q, target, nullptr)) {
        return State{found->region, found->sample.p, std::nullopt};
    }
    return Failure::kOutsideRange;
}

// ---- The pairs without T or P --------------------------------------------

// Samples of the outer search over ln P from 1e-10 to 100 MPa.
constexpr int kPressureSamples = 48;

// The logarithms of the pressures sampled: an even grid, and the pressures
// where the regions' stretches of an isobar change (the lowest saturation
// pressure, that of 623.15 K, the critical pressure, the top of region 5),
// since one region's states of a value may lie only around such a corner.
const std::vector<double>& SampledLogPressures() {
    static const std::vector<double> samples = [] {
        const double lo = std::log(kLowestPressure), hi = std::log(kMaxPressure);
        std::vector<double> lnP;
        for (int i = 0; i + 1 < kPressureSamples; ++i) {
            lnP.push_back(lo + i * (hi - lo) / (kPressureSamples - 1));
        }
        // Just either side of each corner: at the corner itself a
        // region's stretch may have no length.
        for (const double corner : {LowestSaturationPressure(), Region12SaturationPressure(),
                                    kCriticalPressure, kMaxHighPressure}) {
            lnP.push_back(std::log(corner) - 1e-7);
            lnP.push_back(std::log(corner) + 1e-7);
        }
        lnP.push_back(hi);
        std::sort(lnP.begin(), lnP.end());
        return lnP;
    }();
    return samples;
}

// An outer value this close to its target (relative) is the target: the
// states along the outer search carry the inner search's rounding.
constexpr double kOuterTolerance = 1e-10;

// The state at one pressure of the inner pair, the outer value's miss, and
// where there is no state, the side the inner value lies on.
struct OuterSample {
    std::optional<State> state;
    double miss = kNaN;
    int side = 0;
};

// The lowest pressure whose state of the inner value (h or s, solved along
// the isobar within one region) has the outer value. The outer value's miss
// is sampled over ln P and refined where it changes sign between two
// samples with states, or between a sample with a state and the edge of
// the pressures that have one; where the region's states of the inner
// value lie wholly between two samples (the inner value is below the
// region's values at one and above them at the other), they are found by
// halving first. Within one region's equation the values are smooth; at
// the edge, where the region ends, they reach its boundary.
template <class Inner>
Solution OverPressure(Inner&& inner, Quantity outer, double target) {
    const double lo = std::log(kLowestPressure), hi = std::log(kMaxPressure);
    const double close = kOuterTolerance * std::max(std::fabs(target), 1.0);
    const auto at = [&](double lnP) {
        OuterSample sample;
        const double P = lnP <= lo ? kLowestPressure : lnP >= hi ? kMaxPressure : std::exp(lnP);
        const RegionAnswer answer = inner(P);
        sample.side = answer.side;
        if (answer.state) {
            sample.state = answer.state;
            sample.miss = ValueOf(answer.state->properties, outer) - target;
        }
        return sample;
    };
    // The first pressure without a state that a search met, if any.
    std::optional<double> hole;
    const auto miss = [&](double lnP) {
        const OuterSample sample = at(lnP);
        if (!sample.state && !hole) hole = lnP;
        return sample.miss;
    };
    // A state between a and b whose misses bracket zero.
    const auto between = [&](double a, double b, double missA,
                             double missB) -> std::optional<State> {
        if (a > b) {
            std::swap(a, b);
            std::swap(missA, missB);
        }
        if (!Brackets(missA, missB)) return std::nullopt;
        hole.reset();
        const std::optional<double> root =
            BrentRoot(miss, a, b, missA, missB, kLogPressureTolerance);
        if (!root) return std::nullopt;
        const OuterSample found = at(*root);
        if (found.state && std::fabs(found.miss) <= close) return found.state;
        return std::nullopt;
    };
    // The last pressure with a state between one with (inside) and one
    // without (outside).
    const auto edge = [&](double inside, double outside) {
        for (int i = 0; i < 64 && std::fabs(outside - inside) > kLogPressureTolerance; ++i) {
            const double middle = 0.5 * (inside + outside);
            (at(middle).state ? inside : outside) = middle;
        }
        return inside;
    };
    // Between a sample with a state and one without: the state at the edge,
    // or the root between the edge and the sample.
    const auto towardsEdge = [&](double insideAt, const OuterSample& inside,
                                 double outsideAt) -> std::optional<State> {
        const double end = edge(insideAt, outsideAt);
        const OuterSample atEnd = at(end);
        if (!atEnd.state) return std::nullopt;
        if (auto state = between(insideAt, end, inside.miss, atEnd.miss)) return state;
        if (std::fabs(atEnd.miss) <= close) return atEnd.state;
        return std::nullopt;
    };
    // Between two samples without states on opposite sides: a pressure
    // between them with a state, by halving on the side.
    const auto window = [&](double a, int sideA, double b) -> std::optional<double> {
        for (int i = 0; i < 64 && std::fabs(b - a) > kLogPressureTolerance; ++i) {
            const double middle = 0.5 * (a + b);
            const OuterSample m = at(middle);
            if (m.state) return middle;
            if (m.side == 0) return std::nullopt;
            (m.side == sideA ? a : b) = middle;
        }
        return std::nullopt;
    };
    double previous = lo;
    OuterSample before = at(lo);
    if (before.state && std::fabs(before.miss) <= close) return *before.state;
    for (const double lnP : SampledLogPressures()) {
        if (lnP <= lo) continue;
        const OuterSample now = at(lnP);
        if (now.state && std::fabs(now.miss) <= close) return *now.state;
        if (before.state && now.state) {
            if (auto state = between(previous, lnP, before.miss, now.miss)) return *state;
            // The search fell into pressures without a state: the region's
            // states of the inner value come in two stretches here; look
            // from each sample towards the hole.
            if (const std::optional<double> gap = hole) {
                if (auto state = towardsEdge(previous, before, *gap)) return *state;
                if (auto state = towardsEdge(lnP, now, *gap)) return *state;
            }
        } else if (before.state) {
            if (auto state = towardsEdge(previous, before, lnP)) return *state;
        } else if (now.state) {
            if (auto state = towardsEdge(lnP, now, previous)) return *state;
        } else if (before.side * now.side < 0) {
            if (const std::optional<double> inside = window(previous, before.side, lnP)) {
                const OuterSample m = at(*inside);
                if (std::fabs(m.miss) <= close) return *m.state;
                if (auto state = towardsEdge(*inside, m, previous)) return *state;
                if (auto state = towardsEdge(*inside, m, lnP)) return *state;
            }
        }
        before = now;
        previous = lnP;
    }
    return Failure::kNoState;
}

// The state of lowest pressure, over the regions one by one, whose inner
// value solved along its isobar gives the outer value.
Solution InEveryRegion(Quantity inner, double innerValue, Quantity outer, double outerValue) {
    std::optional<State> lowest;
    for (const Region region : {Region::kLiquid1, Region::kSaturation4, Region::kNearCritical3,
                                Region::kSteam2, Region::kHighTemperature5}) {
        const Solution solution = OverPressure(
            [&](double P) { return OneRegionAlongIsobar(P, inner, innerValue, region); }, outer,
            outerValue);
        if (const State* state = std::get_if<State>(&solution)) {
            if (!lowest || state->properties.P < lowest->properties.P) lowest = *state;
        }
    }
    if (lowest) return *lowest;
    return Failure::kNoState;
}

}  // namespace

// ---- The pairs -----------------------------------------------------------

Solution FromTP(double T, double P) {
    if (!Finite(T) || !Finite(P) || !(T > 0) || !(P > 0)) return Failure::kNotANumber;
    const std::optional<SinglePhase> state = AtTemperaturePressure(T, P);
    if (!state) return Failure::kOutsideRange;
    return State{state->region, state->properties, std::nullopt};
}

Solution FromTX(double T, double x) {
    if (!Finite(T) || !Finite(x) || !(T > 0)) return Failure::kNotANumber;
    if (!(x >= 0 && x <= 1)) return Failure::kOutsideRange;
    const std::optional<Saturation> saturation = SaturationAtTemperature(T);
    if (!saturation) return Failure::kOutsideRange;
    return WetState(*saturation, x);
}

Solution FromPX(double P, double x) {
    if (!Finite(P) || !Finite(x) || !(P > 0)) return Failure::kNotANumber;
    if (!(x >= 0 && x <= 1)) return Failure::kOutsideRange;
    const std::optional<Saturation> saturation = SaturationAtPressure(P);
    if (!saturation) return Failure::kOutsideRange;
    return WetState(*saturation, x);
}

Solution FromPH(double P, double h) {
    return AlongIsobar(P, Quantity::kH, h);
}

Solution FromPS(double P, double s) {
    return AlongIsobar(P, Quantity::kS, s);
}

Solution FromPV(double P, double v) {
    return AlongIsobar(P, Quantity::kV, v);
}

Solution FromTS(double T, double s) {
    return AlongIsotherm(T, Quantity::kS, s);
}

Solution FromTV(double T, double v) {
    return AlongIsotherm(T, Quantity::kV, v);
}

Solution FromTH(double T, double h) {
    return AlongIsotherm(T, Quantity::kH, h);
}

Solution FromHS(double h, double s) {
    if (!Finite(h) || !Finite(s)) return Failure::kNotANumber;
    return InEveryRegion(Quantity::kS, s, Quantity::kH, h);
}

Solution FromVH(double v, double h) {
    if (!Finite(v) || !Finite(h) || !(v > 0)) return Failure::kNotANumber;
    return InEveryRegion(Quantity::kH, h, Quantity::kV, v);
}

Solution FromVS(double v, double s) {
    if (!Finite(v) || !Finite(s) || !(v > 0)) return Failure::kNotANumber;
    return InEveryRegion(Quantity::kS, s, Quantity::kV, v);
}

}  // namespace calorix::if97
