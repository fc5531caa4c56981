#include "series/series_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "chart/chart_window.h"
#include "lines/box_values.h"
#include "lines/series_values.h"
#include "numeric/number_text.h"
#include "surface/control_place.h"
#include "surface/message_boxes.h"
#include "surface/twips.h"

namespace calorix {
namespace {

// The client area at design time, in twips.
constexpr double kClientWidth = 6330, kClientHeight = 3315;

struct PropertyOptionDesign {
    const char* caption;
    ControlPlace place;
    // The defaults written into From, To and Increment by a click.
    const char* from;
    const char* to;
    const char* increment;
};

constexpr PropertyOptionDesign kPropertyOptions[kPropertyCount] = {
    {"Temperature [273.16 to 1273.16 K]", {195, 330, 2800, 255}, "274", "1273", "100"},
    {"Pressure [0.00062 to 22]", {195, 690, 2270, 255}, "0.00062", "22", "1"},
    {"Specific volume [0.005 to 200]", {195, 1050, 2565, 255}, "0.005", "200", "10"},
    {"Specific enthalpy [200 to 4600]", {195, 1410, 2595, 255}, "200", "4600", "400"},
    {"Specific entropy [0 to 12]", {195, 1800, 2270, 255}, "0", "12", "1"},
};

constexpr ControlPlace kRangeBoxPlaces[4] = {
    {1770, 360, 975, 345}, {1770, 840, 975, 345}, {1770, 1320, 975, 345}, {1770, 1800, 975, 345}};

}  // namespace

SeriesDialog::SeriesDialog(QWidget& frame, ChartWindow& chart, MessageBoxes& messages,
                           std::optional<int>& seriesProperty)
    : QDialog(&frame, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      chart_(&chart),
      messages_(messages),
      seriesProperty_(seriesProperty) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Plot constant property lines"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A condensed face keeps every caption inside its design width.
    setFont(SmallDialogFont());
    const double twipsPerPixel = TwipsPerPixel(*this);
    setFixedSize(TwipsToPixels(kClientWidth, twipsPerPixel),
                 TwipsToPixels(kClientHeight, twipsPerPixel));
    CreateControls();
    // The captions name the ranges of the model the chart is drawn on.
    ShowModelRanges();
    connect(&chart, &ChartWindow::ModelChanged, this, &SeriesDialog::ShowModelRanges);
    // Without a chart window there is nothing to plot on.
    connect(&chart, &QObject::destroyed, this, &QWidget::close);
    PlaceAndChooseDefaults(frame);
}

SeriesDialog* SeriesDialog::Open(QPointer<SeriesDialog>& dialog, QWidget& frame, ChartWindow& chart,
                                 MessageBoxes& messages, std::optional<int>& seriesProperty) {
    if (dialog) {
        // Already open, modeless since an OK: to the front, as it is. (While
        // a series runs it is hidden and stays so until the series ends.)
        if (dialog->isVisible()) {
            dialog->raise();
            dialog->activateWindow();
        }
        return dialog;
    }
    dialog = new SeriesDialog(frame, chart, messages, seriesProperty);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->activateWindow();
    return dialog;
}

void SeriesDialog::ShowModelRanges() {
    if (!chart_) return;
    const auto& options = SeriesOptions(chart_->Model());
    for (int i = 0; i < kPropertyCount; ++i) {
        propertyOptions_[size_t(i)]->setText(QString::fromLatin1(options[size_t(i)].caption));
    }
}

void SeriesDialog::CreateControls() {
    propertyFrame_ = new QGroupBox(QStringLiteral("Property"), this);
    propertyFrame_->setObjectName(QStringLiteral("Frame1"));
    SetPlace(*propertyFrame_, {150, 180, 3045, 2265});
    propertyGroup_ = new QButtonGroup(this);
    propertyGroup_->setExclusive(true);
    for (int i = 0; i < kPropertyCount; ++i) {
        auto* option =
            new QRadioButton(QString::fromLatin1(kPropertyOptions[i].caption), propertyFrame_);
        option->setObjectName(IndexedName("Option1", i));
        SetPlace(*option, kPropertyOptions[i].place);
        propertyGroup_->addButton(option, i);
        propertyOptions_[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { OnPropertyChosen(i); });
    }

    rangeFrame_ = new QGroupBox(QStringLiteral("Plot range"), this);
    rangeFrame_->setObjectName(QStringLiteral("Frame2"));
    SetPlace(*rangeFrame_, {3240, 180, 2925, 2265});
    rangeLabels_[0] =
        new CaptionLabel(QStringLiteral("Label1(0)"), QStringLiteral("From"), rangeFrame_);
    SetPlace(*rangeLabels_[0], {1200, 480, 345, 195});
    rangeLabels_[1] =
        new CaptionLabel(QStringLiteral("Label1(1)"), QStringLiteral("To"), rangeFrame_);
    SetPlace(*rangeLabels_[1], {1200, 960, 195, 195});

    stepGroup_ = new QButtonGroup(this);
    stepGroup_->setExclusive(true);
    const char* const stepCaptions[2] = {"Increment", "Number of points"};
    const ControlPlace stepPlaces[2] = {{150, 1410, 1485, 315}, {150, 1830, 1515, 285}};
    // In tab order: From, To, then each way of stepping beside its box.
    for (int i = 0; i < 4; ++i) {
        if (i >= 2) {
            const int k = i - 2;
            auto* option = new QRadioButton(QString::fromLatin1(stepCaptions[k]), rangeFrame_);
            option->setObjectName(IndexedName("Option2", k));
            SetPlace(*option, stepPlaces[k]);
            stepGroup_->addButton(option, k);
            stepOptions_[size_t(k)] = option;
            connect(option, &QRadioButton::clicked, this, [this, k] { OnStepModeChosen(k); });
        }
        auto* box = new QLineEdit(rangeFrame_);
        box->setObjectName(IndexedName("Text1", i));
        SetPlace(*box, kRangeBoxPlaces[i]);
        rangeBoxes_[size_t(i)] = box;
    }
    // The design state: "Number of points" selected, 25 points.
    stepOptions_[1]->setChecked(true);
    rangeBoxes_[3]->setText(QStringLiteral("25"));

    closeButton_ = MakeButton(IndexedName("Command1", 0), QStringLiteral("Close"),
                              {720, 2700, 1215, 400}, this);
    clearButton_ = MakeButton(IndexedName("Command1", 1), QStringLiteral("Clear"),
                              {2490, 2700, 1215, 400}, this);
    okButton_ =
        MakeButton(QStringLiteral("Command2"), QStringLiteral("OK"), {4230, 2700, 1185, 400}, this);
    okButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &SeriesDialog::OnSeriesCloseClicked);
    connect(clearButton_, &QPushButton::clicked, this, &SeriesDialog::OnSeriesClearClicked);
    connect(okButton_, &QPushButton::clicked, this, &SeriesDialog::OnOkClicked);
}

