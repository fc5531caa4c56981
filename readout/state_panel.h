#pragma once

#include <optional>
#include <string>

// The property panel: the text that lists the properties of a state.
namespace calorix {

enum class PanelVariant {
    kClick,   // a click on the chart
    kLocate,  // the Locate command: two blank lines before the saturated phases, fewer decimals
};

// The panel text for the state (pointT, pointS): "Location:" and, under the
// dome, temperature, saturation pressure, quality, mixture and saturated
// phase properties; in the superheated region temperature, pressure, v, h
// and s; otherwise nothing more. Lines end with a carriage return.
// pointT is truncated to 2 decimals in place when properties are listed.
std::string StatePanelText(PanelVariant variant, double& pointT, double pointS);

// The properties a panel lists, as numbers and as the panel shows them.
// Each number is the value its line was made from, at full precision, as it
// stands once the panel is built: where the panel goes on computing with a
// truncated value (the temperature, the quality, the superheated pressure),
// that truncated value is the one the other properties belong to and is the
// one held here. Under the dome v, h and s are the mixture's vx, hx and sx.
struct PanelValues {
    int region = 0;           // kWetMixture or kSuperheated
    double T = 0;             // K
    double P = 0;             // MPa
    double v = 0;             // m^3/kg
    double h = 0;             // kJ/kg
    double s = 0;             // kJ/kg-K
    std::optional<double> x;  // quality, under the dome only
    // The value texts of the panel's lines (ReadoutText, sign position
    // included): " 373.15", " .1014"; xText is empty without a quality.
    std::string TText, PText, vText, hText, sText, xText;
    // The property model that gave the state, as chart files name it, and
    // the phase that model names ("liquid", "wet", "steam", ...); the
    // chart's correlations leave the phase empty, their region names it.
    std::string model = "classic";
    std::string phase;
    bool operator==(const PanelValues&) const = default;
};

// The panel and, when it lists properties, their values.
struct StatePanel {
    std::string text;                   // as StatePanelText gives it
    std::optional<PanelValues> values;  // nothing when only "Location:" is listed
};

// StatePanelText with the values it lists; pointT is truncated as there.
StatePanel DescribeState(PanelVariant variant, double& pointT, double pointS);

}  // namespace calorix
