#pragma once

namespace calorix {

// Values of a window's MousePointer property, as the commands set them.
enum MousePointerShape : int {
    kMousePointerDefault = 0,    // arrow
    kMousePointerCross = 2,      // cross-hair
    kMousePointerHourglass = 11  // busy
};

}  // namespace calorix
