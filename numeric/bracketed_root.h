#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

// Root finding inside a bracket, for the property models that solve their
// equations backwards to full precision. Every search keeps a bracket whose
// ends give values of opposite sign, so it cannot leave it, and stops after a
// fixed number of steps.
namespace calorix {

// The most steps any bracketed search takes. Brent's method needs about a
// dozen on a smooth function; the limit matters only for a function that is
// not continuous, where it ends as bisection would.
inline constexpr int kMaxBracketSteps = 200;

// Whether two numbers lie on different sides of zero (or one is zero).
inline bool Brackets(double fa, double fb) {
    return (fa <= 0 && fb >= 0) || (fa >= 0 && fb <= 0);
}

// A root of f between a and b, where fa = f(a) and fb = f(b) bracket zero,
// by Brent's method (inverse quadratic interpolation, secant and bisection),
// to within xtol in x. Nothing when fa and fb do not bracket zero or are not
// numbers. Example: f(x) = x^2 - 2 on [0, 2] -> 1.41421356237...
template <class F>
std::optional<double> BrentRoot(F&& f, double a, double b, double fa, double fb, double xtol) {
    if (!(Brackets(fa, fb))) return std::nullopt;
    if (fa == 0) return a;
    if (fb == 0) return b;
    double c = a, fc = fa;
    double d = b - a, e = d;
    for (int step = 0; step < kMaxBracketSteps; ++step) {
        if ((fb > 0) == (fc > 0)) {  // keep the root between b and c
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {  // b is the best guess so far
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tolerance = 2 * 2.220446049250313e-16 * std::fabs(b) + 0.5 * xtol;
        const double half = 0.5 * (c - b);
        if (std::fabs(half) <= tolerance || fb == 0) return b;
        if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
            double p, q;
            const double sRatio = fb / fa;
            if (a == c) {  // secant
                p = 2 * half * sRatio;
                q = 1 - sRatio;
            } else {  // inverse quadratic interpolation
                const double qa = fa / fc, r = fb / fc;
                p = sRatio * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (sRatio - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            if (2 * p < std::min(3 * half * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = half;
                e = d;
            }
        } else {
            d = half;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tolerance ? d : (half > 0 ? tolerance : -tolerance);
        fb = f(b);
        if (std::isnan(fb)) return std::nullopt;
    }
    return b;
}

// A root of f between lo and hi by Newton's method from x0, where f(x)
// returns the pair {value, derivative} and the values at lo and hi bracket
// zero (signLo, -1 or +1, is the sign at lo; the value at hi has the other).
// Every value narrows the bracket; a Newton step that would leave it, or
// that does not shrink the step at least by half, is replaced by bisection.
// Stops when a step is below xtol.
template <class F>
double NewtonBracketedRoot(F&& f, double lo, double hi, int signLo, double x0, double xtol) {
    double x = (x0 > lo && x0 < hi) ? x0 : 0.5 * (lo + hi);
    double step = hi - lo, previousStep = step;
    for (int count = 0; count < kMaxBracketSteps; ++count) {
        const auto [value, slope] = f(x);
        if (value == 0 || std::isnan(value)) return x;
        if ((value < 0) == (signLo < 0)) {
            lo = x;
        } else {
            hi = x;
        }
        const double newton = slope != 0 ? x - value / slope : lo;
        const bool bisect =
            !(newton > lo && newton < hi) || std::fabs(2 * value) > std::fabs(previousStep * slope);
        previousStep = step;
        const double next = bisect ? 0.5 * (lo + hi) : newton;
        step = next - x;
        if (std::fabs(step) <= xtol || hi - lo <= xtol) return next;
        x = next;
    }
    return x;
}

}  // namespace calorix
