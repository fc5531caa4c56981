#include "readout/model_panel.h"

#include <string>
#include <variant>

#include "model/state_region.h"
#include "numeric/number_text.h"

namespace calorix {
namespace {

int RegionCode(Phase phase) {
    switch (phase) {
        case Phase::kLiquid:
            return kLiquid;
        case Phase::kWet:
            return kWetMixture;
        case Phase::kSteam:
        case Phase::kSupercritical:
        case Phase::kHighTemperatureSteam:
            return kSuperheated;
    }
    return kSuperheated;
}

}  // namespace

StatePanel DescribeModelState(const PropertyModel& model, PanelVariant variant,
                              const State& state) {
    const bool locate = variant == PanelVariant::kLocate;
    StatePanel panel{"Location:\r", std::nullopt};
    std::string& text = panel.text;
    text += PhaseName(state.phase);
    text += '\r';
    // A value line shows its value truncated; the value itself stays.
    auto line = [&text](const char* label, double value, int w, int n) {
        std::string shown = ReadoutText(value, w, n);
        text += label;
        text += shown;
        text += '\r';
        return shown;
    };

    PanelValues values;
    values.region = RegionCode(state.phase);
    values.T = state.T;
    values.P = state.P;
    values.v = state.v;
    values.h = state.h;
    values.s = state.s;
    values.model = model.Name();
    values.phase = PhaseName(state.phase);

    if (state.phase == Phase::kWet) {
        const double x = state.x.value_or(0);
        values.x = x;
        values.TText = line("T  =", state.T, 3, 2);
        values.PText = line("P  =", state.P, 2, 4);
        values.xText = line("x  =", x, 2, 3);
        values.vText = line("vx =", state.v, 1, 7);
        values.hText = line("hx =", state.h, 5, 2);
        values.sText = line("sx =", state.s, 2, 4);
        text += locate ? "\r\r" : "\r";
        if (const std::optional<Saturation> saturation = model.SaturationAtTemperature(state.T)) {
            const State& f = saturation->liquid;
            const State& g = saturation->vapour;
            line("vf =", f.v, 1, locate ? 4 : 7);
            line("vg =", g.v, 3, 2);
            line("hf =", f.h, 4, 2);
            line("hg =", g.h, 5, 2);
            line("sf =", f.s, 2, 4);
            line("sg =", g.s, 2, 4);
        }
    } else {
        values.TText = line("T=", state.T, 3, 2);
        values.PText = line("P=", state.P, 2, 4);
        text += '\r';
        values.vText = line("v=", state.v, 1, locate ? 4 : 6);
        values.hText = line("h=", state.h, 4, 2);
        values.sText = line("s=", state.s, 2, 4);
    }
    panel.values = values;
    return panel;
}

StatePanel DescribeModelPoint(const PropertyModel& model, PanelVariant variant, double T,
                              double s) {
    const StateOrWhy found = model.StateFrom(Property::kT, T, Property::kS, s);
    if (const State* state = std::get_if<State>(&found)) {
        return DescribeModelState(model, variant, *state);
    }
    return StatePanel{"Location:\r", std::nullopt};
}

std::optional<double> ModelQualityAt(const PropertyModel& model, double T, double s) {
    const std::optional<Saturation> saturation = model.SaturationAtTemperature(T);
    if (!saturation) return std::nullopt;
    const double sf = saturation->liquid.s, sg = saturation->vapour.s;
    if (!(sf < s && s < sg)) return std::nullopt;
    return (s - sf) / (sg - sf);
}

}  // namespace calorix
