#include "model/correlation_crossings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/chart_range.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

// The two properties of a pair, in the order of their indices.
struct PropertyPair {
    int first;
    int second;
};

// SatTemperature changes band here, so the superheated functions jump at
// this pressure; each side is searched on its own.
constexpr double kBandPressure = 12.33;  // MPa

// Crossings closer than this in temperature (K) and relative pressure are
// one.
constexpr double kSameTemperature = 1e-3;
constexpr double kSamePressure = 1e-5;

// A dryness fraction this close outside [0, 1] is rounding, and is taken as
// the edge of the dome.
constexpr double kQualitySlack = 1e-9;

// A narrowing halves its bracket after this many steps that did not halve
// it, and ends after kMaxNarrowingSteps evaluations: about 60 halvings take
// any bracket searched here down to neighbouring doubles, and every fifth
// step at the latest is one.
constexpr int kSlowStepsBeforeHalving = 4;
constexpr int kMaxNarrowingSteps = 400;

int Sign(double d) {
    return (d > 0.0) - (d < 0.0);
}

// The scale on which a bracket is cut. Halving cuts a temperature bracket
// in the middle and a pressure bracket, which spans several decades, in the
// middle of its logarithm. False position interpolates on the scale on which
// the value searched is nearly straight: the temperature itself, the
// logarithm of the pressure for an entropy, its reciprocal for a volume.
enum class Scale { kLinear, kLogarithmic, kReciprocal };

// The point at fraction t of [lo, hi] on the scale.
double Between(double lo, double hi, double t, Scale scale) {
    switch (scale) {
        case Scale::kLinear:
            return lo + t * (hi - lo);
        case Scale::kLogarithmic:
            return lo * std::pow(hi / lo, t);
        case Scale::kReciprocal:
            return 1 / (1 / lo + t * (1 / hi - 1 / lo));
    }
    return lo;
}

double Halfway(double lo, double hi, Scale scale) {
    return scale == Scale::kLinear ? lo + (hi - lo) / 2 : std::sqrt(lo * hi);
}

double Width(double lo, double hi, Scale scale) {
    return scale == Scale::kLinear ? hi - lo : std::log(hi / lo);
}

// Narrows a bracket [lo, hi] on which f changes sign (flo = f(lo) and
// fhi = f(hi) of opposite signs) down to neighbouring doubles, and returns
// the end where |f| is smaller, or a point where f is 0.
//
// Steps by false position, with the Anderson-Bjorck weighting so that
// neither end stays put, and never closer than two doubles to an end, so
// that a root pinned from one side is soon bracketed from the other. After
// kSlowStepsBeforeHalving steps that did not halve the bracket, it is
// halved.
template <class F>
double Narrow(F&& f, double lo, double hi, double flo, double fhi, Scale scale) {
    double weightLo = flo, weightHi = fhi;
    int lastMoved = 0;  // -1: lo moved last, +1: hi moved last
    int slowSteps = 0;
    for (int step = 0; step < kMaxNarrowingSteps; ++step) {
        if (flo == 0.0) return lo;
        if (fhi == 0.0) return hi;
        double m = Halfway(lo, hi, scale);
        const bool halving = slowSteps >= kSlowStepsBeforeHalving;
        if (!halving) {
            const double guess = Between(lo, hi, weightLo / (weightLo - weightHi), scale);
            const double nearLo = std::nextafter(std::nextafter(lo, hi), hi);
            const double nearHi = std::nextafter(std::nextafter(hi, lo), lo);
            if (guess > lo && guess < hi) m = std::min(std::max(guess, nearLo), nearHi);
        }
        if (!(m > lo && m < hi)) m = Halfway(lo, hi, Scale::kLinear);
        // lo and hi are neighbours: nothing lies between them.
        if (!(m > lo && m < hi)) break;
        const double width = Width(lo, hi, scale);
        const double fm = f(m);
        if (std::isnan(fm)) break;
        if (fm == 0.0) return m;
        // Where the same end moves twice running, the weight of the end that
        // stays is scaled down (Anderson and Bjorck), so that it moves next.
        if (Sign(fm) == Sign(flo)) {
            const double keep = 1 - fm / flo;
            if (lastMoved == -1) weightHi *= keep > 0 ? keep : 0.5;
            lo = m;
            flo = weightLo = fm;
            lastMoved = -1;
        } else {
            const double keep = 1 - fm / fhi;
            if (lastMoved == 1) weightLo *= keep > 0 ? keep : 0.5;
            hi = m;
            fhi = weightHi = fm;
            lastMoved = 1;
        }
        slowSteps = !halving && Width(lo, hi, scale) > width / 2 ? slowSteps + 1 : 0;
    }
    return std::fabs(flo) <= std::fabs(fhi) ? lo : hi;
}

