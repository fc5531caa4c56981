#include "if97/pressure_search.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "if97/constants.h"
#include "if97/isobar_search.h"
#include "if97/saturation.h"
#include "if97/single_phase.h"
#include "numeric/bracketed_root.h"

// The outer search over ln P from 1e-10 to 100 MPa: the grid of pressures
// it samples, and its refinement between samples and towards the edges of
// the pressures where a region has a state of the inner value.
namespace calorix::if97::detail {
namespace {

// Samples of the outer search over ln P from 1e-10 to 100 MPa.
constexpr int kPressureSamples = 48;

// The logarithms of the pressures sampled: an even grid, and the pressures
// where the regions' stretches of an isobar change (the lowest saturation
// pressure, that of 623.15 K, the critical pressure, the top of region 5),
// since one region's states of a value may lie only around such a corner.
const std::vector<double>& SampledLogPressures() {
    static const std::vector<double> samples = [] {
        const double lo = std::log(kLowestPressure), hi = std::log(kMaxPressure);
        std::vector<double> lnP;
        for (int i = 0; i + 1 < kPressureSamples; ++i) {
            lnP.push_back(lo + i * (hi - lo) / (kPressureSamples - 1));
        }
        // Just either side of each corner: at the corner itself a
        // region's stretch may have no length.
        for (const double corner : {LowestSaturationPressure(), Region12SaturationPressure(),
                                    kCriticalPressure, kMaxHighPressure}) {
            lnP.push_back(std::log(corner) - 1e-7);
            lnP.push_back(std::log(corner) + 1e-7);
        }
        lnP.push_back(hi);
        std::sort(lnP.begin(), lnP.end());
        return lnP;
    }();
    return samples;
}

// An outer value this close to its target (relative) is the target: the
// states along the outer search carry the inner search's rounding.
constexpr double kOuterTolerance = 1e-10;

// The state at one pressure of the inner pair, the outer value's miss, and
// where there is no state, the side the inner value lies on.
struct OuterSample {
    std::optional<State> state;
    double miss = kNaN;
    int side = 0;
};

// The lowest pressure whose state of the inner value (h or s, solved along
// the isobar within one region) has the outer value. The outer value's miss
// is sampled over ln P and refined where it changes sign between two
// samples with states, or between a sample with a state and the edge of
// the pressures that have one; where the region's states of the inner
// value lie wholly between two samples (the inner value is below the
// region's values at one and above them at the other), they are found by
// halving first. Within one region's equation the values are smooth; at
// the edge, where the region ends, they reach its boundary.
template <class Inner>
Solution OverPressure(Inner&& inner, Quantity outer, double target) {
    const double lo = std::log(kLowestPressure), hi = std::log(kMaxPressure);
    const double close = kOuterTolerance * std::max(std::fabs(target), 1.0);
    const auto at = [&](double lnP) {
        OuterSample sample;
        const double P = lnP <= lo ? kLowestPressure : lnP >= hi ? kMaxPressure : std::exp(lnP);
        const RegionAnswer answer = inner(P);
        sample.side = answer.side;
        if (answer.state) {
            sample.state = answer.state;
            sample.miss = ValueOf(answer.state->properties, outer) - target;
        }
        return sample;
    };
    // The first pressure without a state that a search met, if any.
    std::optional<double> hole;
    const auto miss = [&](double lnP) {
        const OuterSample sample = at(lnP);
        if (!sample.state && !hole) hole = lnP;
        return sample.miss;
    };
    // A state between a and b whose misses bracket zero.
    const auto between = [&](double a, double b, double missA,
                             double missB) -> std::optional<State> {
        if (a > b) {
            std::swap(a, b);
            std::swap(missA, missB);
        }
        if (!Brackets(missA, missB)) return std::nullopt;
        hole.reset();
        const std::optional<double> root =
            BrentRoot(miss, a, b, missA, missB, kLogPressureTolerance);
        if (!root) return std::nullopt;
        const OuterSample found = at(*root);
        if (found.state && std::fabs(found.miss) <= close) return found.state;
        return std::nullopt;
    };
    // The last pressure with a state between one with (inside) and one
    // without (outside).
    const auto edge = [&](double inside, double outside) {
        for (int i = 0; i < 64 && std::fabs(outside - inside) > kLogPressureTolerance; ++i) {
            const double middle = 0.5 * (inside + outside);
            (at(middle).state ? inside : outside) = middle;
        }
        return inside;
    };
    // Between a sample with a state and one without: the state at the edge,
    // or the root between the edge and the sample.
    const auto towardsEdge = [&](double insideAt, const OuterSample& inside,
                                 double outsideAt) -> std::optional<State> {
        const double end = edge(insideAt, outsideAt);
        const OuterSample atEnd = at(end);
        if (!atEnd.state) return std::nullopt;
        if (auto state = between(insideAt, end, inside.miss, atEnd.miss)) return state;
        if (std::fabs(atEnd.miss) <= close) return atEnd.state;
        return std::nullopt;
    };
    // Between two samples without states on opposite sides: a pressure
    // between them with a state, by halving on the side.
    const auto window = [&](double a, int sideA, double b) -> std::optional<double> {
        for (int i = 0; i < 64 && std::fabs(b - a) > kLogPressureTolerance; ++i) {
            const double middle = 0.5 * (a + b);
            const OuterSample m = at(middle);
            if (m.state) return middle;
            if (m.side == 0) return std::nullopt;
            (m.side == sideA ? a : b) = middle;
        }
        return std::nullopt;
    };
    double previous = lo;
    OuterSample before = at(lo);
    if (before.state && std::fabs(before.miss) <= close) return *before.state;
    for (const double lnP : SampledLogPressures()) {
        if (lnP <= lo) continue;
        const OuterSample now = at(lnP);
        if (now.state && std::fabs(now.miss) <= close) return *now.state;
        if (before.state && now.state) {
            if (auto state = between(previous, lnP, before.miss, now.miss)) return *state;
            // The search fell into pressures without a state: the region's
            // states of the inner value come in two stretches here; look
            // from each sample towards the hole.
            if (const std::optional<double> gap = hole) {
                if (auto state = towardsEdge(previous, before, *gap)) return *state;
                if (auto state = towardsEdge(lnP, now, *gap)) return *state;
            }
        } else if (before.state) {
            if (auto state = towardsEdge(previous, before, lnP)) return *state;
        } else if (now.state) {
            if (auto state = towardsEdge(lnP, now, previous)) return *state;
        } else if (before.side * now.side < 0) {
            if (const std::optional<double> inside = window(previous, before.side, lnP)) {
                const OuterSample m = at(*inside);
                if (std::fabs(m.miss) <= close) return *m.state;
                if (auto state = towardsEdge(*inside, m, previous)) return *state;
                if (auto state = towardsEdge(*inside, m, lnP)) return *state;
            }
        }
        before = now;
        previous = lnP;
    }
    return Failure::kNoState;
}

}  // namespace

Solution InEveryRegion(Quantity inner, double innerValue, Quantity outer, double outerValue) {
    std::optional<State> lowest;
    for (const Region region : {Region::kLiquid1, Region::kSaturation4, Region::kNearCritical3,
                                Region::kSteam2, Region::kHighTemperature5}) {
        const Solution solution = OverPressure(
            [&](double P) { return OneRegionAlongIsobar(P, inner, innerValue, region); }, outer,
            outerValue);
        if (const State* state = std::get_if<State>(&solution)) {
            if (!lowest || state->properties.P < lowest->properties.P) lowest = *state;
        }
    }
    if (lowest) return *lowest;
    return Failure::kNoState;
}

}  // namespace calorix::if97::detail
