#pragma once

#include <optional>

namespace calorix {

// A property value: a number, or empty when the statement that should have
// produced it faulted (see skip_on_error.h). Empty counts as 0 in arithmetic
// and formats as an empty text.
class PropertyValue {
  public:
    constexpr PropertyValue() = default;
    constexpr PropertyValue(double value) : value_(value) {}  // NOLINT: a number is a value

    constexpr bool empty() const { return !value_.has_value(); }
    constexpr operator double() const { return value_.value_or(0.0); }  // NOLINT: empty reads 0

  private:
    std::optional<double> value_;
};

}  // namespace calorix
