// The line-series dialog over a real frame and chart window.
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <limits>
#include <optional>

#include "series/series_dialog.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

using test::ChartTest;

// ---------------------------------------------------------------------------
// The dialog, opened as Plot... opens it.

// A range and a step or number of points as a user fills them in.
struct SeriesInput {
    const char* what;
    bool byIncrement;
    const char* from;
    const char* to;
    const char* stepOrCount;
};

class SeriesDialogTest : public ChartTest {
  protected:
    void SetUp() override {
        ChartTest::SetUp();
        if (HasFatalFailure()) return;
        SeriesDialog::Open(dialog_, *area_, Chart(), messages_, seriesProperty_);
        ASSERT_TRUE(dialog_);
        QApplication::processEvents();
    }
    void TearDown() override {
        delete dialog_.data();
        ChartTest::TearDown();
    }

    SeriesDialog& Dialog() { return *dialog_; }
    template <class T>
    T& Control(const char* name) {
        T* control = Dialog().findChild<T*>(QString::fromLatin1(name));
        if (!control) ADD_FAILURE() << "no control " << name;
        return *control;
    }
    QRadioButton& Option(const char* name) { return Control<QRadioButton>(name); }
    QLineEdit& Text(int i) {
        return Control<QLineEdit>(QStringLiteral("Text1(%1)").arg(i).toLatin1());
    }
    QPushButton& Button(const char* name) { return Control<QPushButton>(name); }

    void SetText(int i, const QString& text) {
        Text(i).setFocus();
        Text(i).clear();
        QTest::keyClicks(&Text(i), text);
    }

    // The labels printed from display-list index `from` on, each text once,
    // in the order first printed (an isenthalp labels each of its parts).
    QStringList LabelsFrom(size_t from, const QString& prefix) {
        QStringList labels;
        for (const TextPrimitive& text : Drawn<TextPrimitive>(from)) {
            if (text.text.startsWith(prefix) && !labels.contains(text.text)) labels << text.text;
        }
        return labels;
    }
    QStringList BoxTexts() {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << Box(i).text();
        return texts;
    }
    // Runs OK and returns the display-list index where the series starts.
    void Enter(const SeriesInput& input) {
        Option(input.byIncrement ? "Option2(0)" : "Option2(1)").click();
        SetText(0, QString::fromLatin1(input.from));
        SetText(1, QString::fromLatin1(input.to));
        SetText(input.byIncrement ? 2 : 3, QString::fromLatin1(input.stepOrCount));
    }

    size_t PressOk() {
        const size_t before = Chart().DisplayList().size();
        Button("Command2").click();
        return before;
    }
    void ProcessDeletes() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    std::optional<int> seriesProperty_;
    QPointer<SeriesDialog> dialog_;
};

QString PropertyName(int i) {
    return QStringLiteral("Option1(%1)").arg(i);
}

// ---------------------------------------------------------------------------
// Controls and Load.

