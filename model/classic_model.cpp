// The chart's correlations behind the property model's interface: the
// states the chart itself describes, computed as the chart computes them.
// Wet states take the mixture of the saturated values at T; steam the
// superheated correlations, with the chart's halving searches (to 1e-4 of
// the pressure or temperature) where a pair needs one. The correlations
// have no compressed liquid, so a liquid state is outside them. The pairs
// the chart leaves to its crossing search ((P, v), (P, h), (v, h), (v, s),
// (h, s)) give that search's state of lowest temperature.
#include <cmath>
#include <utility>

#include "model/correlation_crossings.h"
#include "model/property_model.h"
#include "model/property_searches.h"
#include "model/state_region.h"
#include "numeric/bracketed_root.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

// The pressures of the superheated correlations, in MPa.
double LowestPressure() {
    static const double lowest = SatPressure(kTriplePointTemperature);
    return lowest;
}

const NoState kOutside{NoStateReason::kOutsideModel, "outside the chart's correlations"};
const NoState kNoLiquid{NoStateReason::kOutsideModel,
                        "a liquid state, which the chart's correlations do not give"};
const NoState kNone{NoStateReason::kNoState,
                    "no state of the chart's correlations has both values"};
const NoState kNotANumber{NoStateReason::kNotANumber, "a value is not a finite positive number"};

bool SaturatedTemperature(double T) {
    return T >= kTriplePointTemperature && T <= kCriticalTemperature;
}

bool SuperheatedRange(double T, double P) {
    return T >= kTriplePointTemperature && T <= kSearchTopTemperature && P >= LowestPressure() &&
           P <= kCriticalPressure;
}

// The wet state of quality x at T: the panel's mixture of the saturated
// values, at the pressure SatPressure(T).
State Wet(double T, double x) {
    State state;
    state.phase = Phase::kWet;
    state.T = T;
    state.P = SatPressure(T);
    const double vf = SatLiquidVolume(T), hf = SatLiquidEnthalpy(T), sf = SatLiquidEntropy(T);
    state.v = vf + x * (double(SatVaporVolume(T)) - vf);
    state.h = hf + x * (double(SatVaporEnthalpy(T)) - hf);
    state.s = sf + x * (double(SatVaporEntropy(T)) - sf);
    state.u = state.h - 1000 * state.P * state.v;  // MPa m^3/kg = 1000 kJ/kg
    state.x = x;
    return state;
}

// Superheated steam at (T, P); P as given, never clipped.
State Steam(double T, double P) {
    State state;
    state.phase = Phase::kSteam;
    state.T = T;
    state.P = P;
    double copy = P;
    state.v = SuperheatedVolume(T, copy);
    copy = P;
    state.h = SuperheatedEnthalpy(T, copy);
    copy = P;
    state.s = SuperheatedEntropy(T, copy);
    state.u = state.h - 1000 * P * state.v;
    return state;
}

// The saturated liquid and vapour values of a property at T.
struct Saturated {
    double liquid;
    double vapour;
};
Saturated SaturatedValues(Property property, double T) {
    switch (property) {
        case Property::kV:
            return {SatLiquidVolume(T), SatVaporVolume(T)};
        case Property::kH:
            return {SatLiquidEnthalpy(T), SatVaporEnthalpy(T)};
        default:
            return {SatLiquidEntropy(T), SatVaporEntropy(T)};
    }
}

// The quality at which the value lies between the saturated values at T.
std::optional<double> Quality(Property property, double T, double value) {
    if (!(T <= kCriticalTemperature)) return std::nullopt;
    const Saturated sat = SaturatedValues(property, T);
    if (!(value >= sat.liquid && value <= sat.vapour)) return std::nullopt;
    return (value - sat.liquid) / (sat.vapour - sat.liquid);
}

// The temperature in K whose SatPressure is P, the crossing search's wet
// temperature of a pressure.
std::optional<double> WetTemperature(double P) {
    const auto miss = [P](double T) { return SatPressure(T) - P; };
    const double lo = kTriplePointTemperature, hi = kCriticalTemperature;
    return BrentRoot(miss, lo, hi, miss(lo), miss(hi), 1e-12 * hi);
}

StateOrWhy SteamAt(double T, std::optional<double> P) {
    if (!P) return kNone;
    return Steam(T, *P);
}

