#include "readout/state_panel.h"

#include "lines/bisect_root.h"
#include "readout/number_text.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {

std::optional<double> SuperheatedPressure(double T, double s) {
    // The bracket, about 0.000611 to 22.1231 MPa.
    static const double lowest = SatPressure(kTriplePointTemperature);
    static const double highest = SatPressure(kCriticalTemperature);
    const SuperheatedAtTemperature isotherm(T);
    return BisectRoot([&isotherm](double& P) { return isotherm.Entropy(P); }, s, lowest, highest,
                      SearchMeasure::kRelative, CollapseDetection::kOn);
}

std::string StatePanelText(PanelVariant variant, double& pointT, double pointS) {
    const bool locate = variant == PanelVariant::kLocate;
    std::string text = "Location:\r";
    // A value line truncates its variable in place, as the readout does.
    auto line = [&text](const char* label, double& value, int w, int n) {
        text += label;
        text += ReadoutText(value, w, n);
        text += '\r';
    };

    // Both region tests compare with the saturated-vapour entropy at pointT.
    const double sgAtPoint = SatVaporEntropy(pointT);
    if (double(SatLiquidEntropy(pointT)) < pointS && pointS < sgAtPoint &&
        pointT < kCriticalTemperature) {
        line("T  =", pointT, 3, 2);
        // Everything below uses the truncated temperature.
        double vf = SatLiquidVolume(pointT), vg = SatVaporVolume(pointT);
        double hf = SatLiquidEnthalpy(pointT), hg = SatVaporEnthalpy(pointT);
        double sf = SatLiquidEntropy(pointT), sg = SatVaporEntropy(pointT);
        double P = SatPressure(pointT);
        line("P  =", P, 2, 4);
        double x = (pointS - sf) / (sg - sf);
        line("x  =", x, 2, 3);
        // The mixture lines use the truncated quality.
        double vx = vf + x * (vg - vf);
        line("vx =", vx, 1, 7);
        double hx = hf + x * (hg - hf);
        line("hx =", hx, 5, 2);
        double sx = sf + x * (sg - sf);
        line("sx =", sx, 2, 4);
        text += locate ? "\r\r" : "\r";
        line("vf =", vf, 1, locate ? 4 : 7);
        line("vg =", vg, 3, 2);
        line("hf =", hf, 4, 2);
        line("hg =", hg, 5, 2);
        line("sf =", sf, 2, 4);
        line("sg =", sg, 2, 4);
    } else if (pointS > sgAtPoint || pointT > kCriticalTemperature) {
        const std::optional<double> found = SuperheatedPressure(pointT, pointS);
        if (!found) return text;
        double P = *found;
        line("T=", pointT, 3, 2);
        line("P=", P, 2, 4);
        text += '\r';
        // v, h and s from the truncated temperature and pressure.
        double v = SuperheatedVolume(pointT, P);
        line("v=", v, 1, locate ? 4 : 6);
        double h = SuperheatedEnthalpy(pointT, P);
        line("h=", h, 4, 2);
        double s = SuperheatedEntropy(pointT, P);
        line("s=", s, 2, 4);
    }
    return text;
}

}  // namespace calorix
