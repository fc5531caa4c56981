#include "numeric/box_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace calorix {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// The exponent digits as a number, held at a bound far beyond any double's
// exponent so that "1e99999999999999999999" cannot overflow the count.
std::int64_t SaturatedExponent(std::string_view digits, bool negative) {
    constexpr std::int64_t kBound = 1'000'000'000;
    std::int64_t value = 0;
    for (const char c : digits) {
        value = std::min<std::int64_t>(kBound, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

// True when a number whose decimal digits are `integerDigits` "." `fractionDigits`
// times 10^exponent is 1 or more. Used only after from_chars found the
// number beyond a double's range, to tell an overflow from an underflow.
bool AtLeastOne(std::string_view integerDigits, std::string_view fractionDigits,
                std::int64_t exponent) {
    // Place of the first non-zero digit: 1 for units, 2 for tens, 0 for
    // tenths, -1 for hundredths.
    std::int64_t place = 0;
    const std::size_t firstInteger = integerDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos) {
        place = static_cast<std::int64_t>(integerDigits.size() - firstInteger);
    } else {
        const std::size_t firstFraction = fractionDigits.find_first_not_of('0');
        if (firstFraction == std::string_view::npos) return false;  // all zeros
        place = -static_cast<std::int64_t>(firstFraction);
    }
    return place + exponent >= 1;
}

}  // namespace

double BoxValue(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    const std::size_t integerStart = pos;
    pos = SkipDigits(text, pos);
    const std::string_view integerDigits = text.substr(integerStart, pos - integerStart);

    std::string_view fractionDigits;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        fractionDigits = text.substr(pos + 1, fractionEnd - pos - 1);
        pos = fractionEnd;
    }
    if (integerDigits.empty() && fractionDigits.empty()) return 0.0;  // no number

    // An exponent counts only when it has digits: "1e" and "1e+" read 1.
    std::int64_t exponent = 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        bool negativeExponent = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            negativeExponent = text[p] == '-';
            ++p;
        }
        const std::size_t exponentEnd = SkipDigits(text, p);
        if (exponentEnd > p) {
            exponent = SaturatedExponent(text.substr(p, exponentEnd - p), negativeExponent);
            pos = exponentEnd;
        }
    }

    // from_chars reads the checked prefix without its sign (it would refuse
    // a "+"). It ignores the locale and never sees "inf", "nan" or "0x".
    const char* first = text.data() + integerStart;
    const char* last = text.data() + pos;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = AtLeastOne(integerDigits, fractionDigits, exponent)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    } else if (result.ec != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace calorix
