#include "model/if97_model.h"

#include <utility>

#include "if97/constants.h"
#include "if97/region4.h"
#include "if97/saturation.h"

namespace calorix {
namespace {

NoState WhyNot(if97::Failure failure) {
    switch (failure) {
        case if97::Failure::kNotANumber:
            return {NoStateReason::kNotANumber, "a value is not a finite positive number"};
        case if97::Failure::kOutsideRange:
            return {NoStateReason::kOutsideModel, "outside IAPWS-IF97"};
        case if97::Failure::kNoState:
            break;
    }
    return {NoStateReason::kNoState, "no state of IAPWS-IF97 has both values"};
}

// A saturated phase: a wet state of quality 0 or 1 with every property of
// its single phase.
State SaturatedPhase(const if97::Properties& p, double x) {
    State state = ModelState(if97::State{if97::Region::kLiquid1, p, std::nullopt});
    state.phase = Phase::kWet;
    state.x = x;
    return state;
}

std::optional<Saturation> FromIf97(const std::optional<if97::Saturation>& saturation) {
    if (!saturation) return std::nullopt;
    return Saturation{saturation->T, saturation->P, SaturatedPhase(saturation->liquid, 0),
                      SaturatedPhase(saturation->vapour, 1)};
}

class If97 final : public PropertyModel {
  public:
    ModelKind Kind() const override { return ModelKind::kIf97; }
    std::string_view Name() const override { return "if97"; }

  protected:
    StateOrWhy StateOfPair(Property first, double a, Property second, double b) const override {
        const auto pair = [first, second](Property p, Property q) {
            return first == p && second == q;
        };
        using enum Property;
        if97::Solution solution = if97::Failure::kNoState;
        if (pair(kT, kP)) {
            solution = if97::FromTP(a, b);
        } else if (pair(kT, kV)) {
            solution = if97::FromTV(a, b);
        } else if (pair(kT, kH)) {
            solution = if97::FromTH(a, b);
        } else if (pair(kT, kS)) {
            solution = if97::FromTS(a, b);
        } else if (pair(kT, kX)) {
            solution = if97::FromTX(a, b);
        } else if (pair(kP, kV)) {
            solution = if97::FromPV(a, b);
        } else if (pair(kP, kH)) {
            solution = if97::FromPH(a, b);
        } else if (pair(kP, kS)) {
            solution = if97::FromPS(a, b);
        } else if (pair(kP, kX)) {
            solution = if97::FromPX(a, b);
        } else if (pair(kV, kH)) {
            solution = if97::FromVH(a, b);
        } else if (pair(kV, kS)) {
            solution = if97::FromVS(a, b);
        } else if (pair(kH, kS)) {
            solution = if97::FromHS(a, b);
        } else {
            return NoState{NoStateReason::kUnsupportedPair, "the quality goes with T or P only"};
        }
        if (const if97::State* state = std::get_if<if97::State>(&solution)) {
            return ModelState(*state);
        }
        return WhyNot(std::get<if97::Failure>(solution));
    }

  public:
    std::optional<Saturation> SaturationAtTemperature(double T) const override {
        return FromIf97(if97::SaturationAtTemperature(T));
    }

    std::optional<Saturation> SaturationAtPressure(double P) const override {
        return FromIf97(if97::SaturationAtPressure(P));
    }

    std::optional<Phase> PhaseAt(double T, double s) const override {
        const if97::Solution solution = if97::FromTS(T, s);
        if (const if97::State* state = std::get_if<if97::State>(&solution)) {
            return PhaseOf(*state);
        }
        return std::nullopt;
    }
};

}  // namespace

Phase PhaseOf(const if97::State& state) {
    using if97::Region;
    if (state.region == Region::kSaturation4) return Phase::kWet;
    if (state.region == Region::kHighTemperature5) return Phase::kHighTemperatureSteam;
    const double T = state.properties.T, P = state.properties.P;
    if (T > if97::kCriticalTemperature) {
        return P > if97::kCriticalPressure ? Phase::kSupercritical : Phase::kSteam;
    }
    return P >= if97::SaturationPressure(T) ? Phase::kLiquid : Phase::kSteam;
}

State ModelState(const if97::State& state) {
    const if97::Properties& p = state.properties;
    State model;
    model.phase = PhaseOf(state);
    model.T = p.T;
    model.P = p.P;
    model.v = p.v;
    model.h = p.h;
    model.s = p.s;
    model.u = p.u;
    model.x = state.x;
    if (state.region != if97::Region::kSaturation4) {
        model.cp = p.cp;
        model.cv = p.cv;
        model.w = p.w;
    }
    return model;
}

const PropertyModel& If97Model() {
    static const If97 model;
    return model;
}

}  // namespace calorix
