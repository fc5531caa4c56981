// The Rankine cycle: textbook cases under IAPWS-IF97, reheat and open
// feedwater heaters whose energy balances close, turbines and pumps with
// their isentropic efficiencies, a typed error for every impossible input,
// and the incompressible-liquid approximation where a model has no
// compressed liquid.
#include "cycle/rankine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace calorix {
namespace {

using enum Property;

const RankineCycle& Cycle(const RankineOrError& answer) {
    static const RankineCycle none;
    EXPECT_TRUE(std::holds_alternative<RankineCycle>(answer))
        << (std::holds_alternative<CycleError>(answer) ? std::get<CycleError>(answer).why : "");
    return std::holds_alternative<RankineCycle>(answer) ? std::get<RankineCycle>(answer) : none;
}

RankineCycle Compute(const PropertyModel& model, const RankineInputs& inputs) {
    return Cycle(ComputeRankine(model, inputs));
}

RankineInputs Simple(double boiler, std::optional<double> inletT, double condenser) {
    RankineInputs inputs;
    inputs.boilerPressure = boiler;
    inputs.turbineInletTemperature = inletT;
    inputs.condenserPressure = condenser;
    return inputs;
}

const State& StateNo(const RankineCycle& cycle, int number) {
    return cycle.states.at(number - 1).state;
}

// Textbook cycles, with the enthalpies the textbooks read from their steam
// tables for each state (kJ/kg) and the figures they give.
struct Textbook {
    const char* source;
    RankineInputs inputs;
    std::vector<double> h;
    double efficiency;
};

std::vector<Textbook> IdealCycles() {
    return {
        // Moran and Shapiro, Example 8.1: saturated vapour at 8 MPa, 8 kPa.
        {"8 MPa saturated, 8 kPa",
         Simple(8, std::nullopt, 0.008),
         {173.88, 181.94, 2758.0, 1794.8},
         0.371},
        // Cengel and Boles, Example 10-3: 3 MPa and 350 C, 3 MPa and 600 C,
        // 15 MPa and 600 C, each to 10 kPa.
        {"3 MPa 623.15 K, 10 kPa",
         Simple(3, 623.15, 0.01),
         {191.81, 194.83, 3116.1, 2136.1},
         0.334},
        {"3 MPa 873.15 K, 10 kPa",
         Simple(3, 873.15, 0.01),
         {191.81, 194.83, 3682.8, 2379.7},
         0.373},
        {"15 MPa 873.15 K, 10 kPa",
         Simple(15, 873.15, 0.01),
         {191.81, 206.95, 3583.1, 2115.3},
         0.430},
    };
}

TEST(Rankine, IdealTextbookCyclesUnderIf97) {
    for (const Textbook& book : IdealCycles()) {
        SCOPED_TRACE(book.source);
        const RankineCycle cycle = Compute(If97Model(), book.inputs);
        ASSERT_EQ(cycle.states.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(StateNo(cycle, i + 1).h, book.h[i], 1.0) << "state " << i + 1;
        }
        EXPECT_NEAR(cycle.thermalEfficiency, book.efficiency, 0.001);
        EXPECT_EQ(StateNo(cycle, 1).x, 0.0);  // the condenser's saturated liquid
        EXPECT_EQ(StateNo(cycle, 1).P, book.inputs.condenserPressure);
        EXPECT_EQ(StateNo(cycle, 2).phase, Phase::kLiquid);
        EXPECT_EQ(StateNo(cycle, 3).P, book.inputs.boilerPressure);
        ASSERT_TRUE(StateNo(cycle, 4).x.has_value());
        EXPECT_TRUE(cycle.note.empty()) << cycle.note;
        for (const CycleState& state : cycle.states)
            EXPECT_FALSE(state.approximate);
        EXPECT_TRUE(cycle.extractionFractions.empty());
        EXPECT_FALSE(cycle.massFlow || cycle.heatInRate || cycle.heatOutRate);
        // Between the condenser's liquid and the turbine inlet.
        EXPECT_EQ(cycle.lowestTemperature, StateNo(cycle, 1).T);
        EXPECT_EQ(cycle.highestTemperature, StateNo(cycle, 3).T);
        EXPECT_DOUBLE_EQ(cycle.carnotEfficiency, 1 - StateNo(cycle, 1).T / StateNo(cycle, 3).T);
        EXPECT_GT(cycle.carnotEfficiency, cycle.thermalEfficiency);
    }
    // Saturated vapour at 8 MPa: a back-work ratio of 0.84 %.
    EXPECT_NEAR(Compute(If97Model(), IdealCycles()[0].inputs).backWorkRatio, 0.0084, 0.0001);
}

TEST(Rankine, ANetPowerGivesTheMassFlowAndHeatRates) {
    // Moran and Shapiro, Example 8.1, 100 MW: 3.77e5 kg/h, 269.77 MW into
    // the boiler and 169.75 MW out of the condenser.
    RankineInputs inputs = Simple(8, std::nullopt, 0.008);
    inputs.netPower = 100;
    const RankineCycle cycle = Compute(If97Model(), inputs);
    ASSERT_TRUE(cycle.massFlow && cycle.heatInRate && cycle.heatOutRate);
    EXPECT_NEAR(*cycle.massFlow, 3.77e5 / 3600, 0.1);
    EXPECT_NEAR(*cycle.heatInRate, 269.77, 0.2);
    EXPECT_NEAR(*cycle.heatOutRate, 169.75, 0.2);
    EXPECT_NEAR(*cycle.heatInRate - *cycle.heatOutRate, 100, 1e-9);
    EXPECT_NEAR(*cycle.massFlow * cycle.netWork, 100e3, 1e-6);
}

// The checks every cycle must pass: the states follow the flow from 1 round
// to 1, the energy balances close, the totals are what the processes give.
void ExpectBalanced(const RankineCycle& cycle) {
    const int n = static_cast<int>(cycle.states.size());
    ASSERT_GE(cycle.processes.size(), 4u);
    // The main flow: each state to the next in number, the condenser back to 1.
    int expected = 1;
    for (const CycleProcess& p : cycle.processes) {
        if (p.to == p.from + 1) {
            EXPECT_EQ(p.from, expected) << ProcessKindName(p.process.kind);
            expected = p.to;
        }
    }
    EXPECT_EQ(expected, n);
    const CycleProcess& last = cycle.processes.back();
    EXPECT_EQ(last.process.kind, ProcessKind::kCondenser);
    EXPECT_EQ(last.from, n);
    EXPECT_EQ(last.to, 1);

    double q = 0, w = 0, heatIn = 0, heatOut = 0, turbine = 0, pump = 0, scale = 0;
    for (const CycleProcess& p : cycle.processes) {
        EXPECT_GT(p.fraction, 0);
        EXPECT_LE(p.fraction, 1);
        EXPECT_EQ(p.process.from.h, StateNo(cycle, p.from).h);
        EXPECT_EQ(p.process.to.h, StateNo(cycle, p.to).h);
        q += p.fraction * p.process.q;
        w += p.fraction * p.process.w;
        scale += std::abs(p.fraction * p.process.q);
        switch (p.process.kind) {
            case ProcessKind::kBoiler:
            case ProcessKind::kReheater:
                heatIn += p.fraction * p.process.q;
                break;
            case ProcessKind::kCondenser:
                heatOut -= p.fraction * p.process.q;
                break;
            case ProcessKind::kTurbine:
                turbine += p.fraction * p.process.w;
                break;
            case ProcessKind::kPump:
                pump -= p.fraction * p.process.w;
                break;
            default:
                break;
        }
    }
    EXPECT_NEAR(q, w, 1e-9 * scale);  // heat into the cycle is its work
    EXPECT_NEAR(cycle.heatIn - cycle.heatOut, cycle.netWork, 1e-9 * cycle.heatIn);
    EXPECT_DOUBLE_EQ(cycle.heatIn, heatIn);
    EXPECT_DOUBLE_EQ(cycle.heatOut, heatOut);
    EXPECT_DOUBLE_EQ(cycle.turbineWork, turbine);
    EXPECT_DOUBLE_EQ(cycle.pumpWork, pump);
    EXPECT_DOUBLE_EQ(cycle.netWork, turbine - pump);
    EXPECT_DOUBLE_EQ(cycle.thermalEfficiency, cycle.netWork / cycle.heatIn);
    EXPECT_DOUBLE_EQ(cycle.backWorkRatio, pump / turbine);

    // Each open heater: what flows in leaves as its saturated liquid, and
    // the flow that leaves it is what its extraction and feedwater bring.
    double extracted = 0;
    for (const double y : cycle.extractionFractions) {
        EXPECT_GT(y, 0);
        EXPECT_LT(y, 1);
        extracted += y;
    }
    EXPECT_LT(extracted, 1);
    EXPECT_NEAR(last.fraction, 1 - extracted, 1e-12);
    std::vector<double> heaterQ(n + 1, 0), heaterScale(n + 1, 0), heaterMass(n + 1, 0);
    int heaterStreams = 0;
    for (const CycleProcess& p : cycle.processes) {
        if (p.process.kind != ProcessKind::kOpenHeater) continue;
        heaterQ[p.to] += p.fraction * p.process.q;
        heaterScale[p.to] += std::abs(p.fraction * p.process.q);
        heaterMass[p.to] += p.fraction;
        EXPECT_EQ(StateNo(cycle, p.to).x, 0.0);
        ++heaterStreams;
    }
    EXPECT_EQ(heaterStreams, 2 * static_cast<int>(cycle.extractionFractions.size()));
    for (int k = 1; k <= n; ++k) {
        EXPECT_NEAR(heaterQ[k], 0, 1e-12 * heaterScale[k]) << "heater outlet " << k;
        if (heaterMass[k] == 0) continue;
        for (const CycleProcess& p : cycle.processes) {
            if (p.from == k) {
                EXPECT_NEAR(p.fraction, heaterMass[k], 1e-12) << "pump after " << k;
            }
        }
    }
}

TEST(Rankine, EveryCycleBalancesItsEnergy) {
    std::vector<RankineInputs> all;
    for (const Textbook& book : IdealCycles())
        all.push_back(book.inputs);
    RankineInputs heated = Simple(15, 873.15, 0.01);
    heated.reheat = Reheat{4, 873.15};
    heated.heaterPressures = {0.5, 4, 0.05, 1.2};  // one at the reheat pressure
    heated.turbineEfficiency = 0.87;
    heated.pumpEfficiency = 0.75;
    all.push_back(heated);
    for (const PropertyModel* model : {&If97Model(), &ClassicModel()}) {
        for (const RankineInputs& inputs : all) {
            SCOPED_TRACE(std::string(model->Name()) + " " + std::to_string(inputs.boilerPressure));
            ExpectBalanced(Compute(*model, inputs));
        }
    }
}

TEST(Rankine, ReheatCycle) {
    // Cengel and Boles, Example 10-4: 15 MPa and 600 C, reheated at 4 MPa to
    // 600 C, 10 kPa: 45.0 %. Their h4 interpolates linearly between 350 and
    // 400 C at 4 MPa, about 1 kJ/kg above the curve.
    RankineInputs inputs = Simple(15, 873.15, 0.01);
    inputs.reheat = Reheat{4, 873.15};
    const RankineCycle cycle = Compute(If97Model(), inputs);
    ASSERT_EQ(cycle.states.size(), 6u);
    const double h[] = {191.81, 206.95, 3583.1, 3155.0, 3674.9, 2335.7};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(StateNo(cycle, i + 1).h, h[i], i == 3 ? 1.5 : 1.0) << "state " << i + 1;
    }
    EXPECT_NEAR(cycle.thermalEfficiency, 0.450, 0.001);
    EXPECT_NEAR(*StateNo(cycle, 6).x, 0.896, 0.001);  // 10.4 % moisture
    const ProcessKind kinds[] = {ProcessKind::kPump,    ProcessKind::kBoiler,
                                 ProcessKind::kTurbine, ProcessKind::kReheater,
                                 ProcessKind::kTurbine, ProcessKind::kCondenser};
    ASSERT_EQ(cycle.processes.size(), 6u);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cycle.processes[i].process.kind, kinds[i]);
    EXPECT_EQ(StateNo(cycle, 4).P, 4);
    EXPECT_EQ(StateNo(cycle, 5).T, 873.15);
    EXPECT_EQ(cycle.processes[3].process.q, StateNo(cycle, 5).h - StateNo(cycle, 4).h);

    // Moran and Shapiro, Examples 8.3 and 8.4: 8 MPa and 480 C, reheated at
    // 0.7 MPa to 440 C, 8 kPa, 100 MW: 40.3 % and 2.363e5 kg/h; with
    // turbines of 85 %, 35.1 %.
    RankineInputs moran = Simple(8, 753.15, 0.008);
    moran.reheat = Reheat{0.7, 713.15};
    moran.netPower = 100;
    const RankineCycle ideal = Compute(If97Model(), moran);
    EXPECT_NEAR(ideal.thermalEfficiency, 0.403, 0.001);
    EXPECT_NEAR(*ideal.massFlow, 2.363e5 / 3600, 0.1);
    moran.turbineEfficiency = 0.85;
    EXPECT_NEAR(Compute(If97Model(), moran).thermalEfficiency, 0.351, 0.001);
}

