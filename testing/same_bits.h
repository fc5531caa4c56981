#pragma once

// For tests that the program's results are bit for bit the formulas' own:
// the bits of a double (NaNs told apart by their bits, 0 from -0), a double
// written so that it reads back the same, and a comparison of two results
// that may be missing.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace calorix::test {

inline std::uint64_t Bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

inline std::string ExactText(double x) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", x);
    return buffer;
}

inline std::string ExactText(const std::optional<double>& x) {
    return x ? ExactText(*x) : "nothing";
}

inline ::testing::AssertionResult SameBits(const std::optional<double>& actual,
                                           const std::optional<double>& expected) {
    if (actual.has_value() == expected.has_value() &&
        (!actual || Bits(*actual) == Bits(*expected))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << ExactText(actual) << " instead of " << ExactText(expected);
}

}  // namespace calorix::test
