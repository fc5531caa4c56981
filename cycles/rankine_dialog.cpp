#include "cycles/rankine_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "chart/chart_cycle.h"
#include "chart/chart_window.h"
#include "surface/twips.h"

namespace calorix {
namespace {

struct BoxDesign {
    CycleInput input;
    const char* name;
    const char* placeholder;
    const char* tip;
};

constexpr const char* kPressureTip = "Pressure in MPa; a trailing k means kPa (10k is .01 MPa).";

// The boxes in the order of CycleInput.
constexpr BoxDesign kBoxes[] = {
    {CycleInput::kBoilerPressure, "BoilerPressure", "", kPressureTip},
    {CycleInput::kTurbineInletTemperature, "TurbineInletTemperature", "saturated vapour",
     "Temperature in K; a trailing C means degrees Celsius (600c is 873 K). "
     "Empty: saturated vapour at the boiler pressure."},
    {CycleInput::kCondenserPressure, "CondenserPressure", "",
     "Pressure in MPa; a trailing k means kPa (10k is .01 MPa). "
     "The condenser's outlet is saturated liquid."},
    {CycleInput::kReheatPressure, "ReheatPressure", "none", kPressureTip},
    {CycleInput::kReheatTemperature, "ReheatTemperature", "none",
     "Temperature in K of the steam leaving the reheater; a trailing C means degrees Celsius."},
    {CycleInput::kHeaterPressure, "HeaterPressures", "none",
     "The extraction pressures of open feedwater heaters in MPa, separated by blanks or "
     "commas (4, 0.5); a trailing k means kPa. Each heater's outlet is saturated liquid, "
     "with a pump of its own."},
    {CycleInput::kTurbineEfficiency, "TurbineEfficiency", "1",
     "Isentropic efficiency of each turbine stage, above 0 and at most 1."},
    {CycleInput::kPumpEfficiency, "PumpEfficiency", "1",
     "Isentropic efficiency of each pump, above 0 and at most 1."},
    {CycleInput::kNetPower, "NetPower", "none",
     "Net power in MW, for the mass flow and the heat rates."},
};

// The groups of boxes, each a range of kBoxes.
struct GroupDesign {
    const char* name;
    const char* title;
    int first;
    int count;
};

constexpr GroupDesign kGroups[] = {
    {"RankineBoilerFrame", "Boiler and turbine inlet", 0, 2},
    {"RankineCondenserFrame", "Condenser", 2, 1},
    {"RankineReheatFrame", "Reheat (optional)", 3, 2},
    {"RankineHeaterFrame", "Open feedwater heaters (optional)", 5, 1},
    {"RankineEfficiencyFrame", "Efficiencies and power", 6, 3},
};

// How far below the frame window's top the dialog stands, in twips.
constexpr double kBelowFrameTop = 1000;

}  // namespace

RankineDialog::RankineDialog(QWidget& frame, ChartWindow& chart)
    : QDialog(&frame, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      chart_(&chart) {
    setObjectName(QStringLiteral("RankineDialog"));
    setWindowTitle(QStringLiteral("Rankine cycle"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    CreateControls();
    if (const DrawnCycle* last = chart.LastCycle()) SetTexts(last->command.texts);
    // Esc rejects the dialog, which only hides it: it closes as Close does.
    connect(this, &QDialog::finished, this, &QWidget::close);
    // Without a chart window there is nothing to draw on.
    connect(&chart, &QObject::destroyed, this, &QWidget::close);
    Place(frame);
}

void RankineDialog::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    for (const GroupDesign& group : kGroups) {
        auto* frame = new QGroupBox(QString::fromLatin1(group.title), this);
        frame->setObjectName(QString::fromLatin1(group.name));
        auto* form = new QFormLayout(frame);
        for (int i = group.first; i < group.first + group.count; ++i) {
            const BoxDesign& design = kBoxes[i];
            const auto index = static_cast<std::size_t>(design.input);
            auto* box = new QLineEdit(frame);
            box->setObjectName(QString::fromLatin1(design.name));
            box->setPlaceholderText(QString::fromLatin1(design.placeholder));
            box->setToolTip(QString::fromLatin1(design.tip));
            auto* label =
                new QLabel(QString::fromUtf8(RankineBoxCaption(design.input).data(),
                                             qsizetype(RankineBoxCaption(design.input).size())),
                           frame);
            label->setObjectName(QString::fromLatin1(design.name) + QStringLiteral("Label"));
            label->setBuddy(box);
            form->addRow(label, box);
            boxes_[index] = box;
            labels_[index] = label;
        }
        layout->addWidget(frame);
    }

    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("RankineClose"));
    closeButton_->setAutoDefault(false);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("RankineOk"));
    okButton_->setDefault(true);
    // The boxes of all groups in one column.
    int labelWidth = 0;
    for (const QLabel* label : labels_)
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    for (QLabel* label : labels_)
        label->setMinimumWidth(labelWidth);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    buttons->addWidget(okButton_);
    layout->addLayout(buttons);

    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(okButton_, &QPushButton::clicked, this, &RankineDialog::OnOkClicked);
}

void RankineDialog::Place(QWidget& frame) {
    // The right edge on the frame window's, both measured outside their
    // borders; the dialog's borders, which do not exist before it is shown,
    // taken to be the frame's.
    adjustSize();
    const double perPixel = TwipsPerPixel(frame);
    const QRect frameOuter = frame.frameGeometry();
    const QSize borders = frameOuter.size() - frame.geometry().size();
    const QSize outer = size() + borders;
    const int left = frameOuter.x() + frameOuter.width() - outer.width();
    const int top = frameOuter.y() + TwipsToPixels(kBelowFrameTop, perPixel);
    placedLeft_ = PixelsToTwips(left, perPixel);
    placedTop_ = PixelsToTwips(top, perPixel);
    move(left, top);
}

RankineTexts RankineDialog::Texts() const {
    RankineTexts texts;
    for (const BoxDesign& design : kBoxes)
        TextOf(texts, design.input) = Box(design.input).text().toStdString();
    return texts;
}

void RankineDialog::SetTexts(const RankineTexts& texts) {
    for (const BoxDesign& design : kBoxes)
        Box(design.input).setText(QString::fromStdString(TextOf(texts, design.input)));
}

void RankineDialog::OnOkClicked() {
    if (!chart_) return;
    CycleInput blamed = CycleInput::kBoilerPressure;
    if (chart_->DrawCycle(journal::CycleCommand{Texts()}, &blamed)) {
        emit CycleDrawn();
        return;
    }
    // The box the message named, ready for another value.
    if (chart_ && !chart_->Busy()) {
        QLineEdit& box = Box(blamed);
        box.setFocus();
        box.selectAll();
    }
}

ChartWindow* RankineDialog::Chart() const {
    return chart_;
}

}  // namespace calorix
