#include "lines/model_lines.h"

#include <cmath>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "lines/single_property_lines.h"
#include "model/chart_range.h"

namespace calorix {
namespace {

// How finely the lines are drawn is judged on a chart of about 10,000 by
// 5,600 twips (the window's chart at its usual size): twips per kJ/kg-K
// across and per K upwards.
constexpr double kTwipsPerEntropy = 10000 / (kChartMaxEntropy - kChartMinEntropy);
constexpr double kTwipsPerKelvin = 5600 / kChartTemperatureSpan;

// A segment longer than this, in twips, is halved.
constexpr double kLongestSegment = 250;
// Where the line turns by more than this at a point, in radians (about 3
// degrees), the segments beside it are halved while longer than
// kShortestTurningSegment twips, so that curves look smooth.
constexpr double kLargestTurn = 0.05;
constexpr double kShortestTurningSegment = 4;
// Halvings of a grid's steps at most.
constexpr int kMostRefinements = 16;
// Where the states of a line stop, the end is found by halving the step to
// this part of the line's parameter span.
constexpr double kEdgeTolerance = 1e-7;

// The pressures an isenthalp is followed over, in MPa: from below every
// state of the chart (at 1e-7 MPa steam lies right of s = 12 at every
// temperature of the chart) up to 100 MPa, the top of the chart's states.
constexpr double kIsenthalpLowestPressure = 1e-7;
constexpr double kIsenthalpHighestPressure = 100;

// Grid steps before refinement: K along isobars, isochores and the dome,
// ln P along isenthalps.
constexpr double kIsobarStep = 5;
constexpr double kIsochoreStep = 10;
constexpr double kDomeStep = 5;
constexpr double kIsenthalpStep = 0.2;
// Grid intervals of the searches for the ends of isotherms and isentropes.
constexpr int kIsothermProbes = 24;
constexpr int kIsentropeProbes = 40;

// A chart position: s in kJ/kg-K, T in K.
struct Position {
    double s;
    double T;
};

// A point of a line: its parameter and chart position.
struct Spot {
    double t;
    double s;
    double T;
};

using Run = std::vector<Spot>;

std::optional<Position> PositionOf(const StateOrWhy& found) {
    if (const State* state = std::get_if<State>(&found)) return Position{state->s, state->T};
    return std::nullopt;
}

int Intervals(double span, double step) {
    return std::max(1, int(std::ceil(std::fabs(span) / step)));
}

// The lengths in twips of a segment.
double Length(const Spot& a, const Spot& b) {
    return std::hypot((b.s - a.s) * kTwipsPerEntropy, (b.T - a.T) * kTwipsPerKelvin);
}

// The angle by which the line turns at b, in radians.
double Turn(const Spot& a, const Spot& b, const Spot& c) {
    const double ux = (b.s - a.s) * kTwipsPerEntropy, uy = (b.T - a.T) * kTwipsPerKelvin;
    const double wx = (c.s - b.s) * kTwipsPerEntropy, wy = (c.T - b.T) * kTwipsPerKelvin;
    if ((ux == 0 && uy == 0) || (wx == 0 && wy == 0)) return 0;
    return std::atan2(std::fabs(ux * wy - uy * wx), ux * wx + uy * wy);
}

void Append(Run& run, const Spot& spot) {
    if (run.empty() || run.back().t != spot.t) run.push_back(spot);
}

// The pieces of a line traced so far, each drawn as one polyline.
struct Polyline {
    std::vector<Run> pieces;
    // The last piece reaches the end of the last leg traced, so that the
    // next leg goes on from it.
    bool open = false;
};

// One leg of a line: a parameter t from a to b and the chart position of
// the line's state at each t (nothing where the model has none). Positions
// off the chart count as none.
template <class At>
class Leg {
  public:
    Leg(double a, double b, At at) : a_(a), b_(b), at_(std::move(at)) {
        tolerance_ = kEdgeTolerance * std::fabs(b - a);
    }

