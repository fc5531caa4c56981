#pragma once

#include <Qt>

namespace calorix {

// Values of a window's MousePointer property.
inline constexpr int kMousePointerDefault = 0;     // arrow
inline constexpr int kMousePointerCross = 2;       // cross-hair
inline constexpr int kMousePointerHourglass = 11;  // busy

// The cursor shown for a MousePointer value: 0 -> Qt::ArrowCursor,
// 2 -> Qt::CrossCursor, 11 -> Qt::WaitCursor; any other value -> Qt::ArrowCursor.
Qt::CursorShape CursorShapeForMousePointer(int mousePointer);

}  // namespace calorix
