// The chart file: what is written reads back to the same steps, every kind
// of bad file is refused with its first problem and leaves the chart as it
// was, and File > Save chart... and Open chart... through the frame window.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/chart_file.h"
#include "app/chart_files.h"
#include "app/start_up.h"
#include "cycles/cycle_results.h"
#include "cycles/cycle_windows.h"
#include "cycles/rankine_dialog.h"
#include "journal/journal.h"
#include "testing/full_disk.h"
#include "testing/test_frame.h"

namespace calorix {
namespace {

using journal::Step;

std::vector<Step> EveryKindOfStep() {
    return {
        Step{journal::LocateCommand{{"25c", "", "", "", ""}, true, true, false}},
        Step{journal::LocateCommand{{"", "1", "", "2800", ""}, false, true, true}},
        Step{journal::LocateCommand{{"", "", "\xc3\xa9 \"q\"", "", " 7 "}, true, false, false}},
        Step{journal::ClickCommand{7.4899328859060406, 502.1140816326531, true}},
        Step{journal::ClickCommand{0.1 + 0.2, 1e-300, false}},
        Step{journal::SeriesCommand{kV, "0.005", "200", "10", "19", journal::SeriesMode::kCount,
                                    true, true}},
        Step{journal::SeriesCommand{kS, "1", "9", "2", "", journal::SeriesMode::kIncrement, false,
                                    false}},
        Step{journal::ClearCommand{false}},
        Step{journal::ModelCommand{"if97"}},
        Step{journal::ModelCommand{"classic"}},
        Step{journal::CycleCommand{
            {"15", "600c", "10k", "4", "873.15", "4, 0.5", ".9", "0.8", "250"}}},
        Step{journal::CycleCommand{{" 8 ", "", "8K", "", "", "", "", "", ""}}},
    };
}

TEST(ChartFileTest, WrittenStepsReadBackTheSameToTheLastBit) {
    const QByteArray text = ChartFileText(EveryKindOfStep());
    EXPECT_TRUE(text.contains("\"format\": \"calorix-chart\""));
    EXPECT_TRUE(text.contains("\"version\": 1"));
    const ChartFileContents read = ParseChartFile(text);
    ASSERT_TRUE(read.Sound()) << read.problem.toStdString();
    EXPECT_EQ(read.steps, EveryKindOfStep());
    EXPECT_TRUE(ParseChartFile(ChartFileText({})).Sound());
    // The model the steps start under reads back too; classic when absent.
    EXPECT_EQ(read.model, "classic");
    EXPECT_EQ(ParseChartFile(ChartFileText(EveryKindOfStep(), "if97")).model, "if97");
    EXPECT_EQ(ParseChartFile(R"({"format": "calorix-chart", "version": 1, "steps": []})").model,
              "classic");
}

TEST(ChartFileTest, AHandWrittenFileMayLeaveOutTheOptionalFields) {
    const ChartFileContents read = ParseChartFile(R"({"format": "calorix-chart", "version": 1,
        "steps": [{"command": "locate", "boxes": ["", "1", "", "", ""]},
                  {"command": "click", "s": 7, "T": 500},
                  {"command": "series", "property": 1, "from": "1", "to": "5", "count": "4"},
                  {"command": "clear"}]})");
    ASSERT_TRUE(read.Sound()) << read.problem.toStdString();
    EXPECT_EQ(
        read.steps,
        (std::vector<Step>{Step{journal::LocateCommand{{"", "1", "", "", ""}, true, true, false}},
                           Step{journal::ClickCommand{7, 500, true}},
                           Step{journal::SeriesCommand{kP, "1", "5", "", "4",
                                                       journal::SeriesMode::kCount, true, true}},
                           Step{journal::ClearCommand{true}}}));
}

QByteArray WithSteps(const QByteArray& steps) {
    return R"({"format": "calorix-chart", "version": 1, "steps": [)" + steps + "]}";
}

TEST(ChartFileTest, ABadFileIsRefusedWithItsFirstProblem) {
    const QByteArray locate = R"({"command": "locate", "boxes": ["1", "", "", "", ""]},)";
    const struct {
        QByteArray text;
        const char* problem;
    } cases[] = {
        {"{\n\"format\": \"calorix-chart\",\n  oops", "not JSON at line 3"},
        {"", "not JSON at line 1"},
        {"[1, 2]", "not a Calorix chart"},
        {R"({"format": "calorix", "version": 1, "steps": []})", "not a Calorix chart"},
        {R"({"version": 1, "steps": []})", "not a Calorix chart"},
        {R"({"format": "calorix-chart", "version": 2, "steps": []})",
         "version 2 is newer than this program"},
        {R"({"format": "calorix-chart", "version": "1", "steps": []})",
         "no version this program knows"},
        {R"({"format": "calorix-chart", "version": 1.5, "steps": []})",
         "no version this program knows"},
        {R"({"format": "calorix-chart", "version": 1})", "\"steps\" must be a list"},
        {WithSteps(locate.repeated(11) + R"({"command": "erase"})"),
         "step 12: unknown command \"erase\""},
        {WithSteps(locate + locate + R"({"command": "locate", "boxes": ["1", "", "", ""]})"),
         "step 3: \"boxes\" must hold five texts"},
        {WithSteps(R"({"command": "locate", "boxes": ["1", "", 2, "", ""]})"),
         "step 1: \"boxes\" must hold five texts"},
        {WithSteps(R"({"command": "locate"})"), "step 1: \"boxes\" must hold five texts"},
        {WithSteps(R"({"command": "locate", "boxes": ["", "", "", "", ""], "showLabels": 1})"),
         "step 1: \"showLabels\" must be true or false"},
        {WithSteps(R"({"command": "click", "s": "7", "T": 500})"),
         "step 1: \"s\" must be a number"},
        {WithSteps(R"({"command": "click", "s": 7})"), "step 1: \"T\" must be a number"},
        {WithSteps(R"({"command": "series", "property": 5, "from": "1", "to": "2"})"),
         "step 1: \"property\" must be 0, 1, 2, 3 or 4"},
        {WithSteps(R"({"command": "series", "property": 1.5})"),
         "step 1: \"property\" must be 0, 1, 2, 3 or 4"},
        {WithSteps(R"({"command": "series", "property": 1, "from": 1})"),
         "step 1: \"from\" must be a text"},
        {WithSteps(R"({"command": "series", "property": 1, "mode": "step"})"),
         "step 1: \"mode\" must be \"increment\" or \"count\""},
        {WithSteps(R"({"command": 3})"), "step 1: \"command\" must be a text"},
        {WithSteps(R"({"command": "model", "model": "IF97"})"),
         "step 1: \"model\" must be \"classic\" or \"if97\""},
        {WithSteps(R"({"command": "model"})"), "step 1: \"model\" must be \"classic\" or \"if97\""},
        {R"({"format": "calorix-chart", "version": 1, "model": 97, "steps": []})",
         "\"model\" must be \"classic\" or \"if97\""},
        {WithSteps(R"("clear")"), "step 1 is not an object"},
        {WithSteps(R"({"command": "cycle", "condenserPressure": "10k"})"),
         "step 1: \"boilerPressure\" must be a text"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8"})"),
         "step 1: \"condenserPressure\" must be a text"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": 8, "condenserPressure": "10k"})"),
         "step 1: \"boilerPressure\" must be a text"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": "10k",
                       "heaterPressures": ["4", "0.5"]})"),
         "step 1: \"heaterPressures\" must be a text"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": "10k",
                       "netPower": null})"),
         "step 1: \"netPower\" must be a text"},
        {WithSteps(
             R"({"command": "cycle", "boilerPressure": "eight", "condenserPressure": "10k"})"),
         "step 1: \"boilerPressure\" \"eight\" is not a number"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": ""})"),
         "step 1: \"condenserPressure\" the box is empty; a cycle needs a condenser pressure"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": "10k",
                       "heaterPressures": "1, x"})"),
         "step 1: \"heaterPressures\" \"x\" is not a number"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": "10k",
                       "reheatPressure": "2"})"),
         "step 1: \"reheatTemperature\" the box is empty; a reheat pressure needs its "
         "temperature"},
        {WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": "10k",
                       "turbineEfficiency": "90%"})"),
         "step 1: \"turbineEfficiency\" \"90%\" is not a number"},
        {WithSteps("{\"command\": \"cycle\", \"boilerPressure\": \"8\", "
                   "\"condenserPressure\": \"" +
                   QByteArray(32768, '1') + "\"}"),
         "step 1: \"condenserPressure\" is longer than 32767 characters"},
        {WithSteps("{\"command\": \"locate\", \"boxes\": [\"" + QByteArray(32768, '1') +
                   "\", \"\", \"\", \"\", \"\"]}"),
         "step 1: a box text is longer than 32767 characters"},
    };
    for (const auto& c : cases) {
        const ChartFileContents read = ParseChartFile(c.text);
        EXPECT_TRUE(read.problem.startsWith(QString::fromUtf8(c.problem)))
            << c.problem << " / " << read.problem.toStdString();
        EXPECT_TRUE(read.steps.empty());
    }
}

