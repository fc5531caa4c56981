#pragma once

// A frame window with its chart window open, for the GUI tests: headless,
// with scripted message boxes, and a client area of a chosen size in twips.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <variant>
#include <vector>

#include "app/frame_window.h"
#include "chart/chart_window.h"
#include "surface/qb_color.h"
#include "surface/twips.h"
#include "testing/scripted_message_boxes.h"

namespace calorix::test {

// Sizes the frame so that its client area is width by height twips.
inline void SetClientArea(FrameWindow& frame, double width, double height) {
    const double twipsPerPixel = TwipsPerPixel(frame);
    const int w = TwipsToPixels(width, twipsPerPixel);
    const int h = TwipsToPixels(height, twipsPerPixel);
    frame.resize(frame.width() + w - frame.Area().width(),
                 frame.height() + h - frame.Area().height());
}

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frame_ = std::make_unique<FrameWindow>(messages_);
        frame_->show();
        // Keys reach shortcuts only in the active window.
        frame_->activateWindow();
        QApplication::processEvents();
        SetClientArea(*frame_, 11175, 5880);
        frame_->OpenChartWindow();
        ASSERT_NE(frame_->Chart(), nullptr);
    }

    ChartWindow& Chart() { return *frame_->Chart(); }
    PropertyBox& Box(int i) { return Chart().InputBox(i); }

    // Types into a box as a user would, after emptying it.
    void Type(int box, const QString& text) {
        Box(box).setFocus();
        Box(box).clear();
        QTest::keyClicks(&Box(box), text);
    }
    void PressEnter(int box) { QTest::keyClick(&Box(box), Qt::Key_Return); }

    // Entries of the display list from index `from` on.
    template <class T>
    std::vector<T> Drawn(size_t from = 0) {
        std::vector<T> found;
        const auto& list = Chart().DisplayList();
        for (size_t i = from; i < list.size(); ++i) {
            if (const T* entry = std::get_if<T>(&list[i])) found.push_back(*entry);
        }
        return found;
    }

    ScriptedMessageBoxes messages_;
    std::unique_ptr<FrameWindow> frame_;
};

}  // namespace calorix::test
