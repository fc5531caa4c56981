#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

#include "cycle/rankine_texts.h"
#include "journal/journal_step.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace calorix {

class ChartWindow;

// The Rankine cycle dialog (objectName RankineDialog), Cycle > Rankine
// cycle...: non-modal, one box for each input of the cycle (objectNames
// BoilerPressure, TurbineInletTemperature, CondenserPressure,
// ReheatPressure, ReheatTemperature, HeaterPressures, TurbineEfficiency,
// PumpEfficiency, NetPower; each with its caption, objectName the box's and
// "Label"), OK (RankineOk, the default button) and Close (RankineClose).
//
// The boxes read as cycle/rankine_texts.h says: pressures in MPa with the
// pressure box's k for kPa, temperatures in K with the temperature box's c
// for degrees Celsius, the heater box any number of pressures separated by
// blanks or commas. OK hands the texts as typed to the chart window, which
// draws the cycle as one step; a cycle that cannot be drawn has its message
// from the chart and its box gets the focus, the dialog staying open.
//
// The dialog opens with the texts of the cycle last drawn on the chart,
// placed with its right edge on the frame window's and 1000 twips below the
// frame's top, so that the cycle (which lies left of s = 9 kJ/kg-K) stays in
// sight. It deletes itself when closed (Close, Esc, the title bar) and
// closes when its chart window goes away.
class RankineDialog : public QDialog {
    Q_OBJECT

  public:
    RankineDialog(QWidget& frame, ChartWindow& chart);

    // The chart it draws on; nothing once that chart window has gone.
    ChartWindow* Chart() const;
    QLineEdit& Box(CycleInput input) const { return *boxes_[static_cast<std::size_t>(input)]; }
    QLabel& Caption(CycleInput input) const { return *labels_[static_cast<std::size_t>(input)]; }
    QPushButton& OkButton() const { return *okButton_; }
    QPushButton& CloseButton() const { return *closeButton_; }

    // The boxes' texts as they stand, and filled with the given ones.
    RankineTexts Texts() const;
    void SetTexts(const RankineTexts& texts);

    // Where the dialog was placed, in twips of the screen (outer corner).
    double PlacedLeft() const { return placedLeft_; }
    double PlacedTop() const { return placedTop_; }

  signals:
    // OK drew a cycle on the chart.
    void CycleDrawn();

  private:
    void CreateControls();
    void Place(QWidget& frame);
    void OnOkClicked();

    QPointer<ChartWindow> chart_;
    std::array<QLineEdit*, 9> boxes_{};
    std::array<QLabel*, 9> labels_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    double placedLeft_ = 0;
    double placedTop_ = 0;
};

}  // namespace calorix
