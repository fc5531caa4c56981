#include "surface/mouse_pointer.h"

namespace calorix {

Qt::CursorShape CursorShapeForMousePointer(int mousePointer) {
    switch (mousePointer) {
        case kMousePointerCross:
            return Qt::CrossCursor;
        case kMousePointerHourglass:
            return Qt::WaitCursor;
        default:
            return Qt::ArrowCursor;
    }
}

}  // namespace calorix
