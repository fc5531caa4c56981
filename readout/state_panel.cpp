#include "readout/state_panel.h"

#include "model/property_searches.h"
#include "model/state_region.h"
#include "numeric/number_text.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {

std::string StatePanelText(PanelVariant variant, double& pointT, double pointS) {
    return DescribeState(variant, pointT, pointS).text;
}

StatePanel DescribeState(PanelVariant variant, double& pointT, double pointS) {
    const bool locate = variant == PanelVariant::kLocate;
    StatePanel panel{"Location:\r", std::nullopt};
    std::string& text = panel.text;
    // A value line truncates its variable in place, as the readout does, and
    // gives back the text it shows.
    auto line = [&text](const char* label, double& value, int w, int n) {
        std::string shown = ReadoutText(value, w, n);
        text += label;
        text += shown;
        text += '\r';
        return shown;
    };

    // Both region tests compare with the saturated-vapour entropy at pointT.
    const double sgAtPoint = SatVaporEntropy(pointT);
    if (double(SatLiquidEntropy(pointT)) < pointS && pointS < sgAtPoint &&
        pointT < kCriticalTemperature) {
        PanelValues values;
        values.region = kWetMixture;
        values.TText = line("T  =", pointT, 3, 2);
        // Everything below uses the truncated temperature.
        double vf = SatLiquidVolume(pointT), vg = SatVaporVolume(pointT);
        double hf = SatLiquidEnthalpy(pointT), hg = SatVaporEnthalpy(pointT);
        double sf = SatLiquidEntropy(pointT), sg = SatVaporEntropy(pointT);
        double P = SatPressure(pointT);
        values.P = P;
        values.PText = line("P  =", P, 2, 4);
        double x = (pointS - sf) / (sg - sf);
        values.xText = line("x  =", x, 2, 3);
        values.x = x;
        // The mixture lines use the truncated quality.
        double vx = vf + x * (vg - vf);
        values.v = vx;
        values.vText = line("vx =", vx, 1, 7);
        double hx = hf + x * (hg - hf);
        values.h = hx;
        values.hText = line("hx =", hx, 5, 2);
        double sx = sf + x * (sg - sf);
        values.s = sx;
        values.sText = line("sx =", sx, 2, 4);
        text += locate ? "\r\r" : "\r";
        line("vf =", vf, 1, locate ? 4 : 7);
        line("vg =", vg, 3, 2);
        line("hf =", hf, 4, 2);
        line("hg =", hg, 5, 2);
        line("sf =", sf, 2, 4);
        line("sg =", sg, 2, 4);
        values.T = pointT;
        panel.values = values;
    } else if (pointS > sgAtPoint || pointT > kCriticalTemperature) {
        const std::optional<double> found = SuperheatedPressure(pointT, pointS);
        if (!found) return panel;
        PanelValues values;
        values.region = kSuperheated;
        double P = *found;
        values.TText = line("T=", pointT, 3, 2);
        values.PText = line("P=", P, 2, 4);
        text += '\r';
        // v, h and s from the truncated temperature and pressure.
        double v = SuperheatedVolume(pointT, P);
        values.v = v;
        values.vText = line("v=", v, 1, locate ? 4 : 6);
        double h = SuperheatedEnthalpy(pointT, P);
        values.h = h;
        values.hText = line("h=", h, 4, 2);
        double s = SuperheatedEntropy(pointT, P);
        values.s = s;
        values.sText = line("s=", s, 2, 4);
        values.T = pointT;
        values.P = P;
        panel.values = values;
    }
    return panel;
}

}  // namespace calorix
