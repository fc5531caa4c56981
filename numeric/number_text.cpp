#include "numeric/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "numeric/box_value.h"

namespace calorix {
namespace {

// A positive finite magnitude rounded to 15 significant digits: the digits
// d1 d2 ... without trailing zeros (at least one) and the decimal exponent of
// d1, so that the magnitude is d1.d2d3... * 10^exponent.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};

SignificantDigits RoundTo15Digits(double magnitude) {
    // Scientific with 14 decimals is 15 significant digits, correctly rounded:
    // "d.dddddddddddddde+XX". to_chars ignores the locale.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');

    SignificantDigits out;
    out.digits.push_back(text[0]);
    if (e > 2) out.digits.append(text.substr(2, e - 2));
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();

    std::string_view exponent = text.substr(e + 1);
    const bool negative = exponent.front() == '-';
    exponent.remove_prefix(1);  // to_chars always writes the exponent's sign
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), out.exponent);
    if (negative) out.exponent = -out.exponent;
    return out;
}

// "12", "373.15", ".0006": no sign, no "0" before the point.
std::string DecimalForm(const SignificantDigits& d) {
    const auto count = static_cast<int>(d.digits.size());
    std::string text;
    if (d.exponent < 0) {
        text += '.';
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text += d.digits;
        return text;
    }
    const int integerDigits = d.exponent + 1;
    if (count <= integerDigits) {
        text = d.digits;
        text.append(static_cast<std::size_t>(integerDigits - count), '0');
        return text;
    }
    text.assign(d.digits, 0, static_cast<std::size_t>(integerDigits));
    text += '.';
    text.append(d.digits, static_cast<std::size_t>(integerDigits));
    return text;
}

// "1.5E+15", "2E-05", "4.94065645841247E-324": at least two exponent digits.
std::string ExponentForm(const SignificantDigits& d) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1);
    }
    text += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) text += '0';
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    text.append(buffer, result.ptr);
    return text;
}

// NumberText of a finite value, always in decimal form. FixedDecimalText
// lines up digits and counts decimals, which an exponent form ("1E-05") does
// not show; from 1E-04 to below 1E+15 this is NumberText itself.
std::string DecimalNumberText(double x) {
    const char sign = x < 0 ? '-' : ' ';
    if (x == 0) return " 0";
    return sign + DecimalForm(RoundTo15Digits(std::fabs(x)));
}

}  // namespace

double TruncateDecimals(double x, int n) {
    const double scale = std::pow(10.0, n);
    const double scaled = x * scale;
    // A value so large that the product overflows has no decimals left to
    // cut (it lies far above 2^53), so it stays as it is instead of becoming
    // infinity.
    if (std::isfinite(x) && !std::isfinite(scaled)) return x;
    return std::floor(scaled) / scale;
}

std::string NumberText(double x) {
    // Nothing the program shows is infinite or not a number. Infinity is
    // written as an exponent no double can hold, so that the box-value rule
    // reads it back as infinity; NaN has no number text at all and reads
    // back as 0, like any text without a number.
    if (std::isnan(x)) return " NaN";
    const char sign = x < 0 ? '-' : ' ';
    if (std::isinf(x)) return sign + std::string("1E+999");
    if (x == 0) return " 0";
    const SignificantDigits d = RoundTo15Digits(std::fabs(x));
    // The decision follows the rounded value: 999999999999999.9 rounds up to
    // 1E+15 and is written with the exponent.
    if (d.exponent >= 15 || d.exponent < -4) return sign + ExponentForm(d);
    return sign + DecimalForm(d);
}

std::string GeneralText(double x) {
    // to_chars would write "inf", which reads as no number (0). An exponent
    // beyond every double reads back as infinity instead, so a Celsius
    // temperature too large for a double still fails the range check.
    if (std::isinf(x)) return x > 0 ? "1e+999" : "-1e+999";
    // Like printf's %.15g, without its locale: "298", "0.00062", "1e+20".
    // NaN comes out as "nan" (reads 0); no box value can produce it.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::string FixedDecimalText(double& x, int w, int n) {
    x = TruncateDecimals(x, n);
    // Infinity and NaN have no integer part or decimals to line up; their
    // number text stands alone.
    if (!std::isfinite(x)) return NumberText(x);

    const double integerPart = std::floor(std::fabs(x));
    // The fraction gets 1e-9 so that 0.3, held as 0.2999..., keeps its last
    // decimal.
    const double fraction = TruncateDecimals(std::fabs(x) - integerPart + 0.000000001, n);
    const auto integerLength = static_cast<int>(DecimalNumberText(integerPart).size());

    int pad = w - integerLength;
    // NumberText writes no "0" before the point below 1.
    if (integerPart == 0 && fraction != 0) ++pad;

    const std::string number = DecimalNumberText(x);
    std::string text(static_cast<std::size_t>(std::max(pad, 0)), ' ');
    text += number;

    // The point and the zeros go after the decimals that the text of x
    // carries. Up to 15 significant digits these are the fraction's own
    // (" .25" carries 2, " 0" none, and f = 0 exactly when x is integral).
    // Past them the text drops decimals that the fraction still holds
    // (1E+14 + 0.5 is written 100000000000000), and zeros counted from the
    // fraction would land in the integer part.
    const std::size_t point = number.find('.');
    int decimals = 0;
    if (point == std::string::npos) {
        text += '.';
    } else {
        decimals = static_cast<int>(number.size() - point - 1);
    }
    if (n - decimals > 0) text.append(static_cast<std::size_t>(n - decimals), '0');
    return text;
}

std::string ReadoutText(double& x, int w, int n) {
    const std::string fixed = FixedDecimalText(x, w, n);
    // NaN does not survive being read back (it would read 0); show it as it is.
    if (std::isnan(x)) return NumberText(x);
    return NumberText(BoxValue(fixed));
}

}  // namespace calorix
