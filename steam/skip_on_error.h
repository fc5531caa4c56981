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

// The fast paths: a function whose arguments lie where none of its
// statements can fault computes them without the checks above, with the
// same operations in the same order, so with the same result. These are
// their powers.

// The whole number n as an exponent that is only known at run time. The
// powers of the polynomial sums are computed by the library's pow; with an
// exponent known when compiling, the compiler would turn pow(x, 2.0) into
// x * x, which can round differently in the last bit.
inline double RuntimeExponent(int n) {
    double exponent = n;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    __asm__("" : "+x"(exponent));
#else
    volatile double hidden = exponent;
    exponent = hidden;
#endif
    return exponent;
}

// x^n of a polynomial term by the library's pow, as the checked sums compute
// it; n = 0 and n = 1 give 1 and x, as pow does exactly.
inline double TermPower(double x, int n) {
    if (n == 0) return 1;
    if (n == 1) return x;
    return std::pow(x, RuntimeExponent(n));
}

// base ^ exponent without the checks, for an exponent written into the
// formula: the compiler treats a literal x^2 here as it does in Power.
inline double UncheckedPower(double base, double exponent) {
    return std::pow(base, exponent);
}

// 2.71828182 raised to x, without the checks.
inline double UncheckedExp(double x) {
    return UncheckedPower(2.71828182, x);
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
