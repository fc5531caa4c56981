#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// A property model of water: what the chart and the command line ask of it,
// answered alike by the chart's own correlations and by IAPWS-IF97.
//
// Units: T in K, P in MPa, v in m^3/kg, h and u in kJ/kg, s, cp and cv in
// kJ/(kg K), w in m/s; x is the quality from 0 (saturated liquid) to 1
// (saturated vapour).
namespace calorix {

// The properties a state can be given by.
enum class Property { kT, kP, kV, kH, kS, kX };

// "T", "P", "v", "h", "s", "x".
std::string_view PropertyName(Property property);
// The property of a name above; nothing for any other text.
std::optional<Property> PropertyNamed(std::string_view name);

// Where a state lies.
enum class Phase {
    kLiquid,                // compressed liquid, below the critical temperature
    kWet,                   // saturated liquid and vapour together
    kSteam,                 // vapour, below the critical pressure or temperature
    kSupercritical,         // above both the critical temperature and pressure
    kHighTemperatureSteam,  // IAPWS-IF97's region 5, above 1073.15 K
};

// "liquid", "wet", "steam", "supercritical", "high-temperature steam".
std::string_view PhaseName(Phase phase);

// One state of water. What a model does not give is empty.
struct State {
    Phase phase = Phase::kSteam;
    double T = 0;
    double P = 0;
    double v = 0;
    double h = 0;
    double s = 0;
    std::optional<double> u;
    std::optional<double> cp;
    std::optional<double> cv;
    std::optional<double> w;
    std::optional<double> x;  // wet states only
};

// Why a model gives no state.
enum class NoStateReason {
    kNotANumber,  // an input that is not a finite number, or not positive where it must be
    kSamePropertyTwice,
    kUnsupportedPair,  // the model does not solve this pair
    kOutsideModel,     // outside the range the model was made for
    kNoState,          // no state of the model has both values
};

struct NoState {
    NoStateReason reason;
    std::string why;  // one line for a person: "outside IAPWS-IF97"
};

using StateOrWhy = std::variant<State, NoState>;

// The saturated liquid and vapour of one temperature and pressure.
struct Saturation {
    double T = 0;
    double P = 0;
    State liquid;
    State vapour;
};

enum class ModelKind { kClassic, kIf97 };

class PropertyModel {
  public:
    virtual ~PropertyModel() = default;

    virtual ModelKind Kind() const = 0;
    // "classic" or "if97", as files and the command line name it.
    virtual std::string_view Name() const = 0;

    // The state that has the two values (in either order); the same property
    // twice is refused.
    StateOrWhy StateFrom(Property first, double firstValue, Property second,
                         double secondValue) const;

    // The saturated phases at T in K, or at P in MPa; nothing off the line.
    virtual std::optional<Saturation> SaturationAtTemperature(double T) const = 0;
    virtual std::optional<Saturation> SaturationAtPressure(double P) const = 0;

    // Where the state of the chart point (T in K, s in kJ/(kg K)) lies;
    // nothing where the model has no state there.
    virtual std::optional<Phase> PhaseAt(double T, double s) const = 0;

  protected:
    // The state of the pair (first, second) in the order of Property, first
    // before second.
    virtual StateOrWhy StateOfPair(Property first, double a, Property second, double b) const = 0;
};

// The two models; each lives as long as the program.
const PropertyModel& ClassicModel();
const PropertyModel& If97Model();

// The model named "classic" or "if97"; nothing for another name.
const PropertyModel* ModelNamed(std::string_view name);

// What the menu and the status bar call a model: "if97" -> "IAPWS-IF97",
// anything else "Chart correlations".
std::string_view ModelCaption(std::string_view name);

}  // namespace calorix
