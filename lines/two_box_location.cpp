#include "lines/two_box_location.h"

#include "lines/pointer_shape.h"
#include "lines/single_property_lines.h"
#include "model/property_searches.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

constexpr BoxPair kPairOrder[] = {BoxPair::kTP, BoxPair::kTh, BoxPair::kTv, BoxPair::kTs,
                                  BoxPair::kPv, BoxPair::kPh, BoxPair::kPs, BoxPair::kvh,
                                  BoxPair::kvs, BoxPair::khs};

// Enthalpy from which a (T, h) state is looked for in the superheated region.
constexpr double kSuperheatedEnthalpy = 2850;

// Marks and labels a located state and makes it the current point.
void MarkState(Location& location, CurrentPoint& point, double s, double T,
               const std::string& label) {
    point.PointS = s;
    point.PointT = T;
    location.plan.Mark(s, T);
    location.plan.Label(label);
    location.located = true;
}

// A search that found no state: nothing drawn, the arrow and a beep.
void Abandon(Location& location) {
    location.mousePointer = kMousePointerDefault;
    location.plan.Refresh();
    location.beep = true;
}

}  // namespace

PairBoxes BoxesOf(BoxPair pair) {
    switch (pair) {
        case BoxPair::kTP:
            return {kT, kP};
        case BoxPair::kTh:
            return {kT, kH};
        case BoxPair::kTv:
            return {kT, kV};
        case BoxPair::kTs:
            return {kT, kS};
        case BoxPair::kPv:
            return {kP, kV};
        case BoxPair::kPh:
            return {kP, kH};
        case BoxPair::kPs:
            return {kP, kS};
        case BoxPair::kvh:
            return {kV, kH};
        case BoxPair::kvs:
            return {kV, kS};
        case BoxPair::khs:
            return {kH, kS};
    }
    return {kT, kP};
}

std::optional<BoxPair> FirstFilledPair(const BoxTexts& texts) {
    for (const BoxPair pair : kPairOrder) {
        const PairBoxes boxes = BoxesOf(pair);
        if (IsFilled(texts[size_t(boxes.first)]) && IsFilled(texts[size_t(boxes.second)])) {
            return pair;
        }
    }
    return std::nullopt;
}

bool IsSolvedPair(BoxPair pair) {
    return pair == BoxPair::kTP || pair == BoxPair::kTh || pair == BoxPair::kTv ||
           pair == BoxPair::kTs || pair == BoxPair::kPs;
}