TEST(Rankine, OneOpenFeedwaterHeater) {
    // Cengel and Boles, Example 10-5: 15 MPa and 600 C, 10 kPa, an open
    // heater at 1.2 MPa: y = 0.2270 and 46.3 %. Their h6 interpolates
    // linearly between 200 and 250 C at 1.2 MPa.
    RankineInputs inputs = Simple(15, 873.15, 0.01);
    inputs.heaterPressures = {1.2};
    const RankineCycle cycle = Compute(If97Model(), inputs);
    ASSERT_EQ(cycle.states.size(), 7u);
    const double h[] = {191.81, 193.01, 798.33, 814.03, 3583.1, 2860.2, 2115.3};
    for (int i = 0; i < 7; ++i) {
        EXPECT_NEAR(StateNo(cycle, i + 1).h, h[i], i == 5 ? 1.5 : 1.0) << "state " << i + 1;
    }
    ASSERT_EQ(cycle.extractionFractions.size(), 1u);
    EXPECT_NEAR(cycle.extractionFractions[0], 0.2270, 0.0005);
    EXPECT_EQ(cycle.extractionPressures, std::vector<double>{1.2});
    EXPECT_NEAR(cycle.thermalEfficiency, 0.463, 0.001);
    ExpectBalanced(cycle);
    // The extracted steam goes from the turbine state at 1.2 MPa to the
    // heater's outlet, state 3, as the feedwater does from state 2.
    int streams = 0;
    for (const CycleProcess& p : cycle.processes) {
        if (p.process.kind != ProcessKind::kOpenHeater) continue;
        EXPECT_EQ(p.to, 3);
        EXPECT_TRUE(p.from == 2 || p.from == 6) << p.from;
        EXPECT_DOUBLE_EQ(p.fraction, p.from == 6 ? cycle.extractionFractions[0]
                                                 : 1 - cycle.extractionFractions[0]);
        ++streams;
    }
    EXPECT_EQ(streams, 2);
}

