#include "tools/number_arguments.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace calorix {

double StrictNumber(const std::string& arg) {
    std::string_view text = arg;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        throw UsageError("not a number: '" + arg + "'");
    }
    return value;
}

std::string ShortNumber(double x) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

std::string Json(double value) {
    return ShortNumber(value);
}

std::string Json(const std::optional<double>& value) {
    return value ? ShortNumber(*value) : "null";
}

std::string Number17(double x) {
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

}  // namespace calorix
