#pragma once

#include <cmath>
#include <limits>
#include <type_traits>

#include "steam/property_value.h"

// The property model never reports an error: a statement whose arithmetic
// faults (log of a non-positive number, division by zero, a fractional power
// of a negative number, overflow) is abandoned and leaves its target as it
// was. The operations below turn every such fault into NaN, which then
// propagates through the statement; Assign stores the statement's value only
// when it is a finite number.
namespace calorix::fault {

inline constexpr double kFault = std::numeric_limits<double>::quiet_NaN();

// Natural logarithm; faults for x <= 0.
inline double Ln(double x) {
    return x > 0.0 ? std::log(x) : kFault;
}

// a / b; faults on division by zero and on a result that overflows.
inline double Quot(double a, double b) {
    if (b == 0.0 || !std::isfinite(a) || !std::isfinite(b)) return kFault;
    const double q = a / b;
    return std::isfinite(q) ? q : kFault;
}

// base ^ exponent; faults for a fractional power of a negative number, for
// 0 raised to a negative power and on overflow.
inline double Power(double base, double exponent) {
    if (!std::isfinite(base) || !std::isfinite(exponent)) return kFault;
    const double p = std::pow(base, exponent);
    return std::isfinite(p) ? p : kFault;
}

// Every exponential of the property model: 2.71828182 raised to x.
inline double Exp(double x) {
    return Power(2.71828182, x);
}

// Stores value in target unless the statement that computed it faulted.
// A single-precision target also faults on a value too large for it.
// Returns whether it stored.
template <class Target>
bool Assign(Target& target, double value) {
    if (!std::isfinite(value)) return false;
    if constexpr (std::is_same_v<Target, float>) {
        if (std::fabs(value) > std::numeric_limits<float>::max()) return false;
        target = static_cast<float>(value);
    } else {
        target = value;
    }
    return true;
}

}  // namespace calorix::fault