TEST_F(SeriesDialogTest, EveryControlCarriesItsNameCaptionAndPlace) {
    EXPECT_EQ(Dialog().objectName(), "Form3");
    EXPECT_EQ(Dialog().windowTitle(), "Plot constant property lines");

    struct Row {
        const char* name;
        const char* container;
        const char* caption;
        ControlPlace place;
    };
    const Row rows[] = {
        {"Frame1", "Form3", "Property", {150, 180, 3045, 2265}},
        {"Option1(0)", "Frame1", "Temperature [273.16 to 1273.16 K]", {195, 330, 2800, 255}},
        {"Option1(1)", "Frame1", "Pressure [0.00062 to 22]", {195, 690, 2270, 255}},
        {"Option1(2)", "Frame1", "Specific volume [0.005 to 200]", {195, 1050, 2565, 255}},
        {"Option1(3)", "Frame1", "Specific enthalpy [200 to 4600]", {195, 1410, 2595, 255}},
        {"Option1(4)", "Frame1", "Specific entropy [0 to 12]", {195, 1800, 2270, 255}},
        {"Frame2", "Form3", "Plot range", {3240, 180, 2925, 2265}},
        {"Label1(0)", "Frame2", "From", {1200, 480, 345, 195}},
        {"Text1(0)", "Frame2", nullptr, {1770, 360, 975, 345}},
        {"Label1(1)", "Frame2", "To", {1200, 960, 195, 195}},
        {"Text1(1)", "Frame2", nullptr, {1770, 840, 975, 345}},
        {"Option2(0)", "Frame2", "Increment", {150, 1410, 1485, 315}},
        {"Text1(2)", "Frame2", nullptr, {1770, 1320, 975, 345}},
        {"Option2(1)", "Frame2", "Number of points", {150, 1830, 1515, 285}},
        {"Text1(3)", "Frame2", nullptr, {1770, 1800, 975, 345}},
        {"Command1(0)", "Form3", "Close", {720, 2700, 1215, 400}},
        {"Command1(1)", "Form3", "Clear", {2490, 2700, 1215, 400}},
        {"Command2", "Form3", "OK", {4230, 2700, 1185, 400}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* control = Dialog().findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(row.container));
        const ControlPlace place = PlaceOf(*control);
        EXPECT_EQ(place.left, row.place.left);
        EXPECT_EQ(place.top, row.place.top);
        EXPECT_EQ(place.width, row.place.width);
        EXPECT_EQ(place.height, row.place.height);
        if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
            EXPECT_EQ(frame->title(), row.caption);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            EXPECT_EQ(button->text(), row.caption);
        } else if (const auto* label = qobject_cast<const CaptionLabel*>(control)) {
            EXPECT_EQ(label->Caption(), row.caption);
        } else {
            EXPECT_NE(qobject_cast<const QLineEdit*>(control), nullptr);
        }
        // The controls lie inside the dialog's client area.
        const QRect inDialog(control->mapTo(&Dialog(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(Dialog().rect().contains(inDialog));
    }
    EXPECT_TRUE(Button("Command2").isDefault());
    EXPECT_FALSE(Button("Command1(0)").isDefault());
    EXPECT_FALSE(Button("Command1(1)").isDefault());
}

// The property options name the ranges of the model the chart is drawn on,
// and follow a change of model while the dialog is open.
TEST_F(SeriesDialogTest, TheCaptionsNameTheRangesOfTheChartsModel) {
    Chart().findChild<QAction*>("mnuModelIF97")->trigger();
    EXPECT_EQ(Option("Option1(1)").text(), "Pressure [0.000001 to 100]");
    EXPECT_EQ(Option("Option1(2)").text(), "Specific volume [0.00095 to 100000]");
    EXPECT_EQ(Option("Option1(0)").text(), "Temperature [273.16 to 1273.16 K]");
    Chart().Undo();
    EXPECT_EQ(Option("Option1(1)").text(), "Pressure [0.00062 to 22]");
}

TEST_F(SeriesDialogTest, TheOptionButtonsFormTwoSeparateGroups) {
    Option("Option1(3)").click();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Option(PropertyName(i).toLatin1()).isChecked(), i == 3) << i;
    EXPECT_TRUE(Option("Option2(1)").isChecked());
    Option("Option2(0)").click();
    EXPECT_FALSE(Option("Option2(1)").isChecked());
    EXPECT_TRUE(Option("Option1(3)").isChecked());
}

// Left and Top of the dialog, in screen twips, against the frame window's
// middle raised by 500 twips, all measured outside the borders.
void ExpectAboveTheFramesMiddle(const SeriesDialog& dialog, const QWidget& frame) {
    const double perPixel = TwipsPerPixel(frame);
    const auto twips = [perPixel](int pixels) { return PixelsToTwips(pixels, perPixel); };
    const QRect outer = frame.frameGeometry();
    const double left = dialog.LoadedLeft();
    const double top = dialog.LoadedTop();
    const double width = twips(dialog.frameGeometry().width());
    const double height = twips(dialog.frameGeometry().height());
    EXPECT_DOUBLE_EQ(left + width / 2, twips(outer.x()) + twips(outer.width()) / 2);
    EXPECT_DOUBLE_EQ(top + height / 2, twips(outer.y()) + twips(outer.height()) / 2 - 500);
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              QPoint(TwipsToPixels(left, perPixel), TwipsToPixels(top, perPixel)));
}