    // Grid of n intervals, the ends of the states found by halving, every
    // run refined; the runs join the polyline (the first one goes on from
    // its last piece where both meet at a).
    void Trace(Polyline& line, int n, bool refine) {
        std::vector<Run> runs;
        Run current;
        std::optional<Spot> previous;
        double previousT = a_;
        for (int i = 0; i <= n; ++i) {
            const double t = i == n ? b_ : a_ + (b_ - a_) * i / n;
            const std::optional<Spot> spot = SpotAt(t);
            if (spot) {
                if (current.empty() && i > 0) Append(current, Edge(*spot, previousT));
                Append(current, *spot);
            } else if (!current.empty()) {
                Append(current, Edge(*previous, t));
                runs.push_back(std::move(current));
                current.clear();
            }
            previous = spot;
            previousT = t;
        }
        const bool reachesEnd = !current.empty();
        if (reachesEnd) runs.push_back(std::move(current));

        // The first run goes on from the last piece where both meet at a.
        bool joins =
            line.open && !line.pieces.empty() && !runs.empty() && runs.front().front().t == a_;
        for (Run& run : runs) {
            std::vector<Run> pieces = refine ? Refine(std::move(run), kMostRefinements)
                                             : std::vector<Run>{std::move(run)};
            for (Run& piece : pieces) {
                if (joins) {
                    Run& last = line.pieces.back();
                    for (const Spot& spot : piece) {
                        if (last.back().s != spot.s || last.back().T != spot.T)
                            last.push_back(spot);
                    }
                    joins = false;
                } else {
                    line.pieces.push_back(std::move(piece));
                }
            }
        }
        line.open = reachesEnd;
    }

  private:
    std::optional<Spot> SpotAt(double t) {
        const std::optional<Position> p = at_(t);
        if (!p || !OnChart(p->s, p->T)) return std::nullopt;
        return Spot{t, p->s, p->T};
    }

    // The last state towards outside (a parameter without one) from inside.
    Spot Edge(Spot inside, double outside) {
        while (std::fabs(outside - inside.t) > tolerance_) {
            const double middle = 0.5 * (inside.t + outside);
            if (middle == inside.t || middle == outside) break;
            if (const std::optional<Spot> spot = SpotAt(middle)) {
                inside = *spot;
            } else {
                outside = middle;
            }
        }
        return inside;
    }

    // Halves the steps of a run that are too long or where it turns too
    // sharply; a halving without a state breaks the run in two.
    std::vector<Run> Refine(Run run, int passes) {
        for (int pass = 0; pass < passes && run.size() >= 2; ++pass) {
            const std::size_t n = run.size();
            std::vector<double> turn(n, 0.0);
            for (std::size_t i = 1; i + 1 < n; ++i)
                turn[i] = Turn(run[i - 1], run[i], run[i + 1]);
            std::vector<bool> halve(n - 1, false);
            bool any = false;
            for (std::size_t k = 0; k + 1 < n; ++k) {
                if (std::fabs(run[k + 1].t - run[k].t) <= 2 * tolerance_) continue;
                const double length = Length(run[k], run[k + 1]);
                const bool turns = turn[k] > kLargestTurn || turn[k + 1] > kLargestTurn;
                if (length > kLongestSegment || (turns && length > kShortestTurningSegment)) {
                    halve[k] = true;
                    any = true;
                }
            }
            if (!any) break;

            std::vector<Run> parts;
            Run next;
            for (std::size_t k = 0; k < n; ++k) {
                Append(next, run[k]);
                if (k + 1 == n || !halve[k]) continue;
                const double middle = 0.5 * (run[k].t + run[k + 1].t);
                if (const std::optional<Spot> spot = SpotAt(middle)) {
                    Append(next, *spot);
                } else {
                    Append(next, Edge(run[k], middle));
                    parts.push_back(std::move(next));
                    next = Run{Edge(run[k + 1], middle)};
                }
            }
            if (parts.empty()) {
                run = std::move(next);
                continue;
            }
            parts.push_back(std::move(next));
            std::vector<Run> refined;
            for (Run& part : parts) {
                for (Run& piece : Refine(std::move(part), passes - pass - 1))
                    refined.push_back(std::move(piece));
            }
            return refined;
        }
        return {std::move(run)};
    }

