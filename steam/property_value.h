#pragma once

#include <cmath>
#include <limits>

namespace calorix {

// A property value: a number, or empty when the statement that should have
// produced it faulted (see skip_on_error.h). Empty counts as 0 in arithmetic
// and formats as an empty text.
//
// The property model only ever stores finite numbers, so empty is kept as a
// NaN inside the one double: the value then travels in a single register.
// A NaN handed in reads as empty.
class PropertyValue {
  public:
    constexpr PropertyValue() = default;
    constexpr PropertyValue(double value) : value_(value) {}  // NOLINT: a number is a value

    bool empty() const { return std::isnan(value_); }
    operator double() const { return empty() ? 0.0 : value_; }  // NOLINT: empty reads 0

  private:
    double value_ = std::numeric_limits<double>::quiet_NaN();
};

}  // namespace calorix
