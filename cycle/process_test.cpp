// Processes between two states: heat and work by the first law and the
// second, the kinds' conditions on their states, and paths that lie on the
// model's own lines, smooth on a chart 10,000 twips wide.
#include "cycle/process.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/chart_range.h"

namespace calorix {
namespace {

State At(const PropertyModel& model, Property a, double va, Property b, double vb) {
    const StateOrWhy answer = model.StateFrom(a, va, b, vb);
    EXPECT_TRUE(std::holds_alternative<State>(answer))
        << model.Name() << " " << PropertyName(a) << "=" << va << " " << PropertyName(b) << "="
        << vb;
    return std::holds_alternative<State>(answer) ? std::get<State>(answer) : State{};
}

State If97(Property a, double va, Property b, double vb) {
    return At(If97Model(), a, va, b, vb);
}

Process Made(ProcessKind kind, const State& from, const State& to) {
    const ProcessOrWhy made = MakeProcess(kind, from, to);
    EXPECT_TRUE(std::holds_alternative<Process>(made))
        << ProcessKindName(kind) << ": "
        << (std::holds_alternative<ProcessError>(made) ? std::get<ProcessError>(made).why : "");
    return std::holds_alternative<Process>(made) ? std::get<Process>(made) : Process{};
}

// The heat of a reversible path, the integral of T ds along its points by
// the trapezoid rule, in kJ/kg.
double HeatAlong(const ProcessPath& path) {
    double q = 0;
    for (std::size_t i = 1; i < path.points.size(); ++i) {
        const PathPoint a = path.points[i - 1], b = path.points[i];
        q += 0.5 * (a.T + b.T) * (b.s - a.s);
    }
    return q;
}

using enum Property;

TEST(MakeProcess, HeatAndWorkFollowTheFirstLawOfASteadyFlow) {
    struct Row {
        const char* what;
        ProcessKind kind;
        State from, to;
        double q, w;  // expected, kJ/kg
        double tolerance;
    };
    const State liquid = If97(kT, 300, kP, 1), steam = If97(kT, 700, kP, 1);
    const State wet = If97(kP, 0.01, kX, 0.9), saturated = If97(kP, 0.01, kX, 0);
    const Saturation at10kPa = *If97Model().SaturationAtPressure(0.01);
    const double hfg = at10kPa.vapour.h - at10kPa.liquid.h;
    const State hot = If97(kT, 1000, kP, 0.1), expanded = If97(kT, 1000, kP, 0.01);
    const State inlet = If97(kT, 800, kP, 10), isentropic = If97(kP, 0.1, kS, inlet.s);
    const State throttled = If97(kP, 0.1, kH, inlet.h);
    const State actual = If97(kP, 0.1, kH, inlet.h - 0.8 * (inlet.h - isentropic.h));
    const State cold = If97(kT, 400, kV, 1), warm = If97(kT, 600, kV, 1);
    // Steam at 1000 K and low pressure is nearly an ideal gas: its
    // isothermal work is R T ln(P1/P2) with R = 0.461526 kJ/(kg K).
    const double idealGas = 0.461526 * 1000 * std::log(10.0);
    const Row rows[] = {
        {"isobar", ProcessKind::kConstantPressure, liquid, steam, steam.h - liquid.h, 0, 1e-9},
        {"boiler", ProcessKind::kBoiler, liquid, steam, steam.h - liquid.h, 0, 1e-9},
        {"condenser", ProcessKind::kCondenser, wet, saturated, -0.9 * hfg, 0, 1e-9},
        {"isotherm", ProcessKind::kConstantTemperature, hot, expanded, idealGas, idealGas,
         0.002 * idealGas},
        {"isentrope", ProcessKind::kConstantEntropy, inlet, isentropic, 0, inlet.h - isentropic.h,
         1e-9},
        {"throttle", ProcessKind::kConstantEnthalpy, inlet, throttled, 0, 0, 1e-9},
        {"turbine", ProcessKind::kTurbine, inlet, actual, 0, 0.8 * (inlet.h - isentropic.h), 1e-5},
        {"isochore", ProcessKind::kConstantVolume, cold, warm,
         warm.h - cold.h - 1000 * cold.v * (warm.P - cold.P), -1000 * cold.v * (warm.P - cold.P),
         1e-9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Process process = Made(row.kind, row.from, row.to);
        EXPECT_EQ(process.dh, row.to.h - row.from.h);
        EXPECT_EQ(process.ds, row.to.s - row.from.s);
        EXPECT_NEAR(process.q - process.w, process.dh, 1e-9 * std::abs(process.dh) + 1e-12);
        EXPECT_NEAR(process.q, row.q, row.tolerance + 1e-9 * std::abs(row.q));
        EXPECT_NEAR(process.w, row.w, row.tolerance + 1e-9 * std::abs(row.w));
    }
    // A reversible path's heat is the integral of T ds along the model's line.
    for (const Row& row : {rows[0], rows[7]}) {
        SCOPED_TRACE(row.what);
        const Process process = Made(row.kind, row.from, row.to);
        EXPECT_NEAR(HeatAlong(PathOf(If97Model(), process)), process.q, 0.002 * process.q);
    }
    // An irreversible adiabatic process makes entropy.
    EXPECT_GT(Made(ProcessKind::kTurbine, inlet, actual).ds, 0.05);
    EXPECT_GT(Made(ProcessKind::kConstantEnthalpy, inlet, throttled).ds, 0.5);
}

TEST(MakeProcess, RefusesStatesItsKindCannotJoin) {
    const State a = If97(kT, 700, kP, 1), b = If97(kT, 800, kP, 2), c = If97(kT, 800, kP, 1);
    const State turbineIn = If97(kT, 800, kP, 10), turbineOut = If97(kP, 0.1, kS, turbineIn.s);
    State broken = a;
    broken.h = std::nan("");
    struct Row {
        ProcessKind kind;
        State from, to;
        const char* why;
    };
    const Row rows[] = {
        {ProcessKind::kConstantPressure, a, b, "pressures differ"},
        {ProcessKind::kOpenHeater, a, b, "pressures differ"},
        {ProcessKind::kBoiler, c, a, "enthalpy does not rise"},
        {ProcessKind::kReheater, c, a, "enthalpy does not rise"},
        {ProcessKind::kCondenser, a, c, "enthalpy does not fall"},
        {ProcessKind::kConstantTemperature, a, b, "temperatures differ"},
        {ProcessKind::kConstantEntropy, a, b, "entropies differ"},
        {ProcessKind::kConstantEnthalpy, a, b, "enthalpies differ"},
        {ProcessKind::kConstantEnthalpy, If97(kP, 0.1, kH, 3000), If97(kP, 1, kH, 3000),
         "pressure rises"},
        {ProcessKind::kConstantVolume, a, b, "volumes differ"},
        {ProcessKind::kTurbine, turbineOut, turbineIn, "pressure does not fall"},
        {ProcessKind::kIrreversibleExpansion, If97(kT, 800, kP, 10), If97(kP, 1, kX, 0.5),
         "entropy falls"},
        {ProcessKind::kPump, turbineIn, turbineOut, "pressure does not rise"},
        {ProcessKind::kIrreversibleCompression, If97(kT, 500, kP, 1), If97(kT, 800, kP, 1),
         "pressure does not rise"},
        {ProcessKind::kConstantPressure, a, broken, "not a finite state"},
    };
    for (const Row& row : rows) {
        const ProcessOrWhy made = MakeProcess(row.kind, row.from, row.to);
        ASSERT_TRUE(std::holds_alternative<ProcessError>(made)) << ProcessKindName(row.kind);
        EXPECT_NE(std::get<ProcessError>(made).why.find(row.why), std::string::npos)
            << ProcessKindName(row.kind) << ": " << std::get<ProcessError>(made).why;
    }
}

TEST(ProcessKindName, NamesEveryKindOnce) {
    const std::vector<std::string> names = {"constant_pressure",
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
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(ProcessKindName(static_cast<ProcessKind>(i)), names[i]);
    }
}

// On a chart 12 kJ/(kg K) by 1000 K scaled to 1 by 1: how far m lies from
// the chord a-b, and the chord's length.
double Deviation(PathPoint a, PathPoint m, PathPoint b) {
    const double ax = a.s / 12, ay = a.T / 1000, bx = b.s / 12, by = b.T / 1000;
    const double mx = m.s / 12, my = m.T / 1000;
    const double length = std::hypot(bx - ax, by - ay);
    if (length == 0) return std::hypot(mx - ax, my - ay);
    return std::abs((bx - ax) * (my - ay) - (by - ay) * (mx - ax)) / length;
}
double Length(PathPoint a, PathPoint b) {
    return std::hypot((b.s - a.s) / 12, (b.T - a.T) / 1000);
}

void ExpectEnds(const ProcessPath& path, const Process& process) {
    ASSERT_GE(path.points.size(), 2u);
    EXPECT_EQ(path.points.front().s, process.from.s);
    EXPECT_EQ(path.points.front().T, process.from.T);
    EXPECT_EQ(path.points.back().s, process.to.s);
    EXPECT_EQ(path.points.back().T, process.to.T);
}

TEST(PathOf, IsobarRunsThroughLiquidDomeAndSteamOnTheModelsLine) {
    const double P = 1;
    const Process process =
        Made(ProcessKind::kConstantPressure, If97(kT, 300, kP, P), If97(kT, 800, kP, P));
    const ProcessPath path = PathOf(If97Model(), process);
    EXPECT_EQ(path.shape, PathShape::kLine);
    ExpectEnds(path, process);
    const Saturation saturation = *If97Model().SaturationAtPressure(P);
    int corners = 0, liquid = 0, steam = 0;
    for (std::size_t i = 0; i < path.points.size(); ++i) {
        const PathPoint p = path.points[i];
        if (i > 0) {
            EXPECT_GE(p.s, path.points[i - 1].s);
            EXPECT_GE(p.T, path.points[i - 1].T);
        }
        if ((p.s == saturation.liquid.s || p.s == saturation.vapour.s) && p.T == saturation.T) {
            ++corners;
        } else if (p.T != saturation.T) {
            // Off the dome each point is the state (T, P) of the model.
            EXPECT_NEAR(If97(kT, p.T, kP, P).s, p.s, 1e-7) << p.T;
            ++(p.s < saturation.liquid.s ? liquid : steam);
        }
    }
    EXPECT_EQ(corners, 2);
    EXPECT_GT(liquid, 10);
    EXPECT_GT(steam, 10);
    // Smooth: between any two points the model's line strays from the chord
    // by less than 2e-4 of the chart (2 twips of 10,000), no chord is longer
    // than 1/100 of it, and the dome is crossed by one straight chord.
    for (std::size_t i = 1; i < path.points.size(); ++i) {
        const PathPoint a = path.points[i - 1], b = path.points[i];
        if (a.T == saturation.T && b.T == saturation.T) continue;
        EXPECT_LE(Length(a, b), 0.01);
        const State middle = If97(kP, P, kS, 0.5 * (a.s + b.s));
        EXPECT_LE(Deviation(a, {middle.s, middle.T}, b), 2e-4) << a.s << " " << b.s;
    }
}

TEST(PathOf, ACondenserRunsTheIsobarBackwards) {
    const State exhaust = If97(kT, 400, kP, 0.01), liquid = If97(kP, 0.01, kX, 0);
    const Process process = Made(ProcessKind::kCondenser, exhaust, liquid);
    const ProcessPath path = PathOf(If97Model(), process);
    EXPECT_EQ(path.shape, PathShape::kLine);
    ExpectEnds(path, process);
    for (std::size_t i = 1; i < path.points.size(); ++i) {
        EXPECT_LT(path.points[i].s, path.points[i - 1].s);
    }
    // The saturated vapour's corner lies on it.
    const Saturation saturation = *If97Model().SaturationAtPressure(0.01);
    int corners = 0;
    for (const PathPoint p : path.points) {
        corners += p.s == saturation.vapour.s && p.T == saturation.T;
    }
    EXPECT_EQ(corners, 1);
}

TEST(PathOf, SupercriticalIsobarRisesWithoutCorners) {
    const Process process =
        Made(ProcessKind::kBoiler, If97(kT, 300, kP, 25), If97(kT, 900, kP, 25));
    const ProcessPath path = PathOf(If97Model(), process);
    EXPECT_EQ(path.shape, PathShape::kLine);
    ExpectEnds(path, process);
    EXPECT_GT(path.points.size(), 50u);
    for (std::size_t i = 1; i < path.points.size(); ++i) {
        EXPECT_GT(path.points[i].s, path.points[i - 1].s);
        EXPECT_GT(path.points[i].T, path.points[i - 1].T);
        EXPECT_LE(Length(path.points[i - 1], path.points[i]), 0.01);
    }
}

TEST(PathOf, IsothermsAndIsentropesAreStraight) {
    const Process isotherm =
        Made(ProcessKind::kConstantTemperature, If97(kT, 500, kP, 5), If97(kT, 500, kP, 0.1));
    const ProcessPath across = PathOf(If97Model(), isotherm);
    EXPECT_EQ(across.shape, PathShape::kLine);
    ExpectEnds(across, isotherm);
    EXPECT_EQ(across.points.size(), 2u);
    EXPECT_EQ(across.points[0].T, across.points[1].T);

    const State inlet = If97(kT, 800, kP, 10);
    const Process isentrope =
        Made(ProcessKind::kConstantEntropy, inlet, If97(kP, 0.01, kS, inlet.s));
    const ProcessPath down = PathOf(If97Model(), isentrope);
    EXPECT_EQ(down.shape, PathShape::kLine);
    ExpectEnds(down, isentrope);
    EXPECT_EQ(down.points.size(), 2u);
    EXPECT_NEAR(down.points[0].s, down.points[1].s, 1e-9);
}

TEST(PathOf, ThrottleAndIsochoreFollowTheirLines) {
    const State inlet = If97(kT, 600, kP, 5);
    const Process throttle =
        Made(ProcessKind::kConstantEnthalpy, inlet, If97(kP, 0.1, kH, inlet.h));
    const ProcessPath isenthalp = PathOf(If97Model(), throttle);
    EXPECT_EQ(isenthalp.shape, PathShape::kLine);
    ExpectEnds(isenthalp, throttle);
    EXPECT_GT(isenthalp.points.size(), 8u);
    for (const PathPoint p : isenthalp.points) {
        EXPECT_NEAR(If97(kT, p.T, kS, p.s).h, inlet.h, 1e-6 * inlet.h) << p.T << " " << p.s;
    }

    const State wet = If97(kT, 400, kV, 0.5);
    const Process heating = Made(ProcessKind::kConstantVolume, wet, If97(kT, 700, kV, 0.5));
    const ProcessPath isochore = PathOf(If97Model(), heating);
    EXPECT_EQ(isochore.shape, PathShape::kLine);
    ExpectEnds(isochore, heating);
    for (std::size_t i = 0; i < isochore.points.size(); ++i) {
        const PathPoint p = isochore.points[i];
        EXPECT_NEAR(If97(kT, p.T, kS, p.s).v, 0.5, 1e-6) << p.T << " " << p.s;
        if (i > 0) {
            EXPECT_LE(Length(isochore.points[i - 1], p), 0.01);
        }
    }
}

TEST(PathOf, IrreversibleProcessesAreSchematic) {
    const State inlet = If97(kT, 800, kP, 10);
    const State ideal = If97(kP, 0.1, kS, inlet.s);
    const State actual = If97(kP, 0.1, kH, inlet.h - 0.85 * (inlet.h - ideal.h));
    for (const ProcessKind kind : {ProcessKind::kTurbine, ProcessKind::kIrreversibleExpansion}) {
        const Process process = Made(kind, inlet, actual);
        const ProcessPath path = PathOf(If97Model(), process);
        EXPECT_EQ(path.shape, PathShape::kSchematic);
        ExpectEnds(path, process);
        EXPECT_EQ(path.points.size(), 2u);
    }
    // A turbine whose entropy stays is drawn down its isentrope.
    EXPECT_EQ(PathOf(If97Model(), Made(ProcessKind::kTurbine, inlet, ideal)).shape,
              PathShape::kLine);
    const State low = If97(kT, 300, kP, 0.1);
    const Process pump = Made(ProcessKind::kIrreversibleCompression, low,
                              If97(kP, 10, kH, low.h + 1.2 * 10 * low.v * 1000));
    EXPECT_EQ(PathOf(If97Model(), pump).shape, PathShape::kSchematic);
}

TEST(PathOf, WithoutCompressedLiquidTheIsobarFollowsTheSaturatedLiquidLine) {
    // The chart's correlations: a pump outlet at 8 MPa drawn where its inlet,
    // the saturated liquid at 8 kPa, lies, heated to saturated vapour.
    const PropertyModel& classic = ClassicModel();
    const Saturation low = *classic.SaturationAtPressure(0.008);
    const Saturation high = *classic.SaturationAtPressure(8);
    State pumped = low.liquid;
    pumped.phase = Phase::kLiquid;
    pumped.P = 8;
    pumped.h += 1000 * pumped.v * (8 - 0.008);
    pumped.x.reset();
    const Process boiler = Made(ProcessKind::kBoiler, pumped, high.vapour);
    const ProcessPath path = PathOf(classic, boiler);
    EXPECT_EQ(path.shape, PathShape::kSaturatedLiquidLine);
    ExpectEnds(path, boiler);
    int onLine = 0;
    for (const PathPoint p : path.points) {
        if (p.T >= high.T) continue;
        EXPECT_NEAR(classic.SaturationAtTemperature(p.T)->liquid.s, p.s, 1e-12) << p.T;
        ++onLine;
    }
    EXPECT_GT(onLine, 10);
    EXPECT_EQ(path.points.back().T, high.T);
    // IAPWS-IF97 has the liquid, and draws its own isobar.
    const State liquid = If97(kP, 8, kS, If97(kP, 0.008, kX, 0).s);
    EXPECT_EQ(PathOf(If97Model(), Made(ProcessKind::kBoiler, liquid, If97(kP, 8, kX, 1))).shape,
              PathShape::kLine);
}

TEST(PathOf, ALineThroughStatesTheModelLacksIsSchematic) {
    // The correlations' isochore of 0.00105 m^3/kg leaves the dome into the
    // compressed liquid they do not have.
    const State wet = At(ClassicModel(), kT, 350, kV, 0.00105);
    State liquid = wet;
    liquid.T = 420;
    liquid.phase = Phase::kLiquid;
    const Process process = Made(ProcessKind::kConstantVolume, wet, liquid);
    const ProcessPath path = PathOf(ClassicModel(), process);
    EXPECT_EQ(path.shape, PathShape::kSchematic);
    ExpectEnds(path, process);
    EXPECT_EQ(path.points.size(), 2u);
}

}  // namespace
}  // namespace calorix
