#pragma once

#include <QDialog>
#include <QPointer>
#include <array>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace calorix {

class CaptionLabel;
class ChartWindow;
class MessageBoxes;

// The line-series dialog "Plot constant property lines" (Form3): a family of
// lines of one property over a range From-To, by increment or by number of
// points. OK writes each value of the series in turn into that property's
// box of the chart window and presses the chart window's Locate button.
//
// The dialog deletes itself when it is closed. It closes itself when the
// chart window it plots on goes away.
class SeriesDialog : public QDialog {
    Q_OBJECT

  public:
    // Load: the dialog placed 500 twips above the middle of the frame window,
    // Temperature selected with the temperature defaults, "Number of points"
    // selected. seriesProperty is the property chosen here (empty after
    // Close); it belongs to the opener and must outlive the dialog.
    SeriesDialog(QWidget& frame, ChartWindow& chart, MessageBoxes& messages,
                 std::optional<int>& seriesProperty);

    // Plot...: loads a new dialog into `dialog` and shows it modal, with the
    // frame window as its owner. A dialog that is still open (shown modeless
    // after an OK) is brought to the front instead. Returns the dialog.
    static SeriesDialog* Open(QPointer<SeriesDialog>& dialog, QWidget& frame, ChartWindow& chart,
                              MessageBoxes& messages, std::optional<int>& seriesProperty);

    // Option1(i): the property, by PropertyIndex.
    QRadioButton& PropertyOption(int index) const { return *propertyOptions_[size_t(index)]; }
    // Option2(0) "Increment", Option2(1) "Number of points".
    QRadioButton& StepOption(int index) const { return *stepOptions_[size_t(index)]; }
    // Text1(0) From, Text1(1) To, Text1(2) increment, Text1(3) number of points.
    QLineEdit& RangeBox(int index) const { return *rangeBoxes_[size_t(index)]; }
    QPushButton& CloseButton() const { return *closeButton_; }
    QPushButton& ClearButton() const { return *clearButton_; }
    QPushButton& OkButton() const { return *okButton_; }
    // Where Load placed the dialog, in twips of the screen.
    double LoadedLeft() const { return loadedLeft_; }
    double LoadedTop() const { return loadedTop_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    // The property options' captions name the ranges of the chart's model.
    void ShowModelRanges();
    // The dialog placed over the frame, with the temperature defaults and
    // "Number of points" chosen.
    void PlaceAndChooseDefaults(QWidget& frame);
    void OnPropertyChosen(int index);
    void OnStepModeChosen(int index);
    void OnSeriesCloseClicked();
    void OnSeriesClearClicked();
    void OnOkClicked();
    // Draws the lines of the chosen property, one for each value of the series.
    void PlotSeries();
    // Shown again after an OK: modeless, without owner, where it was.
    void ShowAgain();

    QPointer<ChartWindow> chart_;
    MessageBoxes& messages_;
    std::optional<int>& seriesProperty_;

    QGroupBox* propertyFrame_ = nullptr;
    QGroupBox* rangeFrame_ = nullptr;
    QButtonGroup* propertyGroup_ = nullptr;
    QButtonGroup* stepGroup_ = nullptr;
    std::array<QRadioButton*, 5> propertyOptions_{};
    std::array<QRadioButton*, 2> stepOptions_{};
    std::array<CaptionLabel*, 2> rangeLabels_{};
    std::array<QLineEdit*, 4> rangeBoxes_{};
    QPushButton* closeButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    double loadedLeft_ = 0;
    double loadedTop_ = 0;
};

}  // namespace calorix