namespace {

// The box values and texts of the pair being located. Labels quote the texts.
struct PairInputs {
    const BoxTexts& texts;
    double T, P, v, h, s;
    const std::string& Text(int index) const { return texts[size_t(index)]; }
};

// Entropy of the wet state of quality x at T.
double WetEntropy(double T, double x) {
    const double sf = SatLiquidEntropy(T);
    return sf + x * (double(SatVaporEntropy(T)) - sf);
}

// (T, P): the superheated state, or where T and P give none, the whole
// segment across the dome at T, labelled at its end, with nothing located.
void LocateTP(const PairInputs& in, Location& location, CurrentPoint& point) {
    point.PointT = in.T;
    double pressure = in.P;
    const double superheatedEntropy = SuperheatedEntropy(in.T, pressure);
    const std::string label = "(T=" + in.Text(kT) + ", P=" + in.Text(kP) + ")";
    if (superheatedEntropy > double(SatVaporEntropy(in.T))) {
        MarkState(location, point, superheatedEntropy, in.T, label);
        return;
    }
    DomeSegment(location.plan, in.T);
    location.plan.Label(label);
}

// (T, h): below 2850 kJ/kg in the dome at T (nothing where h lies outside
// it); from 2850 on superheated, by pressure.
void LocateTh(const PairInputs& in, Location& location, CurrentPoint& point) {
    Plan& plan = location.plan;
    plan.Color(kIsenthalpColor);
    const std::string label = "(h=" + in.Text(kH) + ", T=" + in.Text(kT) + ")";
    if (in.h < kSuperheatedEnthalpy) {
        const std::optional<double> x =
            DrynessFraction(SatLiquidEnthalpy(in.T), EvaporationEnthalpy(in.T), in.h);
        if (!x) return;  // outside the dome at T: nothing to mark
        MarkState(location, point, WetEntropy(in.T, *x), in.T, label);
        plan.Refresh();
        return;
    }
    const std::optional<double> found = PressureOfEnthalpy(in.T, in.h, CollapseDetection::kOn);
    if (!found) {
        Abandon(location);
        return;
    }
    double pressure = *found;
    MarkState(location, point, SuperheatedEntropy(in.T, pressure), in.T, label);
    plan.Refresh();
}

// (T, v): wet where v lies between vf and vg at T (ending with the arrow),
// else superheated, by pressure.
void LocateTv(const PairInputs& in, Location& location, CurrentPoint& point) {
    Plan& plan = location.plan;
    plan.Color(kIsochoreColor);
    const std::string label = "(v=" + in.Text(kV) + ", T=" + in.Text(kT) + ")";
    const double vf = SatLiquidVolume(in.T);
    const std::optional<double> x = DrynessFraction(vf, double(SatVaporVolume(in.T)) - vf, in.v);
    if (x) {
        MarkState(location, point, WetEntropy(in.T, *x), in.T, label);
        location.mousePointer = kMousePointerDefault;
        plan.Refresh();
        return;
    }
    // A volume that no pressure of the range gives at T has no state.
    const std::optional<double> found = PressureOfVolume(in.T, in.v, CollapseDetection::kOn);
    if (!found) {
        Abandon(location);
        return;
    }
    double pressure = *found;
    const double superheatedEntropy = SuperheatedEntropy(in.T, pressure);
    plan.Refresh();
    MarkState(location, point, superheatedEntropy, in.T, label);
    plan.Refresh();
}

// (P, s): wet, or left of the dome, at the saturation temperature on the
// isobar's segment across the dome; otherwise superheated, by temperature.
void LocatePs(const PairInputs& in, Location& location, CurrentPoint& point) {
    Plan& plan = location.plan;
    plan.Color(kIsobarColor);
    const std::string label = "(P=" + in.Text(kP) + ", s=" + in.Text(kS) + ")";
    double pressure = in.P;
    const double saturation = SatTemperature(pressure);
    if (in.s < double(SatVaporEntropy(saturation))) {
        DomeSegment(plan, saturation);
        MarkState(location, point, in.s, saturation, label);
        return;
    }
    // An entropy that no temperature of the range gives at P has no state.
    const std::optional<double> found = TemperatureOfEntropy(in.P, in.s, CollapseDetection::kOn);
    if (!found) {
        Abandon(location);
        return;
    }
    MarkState(location, point, in.s, *found, label);
}

}  // namespace

Location LocateState(BoxPair pair, const BoxTexts& texts, CurrentPoint& point) {
    Location location;
    const PairInputs in{texts,
                        BoxValue(texts[kT]),
                        BoxValue(texts[kP]),
                        BoxValue(texts[kV]),
                        BoxValue(texts[kH]),
                        BoxValue(texts[kS])};
    switch (pair) {
        case BoxPair::kTP:
            LocateTP(in, location, point);
            break;
        case BoxPair::kTh:
            LocateTh(in, location, point);
            break;
        case BoxPair::kTv:
            LocateTv(in, location, point);
            break;
        case BoxPair::kTs:
            MarkState(location, point, in.s, in.T,
                      "(s=" + in.Text(kS) + ", T=" + in.Text(kT) + ")");
            break;
        case BoxPair::kPs:
            LocatePs(in, location, point);
            break;
        default:  // the pairs left to the user
            break;
    }
    return location;
}

std::string UnsolvedPairMessage(BoxPair pair, const BoxTexts& texts) {
    static const char* const kPrefixes[kPropertyCount] = {
        "              T = ", "              P = ", "              v = ", "              h = ",
        "              s = "};
    static const char* const kUnits[kPropertyCount] = {" K", " MPa", " m^3/kg", " kJ/kg",
                                                       " kJ/kg-K"};
    const PairBoxes boxes = BoxesOf(pair);
    const auto line = [&texts](int i) {
        return std::string(kPrefixes[i]) + texts[size_t(i)] + kUnits[i];
    };
    return "The specified point may be located manually \r"
           "at the intersection of the lines\r\r" +
           line(boxes.first) + "\rand\r" + line(boxes.second);
}

}  // namespace calorix