TEST_F(SeriesDialogTest, LoadShowsItModalOverTheFrame500TwipsAboveItsMiddle) {
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_TRUE(Dialog().isWindow());
    EXPECT_EQ(Dialog().parentWidget(), area_.get());
    EXPECT_EQ(Dialog().windowModality(), Qt::ApplicationModal);
    ExpectAboveTheFramesMiddle(Dialog(), *area_);

    // With the frame elsewhere on the screen, the next Load follows it.
    const double leftBefore = Dialog().LoadedLeft();
    const double topBefore = Dialog().LoadedTop();
    Button("Command1(0)").click();
    ProcessDeletes();
    ASSERT_TRUE(dialog_.isNull());
    const QPoint framePlace = area_->frameGeometry().topLeft() + QPoint(120, 90);
    area_->move(framePlace);
    QApplication::processEvents();
    ASSERT_EQ(area_->frameGeometry().topLeft(), framePlace);
    SeriesDialog::Open(dialog_, *area_, Chart(), messages_, seriesProperty_);
    ASSERT_FALSE(dialog_.isNull());
    ExpectAboveTheFramesMiddle(Dialog(), *area_);
    const double perPixel = TwipsPerPixel(*area_);
    EXPECT_DOUBLE_EQ(Dialog().LoadedLeft(), leftBefore + 120 * perPixel);
    EXPECT_DOUBLE_EQ(Dialog().LoadedTop(), topBefore + 90 * perPixel);
}

TEST_F(SeriesDialogTest, LoadSelectsTemperatureAndNumberOfPoints) {
    EXPECT_TRUE(Option("Option1(0)").isChecked());
    EXPECT_EQ(Text(0).text(), "274");
    EXPECT_EQ(Text(1).text(), "1273");
    EXPECT_EQ(Text(2).text(), "100");
    // The design text 25 is replaced by floor(|(1273 - 274) / 100|).
    EXPECT_EQ(Text(3).text(), "9");
    EXPECT_EQ(seriesProperty_, 0);
    EXPECT_TRUE(Option("Option2(1)").isChecked());
    EXPECT_FALSE(Option("Option2(0)").isChecked());
    EXPECT_FALSE(Text(2).isEnabled());
    EXPECT_TRUE(Text(3).isEnabled());
}

TEST_F(SeriesDialogTest, EachPropertyWritesItsDefaultsAndItsCount) {
    struct Row {
        int index;
        const char* from;
        const char* to;
        const char* increment;
        const char* count;
    };
    // Entropy first, so that every row changes what the one before wrote.
    const Row rows[] = {{4, "0", "12", "1", "12"},
                        {3, "200", "4600", "400", "11"},
                        {2, "0.005", "200", "10", "19"},
                        {1, "0.00062", "22", "1", "21"},
                        {0, "274", "1273", "100", "9"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.index);
        Text(3).setText(QStringLiteral("25"));
        Option(PropertyName(row.index).toLatin1()).click();
        EXPECT_EQ(Text(0).text(), row.from);
        EXPECT_EQ(Text(1).text(), row.to);
        EXPECT_EQ(Text(2).text(), row.increment);
        EXPECT_EQ(Text(3).text(), row.count);
        EXPECT_EQ(seriesProperty_, row.index);
    }
}

TEST_F(SeriesDialogTest, TheStepOptionEnablesItsOwnBox) {
    Option("Option2(0)").click();
    EXPECT_TRUE(Text(2).isEnabled());
    EXPECT_FALSE(Text(3).isEnabled());
    Option("Option2(1)").click();
    EXPECT_FALSE(Text(2).isEnabled());
    EXPECT_TRUE(Text(3).isEnabled());
}

