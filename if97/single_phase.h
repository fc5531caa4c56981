#pragma once

#include <optional>

#include "if97/properties.h"

// The single-phase states of IAPWS-IF97 from temperature and pressure: which
// region's basic equation holds at (T, P), as Figure 1 of the release draws
// the regions, and its properties there, with the density of region 3 found
// from its equation in density and temperature.
namespace calorix::if97 {

enum class Region {
    kNone = 0,
    kLiquid1 = 1,          // region 1, compressed liquid
    kSteam2 = 2,           // region 2, steam
    kNearCritical3 = 3,    // region 3
    kSaturation4 = 4,      // region 4, the wet states
    kHighTemperature5 = 5  // region 5
};

// Whether (T in K, P in MPa) lies inside the range of IAPWS-IF97:
// 273.15 K <= T <= 1073.15 K with 0 < P <= 100 MPa, and
// 1073.15 K < T <= 2273.15 K with 0 < P <= 50 MPa. Not-a-number is outside.
bool InRange(double T, double P);

// The region of a single-phase state (T, P): 1 below 623.15 K at or above
// the saturation pressure, 2 below it; from 623.15 to 863.15 K, 3 above the
// B23 line and 2 on and below it; 2 up to 1073.15 K; 5 above. kNone outside
// the range. (300 K, 3 MPa) -> 1; (700 K, 30 MPa) -> 3.
Region RegionOf(double T, double P);

// Which of the states of one temperature and pressure on an isotherm of
// region 3 below the critical temperature: the densest (liquid) or the
// thinnest (vapour). Above the critical temperature there is one.
enum class Branch { kLiquid, kVapour };

// The density in kg/m^3 at which region 3's equation gives the pressure P in
// MPa at T in K, on the given branch. Below the critical temperature the
// isotherm has a loop; the liquid root is the largest density with that
// pressure and the vapour root the smallest, and where the loop leaves only
// one root (pressures beyond a spinodal) that one is taken. Newton's method
// from the far side of the root on the branch, where the isotherm bends
// away from the root, so the steps cannot pass it; above the critical
// temperature a bracketed Newton search. Nothing when no density between
// the search's ends (100 and 800 kg/m^3) gives P.
// (650 K, 25.5837018 MPa) -> 500 (Table 33).
std::optional<double> Region3Density(double T, double P, Branch branch);

// The properties at (T, P) from the equation of the region the state lies
// in; for region 3 below the critical temperature on the branch that the
// saturation pressure says (liquid at or above it). Nothing outside the
// range. (773.15 K, 10 MPa) -> region 2, h = 3375.06...
struct SinglePhase {
    Region region = Region::kNone;
    Properties properties;
};
std::optional<SinglePhase> AtTemperaturePressure(double T, double P);

// The properties of a state of region r at (T, P), for searches that stay
// on one region: 1, 2 and 5 straight from their equations, 3 through
// Region3Density on the branch given. Nothing when region 3 finds no
// density.
std::optional<Properties> InRegion(Region region, double T, double P,
                                   Branch branch = Branch::kLiquid);

}  // namespace calorix::if97
