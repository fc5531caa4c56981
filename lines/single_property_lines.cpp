#include "lines/single_property_lines.h"

#include "model/chart_range.h"
#include "model/property_searches.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

constexpr double kDomeStep = 0.05;               // kJ/kg-K across the dome
constexpr double kSuperheatedEntropyStep = 0.2;  // kJ/kg-K along an isobar
constexpr double kTemperatureStep = 5;           // K along an isochore
constexpr double kPressureStep = 0.5;            // MPa along an isenthalp

}  // namespace

std::string IsothermLabel(const std::string& tText) {
    return "T = " + tText + " K";
}

std::string IsentropeLabel(const std::string& sText) {
    return "s = " + sText + " kJ/kg-K";
}

std::string IsobarLabel(const std::string& pText) {
    return "P = " + pText + " MPa";
}

std::string IsochoreLabel(const std::string& vText) {
    return "v = " + vText + " m^3/kg";
}

std::string IsenthalpLabel(const std::string& hText) {
    return "h = " + hText + " kJ/kg";
}

void DomeSegment(Plan& plan, double Ts) {
    const double sf = SatLiquidEntropy(Ts);
    const double sg = SatVaporEntropy(Ts);
    plan.MoveTo(sf, Ts);
    for (double s = sf; s <= sg; s += kDomeStep)
        plan.LineTo(s, Ts);
}

Plan Isotherm(double T, const std::string& tText) {
    Plan plan;
    plan.Color(kIsothermColor);
    plan.MarkedSegment(kChartMinEntropy, T, kChartMaxEntropy, T);
    plan.Label(IsothermLabel(tText));
    return plan;
}

Plan Isentrope(double s, const std::string& sText) {
    Plan plan;
    plan.Color(kIsentropeColor);
    plan.MarkedSegment(s, kChartMinTemperature, s, kChartMaxTemperature);
    plan.Label(IsentropeLabel(sText));
    return plan;
}

Plan Isobar(double P, const std::string& pText, CurrentPoint& point) {
    Plan plan;
    plan.Color(kIsobarColor);
    double clipped = P;  // SatTemperature may lower its argument; P stays as given
    const double Ts = SatTemperature(clipped);
    point.PointT = Ts;
    DomeSegment(plan, Ts);

    const double sg = SatVaporEntropy(Ts);
    for (double s = 1.1 * sg; s <= kChartMaxEntropy; s += kSuperheatedEntropyStep) {
        const double T = *TemperatureOfEntropy(P, s, CollapseDetection::kOff);
        plan.LineTo(s, T);
        // The segment to the first point above the chart is drawn and kept.
        if (T > kChartMaxTemperature) break;
        plan.Refresh();
    }
    plan.Label(IsobarLabel(pText));
    return plan;
}

Plan Isochore(double v, const std::string& vText) {
    Plan plan;
    plan.Color(kIsochoreColor);
    bool started = false;

    double T = kTriplePointTemperature;
    for (; T <= kCriticalTemperature; T += kTemperatureStep) {
        const double vf = SatLiquidVolume(T);
        const double vg = SatVaporVolume(T);
        const std::optional<double> x = DrynessFraction(vf, vg - vf, v);
        if (!x) break;  // v has left [vf, vg]: the superheated part starts at this T
        const double sf = SatLiquidEntropy(T);
        const double sg = SatVaporEntropy(T);
        const double s = sf + *x * (sg - sf);
        if (!started) {
            plan.MoveTo(s, T);
            started = true;
        } else {
            plan.LineTo(s, T);
        }
        plan.Refresh();
    }

    // Where the needed pressure leaves the search range the search returns
    // its bracket's midpoint, lower than the pressure before: the line ends.
    double previousP = 0;
    for (; T <= kChartMaxTemperature; T += kTemperatureStep) {
        double P = *PressureOfVolume(T, v, CollapseDetection::kOff);
        if (P < previousP) break;
        previousP = P;
        const double s = SuperheatedEntropy(T, P);
        plan.LineTo(s, T);
        plan.Refresh();
    }
    plan.Label(IsochoreLabel(vText));
    return plan;
}

Plan Isenthalp(double h, const std::string& hText) {
    Plan plan;
    plan.Color(kIsenthalpColor);
    const std::string label = IsenthalpLabel(hText);
    bool started = false;     // the first point drawn
    bool startedWet = false;  // the first wet point drawn

    // The first point of a part is reached by a move and labelled.
    auto startAt = [&plan, &label](double s, double T) {
        plan.MoveTo(s, T);
        plan.Label(label);
        plan.MoveTo(s, T);
    };

    for (double P = 0.001; P <= kCriticalPressure; P += kPressureStep) {
        // Collapse detection: a pressure at which the enthalpy is not reached
        // anywhere in the temperature range has no point, rather than one at
        // the range's midpoint.
        const std::optional<double> found = TemperatureOfEnthalpy(P, h, CollapseDetection::kOn);
        if (!found) {
            plan.Refresh();
            continue;
        }
        const double T = *found;
        double p = P;
        double s = SuperheatedEntropy(T, p);
        const double sg = SatVaporEntropy(T);

        if ((s - sg) / s < 0.001) {
            // Wet: hf and hfg at the temperature found, not at the saturation
            // temperature of P.
            const double hf = SatLiquidEnthalpy(T);
            const double hfg = EvaporationEnthalpy(T);
            const std::optional<double> x = DrynessFraction(hf, hfg, h);
            if (!x) {
                plan.Refresh();
                continue;
            }
            const double sf = SatLiquidEntropy(T);
            s = sf + *x * (sg - sf);
            if (!startedWet) {
                startAt(s, T);
                startedWet = true;
            } else {
                plan.LineTo(s, T);
            }
        }
        if (!started) {
            startAt(s, T);
            started = true;
        } else {
            plan.LineTo(s, T);
        }
        plan.Refresh();
    }
    return plan;
}

}  // namespace calorix
