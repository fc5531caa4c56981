#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Compares a computed value with a value quoted in the property tables, at
// the precision it is quoted with: "0.000611048" must agree to within half a
// unit of its last decimal.
inline ::testing::AssertionResult MatchesQuoted(double actual, const std::string& quoted) {
    const double expected = std::stod(quoted);
    const auto point = quoted.find('.');
    const int decimals = point == std::string::npos ? 0 : int(quoted.size() - point - 1);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    if (std::fabs(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", actual);
    return ::testing::AssertionFailure() << buffer << " does not match the quoted " << quoted;
}