TEST(Rankine, TwoOpenFeedwaterHeatersWithReheat) {
    RankineInputs inputs = Simple(15, 873.15, 0.01);
    inputs.reheat = Reheat{4, 873.15};
    inputs.heaterPressures = {0.5, 4};  // given in any order
    const RankineCycle cycle = Compute(If97Model(), inputs);
    ExpectBalanced(cycle);
    // 1 condenser, 2 pump, 3 heater at 0.5 MPa, 4 pump, 5 heater at 4 MPa,
    // 6 pump, 7 turbine inlet, 8 at 4 MPa (extraction and reheat), 9
    // reheated, 10 at 0.5 MPa (extraction), 11 exhaust.
    ASSERT_EQ(cycle.states.size(), 11u);
    const double P[] = {0.01, 0.5, 0.5, 4, 4, 15, 15, 4, 4, 0.5, 0.01};
    for (int i = 0; i < 11; ++i)
        EXPECT_NEAR(StateNo(cycle, i + 1).P, P[i], 1e-9 * P[i]);
    EXPECT_EQ(cycle.extractionPressures, (std::vector<double>{4, 0.5}));
    ASSERT_EQ(cycle.extractionFractions.size(), 2u);
    // The heater at 4 MPa takes the high-pressure turbine's exhaust, before
    // the reheater; the reheater carries the rest.
    for (const CycleProcess& p : cycle.processes) {
        if (p.process.kind == ProcessKind::kReheater) {
            EXPECT_EQ(p.from, 8);
            EXPECT_DOUBLE_EQ(p.fraction, 1 - cycle.extractionFractions[0]);
        }
        if (p.process.kind == ProcessKind::kOpenHeater && p.from == 8) {
            EXPECT_EQ(p.to, 5);
        }
        if (p.process.kind == ProcessKind::kOpenHeater && p.from == 10) {
            EXPECT_EQ(p.to, 3);
        }
    }
    // Regeneration raises the efficiency of the reheat cycle.
    RankineInputs plain = inputs;
    plain.heaterPressures.clear();
    EXPECT_GT(cycle.thermalEfficiency, Compute(If97Model(), plain).thermalEfficiency + 0.02);
    // Ten heaters are allowed.
    RankineInputs ten = inputs;
    ten.heaterPressures = {0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 4, 7, 10};
    ExpectBalanced(Compute(If97Model(), ten));
}

