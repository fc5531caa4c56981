#pragma once

// A chart window open in its client area, for the tests of the chart window
// and the line-series dialog: headless, with scripted message boxes, and an
// area of a chosen size in twips. The area stands alone as a window, as the
// frame window's client area stands in it. Every test starts from a first
// run: the options kept between runs are cleared before and after it.

#include <QApplication>
#include <QSettings>
#include <array>
#include <memory>

#include "chart/chart_area.h"
#include "chart/chart_window.h"
#include "surface/qb_color.h"
#include "surface/twips.h"
#include "testing/chart_driving.h"

namespace calorix::test {

class ChartTest : public ChartDriving {
  protected:
    void SetUp() override {
        ClearSettings();
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

    void TearDown() override {
        area_.reset();
        ClearSettings();
    }
    static void ClearSettings() {
        QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix")).clear();
    }

    ChartWindow& Chart() override { return *area_->Chart(); }
    // A click on the chart at the state (s, T) itself, as the mouse reports
    // it in twips.
    void ClickOn(double s, double T) {
        const ChartPoint p = area_->Frame().Map(s, T);
        emit Chart().MouseDown(float(p.x), float(p.y));
    }
    std::unique_ptr<ChartArea> area_;
    std::array<QString, 3> readout_;  // T, s and the quality
};

}  // namespace calorix::test