// ---------------------------------------------------------------------------
// OK: the series.

TEST_F(SeriesDialogTest, TemperatureDefaultsDrawTenIsothermsInLightRed) {
    Type(kP, QStringLiteral("5"));  // every box is emptied before the series
    const size_t from = PressOk();
    const QStringList expected = {"T = 274 K",  "T = 385 K", "T = 496 K", "T = 607 K",
                                  "T = 718 K",  "T = 829 K", "T = 940 K", "T = 1051 K",
                                  "T = 1162 K", "T = 1273 K"};
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")), expected);
    for (const TextPrimitive& text : Drawn<TextPrimitive>(from))
        EXPECT_EQ(text.color, QBColor(12)) << text.text.toStdString();
    // Each isotherm is one line across the chart with two end markers.
    EXPECT_EQ(Drawn<CirclePrimitive>(from).size(), 20u);
    EXPECT_TRUE(messages_.Calls().empty());

    EXPECT_EQ(BoxTexts(), (QStringList{"1273", "", "", "", ""}));
    // Shown again: modeless and without an owner.
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Dialog().parentWidget(), nullptr);
    EXPECT_EQ(Dialog().windowModality(), Qt::NonModal);
    EXPECT_EQ(seriesProperty_, 0);
}

TEST_F(SeriesDialogTest, PressureDefaultsDrawTwentyOneIsobars) {
    Option("Option1(1)").click();
    const size_t from = PressOk();
    const QStringList labels = LabelsFrom(from, QStringLiteral("P = "));
    ASSERT_EQ(labels.size(), 21);
    EXPECT_EQ(labels.front(), "P = 0.00062 MPa");
    EXPECT_EQ(labels[1], "P = 1.04820952380952 MPa");
    EXPECT_TRUE(labels.back().startsWith("P = 20.95241")) << labels.back().toStdString();
    for (const TextPrimitive& text : Drawn<TextPrimitive>(from))
        EXPECT_EQ(text.color, QBColor(13));
    EXPECT_EQ(Box(kP).text(), labels.back().mid(4).chopped(4));
    EXPECT_EQ(Box(kT).text(), "");
}

TEST_F(SeriesDialogTest, VolumeDefaultsDrawNineteenIsochores) {
    Option("Option1(2)").click();
    const size_t from = PressOk();
    const QStringList labels = LabelsFrom(from, QStringLiteral("v = "));
    ASSERT_EQ(labels.size(), 19);
    EXPECT_EQ(labels.front(), "v = 0.005 m^3/kg");
    EXPECT_TRUE(labels.back().startsWith("v = 189.47")) << labels.back().toStdString();
    for (const TextPrimitive& text : Drawn<TextPrimitive>(from))
        EXPECT_EQ(text.color, QBColor(2));
    EXPECT_TRUE(messages_.Calls().empty());
}

TEST_F(SeriesDialogTest, EntropyDefaultsDrawThirteenIsentropes) {
    Option("Option1(4)").click();
    const size_t from = PressOk();
    QStringList expected;
    for (int s = 0; s <= 12; ++s)
        expected << QStringLiteral("s = %1 kJ/kg-K").arg(s);
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")), expected);
    EXPECT_EQ(BoxTexts(), (QStringList{"", "", "", "", "12"}));
}

TEST_F(SeriesDialogTest, EnthalpyByIncrementDrawsTwelveIsenthalps) {
    Option("Option1(3)").click();
    Option("Option2(0)").click();
    const size_t from = PressOk();
    QStringList expected;
    for (int h = 200; h <= 4600; h += 400)
        expected << QStringLiteral("h = %1 kJ/kg").arg(h);
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("h = ")), expected);
    for (const TextPrimitive& text : Drawn<TextPrimitive>(from))
        EXPECT_EQ(text.color, QBColor(3));
    EXPECT_EQ(BoxTexts(), (QStringList{"", "", "", "4600", ""}));
}

