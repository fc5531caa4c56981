#pragma once

// The property formulas written out plainly: the same arithmetic in the same
// order as the program's property functions, without the skip-on-error rule.
// They give the program's values wherever no statement faults and are the
// yardstick for what that rule costs. Only for the benchmarks; compiled apart from
// them, as the program's functions are.
namespace calorix::plain {

double SatPressure(double T);
double SatTemperature(double& P);
double SatLiquidVolume(double T);
double SatVaporVolume(double T);
double SatLiquidEnthalpy(double T);  // the middle band, 300 to 600 K
double SatVaporEnthalpy(double T);
double EvaporationEnthalpy(double T);
double SatLiquidEntropy(double T);  // the middle band, 300 to 600 K
double SatVaporEntropy(double T);
double SuperheatedVolume(double T, double& P);
double SuperheatedEnthalpy(double T, double& P);
double SuperheatedEntropy(double T, double& P);

}  // namespace calorix::plain