// (T, v), (T, h): wet between the saturated values at T, steam above them by
// the chart's pressure search, liquid below.
StateOrWhy AlongIsotherm(double T, Property property, double value) {
    if (!(T >= kTriplePointTemperature && T <= kSearchTopTemperature)) return kOutside;
    if (const std::optional<double> x = Quality(property, T, value)) return Wet(T, *x);
    if (T <= kCriticalTemperature && value < SaturatedValues(property, T).liquid) return kNoLiquid;
    return SteamAt(T, property == Property::kV
                          ? PressureOfVolume(T, value, CollapseDetection::kOn)
                          : PressureOfEnthalpy(T, value, CollapseDetection::kOn));
}

StateOrWhy FromTS(double T, double s) {
    if (!(T >= kTriplePointTemperature && T <= kSearchTopTemperature)) return kOutside;
    if (const std::optional<double> x = Quality(Property::kS, T, s)) return Wet(T, *x);
    if (StateRegion(s, T) != kSuperheated) return kNoLiquid;
    return SteamAt(T, SuperheatedPressure(T, s));
}

StateOrWhy FromPS(double P, double s) {
    if (!(P >= LowestPressure() && P <= kCriticalPressure)) return kOutside;
    const std::optional<double> T = WetTemperature(P);
    if (!T) return kOutside;
    if (const std::optional<double> x = Quality(Property::kS, *T, s)) return Wet(*T, *x);
    if (s < double(SatLiquidEntropy(*T))) return kNoLiquid;
    const std::optional<double> found = TemperatureOfEntropy(P, s, CollapseDetection::kOn);
    if (!found) return kNone;
    return Steam(*found, P);
}

StateOrWhy FromTP(double T, double P) {
    if (!SuperheatedRange(T, P)) return kOutside;
    const State steam = Steam(T, P);
    if (!(steam.s > double(SatVaporEntropy(T)))) return kNoLiquid;
    return steam;
}

StateOrWhy FromCrossing(Property first, double a, Property second, double b) {
    const std::vector<ModelState> states =
        FindModelCrossings(static_cast<int>(first), static_cast<int>(second), a, b);
    if (states.empty()) return kNone;
    const ModelState& lowest = states.front();
    if (lowest.x) return Wet(lowest.T, *lowest.x);
    return Steam(lowest.T, lowest.P);
}

class Classic final : public PropertyModel {
  public:
    ModelKind Kind() const override { return ModelKind::kClassic; }
    std::string_view Name() const override { return "classic"; }

  protected:
    StateOrWhy StateOfPair(Property first, double a, Property second, double b) const override {
        if (!std::isfinite(a) || !std::isfinite(b)) return kNotANumber;
        using enum Property;
        switch (second) {
            case kP:
                return FromTP(a, b);
            case kX:
                if (!(b >= 0 && b <= 1)) return kOutside;
                if (first == kT) return SaturatedTemperature(a) ? StateOrWhy(Wet(a, b)) : kOutside;
                if (first == kP) {
                    const std::optional<double> T = WetTemperature(a);
                    return T ? StateOrWhy(Wet(*T, b)) : kOutside;
                }
                return NoState{NoStateReason::kUnsupportedPair,
                               "the quality goes with T or P only"};
            case kS:
                if (first == kT) return FromTS(a, b);
                if (first == kP) return FromPS(a, b);
                break;
            case kV:
            case kH:
                if (first == kT) return AlongIsotherm(a, second, b);
                break;
            case kT:
                break;
        }
        return FromCrossing(first, a, second, b);
    }

  public:
    std::optional<Saturation> SaturationAtTemperature(double T) const override {
        if (!SaturatedTemperature(T)) return std::nullopt;
        return Saturation{T, SatPressure(T), Wet(T, 0), Wet(T, 1)};
    }

    std::optional<Saturation> SaturationAtPressure(double P) const override {
        if (!(P >= LowestPressure() && P <= kCriticalPressure)) return std::nullopt;
        const std::optional<double> T = WetTemperature(P);
        if (!T) return std::nullopt;
        return Saturation{*T, P, Wet(*T, 0), Wet(*T, 1)};
    }

    std::optional<Phase> PhaseAt(double T, double s) const override {
        switch (StateRegion(s, T)) {
            case kLiquid:
                return Phase::kLiquid;
            case kWetMixture:
                return Phase::kWet;
            case kSuperheated:
                return Phase::kSteam;
            default:
                return std::nullopt;
        }
    }
};

}  // namespace

const PropertyModel& ClassicModel() {
    static const Classic model;
    return model;
}

}  // namespace calorix
