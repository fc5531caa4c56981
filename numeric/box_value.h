#pragma once

#include <string_view>

// Texts back into numbers, as the program reads every box.
namespace calorix {

// The leading-number rule: leading blanks are skipped, then the longest
// prefix that is a decimal number (sign, digits, at most one point, an
// optional exponent) is read; anything after it is ignored and a text
// without such a prefix reads 0. Never reads inf, nan, hexadecimal or a
// comma. A number too large for a double reads as +/-infinity (out of every
// range); one too small reads 0. "  300abc" -> 300, "abc" -> 0, "1e5x" -> 1e5.
double BoxValue(std::string_view text);

}  // namespace calorix
