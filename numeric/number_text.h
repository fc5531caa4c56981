#pragma once

#include <string>

// Number texts of the readout and the panels. Every text uses "." as the
// decimal separator, whatever the locale.
namespace calorix {

// floor(x * 10^n) / 10^n in double precision: truncation towards minus
// infinity, never rounding. 0.29, 2 -> 0.28 (the double below 0.29);
// -1.234, 2 -> -1.24.
double TruncateDecimals(double x, int n);

// The general numeric text: a sign position ("-" or a blank), then |x|
// rounded to 15 significant digits without trailing zeros, and no "0" before
// the point when 0 < |x| < 1. 0 -> " 0", 0.25 -> " .25", -0.5 -> "-.5",
// 12 -> " 12". Magnitudes from 1E+15 up and below 1E-04 are written with an
// exponent (" 1.5E+15", " 2E-05") that the box-value rule reads back.
std::string NumberText(double x);

// The general decimal text written into a box: up to 15 significant digits,
// no leading blank, a "0" before the point (0.00062, 298, -5.5, 1e+20).
std::string GeneralText(double x);

// x is replaced by TruncateDecimals(x, n); returns it with exactly n
// decimals, right-aligned so that the part before the point, sign position
// included, fills w places. 12.345, 5, 2 -> "   12.34"; 0.5, 2, 3 -> "  .500";
// 12.7, 4, 0 -> "  12.".
std::string FixedDecimalText(double& x, int w, int n);

// The value text of the readout and panels: FixedDecimalText(x, w, n) read
// back as a number and written with NumberText, so it equals
// NumberText(TruncateDecimals(x, n)). Replaces x by its truncated value.
// 373.159, 3, 2 -> " 373.15".
std::string ReadoutText(double& x, int w, int n);

}  // namespace calorix
