#include "lines/two_box_location.h"

#include "lines/property_searches.h"
#include "lines/single_property_lines.h"
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
    location.mousePointer = 0;
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

Location LocateState(BoxPair pair, const BoxTexts& texts, CurrentPoint& point) {
    Location location;
    Plan& plan = location.plan;
    const double T = BoxValue(texts[kT]);
    const double P = BoxValue(texts[kP]);
    const double v = BoxValue(texts[kV]);
    const double h = BoxValue(texts[kH]);
    const double s = BoxValue(texts[kS]);
    const std::string& tText = texts[kT];
    const std::string& pText = texts[kP];

    switch (pair) {
        case BoxPair::kTP: {
            point.PointT = T;
            double p = P;
            const double sSuperheated = SuperheatedEntropy(T, p);
            const std::string label = "(T=" + tText + ", P=" + pText + ")";
            if (sSuperheated > double(SatVaporEntropy(T))) {
                MarkState(location, point, sSuperheated, T, label);
            } else {
                // No superheated state at T and P: the whole segment across
                // the dome at T, labelled at its end; nothing is located.
                DomeSegment(plan, T);
                plan.Label(label);
            }
            break;
        }
        case BoxPair::kTh: {
            plan.Color(kIsenthalpColor);
            const std::string label = "(h=" + texts[kH] + ", T=" + tText + ")";
            if (h < kSuperheatedEnthalpy) {
                const double hf = SatLiquidEnthalpy(T);
                const std::optional<double> x = DrynessFraction(hf, EvaporationEnthalpy(T), h);
                if (!x) break;  // outside the dome at T: nothing to mark
                const double sf = SatLiquidEntropy(T);
                MarkState(location, point, sf + *x * (double(SatVaporEntropy(T)) - sf), T, label);
                plan.Refresh();
            } else {
                const std::optional<double> found =
                    PressureOfEnthalpy(T, h, CollapseDetection::kOn);
                if (!found) {
                    Abandon(location);
                    break;
                }
                double p = *found;
                MarkState(location, point, SuperheatedEntropy(T, p), T, label);
                plan.Refresh();
            }
            break;
        }
        case BoxPair::kTv: {
            plan.Color(kIsochoreColor);
            const std::string label = "(v=" + texts[kV] + ", T=" + tText + ")";
            const double vf = SatLiquidVolume(T);
            const std::optional<double> x = DrynessFraction(vf, double(SatVaporVolume(T)) - vf, v);
            if (x) {
                const double sf = SatLiquidEntropy(T);
                MarkState(location, point, sf + *x * (double(SatVaporEntropy(T)) - sf), T, label);
                location.mousePointer = 0;
                plan.Refresh();
                break;
            }
            // A volume that no pressure of the range gives at T has no state.
            const std::optional<double> found = PressureOfVolume(T, v, CollapseDetection::kOn);
            if (!found) {
                Abandon(location);
                break;
            }
            double p = *found;
            const double sSuperheated = SuperheatedEntropy(T, p);
            plan.Refresh();
            MarkState(location, point, sSuperheated, T, label);
            plan.Refresh();
            break;
        }
        case BoxPair::kTs:
            MarkState(location, point, s, T, "(s=" + texts[kS] + ", T=" + tText + ")");
            break;
        case BoxPair::kPs: {
            plan.Color(kIsobarColor);
            const std::string label = "(P=" + pText + ", s=" + texts[kS] + ")";
            double p = P;
            const double Ts = SatTemperature(p);
            if (s < double(SatVaporEntropy(Ts))) {
                // Wet, or left of the dome: marked at the saturation
                // temperature on the isobar's segment across the dome.
                DomeSegment(plan, Ts);
                MarkState(location, point, s, Ts, label);
                break;
            }
            // An entropy that no temperature of the range gives at P has no state.
            const std::optional<double> found = TemperatureOfEntropy(P, s, CollapseDetection::kOn);
            if (!found) {
                Abandon(location);
                break;
            }
            MarkState(location, point, s, *found, label);
            break;
        }
        default:
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
