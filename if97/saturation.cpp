#include "if97/saturation.h"

#include "if97/constants.h"
#include "if97/region1.h"
#include "if97/region2.h"
#include "if97/region3.h"
#include "if97/region4.h"
#include "if97/single_phase.h"

namespace calorix::if97 {

double LowestSaturationPressure() {
    static const double lowest = SaturationPressure(kMinTemperature);
    return lowest;
}

double Region12SaturationPressure() {
    static const double pressure = SaturationPressure(kRegion13Temperature);
    return pressure;
}

namespace {

// Both phases on the line at (T, P): regions 1 and 2 up to 623.15 K (by
// the pressure, so that a temperature and its saturation pressure choose
// alike), region 3's two densities of P above it, the critical state at
// the top.
std::optional<Saturation> PhasesAt(double T, double P) {
    if (P <= Region12SaturationPressure()) return Saturation{T, P, Region1(T, P), Region2(T, P)};
    if (T >= kCriticalTemperature) {
        Properties critical = Region3(kCriticalDensity, kCriticalTemperature);
        critical.P = kCriticalPressure;
        return Saturation{kCriticalTemperature, kCriticalPressure, critical, critical};
    }
    const std::optional<double> liquid = Region3Density(T, P, Branch::kLiquid);
    const std::optional<double> vapour = Region3Density(T, P, Branch::kVapour);
    if (!liquid || !vapour) return std::nullopt;
    Saturation saturation{T, P, Region3(*liquid, T), Region3(*vapour, T)};
    saturation.liquid.P = saturation.vapour.P = P;
    return saturation;
}

}  // namespace

std::optional<Saturation> SaturationAtTemperature(double T) {
    if (!(T >= kMinTemperature && T <= kCriticalTemperature)) return std::nullopt;
    return PhasesAt(T, SaturationPressure(T));
}

std::optional<Saturation> SaturationAtPressure(double P) {
    if (!(P >= LowestSaturationPressure() && P <= kCriticalPressure)) return std::nullopt;
    return PhasesAt(SaturationTemperature(P), P);
}

Properties WetMixture(const Saturation& saturation, double x) {
    const Properties& f = saturation.liquid;
    const Properties& g = saturation.vapour;
    Properties wet;
    wet.T = saturation.T;
    wet.P = saturation.P;
    wet.v = f.v + x * (g.v - f.v);
    wet.h = f.h + x * (g.h - f.h);
    wet.s = f.s + x * (g.s - f.s);
    wet.u = f.u + x * (g.u - f.u);
    return wet;
}

}  // namespace calorix::if97
