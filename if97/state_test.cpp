// The state from any pair gives back both values it was given, over grids
// that cover every region, both sides of the saturation line and of B23,
// the critical point's neighbourhood and the corners of the range.
#include "if97/state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "if97/b23.h"
#include "if97/constants.h"
#include "if97/region4.h"
#include "if97/saturation.h"

namespace calorix::if97 {
namespace {

// The round trips' tolerances: T to 1e-7 K, the others to 1e-9 of their
// value (1e-9 absolute near an entropy or enthalpy of zero).
bool Reproduces(double found, double given, bool temperature) {
    if (temperature) return std::fabs(found - given) <= 1e-7;
    return std::fabs(found - given) <= 1e-9 * std::max(std::fabs(given), 1.0);
}

enum Quantity { kT, kP, kV, kH, kS };
const char* const kNames[] = {"T", "P", "v", "h", "s"};

double Get(const Properties& p, Quantity q) {
    switch (q) {
        case kT:
            return p.T;
        case kP:
            return p.P;
        case kV:
            return p.v;
        case kH:
            return p.h;
        case kS:
            return p.s;
    }
    return 0;
}

struct Pair {
    Quantity first, second;
    Solution (*solve)(double, double);
    // The pair has one state: the state found must be the state given.
    bool unique;
};

const Pair kPairs[] = {
    {kP, kH, FromPH, true},  {kP, kS, FromPS, true},  {kT, kS, FromTS, true},
    {kT, kV, FromTV, true},  {kP, kV, FromPV, false}, {kT, kH, FromTH, false},
    {kH, kS, FromHS, false}, {kV, kH, FromVH, false}, {kV, kS, FromVS, false},
};

std::string Describe(const State& state) {
    std::ostringstream text;
    text.precision(17);
    text << "region " << int(state.region) << " T=" << state.properties.T
         << " P=" << state.properties.P << " v=" << state.properties.v
         << " h=" << state.properties.h << " s=" << state.properties.s;
    if (state.x) text << " x=" << *state.x;
    return text.str();
}

// The phase a state has, whichever equation gives it: next to the B23 line
// and at 1073.15 K two regions' equations overlap, and either may answer.
enum class Phase { kLiquid, kWet, kVapour };
Phase PhaseOf(const State& state) {
    if (state.region == Region::kSaturation4) return Phase::kWet;
    const double T = state.properties.T;
    return T < kCriticalTemperature && state.properties.P >= SaturationPressure(T) ? Phase::kLiquid
                                                                                   : Phase::kVapour;
}

// Every pair of the state's values gives back the two values; where the
// pair has one state, the same phase too. (Liquid water below 277.13 K,
// where it is densest, gains entropy with pressure: there (T, s) has a wet
// state beside the liquid one.)
void ExpectRoundTrips(const State& given) {
    for (const Pair& pair : kPairs) {
        const double a = Get(given.properties, pair.first);
        const double b = Get(given.properties, pair.second);
        const Solution solution = pair.solve(a, b);
        const State* found = std::get_if<State>(&solution);
        ASSERT_NE(found, nullptr) << kNames[pair.first] << kNames[pair.second] << " of "
                                  << Describe(given);
        EXPECT_TRUE(Reproduces(Get(found->properties, pair.first), a, pair.first == kT))
            << kNames[pair.first] << kNames[pair.second] << " of " << Describe(given)
            << "\n  found " << Describe(*found);
        EXPECT_TRUE(Reproduces(Get(found->properties, pair.second), b, pair.second == kT))
            << kNames[pair.first] << kNames[pair.second] << " of " << Describe(given)
            << "\n  found " << Describe(*found);
        if (pair.unique && !(pair.first == kT && pair.second == kS && a < 277.2)) {
            EXPECT_EQ(PhaseOf(*found), PhaseOf(given))
                << kNames[pair.first] << kNames[pair.second] << " of " << Describe(given)
                << "\n  found " << Describe(*found);
        }
    }
}

State Given(double T, double P) {
    const Solution solution = FromTP(T, P);
    const State* state = std::get_if<State>(&solution);
    EXPECT_NE(state, nullptr) << "T=" << T << " P=" << P;
    return state ? *state : State{};
}

void RoundTripsAt(double T, double P) {
    SCOPED_TRACE("T=" + std::to_string(T) + " P=" + std::to_string(P));
    const State state = Given(T, P);
    if (state.region == Region::kNone) return;
    ExpectRoundTrips(state);
}

TEST(StateFromPair, RoundTripsOverRegion1) {
    for (const double T :
         {273.15, 275.0, 280.0, 300.0, 350.0, 400.0, 450.0, 500.0, 550.0, 600.0, 623.15}) {
        for (const double P : {0.01, 0.1, 1.0, 3.0, 10.0, 16.0, 22.0, 30.0, 50.0, 80.0, 100.0}) {
            if (P > SaturationPressure(T)) RoundTripsAt(T, P);
        }
    }
}

TEST(StateFromPair, RoundTripsOverRegion2) {
    for (const double T : {273.15, 300.0, 350.0, 400.0, 500.0, 600.0, 623.15, 650.0, 700.0, 800.0,
                           863.15, 900.0, 1000.0, 1073.15}) {
        for (const double P :
             {1e-6, 1e-4, 0.001, 0.01, 0.1, 1.0, 3.0, 10.0, 16.0, 20.0, 30.0, 50.0, 80.0, 100.0}) {
            if (RegionOf(T, P) == Region::kSteam2) RoundTripsAt(T, P);
        }
    }
}

TEST(StateFromPair, RoundTripsOverRegion3) {
    for (const double T :
         {623.2, 630.0, 640.0, 645.0, 647.0, 650.0, 660.0, 700.0, 750.0, 800.0, 850.0, 863.0}) {
        for (const double P :
             {16.6, 18.0, 20.0, 21.0, 22.0, 22.064, 23.0, 25.0, 30.0, 40.0, 60.0, 80.0, 100.0}) {
            if (RegionOf(T, P) == Region::kNearCritical3) RoundTripsAt(T, P);
        }
    }
}

TEST(StateFromPair, RoundTripsOverRegion5) {
    for (const double T : {1073.16, 1200.0, 1500.0, 1800.0, 2000.0, 2273.15}) {
        for (const double P : {1e-4, 0.01, 0.1, 1.0, 10.0, 30.0, 50.0})
            RoundTripsAt(T, P);
    }
}

// Within 1e-6 K of the saturation line, on both sides, over its length.
TEST(StateFromPair, RoundTripsNextToTheSaturationLine) {
    for (const double P : {0.001, 0.01, 0.1, 1.0, 5.0, 10.0, 15.0, 16.5, 17.0, 19.0, 21.0, 22.0}) {
        const double Ts = SaturationTemperature(P);
        for (const double offset : {-1e-6, 1e-6, -1e-3, 1e-3}) {
            RoundTripsAt(Ts + offset, P);
            const State state = Given(Ts + offset, P);
            // The phase by the side of the line.
            EXPECT_EQ(state.properties.P >= SaturationPressure(state.properties.T), offset < 0)
                << "P=" << P << " offset " << offset;
        }
    }
}

// Both sides of the B23 line, from 623.15 to 863.15 K.
TEST(StateFromPair, RoundTripsOnBothSidesOfB23) {
    for (const double P : {16.6, 18.0, 20.0, 25.0, 40.0, 70.0, 99.0}) {
        const double Tb = B23Temperature(P);
        for (const double offset : {-1e-3, -1e-6, 1e-6, 1e-3})
            RoundTripsAt(Tb + offset, P);
        EXPECT_EQ(Given(Tb - 1e-3, P).region, Region::kNearCritical3);
        EXPECT_EQ(Given(Tb + 1e-3, P).region, Region::kSteam2);
    }
}

TEST(StateFromPair, RoundTripsNextToTheCriticalPoint) {
    for (const double dT : {-0.5, -0.01, 0.01, 0.5}) {
        for (const double dP : {-0.05, -0.001, 0.001, 0.05}) {
            RoundTripsAt(kCriticalTemperature + dT, kCriticalPressure + dP);
        }
    }
}

TEST(StateFromPair, RoundTripsAtTheCornersOfTheRange) {
    RoundTripsAt(273.15, 100);
    RoundTripsAt(273.15, SaturationPressure(273.15) * 1.001);
    RoundTripsAt(273.15, 1e-4);
    RoundTripsAt(1073.15, 100);
    RoundTripsAt(1073.15, 1e-4);
    RoundTripsAt(2273.15, 50);
    RoundTripsAt(2273.15, 1e-4);
    RoundTripsAt(1073.16, 50);
}

TEST(StateFromPair, WetStatesRoundTripWithTheirQuality) {
    for (const double T : {273.15, 300.0, 373.15, 450.0, 550.0, 623.15, 630.0, 640.0, 646.0}) {
        for (const double x : {0.0, 0.01, 0.5, 0.99, 1.0}) {
            SCOPED_TRACE("T=" + std::to_string(T) + " x=" + std::to_string(x));
            const Solution fromTx = FromTX(T, x);
            const State* wet = std::get_if<State>(&fromTx);
            ASSERT_NE(wet, nullptr);
            EXPECT_EQ(wet->region, Region::kSaturation4);
            // The pairs through T or P find the same quality.
            using Solve = Solution (*)(double, double);
            const Properties& p = wet->properties;
            for (const auto& [solve, a, b] :
                 {std::tuple<Solve, double, double>{FromPH, p.P, p.h},
                  std::tuple<Solve, double, double>{FromPS, p.P, p.s},
                  std::tuple<Solve, double, double>{FromTS, p.T, p.s},
                  std::tuple<Solve, double, double>{FromTV, p.T, p.v}}) {
                const Solution solution = solve(a, b);
                const State* found = std::get_if<State>(&solution);
                ASSERT_NE(found, nullptr);
                // A saturated phase may come back as the single phase it is
                // (the last bits of the line's temperature decide).
                if (x == 0 || x == 1) continue;
                ASSERT_TRUE(found->x.has_value()) << Describe(*found);
                EXPECT_NEAR(*found->x, x, 1e-9);
            }
            if (x > 0 && x < 1) ExpectRoundTrips(*wet);
            const Solution fromPx = FromPX(wet->properties.P, x);
            ASSERT_TRUE(std::holds_alternative<State>(fromPx));
            EXPECT_NEAR(std::get<State>(fromPx).properties.T, T, 1e-7);
        }
    }
}

TEST(StateFromPair, TheCriticalPointIsExact) {
    EXPECT_EQ(SaturationPressure(kCriticalTemperature), kCriticalPressure);
    EXPECT_EQ(SaturationTemperature(kCriticalPressure), kCriticalTemperature);
    const std::optional<Saturation> top = SaturationAtTemperature(kCriticalTemperature);
    ASSERT_TRUE(top.has_value());
    EXPECT_EQ(top->liquid.v, top->vapour.v);
    EXPECT_NEAR(1 / top->liquid.v, kCriticalDensity, 1e-9);
}

TEST(StateFromPair, OutsideTheRangeThereIsNoValue) {
    const auto failure = [](const Solution& solution) {
        return std::holds_alternative<Failure>(solution) ? std::get<Failure>(solution)
                                                         : Failure::kNoState;
    };
    EXPECT_TRUE(std::holds_alternative<State>(FromTP(1073.15, 100)));
    EXPECT_EQ(failure(FromTP(1073.16, 50.01)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromTP(273.14, 1)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromTP(2273.16, 1)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromTP(300, 100.01)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromTX(650, 0.5)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromTX(400, 1.5)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromPX(23, 0.5)), Failure::kOutsideRange);
    EXPECT_EQ(failure(FromPS(1, 20)), Failure::kOutsideRange);     // hotter than 2273.15 K
    EXPECT_EQ(failure(FromPH(60, 5000)), Failure::kOutsideRange);  // above 1073.15 K at 60 MPa
    EXPECT_EQ(failure(FromTS(300, -1)), Failure::kOutsideRange);
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto solve : {FromTP, FromPH, FromPS, FromTS, FromTV, FromPV, FromTH, FromHS, FromVH,
                             FromVS, FromTX, FromPX}) {
        EXPECT_EQ(failure(solve(nan, 1)), Failure::kNotANumber);
        EXPECT_EQ(failure(solve(1, nan)), Failure::kNotANumber);
        EXPECT_EQ(failure(solve(inf, 1)), Failure::kNotANumber);
        EXPECT_EQ(failure(solve(-inf, 1)), Failure::kNotANumber);
    }
    EXPECT_EQ(failure(FromTP(0, 1)), Failure::kNotANumber);
    EXPECT_EQ(failure(FromTP(300, 0)), Failure::kNotANumber);
    EXPECT_EQ(failure(FromTP(300, -1)), Failure::kNotANumber);
    EXPECT_EQ(failure(FromTV(300, 0)), Failure::kNotANumber);
    EXPECT_EQ(failure(FromPV(1, -0.1)), Failure::kNotANumber);
}

// The density search of region 3 finds the state's density on its branch.
TEST(Region3Density, FindsTheBranchAskedFor) {
    // Table 33's states.
    EXPECT_NEAR(*Region3Density(650, 25.5837018, Branch::kLiquid), 500, 1e-5);
    EXPECT_NEAR(*Region3Density(650, 22.2930643, Branch::kLiquid), 200, 1e-5);
    EXPECT_NEAR(*Region3Density(750, 78.3095639, Branch::kLiquid), 500, 1e-5);
    for (const double T : {623.2, 630.0, 640.0, 646.0, 647.0}) {
        const double Ps = SaturationPressure(T);
        const double liquid = *Region3Density(T, Ps, Branch::kLiquid);
        const double vapour = *Region3Density(T, Ps, Branch::kVapour);
        EXPECT_GT(liquid, kCriticalDensity) << T;
        EXPECT_LT(vapour, kCriticalDensity) << T;
    }
}

}  // namespace
}  // namespace calorix::if97