TEST(Rankine, EachStageExpandsWithTheTurbinesEfficiencyFromItsOwnInlet) {
    RankineInputs inputs = Simple(15, 873.15, 0.01);
    inputs.reheat = Reheat{4, 873.15};
    inputs.heaterPressures = {0.5, 1.2};
    inputs.turbineEfficiency = 0.85;
    inputs.pumpEfficiency = 0.8;
    const RankineCycle cycle = Compute(If97Model(), inputs);
    ExpectBalanced(cycle);
    int turbines = 0, pumps = 0;
    for (const CycleProcess& p : cycle.processes) {
        const State& in = p.process.from;
        const State& out = p.process.to;
        if (p.process.kind != ProcessKind::kTurbine && p.process.kind != ProcessKind::kPump) {
            continue;
        }
        EXPECT_GT(out.s, in.s) << p.from << " to " << p.to;  // entropy is made
        const State ideal = std::get<State>(If97Model().StateFrom(kP, out.P, kS, in.s));
        if (p.process.kind == ProcessKind::kTurbine) {
            EXPECT_NEAR(p.process.w, 0.85 * (in.h - ideal.h), 1e-6 * in.h);
            ++turbines;
        } else {
            EXPECT_NEAR(-p.process.w, (ideal.h - in.h) / 0.8, 1e-6 * in.h);
            ++pumps;
        }
    }
    EXPECT_EQ(turbines, 4);  // to 4 MPa, 1.2 MPa, 0.5 MPa and the condenser
    EXPECT_EQ(pumps, 3);
    // Less efficient turbines and pumps, less work from the same heat.
    inputs.turbineEfficiency = inputs.pumpEfficiency = 1;
    EXPECT_LT(cycle.thermalEfficiency, Compute(If97Model(), inputs).thermalEfficiency);
}