TEST_F(SeriesDialogTest, FromAboveToGivesADescendingSeries) {
    SetText(0, QStringLiteral("1273"));
    SetText(1, QStringLiteral("274"));
    SetText(3, QStringLiteral("3"));
    const size_t from = PressOk();
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")),
              (QStringList{"T = 1273 K", "T = 940 K", "T = 607 K", "T = 274 K"}));
    EXPECT_EQ(Box(kT).text(), "274");
}

TEST_F(SeriesDialogTest, BoxTextsAreReadByTheLeadingNumberRule) {
    SetText(0, QStringLiteral("  300 K"));
    SetText(1, QStringLiteral("500abc"));
    SetText(3, QStringLiteral("2x"));
    const size_t from = PressOk();
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")),
              (QStringList{"T = 300 K", "T = 400 K", "T = 500 K"}));
}

TEST_F(SeriesDialogTest, AValueOutOfRangeShowsDrawsMessageAndTheSeriesGoesOn) {
    SetText(0, QStringLiteral("200"));
    SetText(1, QStringLiteral("500"));
    Option("Option2(0)").click();
    std::vector<bool> visibleAtMessage;
    messages_.SetOnMsgBox([this, &visibleAtMessage](const MsgBoxCall&) {
        visibleAtMessage.push_back(Dialog().isVisible());
    });
    const size_t from = PressOk();
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_TRUE(messages_.Calls()[0].prompt.contains("Temperature (273.16 - 1273.16  K)"));
    // The dialog is hidden while the series runs.
    EXPECT_EQ(visibleAtMessage, std::vector<bool>{false});
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")),
              (QStringList{"T = 300 K", "T = 400 K", "T = 500 K"}));
    EXPECT_TRUE(Dialog().isVisible());
}

TEST_F(SeriesDialogTest, AStepLeadingAwayFromToDrawsNothingAndEmptiesTheBoxes) {
    Option("Option2(0)").click();
    SetText(2, QStringLiteral("-100"));
    Type(kT, QStringLiteral("500"));
    const size_t from = PressOk();
    EXPECT_EQ(Chart().DisplayList().size(), from);
    EXPECT_EQ(BoxTexts(), (QStringList{"", "", "", "", ""}));
    EXPECT_TRUE(Dialog().isVisible());
}

TEST_F(SeriesDialogTest, AZeroStepOrNoPointsDrawNothingAndShowTheDialogAgain) {
    const SeriesInput rows[] = {{"increment 0", true, "274", "1273", "0"},
                                {"increment without a number", true, "274", "1273", "abc"},
                                {"no points", false, "274", "1273", "0"},
                                {"From equal to To", false, "500", "500", "9"},
                                {"no points and From equal to To", false, "500", "500", "0"}};
    for (const SeriesInput& row : rows) {
        SCOPED_TRACE(row.what);
        Enter(row);
        const size_t from = PressOk();
        EXPECT_EQ(Chart().DisplayList().size(), from);
        EXPECT_TRUE(messages_.Calls().empty());
        EXPECT_EQ(BoxTexts(), (QStringList{"", "", "", "", ""}));
        EXPECT_TRUE(Dialog().isVisible());
    }
}

TEST_F(SeriesDialogTest, ASeriesTooLongToWaitForIsRefusedWithOneMessage) {
    const SeriesInput rows[] = {{"a huge count", false, "274", "1273", "1e9"},
                                {"a tiny increment", true, "274", "1273", "1e-12"},
                                {"1001 lines", true, "0", "1000", "1"},
                                {"a range beyond every double", true, "-1e308", "1e308", "1e300"}};
    for (const SeriesInput& row : rows) {
        SCOPED_TRACE(row.what);
        Enter(row);
        const size_t callsBefore = messages_.Calls().size();
        const size_t from = PressOk();
        EXPECT_EQ(Chart().DisplayList().size(), from);
        ASSERT_EQ(messages_.Calls().size(), callsBefore + 1);
        const MsgBoxCall& call = messages_.Calls().back();
        EXPECT_EQ(call.prompt,
                  "This series would draw more than 1000 lines.\r\r"
                  "Please choose a larger increment or fewer points.");
        EXPECT_EQ(call.buttons, MessageBoxes::kOkOnly);
        EXPECT_TRUE(call.title.isEmpty());
        EXPECT_TRUE(Dialog().isVisible());
    }
}