ModelState WetState(double T, double x) {
    ModelState state;
    state.T = T;
    state.x = x;
    state.P = SatPressure(T);
    const double vf = SatLiquidVolume(T);
    const double hf = SatLiquidEnthalpy(T);
    const double sf = SatLiquidEntropy(T);
    state.v = vf + x * (double(SatVaporVolume(T)) - vf);
    state.h = hf + x * (double(SatVaporEnthalpy(T)) - hf);
    state.s = sf + x * (double(SatVaporEntropy(T)) - sf);
    return state;
}

// A superheated property at (T, P); the pressure is handed as a copy, so
// the caller's is never clipped.
double Superheated(int property, double T, double P) {
    switch (property) {
        case kV:
            return SuperheatedVolume(T, P);
        case kH:
            return SuperheatedEnthalpy(T, P);
        default:
            return SuperheatedEntropy(T, P);
    }
}

ModelState SuperheatedState(double T, double P) {
    ModelState state;
    state.T = T;
    state.P = P;
    state.v = Superheated(kV, T, P);
    state.h = Superheated(kH, T, P);
    state.s = Superheated(kS, T, P);
    return state;
}

double ValueOf(const ModelState& state, int property) {
    switch (property) {
        case kP:
            return state.P;
        case kV:
            return state.v;
        case kH:
            return state.h;
        default:
            return state.s;
    }
}

// How closely a crossing must reproduce the given values, relative: better
// than the property panel shows them.
double Tolerance(int property) {
    return property == kH || property == kS ? 1e-6 : 1e-7;
}

// How far a property of a state lies from its given value, in units of the
// error allowed: 1 or less reproduces it. The small absolute term keeps an
// entropy of 0 reachable.
double Miss(const ModelState& state, int property, double given) {
    return std::fabs(ValueOf(state, property) - given) /
           (Tolerance(property) * std::fabs(given) + 1e-12);
}

// Saturated liquid and vapour values of v, h or s at T.
struct SaturatedPair {
    double liquid;
    double vapor;
};
SaturatedPair Saturated(int property, double T) {
    switch (property) {
        case kV:
            return {SatLiquidVolume(T), SatVaporVolume(T)};
        case kH:
            return {SatLiquidEnthalpy(T), SatVaporEnthalpy(T)};
        default:
            return {SatLiquidEntropy(T), SatVaporEntropy(T)};
    }
}

// The two given values, and the states found so far.
class Search {
  public:
    Search(PropertyPair boxes, double first, double second)
        : boxes_(boxes), first_(first), second_(second) {}

    std::vector<ModelState> Run();

  private:
    void InTheDome();
    void InTheDomeAtPressure();
    void InTheSuperheatedRegion();
    // Takes a candidate when it lies in the chart and in its region and
    // reproduces both values.
    void Consider(const ModelState& state);
    bool Reproduces(const ModelState& state) const;

    PropertyPair boxes_;
    double first_;
    double second_;
    std::vector<ModelState> found_;
};

// Temperatures at which the lines are sampled for a change of sign. The
// dome's grid has points on both sides of the band edges of the liquid
// enthalpy and entropy (just below 300 K and at 300 K, at 600 K and just
// above), so that no cell holds a jump of them, and closes in on the
// critical point, where the dome narrows.
const std::vector<double>& DomeGrid() {
    static const std::vector<double> grid = [] {
        std::vector<double> g;
        for (double T = kTriplePointTemperature; T < 645; T += 5)
            g.push_back(T);
        const double more[] = {std::nextafter(300.0, 0.0),
                               300.0,
                               600.0,
                               std::nextafter(600.0, 1000.0),
                               645.0,
                               646.0,
                               646.5,
                               647.0,
                               kCriticalTemperature};
        g.insert(g.end(), std::begin(more), std::end(more));
        std::sort(g.begin(), g.end());
        g.erase(std::unique(g.begin(), g.end()), g.end());
        return g;
    }();
    return grid;
}

// Lines in the superheated region bend most near the dome; above 673.16 K
// they are sampled every 25 K.
const std::vector<double>& SuperheatedGrid() {
    static const std::vector<double> grid = [] {
        std::vector<double> g;
        for (int i = 0; i <= 40; ++i)
            g.push_back(kTriplePointTemperature + 10 * i);
        for (int i = 1; i <= 24; ++i)
            g.push_back(kTriplePointTemperature + 400 + 25 * i);
        return g;
    }();
    return grid;
}

// A value along a line, and whether the line runs inside the region
// searched there.
struct Sample {
    double value;
    bool inside;
};

// Steps of the search for the lowest |value| between three samples.
constexpr int kMaxDipSteps = 48;

