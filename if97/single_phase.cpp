#include "if97/single_phase.h"

#include <cmath>
#include <utility>

#include "if97/b23.h"
#include "if97/constants.h"
#include "if97/region1.h"
#include "if97/region2.h"
#include "if97/region3.h"
#include "if97/region4.h"
#include "if97/region5.h"
#include "numeric/bracketed_root.h"

namespace calorix::if97 {
namespace {

// The ends of every density search of region 3, in kg/m^3, just outside the
// region's densities (113.6 kg/m^3 on B23 at 623.5 K to 762.4 kg/m^3 at
// 623.15 K and 100 MPa). Below the critical temperature the isotherm bends
// down (concave) from the thin end past the vapour spinodal and up (convex)
// from the liquid spinodal to the dense end, so a Newton search from either
// end cannot overshoot the root of its branch; between the spinodals it may
// have three inflections, which no search enters.
constexpr double kThinnest = 100;
constexpr double kDensest = 800;

// Density steps below this (relative) end a search: the pressure is then
// reproduced to about 1e-11 of itself. Region 3's pressure carries rounding
// noise of about 1e-13 of itself (its terms cancel), which a tighter
// tolerance would chase.
constexpr double kDensityTolerance = 1e-12;

// Newton's method on P(rho) - P from the start, where the isotherm between
// the start and the root bends away from the root (convex from the dense
// side, concave from the thin side), so every step lands between the root
// and the previous step. It fails (nothing) when the slope turns flat or
// wrong, which is where the branch ends at a spinodal before the root.
std::optional<double> OneSidedNewton(double T, double P, double rho, int direction) {
    for (int step = 0; step < kMaxBracketSteps; ++step) {
        const Region3Isotherm at = Region3Pressure(rho, T);
        const double miss = at.P - P;
        if (miss == 0) return rho;
        if (!(at.dPdrho > 0)) return std::nullopt;  // the branch has turned
        const double change = -miss / at.dPdrho;
        // Close enough: the pressure's last bits may put it on either side.
        if (std::fabs(change) <= kDensityTolerance * rho) return rho + change;
        // From the dense side the pressure stays above P, from the thin side
        // below; past the root means the branch has turned before it.
        if ((direction < 0 ? miss < 0 : miss > 0) && std::fabs(miss) > 1e-10 * P) {
            return std::nullopt;
        }
        rho += change;
        if (!(rho >= kThinnest && rho <= kDensest)) return std::nullopt;
    }
    return rho;
}

// The densest root: Newton from the dense end downwards.
std::optional<double> DensestRoot(double T, double P) {
    if (!(Region3Pressure(kDensest, T).P > P)) return std::nullopt;
    return OneSidedNewton(T, P, kDensest, -1);
}

// The thinnest root: Newton from the thin end upwards.
std::optional<double> ThinnestRoot(double T, double P) {
    if (!(Region3Pressure(kThinnest, T).P < P)) return std::nullopt;
    return OneSidedNewton(T, P, kThinnest, +1);
}

}  // namespace

bool InRange(double T, double P) {
    if (!(P > 0) || !(T >= kMinTemperature)) return false;
    if (T <= kMaxTemperature) return P <= kMaxPressure;
    return T <= kMaxHighTemperature && P <= kMaxHighPressure;
}

Region RegionOf(double T, double P) {
    if (!InRange(T, P)) return Region::kNone;
    if (T <= kRegion13Temperature) {
        return P >= SaturationPressure(T) ? Region::kLiquid1 : Region::kSteam2;
    }
    if (T <= kB23MaxTemperature && P > B23Pressure(T)) return Region::kNearCritical3;
    if (T <= kMaxTemperature) return Region::kSteam2;
    return Region::kHighTemperature5;
}

std::optional<double> Region3Density(double T, double P, Branch branch) {
    if (!(T > 0) || !(P > 0) || !std::isfinite(T) || !std::isfinite(P)) return std::nullopt;
    if (T >= kCriticalTemperature) {
        // One root: the isotherm rises all the way, with an inflection.
        const double atThinnest = Region3Pressure(kThinnest, T).P - P;
        const double atDensest = Region3Pressure(kDensest, T).P - P;
        if (!Brackets(atThinnest, atDensest)) return std::nullopt;
        const auto pressureMiss = [T, P](double rho) {
            const Region3Isotherm at = Region3Pressure(rho, T);
            return std::pair{at.P - P, at.dPdrho};
        };
        const double start =
            kThinnest - atThinnest * (kDensest - kThinnest) / (atDensest - atThinnest);
        return NewtonBracketedRoot(pressureMiss, kThinnest, kDensest, atThinnest < 0 ? -1 : 1,
                                   start, kDensityTolerance * kCriticalDensity);
    }
    // Below the critical temperature: the root of the branch asked for, or
    // where that branch ends before reaching P, the only root there is.
    if (branch == Branch::kLiquid) {
        if (auto rho = DensestRoot(T, P)) return rho;
        return ThinnestRoot(T, P);
    }
    if (auto rho = ThinnestRoot(T, P)) return rho;
    return DensestRoot(T, P);
}

std::optional<Properties> InRegion(Region region, double T, double P, Branch branch) {
    switch (region) {
        case Region::kLiquid1:
            return Region1(T, P);
        case Region::kSteam2:
            return Region2(T, P);
        case Region::kHighTemperature5:
            return Region5(T, P);
        case Region::kNearCritical3: {
            const std::optional<double> rho = Region3Density(T, P, branch);
            if (!rho) return std::nullopt;
            Properties properties = Region3(*rho, T);
            properties.P = P;  // the pressure asked for, not the search's last bits
            return properties;
        }
        case Region::kNone:
        case Region::kSaturation4:
            break;
    }
    return std::nullopt;
}

std::optional<SinglePhase> AtTemperaturePressure(double T, double P) {
    const Region region = RegionOf(T, P);
    if (region == Region::kNone) return std::nullopt;
    const Branch branch =
        T < kCriticalTemperature && P < SaturationPressure(T) ? Branch::kVapour : Branch::kLiquid;
    const std::optional<Properties> properties = InRegion(region, T, P, branch);
    if (!properties) return std::nullopt;
    return SinglePhase{region, *properties};
}

}  // namespace calorix::if97