TEST_F(SeriesDialogTest, WithNoPropertyChosenTheSeriesDrawsNothing) {
    seriesProperty_.reset();
    const size_t from = PressOk();
    EXPECT_EQ(Chart().DisplayList().size(), from);
    EXPECT_TRUE(messages_.Calls().empty());
    EXPECT_TRUE(Dialog().isVisible());
    seriesProperty_ = 7;
    PressOk();
    EXPECT_EQ(Chart().DisplayList().size(), from);
}

TEST_F(SeriesDialogTest, EnterPressesOkFromABox) {
    Option("Option1(4)").click();
    SetText(3, QStringLiteral("2"));
    const size_t from = Chart().DisplayList().size();
    QTest::keyClick(&Text(1), Qt::Key_Return);
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")),
              (QStringList{"s = 0 kJ/kg-K", "s = 6 kJ/kg-K", "s = 12 kJ/kg-K"}));
    EXPECT_EQ(Dialog().parentWidget(), nullptr);
}

TEST_F(SeriesDialogTest, ASecondOkRunsFromTheModelessDialog) {
    PressOk();
    Option("Option1(4)").click();
    SetText(3, QStringLiteral("1"));
    const size_t from = PressOk();
    EXPECT_EQ(LabelsFrom(from, QStringLiteral("")),
              (QStringList{"s = 0 kJ/kg-K", "s = 12 kJ/kg-K"}));
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Dialog().windowModality(), Qt::NonModal);
}

// ---------------------------------------------------------------------------
// Clear, Close and the dialog's life.

TEST_F(SeriesDialogTest, ClearAsksAndNoLeavesTheChartAsItWas) {
    PressOk();
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const QStringList boxes = BoxTexts();
    messages_.QueueAnswer(MessageBoxes::kNo);
    Button("Command1(1)").click();
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_EQ(messages_.Calls()[0].prompt,
              "This will clear all lines and points constructed on the diagram.\r\r"
              "Do you want to continue?");
    EXPECT_EQ(messages_.Calls()[0].buttons, MessageBoxes::kYesNo);
    EXPECT_EQ(Chart().DisplayList(), drawn);
    EXPECT_EQ(BoxTexts(), boxes);
    EXPECT_TRUE(Dialog().isVisible());
}

TEST_F(SeriesDialogTest, ClearWithYesErasesTheSeriesAndTheDialogStays) {
    const size_t from = PressOk();
    ASSERT_EQ(LabelsFrom(from, QStringLiteral("T = ")).size(), 10);
    messages_.QueueAnswer(MessageBoxes::kYes);
    Button("Command1(1)").click();
    EXPECT_TRUE(LabelsFrom(0, QStringLiteral("T = ")).isEmpty());
    EXPECT_EQ(LabelsFrom(0, QStringLiteral("P = ")),
              (QStringList{"P =  22 MPa", "P =  .00062 MPa"}));
    EXPECT_EQ(BoxTexts(), (QStringList{"", "", "", "", ""}));
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(seriesProperty_, 0);
}

TEST_F(SeriesDialogTest, EscPressesClear) {
    messages_.QueueAnswer(MessageBoxes::kNo);
    QTest::keyClick(&Text(0), Qt::Key_Escape);
    ASSERT_EQ(messages_.Calls().size(), 1u);
    EXPECT_TRUE(messages_.Calls()[0].prompt.startsWith("This will clear"));
    EXPECT_TRUE(Dialog().isVisible());
}

