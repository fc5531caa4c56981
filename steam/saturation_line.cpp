#include "steam/saturation_line.h"

#include <cmath>

#include "steam/skip_on_error.h"
#include "steam/water_constants.h"

namespace calorix {
namespace {

// ln P = sum of A[i] * T^i for i = 0..9, + A[10] / (T - A[11]).
constexpr float kPressureCoefficients[12] = {
    10.4592f,     -4.04897E-03f, -4.1752E-05f, 3.6851E-07f,  -1.0152E-09f, 8.6531E-13f,
    9.03668E-16f, -1.9969E-18f,  7.79287E-22f, 1.91482E-25f, -3968.06f,    39.5735f,
};

// The statements one by one, each skipped when it faults.
double CheckedSatPressure(double T) {
    const float* A = kPressureCoefficients;
    double L = 0;
    for (int i = 0; i <= 9; ++i) {
        fault::Assign(L, L + double(A[i]) * fault::Power(T, i));
    }
    fault::Assign(L, L + fault::Quot(A[10], T - double(A[11])));
    // The result holds the exponent until the power replaces it; where the
    // power overflows the exponent is what comes back.
    double P = L;
    fault::Assign(P, fault::Exp(L));
    return P;
}

}  // namespace

double SatPressure(double T) {
    // From 50 to 10^4 K every term of the sum is finite and T - A[11] is at
    // least 10; only the power can overflow (from about 1234.96 K on).
    if (!(T >= 50 && T <= 1e4)) return CheckedSatPressure(T);
    const float* A = kPressureCoefficients;
    double L = 0;
    for (int i = 0; i <= 9; ++i)
        L = L + double(A[i]) * fault::TermPower(T, i);
    L = L + A[10] / (T - double(A[11]));
    const double P = fault::UncheckedExp(L);
    return std::isfinite(P) ? P : L;
}

// The statements one by one, as for any pressure: here the band is none.
PropertyValue saturation_temperature::OutsideTheBands(double P) {
    Band band = {0, 0, 0};
    if (0.000611 <= P && P <= 12.33) {
        band = kLowBand;
    } else if (12.33 < P && P <= 22.1) {
        band = kHighBand;
    }
    PropertyValue T;
    fault::Assign(T, band.a + fault::Quot(band.b, fault::Ln(P) + band.c));
    return T;
}

}  // namespace calorix
