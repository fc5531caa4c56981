#pragma once

// A chart window open in its client area, for the tests of the chart window
// and the line-series dialog: headless, with scripted message boxes, and an
// area of a chosen size in twips. The area stands alone as a window, as the
// frame window's client area stands in it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <array>
#include <memory>
#include <variant>
#include <vector>

#include "chart/chart_area.h"
#include "chart/chart_window.h"
#include "surface/qb_color.h"
#include "surface/twips.h"
#include "testing/scripted_message_boxes.h"

namespace calorix::test {

class ChartTest : public ::testing::Test {
  protected:
    void SetUp() override {
        area_ = std::make_unique<ChartArea>(messages_);
        const double twipsPerPixel = TwipsPerPixel(*area_);
        area_->resize(TwipsToPixels(11175, twipsPerPixel), TwipsToPixels(5880, twipsPerPixel));
        area_->show();
        // Keys reach shortcuts only in the active window.
        area_->activateWindow();
        QApplication::processEvents();
        // The readout of the point under the pointer, as the status bar would
        // show it.
        QObject::connect(area_.get(), &ChartArea::ChartOpened, [this](ChartWindow* chart) {
            QObject::connect(chart, &ChartWindow::ReadoutChanged,
                             [this](const QString& t, const QString& s, const QString& x) {
                                 readout_ = {t, s, x};
                             });
        });
        area_->OpenChartWindow();
        ASSERT_NE(area_->Chart(), nullptr);
    }

    ChartWindow& Chart() { return *area_->Chart(); }
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
    std::unique_ptr<ChartArea> area_;
    std::array<QString, 3> readout_;  // T, s and the quality
};

}  // namespace calorix::test
