// The Draw command: the hub that reads the five boxes and draws one line or
// locates one state. Other commands press it (QPushButton::click runs it at
// once, nested inside the caller) on the boxes as they stand.
#include <QPushButton>

#include "chart/chart_window.h"
#include "lines/crossings.h"
#include "lines/model_lines.h"
#include "lines/model_location.h"
#include "lines/single_property_lines.h"
#include "lines/two_box_location.h"
#include "lines/validate_inputs.h"
#include "surface/message_boxes.h"
#include "surface/mouse_pointer.h"
#include "surface/qb_color.h"

namespace calorix {
namespace {

QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

void ChartWindow::OnDrawClicked() {
    const CommandScope command(*this);
    lastDrawLocated_ = false;
    lastLocatedState_.reset();
    // The unit suffixes, visible in the boxes, before anything else.
    BoxTexts texts = BoxTextsNow();
    ApplyUnitSuffixes(texts);
    for (const int i : {kT, kP}) {
        const QString rewritten = ToQString(texts[size_t(i)]);
        if (InputBox(i).text() != rewritten) InputBox(i).setText(rewritten);
    }

    const auto show = [this](const std::string& message) { messages_.MsgBox(ToQString(message)); };
    // Each model has its ranges; the chart's correlations keep their own
    // constructions, another model draws through the model.
    if (ValidateInputs(texts, *model_, show) == 1) return;
    const bool classic = model_->Kind() == ModelKind::kClassic;

    SetMousePointer(kMousePointerHourglass);
    const int filled = CountFilled(texts);
    if (filled > 2) {
        messages_.MsgBox(QStringLiteral("Please specify either 1 or 2 parameters only."));
    } else if (!classic && filled == 1) {
        DrawModelLine(texts);
    } else if (!classic && filled == 2) {
        SetForeColor(QBColor(kLocationColor));
        const Location location =
            LocateModelState(*model_, *FirstFilledPair(texts), texts, currentPoint_);
        Replay(location.plan);
        lastDrawLocated_ = location.located;
        lastLocatedState_ = location.located ? location.state : std::nullopt;
        if (location.beep) messages_.Beep();
        if (location.mousePointer != kMousePointerCross) {
            SetMousePointer(location.mousePointer);
            return;
        }
    } else if (filled == 1) {
        if (IsFilled(texts[kT])) {
            Replay(Isotherm(BoxValue(texts[kT]), texts[kT]));
        } else if (IsFilled(texts[kS])) {
            Replay(Isentrope(BoxValue(texts[kS]), texts[kS]));
        } else if (IsFilled(texts[kP])) {
            Replay(Isobar(BoxValue(texts[kP]), texts[kP], currentPoint_));
        } else if (IsFilled(texts[kV])) {
            Replay(Isochore(BoxValue(texts[kV]), texts[kV]));
        } else {
            Replay(Isenthalp(BoxValue(texts[kH]), texts[kH]));
        }
    } else if (filled == 2) {
        SetForeColor(QBColor(kLocationColor));
        const BoxPair pair = *FirstFilledPair(texts);
        if (IsSolvedPair(pair)) {
            const Location location = LocateState(pair, texts, currentPoint_);
            Replay(location.plan);
            lastDrawLocated_ = location.located;
            if (location.beep) messages_.Beep();
            if (location.mousePointer != kMousePointerCross) {
                SetMousePointer(location.mousePointer);
                return;
            }
        } else {
            // With Locate crossings the program finds the crossing of the two
            // lines itself, rather than asking the user to read it.
            const bool locateCrossing = LocatesCrossings();
            if (!locateCrossing) messages_.MsgBox(ToQString(UnsolvedPairMessage(pair, texts)));
            const PairBoxes boxes = BoxesOf(pair);
            DrawTwoLines(boxes.first, ToQString(texts[size_t(boxes.first)]), boxes.second,
                         ToQString(texts[size_t(boxes.second)]));
            if (locateCrossing) {
                // After the two lines (whose presses of Draw emptied the boxes
                // and reset what this press located), the state where they
                // cross, from the texts as they were.
                const CrossingLocation crossing = LocateCrossings(pair, texts, currentPoint_);
                Replay(crossing.plan);
                lastDrawLocated_ = crossing.located;
                if (!crossing.located) panel_->SetCaption(ToQString(NoCrossingPanelText()));
            }
        }
    }
    SetMousePointer(kMousePointerCross);
}

void ChartWindow::DrawModelLine(const BoxTexts& texts) {
    const PropertyModel& model = *model_;
    if (IsFilled(texts[kT])) {
        Replay(ModelIsotherm(model, BoxValue(texts[kT]), texts[kT]));
    } else if (IsFilled(texts[kS])) {
        Replay(ModelIsentrope(model, BoxValue(texts[kS]), texts[kS]));
    } else if (IsFilled(texts[kP])) {
        Replay(ModelIsobar(model, BoxValue(texts[kP]), texts[kP], currentPoint_));
    } else if (IsFilled(texts[kV])) {
        Replay(ModelIsochore(model, BoxValue(texts[kV]), texts[kV]));
    } else {
        Replay(ModelIsenthalp(model, BoxValue(texts[kH]), texts[kH]));
    }
}

void ChartWindow::DrawTwoLines(int i1, const QString& value1, int i2, const QString& value2) {
    OnClearBoxesClicked();
    InputBox(i1).setText(value1);
    drawButton_->click();
    OnClearBoxesClicked();
    InputBox(i2).setText(value2);
    drawButton_->click();
    OnClearBoxesClicked();
}

void ChartWindow::DrawReferenceIsobars() {
    InputBox(kP).setText(QStringLiteral(" 22"));
    drawButton_->click();
    InputBox(kP).setText(QStringLiteral(" .00062"));
    drawButton_->click();
    InputBox(kP).setText(QString());
}

}  // namespace calorix