TEST(ChartFileTest, ACycleStepKeepsTheTextsOfItsBoxes) {
    const QByteArray text = ChartFileText({Step{
        journal::CycleCommand{{"15", "600c", "10k", "4", "873.15", "4, 0.5", ".9", "", ""}}}});
    const QJsonObject step =
        QJsonDocument::fromJson(text).object().value("steps").toArray().at(0).toObject();
    EXPECT_EQ(step, (QJsonObject{{"command", "cycle"},
                                 {"boilerPressure", "15"},
                                 {"turbineInletTemperature", "600c"},
                                 {"condenserPressure", "10k"},
                                 {"reheatPressure", "4"},
                                 {"reheatTemperature", "873.15"},
                                 {"heaterPressures", "4, 0.5"},
                                 {"turbineEfficiency", ".9"},
                                 {"pumpEfficiency", ""},
                                 {"netPower", ""}}));
    // Only the boiler and condenser pressures must be given.
    const ChartFileContents read = ParseChartFile(
        WithSteps(R"({"command": "cycle", "boilerPressure": "8", "condenserPressure": "8k"})"));
    ASSERT_TRUE(read.Sound()) << read.problem.toStdString();
    const std::vector<Step> expected = {
        Step{journal::CycleCommand{{"8", "", "8k", "", "", "", "", "", ""}}}};
    EXPECT_EQ(read.steps, expected);
}

