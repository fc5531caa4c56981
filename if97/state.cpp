#include "if97/state.h"

#include <optional>

#include "if97/curve_search.h"
#include "if97/isobar_search.h"
#include "if97/isotherm_search.h"
#include "if97/pressure_search.h"
#include "if97/saturation.h"
#include "if97/single_phase.h"

// The public pairs: each checks its inputs and hands the pair to the search
// that solves it (along an isobar, along an isotherm or over pressure).
namespace calorix::if97 {

using detail::AlongIsobar;
using detail::AlongIsotherm;
using detail::Finite;
using detail::InEveryRegion;
using detail::Quantity;
using detail::WetState;

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
