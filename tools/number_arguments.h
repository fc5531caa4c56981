#pragma once

#include <optional>
#include <stdexcept>
#include <string>

// Numbers on the command line, read and written the same in every locale.
namespace calorix {

// An argument that is not what the command needs; the message says why.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The whole argument as a finite decimal number ("+1.5", "2e3"); throws
// UsageError otherwise.
double StrictNumber(const std::string& arg);

// The shortest text that reads back as x: "700", "0.0001".
std::string ShortNumber(double x);

// A number as JSON writes it, reading back to the same double; an absent
// one as null.
std::string Json(double value);
std::string Json(const std::optional<double>& value);

// 17 significant digits, as %.17g writes them.
std::string Number17(double x);

}  // namespace calorix
