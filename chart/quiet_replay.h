#pragma once

#include <QWidget>

#include "surface/control_place.h"

namespace calorix {

// While a replay runs the window does not paint and the panel shows only the
// text the replay ends with.
class QuietReplay {
  public:
    QuietReplay(QWidget& window, CaptionLabel& panel) : window_(window), panel_(panel) {
        window_.setUpdatesEnabled(false);
        panel_.HoldDisplay();
    }
    ~QuietReplay() {
        panel_.ReleaseDisplay();
        window_.setUpdatesEnabled(true);
    }
    QuietReplay(const QuietReplay&) = delete;
    QuietReplay& operator=(const QuietReplay&) = delete;

  private:
    QWidget& window_;
    CaptionLabel& panel_;
};

}  // namespace calorix