TEST_F(SeriesDialogTest, CloseEmptiesTheChosenPropertyAndUnloadsTheDialog) {
    Option("Option1(2)").click();
    ASSERT_EQ(seriesProperty_, 2);
    Button("Command1(0)").click();
    EXPECT_EQ(seriesProperty_, std::nullopt);
    ProcessDeletes();
    EXPECT_TRUE(dialog_.isNull());

    // The next Plot... loads it afresh with the temperature defaults.
    SeriesDialog::Open(dialog_, *area_, Chart(), messages_, seriesProperty_);
    ASSERT_FALSE(dialog_.isNull());
    EXPECT_TRUE(Option("Option1(0)").isChecked());
    EXPECT_EQ(Text(3).text(), "9");
    EXPECT_EQ(seriesProperty_, 0);
    EXPECT_EQ(Dialog().windowModality(), Qt::ApplicationModal);
}

TEST_F(SeriesDialogTest, CloseAfterOkUnloadsTheOwnerlessDialogToo) {
    PressOk();
    Button("Command1(0)").click();
    EXPECT_EQ(seriesProperty_, std::nullopt);
    ProcessDeletes();
    EXPECT_TRUE(dialog_.isNull());
}

TEST_F(SeriesDialogTest, PlotWhileTheDialogIsOpenKeepsTheOneDialog) {
    SeriesDialog* first = dialog_;
    Option("Option1(4)").click();
    EXPECT_EQ(SeriesDialog::Open(dialog_, *area_, Chart(), messages_, seriesProperty_), first);
    PressOk();
    EXPECT_EQ(SeriesDialog::Open(dialog_, *area_, Chart(), messages_, seriesProperty_), first);
    EXPECT_EQ(dialog_, first);
    // Still as the user left it, and still modeless.
    EXPECT_TRUE(Option("Option1(4)").isChecked());
    EXPECT_EQ(Dialog().windowModality(), Qt::NonModal);
    EXPECT_EQ(area_->findChildren<SeriesDialog*>().size(), 0);
}

TEST_F(SeriesDialogTest, ClosingTheChartWindowClosesTheDialog) {
    PressOk();
    ASSERT_EQ(Dialog().parentWidget(), nullptr);
    Chart().findChild<QAction*>("mnuClose")->trigger();
    ProcessDeletes();
    EXPECT_EQ(area_->Chart(), nullptr);
    EXPECT_TRUE(dialog_.isNull());
}

// ---------------------------------------------------------------------------
// The chart's journal.

TEST_F(SeriesDialogTest, OneOkIsOneStepThatUndoTakesBackWhole) {
    Box(kT).setText("500");
    const size_t before = Chart().DisplayList().size();
    Option(PropertyName(kP).toLatin1()).click();
    Enter({"isobars", true, "2", "6", "2"});
    Chart().findChild<QAction*>("mnuShowMarkers")->trigger();
    PressOk();
    ASSERT_EQ(Chart().Journal().DoneCount(), 1u) << "three presses of Locate, one step";
    EXPECT_EQ(
        Chart().Journal().UndoStep(),
        (journal::Step{journal::SeriesCommand{kP, "2", "6", "2", Text(3).text().toStdString(),
                                              journal::SeriesMode::kIncrement, true, false}}));
    EXPECT_EQ(LabelsFrom(before, "P ="), (QStringList{"P = 2 MPa", "P = 4 MPa", "P = 6 MPa"}));

    QAction& undo = *Chart().findChild<QAction*>("mnuUndo");
    EXPECT_EQ(undo.text(), "&Undo series of 3 isobars");
    undo.trigger();
    EXPECT_EQ(Chart().DisplayList().size(), before);
    EXPECT_EQ(Box(kT).text(), "500");
}

TEST_F(SeriesDialogTest, TheOwnerTakesItsModalDialogWithIt) {
    area_.reset();
    ProcessDeletes();
    EXPECT_TRUE(dialog_.isNull());
}

}  // namespace
}  // namespace calorix
