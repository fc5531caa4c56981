#pragma once

#include <optional>
#include <string>

// The property panel: the text that lists the properties of a state.
namespace calorix {

enum class PanelVariant {
    kClick,   // a click on the chart
    kLocate,  // the Locate command: two blank lines before the saturated phases, fewer decimals
};

// Pressure in MPa of a superheated state (T in K, s in kJ/kg-K), found by
// halving over SuperheatedEntropy on SatPressure(273.16)..SatPressure(647.3);
// nothing when the entropy lies outside that bracket. The upper end is
// clipped to 22.0891 at its first evaluation, after the first midpoint was
// formed from 22.1231.
std::optional<double> SuperheatedPressure(double T, double s);

// The panel text for the state (pointT, pointS): "Location:" and, under the
// dome, temperature, saturation pressure, quality, mixture and saturated
// phase properties; in the superheated region temperature, pressure, v, h
// and s; otherwise nothing more. Lines end with a carriage return.
// pointT is truncated to 2 decimals in place when properties are listed.
std::string StatePanelText(PanelVariant variant, double& pointT, double pointS);

}  // namespace calorix