// Where the value comes closest to 0 in [lo, hi] around mid, whose |value|
// is below both ends' (all three of one sign): two crossings close together
// inside one cell, or lines that touch. Narrows by golden sections and
// stops at the first point of the other sign. Returns the point reached.
template <class F>
double DeepestPoint(F&& value, double lo, double mid, double hi, double fmid) {
    const int sign = Sign(fmid);
    const auto depth = [&](double T) { return sign * value(T); };
    constexpr double kGolden = 0.3819660112501051;  // 2 - golden ratio
    double best = mid, bestDepth = sign * fmid;
    for (int step = 0; step < kMaxDipSteps && bestDepth > 0; ++step) {
        // The next point in the larger of the two parts.
        const bool right = hi - best > best - lo;
        const double T = right ? best + kGolden * (hi - best) : best - kGolden * (best - lo);
        if (!(T > lo && T < hi) || T == best) break;
        const double d = depth(T);
        if (std::isnan(d)) break;
        if (d < bestDepth) {
            (right ? lo : hi) = best;
            best = T;
            bestDepth = d;
        } else {
            (right ? hi : lo) = T;
        }
    }
    return best;
}

// Samples a line over the grid and narrows every cell where the value
// changes sign and the line runs inside its region at one end at least;
// each point found, and each grid point where the value is 0, goes to take.
// Where the value comes closer to 0 at a grid point than at both its
// neighbours without changing sign, the lines may cross twice between them
// or touch: the point closest to 0 there is looked for, and the crossings
// on both sides of it (or, where it does not change sign, the point
// itself) go to take.
template <class F, class Take>
void SignChanges(const std::vector<double>& grid, F&& sample, Take&& take) {
    const auto value = [&sample](double T) { return sample(T).value; };
    const auto cross = [&](double lo, double hi, double flo, double fhi) {
        take(Narrow(value, lo, hi, flo, fhi, Scale::kLinear));
    };
    std::vector<Sample> samples;
    samples.reserve(grid.size());
    for (const double T : grid)
        samples.push_back(sample(T));
    for (size_t i = 0; i < grid.size(); ++i) {
        const Sample& here = samples[i];
        if (here.value == 0.0) {
            if (here.inside) take(grid[i]);
            continue;
        }
        if (i == 0) continue;
        const Sample& before = samples[i - 1];
        if (Sign(before.value) * Sign(here.value) < 0 && (here.inside || before.inside)) {
            cross(grid[i - 1], grid[i], before.value, here.value);
        }
        if (i + 1 == grid.size() || !here.inside) continue;
        const Sample& after = samples[i + 1];
        const int sign = Sign(here.value);
        if (Sign(before.value) != sign || Sign(after.value) != sign) continue;
        if (!(std::fabs(here.value) < std::fabs(before.value) &&
              std::fabs(here.value) < std::fabs(after.value))) {
            continue;
        }
        const double T = DeepestPoint(value, grid[i - 1], grid[i], grid[i + 1], here.value);
        const double f = value(T);
        if (Sign(f) == -sign) {
            cross(grid[i - 1], T, before.value, f);
            cross(T, grid[i + 1], f, after.value);
        } else {
            take(T);
        }
    }
}

void Search::InTheDomeAtPressure() {
    // The temperature whose saturation pressure is P; the other value fixes
    // the dryness fraction there.
    const double P = first_;
    const auto f = [P](double T) { return SatPressure(T) - P; };
    const double lo = kTriplePointTemperature, hi = kCriticalTemperature;
    const double flo = f(lo), fhi = f(hi);
    if (Sign(flo) * Sign(fhi) > 0 || std::isnan(flo) || std::isnan(fhi)) return;
    const double T = Narrow(f, lo, hi, flo, fhi, Scale::kLinear);
    const SaturatedPair sat = Saturated(boxes_.second, T);
    const double x = (second_ - sat.liquid) / (sat.vapor - sat.liquid);
    if (!(x >= -kQualitySlack && x <= 1 + kQualitySlack)) return;
    Consider(WetState(T, std::clamp(x, 0.0, 1.0)));
}

void Search::InTheDome() {
    // At a temperature, the first value fixes one dryness fraction and the
    // second another; the lines cross where the two agree. Written without a
    // division, (a - af)(bg - bf) - (b - bf)(ag - af) is defined at every
    // temperature of the dome, so the search needs no edges.
    const int a = boxes_.first, b = boxes_.second;
    const double av = first_, bv = second_;
    const auto f = [a, b, av, bv](double T) {
        const SaturatedPair A = Saturated(a, T), B = Saturated(b, T);
        return Sample{
            (av - A.liquid) * (B.vapor - B.liquid) - (bv - B.liquid) * (A.vapor - A.liquid), true};
    };
    SignChanges(DomeGrid(), f, [&](double T) {
        // The dryness fraction from whichever value gives the closer state.
        const SaturatedPair A = Saturated(a, T), B = Saturated(b, T);
        std::optional<ModelState> best;
        double bestError = 0;
        for (const double x :
             {(av - A.liquid) / (A.vapor - A.liquid), (bv - B.liquid) / (B.vapor - B.liquid)}) {
            if (!(x >= -kQualitySlack && x <= 1 + kQualitySlack)) continue;
            const ModelState state = WetState(T, std::clamp(x, 0.0, 1.0));
            const double error = std::max(Miss(state, a, av), Miss(state, b, bv));
            if (!best || error < bestError) {
                best = state;
                bestError = error;
            }
        }
        if (best) Consider(*best);
    });
}