TEST(ChartFileTest, AJournalOfMoreThanAMillionStepsIsRefused) {
    QByteArray steps = "{}";
    steps.reserve(3'000'010);
    for (std::size_t i = 1; i <= kMaxChartFileSteps; ++i)
        steps += ",0";
    const ChartFileContents read = ParseChartFile(WithSteps(steps));
    EXPECT_EQ(read.problem, "1000001 steps, more than the 1000000 a chart may hold");
}

class ChartFilesTest : public test::FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        frame_->Files().SetAskPath([this](bool save, const QString& proposed) {
            asked_.push_back({save, proposed});
            return answer_;
        });
    }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void WriteFile(const QString& path, const QByteArray& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QAction& Item(const char* name) {
        return *Chart().findChild<QAction*>(QString::fromLatin1(name));
    }
    void Work() {
        Type(kP, "1");
        PressEnter(kP);
        Type(kT, "500");
        PressEnter(kT);
        messages_.QueueAnswer(MessageBoxes::kYes);
        Chart().ClearButton().click();
        Type(kS, "7");
        Type(kH, "3000");
        PressEnter(kS);
    }

    QTemporaryDir dir_;
    QString answer_;
    std::vector<std::pair<bool, QString>> asked_;
};

TEST_F(ChartFilesTest, SaveAndOpenThroughTheFileMenuGiveTheSameChart) {
    ASSERT_EQ(Chart().findChild<QMenu*>("mnuChartFile")->title(), "&File");
    EXPECT_EQ(Item("mnuOpenChart").shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(Item("mnuSaveChart").shortcut(), QKeySequence("Ctrl+S"));
    Work();
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const QString panel = Chart().Panel().Caption();

    answer_ = Path("work.calorix");
    Item("mnuSaveChart").trigger();
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_TRUE(asked_[0].first);
    EXPECT_EQ(frame_->Files().LastPath(), answer_);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"work.calorix"})
        << "no temporary file is left behind";
    const ChartFileContents saved = ReadChartFile(answer_);
    ASSERT_TRUE(saved.Sound());
    EXPECT_EQ(saved.steps.size(), 4u) << "isobar, isotherm, Clear and a state";

    messages_.QueueAnswer(MessageBoxes::kYes);
    Chart().ClearButton().click();
    Item("mnuOpenChart").trigger();
    ASSERT_EQ(asked_.size(), 2u);
    EXPECT_FALSE(asked_[1].first);
    EXPECT_TRUE(Chart().DisplayList() == drawn);
    EXPECT_EQ(Chart().Panel().Caption(), panel);
    EXPECT_EQ(Item("mnuUndo").text(), "&Undo open of work.calorix");

    // Save proposes the file last opened or saved, and writes over it.
    answer_ = Path("work.calorix");
    Type(kT, "600");
    PressEnter(kT);
    Item("mnuSaveChart").trigger();
    EXPECT_EQ(asked_.back().second, Path("work.calorix"));
    EXPECT_EQ(ReadChartFile(answer_).steps.size(), 5u) << "the opened steps and one more";

    // Cancelling the dialog does nothing.
    answer_.clear();
    const size_t steps = Chart().Journal().DoneCount();
    Item("mnuOpenChart").trigger();
    EXPECT_EQ(Chart().Journal().DoneCount(), steps);
}

