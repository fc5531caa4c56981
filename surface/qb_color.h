#pragma once

#include <QColor>

namespace calorix {

// The 16-colour palette of the chart: 0 black, 1 blue, 2 green, 3 cyan, 4 red,
// 5 magenta, 6 brown, 7 light grey, 8 grey, 9 light blue, 10 light green,
// 11 light cyan, 12 light red, 13 light magenta, 14 yellow, 15 white.
// Example: QBColor(9) -> RGB(0, 0, 255).
// Only the low four bits of n count, so every n gives a palette colour and
// none reads outside the table: QBColor(16) is black, QBColor(-1) is white.
QColor QBColor(int n);

}  // namespace calorix