    double a_, b_;
    At at_;
    double tolerance_;
};

template <class At>
void TraceLeg(Polyline& line, double a, double b, double step, At at, bool refine = true) {
    Leg<At>(a, b, std::move(at)).Trace(line, Intervals(b - a, step), refine);
}

// The polyline into the plan: each piece from a move to its first point.
// Returns whether anything was drawn.
bool Draw(Plan& plan, const Polyline& line) {
    bool drawn = false;
    for (const Run& piece : line.pieces) {
        if (piece.empty()) continue;
        plan.MoveTo(piece.front().s, piece.front().T);
        for (std::size_t i = 1; i < piece.size(); ++i)
            plan.LineTo(piece[i].s, piece[i].T);
        drawn = true;
    }
    return drawn;
}

// The last value of t towards outside that has(t) holds for, from inside
// where it holds, to within tolerance.
template <class Has>
double LastWith(double inside, double outside, double tolerance, Has&& has) {
    while (std::fabs(outside - inside) > tolerance) {
        const double middle = 0.5 * (inside + outside);
        if (middle == inside || middle == outside) break;
        (has(middle) ? inside : outside) = middle;
    }
    return inside;
}

// The first stretch of [a, b] where has(t) holds, found on a grid of n
// intervals and its ends refined by halving; nothing where no grid point has
// it.
template <class Has>
std::optional<std::pair<double, double>> FirstStretch(double a, double b, int n, Has&& has) {
    const double tolerance = 1e-9 * (b - a);
    const auto at = [a, b, n](int i) { return i == n ? b : a + (b - a) * i / n; };
    int first = 0;
    while (first <= n && !has(at(first)))
        ++first;
    if (first > n) return std::nullopt;
    int last = first;
    while (last < n && has(at(last + 1)))
        ++last;
    const double lo = first == 0 ? a : LastWith(at(first), at(first - 1), tolerance, has);
    const double hi = last == n ? b : LastWith(at(last), at(last + 1), tolerance, has);
    return std::pair{lo, hi};
}

}  // namespace

Plan ModelIsotherm(const PropertyModel& model, double T, const std::string& tText) {
    Plan plan;
    plan.Color(kIsothermColor);
    const auto has = [&model, T](double s) {
        return std::holds_alternative<State>(model.StateFrom(Property::kT, T, Property::kS, s));
    };
    const auto stretch = FirstStretch(kChartMinEntropy, kChartMaxEntropy, kIsothermProbes, has);
    if (!stretch) return plan;
    plan.MarkedSegment(stretch->first, T, stretch->second, T);
    plan.Label(IsothermLabel(tText));
    return plan;
}

Plan ModelIsentrope(const PropertyModel& model, double s, const std::string& sText) {
    Plan plan;
    plan.Color(kIsentropeColor);
    const auto has = [&model, s](double T) {
        return std::holds_alternative<State>(model.StateFrom(Property::kT, T, Property::kS, s));
    };
    const auto stretch =
        FirstStretch(kChartMinTemperature, kChartMaxTemperature, kIsentropeProbes, has);
    if (!stretch) return plan;
    plan.MarkedSegment(s, stretch->first, s, stretch->second);
    plan.Label(IsentropeLabel(sText));
    return plan;
}

Plan ModelIsobar(const PropertyModel& model, double P, const std::string& pText,
                 CurrentPoint& point) {
    Plan plan;
    plan.Color(kIsobarColor);
    const auto single = [&model, P](double T) {
        return PositionOf(model.StateFrom(Property::kT, T, Property::kP, P));
    };
    Polyline line;
    const std::optional<Saturation> saturation = model.SaturationAtPressure(P);
    if (saturation && saturation->T >= kChartMinTemperature &&
        saturation->T <= kChartMaxTemperature) {
        const double Ts = saturation->T;
        point.PointT = Ts;
        const Position liquid{saturation->liquid.s, Ts};
        const Position vapour{saturation->vapour.s, Ts};
        // Up the liquid to the saturated liquid itself.
        TraceLeg(line, kChartMinTemperature, Ts, kIsobarStep,
                 [&](double T) { return T >= Ts ? std::optional<Position>(liquid) : single(T); });
        // Straight across the dome.
        TraceLeg(
            line, 0, 1, 1,
            [&](double x) {
                return std::optional<Position>({liquid.s + x * (vapour.s - liquid.s), Ts});
            },
            false);
        // From the saturated vapour up through the steam.
        TraceLeg(line, Ts, kChartMaxTemperature, kIsobarStep,
                 [&](double T) { return T <= Ts ? std::optional<Position>(vapour) : single(T); });
    } else {
        TraceLeg(line, kChartMinTemperature, kChartMaxTemperature, kIsobarStep, single);
    }
    if (!Draw(plan, line)) return plan;
    plan.Label(IsobarLabel(pText));
    plan.Refresh();
    return plan;
}

Plan ModelIsochore(const PropertyModel& model, double v, const std::string& vText) {
    Plan plan;
    plan.Color(kIsochoreColor);
    Polyline line;
    TraceLeg(line, kChartMinTemperature, kChartMaxTemperature, kIsochoreStep, [&](double T) {
        return PositionOf(model.StateFrom(Property::kT, T, Property::kV, v));
    });
    if (!Draw(plan, line)) return plan;
    plan.Label(IsochoreLabel(vText));
    plan.Refresh();
    return plan;
}

Plan ModelIsenthalp(const PropertyModel& model, double h, const std::string& hText) {
    Plan plan;
    plan.Color(kIsenthalpColor);
    const double lo = std::log(kIsenthalpLowestPressure);
    const double hi = std::log(kIsenthalpHighestPressure);
    Polyline line;
    TraceLeg(line, lo, hi, kIsenthalpStep, [&](double lnP) {
        // The ends are the pressures themselves, not exp(ln P).
        const double P = lnP <= lo   ? kIsenthalpLowestPressure
                         : lnP >= hi ? kIsenthalpHighestPressure
                                     : std::exp(lnP);
        return PositionOf(model.StateFrom(Property::kP, P, Property::kH, h));
    });
    if (line.pieces.empty()) return plan;
    // Labelled where it comes onto the chart, then drawn from there.
    const Spot& first = line.pieces.front().front();
    plan.MoveTo(first.s, first.T);
    plan.Label(IsenthalpLabel(hText));
    Draw(plan, line);
    plan.Refresh();
    return plan;
}

Plan ModelDome(const PropertyModel& model) {
    Plan plan;
    plan.Color(kSaturationDomeColor);
    const auto has = [&model](double T) { return model.SaturationAtTemperature(T).has_value(); };
    if (!has(kChartMinTemperature)) return plan;
    // The top of the saturation line, to the last double: the critical point.
    const double top = has(kChartMaxTemperature)
                           ? kChartMaxTemperature
                           : LastWith(kChartMinTemperature, kChartMaxTemperature, 0, has);
    const auto phase = [&model](double T, bool liquid) -> std::optional<Position> {
        const std::optional<Saturation> saturation = model.SaturationAtTemperature(T);
        if (!saturation) return std::nullopt;
        return Position{liquid ? saturation->liquid.s : saturation->vapour.s, T};
    };
    Polyline liquid;
    TraceLeg(liquid, kChartMinTemperature, top, kDomeStep,
             [&](double T) { return phase(T, true); });
    Draw(plan, liquid);
    if (const std::optional<Position> critical = phase(top, true)) {
        if (OnChart(critical->s, critical->T)) plan.Mark(critical->s, critical->T);
    }
    Polyline vapour;
    TraceLeg(vapour, top, kChartMinTemperature, kDomeStep,
             [&](double T) { return phase(T, false); });
    Draw(plan, vapour);
    plan.Refresh();
    return plan;
}

}  // namespace calorix