// A chart drawn under IAPWS-IF97 is saved with its model, and opens under
// it in a program whose option says the chart's correlations; Undo of the
// Open gives back the correlations' chart.
TEST_F(ChartFilesTest, AFileSavedUnderIf97OpensUnderIf97) {
    Type(kP, "1");
    PressEnter(kP);
    Item("mnuModelIF97").trigger();
    Work();
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const QString panel = Chart().Panel().Caption();
    answer_ = Path("if97.calorix");
    Item("mnuSaveChart").trigger();
    const ChartFileContents saved = ReadChartFile(answer_);
    ASSERT_TRUE(saved.Sound());
    EXPECT_EQ(saved.model, "classic") << "the steps start under the correlations";
    ASSERT_EQ(saved.steps.size(), 6u) << "isobar, the choice, then the work";
    EXPECT_EQ(saved.steps[1], journal::Step{journal::ModelCommand{"if97"}});

    // Another program, whose option says the chart's correlations.
    QSettings(QStringLiteral("Calorix"), QStringLiteral("Calorix"))
        .setValue(QStringLiteral("Options/PropertyModel"), QStringLiteral("classic"));
    {
        ScriptedMessageBoxes otherMessages;
        FrameWindow other(otherMessages);
        other.show();
        QApplication::processEvents();
        test::SetClientArea(other, 11175, 5880);
        other.OpenChartWindow();
        ChartWindow& chart = *other.Chart();
        ASSERT_EQ(chart.Model().Kind(), ModelKind::kClassic);
        const std::vector<Primitive> before = chart.DisplayList();
        ASSERT_TRUE(other.Files().Open(chart, answer_));
        EXPECT_EQ(chart.Model().Kind(), ModelKind::kIf97);
        EXPECT_TRUE(chart.DisplayList() == drawn);
        EXPECT_EQ(chart.Panel().Caption(), panel);
        chart.Undo();
        EXPECT_EQ(chart.Model().Kind(), ModelKind::kClassic);
        EXPECT_TRUE(chart.DisplayList() == before);
    }
    frame_->activateWindow();
    QApplication::processEvents();

    // After an Open the steps saved are the file's and those after it.
    ASSERT_TRUE(frame_->Files().Open(Chart(), answer_));
    Type(kT, "600");
    PressEnter(kT);
    answer_ = Path("again.calorix");
    Item("mnuSaveChart").trigger();
    EXPECT_EQ(ReadChartFile(answer_).model, "classic");
    EXPECT_EQ(ReadChartFile(answer_).steps.size(), 7u);
}

