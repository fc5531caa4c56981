// The chart's journal: every kind of user step is recorded once, replaying
// the steps on a fresh chart of the same size gives the same drawing, panel
// and boxes, and Undo and Redo put the chart back exactly.
#include <QAction>
#include <algorithm>
#include <random>

#include "journal/journal.h"
#include "surface/test_support.h"
#include "testing/chart_test.h"

namespace calorix {
namespace {

using journal::Step;

// What a chart shows that the steps decide.
struct ChartPicture {
    std::vector<Primitive> list;
    QString panel;
    std::array<QString, kPropertyCount> boxes;
    bool operator==(const ChartPicture&) const = default;
};

// The panel as the user sees it: its caption, each carriage return a line
// break, at a size that holds it or reaches as far as the side panel shows it
// (a replay shows only its last caption).
QString ShownPanel(const CaptionLabel& panel) {
    const QRect room = panel.parentWidget()->rect();
    EXPECT_GE(panel.geometry().right(),
              std::min(panel.x() + panel.sizeHint().width() - 1, room.right()))
        << panel.text().toStdString();
    EXPECT_GE(panel.geometry().bottom(),
              std::min(panel.y() + panel.sizeHint().height() - 1, room.bottom()))
        << panel.text().toStdString();
    return QString(panel.text()).replace(QLatin1Char('\n'), QLatin1Char('\r'));
}

ChartPicture PictureOf(ChartWindow& chart) {
    ChartPicture picture{chart.DisplayList(), ShownPanel(chart.Panel()), {}};
    EXPECT_EQ(picture.panel, chart.Panel().Caption());
    for (int i = 0; i < kPropertyCount; ++i)
        picture.boxes[size_t(i)] = chart.InputBox(i).text();
    return picture;
}

// A second chart area of the same size, opened afresh. It is not shown, so
// that the chart under test stays the active window that keys reach.
struct OtherChart {
    ScriptedMessageBoxes messages;
    std::unique_ptr<ChartArea> area;
    explicit OtherChart(QSize size) {
        area = std::make_unique<ChartArea>(messages);
        area->resize(size);
        area->OpenChartWindow();
    }
    ChartWindow& Chart() { return *area->Chart(); }
};

class ChartJournalTest : public test::ChartTest {
  protected:
    QAction& Item(const char* name) {
        return *Chart().findChild<QAction*>(QString::fromLatin1(name));
    }
    const journal::Journal& Steps() { return Chart().Journal(); }

