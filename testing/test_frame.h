#pragma once

#include <QSettings>

// A frame window with its chart window open, for the GUI tests: headless,
// with scripted message boxes, and a client area of a chosen size in twips.

#include <QApplication>
#include <memory>

#include "app/frame_window.h"
#include "chart/chart_window.h"
#include "surface/qb_color.h"
#include "surface/twips.h"
#include "testing/chart_driving.h"

namespace calorix::test {

// Sizes the frame so that its client area is width by height twips.
inline void SetClientArea(FrameWindow& frame, double width, double height) {
    const double twipsPerPixel = TwipsPerPixel(frame);
    const int w = TwipsToPixels(width, twipsPerPixel);
    const int h = TwipsToPixels(height, twipsPerPixel);
    frame.resize(frame.width() + w - frame.Area().width(),
                 frame.height() + h - frame.Area().height());
}

class FrameTest : public ChartDriving {
  protected:
    void SetUp() override {
        // Every test starts from a first run: no option kept from another.
        ClearSettings();
        frame_ = std::make_unique<FrameWindow>(messages_);
        frame_->show();
        // Keys reach shortcuts only in the active window.
        frame_->activateWindow();
        QApplication::processEvents();
        SetClientArea(*frame_, 11175, 5880);
        frame_->OpenChartWindow();
        ASSERT_NE(frame_->Chart(), nullptr);
    }

    void TearDown() override {
        frame_.reset();
        ClearSettings();
    }
    static void ClearSettings() {
        QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix")).clear();
    }

    ChartWindow& Chart() override { return *frame_->Chart(); }
    std::unique_ptr<FrameWindow> frame_;
};

}  // namespace calorix::test