TEST_F(ChartFilesTest, ABadFileNamesItselfAndLeavesTheChartUntouched) {
    Work();
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const size_t steps = Chart().Journal().DoneCount();
    const size_t shown = messages_.Calls().size();

    const QString bad = Path("bad.calorix");
    WriteFile(bad, WithSteps(R"({"command": "clear"}, {"command": "erase"})"));
    EXPECT_FALSE(frame_->OpenChartFile(bad));
    ASSERT_EQ(messages_.Calls().size(), shown + 1);
    EXPECT_EQ(messages_.Calls().back().prompt,
              "The chart " + bad + " cannot be opened:\rstep 2: unknown command \"erase\".");

    const QString huge = Path("huge.calorix");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(kMaxChartFileBytes + 1));
    }
    EXPECT_FALSE(frame_->OpenChartFile(huge));
    EXPECT_TRUE(messages_.Calls().back().prompt.endsWith("larger than 64 MiB."));
    EXPECT_FALSE(frame_->OpenChartFile(Path("missing.calorix")));
    EXPECT_TRUE(messages_.Calls().back().prompt.endsWith("no such file."));
    EXPECT_FALSE(frame_->OpenChartFile(dir_.path()));
    EXPECT_TRUE(messages_.Calls().back().prompt.endsWith("not a regular file."));

    EXPECT_TRUE(Chart().DisplayList() == drawn);
    EXPECT_EQ(Chart().Journal().DoneCount(), steps);
    EXPECT_EQ(frame_->Files().LastPath(), "");
}

TEST_F(ChartFilesTest, AFailedSaveSaysSoAndLeavesTheOldFileAsItWas) {
    Work();
    const QString missing = Path("missing/work.calorix");
    EXPECT_FALSE(frame_->Files().Save(Chart(), missing));
    ASSERT_FALSE(messages_.Calls().empty());
    EXPECT_TRUE(messages_.Calls().back().prompt.startsWith("The chart could not be saved to " +
                                                           missing + ":\r"));
    EXPECT_EQ(frame_->Files().LastPath(), "");

    // A save over yesterday's chart that runs out of disk.
    const QString path = Path("work.calorix");
    ASSERT_TRUE(frame_->Files().Save(Chart(), path));
    const QByteArray old = ReadFile(path);
    Type(kT, "600");
    PressEnter(kT);
    const size_t shown = messages_.Calls().size();
    answer_ = path;
    {
        const test::FullDisk full;
        Item("mnuSaveChart").trigger();
    }
    ASSERT_EQ(messages_.Calls().size(), shown + 1);
    EXPECT_TRUE(messages_.Calls().back().prompt.startsWith("The chart could not be saved to " +
                                                           path + ":\r"));
    EXPECT_TRUE(messages_.Calls().back().prompt.endsWith("Any file of that name is as it was."));
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"work.calorix"})
        << "no temporary file is left behind";

    // Once there is room again the same save goes through.
    Item("mnuSaveChart").trigger();
    EXPECT_EQ(messages_.Calls().size(), shown + 1);
    EXPECT_EQ(ReadChartFile(path).steps.size(), Chart().Journal().DoneCount());
}

TEST_F(ChartFilesTest, ACycleSavedAndOpenedDrawsTheSameChart) {
    // Drawn through the Rankine cycle dialog, under IAPWS-IF97.
    Item("mnuModelIF97").trigger();
    Type(kP, "1");
    PressEnter(kP);
    Item("mnuRankine").trigger();
    RankineDialog* dialog = frame_->Cycles().Dialog();
    ASSERT_NE(dialog, nullptr);
    const RankineTexts texts{"15", "600c", "10k", "4", "873.15", "4, 0.5", "0.9", "0.8", "250"};
    for (const CycleInput input :
         {CycleInput::kBoilerPressure, CycleInput::kTurbineInletTemperature,
          CycleInput::kCondenserPressure, CycleInput::kReheatPressure,
          CycleInput::kReheatTemperature, CycleInput::kHeaterPressure,
          CycleInput::kTurbineEfficiency, CycleInput::kPumpEfficiency, CycleInput::kNetPower}) {
        QTest::keyClicks(&dialog->Box(input), QString::fromStdString(TextOf(texts, input)));
    }
    dialog->OkButton().click();
    ASSERT_NE(frame_->Cycles().Results(), nullptr) << "OK opens the results";
    EXPECT_TRUE(frame_->Cycles().Results()->isVisible());
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const std::string results = CycleReportTabText(frame_->Cycles().Results()->Report());

    answer_ = Path("cycle.calorix");
    Item("mnuSaveChart").trigger();
    const ChartFileContents saved = ReadChartFile(answer_);
    ASSERT_TRUE(saved.Sound());
    ASSERT_EQ(saved.steps.size(), 3u) << "the switch, the isobar and the cycle";
    EXPECT_EQ(saved.steps[2], (Step{journal::CycleCommand{texts}}));

    messages_.QueueAnswer(MessageBoxes::kYes);
    Chart().ClearButton().click();
    Item("mnuModelClassic").trigger();
    const size_t shown = messages_.Calls().size();
    Item("mnuOpenChart").trigger();
    EXPECT_EQ(messages_.Calls().size(), shown) << "every step drawn without a word";
    EXPECT_EQ(Chart().DisplayList().size(), drawn.size());
    EXPECT_TRUE(Chart().DisplayList() == drawn) << "entry for entry";
    EXPECT_EQ(CycleReportTabText(frame_->Cycles().Results()->Report()), results);
}