// IAPWS-IF97 without some of its states: what a model that lacks them
// answers. It names no model the cycle knows.
class If97Without final : public PropertyModel {
  public:
    explicit If97Without(std::function<bool(const State&)> lacks) : lacks_(std::move(lacks)) {}
    ModelKind Kind() const override { return ModelKind::kIf97; }
    std::string_view Name() const override { return "if97-with-a-hole"; }
    StateOrWhy StateOfPair(Property a, double va, Property b, double vb) const override {
        StateOrWhy answer = If97Model().StateFrom(a, va, b, vb);
        if (const State* state = std::get_if<State>(&answer); state && lacks_(*state)) {
            return NoState{NoStateReason::kOutsideModel, "not in this model"};
        }
        return answer;
    }
    std::optional<Saturation> SaturationAtTemperature(double T) const override {
        return If97Model().SaturationAtTemperature(T);
    }
    std::optional<Saturation> SaturationAtPressure(double P) const override {
        return If97Model().SaturationAtPressure(P);
    }
    std::optional<Phase> PhaseAt(double T, double s) const override {
        return If97Model().PhaseAt(T, s);
    }

  private:
    std::function<bool(const State&)> lacks_;
};

// The pump outlets of a cycle under the approximation: w = v1 (P2 - P1) /
// eta, h2 = h1 + w, at the pump inlet's T, s and v.
void ExpectApproximatedPumps(const RankineCycle& cycle, double eta) {
    int pumps = 0;
    for (const CycleProcess& p : cycle.processes) {
        if (p.process.kind != ProcessKind::kPump) continue;
        const CycleState& outlet = cycle.states.at(p.to - 1);
        const State& in = StateNo(cycle, p.from);
        EXPECT_TRUE(outlet.approximate);
        EXPECT_EQ(outlet.state.phase, Phase::kLiquid);
        EXPECT_EQ(outlet.state.h, in.h + 1000 * in.v * (outlet.state.P - in.P) / eta);
        EXPECT_EQ(outlet.state.T, in.T);
        EXPECT_EQ(outlet.state.s, in.s);
        EXPECT_EQ(outlet.state.v, in.v);
        EXPECT_FALSE(outlet.state.x.has_value());
        EXPECT_EQ(p.process.w, -(outlet.state.h - in.h));
        EXPECT_NE(cycle.note.find(" " + std::to_string(p.to)), std::string::npos) << cycle.note;
        ++pumps;
    }
    EXPECT_GT(pumps, 0);
    EXPECT_NE(cycle.note.find("incompressible-liquid approximation"), std::string::npos);
    for (const CycleState& state : cycle.states) {
        if (state.approximate) {
            EXPECT_EQ(state.state.phase, Phase::kLiquid);
        }
    }
}

