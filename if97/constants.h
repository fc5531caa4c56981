#pragma once

// The constants of IAPWS-IF97 (Revised Release on the IAPWS Industrial
// Formulation 1997 for the Thermodynamic Properties of Water and Steam,
// Lucerne, August 2007), Eqs. (1) to (4), and the corners of its range.
namespace calorix::if97 {

inline constexpr double kGasConstant = 0.461526;         // R in kJ/(kg K), Eq. (1)
inline constexpr double kCriticalTemperature = 647.096;  // Tc in K, Eq. (2)
inline constexpr double kCriticalPressure = 22.064;      // pc in MPa, Eq. (3)
inline constexpr double kCriticalDensity = 322;          // rho_c in kg/m^3, Eq. (4)

// The range of validity (Section 1, Figure 1).
inline constexpr double kMinTemperature = 273.15;       // K
inline constexpr double kMaxTemperature = 1073.15;      // K, regions 1 to 3 and 2
inline constexpr double kMaxHighTemperature = 2273.15;  // K, region 5
inline constexpr double kMaxPressure = 100;             // MPa, up to 1073.15 K
inline constexpr double kMaxHighPressure = 50;          // MPa, region 5

// Region 1 ends and region 3 begins at 623.15 K; the B23 line (Eqs. (5)
// and (6)) runs from there, at 16.5292 MPa, to 863.15 K at 100 MPa.
inline constexpr double kRegion13Temperature = 623.15;  // K
inline constexpr double kB23MaxTemperature = 863.15;    // K

}  // namespace calorix::if97