TEST_F(ChartFilesTest, CancellingALongOpenLeavesTheChartAsItWas) {
    Work();
    const std::vector<Primitive> drawn = Chart().DisplayList();
    const QString panel = Chart().Panel().Caption();
    const size_t steps = Chart().Journal().DoneCount();
    const size_t shown = messages_.Calls().size();
    const QString path = Path("long.calorix");
    const QByteArray click = R"({"command": "click", "s": 7, "T": 500})";
    WriteFile(path, WithSteps((click + ",").repeated(2999) + click));

    // The user presses Cancel as soon as the progress shows.
    frame_->Files().SetProgressDelay(0);
    bool pressed = false;
    QTimer::singleShot(0, frame_.get(), [&] {
        auto* progress = frame_->findChild<QProgressDialog*>();
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        EXPECT_EQ(progress->labelText(), "Opening long.calorix...");
        EXPECT_EQ(progress->maximum(), 3000);
        EXPECT_LT(progress->value(), 3000);
        auto* cancel = progress->findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), "Cancel");
        QTest::mouseClick(cancel, Qt::LeftButton);
        pressed = true;
    });
    EXPECT_FALSE(frame_->OpenChartFile(path));
    EXPECT_TRUE(pressed) << "the progress was never shown";
    EXPECT_EQ(frame_->findChild<QProgressDialog*>(), nullptr);

    EXPECT_TRUE(Chart().DisplayList() == drawn);
    EXPECT_EQ(Chart().Panel().Caption(), panel);
    EXPECT_EQ(Chart().Journal().DoneCount(), steps);
    EXPECT_EQ(messages_.Calls().size(), shown);
    EXPECT_EQ(frame_->Files().LastPath(), "");
}

TEST_F(ChartFilesTest, TheCommandLineFileOpensOntoTheChart) {
    const QString path = Path("line.calorix");
    WriteFile(path, WithSteps(R"({"command": "locate", "boxes": ["", "2", "", "", ""]},
                                 {"command": "locate", "boxes": ["2000", "", "", "", ""]})"));
    const size_t shown = messages_.Calls().size();

    // The program starts a frame of its own and opens the file once the
    // chart is up.
    FrameWindow started(messages_);
    StartFrame(started, {"calorix", path});
    ASSERT_NE(started.Chart(), nullptr);
    EXPECT_TRUE(started.isVisible());
    EXPECT_TRUE(started.SteamItem().isEnabled());
    EXPECT_EQ(started.Chart()->Journal().DoneCount(), 0u);
    QApplication::processEvents();
    EXPECT_EQ(started.Chart()->Journal().DoneCount(), 1u);
    EXPECT_EQ(started.Files().LastPath(), path);
    ASSERT_EQ(messages_.Calls().size(), shown + 1) << "the messages of the steps, once";
    EXPECT_TRUE(messages_.Calls().back().prompt.startsWith("Opening line.calorix:\r\rStep 2: "));

    // Without a file the chart opens empty.
    FrameWindow plain(messages_);
    StartFrame(plain, {"calorix"});
    QApplication::processEvents();
    ASSERT_NE(plain.Chart(), nullptr);
    EXPECT_EQ(plain.Chart()->Journal().DoneCount(), 0u);
    EXPECT_EQ(messages_.Calls().size(), shown + 1);
}

}  // namespace
}  // namespace calorix