TEST(Rankine, WithoutCompressedLiquidThePumpsAreApproximated) {
    // The chart's correlations: the four textbook cycles, each within a
    // point of the textbook's efficiency.
    for (const Textbook& book : IdealCycles()) {
        SCOPED_TRACE(book.source);
        const RankineCycle cycle = Compute(ClassicModel(), book.inputs);
        ExpectApproximatedPumps(cycle, 1);
        EXPECT_NEAR(cycle.thermalEfficiency, book.efficiency, 0.01);
    }
    RankineInputs heated = Simple(15, 873.15, 0.01);
    heated.heaterPressures = {1.2, 0.2};
    heated.pumpEfficiency = 0.7;
    const RankineCycle classic = Compute(ClassicModel(), heated);
    ExpectApproximatedPumps(classic, 0.7);
    EXPECT_NE(classic.note.find("states 2, 4, 6"), std::string::npos) << classic.note;

    // IAPWS-IF97 without its liquid takes the same way, whatever its kind,
    // and comes within 0.1 kJ/kg of IAPWS-IF97's own pump outlets.
    const If97Without noLiquid([](const State& s) { return s.phase == Phase::kLiquid; });
    const RankineCycle approximated = Compute(noLiquid, heated);
    ExpectApproximatedPumps(approximated, 0.7);
    const RankineCycle exact = Compute(If97Model(), heated);
    ASSERT_EQ(approximated.states.size(), exact.states.size());
    for (std::size_t i = 0; i < exact.states.size(); ++i) {
        EXPECT_NEAR(approximated.states[i].state.h, exact.states[i].state.h, 0.1) << i + 1;
    }
    EXPECT_NEAR(approximated.thermalEfficiency, exact.thermalEfficiency, 1e-4);
}

TEST(Rankine, PathsFollowTheProcesses) {
    RankineInputs inputs = Simple(15, 873.15, 0.01);
    inputs.reheat = Reheat{4, 873.15};
    inputs.heaterPressures = {0.5, 4};
    for (const double eta : {1.0, 0.85}) {
        inputs.turbineEfficiency = eta;
        const RankineCycle cycle = Compute(If97Model(), inputs);
        const std::vector<ProcessPath> paths = CyclePaths(If97Model(), cycle);
        ASSERT_EQ(paths.size(), cycle.processes.size());
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const Process& process = cycle.processes[i].process;
            ASSERT_GE(paths[i].points.size(), 2u);
            EXPECT_EQ(paths[i].points.front().s, process.from.s);
            EXPECT_EQ(paths[i].points.back().T, process.to.T);
            if (process.kind == ProcessKind::kTurbine) {
                EXPECT_EQ(paths[i].shape, eta == 1 ? PathShape::kLine : PathShape::kSchematic);
                EXPECT_EQ(paths[i].points.size(), 2u);
            }
            if (process.kind == ProcessKind::kBoiler || process.kind == ProcessKind::kReheater) {
                EXPECT_EQ(paths[i].shape, PathShape::kLine);
                EXPECT_GT(paths[i].points.size(), 20u);
            }
        }
    }
    // The correlations' boiler climbs the saturated-liquid line.
    const RankineCycle classic = Compute(ClassicModel(), inputs);
    const std::vector<ProcessPath> paths = CyclePaths(ClassicModel(), classic);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (classic.processes[i].process.kind == ProcessKind::kBoiler) {
            EXPECT_EQ(paths[i].shape, PathShape::kSaturatedLiquidLine);
        }
    }
}

