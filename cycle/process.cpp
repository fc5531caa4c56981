#include "cycle/process.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "model/chart_range.h"

namespace calorix {
namespace {

constexpr std::array<std::string_view, 13> kKindNames = {"constant_pressure",
                                                         "constant_temperature",
                                                         "constant_entropy",
                                                         "constant_enthalpy",
                                                         "constant_volume",
                                                         "irreversible_expansion",
                                                         "irreversible_compression",
                                                         "pump",
                                                         "turbine",
                                                         "boiler",
                                                         "reheater",
                                                         "condenser",
                                                         "open_heater"};

// The tolerance of a property held constant: 1e-6 of its value for T, P, v
// and h (h may be near zero at the triple point, where the tolerance does
// not fall below 1e-6 kJ/kg).
constexpr double kRelativeTolerance = 1e-6;
// The entropy's: the chart's correlations find a state of (P, s) to within
// 6e-4 kJ/(kg K) of s near the saturation line, so an entropy counts as
// unchanged, and an adiabatic process as isentropic, to 1e-3 kJ/(kg K):
// less than a twip on a chart 10,000 twips wide.
constexpr double kEntropyTolerance = 1e-3;

bool SameValue(double a, double b, double floor) {
    return std::abs(a - b) <= kRelativeTolerance * std::max({std::abs(a), std::abs(b), floor});
}

// Whether a state's properties are finite, with T, P and v positive.
bool Sound(const State& state) {
    return std::isfinite(state.T) && std::isfinite(state.P) && std::isfinite(state.v) &&
           std::isfinite(state.h) && std::isfinite(state.s) && state.T > 0 && state.P > 0 &&
           state.v > 0;
}

std::string Text(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

// Why the states cannot be joined by the kind, or nothing.
std::optional<std::string> WhyNot(ProcessKind kind, const State& a, const State& b) {
    if (!Sound(a) || !Sound(b)) return "a state is not a finite state of water";
    const auto differ = [](const char* what, double x, double y, const char* unit) {
        return std::optional<std::string>(std::string("the ") + what + " differ: " + Text(x) +
                                          " and " + Text(y) + " " + unit);
    };
    const bool sameP = SameValue(a.P, b.P, 0);
    using enum ProcessKind;
    switch (kind) {
        case kConstantPressure:
        case kOpenHeater:
            if (!sameP) return differ("pressures", a.P, b.P, "MPa");
            return std::nullopt;
        case kBoiler:
        case kReheater:
            if (!sameP) return differ("pressures", a.P, b.P, "MPa");
            if (!(b.h > a.h)) return "the enthalpy does not rise: heat must go into the fluid";
            return std::nullopt;
        case kCondenser:
            if (!sameP) return differ("pressures", a.P, b.P, "MPa");
            if (!(b.h < a.h)) return "the enthalpy does not fall: heat must leave the fluid";
            return std::nullopt;
        case kConstantTemperature:
            if (!SameValue(a.T, b.T, 0)) return differ("temperatures", a.T, b.T, "K");
            return std::nullopt;
        case kConstantEntropy:
            if (std::abs(a.s - b.s) > kEntropyTolerance) {
                return differ("entropies", a.s, b.s, "kJ/kg-K");
            }
            return std::nullopt;
        case kConstantEnthalpy:
            if (!SameValue(a.h, b.h, 1)) return differ("enthalpies", a.h, b.h, "kJ/kg");
            if (b.P > a.P && !sameP) return "the pressure rises: a throttle lowers it";
            return std::nullopt;
        case kConstantVolume:
            if (!SameValue(a.v, b.v, 0)) return differ("volumes", a.v, b.v, "m^3/kg");
            return std::nullopt;
        case kIrreversibleExpansion:
        case kTurbine:
            if (!(b.P < a.P) || sameP) return "the pressure does not fall in an expansion";
            if (b.s < a.s - kEntropyTolerance)
                return "the entropy falls, which no adiabatic process can do";
            return std::nullopt;
        case kIrreversibleCompression:
        case kPump:
            if (!(b.P > a.P) || sameP) return "the pressure does not rise in a compression";
            if (b.s < a.s - kEntropyTolerance)
                return "the entropy falls, which no adiabatic process can do";
            return std::nullopt;
    }
    return "an unknown kind of process";
}

// --- Paths -----------------------------------------------------------------

// The chart's spans: entropy 0 to 12 kJ/(kg K) across, 1000 K up.
constexpr double kEntropySpan = kChartMaxEntropy - kChartMinEntropy;
constexpr double kTemperatureSpan = kChartTemperatureSpan;
// A chord is fine when its midpoint's curve point lies within kMaxDeviation
// of it and it is at most kMaxChord long, both as fractions of the chart's
// spans; the midpoint is kept too, so segments are at most half that long.
constexpr double kMaxDeviation = 2e-4;
constexpr double kMaxChord = 1.0 / 100;
// Every piece is halved at least kMinDepth times (so that a wiggle between
// the first points is not missed) and at most kMaxDepth times (at most 8192
// points for a piece).
constexpr int kMinDepth = 2;
constexpr int kMaxDepth = 12;

struct Scaled {
    double x, y;
};
Scaled Scale(PathPoint p) {
    return {p.s / kEntropySpan, p.T / kTemperatureSpan};
}

// How far m lies from the chord a-b, and the chord's length, on the chart
// scaled to 1 by 1.
bool FineChord(PathPoint a, PathPoint m, PathPoint b) {
    const Scaled p = Scale(a), q = Scale(b), r = Scale(m);
    const double dx = q.x - p.x, dy = q.y - p.y;
    const double length = std::hypot(dx, dy);
    const double deviation = length > 0 ? std::abs(dx * (r.y - p.y) - dy * (r.x - p.x)) / length
                                        : std::hypot(r.x - p.x, r.y - p.y);
    return deviation <= kMaxDeviation && length <= kMaxChord;
}

// The point of the line at parameter t, or nothing where the model has no
// state there.
using PointAt = std::optional<PathPoint> (*)(const void* line, double t);

struct Line {
    const void* data;
    PointAt at;
    std::optional<PathPoint> operator()(double t) const { return at(data, t); }
};

// Appends the points after a up to b (b included), halving [ta, tb] until
// every chord is fine. False where the line has no state.
bool Refine(const Line& line, double ta, PathPoint a, double tb, PathPoint b, int depth,
            std::vector<PathPoint>& out) {
    const double tm = 0.5 * (ta + tb);
    const std::optional<PathPoint> m = line(tm);
    if (!m) return false;
    if (depth >= kMaxDepth || (depth >= kMinDepth && FineChord(a, *m, b))) {
        out.push_back(*m);
        out.push_back(b);
        return true;
    }
    return Refine(line, ta, a, tm, *m, depth + 1, out) &&
           Refine(line, tm, *m, tb, b, depth + 1, out);
}

PathPoint PointOf(const State& state) {
    return {state.s, state.T};
}

std::optional<PathPoint> PointOf(const StateOrWhy& answer) {
    if (const State* state = std::get_if<State>(&answer)) return PointOf(*state);
    return std::nullopt;
}

// A line of one constant property, parametrised by a second property that
// changes monotonically along it (or by its logarithm).
struct PropertyLine {
    const PropertyModel* model;
    Property constant;
    double value;
    Property along;
    bool logarithmic;
};

std::optional<PathPoint> PropertyLineAt(const void* data, double t) {
    const auto& line = *static_cast<const PropertyLine*>(data);
    const double x = line.logarithmic ? std::exp(t) : t;
    return PointOf(line.model->StateFrom(line.constant, line.value, line.along, x));
}

// The saturated-liquid line of a model, parametrised by the temperature.
std::optional<PathPoint> SaturatedLiquidAt(const void* data, double T) {
    const auto& model = *static_cast<const PropertyModel*>(data);
    const std::optional<Saturation> saturation = model.SaturationAtTemperature(T);
    if (!saturation) return std::nullopt;
    return PointOf(saturation->liquid);
}

ProcessPath Schematic(const Process& process) {
    return {PathShape::kSchematic, {PointOf(process.from), PointOf(process.to)}};
}

ProcessPath Straight(const Process& process) {
    return {PathShape::kLine, {PointOf(process.from), PointOf(process.to)}};
}

// The isobar from one state to the other: pieces split where it meets the
// saturation line, straight across the dome, refined over the entropy
// elsewhere; a liquid piece the model has no state for follows the
// saturated-liquid line over the temperature.
ProcessPath Isobar(const PropertyModel& model, const Process& process) {
    const double P = process.from.P;
    const PathPoint a = PointOf(process.from), b = PointOf(process.to);
    std::vector<PathPoint> corners = {a};
    const std::optional<Saturation> saturation = model.SaturationAtPressure(P);
    if (saturation) {
        const PathPoint liquid = PointOf(saturation->liquid);
        const PathPoint vapour = PointOf(saturation->vapour);
        const auto strictlyBetween = [&](double s) {
            return (s > a.s && s < b.s) || (s < a.s && s > b.s);
        };
        std::vector<PathPoint> inside;
        if (strictlyBetween(liquid.s)) inside.push_back(liquid);
        if (strictlyBetween(vapour.s)) inside.push_back(vapour);
        if (b.s < a.s) std::reverse(inside.begin(), inside.end());
        corners.insert(corners.end(), inside.begin(), inside.end());
    }
    corners.push_back(b);

    ProcessPath path{PathShape::kLine, {a}};
    const PropertyLine isobar{&model, Property::kP, P, Property::kS, false};
    const Line alongEntropy{&isobar, PropertyLineAt};
    const Line saturatedLiquid{&model, SaturatedLiquidAt};
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const PathPoint p = corners[i], q = corners[i + 1];
        const double middle = 0.5 * (p.s + q.s);
        if (p.s == q.s) {
            path.points.push_back(q);
            continue;
        }
        if (saturation && middle > saturation->liquid.s && middle < saturation->vapour.s) {
            path.points.push_back(q);  // across the dome at the saturation temperature
            continue;
        }
        const bool liquid = saturation && middle < saturation->liquid.s;
        const StateOrWhy probe = model.StateFrom(Property::kP, P, Property::kS, middle);
        const NoState* none = std::get_if<NoState>(&probe);
        if (liquid && none && none->reason == NoStateReason::kOutsideModel) {
            // No compressed liquid in the model: its saturated liquid instead.
            if (!Refine(saturatedLiquid, p.T, p, q.T, q, 0, path.points)) {
                return Schematic(process);
            }
            path.shape = PathShape::kSaturatedLiquidLine;
            continue;
        }
        if (none || !Refine(alongEntropy, p.s, p, q.s, q, 0, path.points)) {
            return Schematic(process);
        }
    }
    return path;
}

// A line of the constant property refined over another property between the
// two states' values of it.
ProcessPath Along(const PropertyModel& model, const Process& process, Property constant,
                  double value, Property along, double from, double to, bool logarithmic) {
    const PropertyLine line{&model, constant, value, along, logarithmic};
    ProcessPath path{PathShape::kLine, {PointOf(process.from)}};
    const double t0 = logarithmic ? std::log(from) : from;
    const double t1 = logarithmic ? std::log(to) : to;
    if (t0 == t1) {
        path.points.push_back(PointOf(process.to));
        return path;
    }
    if (!Refine(Line{&line, PropertyLineAt}, t0, PointOf(process.from), t1, PointOf(process.to), 0,
                path.points)) {
        return Schematic(process);
    }
    return path;
}

}  // namespace

std::string_view ProcessKindName(ProcessKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

ProcessOrWhy MakeProcess(ProcessKind kind, const State& from, const State& to) {
    if (const std::optional<std::string> why = WhyNot(kind, from, to)) return ProcessError{*why};
    Process process{kind, from, to};
    process.dh = to.h - from.h;
    process.ds = to.s - from.s;
    using enum ProcessKind;
    switch (kind) {
        case kConstantPressure:
        case kBoiler:
        case kReheater:
        case kCondenser:
        case kOpenHeater:
            process.q = process.dh;
            process.w = 0;
            break;
        case kConstantTemperature:
            process.q = from.T * process.ds;
            process.w = process.q - process.dh;
            break;
        case kConstantEnthalpy:
            process.q = 0;
            process.w = 0;
            break;
        case kConstantVolume:
            process.w = -1000 * from.v * (to.P - from.P);  // MPa m^3/kg = 1000 kJ/kg
            process.q = process.dh + process.w;
            break;
        case kConstantEntropy:
        case kIrreversibleExpansion:
        case kIrreversibleCompression:
        case kPump:
        case kTurbine:
            process.q = 0;
            process.w = -process.dh;
            break;
    }
    return process;
}

ProcessPath PathOf(const PropertyModel& model, const Process& process) {
    using enum ProcessKind;
    switch (process.kind) {
        case kConstantPressure:
        case kBoiler:
        case kReheater:
        case kCondenser:
        case kOpenHeater:
            return Isobar(model, process);
        case kConstantTemperature:
        case kConstantEntropy:
            return Straight(process);
        case kConstantEnthalpy:
            return Along(model, process, Property::kH, process.from.h, Property::kP, process.from.P,
                         process.to.P, true);
        case kConstantVolume:
            return Along(model, process, Property::kV, process.from.v, Property::kT, process.from.T,
                         process.to.T, false);
        case kPump:
        case kTurbine:
            if (std::abs(process.ds) <= kEntropyTolerance) return Straight(process);
            return Schematic(process);
        case kIrreversibleExpansion:
        case kIrreversibleCompression:
            return Schematic(process);
    }
    return Schematic(process);
}

}  // namespace calorix