void Search::InTheSuperheatedRegion() {
    // Along the line of the first value: for (P, ...) the isobar itself;
    // otherwise at each temperature the pressure at which the volume (or,
    // for (h, s), the entropy) has its value, both falling with pressure.
    // That pressure is held at the end of the range searched when the value
    // lies beyond it, so that the other value changes smoothly along T.
    const int a = boxes_.first, b = boxes_.second;
    const double av = first_, bv = second_;
    const int along = a == kP ? kP : (a == kV ? kV : kS);
    const int other = along == a ? b : a;
    const double alongValue = along == a ? av : bv;
    const double otherValue = along == a ? bv : av;

    const double lowest = SatPressure(kTriplePointTemperature);
    struct Range {
        double lo, hi;
    };
    const Range ranges[] = {{lowest, kBandPressure},
                            {std::nextafter(kBandPressure, kCriticalPressure), kCriticalPressure}};
    for (const Range range : ranges) {
        if (along == kP && !(alongValue >= range.lo && alongValue <= range.hi)) continue;
        // The pressure of the line at T, and whether the line lies inside
        // the range there.
        struct OnLine {
            double P;
            bool inside;
        };
        const auto pressureAt = [&](double T) -> OnLine {
            if (along == kP) return {alongValue, true};
            const double flo = Superheated(along, T, range.lo) - alongValue;
            const double fhi = Superheated(along, T, range.hi) - alongValue;
            if (flo == 0.0) return {range.lo, true};
            if (fhi == 0.0) return {range.hi, true};
            if (Sign(flo) * Sign(fhi) >= 0) {
                return {std::fabs(flo) <= std::fabs(fhi) ? range.lo : range.hi, false};
            }
            const auto f = [&](double P) { return Superheated(along, T, P) - alongValue; };
            return {Narrow(f, range.lo, range.hi, flo, fhi,
                           along == kV ? Scale::kReciprocal : Scale::kLogarithmic),
                    true};
        };
        const auto f = [&](double T) {
            const OnLine on = pressureAt(T);
            return Sample{Superheated(other, T, on.P) - otherValue, on.inside};
        };
        SignChanges(SuperheatedGrid(), f,
                    [&](double T) { Consider(SuperheatedState(T, pressureAt(T).P)); });
    }
}

bool Search::Reproduces(const ModelState& state) const {
    return Miss(state, boxes_.first, first_) <= 1 && Miss(state, boxes_.second, second_) <= 1;
}

void Search::Consider(const ModelState& state) {
    if (!OnChart(state.s, state.T)) return;
    if (!state.x) {
        // Superheated: inside the pressure range of the searches and right
        // of the saturated-vapour entropy at T.
        if (!(state.P >= SatPressure(kTriplePointTemperature) && state.P <= kCriticalPressure)) {
            return;
        }
        if (!(state.s > double(SatVaporEntropy(state.T)))) return;
    }
    if (!Reproduces(state)) return;
    // The superheated enthalpy moves in steps of about 1e-4 kJ/kg (its
    // coefficients are single precision), so a line can meet a value several
    // times within a fraction of a millikelvin: those are one crossing.
    for (const ModelState& known : found_) {
        if (std::fabs(known.T - state.T) <= kSameTemperature &&
            std::fabs(known.P - state.P) <= kSamePressure * state.P) {
            return;
        }
    }
    found_.push_back(state);
}

std::vector<ModelState> Search::Run() {
    if (!std::isfinite(first_) || !std::isfinite(second_)) return {};
    if (boxes_.first == kP) {
        InTheDomeAtPressure();
    } else {
        InTheDome();
    }
    InTheSuperheatedRegion();
    std::sort(found_.begin(), found_.end(), [](const ModelState& l, const ModelState& r) {
        return l.T < r.T || (l.T == r.T && l.P < r.P);
    });
    return found_;
}

}  // namespace

std::vector<ModelState> FindModelCrossings(int firstProperty, int secondProperty, double first,
                                           double second) {
    return Search({firstProperty, secondProperty}, first, second).Run();
}

}  // namespace calorix
