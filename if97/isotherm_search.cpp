#include "if97/isotherm_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "if97/b23.h"
#include "if97/constants.h"
#include "if97/region2.h"
#include "if97/region4.h"
#include "if97/region5.h"
#include "if97/saturation.h"
#include "if97/single_phase.h"

// The isotherm's stretches of each region in the order of pressure, and the
// quick path for steam's entropy.
namespace calorix::if97::detail {
namespace {

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

}  // namespace

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

}  // namespace calorix::if97::detail
