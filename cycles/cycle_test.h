#pragma once

// A chart window open in its client area with the cycle windows attached,
// as the frame window attaches them, for the tests of the Rankine cycle
// dialog and the cycle's results: the dialog opened through Cycle > Rankine
// cycle..., its boxes typed into and OK pressed as a user would.

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "chart/chart_cycle.h"
#include "cycles/cycle_results.h"
#include "cycles/cycle_windows.h"
#include "cycles/rankine_dialog.h"
#include "testing/chart_test.h"

namespace calorix::test {

// Every input of the cycle, in the order of CycleInput.
inline constexpr CycleInput kCycleInputs[] = {
    CycleInput::kBoilerPressure,    CycleInput::kTurbineInletTemperature,
    CycleInput::kCondenserPressure, CycleInput::kReheatPressure,
    CycleInput::kReheatTemperature, CycleInput::kHeaterPressure,
    CycleInput::kTurbineEfficiency, CycleInput::kPumpEfficiency,
    CycleInput::kNetPower};

// 15 MPa and 873.15 K, reheated at 4 MPa to 600 C, open feedwater heaters at
// 4 and 0.5 MPa, turbines of 90 % and pumps of 80 %, to 10 kPa, 250 MW.
inline RankineTexts ReheatWithTwoHeaters() {
    return {"15", "873.15", "10k", "4", "600c", "4, 0.5", "0.9", "0.8", "250"};
}

// The textbook's ideal cycle: saturated vapour at 8 MPa to 8 kPa.
inline RankineTexts IdealSaturated() {
    return {"8", "", "8k", "", "", "", "", "", ""};
}

class CycleTest : public ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        if (HasFatalFailure()) return;
        windows_ = std::make_unique<CycleWindows>(*area_, messages_);
        windows_->Attach(Chart());
    }
    void TearDown() override {
        windows_.reset();
        ChartTest::TearDown();
    }

    QAction& Item(const char* name) {
        QAction* item = Chart().findChild<QAction*>(QString::fromLatin1(name));
        if (!item) ADD_FAILURE() << "no item " << name;
        return *item;
    }
    // Cycle > Rankine cycle...
    RankineDialog& Dialog() {
        if (!windows_->Dialog()) Item("mnuRankine").trigger();
        return *windows_->Dialog();
    }
    CycleResults* Results() { return windows_->Results(); }

    // Types the texts into the dialog's boxes, each emptied first.
    void Fill(const RankineTexts& texts) {
        for (const CycleInput input : kCycleInputs) {
            QLineEdit& box = Dialog().Box(input);
            box.setFocus();
            box.clear();
            QTest::keyClicks(&box, QString::fromStdString(TextOf(texts, input)));
        }
    }
    // Fills the dialog and presses OK; the display list's length before.
    size_t Draw(const RankineTexts& texts) {
        Fill(texts);
        const size_t before = Chart().DisplayList().size();
        Dialog().OkButton().click();
        return before;
    }
    void ChooseIf97() { Chart().findChild<QAction*>("mnuModelIF97")->trigger(); }

    std::unique_ptr<CycleWindows> windows_;
};

}  // namespace calorix::test
