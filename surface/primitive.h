#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <variant>

namespace calorix {

// The entries of a drawing surface's display list. Coordinates are in twips,
// single precision, as the drawing operations receive them; each entry keeps
// the fore colour that was current when it was drawn.

// A straight line from (x1, y1) to (x2, y2); a line of length zero is a dot.
struct LinePrimitive {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    QColor color;
    bool operator==(const LinePrimitive&) const = default;
};

// An unfilled rectangle with (x1, y1) and (x2, y2) as opposite corners.
struct BoxPrimitive {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    QColor color;
    bool operator==(const BoxPrimitive&) const = default;
};

// A circle outline around (x, y).
struct CirclePrimitive {
    float x = 0;
    float y = 0;
    float radius = 0;
    QColor color;
    bool operator==(const CirclePrimitive&) const = default;
};

// One line of text whose top-left corner is (x, y), in the font the surface
// had when it was printed.
struct TextPrimitive {
    float x = 0;
    float y = 0;
    QString text;
    QColor color;
    QFont font;
    bool operator==(const TextPrimitive&) const = default;
};

using Primitive = std::variant<LinePrimitive, BoxPrimitive, CirclePrimitive, TextPrimitive>;

}  // namespace calorix