TEST(Rankine, EveryImpossibleCycleIsATypedError) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const RankineInputs base = [] {
        RankineInputs inputs = Simple(15, 873.15, 0.01);
        inputs.reheat = Reheat{4, 873.15};
        inputs.heaterPressures = {0.5, 1.2};
        return inputs;
    }();
    struct Row {
        const char* what;
        std::function<void(RankineInputs&)> change;
        CycleInput input;
        CycleProblem problem;
        std::optional<std::size_t> heater = std::nullopt;
        const PropertyModel* model = &If97Model();
    };
    using I = CycleInput;
    using P = CycleProblem;
    static const If97Without noLowSteam(
        [](const State& s) { return s.P < 0.02 && s.phase != Phase::kLiquid; });
    const Row rows[] = {
        {"boiler NaN", [&](auto& in) { in.boilerPressure = nan; }, I::kBoilerPressure,
         P::kNotFinite},
        {"boiler negative", [](auto& in) { in.boilerPressure = -15; }, I::kBoilerPressure,
         P::kNotPositive},
        {"inlet infinite", [&](auto& in) { in.turbineInletTemperature = inf; },
         I::kTurbineInletTemperature, P::kNotFinite},
        {"condenser zero", [](auto& in) { in.condenserPressure = 0; }, I::kCondenserPressure,
         P::kNotPositive},
        {"reheat pressure NaN", [&](auto& in) { in.reheat->pressure = nan; }, I::kReheatPressure,
         P::kNotFinite},
        {"reheat temperature negative", [](auto& in) { in.reheat->temperature = -1; },
         I::kReheatTemperature, P::kNotPositive},
        {"heater negative", [](auto& in) { in.heaterPressures[1] = -1; }, I::kHeaterPressure,
         P::kNotPositive, 1},
        {"turbine efficiency zero", [](auto& in) { in.turbineEfficiency = 0; },
         I::kTurbineEfficiency, P::kEfficiencyRange},
        {"turbine efficiency above 1", [](auto& in) { in.turbineEfficiency = 1.01; },
         I::kTurbineEfficiency, P::kEfficiencyRange},
        {"pump efficiency NaN", [&](auto& in) { in.pumpEfficiency = nan; }, I::kPumpEfficiency,
         P::kNotFinite},
        {"pump efficiency negative", [](auto& in) { in.pumpEfficiency = -0.8; }, I::kPumpEfficiency,
         P::kEfficiencyRange},
        {"net power negative", [](auto& in) { in.netPower = -100; }, I::kNetPower, P::kNotPositive},
        {"net power infinite", [&](auto& in) { in.netPower = inf; }, I::kNetPower, P::kNotFinite},
        {"eleven heaters",
         [](auto& in) { in.heaterPressures = {0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 3, 5, 7, 10}; },
         I::kHeaterPressure, P::kTooManyHeaters, 10},
        {"condenser at the boiler", [](auto& in) { in.condenserPressure = 15; },
         I::kCondenserPressure, P::kNotBelowBoiler},
        {"condenser above the boiler", [](auto& in) { in.condenserPressure = 20; },
         I::kCondenserPressure, P::kNotBelowBoiler},
        {"heater above the boiler", [](auto& in) { in.heaterPressures[1] = 16; },
         I::kHeaterPressure, P::kNotBetween, 1},
        {"heater at the condenser", [](auto& in) { in.heaterPressures[0] = 0.01; },
         I::kHeaterPressure, P::kNotBetween, 0},
        {"two heaters at one pressure",
         [](auto& in) {
             in.heaterPressures = {1.2, 0.5, 1.2};
         },
         I::kHeaterPressure, P::kSamePressure, 2},
        {"reheat at the boiler", [](auto& in) { in.reheat->pressure = 15; }, I::kReheatPressure,
         P::kNotBetween},
        {"reheat below the condenser", [](auto& in) { in.reheat->pressure = 0.005; },
         I::kReheatPressure, P::kNotBetween},
        {"inlet below saturation", [](auto& in) { in.turbineInletTemperature = 600; },
         I::kTurbineInletTemperature, P::kBelowSaturation},
        {"inlet at saturation",
         [](auto& in) { in.turbineInletTemperature = If97Model().SaturationAtPressure(15)->T; },
         I::kTurbineInletTemperature, P::kBelowSaturation},
        {"supercritical liquid inlet",
         [](auto& in) {
             in.boilerPressure = 25;
             in.turbineInletTemperature = 600;
         },
         I::kTurbineInletTemperature, P::kBelowSaturation},
        {"no saturated vapour above the critical pressure",
         [](auto& in) {
             in.boilerPressure = 25;
             in.turbineInletTemperature.reset();
         },
         I::kBoilerPressure, P::kNoSaturation},
        {"inlet outside the model", [](auto& in) { in.turbineInletTemperature = 2500; },
         I::kTurbineInletTemperature, P::kOutsideModel},
        {"boiler above the model's pressures",
         [](auto& in) {
             in.boilerPressure = 150;
             in.turbineInletTemperature = 800;
         },
         I::kTurbineInletTemperature, P::kOutsideModel},
        {"condenser below the triple point", [](auto& in) { in.condenserPressure = 0.0001; },
         I::kCondenserPressure, P::kNoSaturation},
        {"reheat below saturation", [](auto& in) { in.reheat->temperature = 500; },
         I::kReheatTemperature, P::kBelowSaturation},
        {"reheat cooling the steam", [](auto& in) { in.reheat->temperature = 600; },
         I::kReheatTemperature, P::kNotReheating},
        {"feedwater hotter than its heater",
         [](auto& in) {
             in.pumpEfficiency = 0.005;
             in.heaterPressures = {5};
         },
         I::kPumpEfficiency, P::kNoExtraction},
        {"no net work", [](auto& in) { in.turbineEfficiency = 0.005; }, I::kTurbineEfficiency,
         P::kNoNetWork},
        {"turbine outlet outside the model", [](auto&) {}, I::kCondenserPressure, P::kOutsideModel,
         std::nullopt, &noLowSteam},
        {"extraction outside the model",
         [](auto& in) {
             in.condenserPressure = 0.005;
             in.heaterPressures = {0.5, 0.015};
         },
         I::kHeaterPressure, P::kOutsideModel, 1, &noLowSteam},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        RankineInputs inputs = base;
        row.change(inputs);
        const RankineOrError answer = ComputeRankine(*row.model, inputs);
        ASSERT_TRUE(std::holds_alternative<CycleError>(answer));
        const CycleError& error = std::get<CycleError>(answer);
        EXPECT_EQ(CycleInputName(error.input), CycleInputName(row.input)) << error.why;
        EXPECT_EQ(static_cast<int>(error.problem), static_cast<int>(row.problem)) << error.why;
        EXPECT_EQ(error.heater, row.heater) << error.why;
        EXPECT_FALSE(error.why.empty());
        EXPECT_EQ(error.why.find('\n'), std::string::npos);
    }
}

TEST(Rankine, ErrorsSayWhy) {
    RankineInputs inputs = Simple(8, std::nullopt, 10);
    CycleError error = std::get<CycleError>(ComputeRankine(If97Model(), inputs));
    EXPECT_EQ(error.why, "must lie below the boiler pressure, 8 MPa");
    inputs = Simple(8, 500, 0.008);
    error = std::get<CycleError>(ComputeRankine(If97Model(), inputs));
    EXPECT_EQ(error.why,
              "must lie above the saturation temperature at the boiler pressure, 568.159 K");
    EXPECT_EQ(CycleInputName(CycleInput::kTurbineInletTemperature), "turbine inlet temperature");
}

}  // namespace
}  // namespace calorix
