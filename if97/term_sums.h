#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

// The sums that every equation of IAPWS-IF97 is made of: rows n, I, J of a
// coefficient table, each the term n x^I y^J, with x and y the reduced
// pressure and temperature (or enthalpy, or entropy) in the shifted forms the
// release writes, such as 7.1 - pi and tau - 1.222 in Eq. (7).
//
// The powers are built once per call by multiplication, and one pass over a
// table gathers the sum and whichever of its derivatives the caller asks for.
namespace calorix::if97::detail {

// One row of a coefficient table: the term n x^I y^J.
struct Term {
    int I;
    int J;
    double n;
};

// One row of a table of a single variable (Table 10): the term n y^J.
struct SingleTerm {
    int J;
    double n;
};

// The lowest and highest exponent a table holds, for sizing its powers.
template <class Row, std::size_t N>
constexpr int LowestPower(const std::array<Row, N>& rows, int Row::*exponent) {
    int lowest = 0;
    for (const Row& row : rows)
        lowest = std::min(lowest, row.*exponent);
    return lowest;
}

template <class Row, std::size_t N>
constexpr int HighestPower(const std::array<Row, N>& rows, int Row::*exponent) {
    int highest = 0;
    for (const Row& row : rows)
        highest = std::max(highest, row.*exponent);
    return highest;
}

// The lowest power the derivatives of terms down to x^lowest reach: two
// below a negative exponent, and none below x^0, whose derivatives vanish.
constexpr int LowestDerivedPower(int lowest) {
    return lowest < 0 ? lowest - 2 : 0;
}

// x^k for Lo <= k <= Hi. Each power is the product of two lower ones,
// x^k = x^(k/2) x^(k - k/2), the negative ones likewise from 1/x: no
// std::pow, and chains of multiplications no longer than log2(k). The loops
// are unrolled: with their indices constant, building the powers costs about
// one multiplication each.
template <int Lo, int Hi>
class Powers {
    static_assert(Lo <= 0 && 0 <= Hi);

  public:
    explicit Powers(double x) {
        At(0) = 1;
        if constexpr (Hi >= 1) {
            At(1) = x;
#pragma GCC unroll 64
            for (int k = 2; k <= Hi; ++k)
                At(k) = At(k / 2) * At(k - k / 2);
        }
        if constexpr (Lo <= -1) {
            At(-1) = 1 / x;
#pragma GCC unroll 64
            for (int k = 2; k <= -Lo; ++k)
                At(-k) = At(-(k / 2)) * At(-(k - k / 2));
        }
    }

    // x^k.
    double operator[](int k) const {
        return power_[k - Lo];
    }

    // d(x^k)/dx = k x^(k-1), and d2(x^k)/dx2 = k (k-1) x^(k-2). Where the
    // factor is 0 the result is 0 without x^(k-1) or x^(k-2), so that x = 0
    // gives no 0 * infinity.
    double Derivative(int k) const {
        return k == 0 ? 0.0 : k * (*this)[k - 1];
    }
    double SecondDerivative(int k) const {
        return k == 0 || k == 1 ? 0.0 : k * (k - 1) * (*this)[k - 2];
    }

  private:
    double& At(int k) {
        return power_[k - Lo];
    }

    double power_[Hi - Lo + 1];
};

// Which sums a caller needs: the sum itself and its derivatives by x and y.
enum Need : unsigned {
    kValue = 1u << 0,
    kDx = 1u << 1,
    kDxx = 1u << 2,
    kDy = 1u << 3,
    kDyy = 1u << 4,
    kDxy = 1u << 5,
    kAllSums = kValue | kDx | kDxx | kDy | kDyy | kDxy,
};

// The sum of the terms and its derivatives; those not asked for stay 0.
struct Sums {
    double value = 0;  // sum of n x^I y^J
    double dx = 0;     // by x
    double dxx = 0;    // twice by x
    double dy = 0;     // by y
    double dyy = 0;    // twice by y
    double dxy = 0;    // by x and y
};

// The sums `need` names over the rows of a table, in one pass. The table is
// a template argument and the loop unrolled, so that each row's exponents
// are constants of the code.
template <unsigned need, const auto& rows, int XLo, int XHi, int YLo, int YHi>
Sums SumTerms(const Powers<XLo, XHi>& x, const Powers<YLo, YHi>& y) {
    Sums sums;
#pragma GCC unroll 64
    for (const Term& row : rows) {
        if constexpr ((need & (kValue | kDy | kDyy)) != 0) {
            const double nx = row.n * x[row.I];
            if constexpr ((need & kValue) != 0) sums.value += nx * y[row.J];
            if constexpr ((need & kDy) != 0) sums.dy += nx * y.Derivative(row.J);
            if constexpr ((need & kDyy) != 0) sums.dyy += nx * y.SecondDerivative(row.J);
        }
        if constexpr ((need & (kDx | kDxy)) != 0) {
            const double ndx = row.n * x.Derivative(row.I);
            if constexpr ((need & kDx) != 0) sums.dx += ndx * y[row.J];
            if constexpr ((need & kDxy) != 0) sums.dxy += ndx * y.Derivative(row.J);
        }
        if constexpr ((need & kDxx) != 0) sums.dxx += row.n * x.SecondDerivative(row.I) * y[row.J];
    }
    return sums;
}

// The same for a table of one variable; only value, dy and dyy apply.
template <unsigned need, const auto& rows, int YLo, int YHi>
Sums SumTerms(const Powers<YLo, YHi>& y) {
    static_assert((need & (kDx | kDxx | kDxy)) == 0, "a table of one variable has no x");
    Sums sums;
#pragma GCC unroll 64
    for (const SingleTerm& row : rows) {
        if constexpr ((need & kValue) != 0) sums.value += row.n * y[row.J];
        if constexpr ((need & kDy) != 0) sums.dy += row.n * y.Derivative(row.J);
        if constexpr ((need & kDyy) != 0) sums.dyy += row.n * y.SecondDerivative(row.J);
    }
    return sums;
}

// The powers a table's sums and their first and second derivatives use.
template <const auto& rows, auto exponent>
using PowersFor =
    Powers<LowestDerivedPower(LowestPower(rows, exponent)), HighestPower(rows, exponent)>;

}  // namespace calorix::if97::detail