void SeriesDialog::PlaceAndChooseDefaults(QWidget& frame) {
    // 500 twips above the middle of the frame window, wherever the frame
    // stands on the screen; both windows are measured outside their borders.
    // The dialog's borders do not exist before it is shown: they are taken
    // to be as wide as the frame window's.
    const double twipsPerPixel = TwipsPerPixel(frame);
    const auto twips = [twipsPerPixel](int pixels) { return PixelsToTwips(pixels, twipsPerPixel); };
    const QRect frameOuter = frame.frameGeometry();
    const QSize borders = frameOuter.size() - frame.geometry().size();
    const QSize outer = size() + borders;
    const double left =
        twips(frameOuter.x()) + (twips(frameOuter.width()) - twips(outer.width())) / 2;
    const double top =
        twips(frameOuter.y()) + (twips(frameOuter.height()) - twips(outer.height())) / 2 - 500;
    loadedLeft_ = left;
    loadedTop_ = top;
    move(TwipsToPixels(left, twipsPerPixel), TwipsToPixels(top, twipsPerPixel));

    propertyOptions_[kT]->click();
    stepOptions_[1]->click();
}

void SeriesDialog::OnPropertyChosen(int index) {
    const PropertyOptionDesign& option = kPropertyOptions[index];
    rangeBoxes_[0]->setText(QString::fromLatin1(option.from));
    rangeBoxes_[1]->setText(QString::fromLatin1(option.to));
    rangeBoxes_[2]->setText(QString::fromLatin1(option.increment));
    const double from = BoxValue(option.from);
    const double to = BoxValue(option.to);
    const double increment = BoxValue(option.increment);
    const double count = std::floor(std::fabs((to - from) / increment));
    rangeBoxes_[3]->setText(QString::fromStdString(GeneralText(count)));
    seriesProperty_ = index;
}

void SeriesDialog::OnStepModeChosen(int index) {
    const bool byIncrement = index == 0;
    rangeBoxes_[2]->setEnabled(byIncrement);
    rangeBoxes_[3]->setEnabled(!byIncrement);
}

void SeriesDialog::OnSeriesClearClicked() {
    // Clear asks first; the dialog stays open whatever the answer.
    if (chart_) chart_->ClearButton().click();
}

void SeriesDialog::OnSeriesCloseClicked() {
    seriesProperty_.reset();
    close();
}

void SeriesDialog::OnOkClicked() {
    hide();
    PlotSeries();
    // A dialog whose chart window went away meanwhile has closed itself.
    if (chart_) ShowAgain();
}

void SeriesDialog::PlotSeries() {
    if (!chart_) return;
    // The chart draws the series, one step of its journal, from the texts of
    // the boxes and the check marks as they stand.
    const auto text = [this](int i) { return rangeBoxes_[size_t(i)]->text().toStdString(); };
    journal::SeriesCommand series;
    series.property = seriesProperty_.value_or(-1);
    series.from = text(0);
    series.to = text(1);
    series.increment = text(2);
    series.count = text(3);
    series.mode = stepOptions_[1]->isChecked() ? journal::SeriesMode::kCount
                                               : journal::SeriesMode::kIncrement;
    series.showLabels = chart_->ShowLabels();
    series.showMarkers = chart_->ShowMarkers();
    chart_->PlotSeries(series);
}

void SeriesDialog::ShowAgain() {
    const QPoint at = pos();
    setParent(nullptr, windowFlags());
    setWindowModality(Qt::NonModal);
    move(at);
    show();
    activateWindow();
}

void SeriesDialog::keyPressEvent(QKeyEvent* event) {
    // Esc presses the cancel button, Clear, rather than closing the dialog.
    if (event->matches(QKeySequence::Cancel)) {
        clearButton_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace calorix
