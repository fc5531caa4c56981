#include "if97/b23.h"

#include <cmath>

namespace calorix::if97 {
namespace {

// Table 1 of the Revised Release on IAPWS-IF97: the coefficients of the
// B23-equation, Eqs. (5) and (6). kN[i] is ni; kN[0] is unused.
constexpr double kN[6] = {
    0,
    0.348'051'856'289'69e3,   // 1
    -0.116'718'598'799'75e1,  // 2
    0.101'929'700'393'26e-2,  // 3
    0.572'544'598'627'46e3,   // 4
    0.139'188'397'788'70e2,   // 5
};

}  // namespace

// Eq. (5): pi = n1 + n2 theta + n3 theta^2, with pi = P / (1 MPa) and
// theta = T / (1 K).
double B23Pressure(double T) {
    return kN[1] + kN[2] * T + kN[3] * T * T;
}

// Eq. (6): theta = n4 + ((pi - n5) / n3)^(1/2).
double B23Temperature(double P) {
    return kN[4] + std::sqrt((P - kN[5]) / kN[3]);
}

}  // namespace calorix::if97