    // Boxes typed as a user types them, then Enter.
    void Enter(std::initializer_list<std::pair<int, QString>> boxes) {
        for (const auto& [box, text] : boxes)
            Type(box, text);
        PressEnter(boxes.begin()->first);
    }
    // A real mouse click at the pixel of the state (s, T).
    void ClickAt(double s, double T) {
        const ChartPoint p = area_->Frame().Map(s, T);
        const double perPixel = TwipsPerPixel(Chart());
        QTest::mouseClick(&Chart(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(int(p.x / perPixel), int(p.y / perPixel)));
    }
    void ClearConfirmed() {
        messages_.QueueAnswer(MessageBoxes::kYes);
        Chart().ClearButton().click();
    }

    // Replays this chart's done steps onto a fresh chart of the same size and
    // expects the same picture.
    void ExpectReplayGivesTheSamePicture() {
        const ChartPicture picture = PictureOf(Chart());
        OtherChart other(area_->size());
        ASSERT_TRUE(other.Chart().OpenSteps("replay", journal::FlatSteps(Steps().DoneSteps())));
        const ChartPicture replayed = PictureOf(other.Chart());
        EXPECT_EQ(replayed.list.size(), picture.list.size());
        EXPECT_TRUE(replayed.list == picture.list);
        EXPECT_EQ(replayed.panel, picture.panel);
        for (int i = 0; i < kPropertyCount; ++i) {
            EXPECT_EQ(replayed.boxes[size_t(i)].toStdString(),
                      picture.boxes[size_t(i)].toStdString())
                << "box " << i;
        }
    }
};

TEST_F(ChartJournalTest, EachKindOfUserCommandIsOneStepWithWhatItRead) {
    EXPECT_EQ(Steps().DoneCount(), 0u) << "the opening is no step";

    Enter({{kP, "100k"}});
    ASSERT_EQ(Steps().DoneCount(), 1u);
    EXPECT_EQ(Steps().UndoStep(),
              (Step{journal::LocateCommand{{"", "100k", "", "", ""}, true, true, false}}))
        << "the box as typed, before the kPa suffix was rewritten";

    Item("mnuShowMarkers").trigger();
    ClickAt(7.5, 500);
    ASSERT_EQ(Steps().DoneCount(), 2u);
    const auto* click = std::get_if<journal::ClickCommand>(&Steps().UndoStep().command);
    ASSERT_NE(click, nullptr);
    EXPECT_NEAR(click->s, 7.5, 0.05);
    EXPECT_NEAR(click->T, 500, 5);
    EXPECT_FALSE(click->showMarkers);

    // Forty-one presses of Locate, one step.
    Chart().PlotSeries({kT, "274", "1273", "", "40", journal::SeriesMode::kCount, true, false});
    EXPECT_EQ(Steps().DoneCount(), 3u);
    EXPECT_EQ(Chart().Journal().Steps().size(), 3u);

    messages_.QueueAnswer(MessageBoxes::kNo);
    Chart().ClearButton().click();
    EXPECT_EQ(Steps().DoneCount(), 3u) << "a Clear answered No changes nothing";
    ClearConfirmed();
    EXPECT_EQ(Steps().UndoStep(), (Step{journal::ClearCommand{true}}));

    // Esc, Clr boxes and mouse moves are no steps.
    Type(kT, "500");
    QTest::keyClick(&Box(kT), Qt::Key_Escape);
    QTest::mouseMove(&Chart(), QPoint(200, 150));
    EXPECT_EQ(Steps().DoneCount(), 4u);
}

TEST_F(ChartJournalTest, ReplayedClickDrawsTheClickedPointItself) {
    const double perPixel = TwipsPerPixel(Chart());
    for (const auto& [x, y] : {std::pair{401, 133}, std::pair{377, 61}, std::pair{500, 250}}) {
        QTest::mouseClick(&Chart(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        const auto circles = Drawn<CirclePrimitive>();
        EXPECT_EQ(circles.back().x, float(x * perPixel));
        EXPECT_EQ(circles.back().y, float(y * perPixel));
    }
    ExpectReplayGivesTheSamePicture();
}

TEST_F(ChartJournalTest, ReplayOfEveryKindOfStepGivesTheSamePicture) {
    const auto escape = [this] { QTest::keyClick(&Box(kT), Qt::Key_Escape); };
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"isobar",
         [&] {
             Enter({{kP, "1"}});
         }},
        {"Celsius",
         [&] {
             escape(), Enter({{kT, "25c"}});
         }},
        {"state",
         [&] {
             Enter({{kT, "500"}, {kP, "1"}});
         }},
        {"unsolved pair",
         [&] {
             escape(), Enter({{kP, "1"}, {kH, "2800"}});
         }},
        {"crossing",
         [&] {
             Item("mnuLocateCrossings").trigger();
             Enter({{kV, "0.5"}, {kS, "7"}});
             Item("mnuLocateCrossings").trigger();
         }},
        {"out of range",
         [&] {
             Enter({{kT, "2000"}});
         }},
        {"three boxes",
         [&] {
             Enter({{kT, "500"}, {kP, "1"}, {kV, "1"}});
         }},
        {"nothing filled", [&] { escape(), Chart().LocateButton().click(); }},
        {"unlabelled",
         [&] {
             Item("mnuShowLabels").trigger();
             Item("mnuShowMarkers").trigger();
             Enter({{kS, "6"}});
             Enter({{kP, "2"}, {kS, "6"}});
         }},
        {"click", [&] { ClickAt(7.5, 500); }},
        {"liquid", [&] { ClickAt(0.5, 350); }},
        {"outside", [&] { ClickAt(11.9, 1260), ClickAt(-1, 1000); }},
        {"series",
         [&] {
             Chart().PlotSeries(
                 {kV, "0.005", "200", "10", "19", journal::SeriesMode::kCount, true, true});
         }},
        {"too long a series",
         [&] {
             Chart().PlotSeries(
                 {kV, "0", "2", "", "2000", journal::SeriesMode::kCount, true, true});
         }},
        {"clear", [&] { ClearConfirmed(); }},
        {"labels again",
         [&] {
             Item("mnuShowLabels").trigger(), Enter({{kT, "600"}});
         }},
    };
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        ExpectReplayGivesTheSamePicture();
    }
}

TEST_F(ChartJournalTest, ReplayGathersTheMessagesAndShowsThemOnceWithTheirStepNumbers) {
    Enter({{kT, "500"}});
    Enter({{kT, "2000"}});
    Enter({{kP, "1"}, {kH, "2800"}});
    const size_t shown = messages_.Calls().size();
    ASSERT_EQ(shown, 2u);
    OtherChart other(area_->size());
    ASSERT_TRUE(other.Chart().OpenSteps("work.calorix", Steps().DoneSteps()));
    ASSERT_EQ(other.messages.Calls().size(), 1u);
    const QString text = other.messages.Calls()[0].prompt;
    EXPECT_TRUE(text.startsWith("Opening work.calorix:\r\r")) << text.toStdString();
    EXPECT_TRUE(text.contains("Step 2: " + messages_.Calls()[0].prompt)) << text.toStdString();
    EXPECT_TRUE(text.contains("Step 3: " + messages_.Calls()[1].prompt)) << text.toStdString();
    EXPECT_FALSE(text.contains("Step 1"));
}

TEST_F(ChartJournalTest, UndoAndRedoItemsNameTheStepAndAreDisabledWithoutOne) {
    QAction& undo = Item("mnuUndo");
    QAction& redo = Item("mnuRedo");
    EXPECT_EQ(undo.text(), "&Undo");
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_FALSE(redo.isEnabled());
    EXPECT_EQ(undo.shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(redo.shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    Enter({{kP, "1"}});
    EXPECT_EQ(undo.text(), "&Undo isobar P = 1");
    EXPECT_TRUE(undo.isEnabled());
    Chart().PlotSeries({kP, "0", "20", "", "20", journal::SeriesMode::kCount, true, true});
    EXPECT_EQ(undo.text(), "&Undo series of 21 isobars");
    ClearConfirmed();
    EXPECT_EQ(undo.text(), "&Undo Clear");
    ClickAt(7.5, 500);
    EXPECT_TRUE(undo.text().startsWith("&Undo click at T = 50")) << undo.text().toStdString();
    undo.trigger();
    EXPECT_EQ(undo.text(), "&Undo Clear");
    EXPECT_TRUE(redo.text().startsWith("&Redo click at T = 50"));
    EXPECT_TRUE(redo.isEnabled());
    Type(kT, "a&b");
    QTest::keyClick(&Box(kT), Qt::Key_Return);
    EXPECT_EQ(undo.text(), "&Undo isotherm T = a&&b");
    EXPECT_FALSE(redo.isEnabled()) << "a new step ends what could be redone";
    EXPECT_EQ(redo.text(), "&Redo");

    // The edit menu stands before Options on the bar, the file menu first.
    const QList<QAction*> bar = Chart().MenuBarActions();
    ASSERT_GE(bar.size(), 3);
    EXPECT_EQ(bar[0]->objectName(), "mnuChartFile");
    EXPECT_EQ(bar[1]->objectName(), "mnuEdit");
    EXPECT_EQ(bar[1]->text(), "&Edit");
    EXPECT_EQ(bar[2]->objectName(), "mnuOptions");
}

TEST_F(ChartJournalTest, KeysUndoAndRedoEvenFromInsideABox) {
    Enter({{kP, "1"}});
    const size_t drawn = Chart().DisplayList().size();
    Enter({{kT, "500"}});
    QTest::keyClick(&Box(kT), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Chart().DisplayList().size(), drawn);
    EXPECT_EQ(Box(kT).text(), "500") << "the boxes as they stood before Enter";
    EXPECT_EQ(Box(kP).text(), "1");
    QTest::keyClick(&Box(kT), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_GT(Chart().DisplayList().size(), drawn);
    QTest::keyClick(&Box(kT), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&Box(kT), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Steps().DoneCount(), 2u);
}

TEST_F(ChartJournalTest, UndoBringsBackThePictureToThePixelAndRedoRepeatsTheStep) {
    Enter({{kP, "1"}});
    Enter({{kT, "500"}, {kP, "1"}});
    QTest::keyClick(&Box(kT), Qt::Key_Escape);
    Type(kV, "0.3");
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    const QImage before = test::Snapshot(Chart());
    const ChartPicture picture = PictureOf(Chart());
    const CurrentPoint point = area_->Point();

    for (int kind = 0; kind < 4; ++kind) {
        switch (kind) {
            case 0:
                ClickAt(7.5, 500);
                break;
            case 1:
                Chart().PlotSeries(
                    {kS, "1", "9", "2", "", journal::SeriesMode::kIncrement, true, true});
                break;
            case 2:
                ClearConfirmed();
                break;
            case 3:
                Chart().LocateButton().click();  // the pair (v, ...) with T and P empty
                break;
        }
        if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
        const ChartPicture after = PictureOf(Chart());
        const QImage afterImage = test::Snapshot(Chart());
        ASSERT_NE(after, picture) << kind;

        Item("mnuUndo").trigger();
        EXPECT_EQ(PictureOf(Chart()), picture) << kind;
        EXPECT_EQ(area_->Point().PointT, point.PointT) << kind;
        EXPECT_EQ(area_->Point().PointS, point.PointS) << kind;
        EXPECT_TRUE(test::Snapshot(Chart()) == before) << kind;

        Item("mnuRedo").trigger();
        EXPECT_EQ(PictureOf(Chart()), after) << kind;
        EXPECT_TRUE(test::Snapshot(Chart()) == afterImage) << kind;
        Item("mnuUndo").trigger();
    }
}

TEST_F(ChartJournalTest, OpenIsOneStepThatUndoTakesBack) {
    Enter({{kT, "500"}});
    const ChartPicture before = PictureOf(Chart());
    const std::vector<Step> file = {Step{journal::LocateCommand{{"", "2", "", "", ""}}},
                                    Step{journal::ClickCommand{7, 700}}};
    ASSERT_TRUE(Chart().OpenSteps("a.calorix", file));
    EXPECT_EQ(Item("mnuUndo").text(), "&Undo open of a.calorix");
    const ChartPicture opened = PictureOf(Chart());
    Item("mnuUndo").trigger();
    EXPECT_EQ(PictureOf(Chart()), before);
    Item("mnuRedo").trigger();
    EXPECT_EQ(PictureOf(Chart()), opened);

    // A cancelled Open leaves the chart and what could be redone.
    Item("mnuUndo").trigger();
    std::vector<std::size_t> reported;
    EXPECT_FALSE(Chart().OpenSteps("b.calorix", file, [&](std::size_t done, std::size_t total) {
        reported.push_back(done);
        EXPECT_EQ(total, 2u);
        return done < 1;
    }));
    EXPECT_EQ(reported, (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(PictureOf(Chart()), before);
    EXPECT_EQ(Item("mnuRedo").text(), "&Redo open of a.calorix");
}

// Seeded random sessions of a few hundred steps: the replay gives the same
// chart, and undoing every step walks back through each state there was.
class RandomSessionTest : public ChartJournalTest, public ::testing::WithParamInterface<int> {};

TEST_P(RandomSessionTest, ReplayAndUndoRetraceTheSession) {
    std::mt19937 random{unsigned(GetParam())};
    const auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto valueFor = [&](int box) {
        const double ranges[kPropertyCount][2] = {
            {280, 1300}, {0.001, 25}, {0.002, 150}, {300, 4300}, {0.5, 11}};
        return QString::number(uniform(ranges[box][0], ranges[box][1]), 'g', 4);
    };

    // The chart right before each step: what undoing that step gives back.
    struct Seen {
        size_t length;
        QString panel;
        std::array<QString, kPropertyCount> boxes;
        std::optional<std::vector<Primitive>> list;
    };
    std::vector<Seen> seen;
    const auto remember = [&] {
        const ChartPicture p = PictureOf(Chart());
        Seen s{p.list.size(), p.panel, p.boxes, {}};
        if (seen.size() % 40 == 0) s.list = p.list;
        seen.push_back(std::move(s));
    };
    const auto typeAndEnter = [&](std::initializer_list<int> boxes) {
        for (const int box : boxes)
            Type(box, valueFor(box));
        remember();
        PressEnter(*boxes.begin());
    };
    constexpr int kSteps = 250;
    while (Steps().DoneCount() < size_t(kSteps)) {
        const int kind = pick(40);
        if (kind < 16) {
            typeAndEnter({pick(kPropertyCount)});
        } else if (kind < 26) {
            const int a = pick(kPropertyCount);
            typeAndEnter({a, (a + 1 + pick(kPropertyCount - 1)) % kPropertyCount});
        } else if (kind < 34) {
            remember();
            QTest::mouseClick(&Chart(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(pick(Chart().width() - 60), pick(Chart().height())));
        } else if (kind < 36) {
            Item(pick(2) ? "mnuShowLabels" : "mnuShowMarkers").trigger();
        } else if (kind < 37) {
            remember();
            ClearConfirmed();
        } else if (kind < 38) {
            remember();
            Chart().PlotSeries(
                {pick(kPropertyCount), "1", "9", "", "3", journal::SeriesMode::kCount, true, true});
        } else if (Steps().DoneCount() > 0) {
            // An undo and a redo on the way: the same state as before them.
            Item("mnuUndo").trigger();
            Item("mnuRedo").trigger();
        }
        ASSERT_EQ(seen.size(), Steps().DoneCount());
    }
    ExpectReplayGivesTheSamePicture();

    for (size_t i = seen.size(); i-- > 0;) {
        Item("mnuUndo").trigger();
        const ChartPicture now = PictureOf(Chart());
        ASSERT_EQ(now.list.size(), seen[i].length) << "after undoing step " << i + 1;
        ASSERT_EQ(now.panel, seen[i].panel) << i;
        ASSERT_EQ(now.boxes, seen[i].boxes) << i;
        if (seen[i].list) {
            ASSERT_TRUE(now.list == *seen[i].list) << i;
        }
    }
    EXPECT_FALSE(Item("mnuUndo").isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessionTest, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace calorix
