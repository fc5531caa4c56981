#pragma once

#include <Qt>

#include "lines/pointer_shape.h"

namespace calorix {

// The cursor shown for a MousePointer value: 0 -> Qt::ArrowCursor,
// 2 -> Qt::CrossCursor, 11 -> Qt::WaitCursor; any other value -> Qt::ArrowCursor.
Qt::CursorShape CursorShapeForMousePointer(int mousePointer);

}  // namespace calorix
